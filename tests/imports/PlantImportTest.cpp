#include "ImportFixture.h"

#include "batch/BatchRows.h"
#include "common/ModLabor.h"

#include <QTest>

using namespace trelimor;
using namespace trelimor::test;

namespace {

class PlantImportTest : public ImportFixture
{
protected:
    void SetUp() override
    {
        ImportFixture::SetUp();
        zaloguj();
        for (const auto& [kod, miasto] : {std::pair("1002", "Kutno"), std::pair("1003", "Żychlin")})
            wstaw(ModLabor().BazaStale, QStringLiteral("PIW"),
                  {{QStringLiteral("IDPIW"), QString::fromUtf8(kod)},
                   {QStringLiteral("Miasto"), QString::fromUtf8(miasto)}});
        wstaw(ModLabor().BazaStale, QStringLiteral("Klient"),
              {{QStringLiteral("WNI"), QStringLiteral("PL054673891001")},
               {QStringLiteral("TypWNI"), QStringLiteral("gospodarstwa")},
               {QStringLiteral("Nazwisko"), QStringLiteral("Wiśniewski")},
               {QStringLiteral("Imie"), QStringLiteral("Józef")},
               {QStringLiteral("Miejscowosc"), QStringLiteral("Łomianki")},
               {QStringLiteral("NrPosesja"), QStringLiteral("Polna 7")},
               {QStringLiteral("Wojewodztwo"), QStringLiteral("mazowieckie")},
               {QStringLiteral("KodWoj"), QStringLiteral("14")},
               {QStringLiteral("Powiat"), QStringLiteral("warszawski zachodni")},
               {QStringLiteral("KodPIW"), QStringLiteral("1432")},
               {QStringLiteral("Gmina"), QStringLiteral("Łomianki")},
               {QStringLiteral("ObjawyChorobowe"), QStringLiteral("brak")},
               {QStringLiteral("Uzytkowosc"), QStringLiteral("mleczna")},
               {QStringLiteral("LiczebnoscStada"), 40}});
    }

    // An empty batch of the establishment, sampled 30.03.2022, made the current one.
    void partiaZakladu(int partia, const QString& zaklad)
    {
        wstaw(rok(), QStringLiteral("Partia"),
              {{QStringLiteral("Partia"), partia},
               {QStringLiteral("KodZakladu"), zaklad},
               {QStringLiteral("Powiat"), QStringLiteral("1465")},
               {QStringLiteral("DataPobr"), QDate(2022, 3, 30)},
               {QStringLiteral("Uwagi"), QStringLiteral("uwagi partii")}});
        okno().loadBatches();
    }

    // "&Wczytaj" with the file chosen (or the dialog cancelled); the boxes shown after the dialog.
    std::vector<DialogCall> wczytaj(const QString& plik)
    {
        const std::size_t przed = dialogs->calls().size();
        if (plik.isEmpty())
            dialogs->answerCancel();
        else
            dialogs->answerFile(daneTestowe(plik));
        QTest::mouseClick(okno().ComWczytaj, Qt::LeftButton);
        return nowe(przed + 1);
    }

    std::vector<DialogCall> nowe(std::size_t od)
    {
        return {dialogs->calls().begin() + qsizetype(od), dialogs->calls().end()};
    }

    // The first sample's save, which runs a waiting import; the boxes shown.
    std::vector<DialogCall> zapiszWzor()
    {
        const std::size_t przed = dialogs->calls().size();
        QTest::mouseClick(okno().ComZapiszFrNaPIW, Qt::LeftButton);
        return nowe(przed);
    }

    static QString tekst(const QVariantMap& probka, const char* pole)
    {
        return probka.value(QString::fromLatin1(pole)).toString();
    }
    static bool pusty(const QVariantMap& probka, const char* pole)
    {
        return probka.value(QString::fromLatin1(pole)).isNull();
    }

