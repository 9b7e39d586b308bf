#include "support/YearGenerator.h"
#include "support/TempProgramFolder.h"
#include "support/YearShapes.h"

#include "platform/db/Statement.h"

#include <QCryptographicHash>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace trelimor::test {
namespace {

class YearGeneratorTest : public TempProgramFolder
{
protected:
    db::Database makeYear(const QString& name, const YearPlan& plan, GeneratedYear* made = nullptr)
    {
        db::Database year = createProgramYear(folders.path(name + u".sqlite"_s));
        const GeneratedYear counts = generateYear(year, plan);
        if (made)
            *made = counts;
        return year;
    }

    // Every value of every row of every table, with its storage class, in table and row order.
    static QByteArray digest(db::Database& year)
    {
        QCryptographicHash hash(QCryptographicHash::Sha256);
        for (const QString& table : year.tableNames()) {
            hash.addData(table.toUtf8());
            db::Statement rows(year.handle(),
                               u"SELECT * FROM %1 ORDER BY rowid"_s.arg(db::quoteIdentifier(table)));
            while (rows.step()) {
                for (int c = 0; c < rows.columnCount(); ++c) {
                    const QVariant value = rows.column(c);
                    hash.addData(QByteArray::number(value.isNull() ? -1 : value.typeId()) + ':' +
                                 value.toString().toUtf8() + '|');
                }
            }
        }
        return hash.result();
    }

