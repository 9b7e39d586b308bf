#include "ResultsImport.h"

#include "BatchImportHost.h"
#include "ImportErrors.h"
#include "ImportSession.h"
#include "ResultWrites.h"
#include "ResultsFile.h"

#include "common/Messages.h"
#include "common/ModLabor.h"
#include "common/ProgramState.h"
#include "common/TextLines.h"

#include "platform/ui/OverrideCursorGuard.h"

#include <QCoreApplication>
#include <QDir>

namespace trelimor {

namespace {

const QString kFilter = QStringLiteral("All Files (*.*)|*.*|Tekst (*.txt)|*.txt");

// The window locked for the import's length (its date label too); unlock() at every end.
class Lock
{
public:
    explicit Lock(BatchImportHost& window)
        : m_window(window)
    {
        m_window.Klawisze(false, false);
    }
    ~Lock() { unlock(); }
    Lock(const Lock&) = delete;
    Lock& operator=(const Lock&) = delete;

    void showWaitNotice()
    {
        m_window.setWaitNoticeVisible(true);
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        m_cursor.emplace();
    }
    void unlock()
    {
        if (m_unlocked)
            return;
        m_unlocked = true;
        m_window.setWaitNoticeVisible(false);
        m_cursor.reset();
        m_window.Klawisze(true, false);
    }

private:
    BatchImportHost& m_window;
    std::optional<ui::OverrideCursorGuard> m_cursor;
    bool m_unlocked = false;
};

// The failure as the error report names it: a refused value with the line it stands in.
ImportError failureOf(const std::exception& error)
{
    const auto* value = dynamic_cast<const ResultValueError*>(&error);
    if (!value)
        return importErrorOf(error);
    ImportError failure = ImportError::of(value->number(), value->description());
    failure.source = value->lineNumber();
    failure.unit = SourceUnit::Line;
    return failure;
}

QString summary(const QString& path, const ResultPlan& plan)
{
    QString text = QStringLiteral("Wczytano wyniki z pliku ") + QDir::toNativeSeparators(path) +
                   QStringLiteral(".\rZapisane wiersze wyników: ") + QString::number(plan.writtenLines) +
                   QStringLiteral("\rPominięte wiersze (brak jednej pasującej próbki): ") +
                   QString::number(plan.skippedLines);
    if (!plan.skippedTags.isEmpty()) {
        text += QStringLiteral("\rNumery kolczyków pominiętych wierszy: ") +
                plan.skippedTags.join(QStringLiteral(", "));
        if (plan.skippedLines > plan.skippedTags.size())
            text += QStringLiteral(" ...");
    }
    return text;
}

} // namespace

void ComWczytWynik_Click(BatchImportHost& okno)
{
    if (!okno.hasBatch())
        return;
    Lock lock(okno);
    const QString folder = QDir::currentPath();
    try {
        const QString path = openImportFile(kFilter);
        if (path.isEmpty()) {
            // Cancelled: silently, as every error trap ends.
            okno.setTrybWczytywania(QString());
            lock.unlock();
            QDir::setCurrent(folder);
            return;
        }
        lock.showWaitNotice();
        // Line by line: a large file is never held whole as text, only as the results it gives.
        TextLineReader lines(path);

        const ResultsFile file =
            readResultsFile(lines, programState().countyCode(), programState().workingDate());
        switch (file.outcome) {
        case ResultsFile::Outcome::NoHeader:
            lock.unlock();
            PokazUwage(
                QStringLiteral("Niepoprawny format wczytywanego pliku!\rSprawdź plik i wczytaj ponownie!"),
                kLoadingTitle);
            return;
        case ResultsFile::Outcome::OtherCounty:
            okno.setTrybWczytywania(QString());
            lock.unlock();
            PokazUwage(QStringLiteral("Wczytywany plik zawiera wyniki przeznaczone dla powiatu: ") +
                           file.county + QStringLiteral("\rPrzerywam wczytywanie pliku!"),
                       kInformationTitle);
            return;
        case ResultsFile::Outcome::OtherMonth:
            okno.setTrybWczytywania(QString());
            lock.unlock();
            PokazUwage(QStringLiteral("Wczytywany plik zawiera wyniki z miesiąca: ") + file.month +
                           QStringLiteral("\rZmień datę i czytaj ponownie!"),
                       kInformationTitle);
            return;
        case ResultsFile::Outcome::Read:
            break;
        }

        const ResultPlan plan = planResults(ModLabor().BazaRok, file);
        if (plan.herdMismatch) {
            okno.setTrybWczytywania(QString());
            lock.unlock();
            PokazInfo(QStringLiteral("Wczytywany wynik dla numeru kolczyka: ") + plan.herdMismatch->earTag +
                          QStringLiteral(", nie pasuje do siedziby stada o numerze: ") +
                          plan.herdMismatch->holdingHerd + QStringLiteral("\rPrzerywam wczytywanie wyników!"),
                      kInformationTitle);
            return;
        }
        writeResults(ModLabor().BazaRok, file, plan);
        QDir::setCurrent(folder);
        lock.unlock();
        PokazInfo(summary(path, plan), kInformationTitle);
    } catch (const std::exception& e) {
        okno.setTrybWczytywania(QString());
        lock.unlock();
        QDir::setCurrent(folder);
        showLoadFailure(failureOf(e));
    }
}

} // namespace trelimor
