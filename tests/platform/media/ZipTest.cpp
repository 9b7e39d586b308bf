#include "platform/zip/Zip.h"
#include "platform/zip/ZipPlacement.h"

#include "support/FullDisk.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <zip.h>

using namespace trelimor::zip;
using trelimor::test::readFile;
using trelimor::test::writeFile;

namespace {

const QByteArray polishContent = QStringLiteral("Zażółć gęślą jaźń\r\nĄĘŁŃÓŚŹŻ\r\n").toUtf8();

// One entry of a hand-made archive: its name, data, Unix file mode (0: none recorded) and whether
// it is compressed.
struct RawEntry
{
    QByteArray name;
    QByteArray data;
    zip_uint32_t mode = 0;
    bool compressed = false;
};

// Writes an archive with any entry names, kinds and data, as a hostile archive could have.
void writeRawArchive(const QString& path, const QList<RawEntry>& entries)
{
    int error = 0;
    zip_t* archive = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    ASSERT_NE(archive, nullptr);
    for (const RawEntry& entry : entries) {
        zip_source_t* source =
            zip_source_buffer(archive, entry.data.constData(), zip_uint64_t(entry.data.size()), 0);
        const zip_int64_t index = zip_file_add(archive, entry.name.constData(), source, ZIP_FL_ENC_UTF_8);
        ASSERT_GE(index, 0);
        zip_set_file_compression(archive, zip_uint64_t(index),
                                 entry.compressed ? ZIP_CM_DEFLATE : ZIP_CM_STORE, 0);
        if (entry.mode != 0)
            zip_file_set_external_attributes(archive, zip_uint64_t(index), 0, ZIP_OPSYS_UNIX,
                                             entry.mode << 16);
    }
    ASSERT_EQ(zip_close(archive), 0);
}

QStringList namesIn(const QString& archive)
{
    QStringList names;
    for (const ZipEntry& entry : listEntries(archive))
        names.append(entry.name);
    return names;
}

QString errorOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const ZipError& error) {
        return error.message();
    }
    return {};
}

class ZipTest : public ::testing::Test
{
protected:
    QString path(const QString& relative) const { return m_dir.filePath(relative); }

    QTemporaryDir m_dir;
};

} // namespace

TEST_F(ZipTest, RoundTripKeepsPolishNamesAndContents)
{
    const QString first = path(QStringLiteral("Eksport/20220331/Serologia_źdźbło.txt"));
    const QString second = path(QStringLiteral("Dane/Łódź ŻÓŁW.txt"));
    writeFile(first, polishContent);
    writeFile(second, QByteArray(100000, 'x') + polishContent);

    const QString archive = path(QStringLiteral("Eksport/20220331/Serologia_źdźbło.txt.zip"));
    createArchive(archive, {first, second});
    EXPECT_EQ(namesIn(archive),
              QStringList({QStringLiteral("Serologia_źdźbło.txt"), QStringLiteral("Łódź ŻÓŁW.txt")}));
    const QList<ZipEntry> entries = listEntries(archive);
    EXPECT_EQ(entries.at(1).size, 100000 + polishContent.size());
    EXPECT_LT(entries.at(1).compressedSize, entries.at(1).size);
    EXPECT_NO_THROW(testArchive(archive));

    const ExtractResult result = extractAll(archive, path(QStringLiteral("rozpakowane")));
    EXPECT_EQ(result.written.size(), 2);
    EXPECT_EQ(readFile(path(QStringLiteral("rozpakowane/Serologia_źdźbło.txt"))), polishContent);
    EXPECT_EQ(readFile(path(QStringLiteral("rozpakowane/Łódź ŻÓŁW.txt"))), readFile(second));
}

TEST_F(ZipTest, RelativePathsAndFoldersWhenAskedFor)
{
    writeFile(path(QStringLiteral("źródło/Dane/Łódź.txt")), polishContent);
    writeFile(path(QStringLiteral("źródło/Dane/Archiwum/stary.txt")), "stary");
    const QString archive = path(QStringLiteral("kopia.zip"));

    CreateOptions options;
    options.keepRelativePaths = true;
    options.recurseFolders = true;
    options.baseFolder = path(QStringLiteral("źródło"));
    createArchive(archive, {path(QStringLiteral("źródło/Dane"))}, options);
    EXPECT_EQ(namesIn(archive),
              QStringList({QStringLiteral("Dane/Archiwum/stary.txt"), QStringLiteral("Dane/Łódź.txt")}));

    extractEntry(archive, QStringLiteral("Dane/Łódź.txt"), path(QStringLiteral("cel")));
    EXPECT_EQ(readFile(path(QStringLiteral("cel/Dane/Łódź.txt"))), polishContent);
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("cel/Dane/Archiwum/stary.txt"))));

    ExtractOptions flat;
    flat.keepFolders = false;
    extractAll(archive, path(QStringLiteral("płasko")), flat);
    EXPECT_EQ(QDir(path(QStringLiteral("płasko"))).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot),
              QStringList({QStringLiteral("stary.txt"), QStringLiteral("Łódź.txt")}));

    EXPECT_FALSE(errorOf([&] { createArchive(archive, {path(QStringLiteral("źródło/Dane"))}); }).isEmpty())
        << "a folder without recursion is refused";
    EXPECT_FALSE(errorOf([&] {
                     extractEntry(archive, QStringLiteral("brak.txt"), path(QStringLiteral("cel")));
                 }).isEmpty());
}

