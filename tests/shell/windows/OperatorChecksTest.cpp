#include "shell/OperatorChecks.h"

#include "support/Installed.h"
#include "support/ScriptedDialogs.h"

#include <gtest/gtest.h>

using namespace trelimor;
using namespace trelimor::test;

namespace {

std::vector<OperatorRow> operators(std::initializer_list<std::pair<const char*, const char*>> numbersAndKinds)
{
    std::vector<OperatorRow> rows;
    qint64 rowid = 1;
    for (const auto& [numer, rodzaj] : numbersAndKinds)
        rows.push_back({rowid++,
                        QString::fromLatin1(numer),
                        QStringLiteral("N"),
                        {},
                        QString::fromLatin1(rodzaj),
                        QStringLiteral("login%1").arg(rowid)});
    return rows;
}

TEST(OperatorNumber, OneAboveTheHighestWithLeadingZeros)
{
    Installed<ScriptedDialogs> dialogs;
    EXPECT_EQ(nextOperatorNumber({}), QStringLiteral("001"));
    EXPECT_EQ(nextOperatorNumber(operators({{"009", "Operator"}})), QStringLiteral("010"));
    EXPECT_EQ(nextOperatorNumber(operators({{"002", ""}, {"012", ""}, {"007", ""}})), QStringLiteral("013"))
        << "the highest, not the last stored";
    EXPECT_EQ(nextOperatorNumber(operators({{"9", ""}, {"010", ""}})), QStringLiteral("011"))
        << "an unpadded number counts by its value, not its text order";
    EXPECT_TRUE(dialogs->calls().empty());

    EXPECT_EQ(nextOperatorNumber(operators({{"999", ""}})), QString());
    ASSERT_EQ(dialogs->calls().size(), 1u);
    EXPECT_EQ(dialogs->last().text, QStringLiteral("Przekroczono długość łańcucha: 1000"));
    EXPECT_TRUE(checkNumber(QString()).has_value());
}

TEST(OperatorPasswords, LengthThenSamenessThenNameInThatOrder)
{
    const QString name = QStringLiteral("Kowalski Jan");
    const auto failed = [&](const QString& first, const QString& second, const QString& who) {
        const auto check = checkPasswordAndName(first, second, who);
        return check ? check->title + QLatin1Char('|') + check->text : QString();
    };
    EXPECT_EQ(failed(QStringLiteral("ab"), QStringLiteral("xy"), {}),
              QStringLiteral("Od 3 do 10 znaków|Hasło za krótkie"));
    EXPECT_EQ(failed(QStringLiteral("abcdefghijk"), QStringLiteral("abcdefghijk"), name),
              QStringLiteral("Od 3 do 10 znaków|Hasło za długie"));
    EXPECT_EQ(failed(QStringLiteral("abc"), QStringLiteral("abd"), {}),
              QStringLiteral("ALARM!!!|Niezgodność haseł!"));
    EXPECT_EQ(failed(QStringLiteral("abc"), QStringLiteral("ABC"), name),
              QStringLiteral("ALARM!!!|Niezgodność haseł!"))
        << "the boxes are compared exactly";
    EXPECT_EQ(failed(QStringLiteral("abc"), QStringLiteral("abc"), QStringLiteral("  ")),
              QStringLiteral("ALARM!!!|Wprowadź nazwisko operatora"));
    EXPECT_EQ(failed(QStringLiteral("abc"), QStringLiteral("abc"), name), QString());
    EXPECT_EQ(failed(QStringLiteral("a b c d ef"), QStringLiteral("a b c d ef"), name), QString())
        << "ten characters, blanks included";
}

TEST(OperatorLogin, BlankOrTakenInAnyCaseIsRefusedButTheEditedRowItself)
{
    std::vector<OperatorRow> rows = operators({{"001", "Administrator"}, {"002", "Operator"}});
    rows[0].login = QStringLiteral("jan");
    rows[1].login = QStringLiteral("Łucja ");

    const auto text = [&](const QString& typed, qint64 edited) {
        const auto check = checkLogin(typed, rows, edited);
        return check ? check->text : QString();
    };
    EXPECT_EQ(text(QStringLiteral("   "), -1), QStringLiteral("Wpisz login operatora!"));
    EXPECT_EQ(text(QStringLiteral("jan"), -1), QStringLiteral("Taki login juz istnieje!"));
    EXPECT_EQ(text(QStringLiteral("JAN"), -1), QStringLiteral("Taki login juz istnieje!"));
    EXPECT_EQ(text(QStringLiteral(" łUCJA"), -1), QStringLiteral("Taki login juz istnieje!"));
    EXPECT_EQ(text(QStringLiteral("JAN"), rows[1].rowid), QStringLiteral("Taki login juz istnieje!"));
    EXPECT_EQ(text(QStringLiteral("JAN"), rows[0].rowid), QString()) << "his own login in another case";
    EXPECT_EQ(text(QStringLiteral("janek"), -1), QString());
}

TEST(OperatorRights, NeitherTheLoggedInOperatorNorTheLastAdministratorIsLost)
{
    std::vector<OperatorRow> rows = operators({{"001", " administrator "}, {"002", "Operator"}});
    EXPECT_EQ(checkDeletion(rows, 1, QStringLiteral("002"))->text,
              QStringLiteral("Nie można usunąć ostatniego administratora!"));
    EXPECT_EQ(checkDeletion(rows, 2, QStringLiteral("002"))->text,
              QStringLiteral("Nie można usunąć zalogowanego operatora!"));
    EXPECT_FALSE(checkDeletion(rows, 2, QStringLiteral("001")));
    EXPECT_EQ(checkKindChange(rows, 1, QStringLiteral("Operator"))->text,
              QStringLiteral("Nie można odebrać uprawnień ostatniemu administratorowi!"));
    EXPECT_FALSE(checkKindChange(rows, 2, QStringLiteral("Administrator")));

    rows[1].rodzaj = QStringLiteral("Administrator");
    EXPECT_FALSE(checkDeletion(rows, 1, QStringLiteral("002"))) << "another administrator remains";
    EXPECT_FALSE(checkKindChange(rows, 1, QStringLiteral("Operator")));
}

} // namespace
