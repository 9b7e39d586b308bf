#include "support/ProgramFixture.h"

#include "shell/aMain.h"
#include "shell/frmLoginLab.h"

#include "common/ModLabor.h"
#include "common/Password.h"
#include "common/ProgramState.h"

#include "platform/locale/ShortDateFormat.h"
#include "platform/paths/Folders.h"

#include <QLabel>
#include <QLineEdit>

using namespace trelimor;
using namespace trelimor::test;

namespace {

const QString kRetryLogin = QStringLiteral("Nieprawidłowy Login - Spróbuj ponownie!");
const QString kRetryPassword = QStringLiteral("Nieprawidłowe hasło, spróbuj ponownie!");
const QString kRefused = QStringLiteral("Nie masz uprawnień do pracy z tym programem!!!");

LoginStep login(const char* text)
{
    return LoginStep::login(QString::fromUtf8(text));
}

LoginStep password(const char* text)
{
    return LoginStep::password(QString::fromUtf8(text));
}

class LoginTest : public ProgramFixture
{
protected:
    // The program ended during its start, with the main window never shown and the databases closed.
    void expectEndedRefused(const std::optional<int>& ended)
    {
        EXPECT_EQ(ended, std::optional<int>(1));
        EXPECT_EQ(quit->exitCodes(), std::vector<int>{1});
        EXPECT_FALSE(mainWindow().isVisible());
        EXPECT_FALSE(ModLabor().Zalogowany);
        EXPECT_FALSE(ModLabor().BazaStale.isOpen());
        EXPECT_FALSE(ModLabor().BazaRobot.isOpen());
        EXPECT_FALSE(ModLabor().BazaRok.isOpen());
        for (const Alarm& alarm : alarms())
            EXPECT_EQ(alarm.title, QStringLiteral("ALARM!!!"));
    }
};

TEST_F(LoginTest, ThirdUnknownLoginEndsTheProgram)
{
    expectEndedRefused(start({login("kowal"), login("nowak"), login("zieli")}));
    EXPECT_EQ(alarmTexts(),
              QStringList({kRetryLogin, kRetryLogin,
                           QStringLiteral("Nieprawidłowy Login - Wyjście z programu!"), kRefused}));
}

TEST_F(LoginTest, AFoundLoginStartsTheLoginCountAgain)
{
    EXPECT_EQ(start({login("kowal"), login("nowak"), login("admin"), login("zieli"), login("mazur"),
                     login("ADMIN"), password("admin")}),
              std::nullopt);
    EXPECT_EQ(alarmTexts(), QStringList({kRetryLogin, kRetryLogin, kRetryLogin, kRetryLogin}));
    EXPECT_TRUE(ModLabor().Zalogowany);
    EXPECT_TRUE(mainWindow().isVisible());
}

TEST_F(LoginTest, ThreeWrongPasswordsMayBeRetried)
{
    EXPECT_EQ(start({login("admin"), password("a"), password("b"), password("c"), password("admin")}),
              std::nullopt);
    EXPECT_EQ(alarmTexts(), QStringList({kRetryPassword, kRetryPassword, kRetryPassword}));
    EXPECT_TRUE(ModLabor().Zalogowany);
}

TEST_F(LoginTest, FourthWrongPasswordEndsTheProgramEvenAfterTheLoginWasTypedAgain)
{
    // Going back to the login field and leaving it with a valid login does not start the
    // password attempts anew.
    expectEndedRefused(
        start({login("admin"), password("a"), password("b"), login("admin"), password("c"), password("d")}));
    EXPECT_EQ(alarmTexts(), QStringList({kRetryPassword, kRetryPassword, kRetryPassword,
                                         QStringLiteral("Nie znasz hasła dostępu!"), kRefused}));
}

TEST_F(LoginTest, LoginAndPasswordAreFoundWhateverTheirCase)
{
    addOperator(QStringLiteral("002"), QStringLiteral("Nowak Jan"), QStringLiteral("Operator"),
                QStringLiteral("jnowak"), QStringLiteral("Tajne1"));
    ASSERT_EQ(start(QStringLiteral("JNOWAK"), QStringLiteral("tajne1")), std::nullopt);
    EXPECT_TRUE(alarms().empty());

    frmLoginLab& window = loginWindow();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.TextOperat->text(), QStringLiteral("002"));
    EXPECT_EQ(window.TextOperatRodz->text(), QStringLiteral("Operator"));
    EXPECT_EQ(window.TextNazwisko->text(), QStringLiteral("Nowak Jan"));
    EXPECT_EQ(programState().operatorNumber(), QStringLiteral("002"));
    EXPECT_EQ(programState().operatorName(), QStringLiteral("Nowak Jan"));
    EXPECT_FALSE(programState().operatorIsAdministrator());
    EXPECT_EQ(ModLabor().NazwiskoOperatora, QStringLiteral("Nowak Jan"));
    EXPECT_EQ(ModLabor().KatalogProgramu, paths::programFolder());
}

