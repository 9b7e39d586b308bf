#include "common/TextHelpers.h"
#include "common/Password.h"

#include "support/Installed.h"
#include "support/ScriptedDialogs.h"

#include <gtest/gtest.h>

using namespace trelimor;
using trelimor::test::Installed;
using trelimor::test::ScriptedDialogs;

namespace {

TEST(PodzielNaCzesci, SplitsAtTheFirstSeparatorWithFallbacks)
{
    QString line = QStringLiteral("STALE=/a=b/"), tail, sep = QStringLiteral("=");
    PodzielNaCzesci(line, tail, sep, 0);
    EXPECT_EQ(line, QStringLiteral("STALE"));
    EXPECT_EQ(tail, QStringLiteral("/a=b/")) << "further = signs belong to the value";

    line = QStringLiteral("A#B"), tail.clear(), sep = QStringLiteral("=");
    PodzielNaCzesci(line, tail, sep, 0);
    EXPECT_EQ(line, QStringLiteral("A"));
    EXPECT_EQ(tail, QStringLiteral("B"));
    EXPECT_EQ(sep, QStringLiteral("#"));

    line = QStringLiteral("BEZSEPARATORA"), tail = QStringLiteral("stare"), sep = QStringLiteral("=");
    PodzielNaCzesci(line, tail, sep, 0);
    EXPECT_EQ(line, QStringLiteral("BEZSEPARATORA"));
    EXPECT_TRUE(tail.isEmpty());
    EXPECT_EQ(sep, QStringLiteral(";"));

    line = QStringLiteral("DŁUGI_KLUCZ=x"), sep = QStringLiteral("=");
    PodzielNaCzesci(line, tail, sep, 4);
    EXPECT_EQ(line, QStringLiteral("DŁUG"));

    line.clear(), tail = QStringLiteral("bez zmian");
    PodzielNaCzesci(line, tail, sep, 0);
    EXPECT_EQ(tail, QStringLiteral("bez zmian")) << "an empty line changes nothing";
}

TEST(PobierzPole, NoValueIsNotAnEmptyField)
{
    const QString sep = QStringLiteral("|");
    EXPECT_EQ(PobierzPole(QStringLiteral("a|b|c|"), 0, sep).toString(), QStringLiteral("a"));
    EXPECT_EQ(PobierzPole(QStringLiteral("a|b|c|"), 2, sep).toString(), QStringLiteral("c"));
    const QVariant empty = PobierzPole(QStringLiteral("a|b|c|"), 3, sep);
    EXPECT_TRUE(empty.isValid());
    EXPECT_TRUE(empty.toString().isEmpty());
    EXPECT_FALSE(PobierzPole(QStringLiteral("a|b|c|"), 4, sep).isValid());
    EXPECT_EQ(PobierzPole(QStringLiteral("a|b|c"), 2, sep).toString(), QStringLiteral("c"));
    EXPECT_EQ(PobierzPole(QStringLiteral("całość"), 0, sep).toString(), QStringLiteral("całość"));
    EXPECT_FALSE(PobierzPole(QString(), 0, sep).isValid());
    EXPECT_FALSE(PobierzPole(QStringLiteral("a|b"), -1, sep).isValid());
}

TEST(ZamienZnak, ReplacesEveryOccurrence)
{
    EXPECT_EQ(ZamienZnak(QStringLiteral("12-05-2022"), QStringLiteral("-"), QStringLiteral(".")),
              QStringLiteral("12.05.2022"));
    EXPECT_EQ(ZamienZnak(QStringLiteral("12-05"), QStringLiteral("-"), QString()), QStringLiteral("1205"));
    EXPECT_EQ(ZamienZnak(QStringLiteral("ab"), QStringLiteral("ab"), QStringLiteral("x")),
              QStringLiteral("ab"));
}

TEST(UzupelnijZerami, PadsDigitsAndRefusesOverflow)
{
    Installed<ScriptedDialogs> dialogs;
    EXPECT_EQ(UzupelnijZerami(QStringLiteral("7"), true, 2), QStringLiteral("07"));
    EXPECT_EQ(UzupelnijZerami(QStringLiteral("7"), false, 3), QStringLiteral("700"));
    EXPECT_EQ(UzupelnijZerami(QStringLiteral("a1b2"), true, 4), QStringLiteral("0012"));
    EXPECT_EQ(UzupelnijZerami(QString(), true, 3), QStringLiteral("000"));
    EXPECT_TRUE(dialogs->calls().empty());
    EXPECT_TRUE(UzupelnijZerami(QStringLiteral("12345"), true, 2).isEmpty());
    ASSERT_EQ(dialogs->calls().size(), 1u);
    EXPECT_EQ(dialogs->last().text, QStringLiteral("Przekroczono długość łańcucha: 12345"));
    EXPECT_EQ(dialogs->last().title, QStringLiteral("Uwaga!"));
    EXPECT_EQ(dialogs->last().icon, ui::Icon::Warning);
}

TEST(IsNumeric, TakesSignsDecimalsExponentsAndBlanksAround)
{
    for (const char* yes : {"12", " 1465 ", "-1,5", "+3.", ".5", "1e3", "2E-2"})
        EXPECT_TRUE(isNumeric(QString::fromLatin1(yes))) << yes;
    for (const char* no : {"", "  ", "14a5", "1,2,3", "e3", "1 2", "-", "0x10"})
        EXPECT_FALSE(isNumeric(QString::fromLatin1(no))) << no;
}

TEST(KluczSortowania, PolishCapitalsFollowTheirBaseLetters)
{
    int length = 0;
    EXPECT_EQ(KluczSortowania(QStringLiteral("Łąka"), QString(), length), QStringLiteral("LzAz"));
    EXPECT_EQ(length, 4) << "the length is taken before the letters are expanded";
    length = 0;
    EXPECT_EQ(KluczSortowania(QStringLiteral(" Żak "), QStringLiteral("źle"), length),
              QStringLiteral("ZzAKZz"));
    length = 20;
    EXPECT_EQ(KluczSortowania(QStringLiteral("Ćma"), QString(), length), QStringLiteral("CzMA"));
    // Sorting by the key puts Ł after every L.
    int l1 = 0, l2 = 0;
    EXPECT_LT(KluczSortowania(QStringLiteral("Lis"), QString(), l1),
              KluczSortowania(QStringLiteral("Łoś"), QString(), l2));
}

TEST(PolishLetterTable, HoldsTheCodePageCodes)
{
    TablicaZnakow t;
    TablicaPolskichZnakow(t);
    EXPECT_EQ(t[1][1], QStringLiteral("165"));  // Ą
    EXPECT_EQ(t[7][1], QStringLiteral("140"));  // Ś
    EXPECT_EQ(t[18][1], QStringLiteral("191")); // ż
    EXPECT_EQ(t[4][2], QStringLiteral("76"));   // Ł -> L
    EXPECT_EQ(t[2][5], QStringLiteral("0"));    // Ć has no fifth code
}

TEST(KodujHaslo, SameScrambleWhateverTheCase)
{
    const QString a = KodujHaslo(QStringLiteral("tajne1"));
    EXPECT_EQ(a.size(), 6);
    EXPECT_EQ(a, KodujHaslo(QStringLiteral("TAJNE1")));
    EXPECT_NE(a, KodujHaslo(QStringLiteral("TAJNE2")));
    EXPECT_NE(a, QStringLiteral("TAJNE1"));
    // Low codes wrap around the code page instead of being lost.
    const QString low = KodujHaslo(QString(20, QChar(u'\x01')));
    EXPECT_EQ(low.size(), 20);
    EXPECT_NE(KodujHaslo(QStringLiteral("ĄĘ")), KodujHaslo(QStringLiteral("AE")));
}

TEST(PasswordStorage, HashRoundTripAndOldValues)
{
    const QString stored = zakodowaneHaslo(QStringLiteral("Tajne1"));
    EXPECT_TRUE(stored.startsWith(QStringLiteral("$argon2id$")));
    EXPECT_TRUE(sprawdzHaslo(QStringLiteral("tajne1"), stored).zgodne);
    EXPECT_TRUE(sprawdzHaslo(QStringLiteral("TAJNE1"), stored).zgodne);
    EXPECT_FALSE(sprawdzHaslo(QStringLiteral("tajne2"), stored).zgodne);
    EXPECT_FALSE(sprawdzHaslo(QStringLiteral("tajne1"), stored).doPrzechowania);

    const QString old = KodujHaslo(QStringLiteral("stare"));
    const auto check = sprawdzHaslo(QStringLiteral("Stare"), old);
    EXPECT_TRUE(check.zgodne);
    EXPECT_TRUE(check.doPrzechowania) << "an old scrambled value is replaced by a hash";
    EXPECT_FALSE(sprawdzHaslo(QStringLiteral("inne"), old).zgodne);
}

} // namespace
