#include "InstallFixture.h"

#include "install/SchemaFile.h"

#include <QDirIterator>
#include <QMap>

using namespace trelimor::install;
using trelimor::install::test::InstallTest;

namespace {

// Every file below a folder with its bytes, by path relative to the folder.
QMap<QString, QByteArray> snapshot(const QString& folder)
{
    QMap<QString, QByteArray> files;
    for (QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories); it.hasNext();) {
        const QString path = it.next();
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << path.toStdString();
        files.insert(QDir(folder).relativeFilePath(path), f.readAll());
    }
    return files;
}

QStringList entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

QString refusal(const std::function<void()>& f)
{
    try {
        f();
    } catch (const InstallError& e) {
        return e.message();
    }
    return {};
}

TEST_F(InstallTest, NewFolderGetsLayoutAndAnIniPointingAtTheMadeFiles)
{
    const Installation made = install();
    const QString root = QDir::cleanPath(programFolder());
    EXPECT_EQ(made.programFolder, root);
    for (const char* folder : {"Dane", "Eksport", "Archiwum", "Raporty"})
        EXPECT_TRUE(QFileInfo(programFile(QString::fromLatin1(folder))).isDir()) << folder;
    EXPECT_EQ(entries(programFile(QStringLiteral("Dane"))),
              QStringList({QStringLiteral("Robot.sqlite"), QStringLiteral("Stale.sqlite")}))
        << "no temporary file is left beside the databases";

    QFile ini(made.iniFile);
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    const QByteArray bytes = ini.readAll();
    EXPECT_EQ(
        bytes,
        (QStringLiteral("STALE=%1/Dane/\r\nROBOT=%1/Dane/\r\nRAPORTY=%1/Raporty/\r\nMAILWIW=\r\n").arg(root))
            .toLatin1());

    // The program appends the file names to the values directly.
    QMap<QString, QString> values;
    for (const QByteArray& line : bytes.split('\n')) {
        const QString text = QString::fromLatin1(line).remove(QLatin1Char('\r'));
        if (!text.isEmpty())
            values.insert(text.section(QLatin1Char('='), 0, 0), text.section(QLatin1Char('='), 1));
    }
    EXPECT_TRUE(QFileInfo::exists(values[QStringLiteral("STALE")] + QStringLiteral("Stale.sqlite")));
    EXPECT_TRUE(QFileInfo::exists(values[QStringLiteral("ROBOT")] + QStringLiteral("Robot.sqlite")));
    EXPECT_TRUE(QFileInfo(values[QStringLiteral("RAPORTY")]).isDir());
    EXPECT_TRUE(values[QStringLiteral("RAPORTY")].endsWith(QLatin1Char('/')));
    EXPECT_TRUE(values[QStringLiteral("MAILWIW")].isEmpty()) << "the user fills in the regional address";
    EXPECT_EQ(values.size(), 4);
}

TEST_F(InstallTest, IniIsWrittenInWindows1250AndAFolderItCannotNameIsRefused)
{
    const QString polish = dir.filePath(QStringLiteral("Trelimor-Łódź"));
    const Installation made = createInstallation(polish, QString());
    QFile ini(made.iniFile);
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    const QByteArray bytes = ini.readAll();
    EXPECT_TRUE(bytes.contains("Trelimor-\xa3\xf3\x64\x9f/Dane/")) << bytes.toStdString();

    const QString cyrillic = dir.filePath(QStringLiteral("Трелимор"));
    EXPECT_TRUE(
        refusal([&] { createInstallation(cyrillic, QString()); }).contains(QStringLiteral("Windows-1250")));
    EXPECT_FALSE(QFileInfo::exists(cyrillic)) << "a refused folder is not even made";
}

TEST_F(InstallTest, EveryTableAndColumnOfTheSchemaFilesIsCreated)
{
    const Installation made = install();
    const QString schemaDir = QStringLiteral(TRELIMOR_SCHEMA_DIR);
    const QList<std::pair<QString, QString>> databases = {
        {made.dictionaryFile, schemaDir + QStringLiteral("/Stale.schema")},
        {made.reportWorkFile, schemaDir + QStringLiteral("/Robot.schema")},
    };
    for (const auto& [file, schemaFile] : databases) {
        const Schema schema = loadSchema(schemaFile);
        trelimor::db::Database database = trelimor::db::Database::open(file);
        QStringList expectedTables;
        for (const TableSpec& t : schema.tables)
            expectedTables << t.name;
        QStringList tables = database.tableNames();
        expectedTables.sort(Qt::CaseInsensitive);
        tables.sort(Qt::CaseInsensitive);
        EXPECT_EQ(tables, expectedTables) << file.toStdString();

        for (const TableSpec& t : schema.tables) {
            const trelimor::db::TableDef def = database.tableDef(t.name);
            ASSERT_EQ(def.fields.size(), t.columns.size()) << t.name.toStdString();
            for (int i = 0; i < def.fields.size(); ++i) {
                const trelimor::db::Field& want = t.columns[i].field;
                const trelimor::db::Field& got = def.fields[i];
                const std::string where = (t.name + QLatin1Char('.') + want.name).toStdString();
                EXPECT_EQ(got.name, want.name) << where;
                EXPECT_EQ(got.type, want.type) << where;
                EXPECT_EQ(got.size, want.size) << where;
            }
        }
    }
}

