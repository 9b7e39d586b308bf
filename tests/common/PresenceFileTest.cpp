#include "common/PresenceFile.h"
#include "common/FormPracuja.h"
#include "common/ModLabor.h"

#include "platform/paths/Folders.h"
#include "platform/ui/DefaultInstance.h"
#include "platform/ui/WindowOpener.h"

#include "support/Installed.h"
#include "support/RecordingOpener.h"
#include "support/TempProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

using namespace trelimor;
using namespace trelimor::test;

namespace {

QString pad(const QString& text)
{
    return text.leftJustified(PresenceFile::RecordLength, QLatin1Char(' '));
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

TEST(PresenceEntries, LinesAreCutInto36CharacterEntriesAndAShortTailIsDropped)
{
    const QString two = pad(QStringLiteral("pc1 ala")) + pad(QStringLiteral("  pc2 ola"));
    ASSERT_EQ(two.size(), 72);
    EXPECT_EQ(PresenceFile::entries(two), (QStringList{"pc1 ala", "pc2 ola"}));
    EXPECT_EQ(PresenceFile::entries(two + QStringLiteral("resztka8")), (QStringList{"pc1 ala", "pc2 ola"}));
    // Only blanks are trimmed; a null character stays in the entry.
    const QString withNull = pad(QStringLiteral(" a") + QChar(0) + QStringLiteral("b\t"));
    EXPECT_EQ(PresenceFile::entries(withNull),
              QStringList{QStringLiteral("a") + QChar(0) + QStringLiteral("b\t")});
    // Each line is cut on its own.
    EXPECT_EQ(PresenceFile::entries(pad(QStringLiteral("x")) + QStringLiteral("krótka\r\n") +
                                    pad(QStringLiteral("y"))),
              (QStringList{"x", "y"}));
    EXPECT_TRUE(PresenceFile::entries(QString()).isEmpty());
}

TEST(PresenceRecord, HostAndUserArePaddedOrCutTo36Characters)
{
    EXPECT_EQ(PresenceFile::recordFor(QStringLiteral("pc1"), QStringLiteral("ala")),
              pad(QStringLiteral("pc1 ala")));
    const QString longOne =
        PresenceFile::recordFor(QString(30, QLatin1Char('h')), QStringLiteral("użytkownik"));
    EXPECT_EQ(longOne, QString(30, QLatin1Char('h')) + QStringLiteral(" użytk"));
}

class PresenceFileTest : public TempProgramFolder
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QDir().mkpath(paths::dataFolder()));
        ASSERT_TRUE(QDir().mkpath(paths::networkDataFolder()));
    }
    void TearDown() override
    {
        ui::resetAllInstances();
        resetModLabor();
    }
    QString localDictionary() const
    {
        return paths::join(paths::dataFolder(), QStringLiteral("Stale.sqlite"));
    }
    QString lockFile() const { return paths::join(paths::dataFolder(), QStringLiteral("Stale.ldb")); }
};

TEST_F(PresenceFileTest, TheFileLiesBesideTheNetworkOrTheLocalData)
{
    EXPECT_EQ(PresenceFile::pathFor(localDictionary()), lockFile());
    EXPECT_EQ(PresenceFile::pathFor(paths::join(paths::networkFolder(), QStringLiteral("bazy/Stale.sqlite"))),
              paths::join(paths::networkDataFolder(), QStringLiteral("Stale.ldb")));
    EXPECT_EQ(PresenceFile::pathFor(QString()), lockFile());
}

TEST_F(PresenceFileTest, TwoProgramsEachKeepOneRecordUntilTheyClose)
{
    PresenceFile first(QStringLiteral("pc1"), QStringLiteral("ala"));
    PresenceFile second(QStringLiteral("pc2"), QStringLiteral("ola"));
    QString error;
    ASSERT_TRUE(first.open(localDictionary(), &error)) << error.toStdString();
    ASSERT_TRUE(second.open(localDictionary(), &error)) << error.toStdString();
    EXPECT_EQ(QFileInfo(lockFile()).size(), 72);
    EXPECT_EQ(PresenceFile::readEntries(lockFile()), (QStringList{"pc1 ala", "pc2 ola"}));
    EXPECT_EQ(first.otherUsers(lockFile()), QStringList{"pc2 ola"});

    // A run of pc1 that ended without closing left its record; the next run does not repeat it.
    PresenceFile again(QStringLiteral("pc1"), QStringLiteral("ala"));
    ASSERT_TRUE(again.open(localDictionary()));
    EXPECT_EQ(PresenceFile::readEntries(lockFile()), (QStringList{"pc2 ola", "pc1 ala"}));

    second.close();
    EXPECT_FALSE(second.isOpen());
    EXPECT_EQ(PresenceFile::readEntries(lockFile()), QStringList{"pc1 ala"});
    again.close();
    first.close();
    EXPECT_TRUE(PresenceFile::readEntries(lockFile()).isEmpty());
}

