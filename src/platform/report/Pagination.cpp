#include "Pagination.h"

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextLayout>
#include <QTextTable>

#include <algorithm>
#include <limits>
#include <vector>

namespace trelimor::report {

namespace {

// A place where one page may end and the next begin.
struct Break
{
    qreal y = 0;
    bool forced = false;
    // The header rows that a page beginning here repeats (a break between body rows of a table).
    qreal headerTop = 0;
    qreal headerBottom = 0;
};

bool byPosition(const Break& a, const Break& b)
{
    return a.y < b.y;
}

// Walks the top level of a laid-out document and lists where its pages may end.
class BreakFinder
{
public:
    BreakFinder(const QTextDocument& document, qreal pageHeight)
        : m_layout(*document.documentLayout())
        , m_pageHeight(pageHeight)
    {
        for (auto it = document.rootFrame()->begin(); !it.atEnd(); ++it) {
            if (auto* table = qobject_cast<QTextTable*>(it.currentFrame()))
                addTable(*table);
            else if (it.currentFrame())
                addFrame(*it.currentFrame());
            else
                addBlock(it.currentBlock());
        }
        std::stable_sort(m_breaks.begin(), m_breaks.end(), byPosition);
    }

    const std::vector<Break>& breaks() const { return m_breaks; }

private:
    // Before every line of the block, and after its last line.
    void addBlock(const QTextBlock& block)
    {
        const QTextLayout* lines = block.layout();
        if (!lines || lines->lineCount() == 0)
            return;
        const qreal origin = m_layout.blockBoundingRect(block).top();
        const auto policy = block.blockFormat().pageBreakPolicy();
        for (int i = 0; i < lines->lineCount(); ++i)
            add(origin + lines->lineAt(i).y(), i == 0 && (policy & QTextFormat::PageBreak_AlwaysBefore));
        const QTextLine last = lines->lineAt(lines->lineCount() - 1);
        add(origin + last.y() + last.height());
        m_forceNext = policy & QTextFormat::PageBreak_AlwaysAfter;
    }

    // A frame other than a table is kept whole.
    void addFrame(const QTextFrame& frame)
    {
        const QRectF box = m_layout.frameBoundingRect(const_cast<QTextFrame*>(&frame));
        const auto policy = frame.frameFormat().pageBreakPolicy();
        add(box.top(), policy & QTextFormat::PageBreak_AlwaysBefore);
        add(box.bottom());
        m_forceNext = policy & QTextFormat::PageBreak_AlwaysAfter;
    }

    // Between the rows of a table where no cell spans them. Its top is where the content above it
    // ends (the layout places a table's box by its first cell). An empty block just before or
    // after a table is laid out over the table's edge: no page ends inside the table there.
    void addTable(const QTextTable& table)
    {
        const QTextTableFormat format = table.format();
        const int rows = table.rows();
        const qreal edges = 2 * format.border() + format.cellSpacing() + format.padding();
        while (rows > 0 && !m_breaks.empty() && m_breaks.back().y > rowTop(table, 0, format) - edges)
            m_breaks.pop_back();
        const qreal top = m_breaks.empty() ? 0 : m_breaks.back().y;
        if (format.pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore)
            add(top, true);

        std::vector<qreal> rowBottom(std::size_t(rows), top);
        std::vector<bool> spanned(std::size_t(rows), false); // a cell goes on below the row
        for (int row = 0; row < rows; ++row) {
            for (int column = 0; column < table.columns(); ++column) {
                const QTextTableCell cell = table.cellAt(row, column);
                if (cell.row() != row || cell.column() != column)
                    continue;
                const int last = row + cell.rowSpan() - 1;
                for (int r = row; r < last; ++r)
                    spanned[std::size_t(r)] = true;
                rowBottom[std::size_t(last)] =
                    std::max(rowBottom[std::size_t(last)], cellBottom(cell, format));
            }
        }
        // Between the bottom border of one row and the top border of the next.
        auto boundary = [&](int row) {
            return rowBottom[std::size_t(row)] + format.border() + format.cellSpacing() / 2;
        };

        const int header = format.headerRowCount() < rows ? std::max(0, format.headerRowCount()) : 0;
        const qreal height = m_layout.frameBoundingRect(const_cast<QTextTable*>(&table)).height();
        if (header > 0 || height > m_pageHeight) {
            const qreal headerBottom = header > 0 ? boundary(header - 1) : top;
            for (int row = header; row < rows - 1; ++row)
                if (!spanned[std::size_t(row)])
                    m_breaks.push_back({boundary(row), false, top, headerBottom});
        }
        m_below = rows > 0 ? boundary(rows - 1) : top;
        m_forceNext = format.pageBreakPolicy() & QTextFormat::PageBreak_AlwaysAfter;
    }

