#include "Archive.h"

#include "ClosedDatabases.h"
#include "Messages.h"
#include "ModLabor.h"
#include "ProgramState.h"

#include "platform/PlatformError.h"
#include "platform/db/JetError.h"
#include "platform/db/Maintenance.h"
#include "platform/paths/DurableFiles.h"
#include "platform/paths/Folders.h"
#include "platform/ui/Clock.h"
#include "platform/ui/DialogService.h"
#include "platform/ui/OverrideCursorGuard.h"

#include <QDir>
#include <QFileInfo>

namespace trelimor {

namespace {

// Makes the time-stamped folder and the two copies in it; returns the folder.
QString archiveInto(const ClosedDatabases& closed)
{
    if (closed.dictionaryPath().isEmpty() || closed.yearlyPath().isEmpty())
        throw db::JetError::fromNumber(db::jet::ObjectInvalid);
    ModLabor().KatalogProgramu = paths::programFolder();
    const QString archive = paths::archiveFolder();
    if (!paths::ensureFolder(archive))
        throw PlatformError(QStringLiteral("Nie można utworzyć katalogu %1.").arg(archive));

    const QString folder =
        paths::join(archive, programState().workingDate().toString(QStringLiteral("yyyyMMdd")) +
                                 QLatin1Char('g') + ui::currentTime().toString(QStringLiteral("HHmmss")));
    if (QFileInfo::exists(folder))
        throw PlatformError(QStringLiteral("Katalog %1 już istnieje.").arg(folder));
    if (!QDir().mkdir(folder))
        throw PlatformError(QStringLiteral("Nie można utworzyć katalogu %1.").arg(folder));
    try {
        db::compactDatabaseFile(closed.dictionaryPath(), paths::join(folder, QStringLiteral("Stale.sqlite")));
        db::compactDatabaseFile(closed.yearlyPath(),
                                paths::join(folder, QFileInfo(closed.yearlyPath()).fileName()));
        // The copies are on the disk; so must be the folder that lists them.
        if (!paths::syncFolder(archive) || !paths::syncFolder(paths::programFolder()))
            throw db::JetError::fromNumber(db::jet::DiskOrNetworkError);
    } catch (...) {
        // Half an archive would pass for a whole one at the next restore.
        QDir(folder).removeRecursively();
        throw;
    }
    return folder;
}

} // namespace

void ComArchiwizacja_Click()
{
    if (!ui::askYesNo(QStringLiteral("Czy na pewno wykonać archiwum aktualnych baz danych?"), kQuestionTitle))
        return;
    ui::OverrideCursorGuard cursor;
    try {
        ClosedDatabases closed;
        const QString folder = archiveInto(closed);
        closed.reopen();
        cursor.restore();
        PokazInfo(QStringLiteral("Archiwizacja baz danych zakończona powodzeniem!\r"
                                 "Bazy zostały skopiowane do katalogu: \r") +
                      folder,
                  kInformationTitle);
    } catch (const std::exception& e) {
        cursor.restore(); // the databases were opened again when the scope above ended
        PokazBlad(kArchiveFailureTitle, e);
    }
}

} // namespace trelimor