TEST_F(PresenceFileTest, ARecordGoesAwayWhenTheObjectEnds)
{
    {
        PresenceFile program(QStringLiteral("pc1"), QStringLiteral("ala"));
        ASSERT_TRUE(program.open(localDictionary()));
        EXPECT_EQ(PresenceFile::readEntries(lockFile()).size(), 1);
    }
    EXPECT_TRUE(PresenceFile::readEntries(lockFile()).isEmpty());
}

TEST_F(PresenceFileTest, OpeningFailsWhenTheFolderIsMissing)
{
    PresenceFile program(QStringLiteral("pc1"), QStringLiteral("ala"));
    ASSERT_TRUE(QDir(paths::networkDataFolder()).removeRecursively());
    QString error;
    EXPECT_FALSE(
        program.open(paths::join(paths::networkFolder(), QStringLiteral("Dane/Stale.sqlite")), &error));
    EXPECT_FALSE(program.isOpen());
    EXPECT_FALSE(error.isEmpty());
}

class FormPracujaTest : public PresenceFileTest
{
protected:
    QString shown() const { return FormPracuja::instance().TextPracuja->toPlainText(); }
    static void activate()
    {
        QEvent activation(QEvent::WindowActivate);
        QCoreApplication::sendEvent(&FormPracuja::instance(), &activation);
    }
};

TEST_F(FormPracujaTest, ReadsTheFileAgainOnEveryActivationWhileTheFlagIsSet)
{
    ModLabor().BazaStale = db::Database::create(localDictionary());
    writeBytes(lockFile(), (pad(QStringLiteral("pc1 ala")) + pad(QStringLiteral("pc2 ola"))).toLatin1());
    ModLabor().PierwszaAktywacja = true;

    Installed<RecordingOpener> opener;
    opener->onOpen(QStringLiteral("FormPracuja"), [&](QDialog& window) {
        EXPECT_EQ(shown(), QStringLiteral("pc1 ala\npc2 ola\n"));
        writeBytes(lockFile(), pad(QStringLiteral("pc3 ewa")).toLatin1());
        activate(); // the user came back from another program
        EXPECT_EQ(shown(), QStringLiteral("pc3 ewa\n"));
        QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("ComOk")), Qt::LeftButton);
        EXPECT_FALSE(window.isVisible());
    });
    ui::openModal(FormPracuja::instance());
    EXPECT_EQ(opener->opened(), QStringList{"FormPracuja"});
    EXPECT_TRUE(ModLabor().PierwszaAktywacja);

    ModLabor().PierwszaAktywacja = false;
    ASSERT_TRUE(QFile::remove(lockFile()));
    activate();
    EXPECT_EQ(shown(), QStringLiteral("pc3 ewa\n"));
    ModLabor().PierwszaAktywacja = true;
    activate(); // nobody registered: an empty list, no message
    EXPECT_EQ(shown(), QString());
}

TEST_F(FormPracujaTest, EveryOpeningReadsTheFileWithoutWaitingForAnActivation)
{
    ModLabor().BazaStale = db::Database::create(localDictionary());
    ModLabor().PierwszaAktywacja = true;
    FormPracuja& window = FormPracuja::instance();
    for (const QString& user : {QStringLiteral("pc1 ala"), QStringLiteral("pc2 ola")}) {
        writeBytes(lockFile(), pad(user).toLatin1());
        window.show(); // no event loop turns here, so no activation reaches the window
        EXPECT_EQ(shown(), user + QLatin1Char('\n'));
        window.hide();
    }
}

} // namespace
