#pragma once

#include <QString>
#include <QVariant>

#include <map>
#include <utility>

namespace trelimor::sheet {

// A sheet written cell by cell and saved as tab-separated text (Windows-1250, CR LF after
// every row): no spreadsheet program is driven here, and any of them opens such a file.
class SheetWriter
{
public:
    // Row and column counted from 1; a null value empties the cell.
    void setCell(int row, int column, const QVariant& value);
    QVariant cell(int row, int column) const;
    bool isEmpty() const { return m_cells.empty(); }

    // Writes the rows from 1 to the last one used, each with the columns from 1 to the last
    // one used in the sheet; cells show as cellValueText() shows them, a tab or line break in
    // a cell becoming a blank. The file is complete or left as it was: throws SheetError
    // (naming the file) when it cannot be written.
    void saveAs(const QString& path) const;

private:
    std::map<std::pair<int, int>, QVariant> m_cells;
};

} // namespace trelimor::sheet
