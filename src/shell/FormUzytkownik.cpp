#include "FormUzytkownik.h"

#include "ui_FormUzytkownik.h"

#include "UserRecord.h"

#include "common/Messages.h"
#include "common/ModLabor.h"
#include "common/ProgramState.h"
#include "common/YearlyDatabase.h"

#include <QFocusEvent>

namespace trelimor {

FormUzytkownik::FormUzytkownik()
    : m_ui(new Ui::FormUzytkownik)
{
    m_ui->setupUi(this);
    Label = {m_ui->Label2, m_ui->Label3, m_ui->Label4, m_ui->Label5, m_ui->Label6};
    Text = {m_ui->Text2, m_ui->Text3, m_ui->Text4, m_ui->Text5, m_ui->Text6};
    OptionPIW1 = m_ui->OptionPIW1;
    OptionPIW2 = m_ui->OptionPIW2;
    TextKodPIW1 = m_ui->TextKodPIW1;
    TextKodPIW2 = m_ui->TextKodPIW2;
    TextMailWIW = m_ui->TextMailWIW;
    TextMailPIW = m_ui->TextMailPIW;
    TextMailLab = m_ui->TextMailLab;
    TextMiejsc = m_ui->TextMiejsc;
    OptionUzytkPIW = m_ui->OptionUzytkPIW;
    OptionUzytkLek = m_ui->OptionUzytkLek;
    ComZapisz = m_ui->ComZapisz;
    ComZamk = m_ui->ComZamk;

    for (size_t i = 0; i < Text.size(); ++i)
        connect(Text[i], &QLineEdit::textChanged, Label[i], &QLabel::setText);
    TextKodPIW1->installEventFilter(this);
    connect(ComZapisz, &QPushButton::clicked, this, &FormUzytkownik::ComZapisz_Click);
    connect(ComZamk, &QPushButton::clicked, this, &FormUzytkownik::ComZamk_Click);
}

FormUzytkownik::~FormUzytkownik()
{
    delete m_ui;
}

void FormUzytkownik::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    Form_Activate();
}

bool FormUzytkownik::eventFilter(QObject* watched, QEvent* event)
{
    // Focus lost to another window (a message box, say) is not leaving the box.
    if (watched == TextKodPIW1 && event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            TextKodPIW1_LostFocus();
    }
    return QDialog::eventFilter(watched, event);
}

void FormUzytkownik::Form_Activate()
{
    const QString countyCode = programState().countyCode();
    PoprzedniKodPiw = countyCode;
    try {
        const UserRecordRows rows = readUserRecord(ModLabor().BazaStale);
        if (rows.count == 1) {
            const auto field = [&rows](const char* name) {
                return BezNullText(rows.record.value(QString::fromLatin1(name)));
            };
            for (size_t i = 0; i < Text.size(); ++i)
                Text[i]->setText(BezNullText(rows.record.value(QStringLiteral("TX%1").arg(i + 2))));
            OptionPIW1->setChecked(true);
            TextKodPIW1->setText(field("KodPIW1"));
            TextKodPIW2->setText(field("KodPIW2"));
            TextMailWIW->setText(field("MailWIW"));
            TextMailPIW->setText(field("MailPIW"));
            TextMailLab->setText(field("MailLab"));
            TextMiejsc->setText(field("Miejsc"));
            if (field("Uzytkownik") == QLatin1String("PIW"))
                OptionUzytkPIW->setChecked(true);
            else
                OptionUzytkLek->setChecked(true);
        }
    } catch (const std::exception& e) {
        PokazBlad(QStringLiteral("Błąd odczytu danych użytkownika!"), e);
    }
    // The active code follows the program's; with both codes equal to it, nr 1 wins.
    if (TextKodPIW2->text() == countyCode) {
        OptionPIW2->setChecked(true);
        TextKodPIW2->setFocus();
    }
    if (TextKodPIW1->text() == countyCode) {
        OptionPIW1->setChecked(true);
        TextKodPIW1->setFocus();
    }
}

void FormUzytkownik::TextKodPIW1_LostFocus()
{
    const QString code = TextKodPIW1->text();
    if (code.size() != 4 || !Text[0]->text().trimmed().isEmpty())
        return;
    try {
        if (const auto lines = inspectorateAddress(ModLabor().BazaStale, code)) {
            for (size_t i = 0; i < Text.size(); ++i)
                Text[i]->setText((*lines)[i]);
        }
    } catch (const std::exception& e) {
        PokazBlad(QStringLiteral("Błąd odczytu rejestru PIW!"), e);
    }
}

UserRecordFrame FormUzytkownik::frame() const
{
    UserRecordFrame f;
    for (size_t i = 0; i < Label.size(); ++i)
        f.adres[i] = Label[i]->text();
    f.kodPIW1 = TextKodPIW1->text();
    f.kodPIW2 = TextKodPIW2->text();
    f.kod2Aktywny = OptionPIW2->isChecked();
    f.mailWIW = TextMailWIW->text();
    f.mailPIW = TextMailPIW->text();
    f.mailLab = TextMailLab->text();
    f.miejsc = TextMiejsc->text();
    f.uzytkownikPIW = OptionUzytkPIW->isChecked();
    return f;
}

void FormUzytkownik::ComZapisz_Click()
{
    const UserRecordFrame values = frame();
    if (const auto refused = checkUserRecord(values)) {
        showFailedCheck(*refused, this);
        if (refused->focus == TextKodPIW1->objectName())
            OptionPIW1->setChecked(true);
        return;
    }
    try {
        const UserRecordRows stored = saveUserRecord(ModLabor().BazaStale, values);
        if (stored.count != 1) {
            PokazInfo(QStringLiteral("Tabela PODATNIK powinna zawierać jeden wiersz, a zawiera %1.\r"
                                     "Dane zleceniodawcy nie zostały zapisane.")
                          .arg(stored.count),
                      kInformationTitle);
            return;
        }
        // Only the row as stored enters the program state; the county code goes last, so whoever
        // switches the yearly database on its change already sees the new record.
        ProgramState& state = programState();
        const QString previousCode = state.countyCode();
        state.setUserRecord(stored.record);
        state.setMails(state.userField(QStringLiteral("MailWIW")), state.userField(QStringLiteral("MailPIW")),
                       state.userField(QStringLiteral("MailLab")));
        state.setCountyCode(state.userField(QStringLiteral("KodPIW")));
        // Another county keeps its samples in a yearly database of its own.
        if (state.countyCode() != previousCode)
            openYearlyDatabase();
    } catch (const std::exception& e) {
        PokazBlad(QStringLiteral("Błąd zapisu danych użytkownika!"), e);
        return;
    }
    hide();
}

void FormUzytkownik::ComZamk_Click()
{
    for (QLineEdit* box : Text)
        box->clear(); // the preview labels follow
    hide();
}

void FormUzytkownik::reject()
{
    ComZamk_Click();
    QDialog::reject();
}

} // namespace trelimor
