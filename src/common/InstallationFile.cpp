#include "InstallationFile.h"

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

// The installation file's lines, read in the ANSI code page it was always written in, without
// their line ends; 3024 naming the file when it cannot be read.
QStringList installationLines()
{
    QFile ini(paths::iniFile());
    if (!ini.open(QIODevice::ReadOnly))
        throw db::JetError::fromNumber(db::jet::FileNotFound, ini.fileName());
    QStringDecoder decode("windows-1250");
    QStringList lines = QString(decode.decode(ini.readAll())).split(QLatin1Char('\n'));
    for (QString& line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    }
    return lines;
}

// Cuts a line into its upper-case key and its value.
QString splitLine(QString& line, QString& value)
{
    QString separator = QStringLiteral("=");
    PodzielNaCzesci(line, value, separator, 0);
    return line.toUpper();
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

bool CzytajParametry()
{
    ModLaborValues& m = ModLabor();
    m.FormatDaty = QStringLiteral("dd.mm.yyyy");
    QString staleTried; // the last path each database was looked for at
    QString robotTried;
    try {
        for (QString line : installationLines()) {
            QString value;
            const QString key = splitLine(line, value);
            try {
                if (key == QLatin1String("STALE")) {
                    if (!SprDysk(paths::driveOf(value)))
                        throw EndProgram();
                    staleTried = value + kStaleFile;
                    m.BazaStale = db::Database::open(staleTried);
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
        for (QString line : installationLines()) {
            QString value;
            if (splitLine(line, value) == key.toUpper())
                return value;
        }
    } catch (const db::JetError&) {
        // No installation file: no value either.
    }
    return {};
}

} // namespace trelimor
