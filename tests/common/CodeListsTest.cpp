#include "common/CodeLists.h"

#include <gtest/gtest.h>

#include <QSet>

using namespace trelimor;

namespace {

const QStringList kElevenKinds{"N", "K", "P", "U", "UF", "R", "NNWOK", "NWOK", "BSEZ", "BSEP", "Z"};
const QStringList kDeerKinds{"PJ", "KJ", "CHJ", "UJ", "NJ"};

TEST(CodeListsTest, OnlyTheExactDeerSpeciesGetsTheFiveDeerKinds)
{
    EXPECT_EQ(kodyRodzajuUboju(QStringLiteral("Jeleniowate")), kDeerKinds);
    EXPECT_EQ(kodyRodzajuUboju(QStringLiteral("jeleniowate")), kElevenKinds);
    EXPECT_EQ(kodyRodzajuUboju(QStringLiteral("Bydło")), kElevenKinds);
    EXPECT_EQ(kodyRodzajuUboju(QString()), kElevenKinds);
}

TEST(CodeListsTest, KeepingSystemsStartEmptyAndAreOfferedForDeerOnly)
{
    EXPECT_EQ(kodySystemuUtrzymania(QStringLiteral("Jeleniowate")),
              (QStringList{"", "DJ", "FJ", "NJ", "OJ"}));
    EXPECT_EQ(kodySystemuUtrzymania(QStringLiteral("Owce")), QStringList{QString()});
}

TEST(CodeListsTest, EveryCodeHasItsOwnDescriptionAndAnythingElseNone)
{
    QSet<QString> codes;
    for (const KodZOpisem& kind : rodzajeUboju()) {
        codes.insert(kind.kod);
        EXPECT_FALSE(OpisRodzajuUboju(kind.kod).isEmpty()) << kind.kod.toStdString();
    }
    EXPECT_EQ(codes.size(), 16);
    EXPECT_EQ(OpisRodzajuUboju(QStringLiteral("NWOK")),
              QStringLiteral("ubój zwierzęcia z powodu zwalczania choroby przenoszącej się na człowieka lub "
                             "zwierzęta i wykazujące objawy kliniczne tej choroby"));
    EXPECT_EQ(OpisRodzajuUboju(QStringLiteral("NWO")), QString());
    EXPECT_EQ(OpisRodzajuUboju(QStringLiteral("n")), QString());
    // "NJ" is both a kind of slaughter and a keeping system, with two descriptions.
    EXPECT_EQ(OpisRodzajuUboju(QStringLiteral("NJ")),
              QStringLiteral("jeleniowaty ubity lub upolowany niezdatny do spożycia przez ludzi"));
    EXPECT_EQ(OpisSystemuUtrzymania(QStringLiteral("NJ")), QStringLiteral("jeleniowaty żyjący w niewoli"));
    EXPECT_EQ(OpisSystemuUtrzymania(QStringLiteral("dj")), QString());
    EXPECT_EQ(OpisSystemuUtrzymania(QString()), QString());
}

TEST(CodeListsTest, FixedListsKeepTheirOrder)
{
    const QStringList voivodeships = listaStala(QStringLiteral("ComboWoj"));
    ASSERT_EQ(voivodeships.size(), 16);
    EXPECT_EQ(voivodeships.first(), QStringLiteral("Dolnośląskie"));
    EXPECT_EQ(voivodeships[4], QStringLiteral("Łódzkie"));
    EXPECT_EQ(voivodeships.last(), QStringLiteral("Zachodniopomorskie"));
    EXPECT_EQ(listaStala(QStringLiteral("ComboPlec")), (QStringList{"żeńska", "męska"}));
    EXPECT_EQ(listaStala(QStringLiteral("ComboPobranoOd")).first(), QString());
    EXPECT_EQ(listaStala(QStringLiteral("ComboWNI")).size(), 5);
    EXPECT_TRUE(listaStala(QStringLiteral("ComboWNI")).contains(kTypZakladuPoczatkowy));
    EXPECT_EQ(listaStala(QStringLiteral("ComboLaboratorium")), QStringList{kInneLaboratorium});
    EXPECT_TRUE(listaStala(QStringLiteral("ComboGatunek")).isEmpty());
}

} // namespace
