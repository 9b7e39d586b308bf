#include "InstalledRegisterTest.h"

#include "common/DataControl.h"
#include "common/DataGrid.h"
#include "common/ModLabor.h"
#include "registers/FormKlient.h"
#include "registers/Openers.h"
#include "registers/RegisterFrame.h"

#include "support/RecordingOpener.h"
#include "support/TypePolish.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>

using namespace trelimor;
using namespace trelimor::test;

namespace {

const QString kNumber = QStringLiteral("TextWNI");
const QString kTown = QStringLiteral("TextMiejscowosc");

TEST(FormKlientChecks, RefuseInTheirOrder)
{
    const std::vector<Check> checks = FormKlient::checks();
    FrameValues v;
    v.isNew = true;
    v.setText(kNumber, QStringLiteral("   "));
    v.setText(QStringLiteral("TextKodPIW"), QStringLiteral("14a5"));
    const std::vector<std::pair<QString, QString>> fixes{{kNumber, QStringLiteral(" PL1")},
                                                         {QStringLiteral("TextKodPIW"), QString()},
                                                         {kTown, QStringLiteral("Radom")}};
    const QStringList expected{QStringLiteral("Wpisz WNI!"), QStringLiteral("Popraw kod PIW!"),
                               QStringLiteral("Wpisz miejscowość!")};
    for (size_t i = 0; i < fixes.size(); ++i) {
        const std::optional<Refusal> refusal = firstRefusal(checks, v);
        ASSERT_TRUE(refusal) << i;
        EXPECT_EQ(refusal->text, expected[qsizetype(i)]);
        EXPECT_EQ(refusal->title, QStringLiteral("INFORMACJA"));
        EXPECT_EQ(refusal->focus, fixes[i].first);
        v.setText(fixes[i].first, fixes[i].second);
    }
    EXPECT_FALSE(firstRefusal(checks, v));
    v.setText(QStringLiteral("TextKodPIW"), QStringLiteral("1465"));
    EXPECT_FALSE(firstRefusal(checks, v));
}

// The sample frame of the batch window, as far as a pick fills it.
struct SampleFrame
{
    SampleFrame()
    {
        for (QLineEdit* box : {TextNrGospod, TextLiczebnoscStada, TextWlascicielNazwisko, TextWlascicielImie,
                               TextWlascicielMiejscowosc, TextWlascicielNrPosesja, TextKodPIW, TextGmina})
            box->setText(QStringLiteral("stare"));
        for (QComboBox* combo : {ComboObjawyChorobowe, ComboUzytkowosc, ComboWoj, ComboPIW}) {
            combo->setEditable(true);
            combo->addItem(QStringLiteral("z listy"));
            combo->setEditText(QStringLiteral("stare"));
        }
        for (QLabel* label : {LabTypWNI, LabIDWOJ, LabIDPIW})
            label->setText(QStringLiteral("stare"));
        TextNrGospod->setMaxLength(15);
    }
    ClientTarget target() const
    {
        return {TextNrGospod,
                LabTypWNI,
                ComboObjawyChorobowe,
                ComboUzytkowosc,
                TextLiczebnoscStada,
                TextWlascicielNazwisko,
                TextWlascicielImie,
                TextWlascicielMiejscowosc,
                TextWlascicielNrPosesja,
                ComboWoj,
                LabIDWOJ,
                ComboPIW,
                TextKodPIW,
                LabIDPIW,
                TextGmina};
    }

