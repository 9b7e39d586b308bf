#include "RegisterTestFixture.h"

#include "common/DataControl.h"
#include "common/ModLabor.h"
#include "registers/FormLekarz.h"
#include "registers/RegisterFrame.h"

using namespace trelimor;
using namespace trelimor::test;

namespace {

class FormLekarzTest : public RegisterTest
{
protected:
    FormLekarz& open()
    {
        FormLekarz& window = FormLekarz::instance();
        window.bindRecords(QStringLiteral("SELECT * FROM Lekarz ORDER BY Nazwisko, Imie"));
        show(window);
        return window;
    }
    void vet(int id, const QString& surname, const QString& postalCode = {})
    {
        QVariantMap row{{QStringLiteral("IDLekarz"), id},
                        {QStringLiteral("Nazwisko"), surname},
                        {QStringLiteral("Imie"), QStringLiteral("Jan")},
                        {QStringLiteral("Nazwa"), QStringLiteral("Lecznica")},
                        {QStringLiteral("KodPIW"), QStringLiteral("1465")},
                        {QStringLiteral("Miasto"), QStringLiteral("Warszawa")}};
        if (!postalCode.isEmpty())
            row.insert(QStringLiteral("KodPocztowy"), postalCode);
        insert(QStringLiteral("Lekarz"), row);
    }
};

TEST_F(FormLekarzTest, CopyStartsANewVeterinarianFromTheCurrentOneAndKeepsTheOrder)
{
    vet(5, QStringLiteral("Nowak"), QStringLiteral("00-950"));
    vet(9, QStringLiteral("Adamski"));
    FormLekarz& window = open();
    window.dataControl().moveToRow(1); // Nowak, by surname
    click(window, QStringLiteral("ComKopiuj"));
    EXPECT_EQ(window.frame().title(), QStringLiteral(" NOWY LEKARZ NA PODSTAWIE KOPII "));
    EXPECT_TRUE(window.NowyRekord());
    EXPECT_EQ(text(window, QStringLiteral("TextID")), QStringLiteral("10"));
    EXPECT_EQ(text(window, QStringLiteral("TextImie")), QString());
    EXPECT_EQ(text(window, QStringLiteral("TextNazwisko")), QString());
    EXPECT_EQ(text(window, QStringLiteral("TextNazwa")), QStringLiteral("Lecznica"));
    EXPECT_EQ(text(window, QStringLiteral("MEBKodPoczt")), QStringLiteral("00-950"));
    EXPECT_EQ(currentRow(window).value(3), QStringLiteral("Nowak")); // the grid keeps its order and row
    // "&Kopiuj" is not among the locked buttons.
    EXPECT_FALSE(enabled(window, QStringLiteral("ComLaborDod")));
    EXPECT_TRUE(enabled(window, QStringLiteral("ComKopiuj")));

    type(window, QStringLiteral("TextImie"), QStringLiteral("Anna"));
    type(window, QStringLiteral("TextNazwisko"), QStringLiteral("Nowak"));
    click(window, QStringLiteral("ComLaborZap"));
    EXPECT_EQ(column(QStringLiteral("SELECT Imie || ' ' || KodPocztowy FROM Lekarz WHERE IDLekarz = 10")),
              QVariantList{QStringLiteral("Anna 00-950")});
    EXPECT_TRUE(dialogs->calls().empty());
}

TEST_F(FormLekarzTest, AddShowsTheRowsInNumberOrderAndAnEmptyPostalCodeIsNotWritten)
{
    vet(5, QStringLiteral("Nowak"));
    vet(9, QStringLiteral("Adamski"));
    FormLekarz& window = open();
    click(window, QStringLiteral("ComLaborDod"));
    EXPECT_EQ(text(window, QStringLiteral("TextID")), QStringLiteral("10"));
    EXPECT_EQ(window.frame().title(), QStringLiteral("NOWY LEKARZ"));
    EXPECT_EQ(currentRow(window).value(0), QStringLiteral("9"));
    window.dataControl().moveToRow(0);
    EXPECT_EQ(currentRow(window).value(0), QStringLiteral("5"));
    type(window, QStringLiteral("TextNazwisko"), QStringLiteral("Zieliński"));
    type(window, QStringLiteral("TextMiasto"), QString(60, u'a'));
    click(window, QStringLiteral("ComLaborZap"));
    db::Recordset row = stale().openRecordset(QStringLiteral("SELECT * FROM Lekarz WHERE IDLekarz = 10"));
    ASSERT_EQ(row.recordCount(), 1);
    EXPECT_TRUE(db::isNull(row.value(QStringLiteral("KodPocztowy"))));
    EXPECT_EQ(row.value(QStringLiteral("Miasto")), QString(50, u'a'));
}

TEST_F(FormLekarzTest, AnEmptyTableBeepsForCopyAndCorrection)
{
    FormLekarz& window = open();
    click(window, QStringLiteral("ComKopiuj"));
    click(window, QStringLiteral("ComLaborKor"));
    click(window, QStringLiteral("ComLaborKas"));
    EXPECT_FALSE(frameOpen(window));
    ASSERT_EQ(dialogs->calls().size(), 2u);
    EXPECT_EQ(dialogs->calls()[0].kind, DialogCall::Kind::Beep);
    EXPECT_EQ(dialogs->calls()[1].kind, DialogCall::Kind::Beep);
    click(window, QStringLiteral("ComLaborZamk"));
    EXPECT_FALSE(window.isVisible());
}

} // namespace
