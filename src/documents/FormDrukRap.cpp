#include "FormDrukRap.h"

#include "ui_FormDrukRap.h"

#include "ExportErrors.h"
#include "SendMail.h"

#include "common/Messages.h"
#include "common/ProgramState.h"

#include "platform/paths/DurableFiles.h"
#include "platform/paths/Folders.h"
#include "platform/report/Report.h"
#include "platform/report/ReportPreview.h"
#include "platform/ui/Clock.h"
#include "platform/ui/DialogService.h"
#include "platform/ui/OverrideCursorGuard.h"
#include "platform/ui/WindowOpener.h"

#include <QPrinter>
#include <QResizeEvent>
#include <QStyle>

namespace trelimor {

namespace {

constexpr int kZoomPercent = 87;
constexpr int kPanelMargin = 8;
// No recipient is known when a report is sent: the user writes one over this in the mail program.
const QString kPlaceholderRecipient = QStringLiteral("adresat@example.com");

QDate workingDate()
{
    const QDate date = programState().workingDate();
    return date.isValid() ? date : ui::today();
}

} // namespace

FormDrukRap::FormDrukRap(QWidget* parent)
    : QDialog(parent)
    , m_ui(new Ui::FormDrukRap)
    , m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution))
{
    m_ui->setupUi(this);
    CRViewer = m_ui->CRViewer;
    ComDrukarka = m_ui->ComDrukarka;
    ComWyslij = m_ui->ComWyslij;
    CmdAnuluj = m_ui->CmdAnuluj;
    Frame1 = m_ui->Frame1;
    Label1 = m_ui->Label1;
    LabBadanie = m_ui->LabBadanie;
    Frame1->raise();
    connect(ComDrukarka, &QPushButton::clicked, this, &FormDrukRap::ComDrukarka_Click);
    connect(ComWyslij, &QPushButton::clicked, this, &FormDrukRap::ComWyslij_Click);
    connect(CmdAnuluj, &QPushButton::clicked, this, &QWidget::hide);
}

FormDrukRap::~FormDrukRap()
{
    delete m_ui;
}

void FormDrukRap::showReport(std::shared_ptr<report::Report> raport, const QString& caption)
{
    {
        // A long report takes seconds to lay out and to preview.
        ui::OverrideCursorGuard wait;
        CRViewer->setDocument(raport->render());
    }
    m_report = std::move(raport);
    setWindowTitle(caption);
    ui::openModal(*this);
}

void FormDrukRap::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    CRViewer->setGeometry(0, 0, width(), height());
    // The panel stands left of the viewer's scroll bar, which stays usable.
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    Frame1->move(width() - scrollBar - Frame1->width() - kPanelMargin, kPanelMargin);
}

void FormDrukRap::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        CRViewer->setZoomPercent(kZoomPercent);
}

QString FormDrukRap::reportName() const
{
    QString name = m_report ? m_report->documentName() : QString();
    for (QChar& c : name)
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c.category() == QChar::Other_Control)
            c = QLatin1Char(' ');
    name = name.simplified();
    while (!name.isEmpty() && !name.front().isLetterOrNumber())
        name.remove(0, 1);
    return name.isEmpty() ? QStringLiteral("Raport") : name;
}

QString FormDrukRap::defaultPdfName() const
{
    return reportName() + QLatin1Char(' ') + workingDate().toString(QStringLiteral("yyyyMMdd"));
}

QString FormDrukRap::exportFolder()
{
    return paths::join(paths::exportFolder(), workingDate().toString(QStringLiteral("yyyyMMdd")));
}

void FormDrukRap::ComDrukarka_Click()
{
    const auto document = CRViewer->document();
    if (!document)
        return;
    m_printer->setDocName(defaultPdfName()); // the print job's name, and the PDF file's proposed name
    if (!ui::dialogs().printerSetup(*m_printer))
        return;
    ui::OverrideCursorGuard cursor;
    try {
        document->print(*m_printer);
    } catch (const std::exception& e) {
        cursor.restore();
        PokazBlad(QStringLiteral("Drukarka"), e);
    }
}

QString FormDrukRap::exportPdf()
{
    const QString folder = exportFolder();
    if (!paths::ensureFolder(folder))
        throw PathAccessError(QStringLiteral("Nie można utworzyć folderu ") + folder);
    QString path = ui::saveFile(QStringLiteral("Eksport do pliku PDF"),
                                paths::join(folder, defaultPdfName() + QStringLiteral(".pdf")),
                                QStringLiteral("Plik PDF (*.pdf)|*.pdf"), 1);
    if (path.isEmpty())
        return {};
    if (!path.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
        path += QStringLiteral(".pdf");
    CRViewer->document()->exportPdf(path);
    return path;
}

void FormDrukRap::ComWyslij_Click()
{
    if (!CRViewer->document())
        return;
    ui::OverrideCursorGuard cursor;
    try {
        const QString path = exportPdf();
        cursor.restore();
        if (path.isEmpty())
            return; // the save dialog was cancelled
        if (!ui::dialogs().askYesNo(
                QStringLiteral("Przygotowanie pliku zakończone powodzeniem!\rCzy wysłać teraz?"),
                QStringLiteral("Wysyłanie!"), ui::Icon::Question, false))
            return;
        // The subject names the report as the file does.
        Send_Mail(kPlaceholderRecipient, reportName(), QStringLiteral(" "), path);
    } catch (const std::exception& e) {
        cursor.restore();
        showExportError(e);
    }
}

void registerFormDrukRap()
{
    setReportWindow([]() -> ReportWindow& { return FormDrukRap::instance(); });
}

} // namespace trelimor