TEST_F(ZipTest, AddingReplacesEntriesOfTheSameNameAndKeepsTheRest)
{
    const QString archive = path(QStringLiteral("a.zip"));
    writeFile(path(QStringLiteral("jeden.txt")), "1");
    writeFile(path(QStringLiteral("dwa.txt")), "2");
    createArchive(archive, {path(QStringLiteral("jeden.txt"))});

    writeFile(path(QStringLiteral("jeden.txt")), "jeden nowy");
    CreateOptions add;
    add.replaceArchive = false;
    createArchive(archive, {path(QStringLiteral("jeden.txt")), path(QStringLiteral("dwa.txt"))}, add);
    EXPECT_EQ(namesIn(archive), QStringList({QStringLiteral("jeden.txt"), QStringLiteral("dwa.txt")}));
    extractEntry(archive, QStringLiteral("jeden.txt"), path(QStringLiteral("cel")));
    EXPECT_EQ(readFile(path(QStringLiteral("cel/jeden.txt"))), "jeden nowy");

    createArchive(archive, {path(QStringLiteral("dwa.txt"))});
    EXPECT_EQ(namesIn(archive), QStringList({QStringLiteral("dwa.txt")}))
        << "a new archive replaces the old one";
}

TEST_F(ZipTest, FailedPackingLeavesTheOldArchive)
{
    const QString archive = path(QStringLiteral("a.zip"));
    writeFile(path(QStringLiteral("x/plik.txt")), "x");
    writeFile(path(QStringLiteral("y/plik.txt")), "y");
    createArchive(archive, {path(QStringLiteral("x/plik.txt"))});
    const QByteArray before = readFile(archive);

    const QString duplicate = errorOf([&] {
        createArchive(archive, {path(QStringLiteral("x/plik.txt")), path(QStringLiteral("y/plik.txt"))});
    });
    EXPECT_TRUE(duplicate.contains(QStringLiteral("plik.txt"))) << duplicate.toStdString();
    const QString missing = errorOf([&] { createArchive(archive, {path(QStringLiteral("brak.txt"))}); });
    EXPECT_TRUE(missing.contains(path(QStringLiteral("brak.txt")))) << missing.toStdString();
    EXPECT_FALSE(errorOf([&] { createArchive(archive, {}); }).isEmpty());
    // A disk that fills while the archive is written is said in Polish, as the other writers say it.
    QByteArray noise(256 * 1024, Qt::Uninitialized); // beyond compression, so beyond the limit
    QRandomGenerator(7).fillRange(reinterpret_cast<quint32*>(noise.data()), noise.size() / 4);
    writeFile(path(QStringLiteral("duzy.txt")), noise);
    const QString full = [&] {
        trelimor::test::FullDisk disk(64 * 1024);
        return errorOf([&] { createArchive(archive, {path(QStringLiteral("duzy.txt"))}); });
    }();
    EXPECT_TRUE(full.contains(QStringLiteral("za mało miejsca na dysku"))) << full.toStdString();
    EXPECT_EQ(readFile(archive), before);
}

TEST_F(ZipTest, AReplacedFileThatCannotBePutBackStaysInTheStagingFolderAndIsNamed)
{
    const QString target = path(QStringLiteral("cel"));
    const QString staging = target + QStringLiteral("/.unzip-Ab12Cd");
    writeFile(target + QStringLiteral("/a.txt"), "mój");
    writeFile(staging + QStringLiteral("/0"), "nowy");
    // Moving the second file fails, and so does putting the replaced one back.
    detail::Placement placement(
        QFileInfo(target).canonicalFilePath(), staging, [](const QString& from, const QString& to) {
            return !to.endsWith(QLatin1String("/b.txt")) && !from.contains(QLatin1String("/poprzedni-")) &&
                   QFile::rename(from, to);
        });
    placement.place(staging + QStringLiteral("/0"), target + QStringLiteral("/a.txt"));
    EXPECT_THROW(placement.place(staging + QStringLiteral("/1"), target + QStringLiteral("/b.txt")),
                 ZipError);
    EXPECT_EQ(
        placement.undo(),
        QStringLiteral("Nie udało się przywrócić poprzedniej zawartości plików: %1/a.txt; zachowano ją w "
                       "folderze %2.")
            .arg(target, staging));
    EXPECT_EQ(readFile(staging + QStringLiteral("/poprzedni-0-a.txt")), "mój");
}

