#include "common/InstallationFile.h"
#include "common/DatabaseIndexes.h"
#include "common/ModLabor.h"

#include "platform/db/Database.h"
#include "platform/db/Recordset.h"
#include "platform/paths/Folders.h"

#include "support/Installed.h"
#include "support/QuitRecorder.h"
#include "support/ScriptedDialogs.h"
#include "support/TempProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QStringEncoder>

#include <chrono>
#include <future>
#include <thread>

using namespace trelimor;
using namespace trelimor::test;

namespace {

class CzytajParametryTest : public TempProgramFolder
{
protected:
    void SetUp() override
    {
        QDir().mkpath(paths::dataFolder());
        for (const char* name : {"Stale.sqlite", "Robot.sqlite"})
            db::Database::create(paths::join(paths::dataFolder(), QString::fromLatin1(name))).close();
    }
    void TearDown() override { resetModLabor(); }

    void writeIni(const QString& text)
    {
        QFile ini(paths::iniFile());
        ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
        QStringEncoder encode("windows-1250");
        ini.write(encode(QString(text).replace(QLatin1Char('\n'), QLatin1String("\r\n"))));
    }
    QString data() const { return paths::dataFolder() + QLatin1Char('/'); }

    Installed<ScriptedDialogs> dialogs;
    Installed<QuitRecorder> quit;
};

TEST_F(CzytajParametryTest, OpensBothDatabasesAndTakesTheReportsFolder)
{
    writeIni(QStringLiteral("robot=%1\nstale=%1\nRAPORTY=/raporty/\nDZIEN=1\n").arg(data()));
    EXPECT_TRUE(CzytajParametry());
    EXPECT_TRUE(dialogs->calls().empty());
    EXPECT_EQ(ModLabor().BazaStale.name(), data() + QStringLiteral("Stale.sqlite"));
    EXPECT_EQ(ModLabor().BazaRobot.name(), data() + QStringLiteral("Robot.sqlite"));
    EXPECT_EQ(ModLabor().KatalogRaportow, QStringLiteral("/raporty/"));
    EXPECT_EQ(ModLabor().FormatDaty, QStringLiteral("dd.mm.yyyy"));
    EXPECT_EQ(ModLabor().TablicaPolskichZnakow[4][1], QStringLiteral("163")) << "the letter table is filled";
}

// The import of the list of establishments looks every line's number up among those stored: a
// stored dictionary without the index gets it when the program opens it, over numbers already
// stored twice too, and the lookup goes through it.
TEST_F(CzytajParametryTest, OpeningIndexesTheEstablishmentsByNumber)
{
    const QString path = data() + QStringLiteral("Stale.sqlite");
    {
        db::Database stale = db::Database::open(path);
        stale.createTable(
            {QStringLiteral("ZAKLAD"),
             {db::Field::text(QStringLiteral("WNI"), 10), db::Field::text(QStringLiteral("Nazwa"), 255)}});
        stale.execute(QStringLiteral("INSERT INTO ZAKLAD (WNI, Nazwa) VALUES ('14650001', 'Rzeźnia'), "
                                     "('14650001', 'Rzeźnia bis'), ('12010001', 'Ubojnia')"));
        stale.close();
    }
    writeIni(QStringLiteral("STALE=%1\nROBOT=%1\n").arg(data()));
    ASSERT_TRUE(CzytajParametry());
    EXPECT_TRUE(dialogs->calls().empty());

    QString plan;
    for (db::Recordset rs = ModLabor().BazaStale.openRecordset(
             QStringLiteral("EXPLAIN QUERY PLAN SELECT COUNT(*) FROM ZAKLAD WHERE WNI = ?"),
             {QStringLiteral("14650001")});
         !rs.eof(); rs.moveNext())
        plan += rs.value(QStringLiteral("detail")).toString();
    EXPECT_TRUE(plan.contains(QStringLiteral("INDEX ") + kEstablishmentNumberIndex)) << plan.toStdString();
    EXPECT_EQ(ModLabor().BazaStale.scalar(QStringLiteral("SELECT COUNT(*) FROM ZAKLAD WHERE WNI = ?"),
                                          {QStringLiteral("14650001")}),
              QVariant(2));
}

// Another program writing the dictionary holds its lock for two seconds: the opening does not
// wait for it to make the index, so the index is still missing when the lock goes, and the next
// opening makes it.
TEST_F(CzytajParametryTest, AnIndexBlockedByAnotherProgramsLockIsLeftForTheNextOpening)
{
    const QString path = data() + QStringLiteral("Stale.sqlite");
    {
        db::Database stale = db::Database::open(path);
        stale.createTable({QStringLiteral("ZAKLAD"), {db::Field::text(QStringLiteral("WNI"), 10)}});
        stale.close();
    }
    writeIni(QStringLiteral("STALE=%1\nROBOT=%1\n").arg(data()));
    const auto hasIndex = [] {
        return ModLabor()
                   .BazaStale
                   .scalar(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE name = ?"),
                           {kEstablishmentNumberIndex})
                   .toInt() == 1;
    };

    std::promise<void> locked;
    std::thread otherProgram([&] {
        db::Database other = db::Database::open(path);
        other.execute(QStringLiteral("BEGIN IMMEDIATE"));
        locked.set_value();
        std::this_thread::sleep_for(std::chrono::seconds(2));
        other.execute(QStringLiteral("ROLLBACK"));
        other.close();
    });
    locked.get_future().wait();
    const bool opened = CzytajParametry();
    otherProgram.join();
    ASSERT_TRUE(opened);
    EXPECT_TRUE(dialogs->calls().empty());
    EXPECT_FALSE(hasIndex()) << "the opening waited for the other program's lock";

    resetModLabor();
    ASSERT_TRUE(CzytajParametry());
    EXPECT_TRUE(hasIndex());
}

TEST_F(CzytajParametryTest, KeyWithABlankBeforeTheSeparatorMatchesNothing)
{
    writeIni(QStringLiteral("STALE =%1\nROBOT=%1\n").arg(data()));
    EXPECT_FALSE(CzytajParametry());
    EXPECT_FALSE(ModLabor().BazaStale.isOpen());
    ASSERT_EQ(dialogs->calls().size(), 1u);
    EXPECT_EQ(dialogs->last().title, QStringLiteral("Błąd wczytania parametrów instalacyjnych"));
    EXPECT_TRUE(dialogs->last().text.contains(QStringLiteral("Stale.sqlite")));
}

TEST_F(CzytajParametryTest, MissingIniFileIsReportedAndNothingOpens)
{
    EXPECT_FALSE(CzytajParametry());
    ASSERT_EQ(dialogs->calls().size(), 1u);
    EXPECT_EQ(dialogs->last().title, QStringLiteral("Błąd wczytania parametrów instalacyjnych"));
    EXPECT_TRUE(dialogs->last().text.contains(QStringLiteral("Trelimor.ini")));
    EXPECT_FALSE(ModLabor().BazaRobot.isOpen());
}

TEST_F(CzytajParametryTest, MissingDictionaryDatabaseStopsTheStartNamingThePathTried)
{
    // A folder without its closing "/" glues the file name onto the folder's name: the box
    // shows the very path the program looked at, so the typo can be seen.
    const QString folder = paths::dataFolder();
    writeIni(QStringLiteral("STALE=%1\nROBOT=%2\n").arg(folder, data()));
    EXPECT_FALSE(CzytajParametry());
    EXPECT_TRUE(ModLabor().BazaRobot.isOpen()) << "later lines are still read";
    ASSERT_EQ(dialogs->calls().size(), 1u);
    EXPECT_TRUE(dialogs->last().text.startsWith(
        QStringLiteral("Nie można otworzyć bazy słowników „%1Stale.sqlite”. ").arg(folder)))
        << dialogs->last().text.toStdString();
    EXPECT_TRUE(dialogs->last().text.contains(paths::iniFile()));

    // Without a line for it the box names the missing key instead.
    resetModLabor();
    writeIni(QStringLiteral("ROBOT=%1\n").arg(data()));
    EXPECT_FALSE(CzytajParametry());
    ASSERT_EQ(dialogs->calls().size(), 2u);
    EXPECT_TRUE(dialogs->last().text.startsWith(
        QStringLiteral("Nie można otworzyć bazy słowników Stale.sqlite (brak wiersza STALE). ")))
        << dialogs->last().text.toStdString();
}

TEST_F(CzytajParametryTest, UnreachableDriveEndsTheProgram)
{
    writeIni(QStringLiteral("STALE=%1/Dane/\nROBOT=%2\n")
                 .arg(paths::networkFolder() + QStringLiteral("/brak"), data()));
    QDir(paths::networkFolder()).removeRecursively();
    EXPECT_FALSE(CzytajParametry());
    ASSERT_FALSE(dialogs->calls().empty());
    EXPECT_EQ(dialogs->calls().front().title, QStringLiteral("POŁĄCZENIE"));
    EXPECT_TRUE(dialogs->calls().front().text.startsWith(
        QStringLiteral("Brak połączenia z dyskiem (%1) na którym znajdują się bazy danych!\r")
            .arg(paths::networkFolder())));
    EXPECT_TRUE(quit->requested());
    EXPECT_FALSE(ModLabor().BazaRobot.isOpen()) << "no line after the failed check is read";
}

} // namespace
