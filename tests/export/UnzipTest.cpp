#include "export/CGUnzipFiles.h"
#include "export/CodeModule.h"

#include "support/Installed.h"
#include "support/ScriptedDialogs.h"
#include "support/TestFiles.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <zip.h>

using namespace trelimor;
using namespace trelimor::test;

namespace {

struct Entry
{
    QByteArray name;
    QByteArray bytes;
    QDateTime modified = QDateTime(QDate(2007, 3, 5), QTime(9, 7));
    zip_uint16_t encryption = ZIP_EM_NONE;
    const char* password = nullptr;
};

// An archive holding exactly these entries, names as given (also hostile ones).
void makeArchive(const QString& path, const std::vector<Entry>& entries)
{
    int error = 0;
    zip_t* archive = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    ASSERT_NE(archive, nullptr);
    for (const Entry& entry : entries) {
        zip_source_t* source =
            zip_source_buffer(archive, entry.bytes.constData(), zip_uint64_t(entry.bytes.size()), 0);
        const zip_int64_t index = zip_file_add(archive, entry.name.constData(), source, ZIP_FL_ENC_UTF_8);
        ASSERT_GE(index, 0) << zip_strerror(archive);
        // libzip takes the check byte of the traditional encryption from the data's own time, not
        // from the entry's: an encrypted entry keeps the time it was made.
        if (entry.encryption == ZIP_EM_NONE) {
            zip_file_set_mtime(archive, zip_uint64_t(index), time_t(entry.modified.toSecsSinceEpoch()), 0);
        } else {
            ASSERT_EQ(zip_file_set_encryption(archive, zip_uint64_t(index), entry.encryption, entry.password),
                      0)
                << zip_strerror(archive);
        }
    }
    ASSERT_EQ(zip_close(archive), 0);
}

class UnzipTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        archive = dir.filePath(QStringLiteral("wyniki.zip"));
        target = dir.filePath(QStringLiteral("cel"));
        makeArchive(archive, {{"Eksport/plik.txt", "nowy"}, {"opis.txt", "opis"}});
    }
    QString inTarget(const QString& relative) const { return QDir(target).filePath(relative); }

    QTemporaryDir dir;
    QString archive;
    QString target;
    Installed<ScriptedDialogs> dialogs;
};

TEST_F(UnzipTest, ANewObjectUnpacksEveryEntryWithItsFolders)
{
    CGUnzipFiles unzip;
    EXPECT_EQ(unzip.MessageLevel(), 2);
    EXPECT_TRUE(unzip.HonorDirectories() && unzip.OverWriteFiles() && unzip.CaseSensitive());
    EXPECT_FALSE(unzip.ExtractNewer() || unzip.PromptOverwrite() || unzip.TestZip() || unzip.Verbose());
    EXPECT_EQ(unzip.ExtractList(), 0);
    EXPECT_TRUE(unzip.ZipFileName().isEmpty() && unzip.ExtractDir().isEmpty());

    EXPECT_EQ(unzip.Unzip(archive, target), 0) << unzip.GetLastMessage().toStdString();
    EXPECT_EQ(readFile(inTarget(QStringLiteral("Eksport/plik.txt"))), "nowy");
    EXPECT_EQ(readFile(inTarget(QStringLiteral("opis.txt"))), "opis");
    EXPECT_EQ(unzip.ZipFileName(), archive);
    EXPECT_EQ(unzip.ExtractDir(), target);

    // Empty arguments keep the names set; without folders every entry goes into the target.
    unzip.setExtractDir(dir.filePath(QStringLiteral("plasko")));
    unzip.setHonorDirectories(false);
    EXPECT_EQ(unzip.Unzip(QString(), QString()), 0);
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("plasko/plik.txt"))));
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("plasko/Eksport"))));

    // The library takes its numbers in 16 bits.
    unzip.setMessageLevel(40000);
    try {
        unzip.Unzip(QString(), QString());
        ADD_FAILURE() << "no overflow";
    } catch (const ZipLayerError& e) {
        EXPECT_EQ(e.number(), 6);
        EXPECT_EQ(e.source(), QStringLiteral("CGUnZipFiles::Unzip"));
    }
}

