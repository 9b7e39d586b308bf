#pragma once

#include <QDate>
#include <QString>
#include <QVariantList>

#include <optional>

namespace trelimor {

// FiltrProbki: which samples of a batch a summary takes.
struct SampleFilter
{
    enum class Species {
        All,   // "wszystkie": no species condition
        Other, // "Inne": none of the four named species, or no species at all
        One,   // the species typed in the combo
    };
    Species species = Species::All;
    QString speciesText;           // as typed (Species::One)
    std::optional<QString> result; // Wynik as typed; nothing for "wszystkie"
};

// The common selection of every summary and listing: the batches whose date column lies in the
// period, narrowed by the batch filter and, for the summaries that test it, by the voivodeship and
// county of the establishment code; then the samples of those batches, narrowed by the sample
// filter. Every value reaches SQL as a bound value.
struct Selection
{
    QString MebOd; // the period's first and last day as typed
    QString MebDo;
    QDate from;
    QDate to;
    QString PoleDaty = QStringLiteral("DataUboju"); // the Partia column that places a batch
    std::optional<QString> FiltrPartii;             // KodZakladu as typed
    SampleFilter FiltrProbki;

    // The voivodeship and county test: only when a voivodeship is chosen; the county code is
    // tested when it is not blank.
    bool areaChosen = false;
    QString voivodeshipCode; // LabKodWIW
    QString countyCode;      // LabIDPIW

    // "<from> - <to>" as typed, the period column of the work rows.
    QString DataZakres() const { return MebOd + QStringLiteral(" - ") + MebDo; }
};

// A day of the period typed as "dd.mm.yyyy"; throws db::JetError (type mismatch) for text that
// is no date.
QDate periodDay(const QString& text);

// A piece of SQL with its bound values, in order.
struct SqlText
{
    QString sql;
    QVariantList params;
};

enum class AreaTest { Skip, Apply };

// "rok.Partia AS p WHERE ...": the batches of the selection.
SqlText batchesOf(const Selection& selection, AreaTest area);
// "rok.Partia AS p JOIN rok.Badanie AS b ON b.Partia = p.Partia WHERE ...": their samples.
SqlText samplesOf(const Selection& selection, AreaTest area);

// The order in which the per-batch loop meets a sample: batches in the order the batch query
// returns them (the table's own order), then each batch's samples in theirs.
inline constexpr const char* kSampleOrder = "(p.rowid * 4294967296 + b.rowid)";

} // namespace trelimor
