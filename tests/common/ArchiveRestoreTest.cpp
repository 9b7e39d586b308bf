#include "common/Archive.h"
#include "common/ClosedDatabases.h"
#include "common/CompactedCopy.h"
#include "common/DatabaseIndexes.h"
#include "common/ModLabor.h"
#include "common/PresenceFile.h"
#include "common/ProgramState.h"
#include "common/Restore.h"

#include "platform/db/JetError.h"
#include "platform/paths/Folders.h"

#include "support/FakeClock.h"
#include "support/Installed.h"
#include "support/ScriptedDialogs.h"
#include "support/TempProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

using namespace trelimor;
using namespace trelimor::test;

namespace {

const QString kYearlyName = QStringLiteral("Trelimor1465PIW2022.sqlite");

QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int rows(db::Database& database, const QString& table)
{
    return database.scalar(QStringLiteral("SELECT count(*) FROM %1").arg(table)).toInt();
}

class ArchiveRestoreTest : public TempProgramFolder
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QDir().mkpath(paths::dataFolder()));
        programState().setWorkingDate(QDate(2022, 3, 15));
        db::Database stale = db::Database::create(stalePath());
        for (const char* table : {"OPERATORZY", "PODATNIK", "PARAMETRY"})
            stale.createTable({QString::fromLatin1(table), {db::Field::text(QStringLiteral("KLUCZ"), 20)}});
        stale.createTable({QStringLiteral("Gatunek"), {db::Field::text(QStringLiteral("NazGatunek"), 20)}});
        for (const char* species : {"bydło", "owce", "kozy"})
            stale.execute(QStringLiteral("INSERT INTO Gatunek VALUES (?)"), {QString::fromUtf8(species)});
        db::Database yearly = db::Database::create(yearlyPath());
        yearly.createTable(
            {QStringLiteral("Partia"), {db::Field::of(QStringLiteral("Partia"), db::DataType::Long)}});
        yearly.createTable(
            {QStringLiteral("Badanie"), {db::Field::of(QStringLiteral("Partia"), db::DataType::Long)}});
        for (int batch = 1; batch <= 5; ++batch)
            yearly.execute(QStringLiteral("INSERT INTO Partia VALUES (?)"), {batch});
        ModLabor().BazaStale = stale;
        ModLabor().BazaRok = yearly;
    }
    void TearDown() override
    {
        resetModLabor();
        programState().reset();
    }

    static QString stalePath() { return paths::join(paths::dataFolder(), QStringLiteral("Stale.sqlite")); }
    static QString yearlyPath() { return paths::join(paths::dataFolder(), kYearlyName); }
    static QString archived(const QString& folder, const QString& name)
    {
        return paths::join(paths::join(paths::archiveFolder(), folder), name);
    }
    static void expectBothOpenAsBefore()
    {
        EXPECT_TRUE(ModLabor().BazaStale.isOpen());
        EXPECT_TRUE(ModLabor().BazaRok.isOpen());
        EXPECT_EQ(ModLabor().BazaStale.name(), stalePath());
        EXPECT_EQ(ModLabor().BazaRok.name(), yearlyPath());
    }
    // Answers the question and the file box of a restore of that file.
    void restore(const QString& source)
    {
        dialogs->answerYes().answerFile(source);
        menOdzysk_Click();
    }
    // A copy of the dictionary database outside the program's folders, as an archive holds it.
    QString archivedStale()
    {
        const QString folder = folders.path(QStringLiteral("kopia"));
        EXPECT_TRUE(QDir().mkpath(folder));
        const QString copy = paths::join(folder, QStringLiteral("Stale.sqlite"));
        EXPECT_TRUE(QFile::copy(stalePath(), copy));
        return copy;
    }

    Installed<ScriptedDialogs> dialogs;
    Installed<FakeClock> clock{QDateTime(QDate(2022, 3, 31), QTime(10, 15, 42))};
};

