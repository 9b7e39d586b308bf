#pragma once

#include "platform/mail/MailSender.h"

#include <QString>

#include <functional>

namespace trelimor {

// What Send_Mail hands messages to: the mail command and what opens a mailto: link.
struct MailProgram
{
    QString command = QStringLiteral("xdg-email");
    mail::MailSender::UrlOpener urlOpener; // empty: the desktop's handler of mailto: links
};

const MailProgram& mailProgram();
// Installs another mail program (tests use a recording script) and returns the previous one.
MailProgram setMailProgram(MailProgram program);

// Receives Komunikat: true when the message was handed to the mail program.
using KomunikatCallback = std::function<void(bool Komunikat)>;

// Hands one message, with the file Zalacznik attached unless it is empty, to the user's mail
// program, where the user sends it. Returns at once: the mail program may take its time to
// start. When the outcome is known, a failure has been told to the user in its own message
// and Komunikat is called (on the GUI thread). When no mail program is set up, the user is
// told to attach the file by hand and a new message without attachment is opened through a
// mailto: link (Komunikat false); when that link cannot be opened either, the user is told that
// nothing was sent and which file to send. SendTo may hold several addresses joined by ";" or
// ","; an address that is not one plain address is refused, named in a message, before
// anything is handed over.
void Send_Mail(const QString& SendTo, const QString& Subject, const QString& Text, const QString& Zalacznik,
               KomunikatCallback Komunikat = {});

} // namespace trelimor
