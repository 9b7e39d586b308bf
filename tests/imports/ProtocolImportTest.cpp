#include "ImportFixture.h"

#include "batch/BatchRows.h"
#include "common/ModLabor.h"

#include <QTest>

using namespace trelimor;
using namespace trelimor::test;

namespace {

const QString kOdmowa = QStringLiteral("Wczytywany plik jest niezgodny z formatem protokołu!\r"
                                       "Prawdopodobnie miała miejsce ręczna ingerencja w strukturę pliku!\r"
                                       "Przerywam wczytywanie!");

class ProtocolImportTest : public ImportFixture
{
protected:
    // The header of the file, then the batch saved: its samples are loaded from the same file.
    // The boxes shown meanwhile.
    std::vector<DialogCall> wczytajPartie(const QString& plik)
    {
        const std::size_t przed = dialogs->calls().size();
        wczytajNaglowek(daneTestowe(plik));
        EXPECT_FALSE(okno().FramePartia->isHidden()) << plik.toStdString();
        zapiszPartie();
        EXPECT_TRUE(okno().FramePartia->isHidden()) << plik.toStdString();
        return {dialogs->calls().begin() + qsizetype(przed) + 1, dialogs->calls().end()};
    }

    QVariant pole(const QVariantMap& probka, const char* nazwa)
    {
        return probka.value(QString::fromLatin1(nazwa));
    }
};

TEST_F(ProtocolImportTest, BothEarTagLayoutsAndTheRulesOfTheColumns)
{
    otworzOknoPartii();
    EXPECT_TRUE(wczytajPartie(QStringLiteral("protokol_uklady.xls")).empty());
    const QList<QVariantMap> p = probkiPartii(1);
    ASSERT_EQ(p.size(), 5);

    // PL and the number in two cells; a seven-digit establishment, a dotted date, codes short of
    // their leading zero.
    EXPECT_EQ(pole(p[0], "IDProbkiWNI"), QStringLiteral("06140205"));
    EXPECT_EQ(pole(p[0], "IDProbkiNr"), QStringLiteral("007"));
    EXPECT_EQ(pole(p[0], "NrProbki").toInt(), 7);
    EXPECT_EQ(pole(p[0], "IDProbkiData"), QStringLiteral("30032022"));
    EXPECT_EQ(pole(p[0], "NrKolczyka"), QStringLiteral("PL005467389121"));
    EXPECT_EQ(pole(p[0], "Wiek").toDouble(), 62);
    EXPECT_EQ(pole(p[0], "Plec"), QStringLiteral("żeńska"));
    EXPECT_EQ(pole(p[0], "RodzajUboju"), QStringLiteral("N"));
    EXPECT_EQ(pole(p[0], "Uwagi"), QString());
    EXPECT_EQ(pole(p[0], "LiczebnoscStada").toInt(), 40);
    EXPECT_EQ(pole(p[0], "KodWoj"), QStringLiteral("02"));
    EXPECT_EQ(pole(p[0], "KodPIW"), QStringLiteral("0215"));
    EXPECT_EQ(pole(p[0], "WlascicielImie"), QStringLiteral("Józef"));

    // A lower-case kind is a remark; an empty age is no age; empty owner cells write nothing.
    EXPECT_EQ(pole(p[1], "IDProbkiData"), QStringLiteral("03032022"));
    EXPECT_EQ(pole(p[1], "NrKolczyka"), QStringLiteral("PL123456789012"));
    EXPECT_TRUE(pole(p[1], "Wiek").isNull());
    EXPECT_TRUE(pole(p[1], "RodzajUboju").isNull());
    EXPECT_EQ(pole(p[1], "Uwagi"), QStringLiteral("n"));
    EXPECT_TRUE(pole(p[1], "LiczebnoscStada").isNull());
    EXPECT_TRUE(pole(p[1], "WlascicielNazwisko").isNull());
    EXPECT_TRUE(pole(p[1], "Gatunek").isNull());

    // PL with a two-digit number: the one-cell layout.
    EXPECT_EQ(pole(p[2], "NrKolczyka"), QStringLiteral("PL"));
    EXPECT_EQ(pole(p[2], "Wiek").toDouble(), 24);
    EXPECT_EQ(pole(p[2], "Plec"), QStringLiteral("męska"));
    EXPECT_EQ(pole(p[2], "RodzajUboju"), QStringLiteral("PJ"));
    EXPECT_EQ(pole(p[2], "Uwagi"), QStringLiteral("uwaga"));

    EXPECT_EQ(pole(p[3], "NrKolczyka"), QStringLiteral("DE0123456789"));
    EXPECT_EQ(pole(p[3], "IDProbkiNr"), QStringLiteral("012"));
    EXPECT_EQ(pole(p[3], "RodzajUboju"), QStringLiteral("K"));

    // A deer kind is a kind in the two-cell layout too.
    EXPECT_EQ(pole(p[4], "NrKolczyka"), QStringLiteral("PL000012345678"));
    EXPECT_EQ(pole(p[4], "RodzajUboju"), QStringLiteral("CHJ"));
    EXPECT_EQ(pole(p[4], "Uwagi"), QString());
}

// Each refused file stores none of its samples (its batch, saved before, stays empty) and says
// why in one box; the window is free again afterwards.
TEST_F(ProtocolImportTest, ARefusedRowLeavesNoSampleOfTheFile)
{
    otworzOknoPartii();
    FormPartia& w = okno();
    dodajPartie(rok(), 7, 0);
    wstaw(rok(), QStringLiteral("Badanie"),
          {{QStringLiteral("Partia"), 7},
           {QStringLiteral("NrProbki"), 1},
           {QStringLiteral("IDProbkiWNI"), QStringLiteral("14650011")},
           {QStringLiteral("IDProbkiNr"), QStringLiteral("002")},
           {QStringLiteral("IDProbkiData"), QStringLiteral("05032022")}});
    w.loadBatches();

    const QString kod = QStringLiteral("Próbka o numerze: 14650011-%1 już istnieje w bazie danych,\r\n"
                                       "pod nr partii: %2\r\nNie może być 2 próbek o takim samym numerze "
                                       "identyfikacyjnym!\r\nPopraw nr próbki w pliku i wczytaj ponownie lub "
                                       "wprowadź dane ręcznie pod innym numerem próbki! (wiersz %3)");
    struct Przypadek
    {
        const char* plik;
        std::vector<std::pair<QString, QString>> okna; // title and text of each box
    } przypadki[] = {
        // The code of another batch's sample; the sheet shows its date short of its leading zero.
        {"protokol_trzy_probki.xls",
         {{QStringLiteral("KONTROLA POPRAWNOŚCI"), kod.arg(QStringLiteral("002-05032022")).arg(7).arg(19)}}},
        // The code twice in the sheet: refused at its second row, with the batch being loaded.
        {"protokol_powtorzony_kod.xls",
         {{QStringLiteral("KONTROLA POPRAWNOŚCI"), kod.arg(QStringLiteral("001-30032022")).arg(9).arg(20)}}},
        {"protokol_numer_4_cyfry.xls",
         {{QStringLiteral("Uwaga!"), QStringLiteral("Przekroczono długość łańcucha: 1234")},
          {QStringLiteral("WCZYTYWANIE"),
           QStringLiteral("Numer uboju we wczytywanej partii próbek przekracza 3 znaki!\r"
                          "Popraw plik i wczytaj ponownie! (wiersz 19)")}}},
        {"protokol_wiek_tekst.xls",
         {{QStringLiteral("WCZYTYWANIE"),
           QStringLiteral("Wiek w wierszu nr 19, w kolumnie nr 6, nie jest "
                          "liczbą: dwa lata\rPopraw plik i wczytaj ponownie!")}}},
    };
    int partia = 7; // each file's batch takes the next number
    for (const Przypadek& p : przypadki) {
        const std::vector<DialogCall> okna = wczytajPartie(QString::fromLatin1(p.plik));
        ++partia;
        ASSERT_EQ(partie().last(), partia) << p.plik;
        ASSERT_EQ(okna.size(), p.okna.size()) << p.plik;
        for (std::size_t i = 0; i < okna.size(); ++i) {
            EXPECT_EQ(okna[i].title, p.okna[i].first) << p.plik;
            EXPECT_EQ(okna[i].text, p.okna[i].second) << p.plik;
            EXPECT_EQ(okna[i].icon, ui::Icon::Warning) << p.plik;
        }
        EXPECT_TRUE(probkiPartii(partia).isEmpty()) << p.plik;
        EXPECT_TRUE(w.LabelWczytajPlik->text().isEmpty());
        EXPECT_TRUE(w.ComDodajPr->isEnabled());
        EXPECT_TRUE(w.FrameCzekaj->isHidden());
    }
    EXPECT_EQ(rok().scalar(QStringLiteral("SELECT count(*) FROM Badanie")).toInt(), 1);
}

TEST_F(ProtocolImportTest, EverySampleRowIsReadHoweverLongTheSheet)
{
    otworzOknoPartii();
    EXPECT_TRUE(wczytajPartie(QStringLiteral("protokol_600_probek.xls")).empty());
    const QList<QVariantMap> p = probkiPartii(1);
    ASSERT_EQ(p.size(), 600);
    EXPECT_EQ(pole(p.last(), "IDProbkiNr"), QStringLiteral("600"));
    EXPECT_EQ(pole(p.last(), "NrKolczyka"), QStringLiteral("PL000000000600"));
    EXPECT_EQ(okno().TextIlProbek->text(), QStringLiteral("600"));
}

TEST_F(ProtocolImportTest, AHeaderThatIsNoProtocolIsRefused)
{
    otworzOknoPartii();
    FormPartia& w = okno();

    // Cancelling the dialog ends it silently.
    std::size_t przed = dialogs->calls().size();
    dialogs->answerCancel();
    QTest::mouseClick(w.ComWczytPart, Qt::LeftButton);
    EXPECT_EQ(dialogs->calls().size(), przed + 1);
    EXPECT_TRUE(w.FramePartia->isHidden());
    EXPECT_TRUE(w.ComDodajPr->isEnabled());

    const QString odmowa = kOdmowa;
    wczytajNaglowek(daneTestowe(QStringLiteral("nie_protokol.xls")));
    EXPECT_EQ(dialogs->last().title, QStringLiteral("WCZYTYWANIE"));
    EXPECT_EQ(dialogs->last().text, odmowa);
    EXPECT_TRUE(w.FramePartia->isHidden());
    EXPECT_TRUE(w.ComDodajPr->isEnabled());

    // Row 13 without its exact label: the frame keeps what the rows above gave, nothing is armed.
    przed = dialogs->calls().size();
    wczytajNaglowek(daneTestowe(QStringLiteral("protokol_godzina_male_u.xls")));
    ASSERT_EQ(dialogs->calls().size(), przed + 2);
    EXPECT_EQ(dialogs->last().text, odmowa);
    EXPECT_FALSE(w.FramePartia->isHidden());
    EXPECT_EQ(w.TextDataUboju->text(), QStringLiteral("29.03.2022"));
    EXPECT_TRUE(w.TextGodzUboju->text().isEmpty());
    EXPECT_TRUE(w.TrybWczytywania.isEmpty());
    EXPECT_TRUE(w.LabelWczytajPlik->text().isEmpty());
    EXPECT_TRUE(w.ComDodajPr->isEnabled());

    // Saved by hand, the batch loads no samples.
    w.TextGodzUboju->setText(QStringLiteral("06:30"));
    w.ComboPobral->setEditText(QStringLiteral("Jan Nowak"));
    w.TextPowiat->setText(QStringLiteral("1465"));
    zapiszPartie();
    EXPECT_EQ(dialogs->calls().size(), przed + 2);
    EXPECT_EQ(partie(), QList<int>{1});
    EXPECT_TRUE(probkiPartii(1).isEmpty());
}

TEST_F(ProtocolImportTest, ASheetEndingAfterItsTitleIsRefusedAtItsFirstMissingLabel)
{
    otworzOknoPartii();
    FormPartia& w = okno();
    const std::size_t przed = dialogs->calls().size();
    wczytajNaglowek(daneTestowe(QStringLiteral("protokol_tylko_tytul.xls")));
    ASSERT_EQ(dialogs->calls().size(), przed + 2);
    EXPECT_EQ(dialogs->last().title, QStringLiteral("WCZYTYWANIE"));
    EXPECT_EQ(dialogs->last().text, kOdmowa);
    EXPECT_FALSE(w.FramePartia->isHidden()); // the title started a new batch
    EXPECT_TRUE(w.TrybWczytywania.isEmpty());
    EXPECT_TRUE(w.LabelWczytajPlik->text().isEmpty());
    EXPECT_TRUE(w.ComDodajPr->isEnabled());
}

TEST_F(ProtocolImportTest, TheDistrictComesFromTheHeaderOrElseFromTheEstablishment)
{
    otworzOknoPartii();
    ModLabor().BazaStale.execute(QStringLiteral("UPDATE ZAKLAD SET KodPIW = '0215' WHERE WNI = '14650011'"));
    FormPartia& w = okno();
    // The sheet keeps a district typed as "0215" as the number 215: three characters are no
    // district code, so the establishment's is taken.
    wczytajNaglowek(daneTestowe(QStringLiteral("protokol_powiat_3_cyfry.xls")));
    EXPECT_EQ(w.TextPowiat->text(), QStringLiteral("0215"));
    EXPECT_EQ(w.TrybWczytywania, QStringLiteral("WczytAuto"));
    w.ComAnulujFr_Click();

    // A header's own code wins over the establishment's.
    wczytajNaglowek(daneTestowe(QStringLiteral("protokol_trzy_probki.xls")));
    EXPECT_EQ(w.TextPowiat->text(), QStringLiteral("1465"));
    EXPECT_EQ(w.TrybWczytywania, QStringLiteral("WczytAuto"));
}

} // namespace
