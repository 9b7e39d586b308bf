#include "ImportFixture.h"

#include "batch/BatchRows.h"
#include "batch/BatchWindowDocuments.h"
#include "documents/ProtocolFile.h"

#include "support/TestFiles.h"

#include <QTest>

using namespace trelimor;
using namespace trelimor::test;

namespace {

class ProtocolRoundTripTest : public ImportFixture
{
protected:
    // A batch of three samples that uses every column of the protocol, with codes whose leading
    // zeros a spreadsheet drops, a fraction, a date and Polish letters.
    void dodajPartieTrzechProbek()
    {
        const QDate uboj(2022, 3, 29), pobranie(2022, 3, 30);
        wstaw(rok(), QStringLiteral("Partia"),
              {{QStringLiteral("Partia"), 1},
               {QStringLiteral("IlProbek"), 3},
               {QStringLiteral("KodZakladu"), QStringLiteral("14650011")},
               {QStringLiteral("WNI"), QStringLiteral("rzeźni")},
               {QStringLiteral("Powiat"), QStringLiteral("1465")},
               {QStringLiteral("DataUboju"), uboj},
               {QStringLiteral("GodzUboju"), QStringLiteral("06:30")},
               {QStringLiteral("DataPobr"), pobranie},
               {QStringLiteral("GodzPobr"), QStringLiteral("08:15")},
               {QStringLiteral("DataWysylki"), QDate(2022, 3, 31)},
               {QStringLiteral("Pobral"), QStringLiteral("lek. wet. Anna Nowak")},
               {QStringLiteral("PlanPobierania"), QStringLiteral("Obszar regulowany prawnie")},
               {QStringLiteral("ProceduraPobierania"), QStringLiteral("PN-ISO 17604")}});
        const auto probka = [this](const QVariantMap& pola) {
            QVariantMap row = pola;
            row.insert(QStringLiteral("Partia"), 1);
            wstaw(rok(), QStringLiteral("Badanie"), row);
        };
        probka({{QStringLiteral("NrProbki"), 1},
                {QStringLiteral("IDProbkiWNI"), QStringLiteral("14650011")},
                {QStringLiteral("IDProbkiNr"), QStringLiteral("001")},
                {QStringLiteral("IDProbkiData"), QStringLiteral("30032022")},
                {QStringLiteral("NrKolczyka"), QStringLiteral("PL005467389121")},
                {QStringLiteral("Wiek"), 62},
                {QStringLiteral("Plec"), QStringLiteral("żeńska")},
                {QStringLiteral("RodzajUboju"), QStringLiteral("N")},
                {QStringLiteral("Uwagi"), QStringLiteral("Kulawizna prawa tylna")},
                {QStringLiteral("NrGospod"), QStringLiteral("PL054673891001")},
                {QStringLiteral("LiczebnoscStada"), 40},
                {QStringLiteral("ObjawyChorobowe"), QStringLiteral("brak")},
                {QStringLiteral("Uzytkowosc"), QStringLiteral("mleczna")},
                {QStringLiteral("Gatunek"), QStringLiteral("Bydło")},
                {QStringLiteral("WlascicielNazwisko"), QStringLiteral("Wiśniewski")},
                {QStringLiteral("WlascicielImie"), QStringLiteral("Józef")},
                {QStringLiteral("WlascicielMiejscowosc"), QStringLiteral("Łomianki")},
                {QStringLiteral("WlascicielNrPosesja"), QStringLiteral("Polna 7")},
                {QStringLiteral("Wojewodztwo"), QStringLiteral("mazowieckie")},
                {QStringLiteral("KodWoj"), QStringLiteral("14")},
                {QStringLiteral("Powiat"), QStringLiteral("warszawski zachodni")},
                {QStringLiteral("KodPIW"), QStringLiteral("1432")},
                {QStringLiteral("Gmina"), QStringLiteral("Łomianki")},
                {QStringLiteral("RodzajMaterialu"), QStringLiteral("pień mózgu")},
                {QStringLiteral("WarunkiPrzechowywania"), QStringLiteral("chłodnia 4°C")},
                {QStringLiteral("DataUrodzenia"), QStringLiteral("12.01.2017")}});
        probka({{QStringLiteral("NrProbki"), 2},
                {QStringLiteral("IDProbkiWNI"), QStringLiteral("14650011")},
                {QStringLiteral("IDProbkiNr"), QStringLiteral("002")},
                {QStringLiteral("IDProbkiData"), QStringLiteral("05032022")},
                {QStringLiteral("NrKolczyka"), QStringLiteral("PL000000000012")},
                {QStringLiteral("Wiek"), 12.5},
                {QStringLiteral("Plec"), QStringLiteral("męska")},
                {QStringLiteral("RodzajUboju"), QStringLiteral("PJ")},
                {QStringLiteral("NrGospod"), QStringLiteral("PL000111222001")},
                {QStringLiteral("ObjawyChorobowe"), QStringLiteral("brak")},
                {QStringLiteral("Uzytkowosc"), QStringLiteral("mięsna")},
                {QStringLiteral("Gatunek"), QStringLiteral("Jeleniowate")},
                {QStringLiteral("Gatunek2"), QStringLiteral("jeleń szlachetny")},
                {QStringLiteral("SystemUtrzymania"), QStringLiteral("F")},
                {QStringLiteral("WlascicielNazwisko"), QStringLiteral("Żak")},
                {QStringLiteral("WlascicielMiejscowosc"), QStringLiteral("Oława")},
                {QStringLiteral("Wojewodztwo"), QStringLiteral("dolnośląskie")},
                {QStringLiteral("KodWoj"), QStringLiteral("02")},
                {QStringLiteral("Powiat"), QStringLiteral("oławski")},
                {QStringLiteral("KodPIW"), QStringLiteral("0215")},
                {QStringLiteral("RodzajMaterialu"), QStringLiteral("pień mózgu")},
                {QStringLiteral("WarunkiPrzechowywania"), QStringLiteral("schłodzone")}});
        probka({{QStringLiteral("NrProbki"), 3},
                {QStringLiteral("IDProbkiWNI"), QStringLiteral("06140205")},
                {QStringLiteral("IDProbkiNr"), QStringLiteral("003")},
                {QStringLiteral("IDProbkiData"), QStringLiteral("30032022")},
                {QStringLiteral("NrKolczyka"), QStringLiteral("PL015555555555")},
                {QStringLiteral("Wiek"), 30},
                {QStringLiteral("Plec"), QStringLiteral("żeńska")},
                {QStringLiteral("RodzajUboju"), QStringLiteral("K")},
                {QStringLiteral("Uwagi"), QStringLiteral("Ubój z konieczności")},
                {QStringLiteral("NrGospod"), QStringLiteral("PL015555555001")},
                {QStringLiteral("LiczebnoscStada"), 120},
                {QStringLiteral("ObjawyChorobowe"), QStringLiteral("brak danych")},
                {QStringLiteral("Uzytkowosc"), QStringLiteral("mleczna")},
                {QStringLiteral("Gatunek"), QStringLiteral("Owce")},
                {QStringLiteral("WlascicielNazwisko"), QStringLiteral("Kowalczyk")},
                {QStringLiteral("WlascicielImie"), QStringLiteral("Anna")},
                {QStringLiteral("WlascicielMiejscowosc"), QStringLiteral("Kutno")},
                {QStringLiteral("Wojewodztwo"), QStringLiteral("łódzkie")},
                {QStringLiteral("KodWoj"), QStringLiteral("10")},
                {QStringLiteral("Powiat"), QStringLiteral("kutnowski")},
                {QStringLiteral("KodPIW"), QStringLiteral("1002")},
                {QStringLiteral("Gmina"), QStringLiteral("Kutno")},
                {QStringLiteral("DataUrodzenia"), QStringLiteral("01.02.2019")}});
    }

