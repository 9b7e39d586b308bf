#include "platform/mail/MailSender.h"

#include "support/RecordingMailCommand.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace trelimor::mail;
using trelimor::test::RecordingMailCommand;

namespace {

MailRequest protocolMail()
{
    MailRequest request;
    request.recipients = {QStringLiteral("lab@example.pl"), QStringLiteral("piw@example.pl")};
    request.subject = QStringLiteral("Protokół pobrania próbek nr 12/2022");
    request.body = QStringLiteral("Dzień dobry,\nw załączeniu protokół.\r\nPozdrawiam");
    request.attachment = QStringLiteral("/tmp/Eksport/20220331/Protokół 12.txt");
    return request;
}

MailResult sendAndWait(MailSender& sender, const MailRequest& request)
{
    std::optional<MailResult> received;
    QSignalSpy finished(&sender, &MailSender::finished);
    EXPECT_TRUE(sender.send(request, [&received](const MailResult& result) { received = result; }));
    // The command runs in the background: nothing is known before the event loop turns.
    EXPECT_FALSE(received.has_value());
    EXPECT_TRUE(sender.isBusy());
    EXPECT_TRUE(finished.wait(10000));
    EXPECT_TRUE(received.has_value());
    EXPECT_FALSE(sender.isBusy());
    return received.value_or(MailResult{});
}

} // namespace

TEST(Mailto, RecipientsSubjectAndBodyAreEncodedAsRfc6068Says)
{
    const QUrl url = buildMailtoUrl(protocolMail());
    EXPECT_EQ(url.toEncoded(),
              QByteArray("mailto:lab@example.pl,piw@example.pl"
                         "?subject=Protok%C3%B3%C5%82%20pobrania%20pr%C3%B3bek%20nr%2012%2F2022"
                         "&body=Dzie%C5%84%20dobry%2C%0D%0Aw%20za%C5%82%C4%85czeniu%20protok%C3%B3%C5%82."
                         "%0D%0APozdrawiam"));

    MailRequest tricky;
    tricky.recipients = {QStringLiteral("a&b?c@example.pl")};
    tricky.subject = QStringLiteral("A&body=podmienione #1");
    EXPECT_EQ(buildMailtoUrl(tricky).toEncoded(),
              QByteArray("mailto:a%26b%3Fc@example.pl?subject=A%26body%3Dpodmienione%20%231"));
}

TEST(Mailto, AddressTextsSplitOnSemicolonsAndCommas)
{
    EXPECT_EQ(splitRecipients(QStringLiteral(" lab@example.pl; piw@example.pl ,,wiw@example.pl; ")),
              QStringList({QStringLiteral("lab@example.pl"), QStringLiteral("piw@example.pl"),
                           QStringLiteral("wiw@example.pl")}));
    EXPECT_TRUE(splitRecipients(QString()).isEmpty());
}

TEST(MailAddress, OnlyOnePlainAddressPerRecipientPasses)
{
    for (const char16_t* address : {u"lab@example.pl", u"jan.kowalski+wet@piw.łódź.pl", u"a&b?c@example.pl",
                                    u"o'neil@sub-domena.example.com"})
        EXPECT_TRUE(isPlainAddress(QString::fromUtf16(address))) << QString::fromUtf16(address).toStdString();
    // Anything a mail command could read as an option, a second address or a link of its own.
    for (const char16_t* address :
         {u"", u"-lab@example.pl", u"--attach", u"--attach=/etc/passwd", u"lab@example.pl piw@example.pl",
          u"lab@example.pl,piw@example.pl", u"lab@example.pl\n", u"lab\t@example.pl", u"lab@exa\x01mple.pl",
          u"mailto:lab@example.pl?attach=/etc/passwd", u"Lab <lab@example.pl>", u"lab", u"lab@",
          u"@example.pl", u"lab@@example.pl", u"lab@-example.pl", u"lab@example", u".lab@example.pl",
          u"lab@example..pl"})
        EXPECT_FALSE(isPlainAddress(QString::fromUtf16(address)))
            << QString::fromUtf16(address).toStdString();

    EXPECT_TRUE(firstRefusedRecipient({QStringLiteral(" lab@example.pl "), QString()}).isNull());
    EXPECT_EQ(firstRefusedRecipient(
                  {QStringLiteral("lab@example.pl"), QStringLiteral("-x@example.pl"), QStringLiteral("--y")}),
              QStringLiteral("-x@example.pl"));
}