TEST_F(ArchiveRestoreTest, ArchiveThenRestoreGivesTheArchivedRowsBack)
{
    dialogs->answerYes();
    ComArchiwizacja_Click();
    const QString folder = paths::join(paths::archiveFolder(), QStringLiteral("20220315g101542"));
    EXPECT_EQ(dialogs->calls().front().title, QStringLiteral("PYTANIE"));
    EXPECT_EQ(dialogs->last().title, QStringLiteral("INFORMACJA"));
    EXPECT_EQ(
        dialogs->last().text,
        QStringLiteral(
            "Archiwizacja baz danych zakończona powodzeniem!\rBazy zostały skopiowane do katalogu: \r") +
            folder);
    EXPECT_EQ(QDir(folder).entryList(QDir::Files, QDir::Name), (QStringList{"Stale.sqlite", kYearlyName}));
    EXPECT_EQ(ModLabor().KatalogProgramu, paths::programFolder());
    expectBothOpenAsBefore();

    ModLabor().BazaStale.execute(QStringLiteral("DELETE FROM Gatunek"));
    ModLabor().BazaRok.execute(QStringLiteral("DELETE FROM Partia WHERE Partia > 2"));

    restore(archived(QStringLiteral("20220315g101542"), QStringLiteral("Stale.sqlite")));
    // The replaced file is kept beside it under the time of the restore, and the user is told where.
    const QString keptStale = stalePath() + QStringLiteral(".przed-przywroceniem-20220331101542");
    EXPECT_EQ(dialogs->last().text,
              QStringLiteral("Przywrócenie wskazanej bazy z archiwum zostało zakończone powodzeniem!\r"
                             "Plik został skopiowany z: \r%1\rdo: \r%2\rPoprzedni plik zachowano jako: \r%3")
                  .arg(archived(QStringLiteral("20220315g101542"), QStringLiteral("Stale.sqlite")),
                       stalePath(), keptStale));
    clock->advance(1000);
    restore(archived(QStringLiteral("20220315g101542"), kYearlyName));
    expectBothOpenAsBefore();
    EXPECT_EQ(rows(ModLabor().BazaStale, QStringLiteral("Gatunek")), 3);
    EXPECT_EQ(rows(ModLabor().BazaRok, QStringLiteral("Partia")), 5);
    db::Database before = db::Database::open(keptStale);
    EXPECT_EQ(rows(before, QStringLiteral("Gatunek")), 0);
    before.close();
    // No temporary copy is left beside the restored files.
    EXPECT_EQ(QDir(paths::dataFolder()).entryList(QDir::Files, QDir::Name),
              (QStringList{"Stale.sqlite", QFileInfo(keptStale).fileName(), kYearlyName,
                           kYearlyName + QStringLiteral(".przed-przywroceniem-20220331101543")}));
}

