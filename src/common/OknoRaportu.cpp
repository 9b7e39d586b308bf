#include "OknoRaportu.h"

#include "platform/report/ReportError.h"

namespace trelimor {

namespace {
std::function<OknoRaportu&()>& provider()
{
    static std::function<OknoRaportu&()> registered;
    return registered;
}
} // namespace

OknoRaportu& reportWindow()
{
    if (!provider())
        throw report::ReportError(QStringLiteral("Okno raportu nie jest dostępne w tym programie."));
    return provider()();
}

void setReportWindow(std::function<OknoRaportu&()> window)
{
    provider() = std::move(window);
}

} // namespace trelimor
