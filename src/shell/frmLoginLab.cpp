#include "frmLoginLab.h"

#include "ui_frmLoginLab.h"

#include "common/Dates.h"
#include "common/Messages.h"
#include "common/ModLabor.h"
#include "common/Password.h"
#include "common/ProgramState.h"

#include "platform/db/JetError.h"
#include "platform/db/Recordset.h"
#include "platform/locale/ShortDateFormat.h"
#include "platform/paths/Folders.h"
#include "platform/ui/Clock.h"
#include "platform/ui/DialogService.h"
#include "platform/ui/Keystrokes.h"
#include "platform/ui/Quit.h"

#include <QFocusEvent>
#include <QPainter>
#include <QPainterPath>

namespace trelimor {

namespace {

const QString kRequiredFormat = QStringLiteral("dd.MM.yyyy");

void alarm(const QString& text)
{
    PokazAlarm(text, kAlarmTitle, 1, false);
}

// A focus change made by the user or the program, not one that comes with switching windows
// (an alarm window opening over this one, say).
bool movedWithinWindow(QEvent* event)
{
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

// Whether today's date written under the user's short date format is what the program needs.
bool formatDatyPoprawny()
{
    const QDate today = ui::today();
    return locale::formatShortDate(today) == today.toString(kRequiredFormat);
}

db::Recordset operatorzyOLoginie(const QString& login)
{
    return ModLabor().BazaStale.openRecordset(
        QStringLiteral("SELECT * FROM OPERATORZY WHERE OP_LOGIN = ? COLLATE PL"), {login});
}

QPixmap klodka()
{
    QPixmap picture(48, 64);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(90, 90, 90), 6));
    painter.drawArc(QRectF(10, 6, 28, 32), 0, 180 * 16);
    painter.drawLine(QPointF(10, 22), QPointF(10, 30));
    painter.drawLine(QPointF(38, 22), QPointF(38, 30));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(200, 150, 30));
    painter.drawRoundedRect(QRectF(4, 28, 40, 32), 4, 4);
    painter.setBrush(QColor(60, 40, 10));
    painter.drawEllipse(QPointF(24, 40), 4, 4);
    painter.drawRect(QRectF(22, 42, 4, 10));
    return picture;
}

} // namespace

frmLoginLab::frmLoginLab(QWidget* parent)
    : QDialog(parent)
    , m_ui(new Ui::frmLoginLab)
{
    m_ui->setupUi(this);
    TextLogin = m_ui->TextLogin;
    txtPassword = m_ui->txtPassword;
    cmdOK = m_ui->cmdOK;
    cmdCancel = m_ui->cmdCancel;
    CmdTmp = m_ui->CmdTmp;
    TextNazwisko = m_ui->TextNazwisko;
    TextOperat = m_ui->TextOperat;
    TextOperatRodz = m_ui->TextOperatRodz;
    LabDataOld = m_ui->LabDataOld;
    m_ui->Picture1->setPixmap(klodka());

    // Enter in the login field goes to the password: the hidden-behind button takes it as
    // the default button until a login has been found.
    CmdTmp->lower();
    CmdTmp->setDefault(true);
    TextLogin->installEventFilter(this);
    connect(cmdOK, &QPushButton::clicked, this, &frmLoginLab::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmLoginLab::cmdCancel_Click);
    connect(CmdTmp, &QPushButton::clicked, this, &frmLoginLab::CmdTmp_Click);
}

frmLoginLab::~frmLoginLab()
{
    delete m_ui;
}

bool frmLoginLab::Form_Load()
{
    LabDataOld->setText(PobierzFormatDaty());
    if (!formatDatyPoprawny())
        UstawFormatDaty(kRequiredFormat);
    if (!formatDatyPoprawny()) {
        ui::dialogs().message(
            QStringLiteral("W celu ujednolicenia formatu daty dla PIW, WIW oraz laboratorium\rzmień w "
                           "ustawieniach regionalnych windows format daty krótkiej na: dd.MM.rrrr"),
            QStringLiteral("FORMAT DATY"), ui::Icon::Information);
        m_wynik = Wynik::Zakonczenie;
        ui::requestQuit(1);
        return false;
    }
    LiczbaProb = 0;
    LiczbaBlednychHasel = 0;
    m_sprawdzLogin = false;
    m_wynik = Wynik::Odmowa;
    ModLabor().Zalogowany = false;
    TextLogin->clear();
    TextNazwisko->clear();
    txtPassword->clear();
    CmdTmp->setDefault(true);
    return true;
}

