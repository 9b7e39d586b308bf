#pragma once

#include <QWidget>

#include <memory>

class QPrintPreviewWidget;
class QPrinter;

namespace trelimor::report {

class ReportDocument;

// The report window's viewer: shows the pages of a rendered report and fills its whole area.
class ReportPreview : public QWidget
{
    Q_OBJECT

public:
    explicit ReportPreview(QWidget* parent = nullptr);
    ~ReportPreview() override;

    // Shows a report; nullptr shows no pages.
    void setDocument(std::shared_ptr<const ReportDocument> document);
    const std::shared_ptr<const ReportDocument>& document() const { return m_document; }

    void setZoomPercent(int percent);
    int zoomPercent() const;

    int pageCount() const;
    int currentPage() const;
    void setCurrentPage(int page);

    // The wrapped viewer, for toolbars that page and zoom it.
    QPrintPreviewWidget* previewWidget() const { return m_preview; }

private:
    void paintRequested(QPrinter* printer);

    std::unique_ptr<QPrinter> m_printer;
    QPrintPreviewWidget* m_preview = nullptr;
    std::shared_ptr<const ReportDocument> m_document;
};

} // namespace trelimor::report
