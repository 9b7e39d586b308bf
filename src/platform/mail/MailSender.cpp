#include "MailSender.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QPointer>

#include <utility>

namespace trelimor::mail {

MailOutcome outcomeForExitCode(int exitCode)
{
    switch (exitCode) {
    case 0:
        return MailOutcome::Sent;
    case 2: // a file passed on the command line does not exist
    case 5: // no permission to read a file passed on the command line
        return MailOutcome::AttachmentUnreadable;
    case 3: // a required tool, the mail program among them, could not be found
        return MailOutcome::NoMailProgram;
    case 4: // the action failed
        return MailOutcome::MailProgramFailed;
    default:
        return MailOutcome::Other;
    }
}

MailSender::MailSender(QObject* parent)
    : QObject(parent)
    , m_urlOpener([](const QUrl& url) { return QDesktopServices::openUrl(url); })
{}

MailSender::~MailSender()
{
    if (m_process) {
        // The mail program's window may still be open: leave it to the user, only stop listening.
        m_process->disconnect(this);
        m_process->setParent(nullptr);
        connect(m_process, &QProcess::finished, m_process, &QObject::deleteLater);
        connect(m_process, &QProcess::errorOccurred, m_process, &QObject::deleteLater);
    }
}

QStringList MailSender::commandArguments(const MailRequest& request)
{
    QStringList arguments;
    if (!request.subject.isEmpty())
        arguments << QStringLiteral("--subject") << request.subject;
    if (!request.body.isEmpty())
        arguments << QStringLiteral("--body") << request.body;
    if (!request.attachment.isEmpty())
        arguments << QStringLiteral("--attach") << QFileInfo(request.attachment).absoluteFilePath();
    for (const QString& recipient : request.recipients) {
        const QString address = recipient.trimmed();
        if (!address.isEmpty())
            arguments << address;
    }
    return arguments;
}

bool MailSender::send(const MailRequest& request, Callback done)
{
    if (m_busy)
        return false;
    m_busy = true;
    m_done = std::move(done);
    const QString refused = firstRefusedRecipient(request.recipients);
    if (!refused.isNull()) {
        // Reported from the event loop, as every other outcome is.
        QMetaObject::invokeMethod(
            this,
            [this, refused] {
                report({MailOutcome::AddressRefused, -1, refused});
            },
            Qt::QueuedConnection);
        return true;
    }
    m_process = new QProcess(this);
    m_process->setProgram(m_command);
    m_process->setArguments(commandArguments(request));
    m_process->setStandardInputFile(QProcess::nullDevice());
    m_process->setStandardOutputFile(QProcess::nullDevice());

    connect(m_process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            report({MailOutcome::NoMailProgram, -1, m_process->errorString()});
    });
    connect(m_process, &QProcess::finished, this, [this](int exitCode, QProcess::ExitStatus status) {
        const QString detail = QString::fromLocal8Bit(m_process->readAllStandardError()).trimmed();
        if (status == QProcess::CrashExit)
            report(
                {MailOutcome::MailProgramFailed, -1, detail.isEmpty() ? m_process->errorString() : detail});
        else
            report({outcomeForExitCode(exitCode), exitCode, detail});
    });
    m_process->start();
    return true;
}

void MailSender::report(const MailResult& result)
{
    if (m_process) {
        m_process->disconnect(this);
        m_process->deleteLater();
        m_process = nullptr;
    }
    m_busy = false;
    const Callback done = std::exchange(m_done, {});
    const QPointer<MailSender> alive(this);
    if (done)
        done(result);
    if (alive) // the callback may have ended this sender
        emit finished(result);
}

bool MailSender::openMailto(const MailRequest& request) const
{
    return m_urlOpener && m_urlOpener(buildMailtoUrl(request));
}

} // namespace trelimor::mail
