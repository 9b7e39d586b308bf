// The batch window over a large year: 5,000 batches with 50,000 samples. Reading the batch list
// as the window's opening does (the batch grid filled, the newest batch's samples shown), and
// moving across the batch grid, each row change reading that batch's samples afresh. Both go
// through the window itself, shown off screen at its designed size.

#include "batch/FormPartia.h"

#include "BatchWindowYear.h"

#include <QApplication>

#include <benchmark/benchmark.h>

using namespace trelimor;

namespace {

void BM_WczytajPartie(benchmark::State& state)
{
    bench::przygotujRokPartii();
    FormPartia& okno = FormPartia::instance();
    for (auto _ : state) {
        okno.loadBatches();
        QApplication::processEvents();
    }
    state.counters["partie"] = okno.DataPartia->recordCount();
}
BENCHMARK(BM_WczytajPartie)->Unit(benchmark::kMillisecond);

// One iteration is one change of the current batch row: the sample list read afresh, the grids'
// models reset; with argument 1 also what the change makes Qt repaint.
void BM_ZmianaWierszaPartii(benchmark::State& state)
{
    bench::przygotujRokPartii();
    FormPartia& okno = FormPartia::instance();
    okno.loadBatches();
    QAbstractItemModel* partie = okno.DBGridPartia->model();
    int wiersz = 0;
    for (auto _ : state) {
        wiersz = (wiersz + 1) % 100;
        okno.DBGridPartia->setCurrentIndex(partie->index(wiersz, 0));
        if (state.range(0))
            QApplication::processEvents(); // what the user sees of the change is painted
    }
    state.counters["probki"] = okno.DataProbka->recordCount();
}
BENCHMARK(BM_ZmianaWierszaPartii)
    ->Arg(0)
    ->Arg(1)
    ->Iterations(100)
    ->Repetitions(3)
    ->Unit(benchmark::kMillisecond);

} // namespace
