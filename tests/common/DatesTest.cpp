#include "common/Dates.h"

#include "platform/locale/ShortDateFormat.h"

#include "support/Installed.h"
#include "support/ScriptedDialogs.h"

#include <gtest/gtest.h>

using namespace trelimor;
using trelimor::test::Installed;
using trelimor::test::ScriptedDialogs;

namespace {

class DatesTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        saved = locale::shortDateFormat();
        locale::setShortDateFormat(QStringLiteral("dd.MM.yyyy"));
    }
    void TearDown() override { locale::setShortDateFormat(saved); }
    QString saved;
};

TEST_F(DatesTest, NaDateAcceptsAnySeparatorAndRewritesTheText)
{
    QString text = QStringLiteral("05-03-2022");
    EXPECT_EQ(NaDate(text), QDate(2022, 3, 5));
    EXPECT_EQ(text, QStringLiteral("05.03.2022"));
    text = QStringLiteral("05/03/2022");
    EXPECT_EQ(NaDate(text), QDate(2022, 3, 5));
    text = QStringLiteral("05.03.2022");
    EXPECT_EQ(NaDate(text), QDate(2022, 3, 5));
    EXPECT_EQ(text, QStringLiteral("05.03.2022"));
}

TEST_F(DatesTest, NaDateGivesTheZeroDateForNonsense)
{
    for (QString text :
         {QString(), QStringLiteral("abc"), QStringLiteral("31.02.2022"), QStringLiteral("1.2")})
        EXPECT_EQ(NaDate(text), zeroDate()) << text.toStdString();
    EXPECT_EQ(zeroDate(), QDate(1899, 12, 30));
}

TEST_F(DatesTest, NaDateFollowsAnotherSystemFormat)
{
    locale::setShortDateFormat(QStringLiteral("yyyy-MM-dd"));
    QString text = QStringLiteral("2022.03.05");
    EXPECT_EQ(NaDate(text), QDate(2022, 3, 5));
    EXPECT_EQ(text, QStringLiteral("2022-03-05"));
}

TEST(MonthAndVoivodeshipNames, MapBothWays)
{
    Installed<ScriptedDialogs> dialogs;
    EXPECT_EQ(NazwaMiesiaca(QStringLiteral("12")), QStringLiteral("Grudzień"));
    EXPECT_EQ(NazwaMiesiaca(QStringLiteral("3,9")), QStringLiteral("Marzec"));
    EXPECT_TRUE(dialogs->calls().empty());
    EXPECT_TRUE(NazwaMiesiaca(QStringLiteral("13")).isEmpty());
    EXPECT_EQ(dialogs->last().text, QStringLiteral("Nieprawidłowa data!"));
    EXPECT_EQ(dialogs->last().title, QStringLiteral("INFORMACJA"));
    EXPECT_TRUE(NazwaMiesiaca(QStringLiteral("0")).isEmpty());

    EXPECT_EQ(KodWojewodztwa(QStringLiteral("ŁÓDZKIE")), QStringLiteral("10"));
    EXPECT_EQ(KodWojewodztwa(QStringLiteral("warmińsko-Mazurskie")), QStringLiteral("28"));
    EXPECT_TRUE(KodWojewodztwa(QStringLiteral("Lodzkie")).isEmpty());
    EXPECT_TRUE(KodWojewodztwa(QStringLiteral(" łódzkie")).isEmpty()) << "no trimming";
    EXPECT_EQ(NazwaWojewodztwa(QStringLiteral("24")), QStringLiteral("Śląskie"));
    EXPECT_TRUE(NazwaWojewodztwa(QStringLiteral("2")).isEmpty());
}

TEST_F(DatesTest, UstawFormatDatyIgnoresLetterCase)
{
    UstawFormatDaty(QStringLiteral("dd.mm.yyyy"));
    EXPECT_EQ(PobierzFormatDaty(), QStringLiteral("dd.MM.yyyy")) << "an equal pattern is not written";
    UstawFormatDaty(QStringLiteral("yyyy-MM-dd"));
    EXPECT_EQ(PobierzFormatDaty(), QStringLiteral("yyyy-MM-dd"));
}

} // namespace
