#include "LoopOracle.h"
#include "StatisticsFixture.h"

#include "statistics/AttachedYear.h"
#include "statistics/Listings.h"

#include "common/MaskedEdit.h"
#include "common/ModLabor.h"

#include "support/YearGenerator.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include <gtest/gtest.h>

using namespace trelimor;
using namespace trelimor::test;
using namespace Qt::StringLiterals;

namespace {

// What the window is set to for one comparison.
struct Scenario
{
    QString od;
    QString doDnia;
    const char* dateOption;
    QString PoleDaty;
    QString gatunek; // "wszystkie", "Inne" or a species as typed
    QString wojewodztwo = u"wszystkie"_s;
    QString powiat = u"wszystkie"_s;
};

class OracleTest : public StatisticsFixture, public ::testing::WithParamInterface<std::uint32_t>
{
protected:
    void SetUp() override
    {
        StatisticsFixture::SetUp();
        zaloguj();
        // The loops write row by row: without waiting for the disk they take seconds, not minutes.
        robot().execute(u"PRAGMA synchronous = OFF"_s);
        ModLabor().BazaStale.execute(u"INSERT INTO PIW (IDPIW, Miasto) VALUES ('1465', 'Warszawa'), "
                                     "('1412', 'Mińsk Mazowiecki'), ('0261', 'Jelenia Góra')"_s);
        ModLabor().BazaStale.execute(
            u"INSERT INTO ZAKLAD (WNI, TypWNI, IdRzezni) VALUES "
            "('14650001', 'Rzeźnia', 'R1'), ('02610001', 'Zakład utylizacyjny', '14650001'), "
            "('02610001', 'drugi wiersz', NULL)"_s);
        YearPlan plan;
        plan.seed = GetParam();
        plan.batches = 160;
        plan.samples = 2000;
        generateYear(rok(), plan);
    }

    oracle::Databases databases() const
    {
        return {ModLabor().BazaRok, ModLabor().BazaStale, ModLabor().BazaRobot};
    }

    // The loops' reading of the window as the dispatcher left it.
    static oracle::Settings settings(const FormZestawienieBSE& w, const Scenario& s)
    {
        oracle::Settings o;
        o.MebOd = s.od;
        o.MebDo = s.doDnia;
        o.PoleDaty = s.PoleDaty;
        if (s.gatunek == u"Inne")
            o.FiltrProbki =
                u" And ((Gatunek <> 'Bydło' And Gatunek <> 'Kozy' And Gatunek <> 'Owce' And Gatunek <> "
                "'Jeleniowate') or Gatunek Is Null)"_s;
        else if (s.gatunek != u"wszystkie")
            o.FiltrProbki = u" And Gatunek = '"_s + s.gatunek + u"'"_s;
        o.ComboWoj = s.wojewodztwo;
        o.LabKodWIW = w.LabKodWIW->text();
        o.LabIDPIW = w.LabIDPIW->text();
        o.TextWiekOd = w.TextWiekOd->text();
        o.TextWiekDo = w.TextWiekDo->text();
        return o;
    }

    static QStringList table(const QString& name)
    {
        return wiersze(robot(), u"SELECT * FROM "_s + name + u" ORDER BY rowid"_s);
    }

    static void empty(const QString& name) { robot().execute(u"DELETE FROM "_s + name); }

    static Selection wholeYear()
    {
        Selection wybor;
        wybor.MebOd = u"01.01.2022"_s;
        wybor.MebDo = u"31.12.2022"_s;
        wybor.from = QDate(2022, 1, 1);
        wybor.to = QDate(2022, 12, 31);
        return wybor;
    }

    QStringList boxesSince(std::size_t mark) const
    {
        QStringList texts;
        for (std::size_t i = mark; i < dialogs->calls().size(); ++i)
            texts << dialogs->calls()[i].text;
        return texts;
    }