    // After every import: the window free, no file waiting.
    void oknoWolne()
    {
        FormPartia& w = okno();
        EXPECT_TRUE(w.LabelWczytajPlik->text().isEmpty());
        EXPECT_FALSE(w.CzekaNaPierwszaProbke);
        EXPECT_TRUE(w.ComWczytaj->isEnabled());
        EXPECT_TRUE(w.FramePartiaG->isHidden());
    }
};

// Format A: the sample frame opens with row 1's animal; what the user completes there goes to
// every sample, each with its own ear tag, age and number.
TEST_F(PlantImportTest, FormatACopiesTheCompletedFirstSampleToEveryRow)
{
    otworzOkno();
    FormPartia& w = okno();
    partiaZakladu(1, QStringLiteral("20023804"));
    std::vector<DialogCall> okna = wczytaj(QStringLiteral("zaklad_a.xls"));
    EXPECT_EQ(dialogs->calls().at(dialogs->calls().size() - okna.size() - 1).filter,
              QStringLiteral("All Files (*.*)|*.*|Excel (*.xls)|*.xls"));
    ASSERT_EQ(okna.size(), 1u);
    EXPECT_TRUE(okna[0].text.startsWith(QStringLiteral("Ustaw parametry dla pierwszej próbki!\r")));
    ASSERT_FALSE(w.FramePartiaG->isHidden());
    EXPECT_EQ(w.TextNrKolczyka->text(), QStringLiteral("PL005467389121"));
    EXPECT_EQ(w.ComboWiek->currentText(), QStringLiteral("30"));
    EXPECT_TRUE(w.CzekaNaPierwszaProbke);
    EXPECT_EQ(w.LabelWczytajPlik->text(), daneTestowe(QStringLiteral("zaklad_a.xls")));

    w.ComboWiek->setEditText(QStringLiteral("29")); // the user's correction of the first animal
    w.ComboRodzajUboju->setEditText(QStringLiteral("N"));
    w.ComboObjawyChorobowe->setEditText(QStringLiteral("brak"));
    w.ComboUzytkowosc->setEditText(QStringLiteral("mleczna"));
    w.TextNrGospod->setText(QStringLiteral("PL0123456789001"));
    w.TextWlascicielNazwisko->setText(QStringLiteral("Nowak"));
    EXPECT_TRUE(zapiszWzor().empty());

    const QList<QVariantMap> p = probkiPartii(1);
    ASSERT_EQ(p.size(), 4); // the text row ends the file
    const QStringList kolczyki{QStringLiteral("PL005467389121"), QStringLiteral("PL005467389122"),
                               QStringLiteral("PL005467389123"), QStringLiteral("PL005467389124")};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(tekst(p[i], "NrProbki"), QString::number(i + 1));
        EXPECT_EQ(tekst(p[i], "IDProbkiNr"), QStringLiteral("00%1").arg(i + 1));
        EXPECT_EQ(tekst(p[i], "IDProbkiWNI"), QStringLiteral("20023804"));
        EXPECT_EQ(tekst(p[i], "IDProbkiData"), QStringLiteral("30032022"));
        EXPECT_EQ(tekst(p[i], "NrKolczyka"), kolczyki[i]);
        EXPECT_EQ(tekst(p[i], "RodzajUboju"), QStringLiteral("N"));
        EXPECT_EQ(tekst(p[i], "NrGospod"), QStringLiteral("PL0123456789001"));
        EXPECT_EQ(tekst(p[i], "WlascicielNazwisko"), QStringLiteral("Nowak"));
        EXPECT_EQ(tekst(p[i], "Gatunek"), QStringLiteral("Bydło"));
        EXPECT_EQ(tekst(p[i], "Plec"), QStringLiteral("żeńska"));
    }
    EXPECT_EQ(p[0].value(QStringLiteral("Wiek")).toDouble(), 29);
    EXPECT_EQ(p[1].value(QStringLiteral("Wiek")).toDouble(), 31.5);
    EXPECT_TRUE(pusty(p[2], "Wiek"));
    EXPECT_EQ(w.DataProbka->recordCount(), 4);
    EXPECT_TRUE(w.sampleCaption().endsWith(QStringLiteral("               ILOŚĆ POZYCJI: 4")));
    oknoWolne();
}

