#include "platform/paths/Folders.h"
#include "support/QtPrinters.h"
#include "support/ScopedEnv.h"
#include "support/TempProgramFolder.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace trelimor::paths {
namespace {

using test::ScopedEnv;
using test::TempProgramFolder;

TEST(Folders, DefaultsWhenTheVariablesAreUnsetOrEmpty)
{
    ScopedEnv home("HOME", QStringLiteral("/home/lekarz"));
    ScopedEnv program("TRELIMOR_HOME", std::nullopt);
    ScopedEnv network("TRELIMOR_NETWORK", QString());
    EXPECT_EQ(programFolder(), QStringLiteral("/home/lekarz/Trelimor"));
    EXPECT_EQ(networkFolder(), QStringLiteral("/mnt/trelimor"));
    EXPECT_EQ(dataFolder(), QStringLiteral("/home/lekarz/Trelimor/Dane"));
    EXPECT_EQ(iniFile(), QStringLiteral("/home/lekarz/Trelimor/Trelimor.ini"));
    EXPECT_EQ(networkDataFolder(), QStringLiteral("/mnt/trelimor/Dane"));
}

TEST(Folders, VariablesAreCleanedToAbsolutePathsWithoutTrailingSlash)
{
    ScopedEnv program("TRELIMOR_HOME", QStringLiteral("/srv/piw//Trelimor/"));
    ScopedEnv network("TRELIMOR_NETWORK", QStringLiteral("wspolne/"));
    EXPECT_EQ(programFolder(), QStringLiteral("/srv/piw/Trelimor"));
    EXPECT_EQ(exportFolder(), QStringLiteral("/srv/piw/Trelimor/Eksport"));
    EXPECT_EQ(archiveFolder(), QStringLiteral("/srv/piw/Trelimor/Archiwum"));
    EXPECT_EQ(reportsFolder(), QStringLiteral("/srv/piw/Trelimor/Raporty"));
    EXPECT_EQ(networkFolder(), QDir::current().absoluteFilePath(QStringLiteral("wspolne")));
}

TEST(Folders, JoinPutsExactlyOneSlashBetween)
{
    EXPECT_EQ(join(QStringLiteral("/a/b"), QStringLiteral("c.txt")), QStringLiteral("/a/b/c.txt"));
    EXPECT_EQ(join(QStringLiteral("/a/b/"), QStringLiteral("/c")), QStringLiteral("/a/b/c"));
    EXPECT_EQ(join(QStringLiteral("/"), QStringLiteral("Dane")), QStringLiteral("/Dane"));
    EXPECT_EQ(join(QString(), QStringLiteral("Stale.sqlite")), QStringLiteral("Stale.sqlite"));
}

TEST(Folders, UnderTheNetworkFolderComparesWholeComponents)
{
    ScopedEnv network("TRELIMOR_NETWORK", QStringLiteral("/mnt/trelimor"));
    EXPECT_TRUE(liesUnderNetworkFolder(QStringLiteral("/mnt/trelimor")));
    EXPECT_TRUE(liesUnderNetworkFolder(QStringLiteral("/mnt/trelimor/")));
    EXPECT_TRUE(liesUnderNetworkFolder(QStringLiteral("/mnt/trelimor/Dane/Stale.sqlite")));
    EXPECT_FALSE(liesUnderNetworkFolder(QStringLiteral("/mnt/trelimorX/Dane")));
    EXPECT_FALSE(liesUnderNetworkFolder(QStringLiteral("/mnt")));
    EXPECT_FALSE(liesUnderNetworkFolder(QStringLiteral("/mnt/trelimor/../inne/Dane")));
    EXPECT_FALSE(liesUnderNetworkFolder(QString()));
}

class FoldersOnDisk : public TempProgramFolder
{
};

TEST_F(FoldersOnDisk, ALinkIntoTheNetworkFolderLiesUnderIt)
{
    const QString link = folders.path(QStringLiteral("skrot"));
    ASSERT_TRUE(QDir().mkpath(folders.networkFolder() + QStringLiteral("/Dane")));
    ASSERT_TRUE(QFile::link(folders.networkFolder(), link));
    EXPECT_TRUE(liesUnderNetworkFolder(link + QStringLiteral("/Dane")));
    EXPECT_FALSE(liesUnderNetworkFolder(folders.programFolder()));
}

TEST_F(FoldersOnDisk, DriveIsTheNetworkFolderOrTheFirstComponent)
{
    EXPECT_EQ(driveOf(folders.networkFolder() + QStringLiteral("/Dane/")), folders.networkFolder());
    EXPECT_EQ(driveOf(QStringLiteral("/home/ala/Trelimor/Dane/")), QStringLiteral("/home"));
    EXPECT_EQ(driveOf(QStringLiteral("/")), QStringLiteral("/"));
    EXPECT_EQ(driveOf(QString()), QString());
}

TEST_F(FoldersOnDisk, TheProgramFolderOfATestIsItsOwn)
{
    EXPECT_EQ(programFolder(), folders.programFolder());
    EXPECT_EQ(networkFolder(), folders.networkFolder());
    EXPECT_TRUE(QFileInfo(programFolder()).isDir());
}

} // namespace
} // namespace trelimor::paths
