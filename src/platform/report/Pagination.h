#pragma once

#include <QList>

class QTextDocument;

namespace trelimor::report {

// One printed page of a report that is laid out as a single long page: the band of the document
// it shows and, above it, the header rows of the table that the band continues.
struct PageBand
{
    qreal top = 0;
    qreal bottom = 0;
    // The repeated header rows; none when headerBottom is not below headerTop.
    qreal headerTop = 0;
    qreal headerBottom = 0;

    qreal headerHeight() const { return headerBottom - headerTop; }
};

// Cuts a document laid out without pages (a text width and no page height) into pages of at
// most pageHeight, in the document's units. A page ends between two lines of text, two frames or
// two rows of a table, never inside a line or a row, and never right under a table's header rows;
// a table that goes on onto the next page repeats its header rows (<thead>) there, and a table
// without header rows that fits on a page is kept on one page. Forced breaks (page-break-before
// and -after of blocks and tables) are kept. Only what is taller than a page is cut where the
// page ends, between two lines when it can be. Gives at least one page.
QList<PageBand> paginate(const QTextDocument& document, qreal pageHeight);

} // namespace trelimor::report