// Format B: the first sample from row 5 with its owner from the clients register; the other
// rows' animals from the file, an unknown sex or species told and left empty.
TEST_F(PlantImportTest, FormatBTakesTheOwnerFromTheRegisterAndEachAnimalFromItsRow)
{
    otworzOkno();
    FormPartia& w = okno();
    partiaZakladu(1, QStringLiteral("14180103"));
    EXPECT_TRUE(wczytaj(QStringLiteral("zaklad_b.xls")).empty());
    ASSERT_FALSE(w.FramePartiaG->isHidden());
    EXPECT_EQ(w.TextNrKolczyka->text(), QStringLiteral("PL005467389121"));
    EXPECT_EQ(w.ComboWiek->currentText(), QStringLiteral("36"));
    EXPECT_EQ(w.ComboPlec->currentText(), QStringLiteral("żeńska"));
    EXPECT_EQ(w.ComboGatunek->currentText(), QStringLiteral("Bydło"));
    EXPECT_EQ(w.TextDataUrodzenia->text(), QStringLiteral("01.04.2019"));
    EXPECT_EQ(w.TextNrGospod->text(), QStringLiteral("PL054673891001"));
    EXPECT_EQ(w.LabTypWNI->text(), QStringLiteral("gospodarstwa"));
    EXPECT_EQ(w.TextWlascicielNazwisko->text(), QStringLiteral("Wiśniewski"));
    EXPECT_EQ(w.TextKodPIW->text(), QStringLiteral("1432"));
    EXPECT_EQ(w.ComboUzytkowosc->currentText(), QStringLiteral("mleczna"));
    EXPECT_EQ(w.ComboRodzajUboju->currentText(), QStringLiteral("N"));
    EXPECT_EQ(w.ComboRodzajMaterialu->currentText(), QStringLiteral("pień mózgu"));

    const std::vector<DialogCall> okna = zapiszWzor();
    ASSERT_EQ(okna.size(), 2u);
    EXPECT_EQ(okna[0].text, QStringLiteral("Nieprawidłowa płeć w wierszu nr 7"));
    EXPECT_EQ(okna[1].text, QStringLiteral("Nieprawidłowy gatunek w wierszu nr 7"));
    const QList<QVariantMap> p = probkiPartii(1);
    ASSERT_EQ(p.size(), 4);
    EXPECT_EQ(tekst(p[1], "Plec"), QStringLiteral("męska"));
    EXPECT_EQ(tekst(p[1], "Gatunek"), QStringLiteral("Kozy"));
    EXPECT_EQ(tekst(p[2], "Plec"), QString());
    EXPECT_EQ(tekst(p[2], "Gatunek"), QString());
    EXPECT_EQ(tekst(p[3], "Plec"), QStringLiteral("żeńska"));
    EXPECT_EQ(tekst(p[3], "Gatunek"), QStringLiteral("Owce"));
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(tekst(p[i], "NrKolczyka"), QStringLiteral("PL00546738912%1").arg(i + 1));
        EXPECT_EQ(p[i].value(QStringLiteral("Wiek")).toInt(), 36 + 12 * i);
        EXPECT_EQ(tekst(p[i], "DataUrodzenia"),
                  QDate(2019 - i, 4 + i, 1 + i).toString(QStringLiteral("dd.MM.yyyy")));
        EXPECT_EQ(tekst(p[i], "NrGospod"), QStringLiteral("PL054673891001")); // row 6's own is not read
        EXPECT_EQ(tekst(p[i], "WlascicielNazwisko"), QStringLiteral("Wiśniewski"));
        EXPECT_EQ(tekst(p[i], "KodPIW"), QStringLiteral("1432"));
        EXPECT_EQ(tekst(p[i], "RodzajUboju"), QStringLiteral("N"));
        EXPECT_EQ(tekst(p[i], "RodzajMaterialu"), QStringLiteral("pień mózgu"));
        EXPECT_EQ(tekst(p[i], "WarunkiPrzechowywania"), QStringLiteral("schłodzone"));
    }
    oknoWolne();
}

