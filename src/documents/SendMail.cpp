#include "SendMail.h"

#include "platform/ui/DialogService.h"

#include <QCoreApplication>

namespace trelimor {

namespace {

const QString kTitle = QStringLiteral("EKSPORT DO PLIKU");
// The exit code with which xdg-email says that a tool it needs, the mail program among them, is
// missing; the same is said when xdg-email itself is missing.
constexpr int kNoMailProgramCode = 3;

MailProgram& current()
{
    static MailProgram program;
    return program;
}

// The exit code and its description written together, as the messages show them.
QString numberAndDescription(const mail::MailResult& result, const QString& description)
{
    return QString::number(result.exitCode) + description;
}

void noAttachmentPath(const mail::MailRequest& request, const mail::MailSender& sender)
{
    if (!request.attachment.isEmpty())
        ui::dialogs().message(QStringLiteral("Twój program pocztowy nie zezwala na automatyczne wstawianie "
                                             "załączników! \r\rDołącz plik samodzielnie: \r\r") +
                                  request.attachment,
                              QString::number(kNoMailProgramCode) +
                                  QStringLiteral("-Nie znaleziono programu pocztowego"),
                              ui::Icon::Information);
    if (sender.openMailto(request))
        return;
    // Neither the mail command nor a mailto: link reached a mail program: the user has to send
    // the message some other way, and needs to know which file goes with it.
    QString text =
        QStringLiteral("Nie znaleziono programu pocztowego i nie można otworzyć nowej wiadomości.\r"
                       "Wiadomość nie została wysłana.");
    if (!request.attachment.isEmpty())
        text += QStringLiteral("\r\rWyślij samodzielnie plik: \r\r") + request.attachment;
    ui::dialogs().message(text, kTitle, ui::Icon::Information);
}

// A recipient shown in a message: control characters as their codes, so none breaks the text.
QString visibleRecipient(const QString& recipient)
{
    QString shown;
    for (const QChar c : recipient) {
        if (c.category() == QChar::Other_Control || c.category() == QChar::Other_Format)
            shown += QStringLiteral("<%1>").arg(int(c.unicode()), 2, 16, QLatin1Char('0')).toUpper();
        else
            shown += c;
    }
    return shown;
}

// Tells the user how handing the message over ended; true when the mail program has it.
bool reportMailResult(const mail::MailResult& result, const mail::MailRequest& request,
                      const mail::MailSender& sender)
{
    switch (result.outcome) {
    case mail::MailOutcome::Sent:
        return true;
    case mail::MailOutcome::NoMailProgram:
        noAttachmentPath(request, sender);
        break;
    case mail::MailOutcome::AttachmentUnreadable:
        ui::dialogs().message(QStringLiteral("Brak dostępu do ścieżki/pliku!\rSpróbuj wysłać ponownie!\r") +
                                  numberAndDescription(result, QStringLiteral("Nie można odczytać pliku ") +
                                                                   request.attachment),
                              kTitle, ui::Icon::Information);
        break;
    case mail::MailOutcome::AddressRefused:
        ui::dialogs().message(
            QStringLiteral("Nieprawidłowy adres poczty elektronicznej: „%1”.\r"
                           "Podaj jeden adres na odbiorcę, bez odstępów i znaków sterujących, "
                           "i spróbuj wysłać ponownie.")
                .arg(visibleRecipient(result.detail)),
            kTitle, ui::Icon::Information);
        break;
    case mail::MailOutcome::MailProgramFailed:
        ui::dialogs().message(QStringLiteral("Problemy z wysłaniem widomości! \rSpróbuj ponownie!"), kTitle,
                              ui::Icon::Information);
        break;
    case mail::MailOutcome::Other:
        ui::dialogs().message(
            QStringLiteral("Błąd eksportu! ") +
                numberAndDescription(result, result.detail.isEmpty()
                                                 ? QStringLiteral("Nieznany błąd programu pocztowego")
                                                 : result.detail),
            kTitle, ui::Icon::Information);
        break;
    }
    return false;
}

} // namespace

const MailProgram& mailProgram()
{
    return current();
}

MailProgram setMailProgram(MailProgram program)
{
    return std::exchange(current(), std::move(program));
}

void Send_Mail(const QString& SendTo, const QString& Subject, const QString& Text, const QString& Zalacznik,
               KomunikatCallback Komunikat)
{
    mail::MailRequest request;
    request.recipients = mail::splitRecipients(SendTo);
    request.subject = Subject;
    request.body = Text;
    request.attachment = Zalacznik;

    // One sender for each message, so that a message still being handed over never holds up
    // the next; it goes when its outcome has been dealt with.
    auto* sender = new mail::MailSender(QCoreApplication::instance());
    sender->setCommand(mailProgram().command);
    if (mailProgram().urlOpener)
        sender->setUrlOpener(mailProgram().urlOpener);
    sender->send(request, [sender, request, Komunikat](const mail::MailResult& result) {
        const bool handed = reportMailResult(result, request, *sender);
        sender->deleteLater();
        if (Komunikat)
            Komunikat(handed);
    });
}

} // namespace trelimor
