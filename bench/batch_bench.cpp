// The batch window over a large year: 5,000 batches with 50,000 samples. Reading the batch list
// as the window's opening does (the batch grid filled, the newest batch's samples shown), and
// moving across the batch grid, each row change reading that batch's samples afresh. Both go
// through the window itself, shown off screen at its designed size.

#include "batch/FormPartia.h"

#include "common/ModLabor.h"
#include "common/ProgramState.h"
#include "common/YearlyDatabase.h"

#include "platform/db/Database.h"
#include "platform/db/Transaction.h"
#include "platform/paths/Folders.h"
#include "platform/ui/DefaultInstance.h"

#include "SilentDialogs.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

using namespace trelimor;

namespace {

constexpr int kPartie = 5000;
constexpr int kProbekNaPartie = 10;

void wypelnijRok(db::Database& rok)
{
    db::Transaction together(rok);
    for (int partia = 1; partia <= kPartie; ++partia) {
        const QDate pobrano = QDate(2022, 1, 1).addDays(partia % 360);
        rok.execute(
            QStringLiteral("INSERT INTO Partia (Partia, IlProbek, NrZlecenia, Powiat, WNI, KodZakladu, "
                           "DataUboju, GodzUboju, DataPobr, GodzPobr, Pobral, Uwagi) "
                           "VALUES (?, ?, ?, '1465', 'zakładu ubojowego', '14650011', ?, '07:30', ?, "
                           "'08:15', 'Jan Nowak', ?)"),
            {partia, kProbekNaPartie, QString::number(partia % 10000), pobrano, pobrano,
             QStringLiteral("partia %1").arg(partia)});
        for (int nr = 1; nr <= kProbekNaPartie; ++nr)
            rok.execute(
                QStringLiteral("INSERT INTO Badanie (Partia, NrProbki, IDProbkiWNI, IDProbkiNr, "
                               "IDProbkiData, Gatunek, Plec, NrKolczyka, Wiek, RodzajUboju, "
                               "ObjawyChorobowe, Uzytkowosc, NrGospod, WlascicielNazwisko) "
                               "VALUES (?, ?, '14650011', ?, ?, 'Bydło', 'żeńska', ?, 30, 'N', 'brak', "
                               "'mleczna', 'PL0123456789001', 'Kowalski')"),
                {partia, nr, QStringLiteral("%1").arg(nr, 3, 10, QLatin1Char('0')),
                 pobrano.toString(QStringLiteral("ddMMyyyy")),
                 QStringLiteral("PL%1").arg(partia * 100 + nr, 12, 10, QLatin1Char('0'))});
    }
    together.commit();
}

// A program folder with an empty dictionary database and the year 2022 of county 1465, filled
// once for all the benchmarks; the window shown over it.
struct RokPartii
{
    QTemporaryDir root;

    RokPartii()
    {
        qputenv("TRELIMOR_HOME", root.filePath(QStringLiteral("Trelimor")).toUtf8());
        qputenv("TRELIMOR_NETWORK", root.filePath(QStringLiteral("network")).toUtf8());
        QDir().mkpath(paths::dataFolder());
        ui::setDialogs(std::make_unique<bench::SilentDialogs>());
        ModLabor().BazaStale =
            db::Database::create(paths::join(paths::dataFolder(), QStringLiteral("Stale.sqlite")));
        programState().setCountyCode(QStringLiteral("1465"));
        programState().setWorkingDate(QDate(2022, 3, 15));
        ComTworzBazy_Click();
        wypelnijRok(ModLabor().BazaRok);
        FormPartia& okno = FormPartia::instance();
        okno.przygotujDoPokazania();
        okno.show();
        QApplication::processEvents();
    }
    ~RokPartii()
    {
        ui::resetAllInstances();
        resetModLabor();
        programState().reset();
    }
};

// Made by the first benchmark that needs it, dropped before the application ends.
std::unique_ptr<RokPartii> g_rok;

RokPartii& rok()
{
    if (!g_rok) {
        g_rok = std::make_unique<RokPartii>();
        // The windows and the database go before the application does.
        qAddPostRoutine([] { g_rok.reset(); });
    }
    return *g_rok;
}

void BM_WczytajPartie(benchmark::State& state)
{
    rok();
    FormPartia& okno = FormPartia::instance();
    for (auto _ : state) {
        okno.WczytajPartie();
        QApplication::processEvents();
    }
    state.counters["partie"] = okno.DataPartia->recordCount();
}
BENCHMARK(BM_WczytajPartie)->Unit(benchmark::kMillisecond);

// One iteration is one change of the current batch row: the sample list read afresh, the grids'
// models reset; with argument 1 also what the change makes Qt repaint.
void BM_ZmianaWierszaPartii(benchmark::State& state)
{
    rok();
    FormPartia& okno = FormPartia::instance();
    okno.WczytajPartie();
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
