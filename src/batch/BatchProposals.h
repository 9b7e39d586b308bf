#pragma once

#include "platform/db/Database.h"

#include <QString>

#include <optional>

namespace trelimor {

// The establishment a new batch proposes: the first one marked Domyslny = "T".
struct DefaultEstablishment
{
    QString wni;  // TextZaklad
    QString typ;  // ComboWNI
    QString opis; // LabelNazZak: name, postal code and town
};
std::optional<DefaultEstablishment> defaultEstablishment(db::Database& stale);

// The numbers a new batch proposes, from the batch with the highest number: that number + 1 and
// its order number + 1 (not the highest order number); "1" and "1" in an empty year. An order
// number that is empty or no number gives an empty proposal, which the user fills in.
struct NextNumbers
{
    QString partia;
    QString zlecenie;
};
NextNumbers nextNumbers(db::Database& rok);

// The establishment's caption of a stored batch: name and town of the establishment with the
// code (trimmed), or an empty text when none has it; nothing when there is no establishment at
// all (the caption is then left as it is).
std::optional<QString> establishmentCaption(db::Database& stale, const QString& wni);

} // namespace trelimor
