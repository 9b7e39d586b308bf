#include "DbTestFixture.h"

#include "platform/db/JetError.h"
#include "platform/db/Maintenance.h"
#include "platform/db/PolishCollation.h"
#include "platform/db/Transaction.h"

#include <QDir>
#include <QFile>

using namespace trelimor::db;
using trelimor::db::test::DbTest;
using trelimor::db::test::errorNumber;

namespace {

QStringList column(Database& db, const QString& sql)
{
    QStringList values;
    for (Recordset rs = db.openRecordset(sql); !rs.eof(); rs.moveNext())
        values << rs.value(0).toString();
    return values;
}

TEST_F(DbTest, OpeningReportsJetErrors)
{
    EXPECT_EQ(errorNumber([&] { Database::open(path(QStringLiteral("brak.sqlite"))); }), jet::FileNotFound);
    EXPECT_EQ(errorNumber([&] { Database::open(path(QStringLiteral("nie/ma/folderu/x.sqlite"))); }),
              jet::InvalidPath);
    EXPECT_EQ(errorNumber([&] { Database::create(path(QStringLiteral("test.sqlite"))); }),
              jet::DatabaseExists);

    QFile text(path(QStringLiteral("tekst.sqlite")));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("To nie jest baza danych, tylko zwykły tekst.\n");
    text.close();
    EXPECT_EQ(errorNumber([&] { Database::open(text.fileName()); }), jet::UnrecognizedFormat);
}

TEST_F(DbTest, NameIsTheFullPath)
{
    EXPECT_EQ(db.name(), QDir::cleanPath(path(QStringLiteral("test.sqlite"))));
    EXPECT_TRUE(db.isOpen());
    Database copy = db;
    copy.close();
    EXPECT_FALSE(db.isOpen()) << "copies share one connection";
}

TEST_F(DbTest, UnknownTablesAndColumnsGiveJetNumbers)
{
    createSamples();
    EXPECT_EQ(errorNumber([&] { db.openRecordset(QStringLiteral("SELECT * FROM Brak")); }),
              jet::TableNotFound);
    EXPECT_EQ(errorNumber([&] { db.openRecordset(QStringLiteral("SELECT * FROM Badanie WHERE Brak = 0")); }),
              jet::TooFewParameters);
    EXPECT_EQ(errorNumber([&] { db.tableDef(QStringLiteral("Brak")); }), jet::TableNotFound);
    EXPECT_EQ(errorNumber([&] {
                  db.addColumn(QStringLiteral("Badanie"), Field::text(QStringLiteral("nrkolczyka"), 5));
              }),
              jet::FieldDefinedTwice);
    EXPECT_EQ(errorNumber([&] { db.dropColumn(QStringLiteral("Badanie"), QStringLiteral("TabelaTMP")); }),
              jet::NoSuchField);
}

TEST_F(DbTest, DeclaredTypesReadBack)
{
    createSamples();
    db.addColumn(QStringLiteral("Badanie"), Field::text(QStringLiteral("Gatunek2"), 30));
    const TableDef def = db.tableDef(QStringLiteral("Badanie"));
    ASSERT_EQ(def.fields.size(), 8);
    EXPECT_EQ(def.fields[0].type, DataType::Long);
    EXPECT_EQ(def.fields[1].type, DataType::Integer);
    EXPECT_EQ(def.fields[2].type, DataType::Text);
    EXPECT_EQ(def.fields[2].size, 16);
    EXPECT_EQ(def.fields[4].type, DataType::Single);
    EXPECT_EQ(def.fields[5].type, DataType::Date);
    EXPECT_EQ(def.fields[6].type, DataType::Memo);
    EXPECT_EQ(def.fields[7].name, QStringLiteral("Gatunek2"));
    EXPECT_TRUE(db.hasColumn(QStringLiteral("badanie"), QStringLiteral("GATUNEK2")));
}

TEST_F(DbTest, MemoKeepsLeadingZeros)
{
    createSamples();
    db.execute(QStringLiteral("INSERT INTO Badanie (Uwagi) VALUES (?)"), {QStringLiteral("0123")});
    Recordset rs = db.openRecordset(QStringLiteral("SELECT Uwagi FROM Badanie"));
    EXPECT_EQ(rs.value(0).toString(), QStringLiteral("0123"));
}

TEST_F(DbTest, EveryTextBindsAsATextAndOnlyAMissingValueAsNull)
{
    // A null QString is what an untouched box may give; it is a text all the same, in a
    // parameter and in a function's result alike. Only a QVariant without a value is NULL.
    EXPECT_EQ(
        db.scalar(QStringLiteral("SELECT quote(?) || quote(?) || quote(?) || quote(?) || quote(upper(?))"),
                  {QString(), QVariant(QString()), QString(QStringLiteral("")), QVariant(), QString()})
            .toString(),
        QStringLiteral("''''''NULL''"));
}

TEST_F(DbTest, PolishOrderAndCaseInsensitiveEquality)
{
    createSamples();
    for (const QString& name : {QStringLiteral("Marek"), QStringLiteral("Łukasz"), QStringLiteral("Lucyna"),
                                QStringLiteral("Żaneta"), QStringLiteral("Zenon"), QStringLiteral("Źdźbło"),
                                QStringLiteral("Adam"), QStringLiteral("Ćwik"), QStringLiteral("czesław")})
        addSample(1, 1, name);
    EXPECT_EQ(
        column(db, QStringLiteral("SELECT Nazwisko FROM Badanie ORDER BY Nazwisko")),
        (QStringList{"Adam", "czesław", "Ćwik", "Lucyna", "Łukasz", "Marek", "Zenon", "Źdźbło", "Żaneta"}));
    EXPECT_EQ(db.scalar(QStringLiteral("SELECT count(*) FROM Badanie WHERE Nazwisko = ?"),
                        {QStringLiteral("ŁUKASZ")})
                  .toInt(),
              1);
    EXPECT_EQ(db.scalar(QStringLiteral("SELECT count(*) FROM Badanie WHERE Nazwisko = ?"),
                        {QStringLiteral("Lukasz")})
                  .toInt(),
              0)
        << "ł is a letter of its own";
}

TEST_F(DbTest, JetLikeWildcardsFoldPolishCase)
{
    createSamples();
    for (const QString& name : {QStringLiteral("ŁÓDŹ"), QStringLiteral("Łukasik"),
                                QStringLiteral("Kołodziej"), QStringLiteral("Mikos"), QStringLiteral("A1B")})
        addSample(1, 1, name);
    auto count = [&](const QString& pattern) {
        return db.scalar(QStringLiteral("SELECT count(*) FROM Badanie WHERE Nazwisko LIKE ?"), {pattern})
            .toInt();
    };
    EXPECT_EQ(count(QStringLiteral("łódź")), 1);
    EXPECT_EQ(count(QStringLiteral("ł*")), 2);
    EXPECT_EQ(count(QStringLiteral("*o*")), 2) << "ó is not o";
    EXPECT_EQ(count(QStringLiteral("ko*")), 1);
    EXPECT_EQ(count(QStringLiteral("A#B")), 1);
    EXPECT_EQ(count(QStringLiteral("A?B")), 1);
    EXPECT_EQ(count(QStringLiteral("[km]*")), 2);
    EXPECT_EQ(count(QStringLiteral("[!km]*")), 3);
    EXPECT_TRUE(jetLike(u"*z", u"ŻÓŁW Z"));
    EXPECT_FALSE(jetLike(u"#", u"x"));
    EXPECT_EQ(db.scalar(QStringLiteral("SELECT upper(?)"), {QStringLiteral("żółć")}).toString(),
              QStringLiteral("ŻÓŁĆ"));
}

TEST_F(DbTest, RetypeKeepsEveryRowInOrder)
{
    createSamples();
    for (int i = 1; i <= 50; ++i)
        addSample(i, i % 7, QStringLiteral("Nazwisko %1").arg(i));
    db.execute(QStringLiteral("DELETE FROM Badanie WHERE Partia = 10")); // a gap in the rowids
    db.retypeColumn(QStringLiteral("Badanie"), Field::text(QStringLiteral("Nazwisko"), 13));
    const TableDef def = db.tableDef(QStringLiteral("Badanie"));
    EXPECT_EQ(def.fields[3].size, 13);
    EXPECT_EQ(def.fields.size(), 7);
    const QStringList partie = column(db, QStringLiteral("SELECT Partia FROM Badanie"));
    ASSERT_EQ(partie.size(), 49);
    EXPECT_EQ(partie.first(), QStringLiteral("1"));
    EXPECT_EQ(partie.last(), QStringLiteral("50"));
    EXPECT_EQ(db.scalar(QStringLiteral("SELECT Nazwisko FROM Badanie WHERE Partia = 50")).toString(),
              QStringLiteral("Nazwisko 50"));
}

TEST_F(DbTest, FailedRetypeLeavesTheTableAsItWas)
{
    createSamples();
    addSample(1, 1, QStringLiteral("Krótkie"));
    addSample(2, 2, QStringLiteral("Znacznie dłuższe nazwisko"));
    EXPECT_EQ(errorNumber([&] {
                  db.retypeColumn(QStringLiteral("Badanie"), Field::text(QStringLiteral("Nazwisko"), 10));
              }),
              jet::FieldTooSmall);
    EXPECT_EQ(db.tableDef(QStringLiteral("Badanie")).fields[3].size, 30);
    EXPECT_EQ(db.scalar(QStringLiteral("SELECT count(*) FROM Badanie")).toInt(), 2);
    EXPECT_FALSE(db.hasTable(QStringLiteral("Badanie__rebuild")));
    EXPECT_FALSE(db.inTransaction());
}

TEST_F(DbTest, RetypeTextToSingleConvertsNumbers)
{
    db.createTable({QStringLiteral("T"), {Field::text(QStringLiteral("Wiek"), 10)}});
    db.execute(QStringLiteral("INSERT INTO T VALUES ('12,5'), ('3'), (NULL)"));
    db.retypeColumn(QStringLiteral("T"), Field::of(QStringLiteral("Wiek"), DataType::Single));
    EXPECT_EQ(column(db, QStringLiteral("SELECT Wiek FROM T")), (QStringList{"12.5", "3", ""}));
}

TEST_F(DbTest, TransactionRollsBackUnlessCommitted)
{
    createSamples();
    {
        Transaction t(db, Transaction::Mode::Immediate);
        addSample(1, 1, QStringLiteral("A"));
        {
            Transaction inner(db);
            addSample(1, 2, QStringLiteral("B"));
        } // the inner one rolls back alone
        t.commit();
    }
    EXPECT_EQ(column(db, QStringLiteral("SELECT Nazwisko FROM Badanie")), QStringList{"A"});
    {
        Transaction t(db);
        addSample(1, 3, QStringLiteral("C"));
    }
    EXPECT_EQ(db.scalar(QStringLiteral("SELECT count(*) FROM Badanie")).toInt(), 1);
}

TEST_F(DbTest, CompactedCopyPassesTheIntegrityCheck)
{
    createSamples();
    for (int i = 1; i <= 20; ++i)
        addSample(1, i, QStringLiteral("Próbka"));
    const QString copy = path(QStringLiteral("kopia.sqlite"));
    compactDatabase(db, copy);
    QString problem;
    EXPECT_TRUE(verifyDatabaseFile(copy, &problem)) << problem.toStdString();
    Database reopened = Database::open(copy);
    EXPECT_EQ(reopened.scalar(QStringLiteral("SELECT count(*) FROM Badanie")).toInt(), 20);
    reopened.close();
    EXPECT_EQ(errorNumber([&] { compactDatabase(db, copy); }), jet::DatabaseExists);
    EXPECT_FALSE(verifyDatabaseFile(path(QStringLiteral("brak.sqlite")), &problem));
    EXPECT_FALSE(problem.isEmpty());
}

TEST_F(DbTest, FileIsReleasedOnClose)
{
    createSamples();
    Recordset rs = db.openRecordset(QStringLiteral("SELECT * FROM Badanie"));
    rs.addNew();
    rs.update();
    db.close();
    // A file that stays open would keep its journal or lock; replacing it must work at once.
    EXPECT_TRUE(QFile::remove(path(QStringLiteral("test.sqlite"))));
    db = Database::create(path(QStringLiteral("test.sqlite")));
    EXPECT_TRUE(db.tableNames().isEmpty());
}

} // namespace
