#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>

namespace trelimor::test {

// An Excel 97-2003 workbook written byte by byte: one sheet of shared strings and whole numbers
// in a compound file, as the workbook library reads it. For the workbooks a test needs that no
// spreadsheet program would save, such as one string shown in tens of thousands of cells.
// Cells are added in the order they lie in the sheet, row by row; rows and columns count from 1.
class XlsBuilder
{
public:
    // Adds a string to the workbook's table of shared strings and gives its index.
    uint32_t addString(const QString& text);
    // A cell showing the shared string of the index.
    void setString(int row, int column, uint32_t index);
    // `count` cells from `column` on holding the same whole number, in one record as a
    // spreadsheet program packs a run of numbers (so that a small file holds a great many cells).
    void setNumbers(int row, int column, int count, int value);

    QByteArray bytes() const;
    // Writes the workbook; fails the test when it cannot.
    void save(const QString& path) const;

private:
    void cellPlace(int row, int column);

    QByteArray m_strings; // the table's strings, each whole
    QByteArray m_cells;   // the sheet's cell records
    uint32_t m_stringCount = 0;
    uint32_t m_references = 0;
    int m_rows = 0;
    int m_columns = 0;
};

// A workbook whose first column shows one shared string in each of `rows` rows.
XlsBuilder sameStringInRows(const QString& text, int rows);

} // namespace trelimor::test
