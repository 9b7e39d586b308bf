#include "FormZestawienieBSE.h"

#include "ui_FormZestawienieBSE.h"

#include "MonthlySummary.h"

#include "common/Dates.h"
#include "common/FormKalendarz1.h"
#include "common/MaskedEdit.h"
#include "common/ModLabor.h"
#include "common/Pickers.h"
#include "common/ProgramState.h"
#include "common/TableHelpers.h"

#include "platform/ui/OverrideCursorGuard.h"
#include "platform/ui/WindowOpener.h"

#include <QCloseEvent>

using namespace Qt::StringLiterals;

namespace trelimor {

namespace {

const QString kWszystkie = u"wszystkie"_s;

} // namespace

FormZestawienieBSE::FormZestawienieBSE(QWidget* parent)
    : QDialog(parent)
    , m_ui(new Ui::FormZestawienieBSE)
{
    m_ui->setupUi(this);
    bindControls();

    connect(ComboWoj, &QComboBox::editTextChanged, this, &FormZestawienieBSE::ComboWoj_Click);
    connect(ComboWoj, &QComboBox::activated, this, &FormZestawienieBSE::ComboWoj_Click);
    connect(ComboPIW, &QComboBox::editTextChanged, this, &FormZestawienieBSE::ComboPIW_Click);
    connect(ComboPIW, &QComboBox::activated, this, &FormZestawienieBSE::ComboPIW_Click);
    connect(ComDatOd, &QPushButton::clicked, this, &FormZestawienieBSE::ComDatOd_Click);
    connect(ComDatDo, &QPushButton::clicked, this, &FormZestawienieBSE::ComDatDo_Click);
    connect(ComDrukuj, &QPushButton::clicked, this, &FormZestawienieBSE::ComDrukuj_Click);
    connect(ComAnuluj, &QPushButton::clicked, this, &FormZestawienieBSE::ComAnuluj_Click);

    Form_Load();
}

FormZestawienieBSE::~FormZestawienieBSE()
{
    delete m_ui;
}

void FormZestawienieBSE::bindControls()
{
    Ui::FormZestawienieBSE& u = *m_ui;
    Label1 = u.Label1;
    Frame1 = u.Frame1;
    LabelOd = u.LabelOd;
    MebOd = u.MebOd;
    ComDatOd = u.ComDatOd;
    LabeDo = u.LabeDo;
    MebDo = u.MebDo;
    ComDatDo = u.ComDatDo;
    OptionDataUboju = u.OptionDataUboju;
    OptionDataPobr = u.OptionDataPobr;
    OptionDataDoLab = u.OptionDataDoLab;
    OptionDataRozpBad = u.OptionDataRozpBad;
    OptionDataZakBad = u.OptionDataZakBad;
    Frame2 = u.Frame2;
    OptIloscRodzajUboju = u.OptIloscRodzajUboju;
    OptBseMceWgDatyPobrania = u.OptBseMceWgDatyPobrania;
    OptIloscWoj = u.OptIloscWoj;
    OptIloscZak = u.OptIloscZak;
    OptIloscPow = u.OptIloscPow;
    OptIloscWiek = u.OptIloscWiek;
    TextWiekOd = u.TextWiekOd;
    Label3 = u.Label3;
    TextWiekDo = u.TextWiekDo;
    Label4 = u.Label4;
    OptIloscGatunek = u.OptIloscGatunek;
    OptNrKolczykaWiek = u.OptNrKolczykaWiek;
    ComXlsOptNrKolczykaWiek = u.ComXlsOptNrKolczykaWiek;
    OptNrKolczykaWNI = u.OptNrKolczykaWNI;
    ComXlsOptNrKolczykaWNI = u.ComXlsOptNrKolczykaWNI;
    OptGIW1 = u.OptGIW1;
    ComXlsOptGIW1 = u.ComXlsOptGIW1;
    OptIloscAnalizPowtorzonych = u.OptIloscAnalizPowtorzonych;
    OptIloscAnalizWykonanych = u.OptIloscAnalizWykonanych;
    OptIloscAnalizRodzajUboju = u.OptIloscAnalizRodzajUboju;
    LabGatunek = u.LabGatunek;
    ComboGatunek = u.ComboGatunek;
    Label2 = u.Label2;
    ComboWoj = u.ComboWoj;
    LabKodWIW = u.LabKodWIW;
    LabPIW = u.LabPIW;
    ComboPIW = u.ComboPIW;
    LabIDPIW = u.LabIDPIW;
    LabKodZakladu = u.LabKodZakladu;
    TextKodZakladu = u.TextKodZakladu;
    Label5 = u.Label5;
    ComboWynik = u.ComboWynik;
    ComDrukuj = u.ComDrukuj;
    ComAnuluj = u.ComAnuluj;
    FrameCzekaj = u.FrameCzekaj;
    Label17 = u.Label17;
    FrameDoWIW = u.FrameDoWIW;
    Label15 = u.Label15;
    LabTab = u.LabTab;
    LabTabIl = u.LabTabIl;
    Label16 = u.Label16;
    LabIl = u.LabIl;
    ProgressBar1 = u.ProgressBar1;
}

FormZestawienieBSE& FormZestawienieBSE::opened()
{
    // Closing by the close box unloads the window: the next opening loads it anew.
    if (ui::DefaultInstance<FormZestawienieBSE>::exists() && instance().m_closedByCloseBox)
        ui::DefaultInstance<FormZestawienieBSE>::reset();
    return instance();
}

void FormZestawienieBSE::Form_Load()
{
    ui::OverrideCursorGuard wait;
    FrameCzekaj->move((width() - FrameCzekaj->width()) / 2, (height() - FrameCzekaj->height()) / 2);
    FrameDoWIW->move(FrameCzekaj->x(), FrameCzekaj->y() + FrameCzekaj->height());
    FormKalendarz1& kalendarz = FormKalendarz1::instance();
    kalendarz.move(kalendarz.x() - int(MebDo->width() / 2.5), kalendarz.y());
    WypelnijCombo(ComboPIW, ModLabor().BazaStale, "PIW", u"Miasto"_s, u"Miasto"_s, QString(), kWszystkie);
    OptIloscRodzajUboju->setChecked(true);
    ComboPIW->setEditText(kWszystkie);
    TextKodZakladu->clear();
}

bool FormZestawienieBSE::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        Form_Activate();
    return QDialog::event(event);
}

