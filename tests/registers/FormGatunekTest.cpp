#include "RegisterTestFixture.h"

#include "common/DataControl.h"
#include "common/DataGrid.h"
#include "registers/FormGatunek.h"
#include "registers/RegisterFrame.h"

#include <QPushButton>

using namespace trelimor;
using namespace trelimor::test;

namespace {

class FormGatunekTest : public RegisterTest
{
protected:
    FormGatunek& open()
    {
        FormGatunek& window = FormGatunek::instance();
        window.bindRecords(QStringLiteral("SELECT * FROM Gatunek ORDER BY NazGatunek"));
        show(window);
        return window;
    }
    void species(int id, const QString& name)
    {
        insert(QStringLiteral("Gatunek"),
               {{QStringLiteral("IDGatunek"), id}, {QStringLiteral("NazGatunek"), name}});
    }
    QVariantList names()
    {
        return column(QStringLiteral("SELECT NazGatunek FROM Gatunek ORDER BY IDGatunek"));
    }
};

TEST_F(FormGatunekTest, AddProposesTheLastNumberPlusOneAndShowsTheRowsInNumberOrder)
{
    species(7, QStringLiteral("Koza"));
    species(1, QStringLiteral("Bydło"));
    species(2, QStringLiteral("Świnia"));
    FormGatunek& window = open();
    EXPECT_EQ(currentRow(window).value(1), QStringLiteral("Bydło")); // by name as bound

    click(window, QStringLiteral("ComDodaj"));
    EXPECT_EQ(text(window, QStringLiteral("TextID")), QStringLiteral("8"));
    EXPECT_EQ(window.frame().title(), QStringLiteral(" NOWY GATUNEK "));
    EXPECT_EQ(currentRow(window).value(0), QStringLiteral("7")); // the last row in number order
    for (const char* locked :
         {"ComDodaj", "ComUsun", "ComPopraw", "ComZamknij", "DataGatunek", "DBGridGatunek"})
        EXPECT_FALSE(enabled(window, QString::fromLatin1(locked))) << locked;

    type(window, QStringLiteral("TextNazwa"), QStringLiteral("  Owca  "));
    type(window, QStringLiteral("TextKodcLab"), QStringLiteral(" OV "));
    // "Uwagi" is never typed in: its empty document gives a null text.
    click(window, QStringLiteral("ComZapisz"));
    EXPECT_FALSE(frameOpen(window));
    EXPECT_TRUE(enabled(window, QStringLiteral("DBGridGatunek")));
    // An empty box, one-line or several-line, is stored as an empty text, never as Null.
    EXPECT_EQ(scalar(QStringLiteral("SELECT NazGatunek || '/' || KodcLAB || '/' || quote(NazcLAB) || '/' || "
                                    "quote(UWAGI) FROM Gatunek WHERE IDGatunek = 8")),
              QStringLiteral("Owca/OV/''/''"));
    EXPECT_EQ(currentRow(window).value(1), QStringLiteral("Owca"));
}

TEST_F(FormGatunekTest, AnEmptyTableProposesOneAndCancelAddsNothing)
{
    FormGatunek& window = open();
    click(window, QStringLiteral("ComDodaj"));
    EXPECT_EQ(text(window, QStringLiteral("TextID")), QStringLiteral("1"));
    click(window, QStringLiteral("ComAnuluj"));
    EXPECT_FALSE(frameOpen(window));
    EXPECT_TRUE(enabled(window, QStringLiteral("ComDodaj")));
    EXPECT_TRUE(names().isEmpty());

    click(window, QStringLiteral("ComPopraw"));
    click(window, QStringLiteral("ComUsun"));
    EXPECT_FALSE(frameOpen(window));
    ASSERT_EQ(dialogs->calls().size(), 2u);
    EXPECT_EQ(dialogs->calls()[0].kind, DialogCall::Kind::Beep);
    EXPECT_EQ(dialogs->calls()[1].kind, DialogCall::Kind::Beep);
}

TEST_F(FormGatunekTest, ANameAlreadyStoredIsRefusedWithTheTypedValuesKept)
{
    species(1, QStringLiteral("O'Hara"));
    FormGatunek& window = open();
    click(window, QStringLiteral("ComDodaj"));
    // The stored name is trimmed, so the test looks for the trimmed name; Jet compares
    // without regard to letter case.
    type(window, QStringLiteral("TextNazwa"), QStringLiteral(" o'hara "));
    type(window, QStringLiteral("TextUwagi"), QStringLiteral("uwaga"));
    click(window, QStringLiteral("ComZapisz"));
    ASSERT_EQ(dialogs->calls().size(), 1u);
    EXPECT_EQ(dialogs->last().title, QStringLiteral("INFORMACJA"));
    EXPECT_EQ(dialogs->last().text, QStringLiteral("Pozycja: o'hara już istnieje. Popraw!"));
    EXPECT_EQ(dialogs->last().icon, ui::Icon::Information);
    EXPECT_EQ(names(), QVariantList{QStringLiteral("O'Hara")});
    EXPECT_TRUE(frameOpen(window));
    EXPECT_FALSE(enabled(window, QStringLiteral("ComDodaj")));
    EXPECT_EQ(text(window, QStringLiteral("TextUwagi")), QStringLiteral("uwaga"));

    type(window, QStringLiteral("TextNazwa"), QStringLiteral("D'Artagnan"));
    click(window, QStringLiteral("ComZapisz"));
    EXPECT_EQ(names(), (QVariantList{QStringLiteral("O'Hara"), QStringLiteral("D'Artagnan")}));
}

TEST_F(FormGatunekTest, ACorrectionWritesTheRowItWasOpenedOnAndMayRepeatAName)
{
    species(1, QStringLiteral("Bydło"));
    species(2, QStringLiteral("Koza"));
    FormGatunek& window = open();
    window.dataControl().moveToRow(1); // Koza
    click(window, QStringLiteral("ComPopraw"));
    EXPECT_EQ(window.frame().title(), QStringLiteral(" KOREKTA GATUNKU "));
    EXPECT_EQ(text(window, QStringLiteral("TextNazwa")), QStringLiteral("Koza"));
    // Whatever row the data control shows meanwhile, the correction stays on its own row.
    window.dataControl().moveToRow(0);
    type(window, QStringLiteral("TextNazwa"), QStringLiteral("Bydło"));
    click(window, QStringLiteral("ComZapisz"));
    EXPECT_TRUE(dialogs->calls().empty());
    EXPECT_EQ(names(), (QVariantList{QStringLiteral("Bydło"), QStringLiteral("Bydło")}));
}

TEST_F(FormGatunekTest, DeleteAsksWithTheNameAndLocksOnlyWhileAsking)
{
    species(1, QStringLiteral("Bydło"));
    species(2, QStringLiteral("Koza "));
    FormGatunek& window = open();
    window.dataControl().moveToRow(1);
    dialogs->answerNo();
    click(window, QStringLiteral("ComUsun"));
    ASSERT_EQ(dialogs->calls().size(), 1u);
    EXPECT_EQ(dialogs->last().kind, DialogCall::Kind::YesNo);
    EXPECT_EQ(dialogs->last().text, QStringLiteral("Czy usunąć Gatunek: Koza"));
    EXPECT_EQ(dialogs->last().title, QStringLiteral("PYTANIE"));
    EXPECT_FALSE(dialogs->last().yesIsDefault);
    EXPECT_EQ(names().size(), 2);
    EXPECT_TRUE(enabled(window, QStringLiteral("ComUsun")));

    dialogs->answerYes();
    click(window, QStringLiteral("ComUsun"));
    EXPECT_EQ(names(), QVariantList{QStringLiteral("Bydło")});
    EXPECT_EQ(dialogs->last().kind, DialogCall::Kind::Beep);
    // The deleted row was the last one: the new last row is current.
    EXPECT_EQ(currentRow(window).value(1), QStringLiteral("Bydło"));
    EXPECT_TRUE(enabled(window, QStringLiteral("DBGridGatunek")));
}

} // namespace
