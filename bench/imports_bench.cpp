// The sample rows of a 2,000-row protocol spreadsheet loaded into a new batch of a year that holds
// 50,000 samples, as the batch save's automatic load does it through the window: the sheet read,
// every sample code looked up in the year, all samples stored in one transaction, the sample
// list shown with the last one selected.
//
// A laboratory's results file of 100,000 or 1,000,000 result lines (about 88 bytes a line)
// loaded into the same year through the window's "&Wczytaj wynik": the counters give the
// memory the import took at its peak (the process's peak resident set, reset before the
// import) beside the file's size.

#include "batch/BatchWindowImports.h"
#include "batch/FormPartia.h"
#include "common/Cp1250.h"
#include "common/ModLabor.h"
#include "imports/BatchImports.h"
#include "imports/ResultsImport.h"
#include "support/YearShapes.h"

#include "BatchWindowYear.h"
#include "SilentDialogs.h"

#include "platform/db/Transaction.h"

#include <QFile>
#include <QTemporaryDir>

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

// The Open dialog answers with the results file.
class PlikWynikow : public bench::SilentDialogs
{
public:
    explicit PlikWynikow(QString path)
        : m_path(std::move(path))
    {}
    QString openFile(const QString&, const QString&, const QString&, int) override { return m_path; }
    void message(const QString& text, const QString&, ui::Icon) override { m_last = text; }
    const QString& last() const { return m_last; }

private:
    QString m_path;
    QString m_last;
};

// The year's samples in herd groups (one a batch, its herd number NrStado = the batch's number),
// the samples of the first ten batches with the rows of the EBB and Br tests their results go
// to (the result tables have no index: a large one would measure the writes' search, not the
// reading of the file).
void przygotujSerologie(db::Database& rok)
{
    if (rok.hasTable(QStringLiteral("EBB")))
        return;
    test::applySerologyShape(rok);
    db::Transaction together(rok);
    rok.execute(QStringLiteral("UPDATE Badanie SET NrStado = Partia, PartiaG = Partia"));
    rok.execute(QStringLiteral("INSERT INTO PartiaG (PartiaG, Partia, NrGospod) "
                               "SELECT Partia, Partia, 'PL' || Partia FROM Partia"));
    for (const QString& tabela : {QStringLiteral("EBB"), QStringLiteral("Br")})
        rok.execute(QStringLiteral("INSERT INTO %1 (Partia, NrProbki) SELECT PartiaG, NrProbki FROM Badanie "
                                   "WHERE Partia <= 10")
                        .arg(tabela));
    together.commit();
}

// The header, then the year's holdings one after another with a line for each of their samples,
// over and over until the file has its lines: half of them flag EBB, half EBB and Br.
qint64 zapiszPlikWynikow(const QString& path, int linie)
{
    QFile plik(path);
    if (!plik.open(QIODevice::WriteOnly))
        return 0;
    QByteArray bajty;
    const auto dopisz = [&](const QString& linia) {
        cp1250::appendEncoded(linia, bajty);
        bajty += "\r\n";
        if (bajty.size() > (1 << 20)) {
            plik.write(bajty);
            bajty.clear();
        }
    };
    dopisz(QStringLiteral("[WynikPartia]|ZHW Poznań|1465|||||Serologia|15.03.2022|"));
    for (int n = 0; n < linie; ++n) {
        const int partia = (n / bench::kProbekNaPartie) % bench::kPartieRoku + 1;
        const int nr = n % bench::kProbekNaPartie + 1;
        if (nr == 1)
            dopisz(QStringLiteral("[PartiaG]|PL%1|").arg(partia));
        const QString kolczyk = QStringLiteral("PL%1").arg(partia * 100 + nr, 12, 10, QLatin1Char('0'));
        dopisz(n % 2 == 0
                   ? QStringLiteral("%1|%2|1|%3|Bydło|||||||T|N|N|N|N|N|N|N|N|0,12|A1|ujemny")
                         .arg(partia)
                         .arg(nr)
                         .arg(kolczyk)
                   : QStringLiteral("%1|%2|1|%3|Bydło|||||||T|T|N|N|N|N|N|N|N|0,12|A1|ujemny|-|1:20||0,3|"
                                    "ujemny|5|ujemny")
                         .arg(partia)
                         .arg(nr)
                         .arg(kolczyk));
    }
    plik.write(bajty);
    return plik.size();
}

// The peak resident set since the last reset, and the reset (Linux: /proc/self/clear_refs).
double szczytPamieciMB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& linia : status.readAll().split('\n'))
        if (linia.startsWith("VmHWM:"))
            return linia.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    return 0;
}
void wyzerujSzczytPamieci()
{
    QFile refs(QStringLiteral("/proc/self/clear_refs"));
    if (refs.open(QIODevice::WriteOnly))
        refs.write("5");
}

void BM_WczytajWyniki(benchmark::State& state)
{
    bench::przygotujRokPartii();
    BatchWindowImportHost okno(FormPartia::instance());
    db::Database& rok = ModLabor().BazaRok;
    przygotujSerologie(rok);
    QTemporaryDir folder;
    const QString plik = folder.filePath(QStringLiteral("wyniki.txt"));
    const qint64 rozmiar = zapiszPlikWynikow(plik, int(state.range(0)));
    auto odpowiedzi = std::make_unique<PlikWynikow>(plik);
    const PlikWynikow& okna = *odpowiedzi;
    auto poprzednie = ui::setDialogs(std::move(odpowiedzi));
    double szczyt = 0;
    double przed = 0;
    for (auto _ : state) {
        wyzerujSzczytPamieci();
        przed = szczytPamieciMB();
        ComWczytWynik_Click(okno);
        szczyt = szczytPamieciMB();
    }
    const QString komunikat = okna.last();
    ui::setDialogs(std::move(poprzednie));
    if (!komunikat.startsWith(QStringLiteral("Wczytano wyniki")))
        state.SkipWithError(komunikat.toUtf8().constData());
    state.counters["plik_MB"] = double(rozmiar) / (1024.0 * 1024.0);
    state.counters["przed_MB"] = przed;
    state.counters["szczyt_MB"] = szczyt;
    state.counters["import_MB"] = szczyt - przed;
}
BENCHMARK(BM_WczytajWyniki)
    ->Arg(1000)
    ->Arg(100'000)
    ->Arg(1'000'000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

} // namespace