TEST_F(UnzipTest, AnExistingFileIsReplacedKeptOrTheWorkStoppedAsTheOptionsSay)
{
    writeFile(inTarget(QStringLiteral("opis.txt")), "stary");
    CGUnzipFiles unzip;
    unzip.setOverWriteFiles(false);
    EXPECT_EQ(unzip.Unzip(archive, target), 0);
    EXPECT_EQ(readFile(inTarget(QStringLiteral("opis.txt"))), "stary") << "neither overwrite nor a question";
    EXPECT_TRUE(dialogs->calls().empty());

    unzip.setPromptOverwrite(true);
    dialogs->answerNo().answerNo(); // both files are there now
    EXPECT_EQ(unzip.Unzip(archive, target), 0);
    EXPECT_EQ(readFile(inTarget(QStringLiteral("opis.txt"))), "stary");
    ASSERT_EQ(dialogs->calls().size(), 2u);
    EXPECT_EQ(dialogs->last().kind, DialogCall::Kind::YesNoCancel);
    EXPECT_EQ(dialogs->last().title, QStringLiteral("VBUnZip32 - File Already Exists!"));
    EXPECT_EQ(dialogs->last().text,
              QStringLiteral("Overwrite ") + inTarget(QStringLiteral("opis.txt")) + u'?');

    QFile::remove(inTarget(QStringLiteral("Eksport/plik.txt")));
    dialogs->answerCancel();
    EXPECT_NE(unzip.Unzip(archive, target), 0);
    EXPECT_FALSE(QFile::exists(inTarget(QStringLiteral("Eksport/plik.txt")))) << "Cancel writes nothing";

    dialogs->answerYes();
    EXPECT_EQ(unzip.Unzip(archive, target), 0);
    EXPECT_EQ(readFile(inTarget(QStringLiteral("opis.txt"))), "opis");
}

TEST_F(UnzipTest, AnEntryNamedOutsideTheTargetIsRefusedAndNothingIsWritten)
{
    for (const QByteArray& hostile : {QByteArray("../poza.txt"), QByteArray("a/../../poza.txt"),
                                      QByteArray("/tmp/poza.txt"), QByteArray("..\\poza.txt")}) {
        SCOPED_TRACE(hostile.toStdString());
        const QString evil = dir.filePath(QStringLiteral("zly.zip"));
        makeArchive(evil, {{"dobry.txt", "dobry"}, {hostile, "zly"}});
        CGUnzipFiles unzip;
        EXPECT_NE(unzip.Unzip(evil, target), 0);
        EXPECT_FALSE(unzip.GetLastMessage().isEmpty());
        EXPECT_FALSE(QFile::exists(inTarget(QStringLiteral("dobry.txt"))));
        EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("poza.txt"))));
    }
}

TEST_F(UnzipTest, ListsAndTestsWithoutUnpacking)
{
    CGUnzipFiles unzip;
    unzip.setExtractList(1);
    EXPECT_EQ(unzip.Unzip(archive, target), 0);
    EXPECT_FALSE(QDir(target).exists());
    const QStringList lines = CodeModule().listingText.split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 4); // header, two entries, nothing after the last CR LF
    EXPECT_EQ(CodeModule().listingLines, 2);
    EXPECT_EQ(lines[0], QStringLiteral("Filename:").leftJustified(52) +
                            QStringLiteral("Size     Date     Time").leftJustified(28));
    EXPECT_EQ(lines[1], QStringLiteral("Eksport/plik.txt").leftJustified(50) +
                            QStringLiteral("      4  03/05/07   9:07").leftJustified(30));

    unzip.setExtractList(0);
    unzip.setTestZip(true);
    EXPECT_EQ(unzip.Unzip(archive, target), 0);
    EXPECT_FALSE(QDir(target).exists());
    EXPECT_NE(unzip.Unzip(dir.filePath(QStringLiteral("nie_ma.zip")), target), 0);
    EXPECT_FALSE(unzip.GetLastMessage().isEmpty());
}

