#include "Restore.h"

#include "ClosedDatabases.h"
#include "CompactedCopy.h"
#include "Messages.h"
#include "ModLabor.h"
#include "PresenceFile.h"

#include "platform/db/JetError.h"
#include "platform/db/Maintenance.h"
#include "platform/paths/DurableFiles.h"
#include "platform/paths/Folders.h"
#include "platform/ui/DialogService.h"
#include "platform/ui/OverrideCursorGuard.h"

#include <QFileInfo>

namespace trelimor {

namespace {

const QString kInformation = QStringLiteral("INFORMACJA");

bool hasTables(const QString& path)
{
    db::Database database = db::Database::open(path);
    const bool any = !database.tableNames().isEmpty();
    database.close();
    return any;
}

// Why source must not be copied over target; empty when it may. Nothing is closed or
// changed yet when this is asked.
QString refusal(const QString& source, const QString& target)
{
    const ModLaborValues& m = ModLabor();
    for (const QString& live : {target, m.BazaStale.name(), m.BazaRok.name(), m.BazaRobot.name()}) {
        if (sameFile(source, live))
            return QStringLiteral("Wskazany plik jest bazą danych, na której program pracuje, i nie może być "
                                  "źródłem przywrócenia:\r%1\rWskaż kopię bazy z katalogu archiwum.")
                .arg(source);
    }
    QString problem;
    if (db::verifyDatabaseFile(source, &problem) && !hasTables(source))
        problem = QStringLiteral("Plik nie zawiera żadnej tabeli.");
    if (!problem.isEmpty())
        return QStringLiteral(
                   "Wskazany plik nie jest poprawną bazą danych i nie zostanie przywrócony:\r%1\r%2")
            .arg(source, problem);

    const bool dictionary =
        QFileInfo(target).fileName() == QLatin1String("Stale.sqlite") || sameFile(target, m.BazaStale.name());
    if (dictionary) {
        const QStringList others = PresenceFile().otherUsers(PresenceFile::pathFor(target));
        if (!others.isEmpty())
            return QStringLiteral("Baza słownikowa %1 jest otwarta w innym programie TRELIMOR:\r%2\r"
                                  "Zakończ pracę programu na tych stanowiskach i powtórz przywrócenie.")
                .arg(target, others.join(QLatin1Char('\r')));
    }
    return {};
}

} // namespace

void menOdzysk_Click()
{
    if (!ui::askYesNo(
            QStringLiteral("Przed wykonaniem tej operacji zalecana jest 'Archiwizacja' aktualnych baz "
                           "danych!\r(tym celu kliknij przycisk 'Nie' i następnie przycisk "
                           "'Archiwizacja')\rCzy na pewno wykonać zastąpienie baz danych wcześniejszym "
                           "archiwum?"),
            QStringLiteral("Wysyłanie!")))
        return;
    const QString source =
        ui::openFile(QStringLiteral("Przywrócenie bazy z archiwum"), paths::archiveFolder(),
                     QStringLiteral("All Files (*.*)|*.*|Pliki bazy (*.sqlite)|*.sqlite"), 2);
    if (source.isEmpty())
        return; // nothing was closed or changed yet
    const QString target = paths::join(paths::dataFolder(), QFileInfo(source).fileName());
    const QString cannotReplace = QStringLiteral("Nie można usunąć pliku ") + target;
    if (const QString reason = refusal(source, target); !reason.isEmpty()) {
        PokazUwage(reason, QStringLiteral("Uwaga!"));
        return;
    }
    // The report work database stays open throughout, so its file cannot be replaced.
    if (sameFile(target, ModLabor().BazaRobot.name())) {
        PokazInfo(cannotReplace, kInformation);
        return;
    }

    ui::OverrideCursorGuard cursor;
    try {
        ClosedDatabases closed;
        if (!paths::ensureFolder(paths::dataFolder()))
            throw db::JetError::fromNumber(db::jet::InvalidPath, paths::dataFolder());
        const bool replaced = replaceWithCompactedCopy(source, target);
        closed.reopen();
        cursor.restore();
        if (!replaced) {
            PokazInfo(cannotReplace, kInformation);
            return;
        }
        PokazInfo(QStringLiteral("Przywrócenie wskazanej bazy z archiwum zostało zakończone powodzeniem!\r"
                                 "Plik został skopiowany z: \r%1\rdo: \r%2")
                      .arg(source, target),
                  kInformation);
    } catch (const std::exception& e) {
        cursor.restore(); // the databases were opened again when the scope above ended
        PokazBlad(kArchiveFailureTitle, e);
    }
}

} // namespace trelimor
