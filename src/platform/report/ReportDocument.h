#pragma once

#include "Pagination.h"

#include <QImage>
#include <QPageLayout>
#include <QString>

#include <memory>

class QPagedPaintDevice;
class QPainter;
class QPrinter;
class QTextDocument;

namespace trelimor::report {

// An expanded report laid out on A4 pages (portrait, or landscape for wide listings) with a
// "Strona N z M" footer. The same pages go to the preview, to a printer and to a PDF file. A word
// never breaks inside a cell: a column is at least as wide as its longest word. A table row is
// never cut by a page break, and tables whose header rows stand in <thead> repeat them at the top
// of every page they run onto (see paginate()).
class ReportDocument
{
public:
    explicit ReportDocument(const QString& html, QString title = {},
                            QPageLayout::Orientation orientation = QPageLayout::Portrait);
    ~ReportDocument();
    ReportDocument(const ReportDocument&) = delete;
    ReportDocument& operator=(const ReportDocument&) = delete;

    int pageCount() const;
    const QString& title() const { return m_title; }
    const QTextDocument& textDocument() const { return *m_document; }
    // The band of the text document that each page shows.
    const QList<PageBand>& pages() const { return m_pages; }

    // A4 in the orientation with the report's margins.
    static QPageLayout pageLayout(QPageLayout::Orientation orientation = QPageLayout::Portrait);
    // The layout of this report's pages.
    QPageLayout layout() const { return pageLayout(m_orientation); }

    // Prints every page, or the page range chosen in the printer dialog, setting the printer to
    // the report's layout: the pages are laid out for it. A printer set to a PDF file writes it as
    // exportPdf does. Throws ReportError when printing cannot start or the file is not written.
    void print(QPrinter& printer) const;
    // Writes the whole report into one PDF file, replacing a file of that name only once the
    // new one is complete on the disk. Throws ReportError (the old file stays) when it cannot.
    void exportPdf(const QString& path) const;
    // Paints pages first..last (0-based, inclusive) onto a paged device that a painter is active on.
    void paintPages(QPainter& painter, QPagedPaintDevice& device, int first, int last) const;

private:
    void writePdf(const QString& path, int first, int last) const;
    void paintPage(QPainter& painter, int page) const;
    // Paints the band top..bottom of the document at the height `at` of the page body.
    void paintBand(QPainter& painter, qreal top, qreal bottom, qreal at) const;
    QSizeF bodySize() const;

    // The device the text is laid out for: a fixed resolution keeps the pagination the same on
    // every screen, and painting scales from it to the printer's resolution.
    QImage m_layoutDevice;
    QPageLayout::Orientation m_orientation;
    std::unique_ptr<QTextDocument> m_document;
    QList<PageBand> m_pages;
    QString m_title;
};

} // namespace trelimor::report
