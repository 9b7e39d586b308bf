#include "StatisticsFixture.h"

#include "statistics/SummaryOptions.h"

#include "common/ModLabor.h"

#include "platform/report/Report.h"

#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QRadioButton>

#include <gtest/gtest.h>

using namespace trelimor;
using namespace trelimor::test;
using namespace Qt::StringLiterals;

namespace {

class SummariesTest : public StatisticsFixture
{
protected:
    static void wybierz(FormZestawienieBSE& w, const char* opcja)
    {
        w.findChild<QRadioButton*>(QString::fromLatin1(opcja))->setChecked(true);
    }
    static QStringList iloscZak()
    {
        return wiersze(robot(),
                       u"SELECT Zaklad, ZakladOpis, DataZakres, IlProbek, IlDod, IlUjem, IlOdstap FROM "
                       "IloscZak ORDER BY rowid"_s);
    }
};

TEST_F(SummariesTest, AgeBandRoundsHalfToEvenAndTellsOfEverySampleWithoutAgeInTheLoopsOrder)
{
    zaloguj();
    partia(1, u"10610001"_s, {{u"DataUboju"_s, QDate(2022, 3, 1)}});
    partia(2, u"10610001"_s, {{u"DataUboju"_s, QDate(2022, 3, 2)}});
    partia(3, u"10610001"_s, {{u"DataUboju"_s, QDate(2022, 3, 3)}});
    const std::vector<std::pair<int, QVariantMap>> probki = {
        {2, {{u"Wiek"_s, 0}}},
        {1, {{u"Wiek"_s, 23.5}, {u"Wynik"_s, u"DODATNI"_s}}},
        {1, {{u"Wiek"_s, 24.5}, {u"Wynik"_s, u"dodatni "_s}}},
        {1, {{u"Wiek"_s, QVariant()}}},
        {1, {{u"Wiek"_s, 24}, {u"Wynik"_s, u"Odstąpienie"_s}}},
        {1, {{u"Wiek"_s, 25}, {u"Wynik"_s, u"ujemny"_s}}},
        {1, {{u"Wiek"_s, 23.4}}},
        {2, {{u"Wiek"_s, -3}}},
    };
    for (const auto& [nr, pola] : probki)
        probka(nr, pola);

    otworz([&](FormZestawienieBSE& w) {
        wybierz(w, "OptIloscWiek");
        w.TextWiekOd->setText(u"24"_s);
        w.TextWiekDo->setText(u"24"_s);
        // The program's own year has no general number to name a sample without age.
        drukuj(w, u"01.03.2022"_s, u"31.03.2022"_s);
        EXPECT_EQ(komunikaty(),
                  QStringList{u"Zestawienie: Nie znaleziono elementu 'NrOgolny' w tej kolekcji."_s});
        EXPECT_EQ(iloscZak(), QStringList());

        dodajKolumne(u"NrOgolny"_s, db::DataType::Long);
        rok().execute(u"UPDATE Badanie SET NrOgolny = rowid + 100"_s);
        drukuj(w, u"01.03.2022"_s, u"31.03.2022"_s);
        EXPECT_EQ(komunikaty().mid(1),
                  (QStringList{
                      u"INFORMACJA: W partii 1, próbka o nr ogólnym 104, występuje brak wieku!"_s,
                      u"INFORMACJA: W partii 2, próbka o nr ogólnym 101, występuje brak wieku!"_s,
                      u"INFORMACJA: W partii 2, próbka o nr ogólnym 108, występuje brak wieku!"_s,
                  }));
        EXPECT_EQ(iloscZak(), QStringList{u"-|24 - 24|01.03.2022 - 31.03.2022|3|1|0|1"_s});
        EXPECT_EQ(wiersze(robot(), u"SELECT Naglowek1 FROM OGOLNE"_s), QStringList{u"Wiek w miesiącach"_s});

        // No sample in the period: no row; the period's samples outside the band: a row of zeros.
        const std::size_t shown = komunikaty().size();
        drukuj(w, u"01.04.2022"_s, u"30.04.2022"_s);
        EXPECT_EQ(iloscZak(), QStringList());
        w.TextWiekOd->setText(u"30"_s);
        w.TextWiekDo->setText(u"6"_s);
        drukuj(w, u"03.03.2022"_s, u"03.03.2022"_s);
        EXPECT_EQ(iloscZak(), QStringList()) << "batch 3 has no samples";
        drukuj(w, u"01.03.2022"_s, u"01.03.2022"_s);
        EXPECT_EQ(iloscZak(), QStringList{u"-|30 - 6|01.03.2022 - 01.03.2022|0|0|0|0"_s});
        EXPECT_EQ(komunikaty().size(), shown + 1) << "only batch 1's sample without age";
    });
}

TEST_F(SummariesTest, RegionalAndSpeciesCountsKeepTheOrderTheLoopMeetsTheirRowsIn)
{
    zaloguj();
    ModLabor().BazaStale.execute(
        u"INSERT INTO PIW (IDPIW, Miasto) VALUES ('1061', 'Łódź'), ('1261', 'Kraków')"_s);
    const QDate marzec(2022, 3, 10);
    partia(1, u" 12610002 "_s, {{u"DataUboju"_s, marzec}});
    partia(2, u"10610001"_s, {{u"DataUboju"_s, marzec}});
    partia(3, QVariant(), {{u"DataUboju"_s, marzec}});
    partia(4, u"10620003"_s, {{u"DataUboju"_s, marzec}});
    partia(5, u"10610001"_s, {{u"DataUboju"_s, marzec}});
    partia(6, u"10610001"_s, {{u"DataUboju"_s, QDate(2022, 4, 1)}});
    probka(2, {{u"Gatunek"_s, u"Kozy"_s}, {u"Wynik"_s, u"Dodatni"_s}});
    probka(1, {{u"Gatunek"_s, u"bydło"_s}, {u"Wynik"_s, u"ujemny"_s}});
    probka(1, {{u"Gatunek"_s, u"Bydło"_s}, {u"Wynik"_s, u"UJEMNY"_s}});
    probka(3, {{u"Gatunek"_s, QVariant()}});
    probka(4, {{u"Gatunek"_s, u""_s}, {u"Wynik"_s, u"odstąpienie"_s}});
    probka(5, {{u"Gatunek"_s, u"BYDŁO"_s}, {u"Wynik"_s, u"pozytywny"_s}});
    probka(6, {{u"Gatunek"_s, u"Owce"_s}});

    otworz([&](FormZestawienieBSE& w) {
        const std::vector<std::pair<const char*, QStringList>> cases = {
            {"OptIloscWoj",
             {u"12|Małopolskie|10.03.2022 - 10.03.2022|2|0|2|0"_s,
              u"10|Łódzkie|10.03.2022 - 10.03.2022|3|1|0|1"_s, u"||10.03.2022 - 10.03.2022|1|0|0|0"_s}},
            {"OptIloscPow",
             {u"1261|1261 - Kraków|10.03.2022 - 10.03.2022|2|0|2|0"_s,
              u"1061|1061 - Łódź|10.03.2022 - 10.03.2022|2|1|0|0"_s, u"|-|10.03.2022 - 10.03.2022|1|0|0|0"_s,
              u"1062|-|10.03.2022 - 10.03.2022|1|0|0|1"_s}},
            {"OptIloscZak",
             {u"12610002|12610002|10.03.2022 - 10.03.2022|2|0|2|0"_s,
              u"10610001|10610001|10.03.2022 - 10.03.2022|2|1|0|0"_s, u"||10.03.2022 - 10.03.2022|1|0|0|0"_s,
              u"10620003|10620003|10.03.2022 - 10.03.2022|1|0|0|1"_s}},
            {"OptIloscGatunek",
             {u"-|bydło|10.03.2022 - 10.03.2022|3|0|2|0"_s, u"-|Kozy|10.03.2022 - 10.03.2022|1|1|0|0"_s,
              u"-||10.03.2022 - 10.03.2022|2|0|0|1"_s}},
        };
        for (const auto& [opcja, rows] : cases) {
            wybierz(w, opcja);
            drukuj(w, u"10.03.2022"_s, u"10.03.2022"_s);
            EXPECT_EQ(iloscZak(), rows) << opcja;
        }
        // A chosen voivodeship and county narrow the regional counts, not the kind of slaughter.
        w.ComboWoj->setEditText(u"Łódzkie"_s);
        w.ComboPIW->setEditText(u"Łódź"_s);
        wybierz(w, "OptIloscZak");
        drukuj(w, u"10.03.2022"_s, u"10.03.2022"_s);
        EXPECT_EQ(iloscZak(), QStringList{u"10610001|10610001|10.03.2022 - 10.03.2022|2|1|0|0"_s});
        EXPECT_TRUE(w.tytulRaportu().endsWith(u", WG DATY UBOJU\rPOWIAT: 1061, WOJEWÓDZTWO: ŁÓDZKIE"_s));
        wybierz(w, "OptIloscRodzajUboju");
        drukuj(w, u"10.03.2022"_s, u"10.03.2022"_s);
        EXPECT_EQ(wiersze(robot(), u"SELECT RodzE FROM RodzUboju"_s), QStringList{u"6"_s});
    });
    EXPECT_EQ(komunikaty(), QStringList());
}

TEST_F(SummariesTest, EverySummaryRunsOnAYearTheProgramCreatedAndRendersItsReport)
{
    zaloguj();
    partia(1, u"10610001"_s,
           {{u"DataUboju"_s, QDate(2022, 3, 1)},
            {u"DataPobr"_s, QDate(2022, 3, 1)},
            {u"DataWprow"_s, QDate(2022, 3, 2)}});
    probka(
        1,
        {{u"Wiek"_s, 30}, {u"RodzajUboju"_s, u"N"_s}, {u"Gatunek"_s, u"Bydło"_s}, {u"Wynik"_s, u"ujemny"_s}});
    otworz([&](FormZestawienieBSE& w) {
        w.OptionDataPobr->setChecked(true);
        w.TextWiekOd->setText(u"0"_s);
        w.TextWiekDo->setText(u"99"_s);
        for (const SummaryOption& option : summaryOptions()) {
            if (option.reportFile.startsWith(u"NrKolczyka"_s) || option.reportFile == u"GIW1.rpt")
                continue; // the listings come with their own reports
            const qsizetype opened = opener->opened().size();
            w.findChild<QRadioButton*>(option.control)->setChecked(true);
            drukuj(w, u"01.01.2022"_s, u"31.03.2022"_s);
            EXPECT_EQ(opener->opened().mid(opened), QStringList{u"FormDrukRap"_s})
                << option.control.toStdString();
            ASSERT_TRUE(ModLabor().RaportBiezacy);
            const auto document = ModLabor().RaportBiezacy->render();
            const QString pdf = folders.path(option.control + u".pdf"_s);
            document->exportPdf(pdf);
            EXPECT_GE(document->pageCount(), 1);
            EXPECT_GT(QFileInfo(pdf).size(), 1000) << option.control.toStdString();
        }
    });
    EXPECT_EQ(komunikaty(), QStringList());
}

} // namespace
