#include "EstablishmentImport.h"

#include "RegisterWindow.h"

#include "common/DataControl.h"
#include "common/Messages.h"
#include "common/ModLabor.h"
#include "common/TextHelpers.h"
#include "common/TextLines.h"

#include "platform/db/JetError.h"
#include "platform/db/Recordset.h"
#include "platform/db/Transaction.h"
#include "platform/ui/DialogService.h"
#include "platform/ui/OverrideCursorGuard.h"

#include <QRegularExpression>

namespace trelimor {

namespace {

// The fields of ZAKLAD taken from a line, by field number (counted from 0).
const std::pair<const char*, int> kFields[] = {{"Nazwa", 9},  {"KodPocztowy", 10}, {"Miasto", 12},
                                               {"Ulica", 13}, {"Telefon", 21},     {"Uwagi", 22}};

} // namespace

EstablishmentImportResult importEstablishmentList(db::Database& stale, const QString& path)
{
    static const QRegularExpression eightDigits(QStringLiteral("^[0-9]{8}$"));
    TextLineReader lines(path); // the whole file checked before anything is stored
    EstablishmentImportResult result;
    db::Transaction transaction(stale, db::Transaction::Mode::Immediate);
    db::Recordset zaklad = stale.openRecordset(QStringLiteral("SELECT * FROM ZAKLAD"));
    QString line;
    while (lines.next(line)) {
        const QString code = PobierzPole2(line, 0, QStringLiteral(";")).toString().trimmed();
        if (!eightDigits.match(code).hasMatch()) {
            ++result.withoutCode;
            continue;
        }
        // Through the index of the dictionary's opening (DatabaseIndexes.h), so that a line costs
        // the same however many establishments are stored; a number added by an earlier line counts.
        if (stale.scalar(QStringLiteral("SELECT COUNT(*) FROM ZAKLAD WHERE WNI = ?"), {code}).toInt() > 0) {
            ++result.alreadyStored;
            continue;
        }
        zaklad.addNew();
        zaklad.setValue(QStringLiteral("WNI"), code);
        for (const auto& [field, number] : kFields)
            zaklad.setValue(QString::fromLatin1(field), PobierzPole2(line, number, QStringLiteral(";")));
        zaklad.update();
        ++result.added;
    }
    transaction.commit();
    return result;
}

void wczytajListeZakladow(RegisterWindow& window)
{
    window.Klawisze(false);
    const QString path = ui::openFile(QStringLiteral("Wczytaj"), QString(),
                                      QStringLiteral("All Files (*.*)|*.*|Pliki Tekstowe (*.txt)|*.txt"), 2);
    if (path.isEmpty()) {
        window.Klawisze(true);
        return;
    }
    try {
        ui::OverrideCursorGuard hourglass;
        const EstablishmentImportResult result = importEstablishmentList(ModLabor().BazaStale, path);
        hourglass.restore();
        window.dataControl().refresh();
        window.Klawisze(true);
        QString summary = QStringLiteral("Dopisano zakładów: %1.").arg(result.added);
        if (result.withoutCode > 0)
            summary +=
                QStringLiteral("\rPominięto wierszy bez 8-cyfrowego numeru WNI: %1.").arg(result.withoutCode);
        PokazInfo(summary, QStringLiteral("IMPORT"));
    } catch (const std::exception& e) {
        window.Klawisze(true);
        const auto* jet = dynamic_cast<const db::JetError*>(&e);
        if (const auto* refused = dynamic_cast<const TextFileRefused*>(&e))
            PokazUwage(refused->message(), QStringLiteral("IMPORT Z PLIKU"));
        else if (jet && jet->number() == db::jet::ConversionError)
            PokazUwage(QStringLiteral("Błąd wczytania! Sprawdź opcję programu: 'Wczytuj szyfrowane pliki'!"),
                       QStringLiteral("IMPORT Z PLIKU"));
        else // the reason follows on its own line, so the user can tell a bad file from a fault
            PokazInfo(QStringLiteral("Błąd wczytania! Poinformuj dostawcę programu!\r") + errorDescription(e),
                      QStringLiteral("IMPORT"));
    }
}

} // namespace trelimor
