// The BSE summaries over seeded years of 5,000, 50,000 and 300,000 samples: each summary as the
// window runs it (one transaction of a fixed number of statements over the attached year), and,
// at 50,000 samples, the per-batch loop that defines its result. At the end a table gives each
// summary's times, the 300,000/50,000 ratio and the statements it ran at each size.

#include "statistics/AttachedYear.h"
#include "statistics/Counts.h"
#include "statistics/MonthlySummary.h"

#include "install/Installer.h"

#include "platform/db/Database.h"

#include "statistics/LoopOracle.h"
#include "support/YearGenerator.h"
#include "support/YearShapes.h"

#include <sqlite3.h>

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <functional>
#include <map>
#include <memory>

using namespace trelimor;
using namespace Qt::StringLiterals;

namespace {

// One seeded year in an installation of its own, made once per size for the whole run.
struct Year
{
    QTemporaryDir folder;
    db::Database rok;
    db::Database stale;
    db::Database robot;
    QString yearPath;
    QString stalePath;
};

Year& year(int samples)
{
    static std::map<int, std::unique_ptr<Year>> years;
    auto& slot = years[samples];
    if (!slot) {
        slot = std::make_unique<Year>();
        const install::Installation made =
            install::createInstallation(slot->folder.filePath(u"Trelimor"_s), {});
        slot->stalePath = made.dictionaryFile;
        slot->stale = db::Database::open(made.dictionaryFile);
        slot->stale.execute(u"INSERT INTO PIW (IDPIW, Miasto) VALUES ('1465', 'Warszawa'), ('1412', 'Mińsk "
                            "Mazowiecki'), ('0261', 'Jelenia Góra'), ('2862', 'Olsztyn')"_s);
        slot->robot = db::Database::open(made.reportWorkFile);
        slot->yearPath = slot->folder.filePath(u"Trelimor1465PIW2022.sqlite"_s);
        slot->rok = test::createProgramYear(slot->yearPath);
        test::generateYear(slot->rok, {.seed = 2022, .batches = samples / 10, .samples = samples});
        slot->rok.execute(u"CREATE INDEX IF NOT EXISTS BadaniePartia ON Badanie (Partia)"_s);
    }
    return *slot;
}

Selection wholeYear(const QString& dateColumn)
{
    Selection s;
    s.MebOd = u"01.01.2022"_s;
    s.MebDo = u"31.12.2022"_s;
    s.from = QDate(2022, 1, 1);
    s.to = QDate(2022, 12, 31);
    s.PoleDaty = dateColumn;
    return s;
}

// Counts the statements a connection starts.
class StatementCounter
{
public:
    explicit StatementCounter(db::Database& database)
        : m_handle(database.handle())
    {
        sqlite3_trace_v2(m_handle, SQLITE_TRACE_STMT, &StatementCounter::count, this);
    }
    ~StatementCounter() { sqlite3_trace_v2(m_handle, 0, nullptr, nullptr); }
    int statements() const { return m_statements; }

private:
    static int count(unsigned, void* self, void*, void*)
    {
        ++static_cast<StatementCounter*>(self)->m_statements;
        return 0;
    }
    sqlite3* m_handle;
    int m_statements = 0;
};

struct Summary
{
    const char* name;
    QString dateColumn;
    std::function<void(const AttachedYear&, const Selection&)> run;
    std::function<void(test::oracle::Databases&, const test::oracle::Settings&)> loop;
};

const std::vector<Summary>& summaries()
{
    static const std::vector<Summary> list = {
        {"RodzUboju", u"DataUboju"_s, [](const AttachedYear& y, const Selection& s) { ZestRodzUboju(y, s); },
         [](auto& d, const auto& s) { test::oracle::ZestRodzUboju(d, s); }},
        {"Woj", u"DataUboju"_s,
         [](const AttachedYear& y, const Selection& s) { ZliczWojPowZak(y, s, u"woj"_s); },
         [](auto& d, const auto& s) { test::oracle::ZliczWojPowZak(d, s, u"woj"_s); }},
        {"Pow", u"DataUboju"_s,
         [](const AttachedYear& y, const Selection& s) { ZliczWojPowZak(y, s, u"pow"_s); },
         [](auto& d, const auto& s) { test::oracle::ZliczWojPowZak(d, s, u"pow"_s); }},
        {"Zak", u"DataUboju"_s,
         [](const AttachedYear& y, const Selection& s) { ZliczWojPowZak(y, s, u"zak"_s); },
         [](auto& d, const auto& s) { test::oracle::ZliczWojPowZak(d, s, u"zak"_s); }},
        {"Wiek", u"DataUboju"_s,
         [](const AttachedYear& y, const Selection& s) { ZliczWiek(y, s, u"24"_s, u"60"_s); },
         [](auto& d, auto s) {
             s.TextWiekOd = u"24"_s;
             s.TextWiekDo = u"60"_s;
             test::oracle::ZliczWiek(d, s);
         }},
        {"Gatunek", u"DataUboju"_s, [](const AttachedYear& y, const Selection& s) { ZliczGatunek(y, s); },
         [](auto& d, const auto& s) { test::oracle::ZliczGatunek(d, s); }},
        {"BSEmce", u"DataPobr"_s,
         [](const AttachedYear& y, const Selection& s) {
             PrzygotujBSEmce(y.work(), u"BSEmceRodzUboju"_s);
             MonthlyProgress quiet{[](int) {}, [](int, int) {}, [] {}};
             ZliczBSEmce(y, s, quiet);
         },
         [](auto& d, const auto& s) { test::oracle::ZliczBSEmce(d, s); }},
    };
    return list;
}

struct Figures
{
    std::map<int, double> milliseconds; // by size
    std::map<int, int> statements;
    double loopAt50k = 0;
};

std::map<std::string, Figures>& figures()
{
    static std::map<std::string, Figures> all;
    return all;
}

// Runs the work once per iteration on an emptied IloscZak; its mean time in milliseconds.
double timed(benchmark::State& state, Year& y, const std::function<void()>& work)
{
    double total = 0;
    for (auto _ : state) {
        state.PauseTiming();
        y.robot.execute(u"DELETE FROM IloscZak"_s);
        state.ResumeTiming();
        const auto start = std::chrono::steady_clock::now();
        work();
        total += std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    }
    return total / double(state.iterations());
}

void BM_Summary(benchmark::State& state)
{
    const Summary& summary = summaries()[std::size_t(state.range(0))];
    const int samples = int(state.range(1));
    Year& y = year(samples);
    const Selection selection = wholeYear(summary.dateColumn);
    int statements = 0;
    const double milliseconds = timed(state, y, [&] {
        const AttachedYear attached(y.robot, y.yearPath, y.stalePath);
        const StatementCounter counter(y.robot);
        summary.run(attached, selection);
        statements = counter.statements();
    });
    state.counters["statements"] = statements;
    Figures& f = figures()[summary.name];
    f.milliseconds[samples] = milliseconds;
    f.statements[samples] = statements;
}

void BM_PerBatchLoop(benchmark::State& state)
{
    const Summary& summary = summaries()[std::size_t(state.range(0))];
    Year& y = year(int(state.range(1)));
    test::oracle::Databases d{y.rok, y.stale, y.robot};
    test::oracle::Settings s;
    s.MebOd = u"01.01.2022"_s;
    s.MebDo = u"31.12.2022"_s;
    s.PoleDaty = summary.dateColumn;
    // Row by row without waiting for the disk: the loop's time is then its own work alone.
    y.robot.execute(u"PRAGMA synchronous = OFF"_s);
    const double milliseconds = timed(state, y, [&] { summary.loop(d, s); });
    y.robot.execute(u"PRAGMA synchronous = FULL"_s);
    figures()[summary.name].loopAt50k = milliseconds;
}

void registerAll()
{
    for (int i = 0; i < int(summaries().size()); ++i) {
        for (const int samples : {5000, 50000, 300000})
            benchmark::RegisterBenchmark((std::string("Summary/") + summaries()[std::size_t(i)].name).c_str(),
                                         BM_Summary)
                ->Args({i, samples})
                ->Unit(benchmark::kMillisecond)
                ->Iterations(samples > 50000 ? 3 : 10);
        benchmark::RegisterBenchmark(
            (std::string("PerBatchLoop/") + summaries()[std::size_t(i)].name).c_str(), BM_PerBatchLoop)
            ->Args({i, 50000})
            ->Unit(benchmark::kMillisecond)
            ->Iterations(1);
    }
}

// The figures gathered so far, as a table: run last.
void BM_Table(benchmark::State& state)
{
    for (auto _ : state) {
    }
    std::printf("\n%-10s %9s %9s %9s %9s %18s %12s\n", "summary", "5k ms", "50k ms", "300k ms", "300k/50k",
                "statements", "loop 50k ms");
    for (const auto& [name, f] : figures()) {
        const auto at = [&f](int n) { return f.milliseconds.count(n) ? f.milliseconds.at(n) : 0.0; };
        QString statements;
        for (const auto& [size, count] : f.statements)
            statements += (statements.isEmpty() ? u""_s : u"/"_s) + QString::number(count);
        std::printf("%-10s %9.1f %9.1f %9.1f %9.2f %18s %12.1f\n", name.c_str(), at(5000), at(50000),
                    at(300000), at(50000) > 0 ? at(300000) / at(50000) : 0.0, qPrintable(statements),
                    f.loopAt50k);
    }
    std::printf("\n");
    std::fflush(stdout);
}

const bool registered = [] {
    registerAll();
    benchmark::RegisterBenchmark("Table", BM_Table)->Iterations(1);
    return true;
}();

} // namespace
