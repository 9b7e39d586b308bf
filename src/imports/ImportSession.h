#pragma once

#include "platform/ui/OverrideCursorGuard.h"

#include <QString>

#include <optional>

namespace trelimor {

class BatchImportHost;

// The batch window while one of its sample imports runs: locked (its date label left enabled)
// from the start, and with its wait notice and hourglass while the file is read. end() is the
// import's ending, on every way out: the wait notice and the hourglass go, the file being
// imported is forgotten (LabelWczytajPlik emptied) and the window is unlocked. A box that
// tells the import's outcome is shown after it.
class ImportSession
{
public:
    explicit ImportSession(BatchImportHost& window);
    ~ImportSession();
    ImportSession(const ImportSession&) = delete;
    ImportSession& operator=(const ImportSession&) = delete;

    void showWaitNotice();
    void end();

private:
    BatchImportHost& m_window;
    std::optional<ui::OverrideCursorGuard> m_cursor;
    bool m_ended = false;
};

// The file an import reads: the one handed over in LabelWczytajPlik, else the one the user
// chooses in the Open dialog under the filter, its second entry preselected; nothing when the
// user cancels.
std::optional<QString> chooseImportFile(const BatchImportHost& window, const QString& filter);

// The filters of the Open dialogs of the imports.
inline const QString kFiltrExcel = QStringLiteral("All Files (*.*)|*.*|Excel (*.xls)|*.xls");
inline const QString kFiltrTxt = QStringLiteral("All Files (*.*)|*.*|txt (*.txt)|*.txt");
inline const QString kFiltrKolektora = QStringLiteral("All Files (*.*)|*.*|Tekst (*.SER)|*.SER");

// The Open dialog of the imports, the second entry of the filter preselected; an empty text when
// the user cancels.
QString openImportFile(const QString& filter);

} // namespace trelimor
