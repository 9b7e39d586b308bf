#include "FormOperat.h"

#include "ui_FormOperat.h"

#include "FailedCheck.h"
#include "OperatorStore.h"
#include "OperatorsModel.h"

#include "common/Messages.h"
#include "common/ModLabor.h"
#include "common/Password.h"
#include "common/ProgramState.h"
#include "common/TextHelpers.h"

#include "platform/ui/DialogService.h"

#include <QHeaderView>

#include <algorithm>
#include <utility>

namespace trelimor {

namespace {

const QString kNoRights = QStringLiteral("Nie posiadasz uprawnień administratora!");
const QString kMaskedPassword = QStringLiteral("*****");

void alarmNoRights()
{
    PokazAlarm(kNoRights, kAlarmTitle, 1, false);
}

bool loggedInAsAdministrator()
{
    return programState().operatorIsAdministrator();
}

} // namespace

FormOperat::FormOperat()
    : m_ui(new Ui::FormOperat)
{
    m_ui->setupUi(this);
    DBGridOper = m_ui->DBGridOper;
    ComOperDod = m_ui->ComOperDod;
    ComOperKas = m_ui->ComOperKas;
    ComOperKor = m_ui->ComOperKor;
    ComOperZamk = m_ui->ComOperZamk;
    FrameOperat = m_ui->FrameOperat;
    MaskEdBoxKod = m_ui->MaskEdBoxKod;
    TextNazw = m_ui->TextNazw;
    TextLogin = m_ui->TextLogin;
    TextPass1 = m_ui->TextPass1;
    TextPass2 = m_ui->TextPass2;
    ComboOperat = m_ui->ComboOperat;
    ComOperZap = m_ui->ComOperZap;
    ComOperRez = m_ui->ComOperRez;

    DataOperat = new OperatorsModel(this);
    DataOperat->setObjectName(QStringLiteral("DataOperat"));
    DBGridOper->setModel(DataOperat);
    DBGridOper->verticalHeader()->hide();
    DBGridOper->horizontalHeader()->setStretchLastSection(true);
    for (const auto& [column, width] : {std::pair{0, 60}, {1, 170}, {2, 160}, {3, 100}})
        DBGridOper->setColumnWidth(column, width);

    connect(ComOperDod, &QPushButton::clicked, this, &FormOperat::ComOperDod_Click);
    connect(ComOperKor, &QPushButton::clicked, this, &FormOperat::ComOperKor_Click);
    connect(ComOperKas, &QPushButton::clicked, this, &FormOperat::ComOperKas_Click);
    connect(ComOperZamk, &QPushButton::clicked, this, &QWidget::hide);
    connect(ComOperZap, &QPushButton::clicked, this, &FormOperat::ComOperZap_Click);
    connect(ComOperRez, &QPushButton::clicked, this, &FormOperat::ComOperRez_Click);
    for (QLineEdit* box : {TextPass1, TextPass2})
        connect(box, &QLineEdit::textChanged, this, [this] { ZmianaHasla = true; });
    ZmianaHasla = false;
}

FormOperat::~FormOperat()
{
    delete m_ui;
}

void FormOperat::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    Form_Activate();
}

void FormOperat::Form_Activate()
{
    ZmianaHasla = false;
    if (!loggedInAsAdministrator()) {
        ComOperDod->setEnabled(false);
        ComOperKas->setEnabled(false);
    }
    // An open frame keeps the rows it was opened on; otherwise the grid shows the table as it is now.
    if (FrameOperat->isHidden()) {
        const OperatorRow* current = DataOperat->rowAt(currentPosition());
        wczytajOperatorow(current ? current->rowid : -1, currentPosition());
    }
}