// Formats C and E import at once, each row with its own number, the district looked up in PIW;
// the run stops at an empty row, and samples without a district code are pointed out.
TEST_F(PlantImportTest, FormatsCAndEImportAtOnce)
{
    otworzOkno();
    FormPartia& w = okno();
    partiaZakladu(1, QStringLiteral("20137701"));
    // Every sample has its district's code: the row that ends the file, which has none, is no sample.
    std::vector<DialogCall> okna = wczytaj(QStringLiteral("zaklad_c.xls"));
    EXPECT_TRUE(okna.empty());
    QList<QVariantMap> p = probkiPartii(1);
    ASSERT_EQ(p.size(), 3);
    EXPECT_EQ(tekst(p[0], "IDProbkiWNI"), QStringLiteral("20137701"));
    EXPECT_EQ(tekst(p[0], "IDProbkiNr"), QStringLiteral("007"));
    EXPECT_EQ(tekst(p[0], "IDProbkiData"), QStringLiteral("30032022"));
    EXPECT_EQ(tekst(p[0], "Powiat"), QStringLiteral("Kutno"));
    EXPECT_EQ(tekst(p[0], "KodPIW"), QStringLiteral("1002"));
    EXPECT_EQ(tekst(p[0], "KodWoj"), QStringLiteral("10"));
    EXPECT_FALSE(tekst(p[0], "Wojewodztwo").isEmpty());
    EXPECT_EQ(tekst(p[0], "Plec"), QStringLiteral("męska"));
    EXPECT_EQ(tekst(p[0], "Gatunek"), QStringLiteral("Owce"));
    EXPECT_EQ(tekst(p[0], "RodzajUboju"), QStringLiteral("P"));
    EXPECT_EQ(tekst(p[0], "ObjawyChorobowe"), QStringLiteral("brak danych"));
    EXPECT_EQ(p[0].value(QStringLiteral("LiczebnoscStada")).toInt(), 25);
    EXPECT_EQ(tekst(p[1], "Powiat"), QStringLiteral("ŻYCHLIN")); // the town found in any letter case
    EXPECT_EQ(tekst(p[1], "KodPIW"), QStringLiteral("1003"));
    EXPECT_TRUE(pusty(p[1], "LiczebnoscStada"));
    EXPECT_EQ(tekst(p[1], "Plec"), QStringLiteral("żeńska"));
    EXPECT_EQ(tekst(p[1], "Gatunek"), QStringLiteral("Bydło"));
    EXPECT_EQ(tekst(p[2], "Gatunek"), QStringLiteral("Kozy"));
    EXPECT_FALSE(w.CzekaNaPierwszaProbke);
    oknoWolne();

    // Format E: the owner is the one the sample frame holds.
    partiaZakladu(2, QStringLiteral("14383804"));
    w.TextWlascicielNazwisko->setText(QStringLiteral("Kowalski"));
    okna = wczytaj(QStringLiteral("zaklad_e.xls"));
    ASSERT_EQ(okna.size(), 2u);
    EXPECT_EQ(okna[0].text,
              QStringLiteral("Kod PIW powinien składać się z 4 cyfr!\rBłędna wartość nie zostanie "
                             "wprowadzona!\rSprawdź po zakończeniu wczytywania!"));
    EXPECT_EQ(okna[1].text, QStringLiteral("Uzupełnij brakujące 4-cyfrowe kody PIW!"));
    EXPECT_EQ(okna[1].title, QStringLiteral("INFORMACJA"));
    EXPECT_EQ(okna[1].icon, ui::Icon::Warning);
    p = probkiPartii(2);
    ASSERT_EQ(p.size(), 3);
    EXPECT_EQ(tekst(p[0], "IDProbkiWNI"), QStringLiteral("14383804"));
    EXPECT_EQ(tekst(p[0], "KodPIW"), QStringLiteral("1002"));
    EXPECT_EQ(tekst(p[0], "Powiat"), QStringLiteral("Kutno"));
    EXPECT_EQ(tekst(p[0], "ObjawyChorobowe"), QStringLiteral("brak danych"));
    EXPECT_EQ(tekst(p[0], "Gatunek"), QStringLiteral("Bydło"));
    EXPECT_EQ(tekst(p[0], "Plec"), QStringLiteral("męska"));
    EXPECT_EQ(tekst(p[0], "RodzajUboju"), QStringLiteral("N"));
    EXPECT_EQ(tekst(p[1], "ObjawyChorobowe"), QStringLiteral("kulawizna"));
    EXPECT_TRUE(pusty(p[1], "KodPIW"));
    EXPECT_EQ(tekst(p[1], "Gatunek"), QStringLiteral("Owce"));
    for (const QVariantMap& probka : p)
        EXPECT_EQ(tekst(probka, "WlascicielNazwisko"), QStringLiteral("Kowalski"));
    oknoWolne();
}

