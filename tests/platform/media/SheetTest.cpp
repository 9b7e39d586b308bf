#include "platform/sheet/Workbook.h"

#include "support/TestFiles.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace trelimor::sheet;

namespace {

const QString samplePath = QStringLiteral(TRELIMOR_TEST_DATA_DIR "/sheet_sample.xls");

QString openError(const QString& path)
{
    try {
        Workbook workbook(path);
    } catch (const SheetError& error) {
        return error.message();
    }
    return {};
}

} // namespace

TEST(Workbook, ReadsTheFirstSheetsCellsWithTheirTypes)
{
    const Workbook workbook(samplePath);
    EXPECT_EQ(workbook.rowCount(), 5);
    EXPECT_EQ(workbook.columnCount(), 8);

    EXPECT_EQ(workbook.cell(1, 1), QVariant(QStringLiteral("Protokół pobrania próbek")));
    EXPECT_EQ(workbook.cell(2, 1), QVariant(QStringLiteral("Zażółć gęślą jaźń ĄĘŁŃÓŚŹŻ")));
    EXPECT_EQ(workbook.cell(2, 2), QVariant::fromValue<qint64>(42));
    EXPECT_EQ(workbook.cell(2, 3), QVariant(12.5));
    EXPECT_EQ(workbook.cell(2, 4), QVariant(QDate(2022, 3, 31)));
    EXPECT_TRUE(workbook.cell(2, 5).isNull());
    EXPECT_EQ(workbook.cell(2, 7), QVariant(QDateTime(QDate(2022, 3, 31), QTime(14, 30))));
    EXPECT_EQ(workbook.cell(2, 8), QVariant(QTime(13, 30)));
    EXPECT_EQ(workbook.cell(3, 1), QVariant::fromValue<qint64>(7));
    EXPECT_EQ(workbook.cell(3, 3), QVariant(-0.25));
    EXPECT_EQ(workbook.cell(5, 1), QVariant(QStringLiteral("koniec")));

    // A date without a date format is a plain serial number.
    const QVariant serial = workbook.cell(2, 6);
    EXPECT_EQ(dateFromSerial(serial.toDouble()), QDate(2022, 3, 31));

    // Outside the used area, and before row or column 1, every cell is empty.
    EXPECT_TRUE(workbook.cell(4, 1).isNull());
    EXPECT_TRUE(workbook.cell(6, 1).isNull());
    EXPECT_TRUE(workbook.cell(1, 9).isNull());
    EXPECT_TRUE(workbook.cell(0, 1).isNull());
    EXPECT_TRUE(workbook.cell(500, 200).isNull());
}

TEST(Workbook, ASheetMadeOfCellsEndsAtItsLastValueAndHoldsNoImpossibleCell)
{
    const Workbook workbook(QStringLiteral("zrobiony.xls"),
                            {{1, 1, QStringLiteral("Protokół")},
                             {3, 2, QVariant::fromValue<qint64>(7)},
                             {2, 4, QDate(2022, 3, 31)},
                             {9, 9, QVariant()}, // an empty cell does not widen the sheet
                             {0, 1, 1.5},
                             {1, 0, 1.5},
                             {1, 70000, 1.5}});
    EXPECT_EQ(workbook.path(), QStringLiteral("zrobiony.xls"));
    EXPECT_EQ(workbook.rowCount(), 3);
    EXPECT_EQ(workbook.columnCount(), 4);
    EXPECT_EQ(workbook.cell(3, 2), QVariant::fromValue<qint64>(7));
    EXPECT_EQ(workbook.cellText(2, 4), QStringLiteral("31.03.2022"));
    EXPECT_TRUE(workbook.cell(1, 2).isNull());
    EXPECT_EQ(workbook.cell(1, 1), QVariant(QStringLiteral("Protokół")));
}

TEST(Workbook, CellTextIsWhatTheUserSees)
{
    const Workbook workbook(samplePath);
    EXPECT_EQ(workbook.cellText(2, 2), QStringLiteral("42"));
    EXPECT_EQ(workbook.cellText(2, 3), QStringLiteral("12.5"));
    EXPECT_EQ(workbook.cellText(2, 4), QStringLiteral("31.03.2022"));
    EXPECT_EQ(workbook.cellText(2, 5), QString());
    EXPECT_EQ(workbook.cellText(2, 7), QStringLiteral("31.03.2022 14:30"));
    EXPECT_EQ(workbook.cellText(2, 8), QStringLiteral("13:30"));
    EXPECT_EQ(workbook.cellText(3, 2), QStringLiteral("1234567"));
    EXPECT_EQ(workbook.cellText(3, 4), QStringLiteral("  odstęp  "));
}

TEST(Workbook, SerialNumbersCountDaysFromTheEndOf1899)
{
    EXPECT_EQ(dateFromSerial(0), QDate(1899, 12, 30));
    EXPECT_EQ(dateFromSerial(61), QDate(1900, 3, 1));
    EXPECT_EQ(dateFromSerial(44651.99), QDate(2022, 3, 31));
    EXPECT_EQ(dateTimeFromSerial(44651.5625), QDateTime(QDate(2022, 3, 31), QTime(13, 30)));
    // A fraction that rounds up to midnight belongs to the next day.
    EXPECT_EQ(dateTimeFromSerial(44651.999999999), QDateTime(QDate(2022, 4, 1), QTime(0, 0)));
}

TEST(Workbook, FilesThatAreNoWorkbookGiveAClearMessage)
{
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("brak.xls"));
    EXPECT_EQ(openError(missing), QStringLiteral("Nie można otworzyć pliku %1.").arg(missing));

    const QString text = dir.filePath(QStringLiteral("protokół.xls"));
    trelimor::test::writeFile(text, "Lp.\tNr kolczyka\n1\tPL000000000001\n");
    EXPECT_EQ(openError(text), QStringLiteral("Plik %1 nie jest skoroszytem programu Excel.").arg(text));

    // The start of a real workbook, cut off: still no workbook.
    const QString cut = dir.filePath(QStringLiteral("ucięty.xls"));
    trelimor::test::writeFile(cut, trelimor::test::readFile(samplePath).left(1024));
    EXPECT_EQ(openError(cut), QStringLiteral("Plik %1 nie jest skoroszytem programu Excel.").arg(cut));

    EXPECT_EQ(openError(dir.path()), QStringLiteral("Nie można otworzyć pliku %1.").arg(dir.path()));
}

TEST(Workbook, AWorkbookThatBreaksTheReaderIsRefusedAndReadingGoesOn)
{
    // Found by fuzzing: a damaged directory of the compound file makes the workbook library read
    // far past a buffer of its own. The file is refused; the program is not brought down with it.
    const QString broken = QStringLiteral(TRELIMOR_TEST_DATA_DIR "/xls_damaged_directory.xls");
    const QString error = openError(broken);
    EXPECT_TRUE(error == QStringLiteral("Plik %1 jest uszkodzony i nie może zostać odczytany.").arg(broken) ||
                error == QStringLiteral("Plik %1 nie jest skoroszytem programu Excel.").arg(broken))
        << error.toStdString();
    EXPECT_EQ(Workbook(samplePath).cell(5, 1), QVariant(QStringLiteral("koniec")));
}
