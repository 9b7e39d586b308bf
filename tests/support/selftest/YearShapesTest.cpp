#include "support/YearShapes.h"
#include "support/TempProgramFolder.h"

#include "platform/db/Recordset.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

#include <map>

using namespace Qt::StringLiterals;

namespace trelimor::test {
namespace {

class YearShapesTest : public TempProgramFolder
{
protected:
    void SetUp() override { year = createProgramYear(folders.path(u"Trelimor1465PIW2022.sqlite"_s)); }

    // "name TYPE" of every column of a table, as its definition in the file declares it.
    QStringList definitions(const QString& table)
    {
        const QString sql =
            year.scalar(u"SELECT sql FROM sqlite_master WHERE type = 'table' AND name = ?"_s, {table})
                .toString();
        QStringList list;
        db::Recordset rs = year.openRecordset(u"SELECT name FROM pragma_table_info(?)"_s, {table});
        for (; !rs.eof(); rs.moveNext()) {
            const QString name = rs.value(0).toString();
            // After the opening bracket or a comma: a column may share its table's name.
            const QRegularExpression definition(uR"((?:\(|, ))"_s +
                                                QRegularExpression::escape(u'"' + name + u"\" "_s) +
                                                uR"((.*?)(?:, "|\)$))"_s);
            list << name + u' ' + definition.match(sql).captured(1);
        }
        return list;
    }
    std::string declared(const QString& table) { return joined(definitions(table)); }
    // The columns that come after the program's own, last, in their order.
    std::string added(const QString& table, qsizetype programColumns)
    {
        return joined(definitions(table).mid(programColumns));
    }
    static std::string joined(const QStringList& list) { return list.join(u", "_s).toStdString(); }
    QStringList schema()
    {
        QStringList sql;
        db::Recordset rs = year.openRecordset(u"SELECT sql FROM sqlite_master ORDER BY name"_s);
        for (; !rs.eof(); rs.moveNext())
            sql << rs.value(0).toString();
        return sql;
    }

    db::Database year;
    const qsizetype partiaColumns = 34; // 32 made at creation, the sampling plan and procedure
    const qsizetype badanieColumns = 30;
};

TEST_F(YearShapesTest, StatisticsShapeAddsTheThreeSampleColumns)
{
    ASSERT_EQ(definitions(u"Partia"_s).size(), partiaColumns);
    ASSERT_EQ(definitions(u"Badanie"_s).size(), badanieColumns);
    const QStringList before = schema();

    applyStatisticsShape(year);

    EXPECT_EQ(
        added(u"Badanie"_s, badanieColumns),
        joined({u"NrOgolny INTEGER"_s, u"BadaniaPowtorzone SMALLINT"_s, u"Opis VARCHAR(255) COLLATE PL"_s}));
    EXPECT_EQ(added(u"Partia"_s, partiaColumns), "");
    EXPECT_EQ(schema().size(), before.size()); // no table of its own
}

