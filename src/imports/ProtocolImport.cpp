// The sample rows of the protocol spreadsheet into the current batch: the whole sheet is read
// and checked, then every sample is stored in one transaction, or none.

#include "BatchImports.h"
#include "ImportErrors.h"
#include "ImportSession.h"
#include "ProtocolSamples.h"
#include "SampleStore.h"

#include "batch/FormPartia.h"
#include "common/Messages.h"
#include "common/ModLabor.h"
#include "common/TextHelpers.h"

#include <QFileInfo>

namespace trelimor {

namespace {

const QString kWczytywanie = QStringLiteral("WCZYTYWANIE");

QString duplicateMessage(const ImportedSample& s, const QString& dateAsRead, const QVariant& batch)
{
    return QStringLiteral("Próbka o numerze: ") + s.wni + QLatin1Char('-') + s.nr + QLatin1Char('-') +
           dateAsRead + QStringLiteral(" już istnieje w bazie danych,\r\npod nr partii: ") +
           BezNullText(batch) +
           QStringLiteral("\r\nNie może być 2 próbek o takim samym numerze identyfikacyjnym!\r\n"
                          "Popraw nr próbki w pliku i wczytaj ponownie lub wprowadź dane ręcznie pod innym "
                          "numerem próbki!") +
           rowSuffix(s.source);
}

void showStoreRefusal(const ProtocolSamples& read, const StoreResult& stored)
{
    const ImportedSample& s = read.samples.at(stored.index);
    if (stored.kind == StoreResult::Kind::WriteFailed) {
        ImportError error{stored.error->number(), stored.error->description(), s.source,
                          s.wni + QLatin1Char('-') + s.nr + QLatin1Char('-') + s.data};
        showImportError(error, ConversionText::ProgramOption);
        return;
    }
    PokazUwage(duplicateMessage(s, read.datesAsRead.at(stored.index), stored.batch),
               QStringLiteral("KONTROLA POPRAWNOŚCI"));
}

void showSheetProblem(const ProtocolSheetProblem& problem)
{
    switch (problem.kind) {
    case ProtocolSheetProblem::Kind::NoSamples:
        PokazUwage(QStringLiteral("Niepoprawny format wczytywanego pliku!\r"
                                  "Sprawdź partię oraz plik i wczytaj ponownie!"),
                   kWczytywanie);
        return;
    case ProtocolSheetProblem::Kind::LongNumber:
        UzupelnijZerami(problem.text, true, 3); // its own warning comes first
        PokazUwage(QStringLiteral("Numer uboju we wczytywanej partii próbek przekracza 3 znaki!\r"
                                  "Popraw plik i wczytaj ponownie!") +
                       rowSuffix(problem.row),
                   kWczytywanie);
        return;
    case ProtocolSheetProblem::Kind::AgeNotNumber:
        PokazUwage(QStringLiteral("Wiek w wierszu nr %1, w kolumnie nr %2, nie jest liczbą: %3\r"
                                  "Popraw plik i wczytaj ponownie!")
                       .arg(problem.row)
                       .arg(problem.column)
                       .arg(problem.text),
                   kWczytywanie);
        return;
    }
}

} // namespace

void ComWczyt_Click(FormPartia& okno)
{
    if (!okno.maPartie())
        return;
    // The automatic load reads the file its header came from, never one asked for again.
    if (okno.TrybWczytywania == u"WczytAuto" && okno.LabelWczytajPlik->text().isEmpty())
        return;
    ImportSession session(okno);
    const std::optional<QString> path = chooseImportFile(okno, kFiltrExcel);
    if (!path)
        return;
    try {
        if (!QFileInfo(QFileInfo(*path).absolutePath()).isDir()) {
            session.end();
            showImportError({ImportError::PathNotFound, QStringLiteral("Nie znaleziono ścieżki"), 0, {}},
                            ConversionText::ProgramOption);
            return;
        }
        session.showWaitNotice();
        const ProtocolSamples read = readProtocolSamples(ImportSheet(*path));
        if (read.problem && read.problem->kind == ProtocolSheetProblem::Kind::NoSamples) {
            session.end();
            showSheetProblem(*read.problem);
            return;
        }
        const StoreResult stored =
            storeSamples(ModLabor().BazaRok, okno.biezacaPartia().trimmed().toLongLong(), read.samples, false,
                         !read.problem);
        if (stored.kind == StoreResult::Kind::Stored && !read.problem) {
            if (stored.last >= 0)
                okno.DataProbka->refreshAt(stored.last);
            okno.PokazNaglowekProbek();
            session.end();
            return;
        }
        session.end();
        if (stored.kind != StoreResult::Kind::Stored)
            showStoreRefusal(read, stored);
        else
            showSheetProblem(*read.problem);
    } catch (const std::exception& e) {
        session.end();
        showImportError(importErrorOf(e), ConversionText::ProgramOption);
    }
}

} // namespace trelimor
