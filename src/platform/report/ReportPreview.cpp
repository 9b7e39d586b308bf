#include "ReportPreview.h"

#include "ReportDocument.h"

#include <QPainter>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QVBoxLayout>

namespace trelimor::report {

ReportPreview::ReportPreview(QWidget* parent)
    : QWidget(parent)
    , m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution))
{
    m_printer->setPageLayout(ReportDocument::pageLayout());
    m_preview = new QPrintPreviewWidget(m_printer.get(), this);
    m_preview->setZoomMode(QPrintPreviewWidget::CustomZoom);
    connect(m_preview, &QPrintPreviewWidget::paintRequested, this, &ReportPreview::paintRequested);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_preview);
}

ReportPreview::~ReportPreview() = default;

void ReportPreview::setDocument(std::shared_ptr<const ReportDocument> document)
{
    m_document = std::move(document);
    // The viewer's pages take the report's orientation.
    m_printer->setPageLayout(m_document ? m_document->layout() : ReportDocument::pageLayout());
    m_preview->updatePreview();
}

void ReportPreview::setZoomPercent(int percent)
{
    m_preview->setZoomMode(QPrintPreviewWidget::CustomZoom);
    m_preview->setZoomFactor(std::max(1, percent) / 100.0);
}

int ReportPreview::zoomPercent() const
{
    return qRound(m_preview->zoomFactor() * 100.0);
}

int ReportPreview::pageCount() const
{
    return m_preview->pageCount();
}

int ReportPreview::currentPage() const
{
    return m_preview->currentPage();
}

void ReportPreview::setCurrentPage(int page)
{
    m_preview->setCurrentPage(page);
}

void ReportPreview::paintRequested(QPrinter* printer)
{
    // The painter is begun even without a report, so that the pages of the previous one go.
    QPainter painter(printer);
    if (m_document && m_document->pageCount() > 0)
        m_document->paintPages(painter, *printer, 0, m_document->pageCount() - 1);
}

} // namespace trelimor::report
