// "Drukuj": the summary dispatcher of the statistics window.

#include "FormZestawienieBSE.h"

#include "AttachedYear.h"
#include "ErrorText.h"
#include "Listings.h"
#include "MonthlySummary.h"
#include "SummaryOptions.h"

#include "common/MaskedEdit.h"
#include "common/Messages.h"
#include "common/ModLabor.h"
#include "common/ReportWork.h"
#include "common/TableHelpers.h"
#include "common/TextHelpers.h"
#include "documents/FormDrukRap.h"

#include "platform/ui/OverrideCursorGuard.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>

using namespace Qt::StringLiterals;

namespace trelimor {

namespace {

const QString kWszystkie = u"wszystkie"_s;

// The window while a summary is built: the wait notice shown and painted, the hourglass, and
// every control locked; all undone when the summary ends, whichever way.
class BusyWindow
{
public:
    BusyWindow(QWidget& window, QWidget* notice, QWidget* progress)
        : m_notice(notice)
    {
        for (QWidget* child : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (child == notice || child == progress || !child->isEnabled())
                continue;
            child->setEnabled(false);
            m_locked.append(child);
        }
        m_notice->show();
        m_notice->repaint();
    }
    ~BusyWindow()
    {
        m_notice->hide();
        for (const QPointer<QWidget>& child : m_locked)
            if (child)
                child->setEnabled(true);
    }
    BusyWindow(const BusyWindow&) = delete;
    BusyWindow& operator=(const BusyWindow&) = delete;

private:
    QWidget* m_notice;
    QList<QPointer<QWidget>> m_locked;
    ui::OverrideCursorGuard m_wait;
};

db::Database& robot()
{
    return ModLabor().BazaRobot;
}

} // namespace

void FormZestawienieBSE::ComDrukuj_Click()
{
    try {
        if (periodDay(MebOd->text()) > periodDay(MebDo->text())) {
            PokazUwage(u"Źle ustawiony zakres dat! Popraw!"_s, u"Data"_s);
            return;
        }
        const QString wojewodztwo = ComboWoj->currentText();
        const QString powiat = ComboPIW->currentText();
        if ((wojewodztwo.isEmpty() || wojewodztwo == kWszystkie) && powiat != kWszystkie) {
            PokazInfo(u"Przed wybraniem powiatu wybierz województwo!"_s, kInformationTitle);
            return;
        }
        if (wojewodztwo != kWszystkie && powiat != kWszystkie &&
            LabIDPIW->text().left(2) != LabKodWIW->text()) {
            PokazInfo(u"Dla województwa o kodzie "_s + LabKodWIW->text() + u", wybierz odpowiedni powiat!"_s,
                      kInformationTitle);
            return;
        }

        m_fokusNaKoniec = nullptr;
        {
            BusyWindow busy(*this, FrameCzekaj, FrameDoWIW);
            if (przygotujIWykonaj())
                pokazRaport();
        }
        // A control locked while the summary ran takes the focus only now.
        if (m_fokusNaKoniec)
            m_fokusNaKoniec->setFocus();
    } catch (const std::exception& e) {
        PokazBlad(u"Zestawienie"_s, e);
    }
}

bool FormZestawienieBSE::przygotujIWykonaj()
{
    OproznijRoboczaTabele(u"Podatnik"_s);
    KopiujDoRoboczej(u"Podatnik"_s);

    m_wybor = Selection{};
    m_wybor.MebOd = MebOd->text();
    m_wybor.MebDo = MebDo->text();
    m_wybor.from = periodDay(m_wybor.MebOd);
    m_wybor.to = periodDay(m_wybor.MebDo);
    m_plikRaportu.clear();
    m_tytulRaportu.clear();
    QString podtytul;
    if (!ustawKolumneDaty(podtytul))
        return false;
    ustawFiltry(podtytul);
    return wykonajZestawienie(podtytul);
}

bool FormZestawienieBSE::ustawKolumneDaty(QString& podtytul)
{
    const struct
    {
        QRadioButton* option;
        QString column;
        QString subtitle;
    } columns[] = {
        {OptionDataUboju, u"DataUboju"_s, u", WG DATY UBOJU"_s},
        {OptionDataDoLab, u"DataWprow"_s, u", WG DATY PRZYJĘCIA"_s},
        {OptionDataRozpBad, u"DataRozpBad"_s, u", WG DATY ROZPOCZĘCIA BADANIA"_s},
        {OptionDataZakBad, u"DataWyniku"_s, u", WG DATY ZAKOŃCZENIA BADANIA"_s},
        {OptionDataPobr, u"DataPobr"_s, u", WG DATY POBRANIA"_s},
    };
    for (const auto& c : columns) {
        if (!c.option->isChecked())
            continue;
        if (c.option == OptionDataPobr && !SprBrakDatyPobr(ModLabor().BazaRok)) {
            PokazUwage(u"Stwierdzono brakujące daty pobrania na poziomie partii próbek!\r"
                       "Uzupełnij daty pobrania i wykonaj zestawienie ponownie!"_s,
                       kInformationTitle);
            return false;
        }
        m_wybor.PoleDaty = c.column;
        podtytul += c.subtitle;
        return true;
    }
    return true;
}

void FormZestawienieBSE::ustawFiltry(QString& podtytul)
{
    const QString powiat = LabIDPIW->text();
    if (!powiat.trimmed().isEmpty())
        podtytul += u"\rPOWIAT: "_s + powiat;

    const QString zaklad = TextKodZakladu->text();
    if (!TextKodZakladu->isHidden() && !zaklad.trimmed().isEmpty()) {
        m_wybor.FiltrPartii = zaklad;
        podtytul += u", KOD ZAKŁADU: "_s + zaklad;
    }

    const QString wojewodztwo = ComboWoj->currentText();
    if (!wojewodztwo.isEmpty() && wojewodztwo != kWszystkie) {
        podtytul += u", WOJEWÓDZTWO: "_s + wojewodztwo.toUpper();
        m_wybor.areaChosen = true;
        m_wybor.voivodeshipCode = LabKodWIW->text();
        m_wybor.countyCode = powiat;
    }

    const QString gatunek = ComboGatunek->currentText();
    if (!ComboGatunek->isHidden() && gatunek.trimmed() != kWszystkie) {
        if (gatunek.trimmed() == u"Inne") {
            m_wybor.FiltrProbki.species = SampleFilter::Species::Other;
        } else {
            m_wybor.FiltrProbki.species = SampleFilter::Species::One;
            m_wybor.FiltrProbki.speciesText = gatunek;
        }
        podtytul += u", GATUNEK: "_s + gatunek;
    }

    const QString wynik = ComboWynik->currentText();
    if (!ComboWynik->isHidden() && wynik.trimmed() != kWszystkie) {
        m_wybor.FiltrProbki.result = wynik;
        podtytul += u", WYNIK: "_s + wynik;
    }
}

bool FormZestawienieBSE::wykonajZestawienie(const QString& podtytul)
{
    const auto& options = summaryOptions();
    const auto selected = std::find_if(options.begin(), options.end(), [this](const SummaryOption& o) {
        const auto* option = findChild<QRadioButton*>(o.control);
        return option && option->isChecked();
    });
    if (selected == options.end())
        return false;
    const SummaryOption& opcja = *selected;
    const QString tytul =
        opcja.titleLine + u"\rOKRES OD "_s + MebOd->text() + u" DO "_s + MebDo->text() + podtytul;
    const QString plik = ModLabor().KatalogRaportow + opcja.reportFile;

    switch (opcja.summary) {
    case Summary::KindOfSlaughter:
        CzyscRodzUboju();
        ZestRodzUboju();
        m_tytulRaportu = tytul;
        PrzegladnijTabele(robot(), u"RodzUboju"_s);
        m_plikRaportu = plik;
        return true;
    case Summary::Monthly:
        return zestawienieMiesieczne(tytul);
    case Summary::AgeBand:
        if (!isNumeric(TextWiekOd->text()) || !isNumeric(TextWiekDo->text())) {
            PokazInfo(u"Wprowadź prawidłowy zakres wieku od - do"_s, kInformationTitle);
            m_fokusNaKoniec = TextWiekOd;
            return false;
        }
        break;
    default:
        break;
    }

    // Emptied in one statement: the table may hold a whole year's listing.
    robot().execute(u"DELETE FROM IloscZak"_s);
    m_plikRaportu = plik;
    if (opcja.header)
        UstawNaglowki(*opcja.header, QString(), QString());
    m_tytulRaportu = tytul;
    switch (opcja.summary) {
    case Summary::Voivodeships:
        ZliczWojPowZak(u"woj"_s);
        break;
    case Summary::Counties:
        ZliczWojPowZak(u"pow"_s);
        break;
    case Summary::Establishments:
        ZliczWojPowZak(u"zak"_s);
        break;
    case Summary::AgeBand:
        ZliczWiek();
        break;
    case Summary::Species:
        ZliczGatunek();
        break;
    case Summary::EarTagAge:
        ListaNrKolczykaWiek();
        break;
    case Summary::EarTagWni:
        ListaNrKolczykaWNI();
        break;
    case Summary::Giw1:
        ListaGIW1();
        break;
    case Summary::RepeatedAnalyses:
    case Summary::PerformedAnalyses:
        ListaAnalizPowt();
        break;
    case Summary::KindOfSlaughter:
    case Summary::Monthly:
        break;
    }
    PrzegladnijTabele(robot(), u"IloscZak"_s);
    return true;
}

bool FormZestawienieBSE::zestawienieMiesieczne(const QString& tytul)
{
    if (!OptionDataPobr->isChecked()) {
        PokazInfo(
            u"Wykonujesz raport wg daty pobrania!\rW ramce Data zaznacz opcję 'pobrania' i wykonaj raport "
            "ponownie!"_s,
            kInformationTitle);
        return false;
    }
    OproznijRoboczaTabele(u"BseMceRodzUboju"_s);
    PrzygotujBSEmce(robot(), u"BSEmceRodzUboju"_s);
    PrzegladnijTabele(robot(), u"BseMceRodzUboju"_s);
    m_plikRaportu = ModLabor().KatalogRaportow + u"BSEmceRodzUboju.rpt"_s;
    UstawNaglowki(u"Województwo: "_s + ComboWoj->currentText() + u", Gatunek: "_s +
                      ComboGatunek->currentText(),
                  u"Data pobrania"_s, QString::number(m_wybor.from.year()));
    m_tytulRaportu = tytul;
    ZliczBSEmce();
    PrzegladnijTabele(robot(), u"BseMceRodzUboju"_s);
    return true;
}

void FormZestawienieBSE::pokazRaport()
{
    FormDrukRap& okno = FormDrukRap::instance();
    okno.ComWyslij->setEnabled(false);
    // The period names the PDF: a summary printed for two periods on one day proposes two files.
    const QString period =
        m_wybor.from.toString(u"dd.MM.yyyy"_s) + u'-' + m_wybor.to.toString(u"dd.MM.yyyy"_s);
    PokazRaport(m_plikRaportu, okno, u"Drukowanie"_s, QString(), m_tytulRaportu, QString(), period);
}

void FormZestawienieBSE::naRoku(const std::function<void(const AttachedYear&)>& filler)
{
    const AttachedYear year = AttachedYear::program();
    filler(year);
}

void FormZestawienieBSE::ZestRodzUboju()
{
    m_licznikiUboju = {};
    naRoku([this](const AttachedYear& year) { m_licznikiUboju = trelimor::ZestRodzUboju(year, m_wybor); });
}

void FormZestawienieBSE::ZliczWojPowZak(const QString& rodzaj)
{
    naRoku([&](const AttachedYear& year) { trelimor::ZliczWojPowZak(year, m_wybor, rodzaj); });
}

void FormZestawienieBSE::ZliczWiek()
{
    QList<MissingAge> bezWieku;
    naRoku([&](const AttachedYear& year) {
        bezWieku = trelimor::ZliczWiek(year, m_wybor, TextWiekOd->text(), TextWiekDo->text());
    });
    // Shown once the count is stored, in the order the count met the samples.
    for (const MissingAge& probka : bezWieku)
        PokazInfo(missingAgeText(probka), kInformationTitle);
}

void FormZestawienieBSE::ZliczGatunek()
{
    naRoku([this](const AttachedYear& year) { trelimor::ZliczGatunek(year, m_wybor); });
}

void FormZestawienieBSE::ZliczBSEmce()
{
    m_licznikiUboju = {};
    MonthlyProgress progress;
    progress.started = [this](int batches) {
        ProgressBar1->setMinimum(0);
        ProgressBar1->setMaximum(batches);
        LabTab->setText(u"[Partia]  ("_s + QString::number(batches) + u")"_s);
        FrameDoWIW->show();
        FrameDoWIW->repaint();
    };
    progress.counted = [this](int batches, int samples) {
        LabTabIl->setText(QString::number(batches));
        ProgressBar1->setValue(batches);
        LabIl->setText(QString::number(samples));
        FrameDoWIW->repaint();
    };
    progress.finished = [this] { FrameDoWIW->hide(); };
    naRoku([&](const AttachedYear& year) { trelimor::ZliczBSEmce(year, m_wybor, progress); });
}

void FormZestawienieBSE::ListaAnalizPowt()
{
    const bool wykonane = OptIloscAnalizWykonanych->isChecked();
    naRoku([&](const AttachedYear& year) { trelimor::ListaAnalizPowt(year, m_wybor, wykonane); });
}

void FormZestawienieBSE::ListaNrKolczykaWiek()
{
    naRoku([this](const AttachedYear& year) { trelimor::ListaNrKolczykaWiek(year, m_wybor); });
}

void FormZestawienieBSE::ListaNrKolczykaWNI()
{
    naRoku([this](const AttachedYear& year) { trelimor::ListaNrKolczykaWNI(year, m_wybor); });
}

void FormZestawienieBSE::ListaGIW1()
{
    naRoku([this](const AttachedYear& year) { trelimor::ListaGIW1(year, m_wybor); });
}

bool FormZestawienieBSE::SprBrakDatyPobr(db::Database& database)
{
    try {
        return !database.scalar(u"SELECT EXISTS (SELECT 1 FROM Partia WHERE DataPobr IS NULL)"_s).toBool();
    } catch (const std::exception& e) {
        showListingError(e);
        return true;
    }
}

void FormZestawienieBSE::CzyscRodzUboju()
{
    try {
        OproznijTabele(robot(), u"RodzUboju"_s, true);
    } catch (const std::exception& e) {
        PokazBlad(u"Powiadom programistę!"_s, e);
    }
}

} // namespace trelimor
