#include "platform/paths/DurableFiles.h"
#include "platform/PlatformError.h"
#include "support/FullDisk.h"
#include "support/QtPrinters.h"
#include "support/TempProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QIODevice>

#include <functional>

#include <gtest/gtest.h>

namespace trelimor::paths {
namespace {

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

class DurableFiles : public test::TempProgramFolder
{
protected:
    QStringList filesIn(const QString& folder) const
    {
        return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
    }

    QString target = folders.path(QStringLiteral("Trelimor/Eksport/protokol.txt"));
};

TEST_F(DurableFiles, EnsureFolderMakesParentsAndRefusesAFile)
{
    EXPECT_TRUE(ensureFolder(folders.path(QStringLiteral("a/b/c"))));
    EXPECT_TRUE(QFileInfo(folders.path(QStringLiteral("a/b/c"))).isDir());
    EXPECT_TRUE(ensureFolder(folders.path(QStringLiteral("a/b/c"))));

    ASSERT_TRUE(writeFileAtomically(folders.path(QStringLiteral("plik")), "x"));
    EXPECT_FALSE(ensureFolder(folders.path(QStringLiteral("plik"))));
    EXPECT_FALSE(ensureFolder(QString()));
}

TEST_F(DurableFiles, AtomicWriteCreatesAndReplacesLeavingNoTemporaryFile)
{
    ASSERT_TRUE(ensureFolder(folders.path(QStringLiteral("Trelimor/Eksport"))));
    ASSERT_TRUE(writeFileAtomically(target, "pierwszy\r\n"));
    EXPECT_EQ(contents(target), QByteArray("pierwszy\r\n"));
    ASSERT_TRUE(writeFileAtomically(target, "drugi\r\n"));
    EXPECT_EQ(contents(target), QByteArray("drugi\r\n"));
    EXPECT_EQ(filesIn(folders.path(QStringLiteral("Trelimor/Eksport"))),
              QStringList(QStringLiteral("protokol.txt")));
}

TEST_F(DurableFiles, AbandonedWriteLeavesTheOldFileAlone)
{
    ASSERT_TRUE(ensureFolder(folders.path(QStringLiteral("Trelimor/Eksport"))));
    ASSERT_TRUE(writeFileAtomically(target, "stary"));
    QString error;
    const bool written = writeFileAtomically(
        target,
        [](QIODevice& out) {
            out.write("połowa");
            return false;
        },
        &error);
    EXPECT_FALSE(written);
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(contents(target), QByteArray("stary"));
    EXPECT_EQ(filesIn(folders.path(QStringLiteral("Trelimor/Eksport"))),
              QStringList(QStringLiteral("protokol.txt")));
}

TEST_F(DurableFiles, AFullDiskIsToldInPolishWhereverTheWritingStops)
{
    ASSERT_TRUE(ensureFolder(folders.path(QStringLiteral("Trelimor/Eksport"))));
    ASSERT_TRUE(writeFileAtomically(target, "stary"));
    // A large write cut short, and a small one that fails only when the file is closed.
    const std::function<bool(QString*)> writes[] = {
        [&](QString* error) { return writeFileAtomically(target, QByteArray(100000, 'x'), error); },
        [&](QString* error) {
            return writeFileAtomically(
                target, [](QIODevice& out) { return out.write(QByteArray(10000, 'y')) == 10000; }, error);
        },
    };
    for (const auto& write : writes) {
        QString error;
        {
            test::FullDisk disk(4096);
            EXPECT_FALSE(write(&error));
        }
        EXPECT_EQ(error, diskFullText());
        EXPECT_EQ(contents(target), QByteArray("stary"));
        EXPECT_EQ(filesIn(folders.path(QStringLiteral("Trelimor/Eksport"))),
                  QStringList(QStringLiteral("protokol.txt")));
    }
}

TEST_F(DurableFiles, WriteIntoAMissingFolderFailsWithAReason)
{
    QString error;
    EXPECT_FALSE(writeFileAtomically(folders.path(QStringLiteral("brak/plik.txt")), "x", &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(QFile::exists(folders.path(QStringLiteral("brak/plik.txt"))));
}

TEST_F(DurableFiles, CopyReproducesTheFileAndAMissingSourceMakesNothing)
{
    QByteArray large(3 * 1024 * 1024 + 17, '\0');
    for (qsizetype i = 0; i < large.size(); ++i)
        large[i] = char(i * 31);
    const QString source = folders.path(QStringLiteral("Stale.sqlite"));
    const QString copy = folders.path(QStringLiteral("Trelimor/Stale.sqlite"));
    ASSERT_TRUE(writeFileAtomically(source, large));
    ASSERT_TRUE(copyFileAtomically(source, copy));
    EXPECT_EQ(contents(copy), large);

    QString error;
    const QString nowhere = folders.path(QStringLiteral("Trelimor/Robot.sqlite"));
    EXPECT_FALSE(copyFileAtomically(folders.path(QStringLiteral("brak.sqlite")), nowhere, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(QFile::exists(nowhere));
}

TEST_F(DurableFiles, SyncReportsMissingPaths)
{
    ASSERT_TRUE(writeFileAtomically(folders.path(QStringLiteral("plik")), "x"));
    EXPECT_TRUE(syncFile(folders.path(QStringLiteral("plik"))));
    EXPECT_TRUE(syncFolder(folders.root()));
    EXPECT_FALSE(syncFile(folders.path(QStringLiteral("brak"))));
    EXPECT_FALSE(syncFolder(folders.path(QStringLiteral("plik"))));
}

} // namespace
} // namespace trelimor::paths
