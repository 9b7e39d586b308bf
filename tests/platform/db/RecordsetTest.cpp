#include "DbTestFixture.h"

#include "platform/db/JetError.h"

#include <QDateTime>

using namespace trelimor::db;
using trelimor::db::test::DbTest;
using trelimor::db::test::errorNumber;

namespace {

class RecordsetTest : public DbTest
{
protected:
    void SetUp() override
    {
        DbTest::SetUp();
        createSamples();
    }
};

TEST_F(RecordsetTest, EmptyRecordsetIsAtBothEnds)
{
    Recordset rs = db.openRecordset(QStringLiteral("SELECT * FROM Badanie"));
    EXPECT_TRUE(rs.isUpdatable());
    EXPECT_TRUE(rs.eof());
    EXPECT_TRUE(rs.bof());
    EXPECT_EQ(rs.recordCount(), 0);
    EXPECT_EQ(errorNumber([&] { rs.moveFirst(); }), jet::NoCurrentRecord);
    EXPECT_EQ(errorNumber([&] { rs.value(QStringLiteral("Partia")); }), jet::NoCurrentRecord);
}

TEST_F(RecordsetTest, AddNewAppendsAndKeepsPosition)
{
    addSample(1, 1, QStringLiteral("Nowak"));
    Recordset rs = db.openRecordset(QStringLiteral("SELECT * FROM Badanie"));
    ASSERT_EQ(rs.recordCount(), 1);
    rs.addNew();
    rs.setValue(QStringLiteral("partia"), 1); // field names are case-insensitive
    rs.setValue(QStringLiteral("NrProbki"), 2);
    rs.update();
    EXPECT_EQ(rs.recordCount(), 2);
    EXPECT_EQ(rs.value(QStringLiteral("NrProbki")).toInt(), 1) << "the record current before AddNew stays";
    rs.moveLast();
    EXPECT_EQ(rs.value(QStringLiteral("NrProbki")).toInt(), 2);
    EXPECT_EQ(rs.bookmark(), rs.lastModified());
}

TEST_F(RecordsetTest, NavigationFollowsDao)
{
    for (int i = 1; i <= 3; ++i)
        addSample(1, i, QStringLiteral("X"));
    Recordset rs = db.openRecordset(QStringLiteral("SELECT * FROM Badanie ORDER BY NrProbki DESC"));
    EXPECT_EQ(rs.value(QStringLiteral("NrProbki")).toInt(), 3);
    rs.moveNext();
    rs.moveNext();
    EXPECT_EQ(rs.value(QStringLiteral("NrProbki")).toInt(), 1);
    rs.moveNext();
    EXPECT_TRUE(rs.eof());
    EXPECT_FALSE(rs.bof());
    EXPECT_EQ(errorNumber([&] { rs.moveNext(); }), jet::NoCurrentRecord);
    rs.movePrevious();
    EXPECT_EQ(rs.value(QStringLiteral("NrProbki")).toInt(), 1);
    rs.moveFirst();
    rs.movePrevious();
    EXPECT_TRUE(rs.bof());
}

TEST_F(RecordsetTest, DeleteThenMoveNextAtTheLastRow)
{
    for (int i = 1; i <= 3; ++i)
        addSample(1, i, QStringLiteral("X"));
    Recordset rs = db.openRecordset(QStringLiteral("SELECT * FROM Badanie ORDER BY NrProbki"));
    rs.moveLast();
    rs.deleteRecord();
    EXPECT_FALSE(rs.eof()) << "the deleted record stays current until the next move";
    EXPECT_EQ(errorNumber([&] { rs.value(QStringLiteral("NrProbki")); }), jet::RecordDeleted);
    rs.moveNext();
    EXPECT_TRUE(rs.eof());
    EXPECT_EQ(rs.recordCount(), 2);
    rs.moveLast();
    EXPECT_EQ(rs.value(QStringLiteral("NrProbki")).toInt(), 2);
    EXPECT_EQ(db.scalar(QStringLiteral("SELECT count(*) FROM Badanie")).toInt(), 2);
}

TEST_F(RecordsetTest, DeleteInTheMiddleMovesToTheFollowingRecord)
{
    for (int i = 1; i <= 3; ++i)
        addSample(1, i, QStringLiteral("X"));
    Recordset rs = db.openRecordset(QStringLiteral("SELECT * FROM Badanie ORDER BY NrProbki"));
    rs.moveNext();
    rs.deleteRecord();
    rs.moveNext();
    EXPECT_EQ(rs.value(QStringLiteral("NrProbki")).toInt(), 3);
    rs.movePrevious();
    EXPECT_EQ(rs.value(QStringLiteral("NrProbki")).toInt(), 1);
}

TEST_F(RecordsetTest, DuplicateRowsAreEditedOneByOne)
{
    // The tables have no keys: two equal rows must stay two rows, each editable on its own.
    addSample(5, 1, QStringLiteral("Kowalski"));
    addSample(5, 1, QStringLiteral("Kowalski"));
    Recordset rs = db.openRecordset(QStringLiteral("SELECT * FROM Badanie"));
    rs.moveLast();
    rs.edit();
    rs.setValue(QStringLiteral("Nazwisko"), QStringLiteral("Nowak"));
    rs.update();
    EXPECT_EQ(db.scalar(QStringLiteral("SELECT count(*) FROM Badanie WHERE Nazwisko = 'Kowalski'")).toInt(),
              1);
    EXPECT_EQ(rs.value(QStringLiteral("Nazwisko")).toString(), QStringLiteral("Nowak"));
}

TEST_F(RecordsetTest, EditingRules)
{
    addSample(1, 1, QStringLiteral("X"));
    Recordset rs = db.openRecordset(QStringLiteral("SELECT * FROM Badanie"));
    EXPECT_EQ(errorNumber([&] { rs.setValue(QStringLiteral("Nazwisko"), QStringLiteral("Y")); }),
              jet::UpdateWithoutEdit);
    EXPECT_EQ(errorNumber([&] { rs.update(); }), jet::UpdateWithoutEdit);
    EXPECT_EQ(errorNumber([&] { rs.value(QStringLiteral("Brak")); }), jet::ItemNotFound);
    rs.edit();
    rs.setValue(QStringLiteral("Nazwisko"), QStringLiteral("Y"));
    EXPECT_EQ(rs.value(QStringLiteral("Nazwisko")).toString(), QStringLiteral("Y"))
        << "edit buffer is visible";
    rs.cancelUpdate();
    EXPECT_EQ(rs.value(QStringLiteral("Nazwisko")).toString(), QStringLiteral("X"));
    EXPECT_EQ(db.scalar(QStringLiteral("SELECT Nazwisko FROM Badanie")).toString(), QStringLiteral("X"));
}

TEST_F(RecordsetTest, NullAndEmptyTextSurviveARoundTrip)
{
    Recordset rs = db.openRecordset(QStringLiteral("SELECT * FROM Badanie"));
    rs.addNew();
    rs.setValue(QStringLiteral("Nazwisko"), QString().trimmed()); // what an empty box gives
    rs.setValue(QStringLiteral("NrKolczyka"), QVariant());
    rs.update();
    rs.requery();
    const QVariant empty = rs.value(QStringLiteral("Nazwisko"));
    const QVariant null = rs.value(QStringLiteral("NrKolczyka"));
    EXPECT_TRUE(empty.isValid());
    EXPECT_EQ(empty.toString(), QString(""));
    EXPECT_TRUE(isNull(null));
    EXPECT_TRUE(isNull(rs.value(QStringLiteral("Wiek"))));
    EXPECT_EQ(db.scalar(QStringLiteral("SELECT count(*) FROM Badanie WHERE NrKolczyka IS NULL")).toInt(), 1);
    EXPECT_EQ(db.scalar(QStringLiteral("SELECT count(*) FROM Badanie WHERE Nazwisko = ''")).toInt(), 1);
}

TEST_F(RecordsetTest, JetWriteRulesRefuseBadValuesAtAssignment)
{
    db.createTable(
        {QStringLiteral("T"),
         {Field::text(QStringLiteral("Kod"), 4), Field::of(QStringLiteral("Ilosc"), DataType::Integer),
          Field::of(QStringLiteral("Bajt"), DataType::Byte), Field::of(QStringLiteral("Nr"), DataType::Long),
          Field::of(QStringLiteral("Data"), DataType::Date),
          Field::of(QStringLiteral("Flaga"), DataType::Boolean)}});
    Recordset rs = db.openRecordset(QStringLiteral("SELECT * FROM T"));
    rs.addNew();
    EXPECT_EQ(errorNumber([&] { rs.setValue(QStringLiteral("Kod"), QStringLiteral("12345")); }),
              jet::FieldTooSmall);
    EXPECT_EQ(errorNumber([&] { rs.setValue(QStringLiteral("Kod"), QStringLiteral("ąęłó")); }), 0)
        << "sizes count characters, not bytes";
    EXPECT_EQ(errorNumber([&] { rs.setValue(QStringLiteral("Ilosc"), 40000); }), jet::NumericOverflow);
    EXPECT_EQ(errorNumber([&] { rs.setValue(QStringLiteral("Ilosc"), -32768); }), 0);
    EXPECT_EQ(errorNumber([&] { rs.setValue(QStringLiteral("Bajt"), 256); }), jet::NumericOverflow);
    EXPECT_EQ(errorNumber([&] { rs.setValue(QStringLiteral("Nr"), QStringLiteral("abc")); }),
              jet::ConversionError);
    EXPECT_EQ(errorNumber([&] { rs.setValue(QStringLiteral("Nr"), QStringLiteral("")); }),
              jet::ConversionError);
    EXPECT_EQ(errorNumber([&] { rs.setValue(QStringLiteral("Data"), QStringLiteral("31.02.2021")); }),
              jet::ConversionError);
    rs.setValue(QStringLiteral("Nr"), QStringLiteral(" 42 "));
    rs.setValue(QStringLiteral("Data"), QStringLiteral("15.03.2021"));
    rs.setValue(QStringLiteral("Flaga"), true);
    rs.update();
    rs.requery();
    EXPECT_EQ(rs.value(QStringLiteral("Kod")).toString(), QStringLiteral("ąęłó"));
    EXPECT_EQ(rs.value(QStringLiteral("Nr")).toInt(), 42);
    EXPECT_EQ(rs.value(QStringLiteral("Data")).toDate(), QDate(2021, 3, 15));
    EXPECT_EQ(rs.value(QStringLiteral("Flaga")).typeId(), QMetaType::Bool);
    EXPECT_TRUE(rs.value(QStringLiteral("Flaga")).toBool());
    EXPECT_EQ(db.scalar(QStringLiteral("SELECT Data FROM T")).toString(),
              QStringLiteral("2021-03-15 00:00:00"));
}

TEST_F(RecordsetTest, FindFirstAndNextWithBoundCriterion)
{
    addSample(1, 1, QStringLiteral("O'Brien"));
    addSample(1, 2, QStringLiteral("Nowak"));
    addSample(1, 3, QStringLiteral("o'brien"));
    Recordset rs = db.openRecordset(QStringLiteral("SELECT * FROM Badanie ORDER BY NrProbki"));
    EXPECT_TRUE(rs.findFirst(QStringLiteral("Nazwisko = ?"), {QStringLiteral("O'BRIEN")}));
    EXPECT_EQ(rs.value(QStringLiteral("NrProbki")).toInt(), 1);
    EXPECT_TRUE(rs.findNext(QStringLiteral("Nazwisko = ?"), {QStringLiteral("O'BRIEN")}));
    EXPECT_EQ(rs.value(QStringLiteral("NrProbki")).toInt(), 3);
    EXPECT_FALSE(rs.findNext(QStringLiteral("Nazwisko = ?"), {QStringLiteral("O'BRIEN")}));
    EXPECT_TRUE(rs.noMatch());
    EXPECT_EQ(rs.value(QStringLiteral("NrProbki")).toInt(), 3) << "no match leaves the position";
    EXPECT_TRUE(rs.findLast(QStringLiteral("NrProbki < ?"), {3}));
    EXPECT_EQ(rs.value(QStringLiteral("NrProbki")).toInt(), 2);
}

TEST_F(RecordsetTest, ReadOnlySnapshotOverAnyQuery)
{
    addSample(1, 1, QStringLiteral("A"));
    addSample(1, 2, QStringLiteral("B"));
    addSample(2, 1, QStringLiteral("C"));
    Recordset rs = db.openRecordset(
        QStringLiteral("SELECT Partia, count(*) AS Ile FROM Badanie GROUP BY Partia ORDER BY Partia"));
    EXPECT_FALSE(rs.isUpdatable());
    ASSERT_EQ(rs.recordCount(), 2);
    EXPECT_EQ(rs.value(QStringLiteral("Ile")).toInt(), 2);
    EXPECT_EQ(errorNumber([&] { rs.addNew(); }), jet::ReadOnly);
    EXPECT_TRUE(rs.findFirst(QStringLiteral("Ile = ?"), {1}));
    EXPECT_EQ(rs.value(QStringLiteral("Partia")).toInt(), 2);
}

TEST_F(RecordsetTest, BookmarksReturnToARecord)
{
    for (int i = 1; i <= 300; ++i) // more than one page of rows
        addSample(1, i, QStringLiteral("X"));
    Recordset rs = db.openRecordset(QStringLiteral("SELECT * FROM Badanie ORDER BY NrProbki"));
    rs.setAbsolutePosition(200);
    const auto mark = rs.bookmark();
    rs.moveFirst();
    rs.setBookmark(mark);
    EXPECT_EQ(rs.value(QStringLiteral("NrProbki")).toInt(), 201);
    int walked = 0;
    for (rs.moveFirst(); !rs.eof(); rs.moveNext())
        walked += rs.value(QStringLiteral("NrProbki")).toInt() > 0 ? 1 : 0;
    EXPECT_EQ(walked, 300);
}

TEST_F(RecordsetTest, ClosedDatabaseInvalidatesItsRecordsets)
{
    addSample(1, 1, QStringLiteral("X"));
    Recordset rs = db.openRecordset(QStringLiteral("SELECT * FROM Badanie"));
    db.close();
    EXPECT_EQ(errorNumber([&] { rs.edit(); }), jet::ObjectInvalid);
}

} // namespace