void FormZestawienieBSE::closeEvent(QCloseEvent* event)
{
    m_closedByCloseBox = true;
    QDialog::closeEvent(event);
}

void FormZestawienieBSE::Form_Activate()
{
    if (!ModLabor().PierwszaAktywacja)
        return;
    ui::OverrideCursorGuard wait;
    for (QComboBox* combo : {ComboPIW, ComboWoj, ComboGatunek, ComboWynik})
        combo->setEditText(kWszystkie);
    LabKodWIW->clear();
    LabIDPIW->clear();
    ModLabor().PierwszaAktywacja = false;
}

void FormZestawienieBSE::ComboWoj_Click()
{
    LabKodWIW->setText(KodWojewodztwa(ComboWoj->currentText()));
    ComAnuluj->setFocus();
}

void FormZestawienieBSE::ComboPIW_Click()
{
    const QString text = ComboPIW->currentText();
    PobierzOpis(LabIDPIW, ModLabor().BazaStale, u"PIW"_s, text, u"Miasto"_s, u"IDPIW"_s);
    if (text == kWszystkie)
        LabIDPIW->clear();
}

void FormZestawienieBSE::wybierzDate(MaskedEdit* pole, QPushButton* przycisk)
{
    // Under the picker button (two of its heights down), from the date field's left edge.
    const QPoint miejsce(pole->mapTo(this, QPoint(0, 0)).x(),
                         przycisk->mapTo(this, QPoint(0, 0)).y() + 2 * przycisk->height());
    FormKalendarz1::instance().move(mapToGlobal(miejsce));
    QString tekst = pole->text();
    pole->setText(WybierzDate1(tekst, QString()).toString(u"dd.MM.yyyy"_s));
}

void FormZestawienieBSE::ComDatOd_Click()
{
    wybierzDate(MebOd, ComDatOd);
}

void FormZestawienieBSE::ComDatDo_Click()
{
    wybierzDate(MebDo, ComDatDo);
}

void FormZestawienieBSE::ComAnuluj_Click()
{
    hide();
}

void FormZestawienieBSE::PrzygotujBSEmce(db::Database& BazaZ, const QString& NazTabZ)
{
    trelimor::PrzygotujBSEmce(BazaZ, NazTabZ);
}

void otworzZestawienia()
{
    FormZestawienieBSE& okno = FormZestawienieBSE::opened();
    const QString dzien = programState().workingDateText();
    okno.MebOd->setText(dzien);
    okno.MebDo->setText(dzien);
    ui::openModal(okno);
}

} // namespace trelimor
