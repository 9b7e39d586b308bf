#include "BatchDocumentsFixture.h"

#include "common/ModLabor.h"
#include "documents/PrintPreparation.h"

#include "platform/db/Field.h"

#include <gtest/gtest.h>

using namespace trelimor;
using namespace trelimor::test;

namespace {

class ResultCountsTest : public BatchDocumentsFixture
{
protected:
    static db::Database& robot() { return ModLabor().BazaRobot; }
    static void addResult(const QString& table, int partia, int nr, const QVariant& wynik)
    {
        robot().execute(
            QStringLiteral("INSERT INTO %1 (Partia, NrProbki, WynikOgolny) VALUES (?, ?, ?)").arg(table),
            {partia, nr, wynik});
    }
};

TEST_F(ResultCountsTest, GroupCountsGoIntoEachGroupRow)
{
    robot().execute(QStringLiteral("INSERT INTO PartiaG (PartiaG) VALUES (1), (2)"));
    addResult(QStringLiteral("Br"), 1, 1, QStringLiteral(" dodatni"));
    addResult(QStringLiteral("Br"), 1, 2, QStringLiteral("ujemny"));
    addResult(QStringLiteral("Br"), 1, 3, QStringLiteral("wątpliwy"));
    addResult(QStringLiteral("Br"), 1, 4, QVariant());
    addResult(QStringLiteral("Br"), 2, 1, QStringLiteral("Dodatni")); // letter case counts
    ASSERT_TRUE(LiczDodUjem(QStringLiteral("Br"), QStringLiteral("WynikOgolny")));
    EXPECT_TRUE(dialogs->calls().empty());
    db::Recordset g = robot().openRecordset(QStringLiteral("SELECT * FROM PartiaG ORDER BY PartiaG"));
    EXPECT_EQ(g.value(QStringLiteral("Zbadano")).toInt(), 4);
    EXPECT_EQ(g.value(QStringLiteral("Dod")).toInt(), 1);
    EXPECT_EQ(g.value(QStringLiteral("Ujem")).toInt(), 1);
    EXPECT_EQ(g.value(QStringLiteral("DodUjem")).toInt(), 1);
    g.moveNext();
    EXPECT_EQ(g.value(QStringLiteral("Zbadano")).toInt(), 1);
    EXPECT_EQ(g.value(QStringLiteral("Dod")).toInt(), 0);
}

TEST_F(ResultCountsTest, ReportCountsGoIntoTheBatchRow)
{
    robot().execute(QStringLiteral("INSERT INTO Partia (Partia) VALUES (12)"));
    addResult(QStringLiteral("EBB"), 12, 1, QStringLiteral("dodatni"));
    addResult(QStringLiteral("EBB"), 12, 2, QStringLiteral("ujemny"));
    addResult(QStringLiteral("Br"), 12, 1, QStringLiteral("ujemny"));
    ASSERT_TRUE(SprawozdanieLiczDodUjem(QStringLiteral("EBB"), QStringLiteral("WynikOgolny")));
    ASSERT_TRUE(SprawozdanieLiczDodUjem(QStringLiteral("Br"), QStringLiteral("WynikOgolny")));
    EXPECT_EQ(workValue(QStringLiteral("Partia"), QStringLiteral("Zbadano")).toInt(), 2);
    EXPECT_EQ(workValue(QStringLiteral("Partia"), QStringLiteral("Dod")).toInt(), 1);
    EXPECT_EQ(workValue(QStringLiteral("Partia"), QStringLiteral("OgolemBr")).toInt(), 1);
    EXPECT_EQ(workValue(QStringLiteral("Partia"), QStringLiteral("UjemBr")).toInt(), 1);
}

TEST_F(ResultCountsTest, AMissingColumnIsReportedAndNothingIsWritten)
{
    robot().execute(QStringLiteral("INSERT INTO PartiaG (PartiaG) VALUES (1)"));
    EXPECT_FALSE(LiczDodUjem(QStringLiteral("Br"), QStringLiteral("Brak")));
    EXPECT_EQ(dialogs->last().title, QStringLiteral("DrukowanieBr"));
    EXPECT_TRUE(db::isNull(workValue(QStringLiteral("PartiaG"), QStringLiteral("Zbadano"))));
}

TEST_F(ResultCountsTest, GroupSamplesAreCopiedWithTheirCount)
{
    db::Database& rok = ModLabor().BazaRok;
    // The serology columns a yearly file made by this program does not have.
    for (const char* column : {"PartiaG", "Rasa", "Masc", "WiekTyp", "Ciaza", "KodKreskowy"})
        rok.addColumn(QStringLiteral("Badanie"), db::Field::text(QString::fromLatin1(column), 10));
    addBatch();
    addSample(1, {{QStringLiteral("PartiaG"), QStringLiteral("5")},
                  {QStringLiteral("Rasa"), QStringLiteral("HF")}});
    addSample(2, {{QStringLiteral("PartiaG"), QStringLiteral("5")}});
    ASSERT_TRUE(PrzedDrInne(QStringLiteral("Badanie"), QStringLiteral("Badanie"), QStringLiteral("PartiaG"),
                            QStringLiteral("5"), true, QString()))
        << (dialogs->calls().empty() ? std::string() : dialogs->last().text.toStdString());
    db::Recordset rs = robot().openRecordset(QStringLiteral("SELECT * FROM Badanie ORDER BY NrStado"));
    ASSERT_EQ(rs.recordCount(), 2);
    EXPECT_EQ(rs.value(QStringLiteral("Partia")).toInt(), 5) << "the group becomes the row's batch";
    EXPECT_EQ(rs.value(QStringLiteral("Rasa")).toString(), QStringLiteral("HF"));
    rs.moveNext();
    EXPECT_EQ(rs.value(QStringLiteral("NrStado")).toInt(), 2);
    EXPECT_EQ(rs.value(QStringLiteral("NrProbki")).toInt(), 2);
}

} // namespace
