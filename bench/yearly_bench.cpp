// Opening the yearly database as the main window does at every change of the working date: an
// existing file with all its column checks, and a new file created, announced and opened.

#include "common/ModLabor.h"
#include "common/ProgramState.h"
#include "common/YearlyDatabase.h"
#include "common/YearlyTables.h"

#include "platform/db/Database.h"
#include "platform/db/Recordset.h"
#include "platform/db/Transaction.h"
#include "platform/paths/Folders.h"

#include "SilentDialogs.h"

#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace trelimor;

namespace {

// A program folder with a complete dictionary database, county 1465, working year 2022.
struct Installation
{
    QTemporaryDir root;

    Installation()
    {
        qputenv("TRELIMOR_HOME", root.filePath(QStringLiteral("Trelimor")).toUtf8());
        qputenv("TRELIMOR_NETWORK", root.filePath(QStringLiteral("network")).toUtf8());
        QDir().mkpath(paths::dataFolder());
        ui::setDialogs(std::make_unique<bench::SilentDialogs>());
        db::Database stale =
            db::Database::create(paths::join(paths::dataFolder(), QStringLiteral("Stale.sqlite")));
        stale.createTable(
            {QStringLiteral("ZAKLAD"),
             {db::Field::text(QStringLiteral("WNI"), 10), db::Field::text(QStringLiteral("KodPIW"), 4)}});
        ModLabor().BazaStale = stale;
        programState().setCountyCode(QStringLiteral("1465"));
        programState().setWorkingDate(QDate(2022, 3, 15));
    }
    ~Installation()
    {
        resetModLabor();
        programState().reset();
    }
};

void fillSamples(db::Database& yearly, int samples)
{
    db::Transaction together(yearly);
    db::Recordset batches = yearly.openRecordset(QStringLiteral("SELECT * FROM Partia"));
    db::Recordset rs = yearly.openRecordset(QStringLiteral("SELECT * FROM Badanie"));
    for (int i = 0; i < samples; ++i) {
        if (i % 100 == 0) {
            batches.addNew();
            batches.setValue(QStringLiteral("Partia"), i / 100 + 1);
            batches.setValue(QStringLiteral("WNI"), QStringLiteral("zakładu ubojowego"));
            batches.update();
        }
        rs.addNew();
        rs.setValue(QStringLiteral("Partia"), i / 100 + 1);
        rs.setValue(QStringLiteral("NrProbki"), i % 100 + 1);
        rs.setValue(QStringLiteral("NrKolczyka"), QStringLiteral("PL%1").arg(i, 12, 10, QLatin1Char('0')));
        rs.setValue(QStringLiteral("Gatunek"), QStringLiteral("Bydło"));
        rs.update();
    }
    together.commit();
}

void BM_OpenExistingYearlyFile(benchmark::State& state)
{
    Installation installation;
    openYearlyDatabase();
    fillSamples(ModLabor().BazaRok, int(state.range(0)));
    const QString path = yearlyDatabasePath();
    for (auto _ : state)
        benchmark::DoNotOptimize(OtworzBazeRoku(path));
}
BENCHMARK(BM_OpenExistingYearlyFile)->Arg(0)->Arg(50000)->Unit(benchmark::kMillisecond);

void BM_CreateYearlyFile(benchmark::State& state)
{
    Installation installation;
    const QString path = yearlyDatabasePath();
    for (auto _ : state) {
        state.PauseTiming();
        ModLabor().BazaRok.close();
        removeDatabaseFile(path);
        state.ResumeTiming();
        benchmark::DoNotOptimize(openYearlyDatabase());
    }
}
BENCHMARK(BM_CreateYearlyFile)->Unit(benchmark::kMillisecond);

} // namespace
