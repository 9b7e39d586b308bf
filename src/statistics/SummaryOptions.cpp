#include "SummaryOptions.h"

using namespace Qt::StringLiterals;

namespace trelimor {

const QList<SummaryOption>& summaryOptions()
{
    static const QList<SummaryOption> options = {
        {u"OptIloscRodzajUboju"_s, Summary::KindOfSlaughter, u"BseRodzUboju.rpt"_s,
         u"ZESTAWIENIE ILOŚCI PRÓBEK Z PODZIAŁEM NA RODZAJ UBOJU"_s, std::nullopt},
        // The monthly summary sets its three header lines itself.
        {u"OptBseMceWgDatyPobrania"_s, Summary::Monthly, u"BSEmceRodzUboju.rpt"_s,
         u"ZESTAWIENIE ZBADANYCH PRÓBEK"_s, std::nullopt},
        {u"OptIloscWoj"_s, Summary::Voivodeships, u"IloscWojPowZak.rpt"_s,
         u"ZESTAWIENIE ILOŚCI BADAŃ Z PODZIAŁEM NA WOJEWÓDZTWA"_s, u"Nazwa województwa"_s},
        {u"OptIloscPow"_s, Summary::Counties, u"IloscWojPowZak.rpt"_s,
         u"ZESTAWIENIE ILOŚCI BADAŃ Z PODZIAŁEM NA POWIATY"_s, u"Nazwa i Kod powiatu"_s},
        {u"OptIloscZak"_s, Summary::Establishments, u"IloscWojPowZak.rpt"_s,
         u"ZESTAWIENIE ILOŚCI BADAŃ DLA ZAKŁĄDU"_s, u"Kod zakładu"_s},
        {u"OptIloscWiek"_s, Summary::AgeBand, u"IloscWiek.rpt"_s,
         u"ZESTAWIENIE ILOŚCI BADAŃ Z UWZGLĘDNIENIEM WIEKU ZWIERZĄT"_s, u"Wiek w miesiącach"_s},
        {u"OptIloscGatunek"_s, Summary::Species, u"IloscWojPowZak.rpt"_s,
         u"ZESTAWIENIE ILOŚCI BADAŃ Z PODZIAŁEM NA GATUNKI"_s, u"Gatunek"_s},
        {u"OptNrKolczykaWiek"_s, Summary::EarTagAge, u"NrKolczykaWiek.rpt"_s,
         u"ZESTAWIENIE ZBADANYCH SZTUK"_s, std::nullopt},
        {u"OptNrKolczykaWNI"_s, Summary::EarTagWni, u"NrKolczykaWNI.rpt"_s,
         u"ZESTAWIENIE ZBADANYCH SZTUK - RAPORT GIW"_s, std::nullopt},
        {u"OptGIW1"_s, Summary::Giw1, u"GIW1.rpt"_s, u"ZESTAWIENIE SZTUK ZBADANYCH W KIERUNKU BSE I TSE"_s,
         std::nullopt},
        {u"OptIloscAnalizPowtorzonych"_s, Summary::RepeatedAnalyses, u"NrKolczykaBadPowt.rpt"_s,
         u"ILOŚĆ ANALIZ POWTÓRZONYCH"_s, u"Ilość analiz powtórzonych"_s},
        {u"OptIloscAnalizWykonanych"_s, Summary::PerformedAnalyses, u"NrKolczykaBadPowt.rpt"_s,
         u"ILOŚĆ ANALIZ WYKONANYCH"_s, u"Ilość analiz wykonanych"_s},
        {u"OptIloscAnalizRodzajUboju"_s, Summary::KindOfSlaughter, u"BseRodzUbojuIlAnaliz.rpt"_s,
         u"ZESTAWIENIE ILOŚCI ANALIZ Z PODZIAŁEM NA RODZAJ UBOJU"_s, std::nullopt},
    };
    return options;
}

} // namespace trelimor