TEST_F(ZipTest, EntriesThatClimbOutOfTheTargetAreRefusedBeforeAnythingIsWritten)
{
    const QString target = path(QStringLiteral("cel"));
    for (const QByteArray& name :
         {QByteArray("../poza.txt"), QByteArray("dane/../../poza.txt"), QByteArray("/tmp/poza.txt"),
          QByteArray("..\\poza.txt"), QByteArray("C:/poza.txt")}) {
        const QString archive = path(QStringLiteral("zly.zip"));
        writeRawArchive(archive, {{"najpierw.txt", "dobry"}, {name, "zły"}});
        const QString error = errorOf([&] { extractAll(archive, target); });
        EXPECT_TRUE(error.contains(QStringLiteral("niedozwoloną nazwę")))
            << name.constData() << ": " << error.toStdString();
        EXPECT_FALSE(QFile::exists(path(QStringLiteral("poza.txt"))));
        EXPECT_FALSE(QFile::exists(path(QStringLiteral("cel/najpierw.txt")))) << name.constData();
    }
}

TEST_F(ZipTest, EveryEntryIsCheckedBeforeAnyIsWritten)
{
    const QString target = path(QStringLiteral("cel"));
    writeFile(target + QStringLiteral("/zajety"), "plik, nie folder");
    const QString archive = path(QStringLiteral("zly.zip"));
    const struct
    {
        RawEntry bad;
        QString error;
    } cases[] = {
        {{"link", "/etc/passwd", 0120777}, QStringLiteral("dowiązanie link")},
        {{"kolejka", "", 0010644}, QStringLiteral("kolejka, który nie jest zwykłym plikiem ani folderem")},
        {{"najpierw.txt/w-srodku.txt", "x"}, QStringLiteral("najpierw.txt jest w nim i plikiem, i folderem")},
        {{"zajety/plik.txt", "x"},
         QStringLiteral("w miejscu folderu %1 jest plik").arg(target + QStringLiteral("/zajety"))},
    };
    for (const auto& c : cases) {
        // The good entry comes first, and the damaging one is last.
        writeRawArchive(archive, {{"najpierw.txt", "dobry", 0100644}, {"dalej/drugi.txt", "dobry"}, c.bad});
        const QString error = errorOf([&] { extractAll(archive, target); });
        EXPECT_TRUE(error.contains(c.error)) << c.bad.name.constData() << ": " << error.toStdString();
        EXPECT_EQ(QDir(target).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                  QStringList{QStringLiteral("zajety")})
            << c.bad.name.constData() << ": nothing is written, no staging folder is left";
        EXPECT_EQ(readFile(target + QStringLiteral("/zajety")), "plik, nie folder");
    }
}

TEST_F(ZipTest, ArchivesTooLargeOrCompressedBeyondReasonAreRefused)
{
    const QString target = path(QStringLiteral("cel"));
    const QString bomb = path(QStringLiteral("bomba.zip"));
    writeRawArchive(bomb, {{"zera.bin", QByteArray(20 << 20, '\0'), 0, true}});
    const QString error = errorOf([&] { extractAll(bomb, target); });
    EXPECT_TRUE(error.contains(QStringLiteral("zera.bin")) &&
                error.contains(QStringLiteral("stopniu kompresji")))
        << error.toStdString();

    // Entries of a mebibyte each are not judged alone; together they make a bomb all the same.
    const QString many = path(QStringLiteral("wiele.zip"));
    QList<RawEntry> mebibytes;
    for (int i = 0; i < 8; ++i)
        mebibytes.append({"zera" + QByteArray::number(i) + ".bin", QByteArray(1 << 20, '\0'), 0, true});
    writeRawArchive(many, mebibytes);
    const QString together = errorOf([&] { extractAll(many, target); });
    EXPECT_TRUE(
        together.startsWith(QStringLiteral("Archiwum %1 ma nieprawdopodobny stopień kompresji").arg(many)))
        << together.toStdString();
    EXPECT_FALSE(QFileInfo::exists(target));

    const QString big = path(QStringLiteral("duze.zip"));
    writeRawArchive(big, {{"a.txt", QByteArray(600, 'a')}, {"b.txt", QByteArray(600, 'b')}});
    ExtractOptions small;
    small.maxTotalSize = 1000;
    EXPECT_EQ(errorOf([&] { extractAll(big, target, small); }),
              QStringLiteral(
                  "Archiwum %1 po rozpakowaniu zajęłoby 1200 bajtów, więcej niż dopuszczalne 1000 bajtów.")
                  .arg(big));
    EXPECT_FALSE(QFileInfo::exists(target));
    EXPECT_EQ(ExtractOptions().maxTotalSize, qint64(2) << 30);
    small.maxTotalSize = 1200;
    EXPECT_EQ(extractAll(big, target, small).written.size(), 2);
}

