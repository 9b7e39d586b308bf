#include "YearlyDatabase.h"

#include "ColumnUpgrade.h"
#include "Messages.h"
#include "ModLabor.h"
#include "ProgramState.h"
#include "DatabaseIndexes.h"
#include "YearlyTables.h"

#include "platform/db/JetError.h"
#include "platform/paths/DurableFiles.h"
#include "platform/paths/Folders.h"
#include "platform/ui/DialogService.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace trelimor {

namespace {

const QString kUwaga = QStringLiteral("Uwaga!");

QString workingYearText()
{
    return programState().workingDate().toString(QStringLiteral("yyyy"));
}

QString cleanAbsolute(const QString& path)
{
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

void closeYearlyDatabase()
{
    ModLabor().BazaRok.close();
    ModLabor().BazaRok = db::Database();
}

// Removes the temporary file of a creation unless the creation was completed.
class TemporaryDatabase
{
public:
    explicit TemporaryDatabase(QString path)
        : m_path(std::move(path))
    {}
    ~TemporaryDatabase()
    {
        if (!m_kept)
            removeDatabaseFile(m_path);
    }
    TemporaryDatabase(const TemporaryDatabase&) = delete;
    TemporaryDatabase& operator=(const TemporaryDatabase&) = delete;

    const QString& path() const { return m_path; }
    void keep() { m_kept = true; }

private:
    QString m_path;
    bool m_kept = false;
};

bool creationFailed(const QString& path)
{
    showCreationFailed(path);
    return false;
}

// The tables, and the columns the checks of an opening add, so that a new file lacks nothing
// the program writes from its first batch on.
bool buildTables(const QString& file)
{
    if (!CreateTablePartia(file, QStringLiteral("Partia")) ||
        !CreateTableBadanie(file, QStringLiteral("Badanie")))
        return false;
    db::Database database = db::Database::open(file);
    runColumnChecks(database, nullptr);
    database.close();
    return true;
}

// Renames the complete file into place; a file that appeared there meanwhile is not replaced.
bool moveIntoPlace(const QString& temporary, const QString& path)
{
    QFile file(temporary);
    if (!file.rename(path)) {
        const QString reason =
            QFileInfo::exists(path) ? QStringLiteral("plik o tej nazwie już istnieje") : file.errorString();
        ui::plainMessage(QStringLiteral("Nie można nadać plikowi nazwy ") + path + QStringLiteral(": ") +
                         reason);
        return false;
    }
    paths::syncFolder(QFileInfo(path).absolutePath());
    return true;
}

} // namespace

QString yearlyDatabasePath(const QString& dictionaryPath, const QString& countyCode, const QDate& workingDate)
{
    const QString folder =
        paths::liesUnderNetworkFolder(dictionaryPath) ? paths::networkDataFolder() : paths::dataFolder();
    return paths::join(folder, QStringLiteral("Trelimor") + countyCode + QStringLiteral("PIW") +
                                   workingDate.toString(QStringLiteral("yyyy")) + QStringLiteral(".sqlite"));
}

QString yearlyDatabasePath()
{
    return yearlyDatabasePath(ModLabor().BazaStale.name(), programState().countyCode(),
                              programState().workingDate());
}

bool openYearlyDatabase()
{
    const QString code = programState().countyCode();
    if (!isCountyCode(code)) {
        closeYearlyDatabase();
        const QString shown = code.isEmpty() ? QString() : QStringLiteral(" („%1”)").arg(code);
        PokazUwage(
            QStringLiteral("Kod powiatu w danych użytkownika jest pusty lub nieprawidłowy%1: baza danych "
                           "roku nie została otwarta.\rWpisz czterocyfrowy kod powiatu w oknie "
                           "„Użytkownik” (Dane użytkownika) i zapisz dane.")
                .arg(shown),
            kUwaga);
        return false;
    }
    return OtworzBazeRoku(yearlyDatabasePath());
}

bool OtworzBazeRoku(const QString& path)
{
    ModLaborValues& m = ModLabor();
    try {
        if (!QFileInfo::exists(path)) {
            PokazInfo(QStringLiteral("Brak bazy danych na rok ") + workingYearText() +
                          QStringLiteral(", w katalogu: ") + path +
                          QStringLiteral("\rPo kliknięciu OK, utworzę nową bazę!"),
                      kInformationTitle);
            closeYearlyDatabase();
            if (!TworzBaze(path))
                return false;
        }
        closeYearlyDatabase();
        m.BazaRok = db::Database::open(path);
        // A file without the batch and sample tables and their columns would fail later in
        // every command: it is not taken at all.
        if (const QStringList missing = missingYearlyCore(m.BazaRok, &addedByYearlyChecks);
            !missing.isEmpty()) {
            closeYearlyDatabase();
            PokazUwage(QStringLiteral("Plik %1 nie jest kompletną bazą danych roku i nie został otwarty.\r"
                                      "Brakuje: %2.")
                           .arg(path, missing.join(QStringLiteral(", "))),
                       kUwaga);
            return false;
        }
        runColumnChecks(m.BazaRok, &m.BazaStale);
        createYearlyIndexes(m.BazaRok);
        return true;
    } catch (const std::exception& e) {
        PokazBlad(QStringLiteral("Tworzenie nowej bazy!"), e);
        // A failed check leaves the file of these labels open; a failed opening, nothing.
        return m.BazaRok.isOpen();
    }
}

bool TworzBaze(const QString& path)
{
    // Built beside the target, so that the rename into place stays on one file system.
    TemporaryDatabase temporary(paths::temporaryPathBeside(path));
    if (!CreateDB(temporary.path(), path))
        return false;
    try {
        if (!buildTables(temporary.path()) || !moveIntoPlace(temporary.path(), path))
            return creationFailed(path);
    } catch (const db::JetError& e) {
        showEngineError(e);
        return creationFailed(path);
    }
    temporary.keep();
    PokazInfo(QStringLiteral("Tworzenie nowej bazy danych na rok ") + workingYearText() +
                  QStringLiteral(", w katalogu: ") + path + QStringLiteral(" zakończone powodzeniem!"),
              kInformationTitle);
    return true;
}

bool wymagajBazyRoku()
{
    const db::Database& yearly = ModLabor().BazaRok;
    if (yearly.isOpen() && cleanAbsolute(yearly.name()) == cleanAbsolute(yearlyDatabasePath()))
        return true;
    PokazUwage(QStringLiteral("Baza danych roku ") + workingYearText() +
                   QStringLiteral(" nie jest otwarta: polecenie nie może zostać wykonane.\rSprawdź kod "
                                  "powiatu w danych użytkownika (okno „Użytkownik”) i datę roboczą."),
               kUwaga);
    return false;
}

} // namespace trelimor
