#pragma once

#include <QString>

#include <functional>
#include <memory>

namespace trelimor {

namespace report {
class Report;
}

// The window a report is shown in. The report window itself belongs to the documents library,
// which the common library does not know: it registers its window here at start-up.
class ReportWindow
{
public:
    virtual ~ReportWindow() = default;
    // Puts the report into the window's viewer and shows it, sets the window's caption, and
    // shows the window modally; returns when the window is hidden.
    virtual void showReport(std::shared_ptr<report::Report> raport, const QString& caption) = 0;
};

// The program's report window; throws report::ReportError when none has been registered.
ReportWindow& reportWindow();
// Registers what gives the report window (made on first use); an empty function unregisters.
void setReportWindow(std::function<ReportWindow&()> provider);

} // namespace trelimor
