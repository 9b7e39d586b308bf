#include "FormMetBadStr.h"

#include "ui_FormMetBadStr.h"

#include "common/Messages.h"
#include "common/ModLabor.h"
#include "common/TableHelpers.h"

#include "platform/ui/Clock.h"
#include "platform/ui/DialogService.h"
#include "platform/ui/WindowOpener.h"

namespace trelimor {

namespace {

const QString kLaboratoryNorm = QStringLiteral("SELECT * FROM NORMY WHERE IDNORMY = 'PCA'");

} // namespace

FormMetBadStr::FormMetBadStr(QWidget* parent)
    : QDialog(parent)
    , m_ui(new Ui::FormMetBadStr)
{
    m_ui->setupUi(this);
    TextZlecenieNr = m_ui->TextZlecenieNr;
    TextMetBadEBB = m_ui->TextMetBadEBB;
    TextMetBadBr = m_ui->TextMetBadBr;
    TextNorma1 = m_ui->TextNorma1;
    TextNorma2 = m_ui->TextNorma2;
    CheckNorma = m_ui->CheckNorma;
    LabModul = m_ui->LabModul;
    TextDataDruk = m_ui->TextDataDruk;
    TextLiczbaStron = m_ui->TextLiczbaStron;
    ComOk = m_ui->ComOk;
    ComAnulujFr = m_ui->ComAnulujFr;
    LabModul->hide();
    connect(ComOk, &QPushButton::clicked, this, &FormMetBadStr::ComOk_Click);
    connect(ComAnulujFr, &QPushButton::clicked, this, &FormMetBadStr::ComAnulujFr_Click);
    Form_Load();
}

FormMetBadStr::~FormMetBadStr()
{
    delete m_ui;
}

void FormMetBadStr::Form_Load()
{
    TextMetBadEBB->setText(QStringLiteral("TEST ELISA"));
    TextMetBadBr->setText(QStringLiteral("OKAP"));
    TextLiczbaStron->clear();
    TextDataDruk->setText(ui::today().toString(QStringLiteral("dd.MM.yyyy")));
    try {
        // The norm remembered by the tick box is the laboratory's, proposed in its own box.
        db::Recordset norm = ModLabor().BazaStale.openRecordset(kLaboratoryNorm);
        if (norm.recordCount() > 0)
            TextNorma2->setText(BezNullText(norm.value(QStringLiteral("Norma"))));
    } catch (const std::exception& e) {
        PokazBlad(QStringLiteral("Normy"), e);
    }
}

bool FormMetBadStr::completeBatch()
{
    db::Database& robot = ModLabor().BazaRobot;
    db::Recordset batch = robot.openRecordset(QStringLiteral("SELECT * FROM PARTIA"));
    if (batch.recordCount() == 0) {
        ui::plainMessage(QStringLiteral("Brak rekordu!"));
        return false;
    }
    QString town;
    const QString module = LabModul->text();
    if (module == u"Ser" || module == u"Auj") {
        db::Recordset inspectorate = ModLabor().BazaStale.openRecordset(
            QStringLiteral("SELECT * FROM PIW WHERE IDPIW = ?"), {m_countyCode});
        if (inspectorate.recordCount() > 0)
            town = BezNullText(inspectorate.value(QStringLiteral("W")));
    }
    batch.edit();
    batch.setValue(QStringLiteral("MetodaBadEBB"), TextMetBadEBB->text());
    batch.setValue(QStringLiteral("MetodaBadBr"), TextMetBadBr->text());
    batch.setValue(QStringLiteral("Norma1"),
                   TextNorma1->text() + QStringLiteral("\r\r") + TextNorma2->text());
    batch.setValue(QStringLiteral("ZlecenieNr"), TextZlecenieNr->text());
    batch.setValue(QStringLiteral("DataDruk"), TextDataDruk->text());
    batch.setValue(QStringLiteral("PIW"), town);
    batch.update();

    if (CheckNorma->isChecked()) {
        db::Recordset norm = ModLabor().BazaStale.openRecordset(kLaboratoryNorm);
        if (norm.recordCount() > 0) {
            norm.edit();
            norm.setValue(QStringLiteral("Norma"), TextNorma2->text());
            norm.update();
        }
    }
    return true;
}

void FormMetBadStr::ComOk_Click()
{
    try {
        const bool completed = completeBatch();
        PrzegladnijTabele(ModLabor().BazaRobot, QStringLiteral("PARTIA"));
        done(completed ? Accepted : Rejected);
    } catch (const std::exception& e) {
        // The dialog stays open: the options can be tried again or cancelled.
        PokazBlad(QStringLiteral("Sprawozdanie"), e);
    }
}

void FormMetBadStr::ComAnulujFr_Click()
{
    ModLabor().TrybSlownika = QStringLiteral("ANULUJ");
    QDialog::reject();
}

void FormMetBadStr::reject()
{
    ComAnulujFr_Click();
}

bool otworzOpcjeSprawozdania(const QString& modul, const QString& kodPowiatu)
{
    FormMetBadStr& dialog = FormMetBadStr::instance();
    dialog.LabModul->setText(modul);
    dialog.setCountyCode(kodPowiatu);
    return ui::openModal(dialog) == QDialog::Accepted;
}

} // namespace trelimor
