#include "common/Leftovers.h"

#include "platform/paths/DurableFiles.h"
#include "platform/paths/Folders.h"

#include "support/TempProgramFolder.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>

using namespace trelimor;
using namespace trelimor::test;

namespace {

void touch(const QString& path, const QDateTime& when)
{
    const timespec time{time_t(when.toSecsSinceEpoch()), 0};
    const timespec times[2] = {time, time};
    ASSERT_EQ(::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0), 0);
}

// A staging folder named as an unpacking names it, holding the files, all last changed `when`.
QString stagingFolder(const QString& in, const QStringList& files, const QDateTime& when)
{
    QDir().mkpath(in);
    QTemporaryDir staging(QDir(in).filePath(QStringLiteral(".unzip-XXXXXX")));
    staging.setAutoRemove(false);
    for (const QString& file : files) {
        writeFile(staging.filePath(file), "rozpakowany");
        touch(staging.filePath(file), when);
    }
    touch(staging.path(), when);
    return staging.path();
}

TEST(Leftovers, WhatAKilledRunLeftInTheProgramsFoldersGoesAndNothingElse)
{
    ProgramFolderScope folders;
    const QDateTime started = QDateTime::currentDateTime();
    const QDateTime before = started.addSecs(-3600);
    const QString day = paths::join(paths::exportFolder(), QStringLiteral("20220331"));
    const QString archiveTemporary = paths::temporaryPathBeside(paths::join(day, QStringLiteral("a.zip")));
    writeFile(archiveTemporary, "PK");
    touch(archiveTemporary, before);
    const QString recentTemporary = paths::temporaryPathBeside(paths::join(day, QStringLiteral("b.zip")));
    writeFile(recentTemporary, "PK"); // may be another workstation's, at work now
    const QStringList gone{archiveTemporary,
                           stagingFolder(day, {QStringLiteral("0"), QStringLiteral("1")}, before),
                           stagingFolder(paths::dataFolder(), {}, before)};
    // A staging folder holding a file it had taken aside is the user's; so is what lies outside
    // the program's folders.
    const QStringList kept{
        recentTemporary,
        stagingFolder(day, {QStringLiteral("0"), QStringLiteral("poprzedni-0-a.txt")}, before),
        stagingFolder(day, {QStringLiteral("0")}, started.addSecs(60)),
        stagingFolder(folders.path(QStringLiteral("inny")), {QStringLiteral("0")}, before)};

    removeLeftoversOfKilledRuns(started);
    for (const QString& path : gone)
        EXPECT_FALSE(QFileInfo::exists(path)) << path.toStdString();
    for (const QString& path : kept)
        EXPECT_TRUE(QFileInfo::exists(path)) << path.toStdString();
    EXPECT_EQ(readFile(kept[1] + QStringLiteral("/poprzedni-0-a.txt")), "rozpakowany");
}

} // namespace
