#include "Restore.h"

#include "ClosedDatabases.h"
#include "CompactedCopy.h"
#include "DatabaseKind.h"
#include "Messages.h"
#include "ModLabor.h"
#include "PresenceFile.h"

#include "platform/db/JetError.h"
#include "platform/db/Maintenance.h"
#include "platform/paths/DurableFiles.h"
#include "platform/paths/Folders.h"
#include "platform/ui/Clock.h"
#include "platform/ui/DialogService.h"
#include "platform/ui/OverrideCursorGuard.h"

#include <QFileInfo>

namespace trelimor {

namespace {

bool hasTables(const QString& path)
{
    db::Database database = db::Database::open(path);
    const bool any = !database.tableNames().isEmpty();
    database.close();
    return any;
}

// The kind of database that target must stay: what the program works on there, else what its
// name says.
DatabaseKind expectedKind(const QString& target)
{
    const ModLaborValues& m = ModLabor();
    if (sameFile(target, m.BazaStale.name()))
        return DatabaseKind::Dictionary;
    if (sameFile(target, m.BazaRok.name()))
        return DatabaseKind::Yearly;
    return databaseKindNamed(QFileInfo(target).fileName());
}

// The other installations that have registered in the presence file of the target's folder or
// of the dictionary database in use: each of them may have the target open.
QStringList otherWorkstations(const QString& target)
{
    QStringList presenceFiles{PresenceFile::pathFor(target)};
    if (!ModLabor().BazaStale.name().isEmpty())
        presenceFiles << PresenceFile::pathFor(ModLabor().BazaStale.name());
    presenceFiles.removeDuplicates();
    QStringList others;
    const PresenceFile self;
    for (const QString& presence : std::as_const(presenceFiles))
        others << self.otherUsers(presence);
    others.removeDuplicates();
    return others;
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

    const DatabaseKind kind = databaseKindOf(source);
    if (kind == DatabaseKind::Unknown)
        return QStringLiteral("Wskazany plik nie jest bazą danych programu TRELIMOR i nie zostanie "
                              "przywrócony:\r%1")
            .arg(source);
    if (const DatabaseKind expected = expectedKind(target);
        expected != DatabaseKind::Unknown && expected != kind)
        return QStringLiteral("Wskazany plik nie jest %1 i nie może zastąpić pliku %2:\r%3")
            .arg(databaseKindText(expected), target, source);

    if (kind == DatabaseKind::Dictionary || kind == DatabaseKind::Yearly) {
        const QStringList others = otherWorkstations(target);
        if (others.isEmpty())
            return {};
        const QString what =
            kind == DatabaseKind::Dictionary
                ? QStringLiteral("Baza słownikowa %1 jest otwarta w innym programie TRELIMOR:")
                : QStringLiteral("Z bazy danych roku %1 mogą korzystać inne programy TRELIMOR:");
        return what.arg(target) + u'\r' + others.join(QLatin1Char('\r')) +
               QStringLiteral("\rZakończ pracę programu na tych stanowiskach i powtórz przywrócenie.");
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
        PokazInfo(cannotReplace, kInformationTitle);
        return;
    }

    ui::OverrideCursorGuard cursor;
    try {
        ClosedDatabases closed;
        if (!paths::ensureFolder(paths::dataFolder()))
            throw db::JetError::fromNumber(db::jet::InvalidPath, paths::dataFolder());
        // The file replaced is kept beside it: a restore of the wrong archive can be undone.
        const QString previous = QFileInfo(target).isFile()
                                     ? target + QStringLiteral(".przed-przywroceniem-") +
                                           ui::now().toString(QStringLiteral("yyyyMMddHHmmss"))
                                     : QString();
        const bool replaced = replaceWithCompactedCopy(source, target, previous);
        closed.reopen();
        cursor.restore();
        if (!replaced) {
            PokazInfo(cannotReplace, kInformationTitle);
            return;
        }
        QString done =
            QStringLiteral("Przywrócenie wskazanej bazy z archiwum zostało zakończone powodzeniem!\r"
                           "Plik został skopiowany z: \r%1\rdo: \r%2")
                .arg(source, target);
        if (!previous.isEmpty())
            done += QStringLiteral("\rPoprzedni plik zachowano jako: \r") + previous;
        PokazInfo(done, kInformationTitle);
    } catch (const std::exception& e) {
        cursor.restore(); // the databases were opened again when the scope above ended
        PokazBlad(kArchiveFailureTitle, e);
    }
}

} // namespace trelimor