bool frmLoginLab::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == TextLogin && (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) &&
        movedWithinWindow(event)) {
        if (event->type() == QEvent::FocusIn) {
            TextLogin_GotFocus();
        } else {
            // The check may show an alarm window; it runs once the focus has settled, not in
            // the middle of moving it.
            m_sprawdzLogin = true;
            QMetaObject::invokeMethod(
                this,
                [this] {
                    if (m_sprawdzLogin)
                        TextLogin_LostFocus();
                },
                Qt::QueuedConnection);
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmLoginLab::TextLogin_GotFocus()
{
    TextNazwisko->clear();
    txtPassword->clear();
    CmdTmp->setDefault(true);
}

void frmLoginLab::CmdTmp_Click()
{
    txtPassword->clear();
    txtPassword->setFocus(Qt::OtherFocusReason);
    cmdOK->setDefault(true);
}

void frmLoginLab::TextLogin_LostFocus()
{
    m_sprawdzLogin = false;
    if (!isVisible())
        return; // the window has already ended
    try {
        const QString login = TextLogin->text().trimmed();
        if (login.isEmpty())
            return;
        db::Recordset operatorzy = operatorzyOLoginie(login);
        if (operatorzy.recordCount() > 0) {
            TextNazwisko->setText(BezNullText(operatorzy.value(QStringLiteral("OP_NAZWISKO"))));
            LiczbaProb = 0;
            txtPassword->clear();
            txtPassword->setFocus(Qt::OtherFocusReason);
            cmdOK->setDefault(true);
            return;
        }
        ++LiczbaProb;
        if (LiczbaProb >= 3) {
            odmow(QStringLiteral("Nieprawidłowy Login - Wyjście z programu!"));
            return;
        }
        alarm(QStringLiteral("Nieprawidłowy Login - Spróbuj ponownie!"));
        TextLogin->setFocus(Qt::OtherFocusReason);
        // The window is only coming back from the alarm, so the field may not report the focus
        // as gained: what gaining it does is done here.
        TextLogin_GotFocus();
        ui::sendKeystrokes(TextLogin, {ui::Keystroke::HomeShiftEnd});
    } catch (const db::JetError& e) {
        if (e.number() != db::jet::ItemNotFound)
            PokazBlad(QStringLiteral("Błąd logowania!"), e);
    } catch (const std::exception& e) {
        PokazBlad(QStringLiteral("Błąd logowania!"), e);
    }
}

void frmLoginLab::cmdOK_Click()
{
    // OK pressed straight from the login field: its check comes first, as it would have when
    // the field lost the focus.
    if (m_sprawdzLogin) {
        TextLogin_LostFocus();
        if (!isVisible())
            return;
    }
    try {
        const QString login = TextLogin->text().trimmed();
        if (login.isEmpty())
            return;
        db::Recordset operatorzy = operatorzyOLoginie(login);
        if (operatorzy.recordCount() == 0)
            return; // the login field's own check has told the user
        const QString typed = txtPassword->text();
        const SprawdzenieHasla haslo =
            sprawdzHaslo(typed, BezNullText(operatorzy.value(QStringLiteral("OP_HASLO"))).trimmed());
        if (haslo.zgodne) {
            if (haslo.doPrzechowania) {
                // An old scrambled password is replaced by its hash; a failure to store it must
                // not keep the operator out.
                try {
                    operatorzy.edit();
                    operatorzy.setValue(QStringLiteral("OP_HASLO"), zakodowaneHaslo(typed));
                    operatorzy.update();
                } catch (const std::exception& e) {
                    PokazBlad(QStringLiteral("Błąd zapisu hasła!"), e);
                }
            }
            zaloguj(operatorzy.value(QStringLiteral("OP_NUMER")),
                    operatorzy.value(QStringLiteral("OP_RODZAJ")),
                    operatorzy.value(QStringLiteral("OP_NAZWISKO")));
            return;
        }
        ++LiczbaProb;
        // Counted apart as well: coming back through the login field must not start the
        // password attempts anew.
        ++LiczbaBlednychHasel;
        if (LiczbaBlednychHasel >= 4) {
            odmow(QStringLiteral("Nie znasz hasła dostępu!"));
            return;
        }
        alarm(QStringLiteral("Nieprawidłowe hasło, spróbuj ponownie!"));
        txtPassword->setFocus(Qt::OtherFocusReason);
        ui::sendKeystrokes(txtPassword, {ui::Keystroke::HomeShiftEnd});
    } catch (const db::JetError& e) {
        PokazBlad(e.number() == db::jet::ItemNotFound ? QStringLiteral("Błąd ustalenia hasła: 3265!")
                                                      : QStringLiteral("Błąd ustalenia hasła!"),
                  e);
    } catch (const std::exception& e) {
        PokazBlad(QStringLiteral("Błąd ustalenia hasła!"), e);
    }
}

void frmLoginLab::zaloguj(const QVariant& numer, const QVariant& rodzaj, const QVariant& nazwisko)
{
    ModLaborValues& m = ModLabor();
    m.Zalogowany = true;
    TextOperat->setText(BezNullText(numer));
    TextOperatRodz->setText(BezNullText(rodzaj));
    TextNazwisko->setText(BezNullText(nazwisko));
    m_wynik = Wynik::Zalogowany;
    hide();
    m.NazwiskoOperatora = BezNullText(nazwisko);
    m.KatalogProgramu = paths::programFolder();
    programState().setUserDateFormat(LabDataOld->text());
    programState().setOperator(TextOperat->text(), m.NazwiskoOperatora, TextOperatRodz->text());
}

void frmLoginLab::odmow(const QString& text)
{
    alarm(text);
    ModLabor().Zalogowany = false;
    m_wynik = Wynik::Odmowa;
    hide();
}

void frmLoginLab::cmdCancel_Click()
{
    ModLabor().Zalogowany = false;
    m_wynik = Wynik::Zakonczenie;
    m_sprawdzLogin = false;
    hide();
    ui::requestQuit(0);
}

void frmLoginLab::reject()
{
    cmdCancel_Click();
}

void frmLoginLab::StartAuto()
{
    TextLogin->setText(QStringLiteral("pqmzt"));
    txtPassword->setText(QStringLiteral("pqmzt"));
    cmdOK_Click();
}

} // namespace trelimor
