#include "SerologyFixture.h"

#include "export/ExportFile.h"
#include "export/SerologyExport.h"

#include "common/ModLabor.h"
#include "common/ProgramState.h"
#include "documents/SendMail.h"

#include "platform/db/PolishCollation.h"
#include "platform/paths/Folders.h"
#include "platform/zip/Zip.h"
#include "support/FullDisk.h"
#include "support/RecordingMailCommand.h"
#include "support/TestFiles.h"
#include "support/YearShapes.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <sqlite3.h>

#include <atomic>
#include <functional>
#include <new>
#include <stdexcept>
#include <thread>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

using namespace trelimor;
using namespace trelimor::test;
using namespace Qt::StringLiterals;

namespace {

const QString kTitle = QStringLiteral("Wysyłanie!");

// A year with every section but five, a value of every kind, a remark over two lines and a "|".
void seedYear()
{
    const QDateTime sampled(QDate(2022, 3, 14), QTime(0, 0));
    const QDateTime delivered(QDate(2022, 3, 15), QTime(10, 30));
    insert(u"Partia"_s,
           u"Partia,IlProbek,Powiat,Oznaczenie,Platnosc,Lecznica,Lekarz,KODKRAJ,NazTkanka,DataPobr,DataDoLab,"
           "NaUzdrowieniu,Czystopis,Badal,Uwagi"_s,
           {12, 2, u"3001"_s, u"S/12"_s, u"Gotówka"_s, u"Lecznica \"Łąka\""_s, u"Żak Józef"_s, u"PL"_s,
            u"krew"_s, sampled, delivered, true, false, u""_s, u"pierwsza linia\r\ndruga|linia"_s});
    insert(u"Partia"_s, u"Partia"_s, {13});
    insert(u"PartiaG"_s, u"Partia,PartiaG"_s, {12, 4});
    insert(u"PartiaG"_s, u"Partia,PartiaG,NRGOSPOD,Wlasciciel,MIEJSCOWOSCPOBR,NrPosesja,Uwagi"_s,
           {12, 5, u"PL0123456789"_s, u"Kowalski Jan"_s, u"Wólka"_s, u"7a"_s, u"stado\rna pastwisku"_s});
    insert(u"Badanie"_s,
           u"Partia,PartiaG,NrOgolny,NrStado,NrProbki,NrKolczyka,Gatunek,Rasa,Plec,Masc,Wiek,WiekTyp,Ciaza,"
           "BadajEBB,BadajBR,BadajNZK,BadajZSt,BadajNos,BadajQ,BadajIBRIPV,BadajPar,BadajBrOK,Niebadaj"_s,
           {12,          4,
            101,         1,
            3,           u"PL123456789012"_s,
            u"Bydło"_s,  u"HF"_s,
            u"żeńska"_s, u"czarno-biała"_s,
            24.5,        u"m"_s,
            true,        u"T"_s,
            u"T"_s,      u"T"_s,
            u"N"_s,      u"N"_s,
            u"N"_s,      u"N"_s,
            u"N"_s,      u"T"_s,
            false});
    insert(u"Badanie"_s, u"Partia,PartiaG,NrProbki,BadajEBB"_s, {12, 5, 4, u"N"_s});
    insert(u"EBB"_s, u"Partia,NrProbki,Elisa,ID,WynikOgolny"_s, {4, 3, u"0,45"_s, u"A1"_s, u"ujemny"_s});
    insert(u"Br"_s, u"Partia,NrProbki,OKAP,OAmiano,OAIU,OWDmiano,OWDmjpwd,WynikOgolny"_s,
           {4, 3, u"-"_s, u"1:20"_s, u""_s, u"ujemny"_s, u"5"_s, u"ujemny"_s});
    insert(u"NZK"_s, u"Partia,NrProbki"_s, {12, 3});
    insert(u"BrOK"_s, u"Partia,NrProbki,OKAP,OWDmiano,OWDmjpwd,WynikOgolny"_s,
           {4, 3, u"+"_s, u"dodatni"_s, u"20"_s, u"dodatni"_s});
}

class SerologyExportTest : public SerologyFixture
{
protected:
    void SetUp() override
    {
        SerologyFixture::SetUp();
        savedMail = setMailProgram({mail.path(), {}});
    }
    void TearDown() override
    {
        setMailProgram(savedMail);
        SerologyFixture::TearDown();
    }

