#pragma once

#include "MailRequest.h"

#include <QObject>
#include <QProcess>
#include <QUrl>

#include <functional>

namespace trelimor::mail {

// How handing a message to the mail program ended.
enum class MailOutcome {
    Sent,                 // the mail program took the message
    AttachmentUnreadable, // the attachment is missing or may not be read
    NoMailProgram,        // no mail program is set up, or the mail command is missing
    MailProgramFailed,    // the mail program was found but failed
    AddressRefused,       // a recipient is not one plain address (MailResult::detail holds it)
    Other,                // any other exit code (see MailResult::exitCode)
};

struct MailResult
{
    MailOutcome outcome = MailOutcome::Other;
    int exitCode = -1; // the mail command's exit code; -1 when it did not run to an end
    QString detail;    // what the command wrote on its error output, or why it could not start
};

// The outcome an exit code of xdg-email stands for.
MailOutcome outcomeForExitCode(int exitCode);

// Hands messages to the user's mail program through xdg-email, without ever waiting on the
// calling thread: the mail program may take its time to start, and xdg-email waits for it.
class MailSender : public QObject
{
    Q_OBJECT

public:
    using Callback = std::function<void(const MailResult&)>;
    using UrlOpener = std::function<bool(const QUrl&)>;

    explicit MailSender(QObject* parent = nullptr);
    ~MailSender() override;

    // The mail command, "xdg-email" (looked up on PATH) unless replaced.
    void setCommand(const QString& command) { m_command = command; }
    const QString& command() const { return m_command; }
    // What opens a mailto: link; QDesktopServices::openUrl unless replaced.
    void setUrlOpener(UrlOpener opener) { m_urlOpener = std::move(opener); }

    // The arguments the mail command gets for a message whose recipients are plain addresses.
    // Subject and body always follow their option, and the attachment is an absolute path, so
    // no value can be read as an option.
    static QStringList commandArguments(const MailRequest& request);

    // Starts the mail command and returns at once. The outcome comes through finished() and,
    // when given, `done`, both on this object's thread; a recipient that is not a plain address
    // is refused (AddressRefused) without running the command. Returns false (and reports
    // nothing) while an earlier message is still being handed over.
    bool send(const MailRequest& request, Callback done = {});
    bool isBusy() const { return m_busy; }

    // The fallback without an attachment: opens the message's mailto: link. Returns whether the
    // link could be handed to a program.
    bool openMailto(const MailRequest& request) const;

signals:
    void finished(const trelimor::mail::MailResult& result);

private:
    void report(const MailResult& result);

    QString m_command = QStringLiteral("xdg-email");
    UrlOpener m_urlOpener;
    QProcess* m_process = nullptr;
    bool m_busy = false;
    Callback m_done;
};

} // namespace trelimor::mail