    void add(qreal y, bool forced = false)
    {
        if (y < m_below)
            return;
        m_breaks.push_back({y, forced || m_forceNext});
        m_forceNext = false;
    }

    // The top of a row's cells: that of the tallest, whose text no vertical alignment moves down.
    qreal rowTop(const QTextTable& table, int row, const QTextTableFormat& format) const
    {
        qreal top = std::numeric_limits<qreal>::max();
        for (int column = 0; column < table.columns(); ++column) {
            const QTextTableCell cell = table.cellAt(row, column);
            const QTextTableCellFormat cellFormat = cell.format().toTableCellFormat();
            const qreal padding = cellFormat.hasProperty(QTextFormat::TableCellTopPadding)
                                      ? cellFormat.topPadding()
                                      : format.cellPadding();
            top =
                std::min(top, m_layout.blockBoundingRect(cell.firstCursorPosition().block()).top() - padding);
        }
        return top;
    }

    qreal cellBottom(const QTextTableCell& cell, const QTextTableFormat& format) const
    {
        const QTextTableCellFormat cellFormat = cell.format().toTableCellFormat();
        const qreal padding = cellFormat.hasProperty(QTextFormat::TableCellBottomPadding)
                                  ? cellFormat.bottomPadding()
                                  : format.cellPadding();
        return m_layout.blockBoundingRect(cell.lastCursorPosition().block()).bottom() + padding;
    }

    QAbstractTextDocumentLayout& m_layout;
    qreal m_pageHeight;
    std::vector<Break> m_breaks;
    bool m_forceNext = false; // the break after a page-break-after
    qreal m_below = 0;        // the bottom of the last table: what follows begins below it
};

// Where content taller than a page is cut: the last line top of any block above the limit.
qreal lastLineTop(const QTextDocument& document, qreal after, qreal limit)
{
    qreal found = after;
    const QAbstractTextDocumentLayout& layout = *document.documentLayout();
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QTextLayout* lines = block.layout();
        if (!lines)
            continue;
        const qreal origin = layout.blockBoundingRect(block).top();
        for (int i = 0; i < lines->lineCount(); ++i) {
            const qreal top = origin + lines->lineAt(i).y();
            if (top > found && top <= limit)
                found = top;
        }
    }
    return found > after ? found : limit;
}

} // namespace

QList<PageBand> paginate(const QTextDocument& document, qreal pageHeight)
{
    const BreakFinder finder(document, pageHeight);
    const std::vector<Break>& breaks = finder.breaks();
    const qreal end = document.documentLayout()->documentSize().height();

    QList<PageBand> pages;
    PageBand page;
    while (true) {
        if (page.headerHeight() >= pageHeight / 2) // a header that leaves no room is not repeated
            page.headerTop = page.headerBottom = 0;
        const qreal limit = page.top + pageHeight - std::max<qreal>(0, page.headerHeight());
        const auto first = std::upper_bound(breaks.begin(), breaks.end(), Break{page.top}, byPosition);
        const auto past = std::upper_bound(first, breaks.end(), Break{limit}, byPosition);
        const auto forced = std::find_if(first, past, [](const Break& b) { return b.forced; });

        Break next;
        if (forced != past && forced->y < end) {
            next = *forced;
        } else if (limit >= end) {
            page.bottom = end;
            pages.append(page);
            break;
        } else if (first != past && (past == breaks.end() || past->y - std::prev(past)->y <= pageHeight)) {
            next = *std::prev(past);
        } else { // what comes next is taller than a page: it begins on this one
            next.y = lastLineTop(document, page.top, limit);
        }
        page.bottom = next.y;
        pages.append(page);
        page = PageBand{next.y, 0, next.headerTop, next.headerBottom};
        if (page.top >= end)
            break;
    }
    return pages;
}

} // namespace trelimor::report
