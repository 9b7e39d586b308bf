#include "InstallationFile.h"

#include "DatabaseIndexes.h"
#include "Messages.h"
#include "ModLabor.h"
#include "TextHelpers.h"

#include "platform/db/JetError.h"
#include "platform/paths/Folders.h"
#include "platform/ui/DialogService.h"
#include "platform/ui/Quit.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

namespace trelimor {

namespace {

const QString kReadFailedTitle = QStringLiteral("Błąd wczytania parametrów instalacyjnych");
const QString kStaleFile = QStringLiteral("Stale.sqlite");
const QString kRobotFile = QStringLiteral("Robot.sqlite");

class EndProgram
{
};

// The installation file's bytes; 3024 naming the file when it cannot be read.
QByteArray installationBytes()
{
    QFile ini(paths::iniFile());
    if (!ini.open(QIODevice::ReadOnly))
        throw db::JetError::fromNumber(db::jet::FileNotFound, ini.fileName());
    return ini.readAll();
}

// How the start-up names a database it could not open: the full path it tried, so that a typo
// in Trelimor.ini (a folder without its closing "/", say) shows; or the key that is missing.
QString databaseNamed(const QString& what, const QString& key, const QString& fileName,
                      const QString& triedPath)
{
    if (triedPath.isEmpty())
        return QStringLiteral("%1 %2 (brak wiersza %3)").arg(what, fileName, key);
    return QStringLiteral("%1 „%2”").arg(what, triedPath);
}

} // namespace

bool SprDysk(const QString& drive)
{
    if (!drive.isEmpty() && QFileInfo(drive).isDir())
        return true;
    ui::dialogs().message(
        QStringLiteral("Brak połączenia z dyskiem (") + drive +
            QStringLiteral(") na którym znajdują się bazy danych!\r") +
            QStringLiteral(
                "Przed ponownym uruchomieniem programu zamapuj katalog z bazami danych jako dysk ") +
            drive.left(2) + QStringLiteral("\r") +
            QStringLiteral("(udostępniony folder serwera z bazami programu TRELIMOR podłącz w folderze ") +
            paths::networkFolder() + QStringLiteral(" tego komputera)!"),
        QStringLiteral("POŁĄCZENIE"), ui::Icon::Warning);
    ui::requestQuit(1);
    return false;
}

QList<std::pair<QString, QString>> installationEntries(const QByteArray& bytes)
{
    // Written in the ANSI code page, as the installation always wrote it.
    QStringDecoder decode("windows-1250");
    const QStringList lines = QString(decode.decode(bytes)).split(QLatin1Char('\n'));
    QList<std::pair<QString, QString>> entries;
    for (QString key : lines) {
        if (key.endsWith(QLatin1Char('\r')))
            key.chop(1);
        QString value;
        QString separator = QStringLiteral("=");
        PodzielNaCzesci(key, value, separator, 0);
        entries.append({key.toUpper(), value});
    }
    return entries;
}

bool CzytajParametry()
{
    ModLaborValues& m = ModLabor();
    m.FormatDaty = QStringLiteral("dd.mm.yyyy");
    QString staleTried; // the last path each database was looked for at
    QString robotTried;
    try {
        for (const auto& [key, value] : installationEntries(installationBytes())) {
            try {
                if (key == QLatin1String("STALE")) {
                    if (!SprDysk(paths::driveOf(value)))
                        throw EndProgram();
                    staleTried = value + kStaleFile;
                    m.BazaStale = db::Database::open(staleTried);
                    createDictionaryIndexes(m.BazaStale);
                } else if (key == QLatin1String("RAPORTY")) {
                    m.KatalogRaportow = value;
                } else if (key == QLatin1String("ROBOT")) {
                    robotTried = value + kRobotFile;
                    m.BazaRobot = db::Database::open(robotTried);
                }
            } catch (const db::JetError& e) {
                if (e.number() == db::jet::FileNotFound)
                    continue; // this line's database is missing: the next lines are read all the same
                if (e.number() != db::jet::InvalidPath)
                    throw;
                PokazBlad(
                    QStringLiteral("Popraw ścieżkę dostępu do bazy danych (Zbiór parametrów w funkcjach "
                                   "technicznych)"),
                    e);
            }
        }
        TablicaPolskichZnakow(m.TablicaPolskichZnakow);
    } catch (const EndProgram&) {
        return false;
    } catch (const std::exception& e) {
        PokazBlad(kReadFailedTitle, e); // names the file that could not be read
        return false;
    }

    QStringList missing;
    if (!m.BazaStale.isOpen())
        missing << databaseNamed(QStringLiteral("bazy słowników"), QStringLiteral("STALE"), kStaleFile,
                                 staleTried);
    if (!m.BazaRobot.isOpen())
        missing << databaseNamed(QStringLiteral("bazy roboczej wydruków"), QStringLiteral("ROBOT"),
                                 kRobotFile, robotTried);
    if (missing.isEmpty())
        return true;
    // Going on to a login over no database would only fail later, at every step: say what is
    // missing and let the caller end the program.
    PokazBlad(kReadFailedTitle,
              QStringLiteral("Nie można otworzyć %1. Foldery baz danych podaje plik %2. Program zostanie "
                             "zamknięty; sprawdź instalację programu.")
                  .arg(missing.join(QStringLiteral(" ani ")), QDir::toNativeSeparators(paths::iniFile())));
    return false;
}

QString installationValue(const QString& key)
{
    try {
        for (const auto& [name, value] : installationEntries(installationBytes()))
            if (name == key.toUpper())
                return value;
    } catch (const db::JetError&) {
        // No installation file: no value either.
    }
    return {};
}

} // namespace trelimor
