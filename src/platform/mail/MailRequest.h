#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

namespace trelimor::mail {

// One message to hand to the user's mail program.
struct MailRequest
{
    QStringList recipients;
    QString subject;
    QString body;
    QString attachment; // full path of a file to attach; empty for none
};

// Splits an address text such as "lab@example.pl; piw@example.pl" (";" or "," between addresses)
// into trimmed addresses, dropping empty ones.
QStringList splitRecipients(const QString& addresses);

// Whether a recipient text is one plain mail address (local part "@" domain) that no mail
// command can take for anything else: no blank, no control character, no second address, no
// leading "-" (an option), no URI scheme such as "mailto:" (which could carry fields of its own).
bool isPlainAddress(const QString& recipient);
// The first recipient that, trimmed, is not a plain address; a null string when all are (empty
// recipients are left out of a message, so they pass).
QString firstRefusedRecipient(const QStringList& recipients);

// The mailto: link of a message (RFC 6068): recipients joined by ",", subject and body
// percent-encoded as UTF-8, every line break of the body as %0D%0A. A link cannot carry an
// attachment, so the attachment is left out.
QUrl buildMailtoUrl(const MailRequest& request);

} // namespace trelimor::mail