    QWidget pane;
    QLineEdit* TextNrGospod = new QLineEdit(&pane);
    QLabel* LabTypWNI = new QLabel(&pane);
    QComboBox* ComboObjawyChorobowe = new QComboBox(&pane);
    QComboBox* ComboUzytkowosc = new QComboBox(&pane);
    QLineEdit* TextLiczebnoscStada = new QLineEdit(&pane);
    QLineEdit* TextWlascicielNazwisko = new QLineEdit(&pane);
    QLineEdit* TextWlascicielImie = new QLineEdit(&pane);
    QLineEdit* TextWlascicielMiejscowosc = new QLineEdit(&pane);
    QLineEdit* TextWlascicielNrPosesja = new QLineEdit(&pane);
    QComboBox* ComboWoj = new QComboBox(&pane);
    QLabel* LabIDWOJ = new QLabel(&pane);
    QComboBox* ComboPIW = new QComboBox(&pane);
    QLineEdit* TextKodPIW = new QLineEdit(&pane);
    QLabel* LabIDPIW = new QLabel(&pane);
    QLineEdit* TextGmina = new QLineEdit(&pane);
};

class FormKlientTest : public InstalledRegisterTest
{
protected:
    void addClient(const QString& number, const QString& surname, const QVariantMap& more = {})
    {
        QVariantMap values = more;
        values.insert(QStringLiteral("WNI"), number);
        values.insert(QStringLiteral("Nazwisko"), surname);
        values.insert(QStringLiteral("Miejscowosc"), QStringLiteral("Radom"));
        insert(QStringLiteral("Klient"), values);
    }
    // Shown as an opener shows it: the first activation fills it.
    FormKlient& open()
    {
        FormKlient& window = FormKlient::instance();
        ModLabor().PierwszaAktywacja = true;
        show(window);
        return window;
    }
    static void goTo(FormKlient& window, const QString& number)
    {
        ASSERT_TRUE(window.dataControl().recordset().findFirst(QStringLiteral("WNI = ?"), {number}));
        window.dataControl().currentChanged();
    }
    static QStringList shown(FormKlient& window, int column)
    {
        QStringList cells;
        const QAbstractItemModel* model = window.grid().model();
        for (int row = 0; row < model->rowCount(); ++row)
            cells << model->index(row, column).data().toString();
        return cells;
    }
    QVariant stored(const QString& field, const QString& number)
    {
        return scalar(QStringLiteral("SELECT %1 FROM Klient WHERE WNI = ?").arg(field), {number});
    }
    void addInspectorate(const QString& code, const QString& town)
    {
        insert(QStringLiteral("PIW"), {{QStringLiteral("IDPIW"), code}, {QStringLiteral("Miasto"), town}});
    }
};

TEST_F(FormKlientTest, NewAndChangedNumbersAreTestedForDuplicatesAndStoredTrimmed)
{
    addClient(QStringLiteral("111"), QStringLiteral("Adamski"));
    addClient(QStringLiteral("222"), QStringLiteral("Borowski"));
    FormKlient& window = open();
    click(window, QStringLiteral("ComLaborDod"));
    EXPECT_EQ(window.frame().title(), QStringLiteral(" NOWY KLIENT "));
    type(window, kNumber, QStringLiteral("111"));
    type(window, kTown, QStringLiteral("Lublin"));
    click(window, QStringLiteral("ComZapisz"));
    EXPECT_EQ(boxes(), QStringList{QStringLiteral("INFORMACJA|Klient o numerze: 111 już istnieje. Popraw!")});
    EXPECT_TRUE(frameOpen(window));
    EXPECT_FALSE(enabled(window, QStringLiteral("ComLaborDod")));

    // The number tested is the number stored: blanks around it make no new client.
    type(window, kNumber, QStringLiteral("111 "));
    click(window, QStringLiteral("ComZapisz"));
    EXPECT_EQ(boxes().value(1), QStringLiteral("INFORMACJA|Klient o numerze: 111 już istnieje. Popraw!"));
    type(window, kNumber, QStringLiteral(" PL002 "));
    click(window, QStringLiteral("ComZapisz"));
    EXPECT_FALSE(frameOpen(window));
    EXPECT_EQ(stored(QStringLiteral("Miejscowosc"), QStringLiteral("PL002")), QStringLiteral("Lublin"));

    // A correction keeping its number is not tested; one taking another client's number is.
    goTo(window, QStringLiteral("222"));
    click(window, QStringLiteral("ComLaborKor"));
    EXPECT_EQ(window.frame().title(), QStringLiteral("KOREKTA KLIENTA"));
    click(window, QStringLiteral("ComZapisz"));
    EXPECT_FALSE(frameOpen(window));
    goTo(window, QStringLiteral("222"));
    click(window, QStringLiteral("ComLaborKor"));
    type(window, kNumber, QStringLiteral("111"));
    click(window, QStringLiteral("ComZapisz"));
    EXPECT_EQ(boxes().size(), 3);
    EXPECT_EQ(boxes().value(2), QStringLiteral("INFORMACJA|Klient o numerze: 111 już istnieje. Popraw!"));
    EXPECT_EQ(column(QStringLiteral("SELECT WNI FROM Klient ORDER BY rowid")),
              (QVariantList{QStringLiteral("111"), QStringLiteral("222"), QStringLiteral("PL002")}));
}

TEST_F(FormKlientTest, ValuesAreStoredByTheirRulesAndCountiesComeFromTheVoivodeship)
{
    addInspectorate(QStringLiteral("1465"), QStringLiteral("Warszawa"));
    addInspectorate(QStringLiteral("1402"), QStringLiteral("Ciechanów"));
    addInspectorate(QStringLiteral("0614"), QStringLiteral("Lublin"));
    addInspectorate(QStringLiteral("3014"), QStringLiteral("Poznań"));
    FormKlient& window = open();
    click(window, QStringLiteral("ComLaborDod"));
    type(window, kNumber, QStringLiteral("PL1"));
    type(window, kTown, QStringLiteral(" Radom "));
    type(window, QStringLiteral("TextLiczebnoscStada"), QStringLiteral("abc"));
    choose(window, QStringLiteral("ComboWoj"), QStringLiteral("Mazowieckie"));
    EXPECT_EQ(text(window, QStringLiteral("LabIDWOJ")), QStringLiteral("14"));
    EXPECT_EQ(items(window, QStringLiteral("ComboPIW")),
              (QStringList{QStringLiteral("Ciechanów"), QStringLiteral("Warszawa")}));
    click(window, QStringLiteral("ComZapisz"));
    EXPECT_TRUE(dialogs->calls().empty());
    EXPECT_EQ(stored(QStringLiteral("Miejscowosc"), QStringLiteral("PL1")), QStringLiteral("Radom"));
    EXPECT_EQ(stored(QStringLiteral("Wojewodztwo"), QStringLiteral("PL1")), QStringLiteral("Mazowieckie"));
    EXPECT_EQ(stored(QStringLiteral("KodWoj"), QStringLiteral("PL1")), QStringLiteral("14"));
    EXPECT_TRUE(db::isNull(stored(QStringLiteral("LiczebnoscStada"), QStringLiteral("PL1"))));
    EXPECT_TRUE(db::isNull(stored(QStringLiteral("KodPIW"), QStringLiteral("PL1"))));

    // A correction lists the counties of the stored voivodeship; choosing one gives its code.
    goTo(window, QStringLiteral("PL1"));
    click(window, QStringLiteral("ComLaborKor"));
    EXPECT_EQ(items(window, QStringLiteral("ComboPIW")),
              (QStringList{QStringLiteral("Ciechanów"), QStringLiteral("Warszawa")}));
    choose(window, QStringLiteral("ComboPIW"), QStringLiteral("Warszawa"));
    EXPECT_EQ(text(window, QStringLiteral("TextKodPIW")), QStringLiteral("1465"));
    EXPECT_EQ(text(window, QStringLiteral("LabIDPIW")), QStringLiteral("1465"));
    type(window, QStringLiteral("TextLiczebnoscStada"), QStringLiteral("120"));
    click(window, QStringLiteral("ComZapisz"));
    EXPECT_EQ(stored(QStringLiteral("KodPIW"), QStringLiteral("PL1")), QStringLiteral("1465"));
    EXPECT_EQ(stored(QStringLiteral("Powiat"), QStringLiteral("PL1")), QStringLiteral("Warszawa"));
    EXPECT_EQ(stored(QStringLiteral("LiczebnoscStada"), QStringLiteral("PL1")), 120);

    goTo(window, QStringLiteral("PL1"));
    click(window, QStringLiteral("ComLaborKor"));
    EXPECT_EQ(text(window, QStringLiteral("ComboPIW")), QStringLiteral("Warszawa"));
    EXPECT_EQ(text(window, QStringLiteral("LabIDPIW")), QStringLiteral("1465"));
    // A voivodeship without inspectorates leaves the county list empty.
    choose(window, QStringLiteral("ComboWoj"), QStringLiteral("Opolskie"));
    EXPECT_EQ(text(window, QStringLiteral("LabIDWOJ")), QStringLiteral("16"));
    EXPECT_TRUE(items(window, QStringLiteral("ComboPIW")).isEmpty());
    EXPECT_EQ(text(window, QStringLiteral("LabIDPIW")), QString());
    EXPECT_TRUE(dialogs->calls().empty());
}

TEST_F(FormKlientTest, TheSearchFiltersByTheChosenFieldIgnoringPolishCase)
{
    addClient(QStringLiteral("1"), QStringLiteral("Mikos"));
    addClient(QStringLiteral("2"), QStringLiteral("kozłowski"));
    addClient(QStringLiteral("3"), QStringLiteral("Kowalski"));
    addClient(QStringLiteral("4"), QStringLiteral("Kołodziej"));
    addClient(QStringLiteral("5"), QStringLiteral("Łoś"));
    FormKlient& window = open();
    auto* criterion = window.findChild<QComboBox*>(QStringLiteral("ComboSzukajWg"));
    EXPECT_EQ(criterion->currentText(), QStringLiteral("Nazwisko"));
    auto* search = window.findChild<QLineEdit*>(QStringLiteral("TextSzuk"));
    typePolish(search, QStringLiteral("ko"));
    EXPECT_EQ(shown(window, 2), (QStringList{QStringLiteral("Kołodziej"), QStringLiteral("Kowalski"),
                                             QStringLiteral("kozłowski")}));
    search->clear();
    typePolish(search, QStringLiteral("ŁO"));
    EXPECT_EQ(shown(window, 2), QStringList{QStringLiteral("Łoś")});
    // A quote is searched for like any letter.
    typePolish(search, QStringLiteral("'"));
    EXPECT_TRUE(shown(window, 2).isEmpty());

    // A criterion not spelled as listed searches nothing.
    criterion->setCurrentText(QStringLiteral("nazwisko"));
    search->clear();
    EXPECT_TRUE(shown(window, 2).isEmpty());
    criterion->setCurrentText(QStringLiteral("WNI"));
    typePolish(search, QStringLiteral("3"));
    EXPECT_EQ(shown(window, 0), QStringList{QStringLiteral("3")});
    window.findChild<QRadioButton*>(QStringLiteral("OptionP"))->click();
    EXPECT_EQ(shown(window, 0), (QStringList{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                                             QStringLiteral("4"), QStringLiteral("5")}));
    EXPECT_TRUE(dialogs->calls().empty());

    // While the frame is open the rows stay as they are.
    click(window, QStringLiteral("ComLaborDod"));
    EXPECT_FALSE(search->isEnabled());
    EXPECT_FALSE(criterion->isEnabled());
    click(window, QStringLiteral("ComAnuluj"));
    EXPECT_TRUE(search->isEnabled());
}

TEST_F(FormKlientTest, APickCopiesTheClientIntoTheSampleFrameAndEndsThePicker)
{
    addClient(QStringLiteral("A"), QStringLiteral("Inny"));
    addClient(QStringLiteral("PL01234567890123"), QStringLiteral("Nowak"),
              {{QStringLiteral("TypWNI"), QStringLiteral("siedziba stada")},
               {QStringLiteral("Imie"), QStringLiteral("Jan")},
               {QStringLiteral("NrPosesja"), QStringLiteral("Polna 3")},
               {QStringLiteral("Nazwa"), QStringLiteral("Gospodarstwo")},
               {QStringLiteral("Uzytkowosc"), QStringLiteral("mięsna")},
               {QStringLiteral("LiczebnoscStada"), 120},
               {QStringLiteral("Wojewodztwo"), QStringLiteral("Mazowieckie")},
               {QStringLiteral("KodWoj"), QStringLiteral("14")},
               {QStringLiteral("Powiat"), QStringLiteral("Warszawa")},
               {QStringLiteral("KodPIW"), QStringLiteral("1465")}});
    SampleFrame sample;
    QSignalSpy chosenVoivodeship(sample.ComboWoj, &QComboBox::activated);
    Installed<RecordingOpener> opener;
    opener->onOpen(QStringLiteral("FormKlient"), [this](QDialog& w) {
        auto& window = static_cast<FormKlient&>(w);
        EXPECT_TRUE(window.ComUzyj->isVisibleTo(&window));
        EXPECT_EQ(ModLabor().TrybSlownika, QStringLiteral("Uzyj"));
        goTo(window, QStringLiteral("PL01234567890123"));
        click(window, QStringLiteral("ComUzyj"));
        EXPECT_FALSE(window.isVisible());
    });
    EXPECT_TRUE(wybierzKlienta(sample.target()));

    EXPECT_EQ(sample.TextNrGospod->text(), QStringLiteral("PL0123456789012")); // what the box takes
    EXPECT_EQ(sample.LabTypWNI->text(), QStringLiteral("siedziba stada"));
    EXPECT_EQ(sample.ComboObjawyChorobowe->currentText(), QStringLiteral("stare")); // none stored
    EXPECT_EQ(sample.ComboUzytkowosc->currentText(), QStringLiteral("mięsna"));
    EXPECT_EQ(sample.TextLiczebnoscStada->text(), QStringLiteral("120"));
    EXPECT_EQ(sample.TextWlascicielNazwisko->text(), QStringLiteral("Nowak"));
    EXPECT_EQ(sample.TextWlascicielImie->text(), QStringLiteral("Jan"));
    EXPECT_EQ(sample.TextWlascicielMiejscowosc->text(), QStringLiteral("Radom"));
    EXPECT_EQ(sample.TextWlascicielNrPosesja->text(), QStringLiteral("Polna 3"));
    EXPECT_EQ(sample.ComboWoj->currentText(), QStringLiteral("Mazowieckie"));
    EXPECT_EQ(sample.LabIDWOJ->text(), QStringLiteral("14"));
    EXPECT_EQ(sample.ComboPIW->currentText(), QStringLiteral("Warszawa"));
    EXPECT_EQ(sample.TextKodPIW->text(), QStringLiteral("1465"));
    EXPECT_EQ(sample.LabIDPIW->text(), QStringLiteral("1465"));
    EXPECT_EQ(sample.TextGmina->text(), QString()); // none stored: emptied
    EXPECT_EQ(chosenVoivodeship.count(), 0);

    FormKlient& window = FormKlient::instance();
    EXPECT_EQ(ModLabor().TrybSlownika, QString());
    EXPECT_FALSE(ModLabor().PierwszaAktywacja);
    EXPECT_FALSE(window.ComUzyj->isVisibleTo(&window));
}

TEST_F(FormKlientTest, ClosingThePickerOrOpeningFromTheMenuNeverWritesIntoTheSampleFrame)
{
    addClient(QStringLiteral("PL1"), QStringLiteral("Nowak"));
    SampleFrame sample;
    Installed<RecordingOpener> opener;
    opener->onOpen(QStringLiteral("FormKlient"),
                   [](QDialog& w) { click(static_cast<FormKlient&>(w), QStringLiteral("ComLaborZamk")); });
    EXPECT_FALSE(wybierzKlienta(sample.target()));
    EXPECT_EQ(sample.TextNrGospod->text(), QStringLiteral("stare"));
    EXPECT_EQ(ModLabor().TrybSlownika, QString());
    EXPECT_FALSE(ModLabor().PierwszaAktywacja); // the batch window does not fill itself again

    // A picker left behind (a mode set by hand) is ended by the menu's opening.
    ModLabor().TrybSlownika = QStringLiteral("Uzyj");
    opener->onOpen(QStringLiteral("FormKlient"), [this](QDialog& w) {
        auto& window = static_cast<FormKlient&>(w);
        EXPECT_FALSE(window.ComUzyj->isVisibleTo(&window));
        EXPECT_EQ(shown(window, 2), QStringList{QStringLiteral("Nowak")}); // filled on showing
        emit window.grid().pickAction();
        EXPECT_TRUE(window.isVisible());
        click(window, QStringLiteral("ComLaborZamk"));
    });
    otworzKlientow();
    EXPECT_EQ(sample.TextNrGospod->text(), QStringLiteral("stare"));
    EXPECT_EQ(ModLabor().TrybSlownika, QString());
    EXPECT_EQ(opener->opened().size(), 2);
}

TEST_F(FormKlientTest, APickWithoutAClientShownKeepsThePickerOpen)
{
    addClient(QStringLiteral("PL1"), QStringLiteral("Nowak"));
    SampleFrame sample;
    Installed<RecordingOpener> opener;
    opener->onOpen(QStringLiteral("FormKlient"), [](QDialog& w) {
        auto& window = static_cast<FormKlient&>(w);
        typePolish(window.findChild<QLineEdit*>(QStringLiteral("TextSzuk")), QStringLiteral("xyz"));
        click(window, QStringLiteral("ComUzyj"));
        EXPECT_TRUE(window.isVisible());
        EXPECT_EQ(ModLabor().TrybSlownika, QStringLiteral("Uzyj"));
        window.reject(); // the window's own close box
    });
    EXPECT_FALSE(wybierzKlienta(sample.target()));
    EXPECT_EQ(sample.TextWlascicielNazwisko->text(), QStringLiteral("stare"));
    EXPECT_EQ(dialogs->calls().size(), 1u); // the beep
    EXPECT_EQ(ModLabor().TrybSlownika, QString());
}

} // namespace
