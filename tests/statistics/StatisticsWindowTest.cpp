#include "StatisticsFixture.h"

#include "common/FormKalendarz1.h"
#include "common/MaskedEdit.h"
#include "common/ModLabor.h"
#include "common/ProgramState.h"
#include "documents/FormDrukRap.h"
#include "statistics/AttachedYear.h"
#include "statistics/MonthlySummary.h"
#include "statistics/Selection.h"

#include "platform/report/Report.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <functional>
#include <new>
#include <stdexcept>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

using namespace trelimor;
using namespace trelimor::test;
using namespace Qt::StringLiterals;

namespace {

class StatisticsWindowTest : public StatisticsFixture
{
protected:
    static void dodajPIW(const QString& id, const QString& miasto)
    {
        ModLabor().BazaStale.execute(u"INSERT INTO PIW (IDPIW, Miasto) VALUES (?, ?)"_s, {id, miasto});
    }
    bool raportPokazany() const { return opener->opened().contains(u"FormDrukRap"_s); }
};

TEST_F(StatisticsWindowTest, OpensOnTheWorkingDateShowsOnlyItsVisibleControlsAndKeepsTheChoiceWhenHidden)
{
    zaloguj();
    dodajPIW(u"1061"_s, u"Łódź"_s);
    dodajPIW(u"1465"_s, u"Warszawa"_s);
    otworz([this](FormZestawienieBSE& w) {
        EXPECT_EQ(w.windowTitle(), u"Wydruk"_s);
        EXPECT_EQ(w.size(), QSize(640, 341));
        EXPECT_EQ(w.MebOd->text(), u"31.03.2022"_s);
        EXPECT_EQ(w.MebDo->text(), u"31.03.2022"_s);
        EXPECT_TRUE(w.OptionDataUboju->isChecked());
        EXPECT_TRUE(w.OptIloscRodzajUboju->isChecked());
        EXPECT_EQ(w.ComboGatunek->currentText(), u"wszystkie"_s);
        EXPECT_TRUE(w.LabKodWIW->text().isEmpty());
        EXPECT_TRUE(w.LabIDPIW->text().isEmpty());
        for (const char* name : {"OptionDataDoLab", "OptionDataRozpBad", "OptionDataZakBad", "Label2",
                                 "ComboWoj", "LabKodWIW", "LabPIW", "ComboPIW", "LabIDPIW", "LabKodZakladu",
                                 "TextKodZakladu", "Label5", "ComboWynik", "FrameCzekaj", "FrameDoWIW"})
            EXPECT_TRUE(w.findChild<QWidget*>(QString::fromLatin1(name))->isHidden()) << name;
        // The summaries' frame shows its first two options; the others lie below its edge.
        EXPECT_EQ(w.Frame2->size(), QSize(334, 81));
        for (QWidget* control : w.Frame2->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            const bool shown = control == w.OptIloscRodzajUboju || control == w.OptBseMceWgDatyPobrania;
            EXPECT_EQ(control->geometry().bottom() < w.Frame2->height(), shown)
                << control->objectName().toStdString();
            EXPECT_GE(control->y(), shown ? 0 : 87) << control->objectName().toStdString();
        }
        EXPECT_EQ(w.ComboPIW->itemText(0), u"wszystkie"_s);
        EXPECT_EQ(w.ComboPIW->count(), 3);

        // Code labels follow the hidden combos, also when code sets their text.
        w.ComboWoj->setEditText(u"łódzkie"_s);
        EXPECT_EQ(w.LabKodWIW->text(), u"10"_s);
        w.ComboWoj->setEditText(u"Łódź"_s);
        EXPECT_TRUE(w.LabKodWIW->text().isEmpty());
        w.ComboPIW->setEditText(u"Łódź"_s);
        EXPECT_EQ(w.LabIDPIW->text(), u"1061"_s);
        w.ComboPIW->setEditText(u"Kraków"_s);
        EXPECT_EQ(w.LabIDPIW->text(), u"1061"_s) << "a town without a row leaves the code";
        w.ComboPIW->setEditText(u"wszystkie"_s);
        EXPECT_TRUE(w.LabIDPIW->text().isEmpty());

        // The calendar opens under the pressed button and its day replaces the field's text.
        opener->onOpen(u"FormKalendarz1"_s, [&w](QDialog& calendar) {
            auto& form = static_cast<FormKalendarz1&>(calendar);
            const QPoint under =
                w.mapToGlobal(QPoint(w.MebDo->mapTo(&w, QPoint()).x(),
                                     w.ComDatDo->mapTo(&w, QPoint()).y() + 2 * w.ComDatDo->height()));
            EXPECT_EQ(form.pos(), under);
            form.Kalendarz1->setSelectedDate(QDate(2022, 2, 14));
            form.hide();
        });
        w.ComDatDo->click();
        EXPECT_EQ(w.MebDo->text(), u"14.02.2022"_s);

        w.OptionDataPobr->setChecked(true);
        w.OptIloscWiek->setChecked(true);
        w.TextWiekOd->setText(u"12"_s);
        w.ComboGatunek->setEditText(u"Kozy"_s);
        w.ComboWoj->setEditText(u"Łódzkie"_s);
        w.ComAnuluj->click();
        EXPECT_FALSE(w.isVisible());
    });

    programState().setWorkingDate(QDate(2022, 5, 6));
    otworz([](FormZestawienieBSE& w) {
        EXPECT_EQ(w.MebOd->text(), u"06.05.2022"_s);
        EXPECT_EQ(w.MebDo->text(), u"06.05.2022"_s);
        EXPECT_TRUE(w.OptionDataPobr->isChecked());
        EXPECT_TRUE(w.OptIloscWiek->isChecked());
        EXPECT_EQ(w.TextWiekOd->text(), u"12"_s);
        EXPECT_EQ(w.ComboGatunek->currentText(), u"wszystkie"_s);
        EXPECT_EQ(w.ComboWoj->currentText(), u"wszystkie"_s);
        EXPECT_TRUE(w.LabKodWIW->text().isEmpty());
        w.close(); // the close box unloads the window
    });
    otworz([](FormZestawienieBSE& w) {
        EXPECT_TRUE(w.OptionDataUboju->isChecked()) << "loaded anew";
        EXPECT_TRUE(w.OptIloscRodzajUboju->isChecked());
        EXPECT_TRUE(w.TextWiekOd->text().isEmpty());
    });
}

TEST_F(StatisticsWindowTest, EachRefusalOfDrukujHasItsTextAndShowsNoReport)
{
    zaloguj();
    dodajPIW(u"1261"_s, u"Kraków"_s);
    partia(1, u"10610001"_s, {{u"DataUboju"_s, QDate(2022, 3, 1)}}); // no sampling date
    otworz([this](FormZestawienieBSE& w) {
        struct Case
        {
            std::function<void()> set;
            QString od;
            QString expected;
        };
        const std::vector<Case> cases = {
            {[] {}, u"01.04.2022"_s, u"Data: Źle ustawiony zakres dat! Popraw!"_s},
            {[&w] { w.ComboPIW->setEditText(u"Kraków"_s); }, u"01.01.2022"_s,
             u"INFORMACJA: Przed wybraniem powiatu wybierz województwo!"_s},
            {[&w] { w.ComboWoj->setEditText(u"Łódzkie"_s); }, u"01.01.2022"_s,
             u"INFORMACJA: Dla województwa o kodzie 10, wybierz odpowiedni powiat!"_s},
            {[&w] {
                 w.ComboWoj->setEditText(u"wszystkie"_s);
                 w.ComboPIW->setEditText(u"wszystkie"_s);
                 w.OptionDataPobr->setChecked(true);
             },
             u"01.01.2022"_s,
             u"INFORMACJA: Stwierdzono brakujące daty pobrania na poziomie partii próbek!\rUzupełnij daty "
             "pobrania i wykonaj zestawienie ponownie!"_s},
            {[&w] {
                 w.OptionDataUboju->setChecked(true);
                 w.OptBseMceWgDatyPobrania->setChecked(true);
             },
             u"01.01.2022"_s,
             u"INFORMACJA: Wykonujesz raport wg daty pobrania!\rW ramce Data zaznacz opcję 'pobrania' i "
             u"wykonaj "
             "raport ponownie!"_s},
            {[&w] {
                 w.OptIloscWiek->setChecked(true);
                 w.TextWiekOd->setText(u"abc"_s);
                 w.TextWiekDo->setText(u"24"_s);
             },
             u"01.01.2022"_s, u"INFORMACJA: Wprowadź prawidłowy zakres wieku od - do"_s},
            {[] {}, u"3x.01.2022"_s, u"Zestawienie: Niezgodność typów."_s},
        };
        for (const Case& c : cases) {
            const std::size_t before = dialogs->calls().size();
            c.set();
            drukuj(w, c.od, u"31.03.2022"_s);
            ASSERT_EQ(dialogs->calls().size(), before + 1) << c.expected.toStdString();
            EXPECT_EQ(dialogs->last().title + u": "_s + dialogs->last().text, c.expected);
            EXPECT_TRUE(w.FrameCzekaj->isHidden());
            EXPECT_TRUE(w.ComDrukuj->isEnabled()) << "the window is unlocked";
        }
        EXPECT_TRUE(w.TextWiekOd->hasFocus()) << "the age refusal moves the focus to the lower bound";
    });
    EXPECT_FALSE(raportPokazany());
}

TEST_F(StatisticsWindowTest, FirstSummaryCountsEveryKindAndOpensItsReportWithTheTitle)
{
    zaloguj();
    partia(1, u"10610001"_s, {{u"DataUboju"_s, QDate(2022, 1, 1)}});
    partia(2, u"12610002"_s, {{u"DataUboju"_s, QDate(2022, 3, 31)}});
    partia(3, u"10610001"_s, {{u"DataUboju"_s, QDate(2022, 4, 1)}});
    partia(4, u"10610001"_s, {{u"DataUboju"_s, QDateTime(QDate(2022, 3, 31), QTime(8, 0))}});
    const QVariant brak;
    for (const QVariant& kind : {QVariant(u"n"_s), QVariant(u" N "_s), brak, QVariant(u"PJ"_s),
                                 QVariant(u"uf"_s), QVariant(u"x"_s), QVariant(u""_s), QVariant(u"BSEZ"_s)})
        probka(1, {{u"RodzajUboju"_s, kind}, {u"Gatunek"_s, u"Bydło"_s}});
    probka(2, {{u"RodzajUboju"_s, u"K"_s}, {u"Gatunek"_s, u"Kozy"_s}});
    probka(2, {{u"RodzajUboju"_s, u"Z"_s}, {u"Gatunek"_s, brak}});
    probka(2, {{u"RodzajUboju"_s, u"R"_s}, {u"Gatunek"_s, u"O'Brien"_s}});
    probka(3, {{u"RodzajUboju"_s, u"N"_s}});
    probka(4, {{u"RodzajUboju"_s, u"N"_s}});

    const QString rodzUboju =
        u"SELECT RodzN, RodzK, RodzP, RodzU, RodzUF, RodzE, RodzR, RodzNNWOK, RodzNWOK, "
        "RodzBSEP, RodzBSEZ, RodzZ FROM RodzUboju"_s;
    otworz([&](FormZestawienieBSE& w) {
        drukuj(w, u"01.01.2022"_s, u"31.03.2022"_s);
        EXPECT_EQ(komunikaty(), QStringList()) << "no box";
        // A batch dated with a time of day on the last day lies after the period's last day.
        EXPECT_EQ(wiersze(robot(), rodzUboju), QStringList{u"2|1|0|0|1|4|1|0|0|0|1|1"_s});
        const QString tytul =
            u"ZESTAWIENIE ILOŚCI PRÓBEK Z PODZIAŁEM NA RODZAJ UBOJU\rOKRES OD 01.01.2022 DO "
            "31.03.2022, WG DATY UBOJU"_s;
        EXPECT_EQ(w.tytulRaportu(), tytul);
        EXPECT_EQ(w.plikRaportu(), ModLabor().KatalogRaportow + u"BseRodzUboju.rpt"_s);
        ASSERT_TRUE(ModLabor().RaportBiezacy);
        EXPECT_EQ(ModLabor().RaportBiezacy->path(), ModLabor().KatalogRaportow + u"BseRodzUboju.html"_s);
        EXPECT_EQ(ModLabor().RaportBiezacy->data().title, tytul);
        EXPECT_TRUE(ModLabor().RaportBiezacy->html().contains(u"<td class=\"liczba\">11</td>"_s))
            << "the total";
        EXPECT_EQ(FormDrukRap::instance().windowTitle(), u"Drukowanie"_s);
        EXPECT_FALSE(FormDrukRap::instance().ComWyslij->isEnabled());
        EXPECT_EQ(w.licznikiUboju(), (LicznikiUboju{4, 2, 1, 0, 0, 1, 1, 0, 0, 0, 1, 1}));

        // Species: one species as typed (the apostrophe is a character), or "Inne": any other and none.
        const std::vector<std::pair<QString, QString>> gatunki = {
            {u"Kozy"_s, u"0|1|0|0|0|0|0|0|0|0|0|0"_s},
            {u"O'Brien"_s, u"0|0|0|0|0|0|1|0|0|0|0|0"_s},
            {u"Inne"_s, u"0|0|0|0|0|0|1|0|0|0|0|1"_s},
        };
        for (const auto& [gatunek, liczby] : gatunki) {
            w.ComboGatunek->setEditText(gatunek);
            w.OptIloscAnalizRodzajUboju->setChecked(true);
            drukuj(w, u"01.01.2022"_s, u"31.03.2022"_s);
            EXPECT_EQ(wiersze(robot(), rodzUboju), QStringList{liczby}) << gatunek.toStdString();
            EXPECT_EQ(w.tytulRaportu(),
                      u"ZESTAWIENIE ILOŚCI ANALIZ Z PODZIAŁEM NA RODZAJ UBOJU\rOKRES OD 01.01.2022 "
                      "DO 31.03.2022, WG DATY UBOJU, GATUNEK: "_s +
                          gatunek);
        }
        EXPECT_EQ(komunikaty(), QStringList());
    });
    EXPECT_EQ(opener->opened().count(u"FormDrukRap"_s), 4);
}

TEST_F(StatisticsWindowTest, EachPeriodOfASummaryGoesToThePrintDialogUnderItsOwnPeriod)
{
    zaloguj();
    opener->onOpen(u"FormDrukRap"_s,
                   [](QDialog& window) { static_cast<FormDrukRap&>(window).ComDrukarka->click(); });
    dialogs->answerCancel().answerCancel();

    otworz([](FormZestawienieBSE& w) {
        drukuj(w, u"01.03.2022"_s, u"09.03.2022"_s);
        drukuj(w, u"01.01.2022"_s, u"31.03.2022"_s);
    });

    QStringList proposed;
    for (const DialogCall& call : dialogs->calls())
        if (call.kind == DialogCall::Kind::PrinterSetup)
            proposed << call.path;
    // One name for both would let "Tak" at the overwrite question replace one period's summary.
    EXPECT_EQ(proposed,
              (QStringList{u"Zestawienie próbek wg rodzaju uboju 01.03.2022-09.03.2022 20220331"_s,
                           u"Zestawienie próbek wg rodzaju uboju 01.01.2022-31.03.2022 20220331"_s}));
}

TEST_F(StatisticsWindowTest, MonthlySummaryAddsEachBatchToItsMonthAndShowsItsProgress)
{
    zaloguj();
    partia(1, u"10610001"_s, {{u"DataPobr"_s, QDate(2022, 3, 20)}});
    partia(2, u"10610001"_s, {{u"DataPobr"_s, QDate(2022, 3, 5)}});
    partia(3, u"10610001"_s, {{u"DataPobr"_s, QDate(2022, 5, 10)}});
    partia(4, u"10610001"_s, {{u"DataPobr"_s, QDate(2022, 6, 12)}}); // no samples
    partia(5, u"10610001"_s, {{u"DataPobr"_s, QDate(2023, 1, 2)}});
    for (const QVariant& kind : {QVariant(u"n"_s), QVariant(u" N "_s), QVariant()})
        probka(1, {{u"RodzajUboju"_s, kind}});
    probka(2, {{u"RodzajUboju"_s, u"K"_s}});
    probka(3, {{u"RodzajUboju"_s, u"NJ"_s}, {u"Gatunek"_s, u"Kozy"_s}});
    probka(5, {{u"RodzajUboju"_s, u"N"_s}});

    otworz([&](FormZestawienieBSE& w) {
        w.OptionDataPobr->setChecked(true);
        w.OptBseMceWgDatyPobrania->setChecked(true);
        w.LabTabIl->setText(u"x"_s);
        drukuj(w, u"01.07.2022"_s, u"31.12.2022"_s);
        EXPECT_EQ(w.LabTabIl->text(), u"x"_s) << "an empty period never shows the progress";
        EXPECT_EQ(
            wiersze(robot(), u"SELECT MC, MIESIAC, RodzN, RodzE FROM BSEmceRodzUboju"_s).join(u' '),
            u"1|STYCZEŃ|-|- 2|LUTY|-|- 3|MARZEC|-|- 4|KWIECIEŃ|-|- 5|MAJ|-|- 6|CZERWIEC|-|- 7|LIPIEC|-|- "
            "8|SIERPIEŃ|-|- 9|WRZESIEŃ|-|- 10|PAZDZIERNIK|-|- 11|LISTOPAD|-|- 12|GRUDZIEŃ|-|-"_s);

        drukuj(w, u"01.01.2022"_s, u"31.12.2022"_s);
        EXPECT_EQ(komunikaty(), QStringList());
        EXPECT_EQ(wiersze(robot(),
                          u"SELECT MC, RodzN, RodzK, RodzE FROM BSEmceRodzUboju WHERE RodzN IS NOT NULL "
                          "OR RodzK IS NOT NULL OR RodzE IS NOT NULL"_s),
                  (QStringList{u"3|2|1|1"_s, u"5|-|-|1"_s}));
        EXPECT_TRUE(w.FrameDoWIW->isHidden());
        EXPECT_EQ(w.LabTabIl->text(), u"4"_s);
        EXPECT_EQ(w.LabIl->text(), u"5"_s);
        EXPECT_EQ(w.LabTab->text(), u"[Partia]  (4)"_s);
        EXPECT_EQ(wiersze(robot(), u"SELECT Naglowek1, Naglowek2, Naglowek3 FROM OGOLNE"_s),
                  QStringList{u"Województwo: wszystkie, Gatunek: wszystkie|Data pobrania|2022"_s});
        EXPECT_EQ(ModLabor().RaportBiezacy->path(), ModLabor().KatalogRaportow + u"BSEmceRodzUboju.html"_s);
        EXPECT_EQ(w.tytulRaportu(),
                  u"ZESTAWIENIE ZBADANYCH PRÓBEK\rOKRES OD 01.01.2022 DO 31.12.2022, WG DATY "
                  "POBRANIA"_s);
    });
}

// The standard library's errors in the window's work, through the summaries' box and the listings'
// export box: running out of memory is told in Polish; a length error is a fault of the
// program, told in its own words, not as lack of memory.
TEST_F(StatisticsWindowTest, ItsErrorBoxesTellOnlyRunningOutOfMemoryAsLackOfMemory)
{
    zaloguj();
    partia(1, u"10610001"_s, {{u"DataPobr"_s, QDate(2022, 3, 20)}});
    probka(1, {{u"RodzajUboju"_s, u"N"_s}});
    probka(1, {{u"RodzajUboju"_s, u"K"_s}});
    const QString memory = u"Za mało pamięci operacyjnej, aby dokończyć tę pracę."_s;
    const std::vector<std::pair<std::function<void()>, QString>> failures = {
        {[] { throw std::bad_alloc(); }, memory},
        {[] { throw std::length_error("vector::reserve"); }, u"vector::reserve"_s},
    };

    // The monthly summary, failing as it shows its progress: at its start, and once it has
    // counted the samples (their number comes first).
    Selection period;
    period.MebOd = u"01.01.2022"_s;
    period.MebDo = u"31.12.2022"_s;
    period.from = QDate(2022, 1, 1);
    period.to = QDate(2022, 12, 31);
    period.PoleDaty = u"DataPobr"_s;
    QStringList expected;
    for (const auto& [fail, text] : failures) {
        const AttachedYear year = AttachedYear::program();
        ZliczBSEmce(year, period, {[&fail](int) { fail(); }, [](int, int) {}, [] {}});
        ZliczBSEmce(year, period, {[](int) {}, [&fail](int, int) { fail(); }, [] {}});
        expected << u"ZESTAWIENIA:  Błąd przetwarzania! Poinformuj dostawcę programu!"_s + text
                 << u"ZESTAWIENIA: 2 Błąd przetwarzania! Poinformuj dostawcę programu!"_s + text;
    }
    EXPECT_EQ(komunikaty(), expected);

    // The export of a listing, failing as it asks for the file.
    otworz([&](FormZestawienieBSE& w) {
        for (const auto& [fail, text] : failures) {
            dialogs->whileShowing([&fail](const DialogCall& call) {
                if (call.kind == DialogCall::Kind::SaveFile)
                    fail();
            });
            const std::size_t before = dialogs->calls().size();
            w.ComXlsOptGIW1->click();
            ASSERT_EQ(dialogs->calls().size(), before + 2) << "the file dialog, the error";
            EXPECT_EQ(dialogs->last().title, u"EKSPORT DO PLIKU"_s);
            EXPECT_EQ(dialogs->last().icon, ui::Icon::Information);
            EXPECT_EQ(dialogs->last().text, u"Błąd eksportu! "_s + text);
        }
        dialogs->whileShowing({});
    });
}

} // namespace