    // The run up to the mail question, answered No, with the file saved where proposed.
    void exportWithoutMail()
    {
        dialogs->answerYes().answerFile(proposedFile()).answerNo();
        ComZakWIW_Click(host);
    }

    RecordingMailCommand mail{0};
    MailProgram savedMail;
    QList<QUrl> links;
};

TEST_F(SerologyExportTest, WritesTheWholeYearSectionBySectionAndZipsIt)
{
    seedYear();
    exportWithoutMail();

    ASSERT_EQ(dialogs->calls().size(), 3u);
    const DialogCall& question = dialogs->calls()[0];
    EXPECT_EQ(question.text, QStringLiteral("Czy wysłać dane (BSE MARZEC 2022) do WIW?"));
    EXPECT_EQ(question.title, kTitle);
    EXPECT_FALSE(question.yesIsDefault);
    const DialogCall& save = dialogs->calls()[1];
    EXPECT_EQ(save.kind, DialogCall::Kind::SaveFile);
    EXPECT_EQ(save.path, proposedFile()) << "today's folder, the working month's name";
    EXPECT_EQ(save.filter, QStringLiteral("All Files (*.*)|*.*|Plik tekstowy (*.txt)|*.txt"));
    EXPECT_EQ(save.filterIndex, 2);
    EXPECT_EQ(dialogs->last().text, QStringLiteral("Plik spakowano w katalogu: ") + proposedFile() +
                                        QStringLiteral(".zip!\rCzy wysłać teraz?"));

    const QByteArray expected = readFile(QStringLiteral(TRELIMOR_TEST_DATA_DIR "/eksport_wiw.txt"));
    const QByteArray written = readFile(proposedFile());
    EXPECT_EQ(decoded(written), decoded(expected));
    EXPECT_EQ(written, expected);

    const QList<zip::ZipEntry> entries = zip::listEntries(proposedFile() + QStringLiteral(".zip"));
    ASSERT_EQ(entries.size(), 1);
    EXPECT_TRUE(proposedFile().endsWith(entries[0].name));
    QTemporaryDir unpacked;
    zip::extractAll(proposedFile() + QStringLiteral(".zip"), unpacked.path());
    EXPECT_EQ(readFile(unpacked.filePath(entries[0].name)), expected);

    EXPECT_EQ(host.labTab, (QStringList{u"Partia"_s, u"Partia (2)"_s, u"PartiaG"_s, u"PartiaG (2)"_s,
                                        u"Badanie"_s, u"Badanie (2)"_s, u"EBB"_s, u"EBB (1)"_s, u"Br"_s,
                                        u"Br (1)"_s, u"NZK"_s, u"NZK (1)"_s, u"ZSt"_s, u"Nos"_s, u"Q"_s,
                                        u"IBRIPV"_s, u"Par"_s, u"BrOK"_s, u"BrOK (1)"_s}));
    EXPECT_EQ(host.labIl, QStringLiteral("1")) << "the last row of the last table";
    EXPECT_TRUE(host.frameDoWIWShown);
    EXPECT_FALSE(host.frameCzekaj || host.frameDoWIW || host.waitCursor())
        << "the wait display ends with the run";
    EXPECT_EQ(readFile(paths::join(paths::exportFolder(), QStringLiteral("BlednaProbka.txt"))), QByteArray())
        << "the check found nothing";
    EXPECT_FALSE(mail.ran());
}

// Another workstation saves a herd group and its sample, in one transaction, once the export has
// written the herd groups; the export goes on when the save has reached its commit.
class SaveDuringTheExport final : public ExportProgress
{
public:
    void tableStarted(const QString& table) override
    {
        if (table != QStringLiteral("Badanie"))
            return;
        workstation = std::thread([this, file = QFile::encodeName(ModLabor().BazaRok.name())] {
            sqlite3* handle = nullptr;
            sqlite3_open(file.constData(), &handle);
            db::registerPolishFunctions(handle);
            sqlite3_busy_timeout(handle, 10000);
            result = sqlite3_exec(handle,
                                  "BEGIN; INSERT INTO PartiaG (Partia, PartiaG) VALUES (12, 6); INSERT INTO "
                                  "Badanie (Partia, PartiaG, NrProbki) VALUES (12, 6, 9);",
                                  nullptr, nullptr, nullptr);
            saving = true;
            result = result ? result : sqlite3_exec(handle, "COMMIT", nullptr, nullptr, nullptr);
            sqlite3_close(handle);
        });
        EXPECT_TRUE(QTest::qWaitFor([this] { return saving.load(); }, 5000));
        QThread::msleep(200); // without a snapshot the save is done by now
    }
    void rowsCounted(qint64) override {}
    void rowStarted(qint64) override {}

