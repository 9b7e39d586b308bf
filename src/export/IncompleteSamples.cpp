#include "ExportFile.h"
#include "SerologyExport.h"
#include "SerologyExportHost.h"
#include "TypedQuery.h"

#include "common/Cp1250.h"
#include "common/ModLabor.h"
#include "documents/ExportErrors.h"

#include "platform/paths/DurableFiles.h"
#include "platform/paths/Folders.h"
#include "platform/ui/DialogService.h"
#include "platform/ui/OverrideCursorGuard.h"

namespace trelimor {

namespace {

// The samples with an empty EBB test field, each with its herd group's owner and its batch: the
// first group of the sample's PartiaG number and the first batch of that group's number. A
// sample without a group (its PartiaG Null, or no such group) or whose group has no batch is
// left out.
const QString kIncompleteSamples = QStringLiteral(
    "SELECT p.Partia, g.Wlasciciel, b.NrProbki FROM Badanie AS b "
    "JOIN PartiaG AS g ON g.rowid = (SELECT g1.rowid FROM PartiaG AS g1 WHERE g1.PartiaG = b.PartiaG "
    "ORDER BY g1.rowid LIMIT 1) "
    "JOIN Partia AS p ON p.rowid = (SELECT p1.rowid FROM Partia AS p1 WHERE p1.Partia = g.Partia "
    "ORDER BY p1.rowid LIMIT 1) "
    "WHERE b.BadajEBB = '' ORDER BY b.rowid");

QStringList incompleteSampleLines(db::Database& yearly)
{
    const ExportValueText text;
    TypedQuery query(yearly, kIncompleteSamples);
    QStringList lines;
    while (query.next())
        lines << QStringLiteral("Partia: ") + text(query.value(0), query.type(0)) +
                     QStringLiteral(", Właściciel: ") + text(query.value(1), query.type(1)) +
                     QStringLiteral(", Próbka nr: ") + text(query.value(2), query.type(2));
    return lines;
}

void hideWait(SerologyExportHost& host)
{
    host.setFrameCzekajVisible(false);
}

} // namespace

QString incompleteSampleListPath()
{
    return paths::join(paths::exportFolder(), QStringLiteral("BlednaProbka.txt"));
}

bool SprPusteProbki(SerologyExportHost& host, const QString& /*unused*/)
{
    host.setLabelPrCz(QStringLiteral("Sprawdzanie wyników. Proszę czekać ..."));
    host.setFrameCzekajVisible(true);
    letWindowRepaint();
    ui::OverrideCursorGuard cursor;
    try {
        const QStringList lines = incompleteSampleLines(ModLabor().BazaRok);
        const QString path = incompleteSampleListPath();
        QString error;
        if (!paths::writeFileAtomically(path, cp1250::encodeLines(lines), &error))
            throw PathAccessError(QStringLiteral("Nie można zapisać pliku ") + path + QStringLiteral(": ") +
                                  error);
        cursor.restore();
        if (!lines.isEmpty())
            ui::dialogs().message(
                QStringLiteral("Przerywam eksport danych z powodu błędnych próbek!\r"
                               "Prawdopodonie próbki takie należy usunąć i wykonać eksport ponownie!\r"
                               "Błędne próbki w ilości: ") +
                    QString::number(lines.size()) + QStringLiteral("\rSzczegóły zostały zapisane do pliku ") +
                    path,
                QStringLiteral("UWAGA!"), ui::Icon::Information);
        hideWait(host);
        return lines.isEmpty();
    } catch (const std::exception& e) {
        cursor.restore();
        hideWait(host);
        showExportError(e);
        return false;
    }
}

} // namespace trelimor