TEST_F(LoginTest, AnOldScrambledPasswordIsReplacedByItsHash)
{
    addOperatorStored(QStringLiteral("002"), QStringLiteral("Nowak Jan"), QStringLiteral("Operator"),
                      QStringLiteral("jnowak"), KodujHaslo(QStringLiteral("Tajne1")));
    addOperatorStored(QStringLiteral("003"), QStringLiteral("Bez Hasła"), QStringLiteral("Operator"),
                      QStringLiteral("bezhasla"), QVariant());
    ASSERT_EQ(start(QStringLiteral("jnowak"), QStringLiteral("tajne1")), std::nullopt);
    mainWindow().Men1Exit_Click(); // the databases are closed before the file is read

    const QString stored = storedPassword(QStringLiteral("jnowak"));
    EXPECT_TRUE(stored.startsWith(QLatin1String("$argon2"))) << stored.toStdString();
    EXPECT_TRUE(sprawdzHaslo(QStringLiteral("Tajne1"), stored).zgodne);
    EXPECT_EQ(storedPassword(QStringLiteral("bezhasla")), QString()) << "untouched until its own login";
}

TEST_F(LoginTest, AnOperatorWithoutPasswordLogsInWithAnEmptyOne)
{
    addOperatorStored(QStringLiteral("003"), QStringLiteral("Bez Hasła"), QStringLiteral("Operator"),
                      QStringLiteral("bezhasla"), QStringLiteral("   "));
    EXPECT_EQ(start(QStringLiteral("bezhasla"), QString()), std::nullopt);
    EXPECT_TRUE(ModLabor().Zalogowany);
}

TEST_F(LoginTest, CancelEndsTheProgramAtOnce)
{
    EXPECT_EQ(start({login("admin"), LoginStep::cancel()}), std::optional<int>(0));
    EXPECT_EQ(quit->exitCodes(), std::vector<int>{0});
    EXPECT_TRUE(alarms().empty()) << "no refusal alarm after Cancel";
    EXPECT_FALSE(ModLabor().Zalogowany);
    EXPECT_FALSE(ModLabor().BazaStale.isOpen());
    EXPECT_FALSE(mainWindow().isVisible());
}

TEST_F(LoginTest, TheUsersOwnDateFormatIsRememberedAndTheProgramsSet)
{
    ASSERT_TRUE(locale::setShortDateFormat(QStringLiteral("yyyy-MM-dd")));
    ASSERT_EQ(start(), std::nullopt);
    EXPECT_TRUE(dialogs->calls().empty()) << "the format is changed silently";
    EXPECT_EQ(loginWindow().LabDataOld->text(), QStringLiteral("yyyy-MM-dd"));
    EXPECT_EQ(programState().userDateFormat(), QStringLiteral("yyyy-MM-dd"));
    EXPECT_EQ(locale::shortDateFormat(), QStringLiteral("dd.MM.yyyy"));
}

} // namespace