TEST_F(InstallTest, ASecondRunIsRefusedAndChangesNothing)
{
    install();
    const QMap<QString, QByteArray> before = snapshot(programFolder());
    const QString message = refusal([&] { install(); });
    EXPECT_TRUE(message.contains(QStringLiteral("jest już instalacja programu TRELIMOR")))
        << message.toStdString();
    EXPECT_TRUE(message.contains(QStringLiteral("Nic nie zmieniono."))) << message.toStdString();
    EXPECT_EQ(snapshot(programFolder()), before);
}

TEST_F(InstallTest, AnyOneFileOfAnInstallationIsEnoughToRefuse)
{
    for (const char* existing : {"Trelimor.ini", "Dane/Stale.sqlite", "Dane/Robot.sqlite"}) {
        ASSERT_TRUE(QDir(programFolder()).removeRecursively());
        writeFile(programFile(QString::fromLatin1(existing)), "stare dane");
        EXPECT_FALSE(refusal([&] { install(); }).isEmpty()) << existing;
        EXPECT_EQ(snapshot(programFolder()).keys(), QStringList{QString::fromLatin1(existing)}) << existing;
        EXPECT_EQ(entries(programFolder()),
                  QStringList{QString::fromLatin1(existing).section(QLatin1Char('/'), 0, 0)})
            << "no folder is made: " << existing;
    }
}

TEST_F(InstallTest, AFailureMidwayLeavesNoHalfInstallation)
{
    // A missing reports source is found before anything is made.
    EXPECT_FALSE(refusal([&] { createInstallation(programFolder(), reportsSource()); }).isEmpty());
    EXPECT_FALSE(QFileInfo::exists(programFolder()));

    // A file where a folder must go.
    writeFile(programFile(QStringLiteral("Raporty")), "to nie folder");
    EXPECT_TRUE(refusal([&] { install(); }).contains(QStringLiteral("Nic nie zmieniono.")));
    EXPECT_EQ(entries(programFolder()), QStringList{QStringLiteral("Raporty")});
    ASSERT_TRUE(QFile::remove(programFile(QStringLiteral("Raporty"))));

    // A template that would overwrite the user's file fails after both databases were built.
    writeFile(programFile(QStringLiteral("Raporty/Protokol.html")), "mój protokół");
    writeFile(programFile(QStringLiteral("notatki.txt")), "moje notatki");
    writeFile(reportsSource() + QStringLiteral("/Protokol.html"), "<html/>");
    const QMap<QString, QByteArray> before = snapshot(programFolder());
    const QString message = refusal([&] { createInstallation(programFolder(), reportsSource()); });
    EXPECT_TRUE(message.contains(QStringLiteral("Protokol.html"))) << message.toStdString();
    EXPECT_EQ(snapshot(programFolder()), before);
    EXPECT_EQ(entries(programFolder()),
              QStringList({QStringLiteral("Raporty"), QStringLiteral("notatki.txt")}))
        << "the folders made by the failed run are gone";
}

TEST_F(InstallTest, EveryReportTemplateIsCopiedWithItsSubfolders)
{
    writeFile(reportsSource() + QStringLiteral("/Protokol.html"), "<p>{{Partia.Partia}}</p>");
    writeFile(reportsSource() + QStringLiteral("/PismoPrzewodnie.html"), "<p>pismo</p>");
    writeFile(reportsSource() + QStringLiteral("/grafika/logo.png"),
              QByteArray("\x89PNG\r\n\x1a\n\0\x01", 10));
    const Installation made = createInstallation(programFolder(), reportsSource());
    EXPECT_EQ(made.reportFiles,
              QStringList({QStringLiteral("PismoPrzewodnie.html"), QStringLiteral("Protokol.html"),
                           QStringLiteral("grafika/logo.png")}));
    EXPECT_EQ(snapshot(made.reportsFolder), snapshot(reportsSource()));
}

} // namespace
