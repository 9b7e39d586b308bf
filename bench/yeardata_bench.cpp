// Building the seeded test years that the benchmarks of whole-year work start from: a program-made
// year filled with batches and samples, with and without the serology shape.

#include "support/YearGenerator.h"
#include "support/YearShapes.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace trelimor;

namespace {

void BM_GenerateYear(benchmark::State& state)
{
    const int samples = int(state.range(0));
    const bool serology = state.range(1) != 0;
    QTemporaryDir folder;
    int run = 0;
    for (auto _ : state) {
        state.PauseTiming();
        db::Database year =
            test::createProgramYear(folder.filePath(QStringLiteral("year%1.sqlite").arg(run++)));
        state.ResumeTiming();
        const test::GeneratedYear made =
            test::generateYear(year, {.batches = samples / 50 + 1, .samples = samples, .serology = serology});
        benchmark::DoNotOptimize(made.samples);
    }
    state.SetItemsProcessed(state.iterations() * samples);
}
BENCHMARK(BM_GenerateYear)
    ->Args({5000, 0})
    ->Args({50000, 0})
    ->Args({300000, 0})
    ->Args({300000, 1})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

} // namespace
