#include "ReportWindow.h"

#include "platform/report/ReportError.h"

namespace trelimor {

namespace {
std::function<ReportWindow&()>& provider()
{
    static std::function<ReportWindow&()> registered;
    return registered;
}
} // namespace

ReportWindow& reportWindow()
{
    if (!provider())
        throw report::ReportError(QStringLiteral("Okno raportu nie jest dostępne w tym programie."));
    return provider()();
}

void setReportWindow(std::function<ReportWindow&()> window)
{
    provider() = std::move(window);
}

} // namespace trelimor