TEST_F(UnzipTest, EncryptedEntriesAskForThePasswordOncePerRun)
{
    const char* password = "hasło123";
    std::vector<Entry> entries{{"jawny.txt", "jawny"}, {"tajny.txt", "tajny", {}, ZIP_EM_AES_256, password}};
    if (zip_encryption_method_supported(ZIP_EM_TRAD_PKWARE, 1))
        entries.push_back({"stary.txt", "stary", {}, ZIP_EM_TRAD_PKWARE, password});
    const QString locked = dir.filePath(QStringLiteral("zamkniete.zip"));
    makeArchive(locked, entries);
    CGUnzipFiles unzip;

    // One question serves every encrypted entry of the run.
    dialogs->answerText(QString::fromUtf8(password));
    EXPECT_EQ(unzip.Unzip(locked, target), 0) << unzip.GetLastMessage().toStdString();
    ASSERT_EQ(dialogs->calls().size(), 1u);
    EXPECT_EQ(describe(dialogs->last()), QStringLiteral("text input titled \"TRELIMOR\" with no icon, text "
                                                        "\"Please Enter The Password!\""));
    EXPECT_TRUE(dialogs->last().hideTyping);
    for (const Entry& entry : entries)
        EXPECT_EQ(readFile(inTarget(QString::fromUtf8(entry.name))), entry.bytes) << entry.name.constData();

    // A wrong password: the library's error for the entry, and nothing is unpacked.
    QDir(target).removeRecursively();
    dialogs->answerText(QStringLiteral("zle"));
    EXPECT_NE(unzip.Unzip(locked, target), 0);
    EXPECT_EQ(unzip.GetLastMessage(), QStringLiteral("Nie można rozpakować pliku tajny.txt z archiwum %1: "
                                                     "nieprawidłowe hasło.")
                                          .arg(locked));
    EXPECT_FALSE(QDir(target).exists());

    // No answer: nobody is asked again during the run; a test of the archive is a new run and
    // asks anew. An answer is cut to the library's buffer.
    dialogs->answerCancel();
    EXPECT_NE(unzip.Unzip(locked, target), 0);
    EXPECT_TRUE(unzip.GetLastMessage().endsWith(QStringLiteral("nie podano hasła.")))
        << unzip.GetLastMessage().toStdString();
    QString typed;
    EXPECT_EQ(UnzipPasswordCallback(typed, kPasswordBufferSize), 1);
    unzip.setTestZip(true);
    dialogs->answerText(QString::fromUtf8(password));
    EXPECT_EQ(unzip.Unzip(locked, target), 0) << unzip.GetLastMessage().toStdString();
    EXPECT_EQ(dialogs->calls().size(), 4u);

    // An entry encrypted by a method the library cannot read is refused without a question.
    makeArchive(locked, {{"silny.txt", "silny"}});
    QByteArray bytes = readFile(locked);
    bytes[bytes.indexOf("PK\x01\x02") + 8] = 0x41; // central header's flags: encrypted, strong encryption
    writeFile(locked, bytes);
    EXPECT_NE(unzip.Unzip(locked, target), 0);
    EXPECT_TRUE(
        unzip.GetLastMessage().endsWith(QStringLiteral("silny.txt z archiwum %1: nieobsługiwana metoda "
                                                       "szyfrowania.")
                                            .arg(locked)))
        << unzip.GetLastMessage().toStdString();
    EXPECT_EQ(dialogs->calls().size(), 4u);
    dialogs->answerText(QStringLiteral("abcdefgh"));
    EXPECT_EQ(UnzipPasswordCallback(typed, 5), 0);
    EXPECT_EQ(typed, QStringLiteral("abcd"));
}

} // namespace
