// The database engine against the raw SQLite API it stands on: inserting, walking and finding
// sample rows as the batch window and the imports do.

#include "platform/db/Database.h"
#include "platform/db/Recordset.h"
#include "platform/db/Transaction.h"

#include <sqlite3.h>

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace trelimor::db;

namespace {

TableDef samplesTable()
{
    return {QStringLiteral("Badanie"),
            {Field::of(QStringLiteral("Partia"), DataType::Long),
             Field::of(QStringLiteral("NrProbki"), DataType::Integer),
             Field::text(QStringLiteral("IDProbkiWNI"), 10), Field::text(QStringLiteral("IDProbkiNr"), 5),
             Field::text(QStringLiteral("IDProbkiData"), 8), Field::text(QStringLiteral("Gatunek"), 20),
             Field::text(QStringLiteral("Plec"), 6), Field::text(QStringLiteral("NrKolczyka"), 16),
             Field::of(QStringLiteral("Wiek"), DataType::Single),
             Field::text(QStringLiteral("RodzajUboju"), 10),
             Field::text(QStringLiteral("WlascicielNazwisko"), 30),
             Field::of(QStringLiteral("Uwagi"), DataType::Memo)}};
}

const QStringList kFields = {"Partia",  "NrProbki", "IDProbkiWNI", "IDProbkiNr", "IDProbkiData",
                             "Gatunek", "Plec",     "NrKolczyka",  "Wiek",       "RodzajUboju"};

void insertWithRecordset(Database& db, int rows)
{
    Transaction t(db);
    Recordset rs = db.openRecordset(QStringLiteral("SELECT * FROM Badanie"));
    for (int i = 0; i < rows; ++i) {
        rs.addNew();
        rs.setValue(0, i / 100 + 1);
        rs.setValue(1, i % 100 + 1);
        rs.setValue(2, QStringLiteral("14650001"));
        rs.setValue(3, QStringLiteral("%1").arg(i % 100 + 1, 3, 10, QLatin1Char('0')));
        rs.setValue(4, QStringLiteral("15032021"));
        rs.setValue(5, QStringLiteral("Bydło"));
        rs.setValue(6, QStringLiteral("żeńska"));
        rs.setValue(7, QStringLiteral("PL%1").arg(i, 12, 10, QLatin1Char('0')));
        rs.setValue(8, 30 + i % 50);
        rs.setValue(9, QStringLiteral("N"));
        rs.update();
    }
    t.commit();
}

struct Fixture
{
    QTemporaryDir dir;
    Database db;
    explicit Fixture(int rows = 0)
    {
        db = Database::create(dir.filePath(QStringLiteral("bench.sqlite")));
        db.createTable(samplesTable());
        if (rows > 0)
            insertWithRecordset(db, rows);
    }
    ~Fixture() { db.close(); }
};

void BM_RecordsetInsert(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        Fixture f;
        state.ResumeTiming();
        insertWithRecordset(f.db, int(state.range(0)));
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_RecordsetInsert)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_RawSqliteInsert(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        Fixture f;
        sqlite3* h = f.db.handle();
        sqlite3_stmt* stmt = nullptr;
        sqlite3_prepare_v2(
            h,
            "INSERT INTO Badanie (Partia, NrProbki, IDProbkiWNI, IDProbkiNr, IDProbkiData, Gatunek, "
            "Plec, NrKolczyka, Wiek, RodzajUboju) VALUES (?,?,?,?,?,?,?,?,?,?)",
            -1, &stmt, nullptr);
        state.ResumeTiming();
        sqlite3_exec(h, "BEGIN", nullptr, nullptr, nullptr);
        for (int i = 0; i < state.range(0); ++i) {
            const QByteArray nr = QStringLiteral("%1").arg(i % 100 + 1, 3, 10, QLatin1Char('0')).toUtf8();
            const QByteArray tag = QStringLiteral("PL%1").arg(i, 12, 10, QLatin1Char('0')).toUtf8();
            sqlite3_bind_int64(stmt, 1, i / 100 + 1);
            sqlite3_bind_int64(stmt, 2, i % 100 + 1);
            sqlite3_bind_text(stmt, 3, "14650001", -1, SQLITE_STATIC);
            sqlite3_bind_text(stmt, 4, nr.constData(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_text(stmt, 5, "15032021", -1, SQLITE_STATIC);
            sqlite3_bind_text(stmt, 6, "Bydło", -1, SQLITE_STATIC);
            sqlite3_bind_text(stmt, 7, "żeńska", -1, SQLITE_STATIC);
            sqlite3_bind_text(stmt, 8, tag.constData(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_double(stmt, 9, 30 + i % 50);
            sqlite3_bind_text(stmt, 10, "N", -1, SQLITE_STATIC);
            sqlite3_step(stmt);
            sqlite3_reset(stmt);
        }
        sqlite3_exec(h, "COMMIT", nullptr, nullptr, nullptr);
        state.PauseTiming();
        sqlite3_finalize(stmt);
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_RawSqliteInsert)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_RecordsetWalk(benchmark::State& state)
{
    Fixture f(int(state.range(0)));
    for (auto _ : state) {
        Recordset rs = f.db.openRecordset(QStringLiteral("SELECT * FROM Badanie"));
        qint64 sum = 0;
        for (; !rs.eof(); rs.moveNext())
            for (const QString& name : kFields)
                sum += rs.value(name).toString().size();
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_RecordsetWalk)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_FindFirstOnText(benchmark::State& state)
{
    Fixture f(int(state.range(0)));
    Recordset rs = f.db.openRecordset(QStringLiteral("SELECT * FROM Badanie ORDER BY NrKolczyka"));
    int i = 0;
    for (auto _ : state) {
        const QString tag =
            QStringLiteral("pl%1").arg((i++ * 7919) % state.range(0), 12, 10, QLatin1Char('0'));
        benchmark::DoNotOptimize(rs.findFirst(QStringLiteral("NrKolczyka = ?"), {tag}));
    }
}
BENCHMARK(BM_FindFirstOnText)->Arg(10000)->Unit(benchmark::kMicrosecond);

} // namespace