    static qint64 count(db::Database& year, const QString& sql) { return year.scalar(sql).toLongLong(); }
};

TEST_F(YearGeneratorTest, TheSameSeedGivesTheSameYearAndAnotherSeedAnother)
{
    const YearPlan plan{.seed = 7, .batches = 30, .samples = 500, .serology = true};
    GeneratedYear made;
    db::Database first = makeYear(u"first"_s, plan, &made);
    db::Database again = makeYear(u"again"_s, plan);
    YearPlan otherSeed = plan;
    otherSeed.seed = 8;
    db::Database other = makeYear(u"other"_s, otherSeed);

    EXPECT_EQ(digest(first), digest(again));
    EXPECT_NE(digest(first), digest(other));

    // The counts it reports are what it wrote.
    EXPECT_EQ(made.batches, 30);
    EXPECT_EQ(made.samples, 500);
    EXPECT_EQ(count(first, u"SELECT count(*) FROM Partia"_s), 30);
    EXPECT_EQ(count(first, u"SELECT count(*) FROM Badanie"_s), 500);
    EXPECT_EQ(count(first, u"SELECT count(*) FROM PartiaG"_s), made.herdGroups);
    qint64 results = 0;
    for (const QString& table : serologyResultTables())
        results += count(first, u"SELECT count(*) FROM "_s + table);
    EXPECT_EQ(results, made.resultRows);
    EXPECT_GT(made.herdGroups, 0);
    EXPECT_GT(made.resultRows, 0);
}

TEST_F(YearGeneratorTest, AYearWithoutShapesKeepsTheProgramsTables)
{
    db::Database year = makeYear(u"plain"_s, {.batches = 3, .samples = 10, .statistics = false});

    EXPECT_EQ(year.tableNames(), (QStringList{u"Badanie"_s, u"Partia"_s}));
    EXPECT_FALSE(year.hasColumn(u"Badanie"_s, u"NrOgolny"_s));
    EXPECT_EQ(count(year, u"SELECT count(*) FROM Badanie WHERE Partia = 3"_s), 0); // the last batch is empty
    EXPECT_EQ(count(year, u"SELECT sum(IlProbek) FROM Partia"_s), 10);
}

TEST_F(YearGeneratorTest, EveryValueClassIsThereAndTheTablesHoldTogether)
{
    db::Database year = makeYear(u"year"_s, {.seed = 3, .batches = 40, .samples = 800, .serology = true});

    const auto samplesWhere = [&](const QString& condition) {
        return count(year, u"SELECT count(*) FROM Badanie WHERE "_s + condition);
    };
    const auto batchesWhere = [&](const QString& condition) {
        return count(year, u"SELECT count(*) FROM Partia WHERE "_s + condition);
    };
    // Compared byte for byte: the columns' own collation would fold the letter case.
    const auto exact = [](const QString& column, const QString& value) {
        return column + u" COLLATE BINARY = '"_s + value + u'\'';
    };

    for (const char* kind : {"N", "K",  "P",  "U",   "UF", "R",  "NNWOK", "NWOK", "BSEZ", "BSEP",
                             "Z", "PJ", "KJ", "CHJ", "UJ", "NJ", "",      " n ",  "uf",   "XYZ"})
        EXPECT_GT(samplesWhere(exact(u"RodzajUboju"_s, QString::fromLatin1(kind))), 0)
            << "kind '" << kind << "'";
    EXPECT_GT(samplesWhere(u"RodzajUboju IS NULL"_s), 0);

    for (const QString& species : {u"Bydło"_s, u"Owce"_s, u"Kozy"_s, u"Jeleniowate"_s, u"Inne"_s, u"Konie"_s,
                                   u"bydło"_s, u"OWCE"_s, u""_s})
        EXPECT_GT(samplesWhere(exact(u"Gatunek"_s, species)), 0) << species.toStdString();
    EXPECT_GT(samplesWhere(u"Gatunek IS NULL"_s), 0);
    EXPECT_GT(samplesWhere(u"Gatunek2 IS NOT NULL"_s), 0);

    for (const QString& result : {u"dodatni"_s, u"ujemny"_s, u"odstąpienie"_s, u"Ujemny"_s, u"DODATNI"_s,
                                  u"ODSTĄPIENIE"_s, u"ujemny "_s, u"w badaniu"_s, u""_s})
        EXPECT_GT(samplesWhere(exact(u"Wynik"_s, result)), 0) << result.toStdString();
    EXPECT_GT(samplesWhere(u"Wynik IS NULL"_s), 0);

    EXPECT_GT(samplesWhere(u"Wiek = 23.5"_s), 0);
    EXPECT_GT(samplesWhere(u"Wiek = 24.5"_s), 0);
    EXPECT_GT(samplesWhere(u"Wiek - CAST(Wiek AS INTEGER) = 0.5 AND Wiek NOT IN (23.5, 24.5)"_s), 0);
    EXPECT_GT(samplesWhere(u"Wiek = CAST(Wiek AS INTEGER) AND Wiek > 0"_s), 0);
    EXPECT_GT(samplesWhere(u"Wiek = 0"_s), 0);
    EXPECT_GT(samplesWhere(u"Wiek < 0"_s), 0);
    EXPECT_GT(samplesWhere(u"Wiek IS NULL"_s), 0);
    EXPECT_GT(samplesWhere(u"NrKolczyka LIKE 'DE*xxx'"_s), 0);
    EXPECT_EQ(count(year, u"SELECT count(DISTINCT NrKolczyka) FROM Badanie"_s), 800);

    // Establishments: several voivodeships, several counties of one, and the odd codes.
    EXPECT_GE(count(year, u"SELECT count(DISTINCT substr(trim(KodZakladu), 1, 2)) FROM Partia "
                          "WHERE length(trim(KodZakladu)) = 8"_s),
              4);
    EXPECT_GE(count(year, u"SELECT count(DISTINCT substr(KodZakladu, 1, 4)) FROM Partia "
                          "WHERE KodZakladu LIKE '14######'"_s),
              3);
    EXPECT_GT(batchesWhere(u"KodZakladu IS NULL"_s), 0);
    EXPECT_GT(batchesWhere(u"length(KodZakladu) = 3"_s), 0);
    EXPECT_GT(batchesWhere(u"KodZakladu <> trim(KodZakladu)"_s), 0);

    for (const QString& date :
         {u"DataUboju"_s, u"DataPobr"_s, u"DataWprow"_s, u"DataRozpBad"_s, u"DataWyniku"_s})
        EXPECT_GT(batchesWhere(date + u" IS NULL"_s), 0) << date.toStdString();
    EXPECT_GT(batchesWhere(u"DataUboju = '2022-01-01 00:00:00'"_s), 0);
    EXPECT_GT(batchesWhere(u"DataUboju = '2022-12-31 00:00:00'"_s), 0);
    EXPECT_GT(batchesWhere(u"NOT EXISTS (SELECT 1 FROM Badanie b WHERE b.Partia = Partia.Partia)"_s), 0);
    EXPECT_EQ(batchesWhere(u"IlProbek <> (SELECT count(*) FROM Badanie b WHERE b.Partia = Partia.Partia)"_s),
              0);

    // The statistics shape.
    EXPECT_GT(samplesWhere(u"NrOgolny IS NULL"_s), 0);
    EXPECT_GT(samplesWhere(u"NrOgolny IS NOT NULL"_s), 0);
    EXPECT_GT(samplesWhere(u"BadaniaPowtorzone IS NULL"_s), 0);
    EXPECT_GT(samplesWhere(u"BadaniaPowtorzone = 0"_s), 0);
    EXPECT_GT(samplesWhere(u"BadaniaPowtorzone > 0"_s), 0);
    EXPECT_GT(samplesWhere(u"Opis IS NOT NULL"_s), 0);

    // The serology shape: groups of one batch, flags and the result rows they call for.
    EXPECT_GT(batchesWhere(u"(SELECT count(*) FROM PartiaG g WHERE g.Partia = Partia.Partia) >= 2"_s), 0);
    EXPECT_EQ(samplesWhere(u"NOT EXISTS (SELECT 1 FROM PartiaG g WHERE g.PartiaG = Badanie.PartiaG "
                           "AND g.Partia = Badanie.Partia)"_s),
              0);
    EXPECT_GT(count(year, u"SELECT count(*) FROM PartiaG WHERE NRGOSPOD IS NULL"_s), 0);
    for (const QString& flag : {u"T"_s, u"N"_s, u""_s})
        EXPECT_GT(samplesWhere(exact(u"BadajNZK"_s, flag)), 0) << flag.toStdString();
    EXPECT_GT(samplesWhere(u"Ciaza = 1"_s), 0);
    EXPECT_GT(samplesWhere(u"Ciaza = 0"_s), 0);
    EXPECT_GT(samplesWhere(u"Ciaza IS NULL"_s), 0);
    for (const QString& table : serologyResultTables()) {
        const QString flag = u"Badaj"_s + (table == u"Br"_s ? u"BR"_s : table);
        EXPECT_EQ(count(year, u"SELECT count(*) FROM "_s + table), samplesWhere(flag + u" = 'T'"_s))
            << table.toStdString();
        EXPECT_EQ(count(year, u"SELECT count(*) FROM %1 r WHERE NOT EXISTS (SELECT 1 FROM Badanie b WHERE "
                              "b.PartiaG = r.Partia AND b.NrProbki = r.NrProbki AND b.%2 = 'T')"_s.arg(table,
                                                                                                       flag)),
                  0)
            << table.toStdString();
    }
    EXPECT_GT(count(year, u"SELECT count(*) FROM EBB WHERE WynikOgolny IS NULL OR WynikOgolny = ''"_s), 0);

    // Written past the engine's checks, every value must still be one the engine would store.
    for (const QString& table : year.tableNames()) {
        for (const db::Field& field : year.tableDef(table).fields) {
            const QString column = db::quoteIdentifier(field.name);
            QString misfit;
            if (field.type == db::DataType::Text)
                misfit = u"length(%1) > %2"_s.arg(column).arg(field.size);
            else if (field.type == db::DataType::Integer)
                misfit = u"%1 NOT BETWEEN -32768 AND 32767"_s.arg(column);
            else if (field.type == db::DataType::Boolean)
                misfit = u"%1 NOT IN (0, 1)"_s.arg(column);
            else if (field.type == db::DataType::Date)
                misfit = u"%1 NOT GLOB '[12][0-9][0-9][0-9]-[01][0-9]-[0-3][0-9] 00:00:00'"_s.arg(column);
            if (!misfit.isEmpty()) {
                EXPECT_EQ(count(year, u"SELECT count(*) FROM %1 WHERE %2"_s.arg(table, misfit)), 0)
                    << (table + u'.' + field.name).toStdString();
            }
        }
    }
}

} // namespace
} // namespace trelimor::test