// Copies from an archive made before the indexes: the restored files are opened with the indexes
// they lack, as every opening makes them.
TEST_F(ArchiveRestoreTest, RestoredFilesGetTheIndexesTheyLackAtOnce)
{
    ModLabor().BazaStale.createTable(
        {QStringLiteral("ZAKLAD"), {db::Field::text(QStringLiteral("WNI"), 10)}});
    const QString stale = archivedStale();
    const QString yearly = paths::join(QFileInfo(stale).path(), kYearlyName);
    ASSERT_TRUE(QFile::copy(yearlyPath(), yearly));
    const auto hasIndex = [](db::Database& database, const QString& name) {
        return database.scalar(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE name = ?"), {name})
                   .toInt() == 1;
    };
    for (const QString& copy : {stale, yearly}) {
        db::Database database = db::Database::open(copy);
        ASSERT_FALSE(hasIndex(database, kEstablishmentNumberIndex) ||
                     hasIndex(database, kIndeksPartiiProbek));
        database.close();
    }

    restore(stale);
    clock->advance(1000);
    restore(yearly);
    expectBothOpenAsBefore();
    EXPECT_TRUE(hasIndex(ModLabor().BazaStale, kEstablishmentNumberIndex));
    EXPECT_TRUE(hasIndex(ModLabor().BazaRok, kIndeksPartiiProbek));
}

TEST_F(ArchiveRestoreTest, ASecondArchiveInTheSameSecondFailsAndKeepsTheFirst)
{
    dialogs->answerYes().answerYes();
    ComArchiwizacja_Click();
    const QString first = archived(QStringLiteral("20220315g101542"), QStringLiteral("Stale.sqlite"));
    const QByteArray before = bytesOf(first);
    ComArchiwizacja_Click();
    EXPECT_EQ(dialogs->last().title, kArchiveFailureTitle);
    EXPECT_TRUE(dialogs->last().text.contains(QStringLiteral("już istnieje")));
    EXPECT_EQ(bytesOf(first), before);
    expectBothOpenAsBefore();
}

TEST_F(ArchiveRestoreTest, ARestoreThatIsRefusedLeavesTheLiveFilesByteForByte)
{
    const QByteArray stale = bytesOf(stalePath());
    const QByteArray yearly = bytesOf(yearlyPath());

    // A text file named like the dictionary database.
    const QString text = folders.path(QStringLiteral("Stale.sqlite"));
    {
        QFile file(text);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("To nie jest baza danych, tylko notatka.\r\n");
    }
    restore(text);
    EXPECT_EQ(dialogs->last().title, QStringLiteral("Uwaga!"));
    EXPECT_TRUE(
        dialogs->last().text.startsWith(QStringLiteral("Wskazany plik nie jest poprawną bazą danych")));

    // The live files themselves, also through another spelling of their path.
    restore(stalePath());
    EXPECT_TRUE(dialogs->last().text.contains(QStringLiteral("na której program pracuje")));
    restore(paths::dataFolder() + QStringLiteral("/../Dane/") + kYearlyName);
    EXPECT_TRUE(dialogs->last().text.contains(QStringLiteral("na której program pracuje")));

    // An empty file is a database without tables: nothing to restore.
    const QString empty = folders.path(kYearlyName);
    {
        QFile file(empty);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    restore(empty);
    EXPECT_TRUE(dialogs->last().text.contains(QStringLiteral("nie zawiera żadnej tabeli")));

    EXPECT_EQ(bytesOf(stalePath()), stale);
    EXPECT_EQ(bytesOf(yearlyPath()), yearly);
    expectBothOpenAsBefore();
}

TEST_F(ArchiveRestoreTest, OnlyADatabaseOfThisProgramOfTheTargetsKindIsRestored)
{
    const QByteArray stale = bytesOf(stalePath());
    const QByteArray yearly = bytesOf(yearlyPath());
    const QString foreign = folders.path(QStringLiteral("obca/Stale.sqlite"));
    ASSERT_TRUE(QDir().mkpath(QFileInfo(foreign).absolutePath()));
    {
        // A sound database of another program: the same tables, without this program's mark.
        db::Database other = db::Database::create(foreign);
        other.execute(QStringLiteral("PRAGMA application_id = 0"));
        for (const char* table : {"OPERATORZY", "PODATNIK", "PARAMETRY"})
            other.createTable({QString::fromLatin1(table), {db::Field::text(QStringLiteral("KLUCZ"), 20)}});
        other.close();
    }
    restore(foreign);
    EXPECT_EQ(dialogs->last().title, QStringLiteral("Uwaga!"));
    EXPECT_EQ(dialogs->last().text,
              QStringLiteral("Wskazany plik nie jest bazą danych programu TRELIMOR i nie zostanie "
                             "przywrócony:\r") +
                  foreign);
    // This program's yearly file under the dictionary's name, and its dictionary under a yearly
    // file's name.
    const QString yearlyAsStale = folders.path(QStringLiteral("rok/Stale.sqlite"));
    ASSERT_TRUE(QDir().mkpath(QFileInfo(yearlyAsStale).absolutePath()));
    ASSERT_TRUE(QFile::copy(yearlyPath(), yearlyAsStale));
    restore(yearlyAsStale);
    EXPECT_EQ(dialogs->last().text,
              QStringLiteral("Wskazany plik nie jest bazą słownikową i nie może zastąpić pliku %1:\r%2")
                  .arg(stalePath(), yearlyAsStale));
    const QString staleAsYearly = folders.path(kYearlyName);
    ASSERT_TRUE(QFile::copy(stalePath(), staleAsYearly));
    restore(staleAsYearly);
    EXPECT_EQ(dialogs->last().text,
              QStringLiteral("Wskazany plik nie jest bazą danych roku i nie może zastąpić pliku %1:\r%2")
                  .arg(yearlyPath(), staleAsYearly));
    EXPECT_EQ(bytesOf(stalePath()), stale);
    EXPECT_EQ(bytesOf(yearlyPath()), yearly);
    expectBothOpenAsBefore();
}

TEST_F(ArchiveRestoreTest, AYearlyFileIsNotReplacedWhileAnotherProgramWorks)
{
    const QString copy = folders.path(kYearlyName);
    ASSERT_TRUE(QFile::copy(yearlyPath(), copy));
    ModLabor().BazaRok.execute(QStringLiteral("DELETE FROM Partia"));
    const QByteArray live = bytesOf(yearlyPath());
    PresenceFile other(QStringLiteral("stanowisko2"), QStringLiteral("ola"));
    ASSERT_TRUE(other.open(stalePath()));
    restore(copy);
    EXPECT_EQ(dialogs->last().title, QStringLiteral("Uwaga!"));
    EXPECT_TRUE(dialogs->last().text.contains(QStringLiteral("stanowisko2 ola")))
        << dialogs->last().text.toStdString();
    EXPECT_EQ(bytesOf(yearlyPath()), live);
    expectBothOpenAsBefore();
}

TEST_F(ArchiveRestoreTest, TheDictionaryIsNotReplacedWhileAnotherProgramHasItOpen)
{
    const QString copy = archivedStale();
    ModLabor().BazaStale.execute(QStringLiteral("DELETE FROM Gatunek"));
    const QByteArray live = bytesOf(stalePath());

    PresenceFile self;
    ASSERT_TRUE(self.open(stalePath()));
    PresenceFile other(QStringLiteral("stanowisko2"), QStringLiteral("ola"));
    ASSERT_TRUE(other.open(stalePath()));
    restore(copy);
    EXPECT_EQ(dialogs->last().title, QStringLiteral("Uwaga!"));
    EXPECT_TRUE(dialogs->last().text.contains(QStringLiteral("stanowisko2 ola")));
    EXPECT_EQ(bytesOf(stalePath()), live);

    // This program's own record does not stand in the way.
    other.close();
    restore(copy);
    EXPECT_EQ(dialogs->last().title, QStringLiteral("INFORMACJA"));
    EXPECT_EQ(rows(ModLabor().BazaStale, QStringLiteral("Gatunek")), 3);
}

TEST_F(ArchiveRestoreTest, ATargetThatCannotBeReplacedIsReportedAndKeptAsItWas)
{
    // A folder in the way of the restored file: rename() cannot put a file in its place.
    const QString blocked = paths::join(paths::dataFolder(), QStringLiteral("Stare.sqlite"));
    ASSERT_TRUE(QDir().mkpath(paths::join(blocked, QStringLiteral("zawartosc"))));
    const QString source = folders.path(QStringLiteral("Stare.sqlite"));
    ASSERT_TRUE(QFile::copy(stalePath(), source));

    restore(source);
    EXPECT_EQ(dialogs->last().title, QStringLiteral("INFORMACJA"));
    EXPECT_EQ(dialogs->last().text, QStringLiteral("Nie można usunąć pliku ") + blocked);
    EXPECT_TRUE(QFileInfo(blocked).isDir());
    EXPECT_EQ(QDir(paths::dataFolder()).entryList(QDir::Files, QDir::Name),
              (QStringList{"Stale.sqlite", kYearlyName}));
    expectBothOpenAsBefore();
}

TEST_F(ArchiveRestoreTest, AFileOfANewNameIsAddedAndCancellingChangesNothing)
{
    dialogs->answerNo();
    menOdzysk_Click();
    dialogs->answerYes().answerCancel();
    menOdzysk_Click();
    EXPECT_EQ(dialogs->calls().size(), 3u); // question, question, file box
    EXPECT_EQ(dialogs->last().kind, DialogCall::Kind::OpenFile);
    EXPECT_EQ(dialogs->last().filter, QStringLiteral("All Files (*.*)|*.*|Pliki bazy (*.sqlite)|*.sqlite"));
    EXPECT_EQ(dialogs->last().filterIndex, 2);

    const QString source = folders.path(QStringLiteral("Trelimor1465PIW2021.sqlite"));
    ASSERT_TRUE(QFile::copy(yearlyPath(), source));
    restore(source);
    EXPECT_EQ(dialogs->last().title, QStringLiteral("INFORMACJA"));
    db::Database added = db::Database::open(paths::join(paths::dataFolder(), QFileInfo(source).fileName()));
    EXPECT_EQ(rows(added, QStringLiteral("Partia")), 5);
    added.close();
    expectBothOpenAsBefore();
}

TEST_F(ArchiveRestoreTest, KompaktujBazeCompactsInPlaceAndKeepsTheHandleOpen)
{
    db::Database& yearly = ModLabor().BazaRok;
    yearly.execute(QStringLiteral("CREATE TABLE Balast (Tekst MEMO)"));
    yearly.execute(
        QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 200) "
                       "INSERT INTO Balast SELECT zeroblob(2000) FROM n"));
    yearly.execute(QStringLiteral("DELETE FROM Balast"));
    const qint64 before = QFileInfo(yearlyPath()).size();

    KompaktujBaze(yearly);
    EXPECT_TRUE(yearly.isOpen());
    EXPECT_EQ(yearly.name(), yearlyPath());
    EXPECT_EQ(rows(yearly, QStringLiteral("Partia")), 5);
    EXPECT_LT(QFileInfo(yearlyPath()).size(), before);

    db::Database closed;
    EXPECT_THROW(KompaktujBaze(closed), db::JetError);
}

} // namespace