TEST(MailSender, NoArgumentCanBeReadAsAnOption)
{
    MailRequest request = protocolMail();
    request.subject = QStringLiteral("--attach");
    request.body = QStringLiteral("-x");
    request.attachment = QStringLiteral("-protokol.txt"); // a relative name that looks like an option
    const QStringList arguments = MailSender::commandArguments(request);
    EXPECT_EQ(arguments,
              QStringList({QStringLiteral("--subject"), QStringLiteral("--attach"), QStringLiteral("--body"),
                           QStringLiteral("-x"), QStringLiteral("--attach"),
                           QDir::current().absoluteFilePath(QStringLiteral("-protokol.txt")),
                           QStringLiteral("lab@example.pl"), QStringLiteral("piw@example.pl")}));

    RecordingMailCommand command(0);
    MailSender sender;
    sender.setCommand(command.path());
    request = protocolMail();
    request.recipients.append(QStringLiteral("--attach /home/ala/.ssh/id_rsa"));
    const MailResult result = sendAndWait(sender, request);
    EXPECT_EQ(result.outcome, MailOutcome::AddressRefused);
    EXPECT_EQ(result.detail, QStringLiteral("--attach /home/ala/.ssh/id_rsa"));
    EXPECT_FALSE(command.ran()) << "a refused message never reaches the mail command";
}

TEST(MailSender, HandsTheMessageToTheMailCommand)
{
    RecordingMailCommand command(0);
    MailSender sender;
    sender.setCommand(command.path());
    const MailResult result = sendAndWait(sender, protocolMail());
    EXPECT_EQ(result.outcome, MailOutcome::Sent);
    EXPECT_EQ(result.exitCode, 0);
    const MailRequest request = protocolMail();
    EXPECT_EQ(command.arguments(),
              QStringList({QStringLiteral("--subject"), request.subject, QStringLiteral("--body"),
                           request.body, QStringLiteral("--attach"), request.attachment,
                           QStringLiteral("lab@example.pl"), QStringLiteral("piw@example.pl")}));
}

TEST(MailSender, WithoutAttachmentNoAttachOptionIsPassed)
{
    RecordingMailCommand command(0);
    MailSender sender;
    sender.setCommand(command.path());
    MailRequest request = protocolMail();
    request.attachment.clear();
    sendAndWait(sender, request);
    EXPECT_FALSE(command.arguments().contains(QStringLiteral("--attach")));
}

TEST(MailSender, EachExitCodeGivesItsOutcome)
{
    const std::pair<int, MailOutcome> cases[] = {
        {0, MailOutcome::Sent},
        {1, MailOutcome::Other},
        {2, MailOutcome::AttachmentUnreadable},
        {3, MailOutcome::NoMailProgram},
        {4, MailOutcome::MailProgramFailed},
        {5, MailOutcome::AttachmentUnreadable},
        {7, MailOutcome::Other},
    };
    for (const auto& [exitCode, outcome] : cases) {
        RecordingMailCommand command(exitCode);
        MailSender sender;
        sender.setCommand(command.path());
        const MailResult result = sendAndWait(sender, protocolMail());
        EXPECT_EQ(result.outcome, outcome) << "exit code " << exitCode;
        EXPECT_EQ(result.exitCode, exitCode);
    }
}

TEST(MailSender, MissingCommandMeansNoMailProgram)
{
    QTemporaryDir dir;
    MailSender sender;
    sender.setCommand(dir.filePath(QStringLiteral("brak-programu")));
    const MailResult result = sendAndWait(sender, protocolMail());
    EXPECT_EQ(result.outcome, MailOutcome::NoMailProgram);
    EXPECT_EQ(result.exitCode, -1);
}

TEST(MailSender, OneMessageAtATime)
{
    RecordingMailCommand command(0);
    MailSender sender;
    sender.setCommand(command.path());
    QSignalSpy finished(&sender, &MailSender::finished);
    ASSERT_TRUE(sender.send(protocolMail()));
    EXPECT_FALSE(sender.send(protocolMail()));
    ASSERT_TRUE(finished.wait(10000));
    EXPECT_TRUE(sender.send(protocolMail()));
    EXPECT_TRUE(finished.wait(10000));
}

TEST(MailSender, FallbackOpensTheMailtoLink)
{
    MailSender sender;
    QList<QUrl> opened;
    sender.setUrlOpener([&opened](const QUrl& url) {
        opened.append(url);
        return true;
    });
    EXPECT_TRUE(sender.openMailto(protocolMail()));
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(opened.first(), buildMailtoUrl(protocolMail()));

    sender.setUrlOpener([](const QUrl&) { return false; });
    EXPECT_FALSE(sender.openMailto(protocolMail()));
}
