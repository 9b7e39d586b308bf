#pragma once

#include <QList>
#include <QString>

#include <optional>

namespace trelimor {

// What a summary option of the statistics window runs.
enum class Summary {
    KindOfSlaughter,   // ZestRodzUboju into RodzUboju
    Monthly,           // PrzygotujBSEmce and ZliczBSEmce into BSEmceRodzUboju
    Voivodeships,      // ZliczWojPowZak("woj")
    Counties,          // ZliczWojPowZak("pow")
    Establishments,    // ZliczWojPowZak("zak")
    AgeBand,           // ZliczWiek
    Species,           // ZliczGatunek
    EarTagAge,         // ListaNrKolczykaWiek
    EarTagWni,         // ListaNrKolczykaWNI
    Giw1,              // ListaGIW1
    RepeatedAnalyses,  // ListaAnalizPowt, repeated
    PerformedAnalyses, // ListaAnalizPowt, performed
};

// One option of the "Zestawienie" frame: its control, its summary, the report file, the title's
// first line and the first header line of OGOLNE (the other two are emptied), when it sets them.
struct SummaryOption
{
    QString control;
    Summary summary;
    QString reportFile;
    QString titleLine;
    std::optional<QString> header;
};

// The thirteen options in the order the dispatcher tests them.
const QList<SummaryOption>& summaryOptions();

} // namespace trelimor