    std::thread workstation;
    std::atomic<bool> saving = false;
    int result = -1;
};

TEST_F(SerologyExportTest, TheFileIsOneSnapshotWhileOtherWorkstationsSave)
{
    seedYear();
    ASSERT_TRUE(QDir().mkpath(todaysFolder()));
    SaveDuringTheExport other;
    PlikEksportuWIW(ModLabor().BazaRok, proposedFile(), other);
    other.workstation.join();
    EXPECT_EQ(other.result, SQLITE_OK) << "the save waited and went through";

    // The file holds the year as it was before the save: no sample without its herd group.
    const QString text = decoded(readFile(proposedFile()));
    EXPECT_FALSE(text.contains(QStringLiteral("\r\n6|"))) << text.toStdString();
    EXPECT_EQ(
        ModLabor().BazaRok.scalar(QStringLiteral("SELECT COUNT(*) FROM Badanie WHERE PartiaG = 6")).toInt(),
        1);
}

TEST_F(SerologyExportTest, AnEmptyYearGivesAnEmptyFileAndAnotherMonthAndPlaceAnotherName)
{
    programState().setWorkingDate(QDate(2022, 1, 5));
    ModLabor().BazaStale.execute(QStringLiteral("UPDATE PODATNIK SET Miejsc = NULL"));
    const QString proposed = paths::join(todaysFolder(), QStringLiteral("ZHW-BSEMiesiac2022-01"));
    dialogs->answerYes().answerFile(proposed).answerNo();
    ComZakWIW_Click(host);

    EXPECT_EQ(dialogs->calls()[0].text, QStringLiteral("Czy wysłać dane (BSE STYCZEŃ 2022) do WIW?"));
    EXPECT_EQ(dialogs->calls()[1].path, proposed);
    ASSERT_TRUE(QFile::exists(proposed));
    EXPECT_EQ(readFile(proposed), QByteArray());
    EXPECT_EQ(zip::listEntries(proposed + QStringLiteral(".zip")).size(), 1);
    EXPECT_EQ(host.labTab.size(), 12) << "every table named, none counted";
}

TEST_F(SerologyExportTest, NoOrCancelEndsTheRunWithoutAFile)
{
    dialogs->answerNo();
    ComZakWIW_Click(host);
    EXPECT_EQ(dialogs->calls().size(), 1u);
    EXPECT_FALSE(QDir(todaysFolder()).exists()) << "no folder before the check";
    EXPECT_FALSE(QFile::exists(paths::join(paths::exportFolder(), QStringLiteral("BlednaProbka.txt"))));

    dialogs->answerYes().answerCancel();
    ComZakWIW_Click(host);
    EXPECT_EQ(dialogs->calls().size(), 3u) << "a cancelled dialog ends silently";
    EXPECT_TRUE(QDir(todaysFolder()).isEmpty());
    EXPECT_FALSE(host.frameDoWIWShown);
}

TEST_F(SerologyExportTest, IncompleteSamplesStopTheExportAndAreListed)
{
    seedYear();
    // Listed: an empty EBB flag in a group of a stored batch. Not listed: a sample of a group
    // that does not exist, one without a group, and one whose flag is missing rather than empty.
    ModLabor().BazaRok.execute(QStringLiteral("UPDATE Badanie SET BadajEBB = ''"));
    ModLabor().BazaRok.execute(QStringLiteral(
        "INSERT INTO Badanie (PartiaG, NrProbki, BadajEBB) VALUES (9, 7, ''), (NULL, 8, ''), (4, 9, NULL)"));
    dialogs->answerYes();
    ComZakWIW_Click(host);

    const QString list = paths::join(paths::exportFolder(), QStringLiteral("BlednaProbka.txt"));
    ASSERT_EQ(dialogs->calls().size(), 2u) << "no Save dialog";
    EXPECT_EQ(dialogs->last().title, QStringLiteral("UWAGA!"));
    EXPECT_EQ(dialogs->last().icon, ui::Icon::Information);
    EXPECT_EQ(dialogs->last().text,
              QStringLiteral("Przerywam eksport danych z powodu błędnych próbek!\r"
                             "Prawdopodonie próbki takie należy usunąć i wykonać eksport ponownie!\r"
                             "Błędne próbki w ilości: 2\rSzczegóły zostały zapisane do pliku ") +
                  list);
    EXPECT_EQ(readFile(list), QByteArray("Partia: 12, W\xb3"
                                         "a\x9c"
                                         "ciciel: , Pr\xf3"
                                         "bka nr: 3\r\n"
                                         "Partia: 12, W\xb3"
                                         "a\x9c"
                                         "ciciel: Kowalski Jan, Pr\xf3"
                                         "bka nr: 4\r\n"));
    EXPECT_EQ(host.labelPrCz, QStringLiteral("Sprawdzanie wyników. Proszę czekać ..."));
    EXPECT_FALSE(host.frameCzekaj || host.waitCursor() || host.frameDoWIWShown);

    // Mended, the check passes and empties the list.
    ModLabor().BazaRok.execute(QStringLiteral("UPDATE Badanie SET BadajEBB = 'N'"));
    EXPECT_TRUE(SprPusteProbki(host, QString()));
    EXPECT_EQ(readFile(list), QByteArray());
}

TEST_F(SerologyExportTest, AFailedCheckStopsTheExport)
{
    // A yearly file without the serology shape.
    ModLabor().BazaRok.execute(QStringLiteral("DROP TABLE PartiaG"));
    dialogs->answerYes();
    ComZakWIW_Click(host);
    ASSERT_EQ(dialogs->calls().size(), 2u);
    EXPECT_EQ(dialogs->last().title, QStringLiteral("EKSPORT DO PLIKU"));
    EXPECT_TRUE(dialogs->last().text.startsWith(QStringLiteral("Błąd eksportu! 3078")))
        << dialogs->last().text.toStdString();
    EXPECT_FALSE(host.frameCzekaj || host.waitCursor());

    // No Eksport folder for the list.
    applySerologyShape(ModLabor().BazaRok);
    QDir(paths::exportFolder()).removeRecursively();
    EXPECT_FALSE(SprPusteProbki(host, QString()));
    EXPECT_TRUE(dialogs->last().text.startsWith(
        QStringLiteral("Błąd dostępu do ścieżki/pliku!\rSpróbuj ponownie!\r75")))
        << dialogs->last().text.toStdString();
}

TEST_F(SerologyExportTest, AFailureWhileWritingLeavesNoFileUnderTheChosenName)
{
    seedYear();
    writeFile(proposedFile(), "poprzedni eksport");
    // A full disk is told in Polish, under the number of a path error.
    dialogs->answerYes().answerFile(proposedFile());
    {
        FullDisk disk(256); // less than the file takes
        ComZakWIW_Click(host);
    }
    EXPECT_EQ(dialogs->last().text,
              u"Błąd dostępu do ścieżki/pliku!\rSpróbuj ponownie!\r75Za mało miejsca na dysku."_s);
    EXPECT_EQ(readFile(proposedFile()), "poprzedni eksport");

    ModLabor().BazaRok.execute(QStringLiteral("DROP TABLE Q"));
    dialogs->answerYes().answerFile(proposedFile());
    ComZakWIW_Click(host);

    EXPECT_EQ(dialogs->last().title, QStringLiteral("EKSPORT DO PLIKU"));
    EXPECT_TRUE(dialogs->last().text.startsWith(QStringLiteral("Błąd eksportu! 3078")))
        << dialogs->last().text.toStdString();
    EXPECT_EQ(readFile(proposedFile()), "poprzedni eksport");
    EXPECT_EQ(QDir(todaysFolder()).entryList(QDir::Files),
              QStringList{QStringLiteral("ZHW-GnieznoBSEMiesiac2022-03")});
    EXPECT_FALSE(host.frameDoWIW || host.frameCzekaj || host.waitCursor());
}

// The standard library's errors met halfway through the file: running out of memory is told in
// Polish; a length error is a fault of the program, told in its own words, not as lack of memory.
TEST_F(SerologyExportTest, TheErrorBoxTellsOnlyRunningOutOfMemoryAsLackOfMemory)
{
    seedYear();
    const std::vector<std::pair<std::function<void()>, QString>> failures = {
        {[] { throw std::bad_alloc(); },
         u"Błąd eksportu! Za mało pamięci operacyjnej, aby dokończyć tę pracę."_s},
        {[] { throw std::length_error("vector::reserve"); }, u"Błąd eksportu! vector::reserve"_s},
    };
    for (const auto& [fail, text] : failures) {
        host.onLabTab = [&fail](const QString& caption) {
            if (caption == u"PartiaG"_s)
                fail();
        };
        dialogs->answerYes().answerFile(proposedFile());
        const std::size_t before = dialogs->calls().size();
        ComZakWIW_Click(host);

        ASSERT_EQ(dialogs->calls().size(), before + 3) << "the question, the file dialog, the error";
        EXPECT_EQ(dialogs->last().kind, DialogCall::Kind::Message);
        EXPECT_EQ(dialogs->last().title, u"EKSPORT DO PLIKU"_s);
        EXPECT_EQ(dialogs->last().icon, ui::Icon::Information);
        EXPECT_EQ(dialogs->last().text, text);
        EXPECT_FALSE(QFileInfo::exists(proposedFile()));
        EXPECT_FALSE(host.frameDoWIW || host.frameCzekaj || host.waitCursor());
    }
}

TEST_F(SerologyExportTest, AFailedZipStopsBeforeTheMailQuestion)
{
    seedYear();
    ASSERT_TRUE(QDir().mkpath(proposedFile() + QStringLiteral(".zip"))); // where the archive would go
    dialogs->answerYes().answerFile(proposedFile());
    ComZakWIW_Click(host);

    ASSERT_EQ(dialogs->calls().size(), 3u);
    EXPECT_EQ(dialogs->last().kind, DialogCall::Kind::Message);
    EXPECT_EQ(dialogs->last().icon, ui::Icon::None);
    EXPECT_FALSE(dialogs->last().text.isEmpty());
    EXPECT_FALSE(dialogs->last().text.contains(QStringLiteral("spakowano")));
    EXPECT_EQ(readFile(proposedFile()), readFile(QStringLiteral(TRELIMOR_TEST_DATA_DIR "/eksport_wiw.txt")))
        << "the written file stays";
    EXPECT_FALSE(mail.ran());
    EXPECT_FALSE(host.frameDoWIW || host.frameCzekaj || host.waitCursor());
}

TEST_F(SerologyExportTest, MailsTheArchiveToTheRegionalInspectorate)
{
    const QString archive = proposedFile() + QStringLiteral(".zip");
    // The recipient the mail program was given.
    const auto exportAndMail = [&](bool mailed = true) -> QString {
        RecordingMailCommand command(0);
        setMailProgram({command.path(), [this](const QUrl& url) {
                            links << url;
                            return true;
                        }});
        dialogs->answerYes().answerFile(proposedFile()).answerYes();
        ComZakWIW_Click(host);
        if (!mailed || !QTest::qWaitFor([&] { return command.ran(); }, 10000)) {
            QTest::qWait(50); // a mail that should not go would have started by now
            EXPECT_FALSE(command.ran());
            return {};
        }
        QStringList arguments = command.arguments();
        EXPECT_EQ(arguments.mid(0, 6), (QStringList{u"--subject"_s, u"Serologia - Dane za okres 2022-03"_s,
                                                    u"--body"_s, u" "_s, u"--attach"_s, archive}));
        return arguments.value(6);
    };

    // The installation file's address comes first; without it, the user record's.
    programState().setMails(u"rekord@wiw.example.pl"_s, {}, {});
    setConfiguredRecipient(u"eksport@wiw.example.pl"_s);
    EXPECT_EQ(exportAndMail(), u"eksport@wiw.example.pl"_s);
    setConfiguredRecipient({});
    EXPECT_EQ(exportAndMail(), u"rekord@wiw.example.pl"_s);

    // With neither, the user is told where to set it, and the archive stays.
    programState().setMails({}, {}, {});
    EXPECT_EQ(exportAndMail(false), QString());
    EXPECT_EQ(dialogs->last().title, kTitle);
    EXPECT_TRUE(dialogs->last().text.contains(u"MAILWIW="_s));
    EXPECT_TRUE(dialogs->last().text.contains(paths::iniFile()));
    EXPECT_TRUE(QFile::exists(archive));
    EXPECT_TRUE(links.isEmpty());
}

} // namespace
