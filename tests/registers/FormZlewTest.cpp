#include "RegisterTestFixture.h"

#include "common/DataControl.h"
#include "common/DataGrid.h"
#include "registers/FormZlew.h"
#include "registers/RegisterFrame.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>

using namespace trelimor;
using namespace trelimor::test;

namespace {

const QString kCode = QStringLiteral("MEBKod");

TEST(FormZlewChecks, RefuseInTheirOrderAndTickTheFirstEstablishmentOnTheWay)
{
    const std::vector<Check> checks = FormZlew::checks();
    FrameValues v;
    v.isNew = true;
    v.rowCount = 0;
    const std::vector<std::pair<QString, QString>> fills{
        {kCode, QStringLiteral("12345678")},
        {QStringLiteral("ComboTypWNI"), QStringLiteral("gospodarstwa*")},
        {QStringLiteral("TextNazwa"), QStringLiteral(" ")}, // blanks are a name
        {QStringLiteral("ComboWoj"), QStringLiteral("Łódzkie")},
        {QStringLiteral("TextKodPIW"), QStringLiteral("12")}}; // only emptiness is tested
    const QStringList expected{
        QStringLiteral("Wpisz numer WNI zakładu!"), QStringLiteral("Wybierz z listy rozwijanej typ WNI!"),
        QStringLiteral("Wpisz nazwę zakładu!"), QStringLiteral("Wybierz z listy rozwijanej województwo!"),
        QStringLiteral("Wprowadź 4-cyfrowy kod powiatu!")};
    v.setText(kCode, QStringLiteral("________"));
    for (size_t i = 0; i < fills.size(); ++i) {
        const std::optional<Refusal> refusal = firstRefusal(checks, v);
        ASSERT_TRUE(refusal) << i;
        EXPECT_EQ(refusal->text, expected[qsizetype(i)]);
        EXPECT_EQ(refusal->title, QStringLiteral("INFORMACJA"));
        EXPECT_EQ(refusal->icon, ui::Icon::Information);
        EXPECT_EQ(refusal->focus, fills[i].first);
        // The first establishment is ticked as the default one only once the voivodeship passed.
        EXPECT_EQ(v.ticked(QStringLiteral("CheckDomyslny")), i == 4) << i;
        v.setText(fills[i].first, fills[i].second);
    }
    EXPECT_FALSE(firstRefusal(checks, v));

    FrameValues later = v;
    later.setTicked(QStringLiteral("CheckDomyslny"), false);
    later.rowCount = 3;
    EXPECT_FALSE(firstRefusal(checks, later));
    EXPECT_FALSE(later.ticked(QStringLiteral("CheckDomyslny")));

    // A new code must fill its eight positions; a stored code is corrected as plain text.
    later.setText(kCode, QStringLiteral("1234____"));
    ASSERT_TRUE(firstRefusal(checks, later));
    EXPECT_EQ(firstRefusal(checks, later)->text, QStringLiteral("Numer WNI zakładu musi mieć 8 cyfr!"));
    later.isNew = false;
    later.setText(kCode, QStringLiteral("1234"));
    EXPECT_FALSE(firstRefusal(checks, later));
}

class FormZlewTest : public RegisterTest
{
protected:
    FormZlew& open()
    {
        FormZlew& window = FormZlew::instance();
        window.selectOrdering(0);
        window.bindRecords(QStringLiteral("SELECT * FROM ZAKLAD ORDER BY WNI"));
        show(window);
        return window;
    }
    void fill(FormZlew& window, const QString& code, const QString& name, bool isDefault = false)
    {
        type(window, kCode, code);
        type(window, QStringLiteral("ComboTypWNI"), QStringLiteral("zakładu ubojowego"));
        type(window, QStringLiteral("TextNazwa"), name);
        type(window, QStringLiteral("ComboWoj"), QStringLiteral("Mazowieckie"));
        type(window, QStringLiteral("TextKodPIW"), QStringLiteral("1465"));
        defaultBox(window)->setChecked(isDefault);
    }
    void addEstablishment(FormZlew& window, const QString& code, const QString& name, bool isDefault = false)
    {
        click(window, QStringLiteral("ComZlewDod"));
        fill(window, code, name, isDefault);
        click(window, QStringLiteral("ComZlewZap"));
    }
    static QCheckBox* defaultBox(FormZlew& window)
    {
        return window.findChild<QCheckBox*>(QStringLiteral("CheckDomyslny"));
    }
    QVariantList defaults()
    {
        return column(QStringLiteral("SELECT WNI FROM ZAKLAD WHERE Domyslny = 'T' ORDER BY WNI"));
    }
    void establishment(const QString& code, const QString& name)
    {
        insert(QStringLiteral("ZAKLAD"), {{QStringLiteral("WNI"), code},
                                          {QStringLiteral("Nazwa"), name},
                                          {QStringLiteral("TypWNI"), QStringLiteral("zakładu ubojowego")},
                                          {QStringLiteral("Wojewodztwo"), QStringLiteral("Mazowieckie")},
                                          {QStringLiteral("KodPIW"), QStringLiteral("1465")}});
    }
};

TEST_F(FormZlewTest, TheDefaultMarkStaysOnOneEstablishment)
{
    FormZlew& window = open();
    addEstablishment(window, QStringLiteral("14650001"), QStringLiteral("Pierwszy"));
    EXPECT_TRUE(dialogs->calls().empty());
    EXPECT_EQ(defaults(), QVariantList{QStringLiteral("14650001")});

    addEstablishment(window, QStringLiteral("14650002"), QStringLiteral("Drugi"));
    EXPECT_EQ(defaults(), QVariantList{QStringLiteral("14650001")});
    addEstablishment(window, QStringLiteral("14650003"), QStringLiteral("Trzeci"), true);
    EXPECT_EQ(defaults(), QVariantList{QStringLiteral("14650003")});
    EXPECT_EQ(currentRow(window).mid(0, 3),
              (QStringList{QStringLiteral("14650003"), QStringLiteral("Trzeci"), QStringLiteral("T")}));

    // Correcting the default establishment with the box unticked keeps its mark.
    click(window, QStringLiteral("ComZlewKor"));
    EXPECT_EQ(window.frame().title(), QStringLiteral("KOREKTA ZAKŁADU"));
    EXPECT_TRUE(defaultBox(window)->isChecked());
    defaultBox(window)->setChecked(false);
    click(window, QStringLiteral("ComZlewZap"));
    EXPECT_EQ(defaults(), QVariantList{QStringLiteral("14650003")});

    // A new row starts unticked, whatever the last correction showed.
    click(window, QStringLiteral("ComZlewDod"));
    EXPECT_FALSE(defaultBox(window)->isChecked());
    EXPECT_EQ(text(window, kCode), QStringLiteral("________"));
    EXPECT_EQ(text(window, QStringLiteral("MEBKodPoczt")), QStringLiteral("__-___"));
}

TEST_F(FormZlewTest, FieldsAreStoredByTheirRules)
{
    FormZlew& window = open();
    click(window, QStringLiteral("ComZlewDod"));
    fill(window, QStringLiteral("14650001"), QStringLiteral(" Ubojnia "));
    type(window, QStringLiteral("ComboTypWNI"), QStringLiteral("gospodarstwa*"));
    type(window, QStringLiteral("MEBKodPoczt"), QStringLiteral("123"));
    EXPECT_EQ(text(window, QStringLiteral("MEBKodPoczt")), QStringLiteral("12-3__"));
    type(window, QStringLiteral("TextMiejsc"), QStringLiteral("  ") + QString(60, u'ż'));
    type(window, QStringLiteral("TextMail"), QString(40, u'm'));
    type(window, QStringLiteral("TextAdres"), QStringLiteral(" ul. Długa 1"));
    type(window, QStringLiteral("TextKodPIW"), QStringLiteral("12"));
    click(window, QStringLiteral("ComZlewZap"));
    ASSERT_TRUE(dialogs->calls().empty()) << boxes().join(u'\n').toStdString();

    db::Recordset row = stale().openRecordset(QStringLiteral("SELECT * FROM ZAKLAD"));
    ASSERT_EQ(row.recordCount(), 1);
    EXPECT_EQ(row.value(QStringLiteral("TypWNI")), QStringLiteral("gospodarstwa*"));
    EXPECT_EQ(row.value(QStringLiteral("Nazwa")), QStringLiteral(" Ubojnia "));
    EXPECT_TRUE(db::isNull(row.value(QStringLiteral("KodPocztowy"))));
    EXPECT_EQ(row.value(QStringLiteral("Miasto")), QString(50, u'ż'));
    EXPECT_EQ(row.value(QStringLiteral("Email")), QString(30, u'm'));
    EXPECT_EQ(row.value(QStringLiteral("Ulica")), QStringLiteral(" ul. Długa 1"));
    EXPECT_EQ(row.value(QStringLiteral("KodPIW")), QStringLiteral("12"));

    // A correction shows the stored code as plain text; a complete postal code is written.
    click(window, QStringLiteral("ComZlewKor"));
    EXPECT_EQ(text(window, kCode), QStringLiteral("14650001"));
    EXPECT_TRUE(enabled(window, kCode));
    EXPECT_EQ(text(window, QStringLiteral("MEBKodPoczt")), QStringLiteral("__-___"));
    type(window, QStringLiteral("MEBKodPoczt"), QStringLiteral("00950"));
    click(window, QStringLiteral("ComZlewZap"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT KodPocztowy FROM ZAKLAD")), QStringLiteral("00-950"));
}

TEST_F(FormZlewTest, ACodeHeldByAnotherEstablishmentIsRefusedForNewRowsAndCorrections)
{
    establishment(QStringLiteral("14650001"), QStringLiteral("Pierwszy"));
    establishment(QStringLiteral("14650002"), QStringLiteral("Drugi"));
    FormZlew& window = open();
    addEstablishment(window, QStringLiteral("14650002"), QStringLiteral("Nowy"));
    ASSERT_EQ(dialogs->calls().size(), 1u);
    EXPECT_EQ(dialogs->last().text, QStringLiteral("Zakład o podanym kodzie już istnieje!"));
    EXPECT_EQ(dialogs->last().title, QStringLiteral("ZAPISYWANIE"));
    EXPECT_EQ(dialogs->last().icon, ui::Icon::Warning);
    EXPECT_TRUE(frameOpen(window));
    EXPECT_EQ(window.focusWidget(), window.control(kCode));
    click(window, QStringLiteral("ComZlewRez"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM ZAKLAD")), 2);

    // A correction may keep its own code, but not take another establishment's.
    click(window, QStringLiteral("ComZlewKor")); // the first row, 14650001
    type(window, kCode, QStringLiteral("14650002"));
    click(window, QStringLiteral("ComZlewZap"));
    EXPECT_EQ(dialogs->calls().size(), 2u);
    type(window, kCode, QStringLiteral("14650001"));
    type(window, QStringLiteral("TextNazwa"), QStringLiteral("Pierwszy poprawiony"));
    click(window, QStringLiteral("ComZlewZap"));
    EXPECT_EQ(dialogs->calls().size(), 2u) << boxes().join(u'\n').toStdString();
    EXPECT_EQ(column(QStringLiteral("SELECT Nazwa FROM ZAKLAD ORDER BY WNI")),
              (QVariantList{QStringLiteral("Pierwszy poprawiony"), QStringLiteral("Drugi")}));
}

TEST_F(FormZlewTest, ASaveThatFailsKeepsTheOldDefaultAndTheTypedValues)
{
    FormZlew& window = open();
    addEstablishment(window, QStringLiteral("14650001"), QStringLiteral("Pierwszy"));
    stale().execute(QStringLiteral("CREATE TRIGGER odmowa BEFORE INSERT ON ZAKLAD WHEN NEW.WNI = '99999999' "
                                   "BEGIN SELECT RAISE(ABORT, 'odmowa'); END"));
    addEstablishment(window, QStringLiteral("99999999"), QStringLiteral("Odrzucony"), true);
    ASSERT_EQ(dialogs->calls().size(), 1u);
    EXPECT_EQ(dialogs->last().title, QStringLiteral("Zapis zakładu"));
    EXPECT_EQ(defaults(), QVariantList{QStringLiteral("14650001")});
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM ZAKLAD")), 1);
    EXPECT_TRUE(frameOpen(window));
    EXPECT_EQ(text(window, QStringLiteral("TextNazwa")), QStringLiteral("Odrzucony"));
    EXPECT_EQ(window.dataControl().recordCount(), 1);
}

TEST_F(FormZlewTest, SearchFollowsTheTypedPrefixOfTheChosenOrder)
{
    establishment(QStringLiteral("12010001"), QStringLiteral("Łukasik"));
    establishment(QStringLiteral("12020002"), QStringLiteral("O'Neil"));
    establishment(QStringLiteral("14010001"), QStringLiteral("Abc*"));
    FormZlew& window = open();
    auto* search = window.findChild<QLineEdit*>(QStringLiteral("TextSzuk"));
    click(window, QStringLiteral("ComZlewSzuk"));
    EXPECT_TRUE(search->isVisible());
    EXPECT_EQ(search->text(), QStringLiteral("12010001"));
    EXPECT_EQ(search->selectedText(), QStringLiteral("12010001"));
    EXPECT_FALSE(enabled(window, QStringLiteral("ComZlewDod")));
    EXPECT_TRUE(enabled(window, QStringLiteral("OptionK")));
    EXPECT_FALSE(enabled(window, QStringLiteral("OptionN")));
    type(window, QStringLiteral("TextSzuk"), QStringLiteral("14"));
    EXPECT_EQ(currentRow(window).value(0), QStringLiteral("14010001"));
    click(window, QStringLiteral("ComSzukAkc"));
    EXPECT_FALSE(search->isVisible());
    EXPECT_TRUE(enabled(window, QStringLiteral("ComZlewDod")));
    EXPECT_EQ(window.focusWidget(), window.control(QStringLiteral("ComZlewZamk")));

    window.findChild<QRadioButton*>(QStringLiteral("OptionN"))->setChecked(true);
    EXPECT_EQ(currentRow(window).value(1), QStringLiteral("Abc*"));
    click(window, QStringLiteral("ComZlewSzuk"));
    EXPECT_TRUE(search->text().isEmpty());
    type(window, QStringLiteral("TextSzuk"), QStringLiteral("ł"));
    EXPECT_EQ(currentRow(window).value(1), QStringLiteral("Łukasik"));
    type(window, QStringLiteral("TextSzuk"), QStringLiteral(" o'n"));
    EXPECT_EQ(currentRow(window).value(1), QStringLiteral("O'Neil"));
    // A typed "*" is a letter of the name, not a wildcard.
    type(window, QStringLiteral("TextSzuk"), QStringLiteral("abc*"));
    EXPECT_EQ(currentRow(window).value(1), QStringLiteral("Abc*"));
    type(window, QStringLiteral("TextSzuk"), QStringLiteral("*"));
    EXPECT_EQ(currentRow(window).value(1), QStringLiteral("Abc*"));
    EXPECT_TRUE(dialogs->calls().empty());
}

TEST_F(FormZlewTest, DeleteAsksWithoutLockingAndRefreshes)
{
    establishment(QStringLiteral("12010001"), QStringLiteral("Pierwszy"));
    establishment(QStringLiteral("12010002"), QStringLiteral("Drugi"));
    FormZlew& window = open();
    window.dataControl().moveToRow(1);
    dialogs->answerYes();
    click(window, QStringLiteral("ComZlewKas"));
    EXPECT_EQ(dialogs->last().text, QStringLiteral("Czy na pewno usunąć zakład?"));
    EXPECT_EQ(dialogs->last().title, QStringLiteral("USUWANIE!"));
    EXPECT_EQ(dialogs->last().icon, ui::Icon::Question);
    EXPECT_EQ(column(QStringLiteral("SELECT Nazwa FROM ZAKLAD")), QVariantList{QStringLiteral("Pierwszy")});
    EXPECT_EQ(window.grid().model()->rowCount(), 1);
}

} // namespace
