#include "RegisterTestFixture.h"

#include "common/DataControl.h"
#include "registers/FormLekarz.h"
#include "registers/FormZlew.h"
#include "registers/Openers.h"

#include "support/RecordingOpener.h"

#include <QRadioButton>

using namespace trelimor;
using namespace trelimor::test;

namespace {

using OpenersTest = RegisterTest;

TEST_F(OpenersTest, TheEstablishmentsAlwaysOpenInCodeOrder)
{
    insert(QStringLiteral("ZAKLAD"), {{QStringLiteral("WNI"), QStringLiteral("20000000")},
                                      {QStringLiteral("Nazwa"), QStringLiteral("Alfa")}});
    insert(QStringLiteral("ZAKLAD"), {{QStringLiteral("WNI"), QStringLiteral("10000000")},
                                      {QStringLiteral("Nazwa"), QStringLiteral("Beta")}});
    Installed<RecordingOpener> opener;
    QStringList firstRows;
    opener->onOpen(QStringLiteral("FormZlew"), [&](QDialog& w) {
        auto& window = static_cast<FormZlew&>(w);
        EXPECT_TRUE(window.findChild<QRadioButton*>(QStringLiteral("OptionK"))->isChecked());
        firstRows << currentRow(window).value(1);
        window.findChild<QRadioButton*>(QStringLiteral("OptionN"))->setChecked(true);
        firstRows << currentRow(window).value(1);
        click(window, QStringLiteral("ComZlewZamk"));
    });
    otworzZaklady();
    otworzZaklady();
    EXPECT_EQ(opener->opened(), (QStringList{QStringLiteral("FormZlew"), QStringLiteral("FormZlew")}));
    EXPECT_EQ(firstRows, (QStringList{QStringLiteral("Beta"), QStringLiteral("Alfa"), QStringLiteral("Beta"),
                                      QStringLiteral("Alfa")}));
}

TEST_F(OpenersTest, DataEntryFirstAsksForAVeterinarianThenForAnEstablishment)
{
    Installed<RecordingOpener> opener;
    EXPECT_FALSE(sprawdzLekarzaIZaklad());
    EXPECT_EQ(opener->opened(), QStringList{QStringLiteral("FormLekarz")});
    EXPECT_EQ(dialogs->last().text,
              QStringLiteral("Aby prawidłowo definiować próbki zdefiniuj lekarza pobierającego próbki!\r"
                             "Dodaj nowego lekarza!"));

    insert(QStringLiteral("Lekarz"),
           {{QStringLiteral("IDLekarz"), 1}, {QStringLiteral("Nazwisko"), QStringLiteral("Nowak")}});
    EXPECT_FALSE(sprawdzLekarzaIZaklad());
    EXPECT_EQ(opener->opened().last(), QStringLiteral("FormZlew"));
    EXPECT_EQ(dialogs->last().title, QStringLiteral("INFORMACJA"));
    EXPECT_EQ(dialogs->last().text,
              QStringLiteral("Aby prawidłowo definiować próbki zdefiniuj zakład, w którym będą pobierane "
                             "próbki!\rDodaj nowy zakład!"));

    insert(QStringLiteral("ZAKLAD"), {{QStringLiteral("WNI"), QStringLiteral("10000000")}});
    EXPECT_TRUE(sprawdzLekarzaIZaklad());
    EXPECT_EQ(opener->opened().size(), 2);
}

} // namespace