TEST_F(ZipTest, CorruptArchivesAreReportedAndChangeNothing)
{
    const QString notZip = path(QStringLiteral("protokół.zip"));
    writeFile(notZip, "To nie jest archiwum, tylko tekst.\r\n");
    EXPECT_EQ(errorOf([&] { listEntries(notZip); }),
              QStringLiteral("Plik %1 nie jest prawidłowym archiwum zip.").arg(notZip));
    EXPECT_EQ(errorOf([&] { listEntries(path(QStringLiteral("brak.zip"))); }),
              QStringLiteral("Nie można odnaleźć archiwum %1.").arg(path(QStringLiteral("brak.zip"))));

    // Damage the stored bytes of the second entry: the checksum no longer matches.
    const QString damaged = path(QStringLiteral("uszkodzony.zip"));
    writeRawArchive(damaged, {{"pierwszy.txt", "pierwszy"}, {"drugi.txt", "ABCDEFGHIJKLMNOP"}});
    QByteArray bytes = readFile(damaged);
    const qsizetype at = bytes.indexOf("ABCDEFGHIJKLMNOP");
    ASSERT_GE(at, 0);
    bytes[at + 3] = 'x';
    writeFile(damaged, bytes);

    const QString target = path(QStringLiteral("cel"));
    writeFile(target + QStringLiteral("/pierwszy.txt"), "mój");
    const QString error = errorOf([&] { extractAll(damaged, target); });
    EXPECT_TRUE(error.contains(QStringLiteral("drugi.txt")) &&
                error.contains(QStringLiteral("suma kontrolna")))
        << error.toStdString();
    EXPECT_EQ(readFile(target + QStringLiteral("/pierwszy.txt")), "mój");
    EXPECT_FALSE(QFile::exists(target + QStringLiteral("/drugi.txt")));
    EXPECT_EQ(QDir(target).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList({QStringLiteral("pierwszy.txt")}))
        << "no staging files are left behind";
    EXPECT_FALSE(errorOf([&] { testArchive(damaged); }).isEmpty());
}

TEST_F(ZipTest, ExistingFilesFollowTheOverwriteChoice)
{
    const QString archive = path(QStringLiteral("a.zip"));
    writeRawArchive(archive, {{"jeden.txt", "nowy 1"}, {"dwa.txt", "nowy 2"}});
    const QString target = path(QStringLiteral("cel"));
    writeFile(target + QStringLiteral("/jeden.txt"), "stary 1");
    writeFile(target + QStringLiteral("/dwa.txt"), "stary 2");

    ExtractOptions options;
    options.overwrite = ExtractOptions::Overwrite::Never;
    ExtractResult result = extractAll(archive, target, options);
    EXPECT_EQ(result.skipped.size(), 2);
    EXPECT_EQ(readFile(target + QStringLiteral("/jeden.txt")), "stary 1");

    options.overwrite = ExtractOptions::Overwrite::Ask;
    QStringList asked;
    options.askOverwrite = [&asked](const QString& file) {
        asked.append(QFileInfo(file).fileName());
        return asked.size() == 1 ? OverwriteAnswer::Yes : OverwriteAnswer::Cancel;
    };
    result = extractAll(archive, target, options);
    EXPECT_TRUE(result.cancelled);
    EXPECT_EQ(asked, QStringList({QStringLiteral("jeden.txt"), QStringLiteral("dwa.txt")}));
    EXPECT_EQ(readFile(target + QStringLiteral("/jeden.txt")), "stary 1") << "a cancel writes nothing";

    options.askOverwrite = [](const QString& file) {
        return file.endsWith(QLatin1String("jeden.txt")) ? OverwriteAnswer::Yes : OverwriteAnswer::No;
    };
    result = extractAll(archive, target, options);
    EXPECT_EQ(result.written, QStringList({target + QStringLiteral("/jeden.txt")}));
    EXPECT_EQ(readFile(target + QStringLiteral("/jeden.txt")), "nowy 1");
    EXPECT_EQ(readFile(target + QStringLiteral("/dwa.txt")), "stary 2");

    result = extractAll(archive, target);
    EXPECT_EQ(readFile(target + QStringLiteral("/dwa.txt")), "nowy 2") << "overwriting is the default";
}
