#include "ReportDocument.h"

#include "ReportError.h"

#include "platform/paths/DurableFiles.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QTextDocument>

namespace trelimor::report {

namespace {

constexpr int layoutDpi = 96;
constexpr qreal marginMm = 15.0;
constexpr qreal footerGapMm = 4.0;    // between the body and the footer line
constexpr qreal footerHeightMm = 6.0; // the footer line itself, inside the bottom margin
constexpr qreal footerPointSize = 8.0;

qreal mmToLayout(qreal mm)
{
    return mm / 25.4 * layoutDpi;
}

QFont defaultReportFont()
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(10.0);
    return font;
}

} // namespace

ReportDocument::ReportDocument(const QString& html, QString title, QPageLayout::Orientation orientation)
    : m_layoutDevice(1, 1, QImage::Format_RGB32)
    , m_orientation(orientation)
    , m_document(std::make_unique<QTextDocument>())
    , m_title(std::move(title))
{
    const int dotsPerMeter = qRound(layoutDpi / 0.0254);
    m_layoutDevice.setDotsPerMeterX(dotsPerMeter);
    m_layoutDevice.setDotsPerMeterY(dotsPerMeter);

    m_document->documentLayout()->setPaintDevice(&m_layoutDevice);
    m_document->setDefaultFont(defaultReportFont());
    m_document->setDocumentMargin(0);
    QTextOption wrap = m_document->defaultTextOption();
    wrap.setWrapMode(QTextOption::WordWrap);
    m_document->setDefaultTextOption(wrap);
    m_document->setHtml(html);
    // Laid out as one long page and cut into pages here, where rows are kept whole.
    m_document->setTextWidth(bodySize().width());
    m_pages = paginate(*m_document, bodySize().height());
}

ReportDocument::~ReportDocument() = default;

QPageLayout ReportDocument::pageLayout(QPageLayout::Orientation orientation)
{
    return QPageLayout(QPageSize(QPageSize::A4), orientation,
                       QMarginsF(marginMm, marginMm, marginMm, marginMm), QPageLayout::Millimeter);
}

QSizeF ReportDocument::bodySize() const
{
    const QSizeF paper = layout().fullRect(QPageLayout::Millimeter).size();
    return {mmToLayout(paper.width() - 2 * marginMm), mmToLayout(paper.height() - 2 * marginMm)};
}

int ReportDocument::pageCount() const
{
    return int(m_pages.size());
}

void ReportDocument::paintPage(QPainter& painter, int page) const
{
    const QSizeF body = bodySize();
    const PageBand& band = m_pages.at(page);
    painter.save();
    painter.translate(mmToLayout(marginMm), mmToLayout(marginMm));

    qreal y = 0;
    if (band.headerHeight() > 0) {
        paintBand(painter, band.headerTop, band.headerBottom, y);
        y += band.headerHeight();
    }
    paintBand(painter, band.top, band.bottom, y);

    // A pixel size, unlike a point size, is not converted again for the printer's resolution: the
    // painter's scale alone takes it there, as it does the body text.
    QFont footerFont = defaultReportFont();
    footerFont.setPixelSize(qRound(footerPointSize * layoutDpi / 72.0));
    painter.setFont(footerFont);
    painter.setPen(Qt::black);
    const QRectF footer(0, body.height() + mmToLayout(footerGapMm), body.width(), mmToLayout(footerHeightMm));
    painter.drawText(footer, Qt::AlignHCenter | Qt::AlignTop,
                     QStringLiteral("Strona %1 z %2").arg(page + 1).arg(pageCount()));
    painter.restore();
}

void ReportDocument::paintBand(QPainter& painter, qreal top, qreal bottom, qreal at) const
{
    painter.save();
    painter.translate(0, at - top);
    // A table wider than the body still shows whole, over the side margins.
    const qreal margin = mmToLayout(marginMm);
    const QRectF band(-margin, top, bodySize().width() + 2 * margin, bottom - top);
    painter.setClipRect(band);
    QAbstractTextDocumentLayout::PaintContext context;
    // Lines that only touch the band, above or below, are left out even as clipped text.
    context.clip = band.adjusted(0, 0.5, 0, -0.5);
    context.palette.setColor(QPalette::Text, Qt::black);
    m_document->documentLayout()->draw(&painter, context);
    painter.restore();
}

void ReportDocument::paintPages(QPainter& painter, QPagedPaintDevice& device, int first, int last) const
{
    const int dpi = device.logicalDpiX();
    const qreal scale = qreal(dpi) / layoutDpi;
    // The painter starts at the corner of the printable area; pages are drawn from the paper's corner.
    const QPointF printableCorner = device.pageLayout().paintRectPixels(dpi).topLeft();

    for (int page = first; page <= last; ++page) {
        if (page != first)
            device.newPage();
        painter.save();
        painter.translate(-printableCorner);
        painter.scale(scale, scale);
        paintPage(painter, page);
        painter.restore();
    }
}

void ReportDocument::print(QPrinter& printer) const
{
    printer.setPageLayout(layout());
    int first = 0;
    int last = pageCount() - 1;
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        first = std::max(first, printer.fromPage() - 1);
        last = std::min(last, printer.toPage() > 0 ? printer.toPage() - 1 : last);
    }
    if (first > last)
        return;
    // Printing into a PDF file is a PDF export of those pages: it replaces a file of the same
    // name only when it is written whole.
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()) {
        writePdf(printer.outputFileName(), first, last);
        return;
    }
    QPainter painter;
    if (!painter.begin(&printer))
        throw ReportError(QStringLiteral("Nie można rozpocząć drukowania raportu %1.").arg(m_title));
    paintPages(painter, printer, first, last);
    painter.end();
}

void ReportDocument::exportPdf(const QString& path) const
{
    writePdf(path, 0, pageCount() - 1);
}

void ReportDocument::writePdf(const QString& path, int first, int last) const
{
    const QString failed = QStringLiteral("Nie można zapisać pliku PDF %1.").arg(path);
    // The pages are rendered in memory and checked whole before the file is touched: a disk
    // that fills up half way never leaves a cut-off PDF in place of the previous one.
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageLayout(layout());
        writer.setTitle(m_title);
        writer.setCreator(QStringLiteral("Trelimor"));
        QPainter painter;
        if (!painter.begin(&writer))
            throw ReportError(failed);
        paintPages(painter, writer, first, last);
        if (!painter.end())
            throw ReportError(failed);
    }
    const QByteArray pdf = buffer.data();
    if (!pdf.startsWith("%PDF-") || !pdf.trimmed().endsWith("%%EOF")) // the trailer ends every whole PDF
        throw ReportError(failed);
    if (!paths::writeFileAtomically(path, pdf))
        throw ReportError(QStringLiteral("Nie można zapisać pliku PDF %1: zapis na dysk nie powiódł się "
                                         "(brak miejsca lub dostępu).")
                              .arg(path));
}

} // namespace trelimor::report
