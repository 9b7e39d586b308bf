#include "BatchGrids.h"

#include "common/DataControl.h"
#include "common/DataGrid.h"

#include <QHeaderView>

namespace trelimor {

namespace {

// The rows a grid reads to fit its columns to what they show: enough for the rows in view.
constexpr int kWierszeDopasowania = 60;

// A column whose caption is its field's name.
GridColumn pole(const char* field)
{
    const QString name = QString::fromLatin1(field);
    return {name, name};
}

GridColumn pole(const char* caption, const char* field)
{
    return {QString::fromUtf8(caption), QString::fromLatin1(field)};
}

} // namespace

const QList<GridColumn>& batchColumns()
{
    static const QList<GridColumn> columns{
        pole("Partia"),
        pole("IlProbek"),
        pole("Numer zlecenia", "NrZlecenia"),
        pole("Kod zakładu", "KodZakladu"),
        pole("Powiat", "PIWmiasto"),
        pole("Kod PIW", "Powiat"),
        pole("Data uboju", "DataUboju"),
        pole("Godz uboju", "GodzUboju"),
        pole("Data pobrania", "DataPobr"),
        pole("Godz pobrania", "GodzPobr"),
        pole("Data utylizacji", "DataUtylizacji"),
        pole("Godz utylizacji", "GodzUtylizacji"),
        pole("Data wysyłki", "DataWysylki"),
        pole("Godz wysyłki", "GodzWysylki"),
        pole("Pobrał", "Pobral"),
        pole("Korekta"),
        pole("Powtórzenie", "Powtorzenie"),
        pole("Uwagi"),
        pole("ZgodnieZ"),
        pole("SeriaTest"),
        pole("Opinie"),
        pole("Interpretacje"),
        pole("Próbki zostały pobrane ... ", "ProceduraPobierania"),
        pole("Plan pobierania próbek", "PlanPobierania"),
    };
    return columns;
}

const QList<GridColumn>& sampleColumns()
{
    static const QList<GridColumn> columns{
        pole("Nr próbki", "NrProbki"),
        pole("IDProbkiWNI"),
        pole("Kod próbki", "IDProbkiNr"),
        pole("IDProbkiData"),
        pole("Gatunek"),
        pole("Gatunek2"),
        pole("Nr kolczyka", "NrKolczyka"),
        pole("Wiek (m-c)", "Wiek"),
        pole("Data urodzenia", "DataUrodzenia"),
        pole("Plec"),
        pole("Rodzaj uboju", "RodzajUboju"),
        pole("Identyfikator stada", "NrGospod"),
        pole("Kod PIW", "KodPIW"),
        pole("Objawy chorobowe", "ObjawyChorobowe"),
        pole("Uzytkowosc"),
        pole("Liczebność stada", "LiczebnoscStada"),
        pole("Nazwisko", "WlascicielNazwisko"),
        pole("WlascicielImie"),
        pole("Miejscowość", "WlascicielMiejscowosc"),
        pole("Ulica/Nr posesji", "WlascicielNrPosesja"),
        pole("Województwo", "Wojewodztwo"),
        pole("Powiat"),
        pole("Gmina"),
        pole("System utrzymania", "SystemUtrzymania"),
        pole("Rodzaj materiału", "RodzajMaterialu"),
        pole("Warunki przechowywania", "WarunkiPrzechowywania"),
        pole("Uwagi"),
    };
    return columns;
}

void prepareGrid(DataGrid& siatka, DataControl& dane, const QList<GridColumn>& kolumny)
{
    siatka.horizontalHeader()->setResizeContentsPrecision(kWierszeDopasowania);
    siatka.setSelectionBehavior(QAbstractItemView::SelectRows);
    siatka.bind(&dane, kolumny);
}

void bindBatchSamples(DataControl& probki, db::Database& baza, const QVariant& partia)
{
    probki.bind(baza, QStringLiteral("SELECT * FROM Badanie WHERE PARTIA = ? ORDER BY NrPROBKI"), {partia});
}

QString sampleCaption(const QString& partia, int ilosc)
{
    return QStringLiteral("PRÓBKI NALEŻĄCE DO PARTII NR: ") + partia +
           QStringLiteral("               ILOŚĆ POZYCJI: ") + QString::number(ilosc);
}

} // namespace trelimor
