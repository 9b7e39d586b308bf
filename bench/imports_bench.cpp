// The sample rows of a 2,000-row protocol spreadsheet loaded into a new batch of a year that holds
// 50,000 samples, as the batch save's automatic load does it through the window: the sheet read,
// every sample code looked up in the year, all samples stored in one transaction, the sample
// list shown with the last one selected.
//
// A laboratory's results file of 1,000 to 1,000,000 result lines (about 88 bytes a line), and
// files of odd shapes (short lines, long lines, no line end), loaded into the same year through
// the window's "&Wczytaj wynik": the counters give the memory the import took at its peak (the
// process's peak resident set, reset before the import) beside the file's size.

#include "batch/BatchWindowImports.h"
#include "batch/FormPartia.h"
#include "common/Cp1250.h"
#include "common/ModLabor.h"
#include "common/TextLines.h"
#include "imports/BatchImports.h"
#include "imports/ResultsImport.h"
#include "support/PeakMemory.h"
#include "support/YearShapes.h"

#include "BatchWindowYear.h"
#include "SilentDialogs.h"

#include "platform/db/Transaction.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace trelimor;

namespace {

void BM_LoadProtocolSamples(benchmark::State& state)
{
    bench::przygotujRokPartii();
    FormPartia& window = FormPartia::instance();
    db::Database& year = ModLabor().BazaRok;
    const QString file = bench::daneTestowe(QStringLiteral("probki_2000.xls"));
    const qint64 batch = bench::kPartieRoku + 1;
    year.execute(
        QStringLiteral("INSERT INTO Partia (Partia, KodZakladu, Powiat) VALUES (?, '14650011', '1465')"),
        {batch});
    window.loadBatches(); // the new batch, the newest, is the current one
    BatchWindowImportHost host(window);
    int stored = 0;
    for (auto _ : state) {
        window.LabelWczytajPlik->setText(file);
        ComWczyt_Click(host);
        state.PauseTiming();
        stored = window.DataProbka->recordCount();
        year.execute(QStringLiteral("DELETE FROM Badanie WHERE Partia = ?"), {batch});
        state.ResumeTiming();
    }
    if (stored != 2000)
        state.SkipWithError("the sheet's samples were not all stored");
    state.counters["samples"] = stored;
    state.counters["year_samples"] = year.scalar(QStringLiteral("SELECT count(*) FROM Badanie")).toInt();
}
BENCHMARK(BM_LoadProtocolSamples)->Unit(benchmark::kMillisecond)->Iterations(5);

// The Open dialog answers with the results file.
class ResultsFileDialogs : public bench::SilentDialogs
{
public:
    explicit ResultsFileDialogs(QString path)
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
void prepareSerology(db::Database& year)
{
    if (year.hasTable(QStringLiteral("EBB")))
        return;
    test::applySerologyShape(year);
    db::Transaction together(year);
    year.execute(QStringLiteral("UPDATE Badanie SET NrStado = Partia, PartiaG = Partia"));
    year.execute(QStringLiteral("INSERT INTO PartiaG (PartiaG, Partia, NrGospod) "
                                "SELECT Partia, Partia, 'PL' || Partia FROM Partia"));
    for (const QString& table : {QStringLiteral("EBB"), QStringLiteral("Br")})
        year.execute(QStringLiteral("INSERT INTO %1 (Partia, NrProbki) SELECT PartiaG, NrProbki FROM Badanie "
                                    "WHERE Partia <= 10")
                         .arg(table));
    together.commit();
}

// The header, then the year's holdings one after another with a line for each of their samples,
// over and over until the file has its lines: half of them flag EBB, half EBB and Br.
qint64 writeResultsFile(const QString& path, int lineCount)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return 0;
    QByteArray bytes;
    const auto append = [&](const QString& line) {
        cp1250::appendEncoded(line, bytes);
        bytes += "\r\n";
        if (bytes.size() > (1 << 20)) {
            file.write(bytes);
            bytes.clear();
        }
    };
    append(QStringLiteral("[WynikPartia]|ZHW Poznań|1465|||||Serologia|15.03.2022|"));
    for (int n = 0; n < lineCount; ++n) {
        const int batch = (n / bench::kProbekNaPartie) % bench::kPartieRoku + 1;
        const int number = n % bench::kProbekNaPartie + 1;
        if (number == 1)
            append(QStringLiteral("[PartiaG]|PL%1|").arg(batch));
        const QString earTag = QStringLiteral("PL%1").arg(batch * 100 + number, 12, 10, QLatin1Char('0'));
        append(n % 2 == 0
                   ? QStringLiteral("%1|%2|1|%3|Bydło|||||||T|N|N|N|N|N|N|N|N|0,12|A1|ujemny")
                         .arg(batch)
                         .arg(number)
                         .arg(earTag)
                   : QStringLiteral("%1|%2|1|%3|Bydło|||||||T|T|N|N|N|N|N|N|N|0,12|A1|ujemny|-|1:20||0,3|"
                                    "ujemny|5|ujemny")
                         .arg(batch)
                         .arg(number)
                         .arg(earTag));
    }
    file.write(bytes);
    return file.size();
}

double peakMemoryMB()
{
    return double(test::peakMemoryKiB()) / 1024.0;
}

// What one import of a results file through the window took at its peak above the memory in use
// before it, and the last thing it said.
struct ResultsImportRun
{
    double beforeMB = 0;
    double peakMB = 0;
    QString message;
};

ResultsImportRun importResults(benchmark::State& state, const QString& file)
{
    bench::przygotujRokPartii();
    BatchWindowImportHost host(FormPartia::instance());
    prepareSerology(ModLabor().BazaRok);
    auto answers = std::make_unique<ResultsFileDialogs>(file);
    const ResultsFileDialogs& dialogs = *answers;
    auto previous = ui::setDialogs(std::move(answers));
    ResultsImportRun run;
    for (auto _ : state) {
        test::resetPeakMemory();
        run.beforeMB = peakMemoryMB();
        ComWczytWynik_Click(host);
        run.peakMB = peakMemoryMB();
    }
    run.message = dialogs.last();
    ui::setDialogs(std::move(previous));
    return run;
}

void BM_LoadResultsFile(benchmark::State& state)
{
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("wyniki.txt"));
    const qint64 fileSize = writeResultsFile(file, int(state.range(0)));
    const ResultsImportRun run = importResults(state, file);
    if (!run.message.startsWith(QStringLiteral("Wczytano wyniki")))
        state.SkipWithError(run.message.toUtf8().constData());
    state.counters["file_MB"] = double(fileSize) / (1024.0 * 1024.0);
    state.counters["before_MB"] = run.beforeMB;
    state.counters["peak_MB"] = run.peakMB;
    state.counters["import_MB"] = run.peakMB - run.beforeMB;
}
BENCHMARK(BM_LoadResultsFile)
    ->Arg(1000)
    ->Arg(100'000)
    ->Arg(180'000) // with its holding lines and header, just under the most lines a file may have
    ->Arg(1'000'000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

// Results files of odd shapes, the header first: what they cost however they end.
enum class Shape {
    ShortLines,        // 199,999 lines "1|1": with the header, the most lines a file may have
    ShortFlaggedLines, // as many lines flagging the last test and nothing else
    LongLines,         // 500 result lines of 60 KiB (a long ear tag and long values)
    ManyShortLines,    // 20,000,000 lines "1|1" (80 MB)
    NoLineEnd,         // 8 MiB after the header without a line end
};

qint64 writeShapedResultsFile(const QString& path, Shape shape)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return 0;
    file.write("[WynikPartia]|ZHW Poznań|1465|||||Serologia|15.03.2022|\r\n");
    const auto repeat = [&file](const QByteArray& line, qint64 count) {
        const QByteArray piece = line.repeated(qMax<qint64>(1, (1 << 20) / line.size()));
        const qint64 perPiece = piece.size() / line.size();
        for (qint64 n = 0; n < count; n += perPiece)
            file.write(n + perPiece <= count ? piece : line.repeated(count - n));
    };
    switch (shape) {
    case Shape::ShortLines:
        repeat("1|1\r\n", kMaxTextLines - 1);
        break;
    case Shape::ShortFlaggedLines:
        repeat("1|1||||||||||||||||||T\r\n", kMaxTextLines - 1);
        break;
    case Shape::LongLines:
        repeat("1|1|1|" + QByteArray(30'000, 'x') + "|Byd\xb3o|||||||T|T|T|T|T|T|T|T|T|" +
                   QByteArray(30'000, '7') + "\r\n",
               500);
        break;
    case Shape::ManyShortLines:
        repeat("1|1\n", 20'000'000);
        break;
    case Shape::NoLineEnd:
        repeat(QByteArray(1 << 20, 'x'), 8);
        break;
    }
    return file.size();
}

void BM_LoadShapedResultsFile(benchmark::State& state)
{
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("wyniki.txt"));
    const qint64 fileSize = writeShapedResultsFile(file, Shape(state.range(0)));
    const ResultsImportRun run = importResults(state, file);
    // What the import said, on one line.
    QString said = run.message.left(90);
    state.SetLabel(said.replace(QLatin1Char('\r'), QLatin1Char(' ')).toStdString());
    state.counters["file_MB"] = double(fileSize) / (1024.0 * 1024.0);
    state.counters["import_MB"] = run.peakMB - run.beforeMB;
}
BENCHMARK(BM_LoadShapedResultsFile)
    ->DenseRange(int(Shape::ShortLines), int(Shape::NoLineEnd))
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

} // namespace
