#include "InstalledRegisterTest.h"

#include "common/DataControl.h"
#include "registers/FormPodpAll.h"
#include "registers/RegisterFrame.h"

#include "support/RecordingOpener.h"

#include <QLabel>
#include <QLineEdit>

using namespace trelimor;
using namespace trelimor::test;

namespace {

class FormPodpAllTest : public InstalledRegisterTest
{
protected:
    void unit(int id, const QString& value)
    {
        insert(QStringLiteral("Miara"), {{QStringLiteral("ID"), id}, {QStringLiteral("Wartosc"), value}});
    }
    // The value list opened as the units opener opens it, then given the value kind.
    FormPodpAll& open(const QString& kind)
    {
        Installed<RecordingOpener> opener;
        otworzJednostkiMiary();
        FormPodpAll& window = FormPodpAll::instance();
        window.LabelTyp->setText(kind);
        show(window);
        return window;
    }
    QStringList stored()
    {
        QStringList rows;
        for (const QVariant& row :
             column(QStringLiteral("SELECT ID || '=' || Wartosc FROM Miara ORDER BY rowid")))
            rows << row.toString();
        return rows;
    }
};

TEST_F(FormPodpAllTest, TheUnitsOpenInNumberOrderWithTheirHeadingKindAndLimit)
{
    unit(9, QStringLiteral("kg"));
    unit(1, QStringLiteral("szt"));
    Installed<RecordingOpener> opener;
    QStringList seen;
    opener->onOpen(QStringLiteral("FormPodpAll"), [&](QDialog& w) {
        auto& window = static_cast<FormPodpAll&>(w);
        seen << window.LabelOpis->text() << window.LabelTyp->text()
             << QString::number(window.TextWartosc->maxLength()) << currentRow(window).join(u'|');
    });
    otworzJednostkiMiary();
    EXPECT_EQ(opener->opened(), QStringList{QStringLiteral("FormPodpAll")});
    EXPECT_EQ(seen, (QStringList{QStringLiteral("JEDNOSTKA MIARY"), QStringLiteral("string"),
                                 QStringLiteral("5"), QStringLiteral("1|szt")}));
}

TEST_F(FormPodpAllTest, TheNumberIsRequiredAndNumericAndAProposalCountsRows)
{
    unit(1, QStringLiteral("szt"));
    unit(2, QStringLiteral("kg"));
    unit(9, QStringLiteral("l"));
    FormPodpAll& window = open(QStringLiteral("string"));
    click(window, QStringLiteral("ComDodaj"));
    EXPECT_EQ(text(window, QStringLiteral("TxtNr")), QStringLiteral("4"));
    EXPECT_EQ(window.frame().title(), QStringLiteral("Nowa pozycja"));
    EXPECT_FALSE(enabled(window, QStringLiteral("ComZamk")));
    EXPECT_TRUE(enabled(window, QStringLiteral("DBGridPodp"))); // only the four buttons wait

    type(window, QStringLiteral("TextWartosc"), QStringLiteral("mg"));
    type(window, QStringLiteral("TxtNr"), QStringLiteral("   "));
    click(window, QStringLiteral("ComZapisz"));
    type(window, QStringLiteral("TxtNr"), QStringLiteral("x1"));
    click(window, QStringLiteral("ComZapisz"));
    EXPECT_EQ(boxes(),
              (QStringList{QStringLiteral("INFORMACJA|Wpisz kolejny nr!"),
                           QStringLiteral("INFORMACJA|Wartość w polu Numer nie jest cyfrą. Popraw!")}));
    EXPECT_EQ(window.focusWidget(), window.control(QStringLiteral("TxtNr")));
    EXPECT_EQ(stored().size(), 3);
    EXPECT_EQ(text(window, QStringLiteral("TextWartosc")), QStringLiteral("mg"));

    // A number already used is no reason to refuse.
    type(window, QStringLiteral("TxtNr"), QStringLiteral(" 2 "));
    click(window, QStringLiteral("ComZapisz"));
    EXPECT_FALSE(frameOpen(window));
    EXPECT_EQ(stored().last(), QStringLiteral("2=mg"));
}

TEST_F(FormPodpAllTest, ANumericKindRefusesLettersButTakesAnEmptyValueAndTheStringKindTakesAnything)
{
    FormPodpAll& window = open(QStringLiteral("integer"));
    click(window, QStringLiteral("ComDodaj"));
    EXPECT_EQ(text(window, QStringLiteral("TxtNr")), QStringLiteral("1"));
    type(window, QStringLiteral("TextWartosc"), QStringLiteral("dwa"));
    click(window, QStringLiteral("ComZapisz"));
    EXPECT_EQ(boxes(),
              QStringList{QStringLiteral("INFORMACJA|Wartość w polu wartość nie jest cyfrą. Popraw!")});
    EXPECT_EQ(window.focusWidget(), window.control(QStringLiteral("TextWartosc")));
    EXPECT_TRUE(stored().isEmpty());

    type(window, QStringLiteral("TextWartosc"), QStringLiteral(" 2,5 "));
    click(window, QStringLiteral("ComZapisz"));
    click(window, QStringLiteral("ComDodaj"));
    type(window, QStringLiteral("TextWartosc"), QString());
    click(window, QStringLiteral("ComZapisz"));
    EXPECT_EQ(stored(), (QStringList{QStringLiteral("1=2,5"), QStringLiteral("2=")}));

    window.LabelTyp->setText(QStringLiteral("string"));
    window.dataControl().moveToRow(0);
    click(window, QStringLiteral("ComPopraw"));
    EXPECT_EQ(window.frame().title(), QStringLiteral("Edycja"));
    type(window, QStringLiteral("TextWartosc"), QStringLiteral(" dwa "));
    click(window, QStringLiteral("ComZapisz"));
    EXPECT_EQ(stored(), (QStringList{QStringLiteral("1=dwa"), QStringLiteral("2=")}));
    EXPECT_EQ(boxes().size(), 1);
}

TEST_F(FormPodpAllTest, AnEmptyListNeitherCorrectsNorDeletesAndDeleteAsks)
{
    FormPodpAll& window = open(QStringLiteral("string"));
    click(window, QStringLiteral("ComPopraw"));
    click(window, QStringLiteral("ComUsun"));
    EXPECT_FALSE(frameOpen(window));
    EXPECT_TRUE(dialogs->calls().empty()); // not even a beep

    unit(1, QStringLiteral("szt"));
    window.dataControl().refresh();
    dialogs->answerYes();
    click(window, QStringLiteral("ComUsun"));
    EXPECT_EQ(dialogs->last().text, QStringLiteral("Czy na pewno usunąć zaznaczoną pozycję?"));
    EXPECT_EQ(dialogs->last().title, QStringLiteral("PYTANIE"));
    EXPECT_TRUE(stored().isEmpty());
    EXPECT_EQ(window.dataControl().recordCount(), 0);
}

} // namespace
