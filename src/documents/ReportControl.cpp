#include "ReportControl.h"

#include "FormDrukRap.h"

#include "common/ReportWork.h"

#include "platform/report/Report.h"
#include "platform/report/ReportError.h"

#include <QPushButton>
#include <QRegularExpression>

namespace trelimor {

namespace {
constexpr int kMaximized = 2;
} // namespace

void ReportControl::reset()
{
    *this = ReportControl();
}

std::optional<report::RecordSelection> ReportControl::parseSelectionFormula(const QString& formula)
{
    if (formula.trimmed().isEmpty())
        return std::nullopt;
    static const QRegularExpression pattern(QStringLiteral(
        R"re(^\s*\{\s*([A-Za-z_]\w*)\.([A-Za-z_]\w*)\s*\}\s*=\s*(?:(-?\d+)|'([^']*)'|"([^"]*)")\s*$)re"));
    const auto match = pattern.match(formula);
    if (!match.hasMatch())
        throw report::ReportError(
            QStringLiteral("Nieprawidłowa formuła wyboru rekordów raportu: %1").arg(formula));
    report::RecordSelection selection{match.captured(1), match.captured(2), {}};
    if (match.hasCaptured(3))
        selection.value = match.captured(3).toLongLong();
    else
        selection.value = match.hasCaptured(4) ? match.captured(4) : match.captured(5);
    return selection;
}

void ReportControl::run() const
{
    auto raport = openWorkReport(m_fileName, QString(), m_title, QString());
    raport->setScope(m_scope);
    raport->setSelection(parseSelectionFormula(m_formula));

    FormDrukRap& window = FormDrukRap::instance();
    const bool printSetupShown = window.ComDrukarka->isVisibleTo(&window);
    window.ComDrukarka->setVisible(m_showPrintSetup);
    window.setWindowState(m_windowState == kMaximized ? Qt::WindowMaximized : Qt::WindowNoState);
    window.showReport(std::move(raport), QStringLiteral("Drukowanie"));
    window.setWindowState(Qt::WindowNoState);
    window.ComDrukarka->setVisible(printSetupShown);
}

} // namespace trelimor
