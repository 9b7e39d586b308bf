#include "SheetWriter.h"

#include "Workbook.h"

#include "platform/paths/DurableFiles.h"

#include <QStringEncoder>

#include <algorithm>

namespace trelimor::sheet {

void SheetWriter::setCell(int row, int column, const QVariant& value)
{
    if (row < 1 || column < 1)
        return;
    if (value.isNull())
        m_cells.erase({row, column});
    else
        m_cells[{row, column}] = value;
}

QVariant SheetWriter::cell(int row, int column) const
{
    const auto it = m_cells.find({row, column});
    return it == m_cells.end() ? QVariant() : it->second;
}

void SheetWriter::saveAs(const QString& path) const
{
    int rows = 0;
    int columns = 0;
    for (const auto& [position, value] : m_cells) {
        rows = std::max(rows, position.first);
        columns = std::max(columns, position.second);
    }
    QString text;
    for (int row = 1; row <= rows; ++row) {
        for (int column = 1; column <= columns; ++column) {
            if (column > 1)
                text += u'\t';
            QString cellText = cellValueText(cell(row, column));
            cellText.replace(u'\t', u' ').replace(u'\r', u' ').replace(u'\n', u' ');
            text += cellText;
        }
        text += QStringLiteral("\r\n");
    }
    QStringEncoder encode("windows-1250");
    const QByteArray bytes = encode(text);
    QString error;
    if (!paths::writeFileAtomically(path, bytes, &error))
        throw SheetError(QStringLiteral("Nie można zapisać arkusza %1: %2").arg(path, error));
}

} // namespace trelimor::sheet