    // Prints every counting summary for the scenario and compares each work table, rows and
    // order, with what the loops make of the same settings.
    void compare(FormZestawienieBSE& w, const Scenario& s)
    {
        const std::string where =
            (s.od + u" "_s + s.PoleDaty + u" "_s + s.gatunek + u" "_s + s.wojewodztwo + u" "_s + s.powiat)
                .toStdString();
        w.findChild<QRadioButton*>(QString::fromLatin1(s.dateOption))->setChecked(true);
        w.ComboGatunek->setEditText(s.gatunek);
        w.ComboWoj->setEditText(s.wojewodztwo);
        w.ComboPIW->setEditText(s.powiat);
        oracle::Databases d = databases();

        w.OptIloscRodzajUboju->setChecked(true);
        drukuj(w, s.od, s.doDnia);
        const QStringList rodzUboju = table(u"RodzUboju"_s);
        const oracle::Settings o = settings(w, s);
        EXPECT_EQ(w.licznikiUboju(), oracle::ZestRodzUboju(d, o)) << where;
        EXPECT_EQ(rodzUboju, table(u"RodzUboju"_s)) << where;

        const std::vector<std::pair<const char*, QString>> regions = {
            {"OptIloscWoj", u"woj"_s}, {"OptIloscPow", u"pow"_s}, {"OptIloscZak", u"zak"_s}};
        for (const auto& [option, rodzaj] : regions) {
            w.findChild<QRadioButton*>(QString::fromLatin1(option))->setChecked(true);
            drukuj(w, s.od, s.doDnia);
            const QStringList rows = table(u"IloscZak"_s);
            empty(u"IloscZak"_s);
            oracle::ZliczWojPowZak(d, o, rodzaj);
            EXPECT_EQ(rows, table(u"IloscZak"_s)) << where << " " << option;
        }

        w.OptIloscGatunek->setChecked(true);
        drukuj(w, s.od, s.doDnia);
        QStringList rows = table(u"IloscZak"_s);
        empty(u"IloscZak"_s);
        oracle::ZliczGatunek(d, o);
        EXPECT_EQ(rows, table(u"IloscZak"_s)) << where << " species";

        // Bands whose edges tell a half rounded to even from one rounded up.
        w.OptIloscWiek->setChecked(true);
        for (const auto& [from, to] : {std::pair(u"24"_s, u"24"_s), std::pair(u"25"_s, u"60"_s)}) {
            w.TextWiekOd->setText(from);
            w.TextWiekDo->setText(to);
            const std::size_t mark = dialogs->calls().size();
            drukuj(w, s.od, s.doDnia);
            const QStringList boxes = boxesSince(mark);
            rows = table(u"IloscZak"_s);
            empty(u"IloscZak"_s);
            EXPECT_EQ(boxes, oracle::ZliczWiek(d, settings(w, s))) << where << " missing ages";
            EXPECT_EQ(rows, table(u"IloscZak"_s)) << where << " age " << from.toStdString();
            EXPECT_FALSE(boxes.isEmpty() && rows.isEmpty()) << where << ": the scenario selects nothing";
        }
    }
};

TEST_P(OracleTest, EveryCountEqualsThePerBatchLoopRowsAndOrderIncluded)
{
    const std::vector<Scenario> scenarios = {
        {u"01.01.2022"_s, u"31.12.2022"_s, "OptionDataUboju", u"DataUboju"_s, u"wszystkie"_s},
        {u"01.04.2022"_s, u"30.09.2022"_s, "OptionDataDoLab", u"DataWprow"_s, u"Inne"_s, u"Mazowieckie"_s},
        {u"01.01.2022"_s, u"31.12.2022"_s, "OptionDataRozpBad", u"DataRozpBad"_s, u"bydło"_s,
         u"Mazowieckie"_s, u"Warszawa"_s},
        {u"31.12.2022"_s, u"31.12.2022"_s, "OptionDataUboju", u"DataUboju"_s, u"Bydło"_s},
        {u"15.02.2022"_s, u"15.11.2022"_s, "OptionDataZakBad", u"DataWyniku"_s, u"Kozy"_s, u"Dolnośląskie"_s},
    };
    otworz([&](FormZestawienieBSE& w) {
        for (const Scenario& s : scenarios)
            compare(w, s);

        // The monthly summary needs every batch's sampling date.
        rok().execute(u"UPDATE Partia SET DataPobr = DataWprow WHERE DataPobr IS NULL"_s);
        rok().execute(u"UPDATE Partia SET DataPobr = '2022-06-15 00:00:00' WHERE DataPobr IS NULL"_s);
        for (const QString& gatunek : {u"wszystkie"_s, u"Inne"_s}) {
            const Scenario s{u"01.03.2022"_s, u"31.10.2022"_s, "OptionDataPobr", u"DataPobr"_s, gatunek};
            w.OptionDataPobr->setChecked(true);
            w.OptBseMceWgDatyPobrania->setChecked(true);
            w.ComboGatunek->setEditText(gatunek);
            drukuj(w, s.od, s.doDnia);
            const QStringList months = table(u"BSEmceRodzUboju"_s);
            oracle::Databases d = databases();
            const auto [batches, samples] = oracle::ZliczBSEmce(d, settings(w, s));
            EXPECT_EQ(months, table(u"BSEmceRodzUboju"_s)) << gatunek.toStdString();
            EXPECT_EQ(w.LabTabIl->text(), QString::number(batches));
            EXPECT_EQ(w.LabIl->text(), QString::number(samples));
        }
    });
}

using ListingLoop = void (*)(oracle::Databases&, const oracle::Settings&);
const std::vector<std::pair<const char*, ListingLoop>>& listingLoops()
{
    static const std::vector<std::pair<const char*, ListingLoop>> loops = {
        {"OptNrKolczykaWiek", &oracle::ListaNrKolczykaWiek},
        {"OptNrKolczykaWNI", &oracle::ListaNrKolczykaWNI},
        {"OptGIW1", &oracle::ListaGIW1},
        {"OptIloscAnalizPowtorzonych", [](auto& d, const auto& s) { oracle::ListaAnalizPowt(d, s, false); }},
        {"OptIloscAnalizWykonanych", [](auto& d, const auto& s) { oracle::ListaAnalizPowt(d, s, true); }},
    };
    return loops;
}

// Through the window over a few months (a listing's report is laid out page by page), then
// over the whole year without the report.
TEST_P(OracleTest, EveryListingEqualsThePerBatchLoopRowsAndOrderIncluded)
{
    const Scenario s{u"01.03.2022"_s, u"31.05.2022"_s,  "OptionDataZakBad", u"DataWyniku"_s,
                     u"Kozy"_s,       u"Mazowieckie"_s, u"Warszawa"_s};
    otworz([&](FormZestawienieBSE& w) {
        w.findChild<QRadioButton*>(QString::fromLatin1(s.dateOption))->setChecked(true);
        w.ComboGatunek->setEditText(s.gatunek);
        w.ComboWoj->setEditText(s.wojewodztwo);
        w.ComboPIW->setEditText(s.powiat);
        for (const auto& [option, loop] : listingLoops()) {
            w.findChild<QRadioButton*>(QString::fromLatin1(option))->setChecked(true);
            drukuj(w, s.od, s.doDnia);
            const QStringList rows = table(u"IloscZak"_s);
            empty(u"IloscZak"_s);
            oracle::Databases d = databases();
            loop(d, settings(w, s));
            EXPECT_EQ(rows, table(u"IloscZak"_s)) << option;
        }
    });
    EXPECT_EQ(komunikaty(), QStringList());

    const Selection year = wholeYear();
    oracle::Settings o;
    o.MebOd = year.MebOd;
    o.MebDo = year.MebDo;
    const std::vector<std::function<void(const AttachedYear&)>> listings = {
        [&](const AttachedYear& y) { ListaNrKolczykaWiek(y, year); },
        [&](const AttachedYear& y) { ListaNrKolczykaWNI(y, year); },
        [&](const AttachedYear& y) { ListaGIW1(y, year); },
        [&](const AttachedYear& y) { ListaAnalizPowt(y, year, false); },
        [&](const AttachedYear& y) { ListaAnalizPowt(y, year, true); },
    };
    for (std::size_t i = 0; i < listings.size(); ++i) {
        empty(u"IloscZak"_s);
        listings[i](AttachedYear::program());
        const QStringList rows = table(u"IloscZak"_s);
        empty(u"IloscZak"_s);
        oracle::Databases d = databases();
        listingLoops()[i].second(d, o);
        EXPECT_EQ(rows, table(u"IloscZak"_s)) << listingLoops()[i].first << " over the year";
        EXPECT_GT(rows.size(), 100) << listingLoops()[i].first;
    }
}

// The hidden establishment and result filters never filter through the window: the selection
// takes them directly.
TEST_P(OracleTest, EstablishmentAndResultFiltersNarrowAsTheLoopsConditionsDo)
{
    Selection wybor = wholeYear();
    wybor.FiltrPartii = u"14650001"_s;
    wybor.FiltrProbki.result = u"DODATNI"_s;
    oracle::Settings o;
    o.MebOd = wybor.MebOd;
    o.MebDo = wybor.MebDo;
    o.FiltrPartii = u" And KodZakladu = '14650001'"_s;
    o.FiltrProbki = u" And Wynik = 'DODATNI'"_s;
    oracle::Databases d = databases();

    LicznikiUboju counted{};
    {
        const AttachedYear year = AttachedYear::program();
        counted = ZestRodzUboju(year, wybor);
        ZliczGatunek(year, wybor);
    }
    const QStringList species = table(u"IloscZak"_s);
    empty(u"IloscZak"_s);
    EXPECT_EQ(counted, oracle::ZestRodzUboju(d, o));
    oracle::ZliczGatunek(d, o);
    EXPECT_EQ(species, table(u"IloscZak"_s));
    EXPECT_FALSE(species.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(SeededYears, OracleTest, ::testing::Values(1u, 20220331u, 777u));

} // namespace