// Format D: each line carries its whole code; a field in quotes may hold ";"; the remark goes
// with its sample, never to the batch.
TEST_F(PlantImportTest, FormatDReadsTheLinesOfItsTextFile)
{
    otworzOkno();
    FormPartia& w = okno();
    partiaZakladu(1, QStringLiteral("06140205"));
    const std::vector<DialogCall> okna = wczytaj(QStringLiteral("zaklad_d.txt"));
    EXPECT_EQ(dialogs->calls().at(dialogs->calls().size() - okna.size() - 1).filter,
              QStringLiteral("All Files (*.*)|*.*|txt (*.txt)|*.txt"));
    ASSERT_EQ(okna.size(), 2u);
    EXPECT_EQ(okna[0].text, QStringLiteral("Płęś musi być męska lub żeńska!"));
    EXPECT_EQ(okna[1].text,
              QStringLiteral("Pole 'Identyfikator stada' nie może być puste!\rUzupełnij po wczytaniu!"));
    const QList<QVariantMap> p = probkiPartii(1);
    ASSERT_EQ(p.size(), 3); // the blank line ends the file
    EXPECT_EQ(tekst(p[0], "IDProbkiWNI"), QStringLiteral("06140205"));
    EXPECT_EQ(tekst(p[0], "Uwagi"), QStringLiteral("Kulawizna; prawa tylna"));
    EXPECT_EQ(tekst(p[0], "Gatunek"), QStringLiteral("Bydło"));
    EXPECT_EQ(p[0].value(QStringLiteral("LiczebnoscStada")).toInt(), 25);
    EXPECT_EQ(p[1].value(QStringLiteral("Wiek")).toDouble(), 31.5);
    EXPECT_EQ(tekst(p[1], "Plec"), QStringLiteral("samiec"));
    EXPECT_EQ(tekst(p[1], "Gatunek"), QStringLiteral("Owce"));
    EXPECT_EQ(tekst(p[2], "IDProbkiWNI"), QStringLiteral("14650011"));
    EXPECT_EQ(tekst(p[2], "IDProbkiData"), QStringLiteral("29032022"));
    EXPECT_TRUE(pusty(p[2], "Wiek"));
    EXPECT_TRUE(pusty(p[2], "LiczebnoscStada"));
    EXPECT_EQ(rok().scalar(QStringLiteral("SELECT Uwagi FROM Partia WHERE Partia = 1")),
              QVariant(QStringLiteral("uwagi partii")));
    EXPECT_TRUE(w.TextUwagi->toPlainText().isEmpty());
    oknoWolne();
}

