#pragma once

#include "platform/PlatformError.h"

#include <QDate>
#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>
#include <QVariant>

namespace trelimor::sheet {

// A workbook that cannot be read; the message is Polish and names the file.
class SheetError : public PlatformError
{
public:
    using PlatformError::PlatformError;
};

// One cell's stored value, row and column counted from 1.
struct CellValue
{
    int row = 0;
    int column = 0;
    QVariant value;
};

// The first worksheet of an Excel 97-2003 workbook (.xls), read cell by cell.
class Workbook
{
public:
    // Reads the workbook's first sheet whole. The workbook library runs in a process of its own,
    // so a damaged or hostile file cannot take the program down with it. Throws SheetError for a
    // missing or unreadable file, a file that is no .xls workbook, a protected workbook, one
    // without sheets, one holding far more cells or text than a protocol or sample file, and one
    // the reader fails on or takes too long over.
    explicit Workbook(const QString& path);
    // A sheet made in memory of the given cells, as if read from the file at path: values of the
    // kinds cell() gives, a null one leaving its cell empty. The used area ends at the last cell
    // holding a value; a cell no sheet can have (row or column below 1, column past 65535) is
    // left out. For the readers of sheets to be run over cells that no file holds.
    Workbook(const QString& path, const QList<CellValue>& cells);

    const QString& path() const { return m_path; }
    // The used area of the first sheet: cells beyond it are empty.
    int rowCount() const { return m_rows; }
    int columnCount() const { return m_columns; }

    // The stored value of a cell, row and column counted from 1: qint64 for a whole number,
    // double, QString, QDate / QDateTime / QTime for cells with a date or time format. An empty
    // cell, or one outside the sheet, gives a null QVariant. A date in a cell without a date
    // format comes back as its serial number (see dateFromSerial).
    QVariant cell(int row, int column) const;
    // The cell as a user sees it: numbers in their natural text, dates "dd.MM.yyyy", times "hh:mm"
    // (with ":ss" when the seconds are not zero), an empty cell as empty text.
    QString cellText(int row, int column) const;

private:
    QString m_path;
    int m_rows = 0;
    int m_columns = 0;
    QHash<quint64, QVariant> m_cells; // the cells that hold a value
};

// The date of a spreadsheet serial number (day 0 is 30.12.1899); the fraction is ignored.
QDate dateFromSerial(double serial);
// The date and time of a serial number, the fraction being the time of day (to the second).
QDateTime dateTimeFromSerial(double serial);
// The text of a cell value, as cellText() shows it.
QString cellValueText(const QVariant& value);

} // namespace trelimor::sheet
