#include "InstallFixture.h"

#include "common/Password.h"
#include "install/SeedData.h"

#include <sodium.h>

using namespace trelimor::install;
using trelimor::db::Database;
using trelimor::db::Recordset;
using trelimor::install::test::InstallTest;

namespace {

bool verifies(const QString& hash, const QString& scrambled)
{
    const QByteArray h = hash.toLatin1();
    const QByteArray p = scrambled.toUtf8();
    return crypto_pwhash_str_verify(h.constData(), p.constData(), quint64(p.size())) == 0;
}

TEST_F(InstallTest, TheBuiltInAdministratorLogsInWithTheFirstPassword)
{
    ASSERT_GE(sodium_init(), 0);
    Database stale = Database::open(install().dictionaryFile);
    Recordset rs = stale.openRecordset(QStringLiteral("SELECT * FROM OPERATORZY"));
    ASSERT_EQ(rs.recordCount(), 1);
    EXPECT_EQ(rs.value(QStringLiteral("OP_NUMER")).toString(), QStringLiteral("001"));
    EXPECT_EQ(rs.value(QStringLiteral("OP_NAZWISKO")).toString(), QStringLiteral("Administrator systemu"));
    EXPECT_EQ(rs.value(QStringLiteral("OP_KLUCZ")).toString(), QStringLiteral("ADMINISTRATOR SYSTEMU"));
    EXPECT_EQ(rs.value(QStringLiteral("OP_RODZAJ")).toString().trimmed().toUpper(),
              QStringLiteral("ADMINISTRATOR"));
    EXPECT_EQ(rs.value(QStringLiteral("OP_LOGIN")).toString(), QStringLiteral("admin"));

    const QString hash = rs.value(QStringLiteral("OP_HASLO")).toString();
    EXPECT_TRUE(hash.startsWith(QStringLiteral("$argon2id$"))) << hash.toStdString();
    EXPECT_TRUE(verifies(hash, trelimor::KodujHaslo(QStringLiteral("admin"))));
    EXPECT_FALSE(verifies(hash, trelimor::KodujHaslo(QStringLiteral("admin1"))));
    EXPECT_TRUE(trelimor::sprawdzHaslo(QStringLiteral("ADMIN"), hash).zgodne) << "typed in any case";
    EXPECT_FALSE(verifies(hash, QStringLiteral("admin"))) << "the plain password is never what is hashed";
}

TEST_F(InstallTest, TheDefaultPlanProcedureAndSpeciesAreShipped)
{
    Database stale = Database::open(install().dictionaryFile);
    for (const QString& table : {QStringLiteral("PlanPobierania"), QStringLiteral("ProceduraPobierania")}) {
        Recordset rs = stale.openRecordset(QStringLiteral("SELECT * FROM %1").arg(table));
        ASSERT_EQ(rs.recordCount(), 1) << table.toStdString();
        EXPECT_EQ(rs.value(QStringLiteral("ID")).toInt(), 1);
        EXPECT_EQ(rs.value(QStringLiteral("Nazwa")).toString(), QStringLiteral("Obszar regulowany prawnie"));
        EXPECT_EQ(rs.value(QStringLiteral("Domyslny")).toString(), QStringLiteral("T"));
        EXPECT_TRUE(trelimor::db::isNull(rs.value(QStringLiteral("Domyslny2"))));
        // How the program finds the default entry.
        EXPECT_EQ(
            stale.scalar(QStringLiteral("SELECT Nazwa FROM %1 WHERE Domyslny = 'T'").arg(table)).toString(),
            QStringLiteral("Obszar regulowany prawnie"));
    }
    // The spellings the batch window, the printouts and the summaries compare with.
    EXPECT_EQ(column(stale, QStringLiteral("SELECT NazGatunek FROM Gatunek ORDER BY IDGatunek")),
              QStringList({QStringLiteral("Bydło"), QStringLiteral("Owce"), QStringLiteral("Kozy"),
                           QStringLiteral("Jeleniowate")}));
    EXPECT_EQ(
        column(stale, QStringLiteral("SELECT IDGatunek FROM Gatunek ORDER BY IDGatunek")),
        QStringList({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4")}));
}

TEST_F(InstallTest, TheSingleRowTablesHoldTheirOneRow)
{
    const Installation made = install();
    Database stale = Database::open(made.dictionaryFile);
    EXPECT_EQ(stale.scalar(QStringLiteral("SELECT COUNT(*) FROM PODATNIK")).toInt(), 1);
    EXPECT_EQ(stale.scalar(QStringLiteral("SELECT PodpisLewy FROM PODATNIK")).toString(),
              QStringLiteral("osoba autoryzująca badanie"));
    EXPECT_TRUE(trelimor::db::isNull(stale.scalar(QStringLiteral("SELECT KodPIW FROM PODATNIK"))));
    EXPECT_EQ(column(stale, QStringLiteral("SELECT IDNORMY FROM NORMY")), QStringList{QStringLiteral("PCA")});

    // The options window stores a value only where its key's row exists.
    EXPECT_EQ(
        column(stale, QStringLiteral("SELECT KLUCZ FROM PARAMETRY ORDER BY KLUCZ")),
        QStringList({QStringLiteral("DrukBrKom"), QStringLiteral("ExpWynWatp"), QStringLiteral("MoveFile"),
                     QStringLiteral("NadzorBad"), QStringLiteral("NrZlecRok")}));
    for (Recordset rs = stale.openRecordset(QStringLiteral("SELECT * FROM PARAMETRY")); !rs.eof();
         rs.moveNext()) {
        const QString key = rs.value(QStringLiteral("KLUCZ")).toString();
        EXPECT_EQ(rs.value(QStringLiteral("PARAM3")), QVariant(false)) << key.toStdString();
        // "MoveFile" keeps its folder in the comment, so that starts empty.
        EXPECT_EQ(rs.value(QStringLiteral("KOMENT")).toString().isEmpty(), key == u"MoveFile")
            << key.toStdString();
    }

    Database robot = Database::open(made.reportWorkFile);
    EXPECT_EQ(robot.scalar(QStringLiteral("SELECT COUNT(*) FROM OGOLNE")).toInt(), 1);
    for (const QString& table : robot.tableNames()) {
        if (table.compare(QStringLiteral("OGOLNE"), Qt::CaseInsensitive) != 0) {
            EXPECT_EQ(robot.scalar(QStringLiteral("SELECT COUNT(*) FROM \"%1\"").arg(table)).toInt(), 0)
                << table.toStdString();
        }
    }
}

} // namespace
