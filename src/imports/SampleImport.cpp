#include "SampleImport.h"

#include "BatchImportHost.h"
#include "ImportSession.h"

#include "common/Messages.h"
#include "common/ModLabor.h"
#include "common/TextHelpers.h"

#include <QFileInfo>

namespace trelimor {

namespace {

void showReadProblem(const ReadProblem& problem, SourceUnit unit)
{
    const QString where = sourceSuffix(problem.source, unit);
    switch (problem.kind) {
    case ReadProblem::Kind::NoSamples:
        PokazUwage(QStringLiteral("Niepoprawny format wczytywanego pliku!\r"
                                  "Sprawdź partię oraz plik i wczytaj ponownie!"),
                   kLoadingTitle);
        return;
    case ReadProblem::Kind::BadHeader:
        PokazUwage(QStringLiteral("Niepoprawny format wczytywanego pliku!\rSprawdź plik i wczytaj ponownie!"),
                   kLoadingTitle);
        return;
    case ReadProblem::Kind::LongNumber:
        UzupelnijZerami(problem.text, true, 3); // its own warning comes first
        PokazUwage(QStringLiteral("Numer uboju we wczytywanej partii próbek przekracza 3 znaki!\r"
                                  "Popraw plik i wczytaj ponownie!") +
                       where,
                   kLoadingTitle);
        return;
    case ReadProblem::Kind::BadNumber:
        PokazUwage(
            QStringLiteral("Numer próbki: ") + problem.text +
                QStringLiteral(" nie jest liczbą całkowitą od 1 do 999!\rPopraw plik i wczytaj ponownie!") +
                where,
            kLoadingTitle);
        return;
    case ReadProblem::Kind::AgeNotNumber:
        PokazUwage(QStringLiteral("Wiek w wierszu nr %1, w kolumnie nr %2, nie jest liczbą: %3\r"
                                  "Popraw plik i wczytaj ponownie!")
                       .arg(problem.source)
                       .arg(problem.column)
                       .arg(problem.text),
                   kLoadingTitle);
        return;
    }
}

} // namespace

std::optional<ReadProblem> longNumber(const QString& text, int source)
{
    int digits = 0;
    for (const QChar c : text)
        digits += c.unicode() >= '0' && c.unicode() <= '9';
    if (digits <= 3)
        return std::nullopt;
    return ReadProblem{ReadProblem::Kind::LongNumber, source, 0, text};
}

std::optional<ReadProblem> setSampleNumber(ImportedSample& sample, const QString& text, int source)
{
    const QString trimmed = text.trimmed();
    if (auto problem = longNumber(trimmed, source))
        return problem;
    const std::optional<int> number = wholeNumber<int>(trimmed);
    if (!number || *number < 1 || *number > 999)
        return ReadProblem{ReadProblem::Kind::BadNumber, source, 0, trimmed};
    sample.nrProbki = *number;
    sample.nr = UzupelnijZerami(trimmed, true, 3);
    return std::nullopt;
}

void runSampleImport(BatchImportHost& okno, const SampleImportKind& kind,
                     const std::function<ImportRead(const QString& path)>& read, bool waitNotice)
{
    ImportSession session(okno);
    const std::optional<QString> path = chooseImportFile(okno, kind.filter);
    if (!path)
        return;
    try {
        if (!QFileInfo(QFileInfo(*path).absolutePath()).isDir()) {
            session.end();
            showImportError(
                ImportError::of(ImportError::PathNotFound, QStringLiteral("Nie znaleziono ścieżki")),
                kind.conversion);
            return;
        }
        if (waitNotice)
            session.showWaitNotice();
        const ImportRead file = read(*path);
        const std::optional<ReadProblem>& problem = file.problem;
        if (problem && (problem->kind == ReadProblem::Kind::NoSamples ||
                        problem->kind == ReadProblem::Kind::BadHeader)) {
            session.end();
            showReadProblem(*problem, kind.unit);
            return;
        }
        const StoreResult stored =
            storeSamples(ModLabor().BazaRok, okno.currentBatch().trimmed().toLongLong(), file.samples,
                         kind.checkNumbers, !problem);
        if (stored.kind == StoreResult::Kind::Stored && !problem) {
            if (stored.last >= 0)
                okno.selectSample(stored.last);
            okno.refreshSampleCaption();
            session.end();
            if (file.missingDistrictCode)
                PokazUwage(QStringLiteral("Uzupełnij brakujące 4-cyfrowe kody PIW!"), kInformationTitle);
            return;
        }
        session.end();
        if (stored.kind != StoreResult::Kind::Stored)
            showStoreRefusal(stored, file.samples.at(stored.index), kind.conversion, kind.unit);
        else
            showReadProblem(*problem, kind.unit);
    } catch (const std::exception& e) {
        session.end();
        showImportError(importErrorOf(e), kind.conversion);
    }
}

} // namespace trelimor