// Every refusal stores nothing of the file and leaves the window free.
TEST_F(PlantImportTest, RefusedFilesStoreNothing)
{
    otworzOkno();
    FormPartia& w = okno();

    // A batch that has samples.
    dodajPartie(rok(), 1, 1);
    w.loadBatches();
    std::size_t przed = dialogs->calls().size();
    QTest::mouseClick(w.ComWczytaj, Qt::LeftButton);
    ASSERT_EQ(dialogs->calls().size(), przed + 1);
    EXPECT_EQ(dialogs->last().text, QStringLiteral("Dane można wczytać do partii, która nie ma przypisanych "
                                                   "próbek!\rZałóż nową partię i wczytaj ponownie!"));

    // An establishment without a layout of its own.
    partiaZakladu(2, QStringLiteral("14650011"));
    std::vector<DialogCall> okna = wczytaj(QStringLiteral("zaklad_c.xls"));
    ASSERT_EQ(okna.size(), 1u);
    EXPECT_TRUE(okna[0].text.startsWith(QStringLiteral("Istnieje możliwość wczytywania plików")));
    oknoWolne();

    // A number repeated in the file.
    partiaZakladu(3, QStringLiteral("20137701"));
    EXPECT_TRUE(wczytaj(QString()).empty()); // the dialog cancelled: nothing said
    oknoWolne();
    okna = wczytaj(QStringLiteral("zaklad_c_powtorzony.xls"));
    ASSERT_EQ(okna.size(), 1u);
    EXPECT_EQ(okna[0].title, QStringLiteral("KONTROLA POPRAWNOŚCI"));
    EXPECT_EQ(okna[0].text,
              QStringLiteral("Próbka o numerze: 2 już istnieje.\r\nPopraw nr próbki! (wiersz 3)"));
    oknoWolne();

    // Numbers counted on past 999 from the first sample's.
    partiaZakladu(4, QStringLiteral("20023804"));
    wczytaj(QStringLiteral("zaklad_a.xls"));
    w.TextNrProbki->setText(QStringLiteral("998"));
    w.TextIDProbkiNr->setText(QStringLiteral("998"));
    w.ComboRodzajUboju->setEditText(QStringLiteral("N"));
    w.ComboObjawyChorobowe->setEditText(QStringLiteral("brak"));
    w.ComboUzytkowosc->setEditText(QStringLiteral("mleczna"));
    w.TextNrGospod->setText(QStringLiteral("PL0123456789001"));
    okna = zapiszWzor();
    ASSERT_EQ(okna.size(), 2u);
    EXPECT_EQ(okna[0].text, QStringLiteral("Przekroczono długość łańcucha: 1000"));
    EXPECT_EQ(okna[1].text, QStringLiteral("Numer uboju we wczytywanej partii próbek przekracza 3 znaki!\r"
                                           "Popraw plik i wczytaj ponownie! (wiersz 3)"));
    oknoWolne();

    // The first sample's frame cancelled: nothing waits any more, a sample saved by hand is saved.
    wczytaj(QStringLiteral("zaklad_a.xls"));
    ASSERT_TRUE(w.CzekaNaPierwszaProbke);
    QTest::mouseClick(w.ComAnulujFrNaPIW, Qt::LeftButton);
    oknoWolne();
    QTest::mouseClick(w.ComDodajG, Qt::LeftButton);
    uzupelnijProbke(QStringLiteral("PL005467389199"));
    przed = dialogs->calls().size();
    QTest::mouseClick(w.ComZapiszFrNaPIW, Qt::LeftButton);
    EXPECT_EQ(dialogs->calls().size(), przed);
    EXPECT_EQ(probkiPartii(4).size(), 1);

    // Format D without its header.
    partiaZakladu(5, QStringLiteral("06140205"));
    okna = wczytaj(QStringLiteral("zaklad_d_naglowek.txt"));
    ASSERT_EQ(okna.size(), 1u);
    EXPECT_EQ(okna[0].text,
              QStringLiteral("Niepoprawny format wczytywanego pliku!\rSprawdź plik i wczytaj ponownie!"));
    oknoWolne();

    EXPECT_EQ(rok().scalar(QStringLiteral("SELECT count(*) FROM Badanie")).toInt(), 2);
}

} // namespace