TEST_F(YearShapesTest, SerologyShapeGivesEveryTableAndColumnTheExportWrites)
{
    applySerologyShape(year);

    const QString text1 = u"VARCHAR(1) COLLATE PL"_s;
    EXPECT_EQ(added(u"Partia"_s, partiaColumns),
              joined({u"Oznaczenie VARCHAR(20) COLLATE PL"_s, u"Platnosc VARCHAR(50) COLLATE PL"_s,
                      u"Lecznica VARCHAR(100) COLLATE PL"_s, u"Lekarz VARCHAR(50) COLLATE PL"_s,
                      u"KODKRAJ VARCHAR(10) COLLATE PL"_s, u"NazTkanka VARCHAR(50) COLLATE PL"_s,
                      u"DataDoLab DATETIME"_s, u"DataZakBad DATETIME"_s, u"NaUzdrowieniu BOOLEAN"_s,
                      u"Czystopis BOOLEAN"_s, u"TNWyslane BOOLEAN"_s, u"Badal VARCHAR(50) COLLATE PL"_s}));
    EXPECT_EQ(
        added(u"Badanie"_s, badanieColumns),
        joined({u"PartiaG INTEGER"_s, u"NrStado SMALLINT"_s, u"Rasa VARCHAR(12) COLLATE PL"_s,
                u"Masc VARCHAR(21) COLLATE PL"_s, u"WiekTyp VARCHAR(10) COLLATE PL"_s, u"Ciaza BOOLEAN"_s,
                u"BadajEBB "_s + text1, u"BadajBR "_s + text1, u"BadajNZK "_s + text1, u"BadajZSt "_s + text1,
                u"BadajNos "_s + text1, u"BadajQ "_s + text1, u"BadajIBRIPV "_s + text1,
                u"BadajPar "_s + text1, u"BadajBrOK "_s + text1, u"Niebadaj BOOLEAN"_s}));
    EXPECT_EQ(declared(u"PartiaG"_s),
              joined({u"PartiaG INTEGER"_s, u"Partia INTEGER"_s, u"NRGOSPOD VARCHAR(13) COLLATE PL"_s,
                      u"Wlasciciel VARCHAR(50) COLLATE PL"_s, u"MIEJSCOWOSCPOBR VARCHAR(50) COLLATE PL"_s,
                      u"NrPosesja VARCHAR(30) COLLATE PL"_s, u"Uwagi LONGTEXT COLLATE PL"_s}));

    // The result tables: the sample's group and number, then the results as text.
    const std::map<QString, QStringList> results = {
        {u"EBB"_s, {u"Elisa"_s, u"ID"_s, u"WynikOgolny"_s}},
        {u"Br"_s,
         {u"OKAP"_s, u"OAmiano"_s, u"OAIU"_s, u"Elisa"_s, u"OWDmiano"_s, u"OWDmjpwd"_s, u"WynikOgolny"_s}},
        {u"NZK"_s, {u"Wynik"_s}},
        {u"ZSt"_s, {u"OWDmiano"_s, u"Wynik"_s}},
        {u"Nos"_s, {u"OWDmiano"_s, u"Wynik"_s}},
        {u"Q"_s, {u"OWDmiano"_s, u"Wynik"_s}},
        {u"IBRIPV"_s, {u"Wynik"_s}},
        {u"Par"_s, {u"Wynik"_s}},
        {u"BrOK"_s, {u"OKAP"_s, u"OWDmiano"_s, u"OWDmjpwd"_s, u"WynikOgolny"_s}},
    };
    EXPECT_EQ(joined(serologyResultTables()), joined({u"EBB"_s, u"Br"_s, u"NZK"_s, u"ZSt"_s, u"Nos"_s, u"Q"_s,
                                                      u"IBRIPV"_s, u"Par"_s, u"BrOK"_s}));
    for (const auto& [table, columns] : results) {
        QStringList expected{u"Partia INTEGER"_s, u"NrProbki SMALLINT"_s};
        for (const QString& column : columns)
            expected << column + u" VARCHAR(20) COLLATE PL"_s;
        EXPECT_EQ(declared(table), joined(expected)) << table.toStdString();
    }
    // The engine reads the types back: a yes/no column and a date come out as such.
    EXPECT_EQ(year.tableDef(u"Badanie"_s).fields.last().type, db::DataType::Boolean);
    EXPECT_EQ(year.tableDef(u"Partia"_s).fields.at(partiaColumns + 6).type, db::DataType::Date);
}

TEST_F(YearShapesTest, ApplyingAShapeAgainOrOverPartOfItKeepsRowsAndChangesNothingElse)
{
    // A file that already holds part of the shape: a result table short of columns, with a row.
    year.createTable(
        {u"EBB"_s,
         {db::Field::of(u"Partia"_s, db::DataType::Long), db::Field::of(u"NrProbki"_s, db::DataType::Integer),
          db::Field::text(u"WynikOgolny"_s, 10)}});
    year.execute(u"INSERT INTO EBB (Partia, NrProbki, WynikOgolny) VALUES (4, 2, 'ujemny')"_s);

    applySerologyShape(year);
    applyStatisticsShape(year);
    year.execute(u"INSERT INTO Badanie (Partia, NrProbki, NrOgolny, Ciaza) VALUES (1, 1, 77, 1)"_s);
    const QStringList once = schema();

    applySerologyShape(year);
    applyStatisticsShape(year);

    EXPECT_EQ(schema(), once);
    // The columns already there keep their type; the missing ones come after them.
    EXPECT_EQ(declared(u"EBB"_s),
              joined({u"Partia INTEGER"_s, u"NrProbki SMALLINT"_s, u"WynikOgolny VARCHAR(10) COLLATE PL"_s,
                      u"Elisa VARCHAR(20) COLLATE PL"_s, u"ID VARCHAR(20) COLLATE PL"_s}));
    EXPECT_EQ(year.scalar(u"SELECT Partia || '/' || NrProbki || '/' || WynikOgolny FROM EBB"_s).toString(),
              u"4/2/ujemny"_s);
    EXPECT_EQ(year.scalar(u"SELECT NrOgolny || '/' || Ciaza FROM Badanie"_s).toString(), u"77/1"_s);
}

} // namespace
} // namespace trelimor::test
