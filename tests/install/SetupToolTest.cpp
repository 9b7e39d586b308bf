#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct SetupRun
{
    int exitCode = -1;
    QString out;
    QString err;
};

SetupRun runSetup(const QTemporaryDir& home, const QStringList& args)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home.path());
    env.insert(QStringLiteral("TRELIMOR_HOME"), home.filePath(QStringLiteral("Program")));
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(TRELIMOR_SETUP_TOOL), args);
    EXPECT_TRUE(p.waitForFinished(60000));
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

TEST(SetupTool, MakesTheFolderTrelimorHomeNamesAndRefusesASecondRun)
{
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    ASSERT_TRUE(QDir(home.path()).mkdir(QStringLiteral("szablony")));
    const QStringList args = {QStringLiteral("--reports"), home.filePath(QStringLiteral("szablony"))};

    const SetupRun first = runSetup(home, args);
    EXPECT_EQ(first.exitCode, 0) << first.err.toStdString();
    EXPECT_TRUE(QFileInfo::exists(home.filePath(QStringLiteral("Program/Trelimor.ini"))));
    EXPECT_TRUE(QFileInfo::exists(home.filePath(QStringLiteral("Program/Dane/Stale.sqlite"))));
    EXPECT_FALSE(QFileInfo::exists(home.filePath(QStringLiteral("Trelimor"))))
        << "TRELIMOR_HOME wins over ~/Trelimor";
    EXPECT_TRUE(first.out.contains(QStringLiteral("login \"admin\", hasło \"admin\"")))
        << first.out.toStdString();

    const SetupRun second = runSetup(home, args);
    EXPECT_EQ(second.exitCode, 1);
    EXPECT_TRUE(second.err.contains(QStringLiteral("jest już instalacja"))) << second.err.toStdString();
}

TEST(SetupTool, AFolderArgumentWinsAndUnknownOptionsAreRefused)
{
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    const QString folder = home.filePath(QStringLiteral("Inny"));
    const SetupRun made = runSetup(home, {folder, QStringLiteral("--reports=") + home.path()});
    EXPECT_EQ(made.exitCode, 0) << made.err.toStdString();
    EXPECT_TRUE(QFileInfo::exists(folder + QStringLiteral("/Dane/Robot.sqlite")));
    EXPECT_FALSE(QFileInfo::exists(home.filePath(QStringLiteral("Program"))));

    const SetupRun bad = runSetup(home, {QStringLiteral("--nieznana")});
    EXPECT_EQ(bad.exitCode, 2);
    EXPECT_TRUE(bad.err.contains(QStringLiteral("Użycie"))) << bad.err.toStdString();
    const SetupRun missing =
        runSetup(home, {QStringLiteral("--reports"), home.filePath(QStringLiteral("brak"))});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_FALSE(QFileInfo::exists(home.filePath(QStringLiteral("Program"))));
}

} // namespace
