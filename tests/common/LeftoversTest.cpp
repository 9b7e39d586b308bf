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

// Gives a file or folder the time it was last changed.
void touch(const QString& path, const QDateTime& when)
{
    const timespec time{time_t(when.toSecsSinceEpoch()), 0};
    const timespec times[2] = {time, time};
    ASSERT_EQ(::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0), 0) << path.toStdString();
}

// A staging folder named as an unpacking names it, holding the given files.
QString stagingFolder(const QString& in, const QStringList& files)
{
    QDir().mkpath(in);
    QTemporaryDir staging(QDir(in).filePath(QStringLiteral(".unzip-XXXXXX")));
    staging.setAutoRemove(false);
    for (const QString& file : files)
        writeFile(staging.filePath(file), "rozpakowany");
    return staging.path();
}

class LeftoversTest : public TempProgramFolder
{
};

TEST_F(LeftoversTest, WhatAKilledRunLeftInTheProgramsFoldersGoesAndNothingElse)
{
    const QDateTime started = QDateTime::currentDateTime();
    const QDateTime before = started.addSecs(-3600);
    const QString day = paths::join(paths::exportFolder(), QStringLiteral("20220331"));
    const QString archive = paths::join(day, QStringLiteral("ZHW-GnieznoBSEMiesiac2022-03.zip"));

    // A killed run's archive in the writing, and the staging folders of killed unpackings.
    const QString archiveTemporary = paths::temporaryPathBeside(archive);
    writeFile(archiveTemporary, "PK");
    const QStringList gone{archiveTemporary, stagingFolder(day, {QStringLiteral("0"), QStringLiteral("1")}),
                           stagingFolder(paths::exportFolder(), {}),
                           stagingFolder(paths::dataFolder(), {QStringLiteral("0")})};

    // What stays: a staging folder holding a file the unpacking had taken aside (the user's), the
    // user's own files, a leftover of a run that may still work, and what lies outside the
    // program's folders.
    const QString holdsUsersFile =
        stagingFolder(day, {QStringLiteral("0"), QStringLiteral("poprzedni-0-wyniki.txt")});
    const QString usersFile = paths::join(day, QStringLiteral("kopia.zip.stara"));
    const QString usersFolder = paths::join(day, QStringLiteral(".unzip-moje"));
    writeFile(usersFile, "moje");
    writeFile(paths::join(usersFolder, QStringLiteral("0")), "moje");
    const QString elsewhere =
        stagingFolder(folders.path(QStringLiteral("gdzie indziej")), {QStringLiteral("0")});
    const QString recent = paths::temporaryPathBeside(paths::join(day, QStringLiteral("nowy.zip")));
    writeFile(recent, "PK");
    const QStringList kept{holdsUsersFile, usersFile, usersFolder, elsewhere, recent};

    for (const QString& path : gone + kept) {
        if (QFileInfo(path).isDir())
            for (const QString& file : QDir(path).entryList(QDir::Files | QDir::Hidden))
                touch(QDir(path).filePath(file), before);
        touch(path, path == recent ? started.addSecs(60) : before);
    }

    removeLeftoversOfKilledRuns(started);
    for (const QString& path : gone)
        EXPECT_FALSE(QFileInfo::exists(path)) << path.toStdString();
    for (const QString& path : kept)
        EXPECT_TRUE(QFileInfo::exists(path)) << path.toStdString();
    EXPECT_EQ(readFile(paths::join(holdsUsersFile, QStringLiteral("poprzedni-0-wyniki.txt"))), "rozpakowany");
}

} // namespace
