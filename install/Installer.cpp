#include "Installer.h"

#include "SchemaFile.h"
#include "SchemaWriter.h"
#include "SeedData.h"
#include "UndoLog.h"
#include "platform/db/Database.h"
#include "platform/db/JetError.h"
#include "platform/db/Maintenance.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStringEncoder>
#include <QUuid>

#include <algorithm>

namespace trelimor::install {

namespace {

const QString kNothingChanged = QStringLiteral("Nic nie zmieniono.");

QString folderPath(const QString& root, const QString& name)
{
    return root + QLatin1Char('/') + name + QLatin1Char('/');
}

void refuseExistingInstallation(const Installation& target)
{
    for (const QString& path : {target.iniFile, target.dictionaryFile, target.reportWorkFile}) {
        if (QFileInfo::exists(path) || QFileInfo(path).isSymLink())
            throw InstallError(
                QStringLiteral("W folderze %1 jest już instalacja programu TRELIMOR (plik %2). %3")
                    .arg(target.programFolder, path, kNothingChanged));
    }
}

// The installation file: KEY=value lines ended by CR LF, in the Windows-1250 code page the
// program reads it in. Each folder value ends with "/" because the program appends the file
// name directly. MAILWIW, the regional inspectorate's mail address for the serology export,
// is left for the user to fill in.
QByteArray iniBytes(const Installation& target)
{
    const QString dataFolder = folderPath(target.programFolder, QStringLiteral("Dane"));
    const QString text = QStringLiteral("STALE=%1\r\nROBOT=%1\r\nRAPORTY=%2\r\nMAILWIW=\r\n")
                             .arg(dataFolder, target.reportsFolder);
    QStringEncoder encoder("windows-1250");
    if (!encoder.isValid())
        throw InstallError(
            QStringLiteral("Brak kodowania Windows-1250, w którym zapisuje się plik Trelimor.ini. %1")
                .arg(kNothingChanged));
    const QByteArray bytes = encoder.encode(text);
    if (encoder.hasError())
        throw InstallError(
            QStringLiteral("Ścieżka %1 zawiera znaki, których nie da się zapisać w pliku Trelimor.ini "
                           "(kodowanie Windows-1250). Wybierz inny folder. %2")
                .arg(target.programFolder, kNothingChanged));
    return bytes;
}

// A name beside the final one under which a file is built until it is complete.
QString temporaryNameFor(const QString& finalPath)
{
    return finalPath + QLatin1Char('.') + QUuid::createUuid().toString(QUuid::Id128).left(12) +
           QStringLiteral(".tmp");
}

void buildDatabase(const QString& path, const QString& schemaPath, void (*seed)(db::Database&), UndoLog& undo)
{
    const Schema schema = loadSchema(schemaPath);
    undo.addFile(path);
    undo.addFile(path + QStringLiteral("-journal"));
    db::Database database = db::Database::create(path);
    createTables(database, schema);
    seed(database);
    database.close();
}

QStringList copyReports(const QString& source, const QString& target, UndoLog& undo)
{
    const QDir sourceDir(source);
    QStringList files;
    for (QDirIterator it(source, QDir::Files, QDirIterator::Subdirectories); it.hasNext();)
        files << sourceDir.relativeFilePath(it.next());
    std::sort(files.begin(), files.end());
    for (const QString& relative : files) {
        const QString to = target + relative;
        undo.makeFolder(QFileInfo(to).path());
        if (QFileInfo::exists(to))
            throw InstallError(QStringLiteral("W folderze raportów jest już plik %1.").arg(to));
        undo.addFile(to);
        if (!QFile::copy(sourceDir.filePath(relative), to))
            throw InstallError(QStringLiteral("Nie można skopiować szablonu raportu %1 do %2.")
                                   .arg(sourceDir.filePath(relative), to));
    }
    return files;
}

void writeFile(const QString& path, const QByteArray& bytes, UndoLog& undo)
{
    undo.addFile(path);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly) || file.write(bytes) != bytes.size() ||
        !file.flush())
        throw InstallError(QStringLiteral("Nie można zapisać pliku %1: %2.").arg(path, file.errorString()));
}

// Gives a complete file its final name; never replaces a file standing there.
void moveIntoPlace(const QString& from, const QString& to, UndoLog& undo)
{
    if (QFileInfo::exists(to) || !QFile::rename(from, to))
        throw InstallError(QStringLiteral("Nie można nadać plikowi %1 nazwy %2.").arg(from, to));
    undo.renameFile(from, to);
    db::syncToDisk(to);
}

void build(Installation& target, const QString& reportsSourceFolder, const QByteArray& ini, UndoLog& undo)
{
    const QString root = target.programFolder;
    for (const QString& name : {QStringLiteral("Dane"), QStringLiteral("Eksport"), QStringLiteral("Archiwum"),
                                QStringLiteral("Raporty")})
        undo.makeFolder(folderPath(root, name));

    const QString staleTemp = temporaryNameFor(target.dictionaryFile);
    const QString robotTemp = temporaryNameFor(target.reportWorkFile);
    const QString iniTemp = temporaryNameFor(target.iniFile);
    buildDatabase(staleTemp, dictionarySchemaPath(), seedDictionary, undo);
    buildDatabase(robotTemp, reportWorkSchemaPath(), seedReportWork, undo);
    if (!reportsSourceFolder.isEmpty())
        target.reportFiles = copyReports(reportsSourceFolder, target.reportsFolder, undo);
    writeFile(iniTemp, ini, undo);

    // The installation file goes last: its presence means the installation is complete.
    moveIntoPlace(staleTemp, target.dictionaryFile, undo);
    moveIntoPlace(robotTemp, target.reportWorkFile, undo);
    moveIntoPlace(iniTemp, target.iniFile, undo);
}

} // namespace

Installation installationIn(const QString& programFolder)
{
    Installation target;
    target.programFolder = QDir::cleanPath(QDir(programFolder).absolutePath());
    target.iniFile = target.programFolder + QStringLiteral("/Trelimor.ini");
    target.dictionaryFile = target.programFolder + QStringLiteral("/Dane/Stale.sqlite");
    target.reportWorkFile = target.programFolder + QStringLiteral("/Dane/Robot.sqlite");
    target.reportsFolder = folderPath(target.programFolder, QStringLiteral("Raporty"));
    return target;
}

Installation createInstallation(const QString& programFolder, const QString& reportsSourceFolder)
{
    if (programFolder.trimmed().isEmpty())
        throw InstallError(QStringLiteral("Nie podano folderu programu. %1").arg(kNothingChanged));
    Installation target = installationIn(programFolder);
    refuseExistingInstallation(target);
    if (!reportsSourceFolder.isEmpty() && !QFileInfo(reportsSourceFolder).isDir())
        throw InstallError(QStringLiteral("Nie ma folderu szablonów raportów %1. %2")
                               .arg(reportsSourceFolder, kNothingChanged));
    const QByteArray ini = iniBytes(target);

    UndoLog undo;
    try {
        build(target, reportsSourceFolder, ini, undo);
    } catch (const InstallError& e) {
        undo.undo();
        throw InstallError(e.message() + QLatin1Char(' ') + kNothingChanged);
    } catch (const db::JetError& e) {
        undo.undo();
        throw InstallError(QStringLiteral("Błąd bazy danych: %1. %2").arg(e.description(), kNothingChanged));
    } catch (const std::exception& e) {
        undo.undo();
        throw InstallError(QString::fromLocal8Bit(e.what()) + QLatin1Char(' ') + kNothingChanged);
    }
    undo.commit();
    return target;
}

} // namespace trelimor::install
