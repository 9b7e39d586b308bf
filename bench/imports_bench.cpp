// The sample rows of a 2,000-row protocol spreadsheet loaded into a new batch of a year that holds
// 50,000 samples, as the batch save's automatic load does it through the window: the sheet read,
// every sample code looked up in the year, all samples stored in one transaction, the sample
// list shown with the last one selected.

#include "batch/BatchWindowImports.h"
#include "batch/FormPartia.h"
#include "common/ModLabor.h"
#include "imports/BatchImports.h"

#include "BatchWindowYear.h"

#include <benchmark/benchmark.h>

using namespace trelimor;

namespace {

void BM_WczytajProbkiProtokolu(benchmark::State& state)
{
    bench::przygotujRokPartii();
    FormPartia& okno = FormPartia::instance();
    db::Database& rok = ModLabor().BazaRok;
    const QString plik = bench::daneTestowe(QStringLiteral("probki_2000.xls"));
    const qint64 partia = bench::kPartieRoku + 1;
    rok.execute(
        QStringLiteral("INSERT INTO Partia (Partia, KodZakladu, Powiat) VALUES (?, '14650011', '1465')"),
        {partia});
    okno.loadBatches(); // the new batch, the newest, is the current one
    BatchWindowImportHost host(okno);
    int zapisane = 0;
    for (auto _ : state) {
        okno.LabelWczytajPlik->setText(plik);
        ComWczyt_Click(host);
        state.PauseTiming();
        zapisane = okno.DataProbka->recordCount();
        rok.execute(QStringLiteral("DELETE FROM Badanie WHERE Partia = ?"), {partia});
        state.ResumeTiming();
    }
    if (zapisane != 2000)
        state.SkipWithError("the sheet's samples were not all stored");
    state.counters["probki"] = zapisane;
    state.counters["rok"] = rok.scalar(QStringLiteral("SELECT count(*) FROM Badanie")).toInt();
}
BENCHMARK(BM_WczytajProbkiProtokolu)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace
