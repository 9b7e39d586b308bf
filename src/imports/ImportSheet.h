#pragma once

#include "platform/sheet/Workbook.h"

#include <QDate>
#include <QString>
#include <QVariant>

#include <optional>

namespace trelimor {

// The first sheet of a workbook as the imports read it: every cell gives the value it stores
// and the text a user sees in it, as a spreadsheet program's cells do.
class ImportSheet
{
public:
    // Throws sheet::SheetError (a Polish message naming the file) when the file cannot be read
    // as an .xls workbook.
    explicit ImportSheet(const QString& path);
    // The first sheet of a workbook already at hand.
    explicit ImportSheet(sheet::Workbook book);

    // The rows in use: every cell below them is empty.
    int rowCount() const { return m_book.rowCount(); }

    // The stored value, row and column counted from 1: a number (qint64 or double), a text, a
    // date, a time, or null for an empty cell.
    QVariant Value(int row, int column) const;
    // The displayed text: a whole number in its digits (no ".0", no exponent, however long), a
    // fraction as written, a date as "dd.mm.yyyy", a time as "hh:mm", an empty cell as "".
    QString Text(int row, int column) const;

private:
    sheet::Workbook m_book;
};

// Walks the first block of data rows of the sheet from row `first` on: rows before its first
// data row are passed over, the first row after it that is no data row ends it, and so may
// take() by answering false. False when the sheet has no data row at all.
template <class IsData, class Take>
bool forEachDataRow(const ImportSheet& sheet, int first, IsData isData, Take take)
{
    bool started = false;
    for (int row = first; row <= sheet.rowCount(); ++row) {
        if (!isData(row)) {
            if (started)
                return true;
            continue;
        }
        started = true;
        if (!take(row))
            return true;
    }
    return started;
}

// The text a cell of the value shows (see ImportSheet::Text).
QString cellText(const QVariant& value);
// Whether a cell's value is numeric, as the imports' row tests ask: a number, or a text that
// reads as one ("12", " 7 ", "1,5"); an empty cell, a date or a time is not.
bool isNumericValue(const QVariant& value);
// The date a cell's value holds: a date cell, or a text that reads as day, month and year
// ("29.03.2022", "1-3-2022"); nothing for anything else.
std::optional<QDate> dateValue(const QVariant& value);

} // namespace trelimor