    QStringList liniePlikuBiezacejPartii()
    {
        BatchWindowDocumentsHost dokumenty(okno());
        return liniePlikuProtokolu(dokumenty, QStringLiteral("BSE"));
    }
};

// The way in as the user has it: the header import opens a new batch's frame filled from the
// file and waits; saving the batch loads the samples of the same file.
TEST_F(ProtocolRoundTripTest, TheProtocolFileOfABatchImportsBackWhole)
{
    zaloguj();
    dodajPartieTrzechProbek();
    otworzOkno();
    FormPartia& w = okno();
    const QStringList napisane = liniePlikuBiezacejPartii();
    // The workbook was saved from this very file.
    ASSERT_EQ(tekstPlikuProtokolu(napisane),
              readFile(daneTestowe(QStringLiteral("protokol_trzy_probki.txt"))));

    rok().execute(QStringLiteral("DELETE FROM Badanie"));
    rok().execute(QStringLiteral("DELETE FROM Partia"));
    w.loadBatches();
    const QString plik = daneTestowe(QStringLiteral("protokol_trzy_probki.xls"));
    const std::size_t przed = dialogs->calls().size();
    wczytajNaglowek(plik);
    ASSERT_EQ(dialogs->calls().size(), przed + 1);
    EXPECT_EQ(dialogs->last().filter, QStringLiteral("All Files (*.*)|*.*|Excel (*.xls)|*.xls"));
    EXPECT_EQ(dialogs->last().filterIndex, 2);
    ASSERT_FALSE(w.FramePartia->isHidden());
    EXPECT_EQ(w.FramePartia->title(), QStringLiteral("NOWA PARTIA"));
    EXPECT_EQ(w.TextZaklad->text(), QStringLiteral("14650011"));
    EXPECT_EQ(w.ComboWNI->currentText(), QStringLiteral("zakładu ubojowego")); // from the register
    EXPECT_EQ(w.TextPowiat->text(), QStringLiteral("1465"));
    EXPECT_EQ(w.TextDataUboju->text(), QStringLiteral("29.03.2022"));
    EXPECT_EQ(w.TextDataPobr->text(), QStringLiteral("30.03.2022"));
    EXPECT_EQ(w.TextGodzUboju->text(), QStringLiteral("06:30"));
    EXPECT_EQ(w.TextGodzPobr->text(), QStringLiteral("08:15"));
    EXPECT_EQ(w.TextIlProbek->text(), QStringLiteral("3"));
    EXPECT_EQ(w.ComboPobral->currentText(), QStringLiteral("lek. wet. Anna Nowak"));
    EXPECT_EQ(w.ComboPlanPobierania->currentText(), QStringLiteral("Obszar regulowany prawnie"));
    EXPECT_EQ(w.ComboProceduraPobierania->currentText(), QStringLiteral("PN-ISO 17604"));
    EXPECT_EQ(w.TrybWczytywania, QStringLiteral("WczytAuto"));
    EXPECT_EQ(w.LabelWczytajPlik->text(), plik);
    EXPECT_FALSE(w.ComDodajPr->isEnabled()); // the frame waits for its save or cancel

    zapiszPartie();
    EXPECT_EQ(dialogs->calls().size(), przed + 1); // no second dialog, no message
    ASSERT_EQ(partie(), QList<int>{1});
    ASSERT_EQ(w.DataProbka->recordCount(), 3);
    EXPECT_EQ(w.DataProbka->currentRow(), 2); // the last sample written is selected
    EXPECT_TRUE(w.sampleCaption().endsWith(QStringLiteral("ILOŚĆ POZYCJI: 3")));
    EXPECT_TRUE(w.LabelWczytajPlik->text().isEmpty());
    EXPECT_TRUE(w.TrybWczytywania.isEmpty());
    EXPECT_TRUE(w.ComDodajPr->isEnabled());
    EXPECT_TRUE(w.FrameCzekaj->isHidden());

    // Every column of every sample, as the protocol file writes it again.
    const QStringList wczytane = liniePlikuBiezacejPartii();
    ASSERT_TRUE(napisane.at(16).startsWith(QStringLiteral("Lp.\t"))); // the captions, then the samples
    EXPECT_EQ(wczytane.mid(17, 3), napisane.mid(17, 3));
    EXPECT_EQ(probkiPartii(1).at(1).value(QStringLiteral("Wiek")).toDouble(), 12.5);
    EXPECT_TRUE(probkiPartii(1).at(1).value(QStringLiteral("LiczebnoscStada")).isNull());
}

} // namespace
