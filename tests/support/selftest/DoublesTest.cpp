#include "platform/paths/Folders.h"
#include "platform/ui/Clock.h"
#include "platform/ui/Quit.h"
#include "platform/ui/WindowOpener.h"
#include "support/FakeClock.h"
#include "support/Installed.h"
#include "support/QuitRecorder.h"
#include "support/RecordingOpener.h"
#include "support/ScopedEnv.h"
#include "support/TempProgramFolder.h"
#include "support/TypePolish.h"

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

namespace trelimor::test {
namespace {

// A login-like window: a field and an OK button that accepts it.
class SmallWindow : public QDialog
{
public:
    SmallWindow()
    {
        setObjectName(QStringLiteral("frmLoginLab"));
        auto* layout = new QVBoxLayout(this);
        login->setObjectName(QStringLiteral("TextLogin"));
        ok->setObjectName(QStringLiteral("cmdOK"));
        layout->addWidget(login);
        layout->addWidget(ok);
        connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    }

    QLineEdit* login = new QLineEdit(this);
    QPushButton* ok = new QPushButton(QStringLiteral("&OK"), this);
};

TEST(RecordingOpener, RunsTheHandlerOnTheShownWindowAndReturnsItsResult)
{
    Installed<RecordingOpener> opener;
    QString typed;
    opener->onOpen(QStringLiteral("frmLoginLab"), [&typed](QDialog& window) {
        EXPECT_TRUE(window.isVisible());
        auto* login = window.findChild<QLineEdit*>(QStringLiteral("TextLogin"));
        typePolish(login, QStringLiteral("Łukasz Żółć"));
        typed = login->text();
        QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
    });
    SmallWindow window;

    EXPECT_EQ(ui::openModal(window), QDialog::Accepted);
    EXPECT_EQ(typed, QStringLiteral("Łukasz Żółć"));
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(opener->opened(), QStringList(QStringLiteral("frmLoginLab")));
}

TEST(RecordingOpener, WindowLeftOpenByTheHandlerIsHiddenAsRejected)
{
    Installed<RecordingOpener> opener;
    opener->onOpen(QStringLiteral("frmLoginLab"), [](QDialog&) {});
    SmallWindow window;
    window.setResult(QDialog::Accepted); // from an earlier showing
    EXPECT_EQ(ui::openModal(window), QDialog::Rejected);
    EXPECT_FALSE(window.isVisible());
}

TEST(RecordingOpener, WindowWithoutHandlerIsOnlyRecorded)
{
    Installed<RecordingOpener> opener;
    opener->setDefaultResult(QDialog::Accepted);
    SmallWindow window;
    window.setObjectName(QStringLiteral("FormPartia"));
    EXPECT_EQ(ui::openModal(window), QDialog::Accepted);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(opener->opened(), QStringList(QStringLiteral("FormPartia")));
}

TEST(RecordingOpener, GuardOfTheTestProgramFailsOnAnyWindow)
{
    RecordingOpener guard(true);
    SmallWindow window;
    EXPECT_NONFATAL_FAILURE(guard.open(window), "installed no RecordingOpener");
}

TEST(FakeClock, StandsStillUntilMovedAndStepsBothClocks)
{
    Installed<FakeClock> clock(QDateTime(QDate(2022, 12, 31), QTime(23, 59, 59)));
    const qint64 steady = ui::steadyMilliseconds();
    EXPECT_EQ(ui::today(), QDate(2022, 12, 31));

    clock->advance(1500);
    EXPECT_EQ(ui::today(), QDate(2023, 1, 1));
    EXPECT_EQ(ui::currentTime(), QTime(0, 0, 0, 500));
    EXPECT_EQ(ui::steadyMilliseconds() - steady, 1500);

    clock->set(QDateTime(QDate(2020, 1, 1), QTime(8, 0)));
    EXPECT_EQ(ui::now(), QDateTime(QDate(2020, 1, 1), QTime(8, 0)));
    EXPECT_EQ(ui::steadyMilliseconds() - steady, 1500);
}

TEST(FakeClock, SystemClockIsBackAfterTheScope)
{
    {
        Installed<FakeClock> clock(QDateTime(QDate(1999, 1, 1), QTime(0, 0)));
    }
    EXPECT_LE(qAbs(ui::now().secsTo(QDateTime::currentDateTime())), 5);
}

TEST(QuitRecorder, RecordsEveryRequest)
{
    Installed<QuitRecorder> quit;
    EXPECT_FALSE(quit->requested());
    ui::requestQuit();
    ui::requestQuit(2);
    EXPECT_EQ(quit->exitCodes(), (std::vector<int>{0, 2}));
}

TEST(QuitRecorder, GuardOfTheTestProgramFailsOnAnyRequest)
{
    QuitRecorder guard(true);
    EXPECT_NONFATAL_FAILURE(guard.quit(1), "installed no QuitRecorder");
}

TEST(ProgramFolderScope, PointsTheProgramAtATemporaryFolderAndPutsTheOldOneBack)
{
    const QString before = paths::programFolder();
    QString inside;
    {
        ProgramFolderScope folders;
        inside = folders.programFolder();
        EXPECT_EQ(paths::programFolder(), inside);
        EXPECT_EQ(paths::networkFolder(), folders.networkFolder());
        EXPECT_TRUE(QFileInfo(inside).isDir());
    }
    EXPECT_EQ(paths::programFolder(), before);
    EXPECT_FALSE(QFileInfo::exists(inside));
}

TEST(ScopedEnv, RemovesAVariableThatWasNotThere)
{
    ASSERT_FALSE(qEnvironmentVariableIsSet("TRELIMOR_SCOPED_ENV_TEST"));
    {
        ScopedEnv env("TRELIMOR_SCOPED_ENV_TEST", QStringLiteral("1"));
        EXPECT_EQ(qEnvironmentVariable("TRELIMOR_SCOPED_ENV_TEST"), QStringLiteral("1"));
    }
    EXPECT_FALSE(qEnvironmentVariableIsSet("TRELIMOR_SCOPED_ENV_TEST"));
}

} // namespace
} // namespace trelimor::test
