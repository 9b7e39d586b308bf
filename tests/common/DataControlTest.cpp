#include "common/DataControl.h"
#include "common/DataGrid.h"
#include "common/MaskedEdit.h"

#include "platform/db/Database.h"
#include "platform/db/Recordset.h"

#include <QHeaderView>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace trelimor;

namespace {

class DataControlTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        database = db::Database::create(dir.filePath(QStringLiteral("t.sqlite")));
        database.createTable(
            {QStringLiteral("T"),
             {db::Field::text(QStringLiteral("Kod"), 8), db::Field::text(QStringLiteral("Nazwa"), 20)}});
        for (const char* name : {"c", "a", "b"})
            database.execute(QStringLiteral("INSERT INTO T VALUES (?, ?)"),
                             {QString::fromLatin1(name).toUpper(), QString::fromLatin1(name)});
        grid.bind(&data, {{QStringLiteral("Nazwa"), QStringLiteral("NAZWA")},
                          {QStringLiteral("Brak"), QStringLiteral("Brak")}});
    }
    void TearDown() override
    {
        data.setRecordset({});
        database.close();
    }

    QTemporaryDir dir;
    db::Database database;
    DataControl data;
    DataGrid grid;
};

TEST_F(DataControlTest, TheGridAndTheRecordsetKeepTheSameCurrentRow)
{
    EXPECT_EQ(grid.model()->rowCount(), 0);
    data.bind(database, QStringLiteral("SELECT * FROM T ORDER BY Nazwa"));
    ASSERT_EQ(grid.model()->rowCount(), 3);
    EXPECT_EQ(grid.model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Nazwa"));
    EXPECT_EQ(grid.model()->index(2, 0).data().toString(), QStringLiteral("c"));
    EXPECT_FALSE(grid.model()->index(2, 1).data().isValid()); // a field the rows lack shows nothing
    EXPECT_EQ(grid.currentIndex().row(), 0);

    grid.setCurrentIndex(grid.model()->index(2, 0));
    EXPECT_EQ(data.recordset().value(QStringLiteral("Kod")), QStringLiteral("C"));

    ASSERT_TRUE(data.recordset().findFirst(QStringLiteral("Kod = ?"), {QStringLiteral("B")}));
    data.currentChanged();
    EXPECT_EQ(grid.currentIndex().row(), 1);

    // A row added through the recordset shows once the control is told; a refresh keeps it current.
    data.recordset().addNew();
    data.recordset().setValue(QStringLiteral("Nazwa"), QStringLiteral("0"));
    data.recordset().update();
    const db::Recordset::Bookmark added = data.recordset().lastModified();
    data.refreshAt(added);
    EXPECT_EQ(grid.currentIndex().row(), 0);
    EXPECT_EQ(data.currentRow(), 0);
    EXPECT_EQ(grid.recordsetModel()->rowidAt(0), added);
}

TEST_F(DataControlTest, ColumnsFitTheirHeadersThenTheirFirstRowsOnce)
{
    DataGrid wide;
    const QString header = QStringLiteral("WOJEWÓDZTWO POCHODZENIA");
    wide.bind(&data, {{header, QStringLiteral("Nazwa")}});
    const int headerWidth = wide.horizontalHeader()->fontMetrics().horizontalAdvance(header);
    EXPECT_GE(wide.columnWidth(0), headerWidth) << "an empty grid shows its whole header";

    database.execute(QStringLiteral("UPDATE T SET Nazwa = ? WHERE Kod = 'A'"),
                     {QStringLiteral("Zakład Utylizacyjny Przedsiębiorstwa Rolno-Spożywczego w Łowiczu")});
    data.bind(database, QStringLiteral("SELECT * FROM T ORDER BY Kod"));
    const int fitted = wide.columnWidth(0);
    EXPECT_GT(fitted, headerWidth) << "the first rows fit the column";
    database.execute(QStringLiteral("UPDATE T SET Nazwa = ? WHERE Kod = 'A'"), {QStringLiteral("a")});
    data.refresh();
    EXPECT_EQ(wide.columnWidth(0), fitted) << "a reload keeps the widths";
}

TEST(MaskedEdit, ShowsPromptsUntilDigitsAreTyped)
{
    MaskedEdit box;
    box.setPlainMaxLength(8);
    box.clearWithMask(QStringLiteral("##-###"));
    EXPECT_EQ(box.maskedText(), QStringLiteral("__-___"));
    QTest::keyClicks(&box, QStringLiteral("12a3"));
    EXPECT_EQ(box.maskedText(), QStringLiteral("12-3__"));
    QTest::keyClicks(&box, QStringLiteral("45"));
    EXPECT_EQ(box.maskedText(), QStringLiteral("12-345"));

    // Without the mask it is a plain box again, with its own limit.
    box.showUnmasked(QStringLiteral("123456789"));
    EXPECT_EQ(box.maskedText(), QStringLiteral("12345678"));
    box.setMask(QStringLiteral("########"));
    EXPECT_EQ(box.maskedText(), QStringLiteral("12345678"));
}

} // namespace
