#include "export/CGZipFiles.h"
#include "export/CodeModule.h"

#include "platform/zip/Zip.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace trelimor;
using namespace trelimor::test;

namespace {

class CGZipFilesTest : public ::testing::Test
{
protected:
    QString path(const QString& relative) const { return dir.filePath(relative); }
    QString file(const QString& relative, const QByteArray& bytes = "dane")
    {
        writeFile(path(relative), bytes);
        return path(relative);
    }
    QStringList entryNames(const QString& archive) const
    {
        QStringList names;
        for (const zip::ZipEntry& entry : zip::listEntries(archive))
            names << entry.name;
        return names;
    }

    QTemporaryDir dir;
};

// Runs f and returns the zip layer error it raised.
template <class F>
ZipLayerError raised(F f)
{
    try {
        f();
    } catch (const ZipLayerError& e) {
        return e;
    }
    ADD_FAILURE() << "no error was raised";
    return {0, {}, {}};
}

TEST_F(CGZipFilesTest, KeepsItsListByNameWithoutRegardToCase)
{
    CGZipFiles zip;
    EXPECT_EQ(zip.ZipFileCount(), 0);
    EXPECT_EQ(zip.RootDirectory(), QStringLiteral("\\"));
    EXPECT_FALSE(zip.RecurseFolders() || zip.Encrypted() || zip.IncludeSystemFiles() || zip.UpdatingZip());
    EXPECT_TRUE(zip.ZipFileName().isEmpty());

    zip.AddFile(QStringLiteral("/dane/Próbka.txt"));
    const ZipLayerError twice = raised([&] { zip.AddFile(QStringLiteral("/DANE/PRÓBKA.TXT")); });
    EXPECT_EQ(twice.number(), -2147219503);
    EXPECT_EQ(twice.source(), QStringLiteral("CGZip::AddFile"));
    EXPECT_EQ(twice.description(), QStringLiteral("File is already in Zip List"));
    EXPECT_EQ(raised([&] { zip.AddFile(QStringLiteral("querty")); }).number(), -2147219503)
        << "the placeholder is listed from the start";
    EXPECT_EQ(zip.ZipFileCount(), 1);

    const ZipLayerError missing = raised([&] { zip.RemoveFile(QStringLiteral("/dane/inny.txt")); });
    EXPECT_EQ(missing.number(), -2147219502);
    EXPECT_EQ(missing.source(), QStringLiteral("CGZip::RemoveFile"));
    EXPECT_EQ(missing.description(), QStringLiteral("File is not in Zip List"));

    zip.RemoveFile(QStringLiteral("QUERTY"));
    EXPECT_EQ(zip.ZipFileCount(), 0) << "one less than the files once the placeholder is gone";

    zip.setRecurseFolders(true);
    zip.setUpdatingZip(true);
    zip.setEncrypted(true);
    EXPECT_TRUE(zip.RecurseFolders() && zip.UpdatingZip() && zip.Encrypted());
    EXPECT_FALSE(zip.IncludeSystemFiles());
}

TEST_F(CGZipFilesTest, PacksTheListedFilesUnderTheirPathsBelowTheRoot)
{
    file(QStringLiteral("Eksport/plik.txt"), "zawartość");
    file(QStringLiteral("inny.txt"), "inny");
    CGZipFiles zip;
    zip.setRootDirectory(dir.path());
    zip.setZipFileName(QStringLiteral("archiwum.zip")); // relative names lie below the root too
    zip.AddFile(QStringLiteral("Eksport/plik.txt"));
    zip.AddFile(path(QStringLiteral("inny.txt")));
    zip.setEncrypted(true); // changes nothing in the archive
    ASSERT_EQ(zip.MakeZipFile(), 0) << zip.GetLastMessage().toStdString();
    EXPECT_TRUE(zip.GetLastMessage().isEmpty());

    const QString archive = path(QStringLiteral("archiwum.zip"));
    EXPECT_EQ(entryNames(archive),
              (QStringList{QStringLiteral("Eksport/plik.txt"), QStringLiteral("inny.txt")}));
    for (const zip::ZipEntry& entry : zip::listEntries(archive))
        EXPECT_FALSE(entry.encrypted) << entry.name.toStdString();

    // The default root is the root of the file system: an entry keeps its whole path below it.
    CGZipFiles whole;
    whole.setZipFileName(path(QStringLiteral("cale.zip")));
    whole.AddFile(path(QStringLiteral("inny.txt")));
    ASSERT_EQ(whole.MakeZipFile(), 0);
    EXPECT_EQ(entryNames(path(QStringLiteral("cale.zip"))),
              QStringList{path(QStringLiteral("inny.txt")).mid(1)});
}

TEST_F(CGZipFilesTest, UpdatesAnArchiveOrReplacesItAndRecursesOnlyWhenAsked)
{
    file(QStringLiteral("a.txt"));
    file(QStringLiteral("folder/pod/b.txt"));
    const auto pack = [this](const QString& name, bool updating, bool recurse) {
        CGZipFiles zip;
        zip.setRootDirectory(dir.path());
        zip.setZipFileName(QStringLiteral("z.zip"));
        zip.setUpdatingZip(updating);
        zip.setRecurseFolders(recurse);
        zip.AddFile(name);
        return zip.MakeZipFile();
    };
    ASSERT_EQ(pack(QStringLiteral("a.txt"), false, false), 0);
    EXPECT_NE(pack(QStringLiteral("folder"), true, false), 0) << "a folder without recursion";
    EXPECT_TRUE(CodeModule().ZipMessage.contains(QStringLiteral("folder")));
    ASSERT_EQ(pack(QStringLiteral("folder"), true, true), 0);
    EXPECT_TRUE(CodeModule().ZipMessage.isEmpty()) << "each call starts a new message";
    EXPECT_EQ(entryNames(path(QStringLiteral("z.zip"))),
              (QStringList{QStringLiteral("a.txt"), QStringLiteral("folder/pod/b.txt")}));
    ASSERT_EQ(pack(QStringLiteral("a.txt"), false, false), 0);
    EXPECT_EQ(entryNames(path(QStringLiteral("z.zip"))), QStringList{QStringLiteral("a.txt")});

    // A missing file, or a folder the archive cannot go to.
    EXPECT_NE(pack(QStringLiteral("nie_ma.txt"), false, false), 0);
    EXPECT_TRUE(CodeModule().ZipMessage.contains(QStringLiteral("nie_ma.txt")));
    CGZipFiles nowhere;
    nowhere.setZipFileName(path(QStringLiteral("brak/folderu/z.zip")));
    nowhere.AddFile(path(QStringLiteral("a.txt")));
    EXPECT_NE(nowhere.MakeZipFile(), 0);
    EXPECT_FALSE(nowhere.GetLastMessage().isEmpty());
}

TEST_F(CGZipFilesTest, TakesNinetyNineFilesAndRefusesAHundredth)
{
    CGZipFiles zip;
    zip.setRootDirectory(dir.path());
    zip.setZipFileName(QStringLiteral("z.zip"));
    for (int i = 1; i <= 99; ++i)
        zip.AddFile(file(QStringLiteral("p%1.txt").arg(i)));
    ASSERT_EQ(zip.MakeZipFile(), 0);
    EXPECT_EQ(zip::listEntries(path(QStringLiteral("z.zip"))).size(), 99);

    zip.AddFile(file(QStringLiteral("p100.txt")));
    const ZipLayerError full = raised([&] { zip.MakeZipFile(); });
    EXPECT_EQ(full.number(), 9);
    EXPECT_EQ(full.source(), QStringLiteral("CGZipFiles::MakeZipFile"));
}

} // namespace