void FormOperat::wczytajOperatorow(qint64 currentRowid, int fallbackPosition)
{
    try {
        DataOperat->setRows(readOperators(ModLabor().BazaStale));
    } catch (const std::exception& e) {
        DataOperat->setRows({});
        PokazBlad(QStringLiteral("Błąd odczytu operatorów!"), e);
    }
    const int count = DataOperat->rowCount();
    if (count == 0)
        return;
    int position = DataOperat->positionOf(currentRowid);
    if (position < 0)
        position = std::clamp(fallbackPosition, 0, count - 1);
    DBGridOper->setCurrentIndex(DataOperat->index(position, 0));
    DBGridOper->selectRow(position);
}

int FormOperat::currentPosition() const
{
    const QModelIndex current = DBGridOper->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void FormOperat::Klawisze(bool wlaczone)
{
    if (loggedInAsAdministrator()) {
        ComOperDod->setEnabled(wlaczone);
        ComOperKas->setEnabled(wlaczone);
    }
    ComOperKor->setEnabled(wlaczone);
    ComOperZamk->setEnabled(wlaczone);
    DBGridOper->setEnabled(wlaczone);
}

void FormOperat::openFrame(const QString& caption)
{
    FrameOperat->setTitle(caption);
    FrameOperat->show();
    FrameOperat->raise();
    TextLogin->setFocus();
}

void FormOperat::closeFrame()
{
    FrameOperat->hide();
}

void FormOperat::setKind(const QString& kind)
{
    // A kind outside the list is shown as stored, so saving the row does not change it.
    int index = ComboOperat->findText(kind, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index < 0) {
        ComboOperat->addItem(kind);
        index = ComboOperat->count() - 1;
    }
    ComboOperat->setCurrentIndex(index);
}

void FormOperat::ComOperDod_Click()
{
    if (!loggedInAsAdministrator()) {
        alarmNoRights();
        return;
    }
    try {
        MaskEdBoxKod->setText(nextOperatorNumber(readOperators(ModLabor().BazaStale)));
    } catch (const std::exception& e) {
        PokazBlad(QStringLiteral("Błąd odczytu operatorów!"), e);
        return;
    }
    NowyOperator = true;
    m_editedRowid = -1;
    m_editedLogin.clear();
    TextNazw->clear();
    TextLogin->clear();
    TextPass1->clear();
    TextPass2->clear();
    setKind(QStringLiteral("Administrator"));
    Klawisze(false);
    openFrame(QStringLiteral("   NOWY OPERATOR   "));
}

void FormOperat::ComOperKor_Click()
{
    // The frame is filled from the row as stored now, not as the grid last showed it.
    const OperatorRow* shown = DataOperat->rowAt(currentPosition());
    wczytajOperatorow(shown ? shown->rowid : -1, currentPosition());
    const OperatorRow* row = DataOperat->rowAt(currentPosition());
    if (row == nullptr) {
        ui::dialogs().beep();
        return;
    }
    const bool administrator = loggedInAsAdministrator();
    const bool ownRow =
        row->numer == programState().operatorNumber() && row->nazwisko == programState().operatorName();
    if (!administrator && !ownRow) {
        alarmNoRights();
        return;
    }
    Klawisze(false);
    MaskEdBoxKod->setText(row->numer);
    TextNazw->setText(row->nazwisko);
    TextLogin->setText(row->login);
    setKind(row->rodzaj);
    TextPass1->setText(kMaskedPassword);
    TextPass2->setText(kMaskedPassword);
    ZmianaHasla = false;
    if (!administrator)
        ComboOperat->setEnabled(false);
    NowyOperator = false;
    m_editedRowid = row->rowid;
    m_editedLogin = row->login;
    openFrame(QStringLiteral("        KOREKTA DANYCH OPERATORA        "));
}

void FormOperat::ComOperKas_Click()
{
    const int position = currentPosition();
    const OperatorRow* row = DataOperat->rowAt(position);
    if (row == nullptr) {
        ui::dialogs().beep();
        return;
    }
    const qint64 rowid = row->rowid;
    const QString name = row->nazwisko.trimmed();
    Klawisze(false);
    try {
        db::Database& stale = ModLabor().BazaStale;
        const QString loggedIn = programState().operatorNumber();
        if (auto refused = checkDeletion(readOperators(stale), rowid, loggedIn)) {
            showFailedCheck(*refused, this);
        } else if (ui::dialogs().askYesNo(QStringLiteral("Czy usunąć tego operatora?"), name,
                                          ui::Icon::Question, false)) {
            if (auto late = deleteOperator(stale, rowid, loggedIn))
                showFailedCheck(*late, this);
            else
                ui::dialogs().beep();
        }
    } catch (const std::exception& e) {
        PokazBlad(QStringLiteral("Błąd usuwania operatora!"), e);
    }
    wczytajOperatorow(rowid, position);
    Klawisze(true);
}

bool FormOperat::SprLogin()
{
    try {
        if (auto refused = checkLogin(TextLogin->text(), readOperators(ModLabor().BazaStale),
                                      NowyOperator ? -1 : m_editedRowid)) {
            showFailedCheck(*refused, this);
            return false;
        }
        return true;
    } catch (const std::exception& e) {
        PokazBlad(QStringLiteral("Błąd odczytu operatorów!"), e);
        return false;
    }
}

bool FormOperat::BadajHaslo()
{
    if (auto refused = checkPasswordAndName(TextPass1->text(), TextPass2->text(), TextNazw->text())) {
        showFailedCheck(*refused, this);
        return false;
    }
    return true;
}

bool FormOperat::ZapiszOperat(bool nowyWiersz, bool zapiszHaslo)
{
    const bool administrator = loggedInAsAdministrator();
    OperatorEdit edit;
    edit.rowid = nowyWiersz ? -1 : m_editedRowid;
    edit.numer = MaskEdBoxKod->text();
    edit.nazwisko = TextNazw->text().left(50);
    int keyLength = 0;
    edit.klucz = KluczSortowania(TextNazw->text(), {}, keyLength);
    edit.rodzaj = ComboOperat->currentText();
    edit.writeKind = nowyWiersz || administrator;
    edit.login = TextLogin->text().trimmed();
    edit.checkLogin = nowyWiersz || edit.login != m_editedLogin;
    try {
        if (zapiszHaslo)
            edit.storedPassword = zakodowaneHaslo(TextPass1->text());
        const OperatorSave saved = saveOperator(ModLabor().BazaStale, edit);
        if (saved.refused) {
            showFailedCheck(*saved.refused, this);
            return false;
        }
        wczytajOperatorow(saved.rowid);
        return true;
    } catch (const std::exception& e) {
        PokazBlad(QStringLiteral("Błąd zapisu operatora!"), e);
        return false;
    }
}

void FormOperat::ComOperZap_Click()
{
    if (NowyOperator) {
        if (!loggedInAsAdministrator()) {
            alarmNoRights();
            return;
        }
        if (auto refused = checkNumber(MaskEdBoxKod->text())) {
            showFailedCheck(*refused, this);
            return;
        }
        if (!SprLogin()) {
            TextLogin->setFocus();
            return;
        }
        if (!BadajHaslo() || !ZapiszOperat(true, true))
            return;
    } else {
        if (TextLogin->text().trimmed() != m_editedLogin && !SprLogin()) {
            TextLogin->setFocus();
            return;
        }
        if (ZmianaHasla) {
            if (!BadajHaslo() || !ZapiszOperat(false, true))
                return;
        } else {
            // The name is required on every save, also when the password stays.
            if (auto refused = checkName(TextNazw->text())) {
                showFailedCheck(*refused, this);
                return;
            }
            if (!ZapiszOperat(false, false))
                return;
        }
    }
    closeFrame();
    Klawisze(true);
}

void FormOperat::ComOperRez_Click()
{
    closeFrame();
    Klawisze(true);
}

void FormOperat::reject()
{
    if (!FrameOperat->isHidden())
        ComOperRez_Click();
    QDialog::reject();
}

} // namespace trelimor
