#include "documents/SendMail.h"

#include "support/Installed.h"
#include "support/RecordingMailCommand.h"
#include "support/ScriptedDialogs.h"

#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <gtest/gtest.h>

#include <optional>

using namespace trelimor;
using namespace trelimor::test;

namespace {

const QString kAttachment = QStringLiteral("/tmp/Eksport/20220331/Protokół 12.txt");

class SendMailTest : public ::testing::Test
{
protected:
    void SetUp() override { saved = mailProgram(); }
    void TearDown() override { setMailProgram(saved); }

    // Sends the protocol message through the command and waits for Komunikat.
    std::optional<bool> send(const QString& command, const QString& attachment = kAttachment)
    {
        setMailProgram({command, [this](const QUrl& url) {
                            links << url;
                            return linkOpens;
                        }});
        std::optional<bool> komunikat;
        Send_Mail(recipients, QStringLiteral("Protokół nr 12 & 13"), QStringLiteral("Dzień dobry"),
                  attachment, [&komunikat](bool handed) { komunikat = handed; });
        EXPECT_FALSE(komunikat.has_value()) << "the outcome never comes before the event loop turns";
        EXPECT_TRUE(QTest::qWaitFor([&komunikat] { return komunikat.has_value(); }, 10000));
        return komunikat;
    }

    MailProgram saved;
    QString recipients = QStringLiteral("lab@example.pl; piw@example.pl");
    bool linkOpens = true; // what opening a mailto: link gives
    QList<QUrl> links;
    Installed<ScriptedDialogs> dialogs;
};

TEST_F(SendMailTest, HandsTheMessageWithItsAttachmentToTheMailProgram)
{
    RecordingMailCommand command(0);
    EXPECT_EQ(send(command.path()), true);
    EXPECT_EQ(
        command.arguments(),
        (QStringList{QStringLiteral("--subject"), QStringLiteral("Protokół nr 12 & 13"),
                     QStringLiteral("--body"), QStringLiteral("Dzień dobry"), QStringLiteral("--attach"),
                     kAttachment, QStringLiteral("lab@example.pl"), QStringLiteral("piw@example.pl")}));
    EXPECT_TRUE(dialogs->calls().empty());
    EXPECT_TRUE(links.isEmpty());

    RecordingMailCommand withoutFile(0);
    EXPECT_EQ(send(withoutFile.path(), QString()), true);
    EXPECT_FALSE(withoutFile.arguments().contains(QStringLiteral("--attach")));
}

TEST_F(SendMailTest, WithoutAMailProgramTheUserAttachesTheFileToAMailtoMessage)
{
    QTemporaryDir empty;
    RecordingMailCommand noMailProgram(3);
    for (const QString& command : {empty.filePath(QStringLiteral("xdg-email")), noMailProgram.path()}) {
        links.clear();
        const std::size_t before = dialogs->calls().size();
        EXPECT_EQ(send(command), false) << command.toStdString();
        ASSERT_EQ(dialogs->calls().size(), before + 1);
        EXPECT_EQ(dialogs->last().text,
                  QStringLiteral("Twój program pocztowy nie zezwala na automatyczne wstawianie "
                                 "załączników! \r\rDołącz plik samodzielnie: \r\r") +
                      kAttachment);
        EXPECT_EQ(dialogs->last().title, QStringLiteral("3-Nie znaleziono programu pocztowego"));
        EXPECT_EQ(dialogs->last().icon, ui::Icon::Information);
        ASSERT_EQ(links.size(), 1);
        EXPECT_EQ(
            links.first().toEncoded(),
            QByteArray("mailto:lab@example.pl,piw@example.pl?subject=Protok%C3%B3%C5%82%20nr%2012%20%26%2013"
                       "&body=Dzie%C5%84%20dobry"));
    }
}

TEST_F(SendMailTest, WhenNoMailProgramCanBeReachedTheUserIsToldWhichFileToSend)
{
    linkOpens = false;
    RecordingMailCommand noMailProgram(3);
    EXPECT_EQ(send(noMailProgram.path()), false);
    ASSERT_EQ(dialogs->calls().size(), 2u) << "the box about the attachment comes first, as always";
    EXPECT_EQ(links.size(), 1);
    EXPECT_EQ(dialogs->last().title, QStringLiteral("EKSPORT DO PLIKU"));
    EXPECT_TRUE(dialogs->last().text.contains(QStringLiteral("Wiadomość nie została wysłana.")));
    EXPECT_TRUE(dialogs->last().text.endsWith(QStringLiteral("Wyślij samodzielnie plik: \r\r") + kAttachment))
        << dialogs->last().text.toStdString();

    EXPECT_EQ(send(noMailProgram.path(), QString()), false);
    ASSERT_EQ(dialogs->calls().size(), 3u) << "without a file only the failure is told";
    EXPECT_TRUE(dialogs->last().text.endsWith(QStringLiteral("Wiadomość nie została wysłana.")));
}

TEST_F(SendMailTest, ARefusedAddressIsNamedAndNothingIsHandedOver)
{
    RecordingMailCommand command(0);
    recipients = QStringLiteral("lab@example.pl; --attach /home/ala/.ssh/id_rsa");
    EXPECT_EQ(send(command.path()), false);
    EXPECT_FALSE(command.ran());
    EXPECT_TRUE(links.isEmpty());
    ASSERT_EQ(dialogs->calls().size(), 1u);
    EXPECT_EQ(dialogs->last().title, QStringLiteral("EKSPORT DO PLIKU"));
    EXPECT_TRUE(dialogs->last().text.startsWith(
        QStringLiteral("Nieprawidłowy adres poczty elektronicznej: „--attach /home/ala/.ssh/id_rsa”.\r")))
        << dialogs->last().text.toStdString();

    recipients = QStringLiteral("lab@example.pl\npiw@example.pl"); // a line break in the record's field
    EXPECT_EQ(send(command.path()), false);
    EXPECT_TRUE(dialogs->last().text.contains(QStringLiteral("„lab@example.pl<0A>piw@example.pl”")))
        << dialogs->last().text.toStdString();
}

TEST_F(SendMailTest, EachFailureOfTheMailProgramHasItsMessage)
{
    struct Case
    {
        int exitCode;
        QString text;
    };
    const Case cases[] = {
        {2, QStringLiteral(
                "Brak dostępu do ścieżki/pliku!\rSpróbuj wysłać ponownie!\r2Nie można odczytać pliku ") +
                kAttachment},
        {5, QStringLiteral(
                "Brak dostępu do ścieżki/pliku!\rSpróbuj wysłać ponownie!\r5Nie można odczytać pliku ") +
                kAttachment},
        {4, QStringLiteral("Problemy z wysłaniem widomości! \rSpróbuj ponownie!")},
        {7, QStringLiteral("Błąd eksportu! 7Nieznany błąd programu pocztowego")},
    };
    for (const Case& c : cases) {
        RecordingMailCommand command(c.exitCode);
        EXPECT_EQ(send(command.path()), false) << c.exitCode;
        EXPECT_EQ(dialogs->last().text, c.text);
        EXPECT_EQ(dialogs->last().title, QStringLiteral("EKSPORT DO PLIKU"));
    }
    EXPECT_EQ(dialogs->calls().size(), std::size(cases));
    EXPECT_TRUE(links.isEmpty()) << "only a missing mail program falls back to a link";
}

} // namespace
