// The serology export of a whole year, as the user runs it: the incomplete-sample check, the
// export file with its progress display, and the zip archive; the mail question answered No.

#include "export/SerologyExport.h"
#include "export/SerologyExportHost.h"

#include "common/ModLabor.h"
#include "common/ProgramState.h"

#include "platform/paths/Folders.h"
#include "platform/ui/DialogService.h"
#include "support/YearGenerator.h"
#include "support/YearShapes.h"

#include "SilentDialogs.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace trelimor;

namespace {

// Yes to the export, the file's path in the Save dialog, No to the mail.
class ExportDialogs final : public bench::SilentDialogs
{
public:
    explicit ExportDialogs(QString path)
        : m_path(std::move(path))
    {}
    bool askYesNo(const QString& text, const QString&, ui::Icon, bool) override
    {
        return text.startsWith(QStringLiteral("Czy wysłać dane"));
    }
    QString saveFile(const QString&, const QString&, const QString&, int) override { return m_path; }

private:
    QString m_path;
};

// The main window's display, drawn by nobody.
class NoDisplay final : public SerologyExportHost
{
public:
    void setFrameCzekajVisible(bool) override {}
    void setLabelPrCz(const QString&) override {}
    void setFrameDoWIWVisible(bool) override {}
    QString LabTab() const override { return m_labTab; }
    void setLabTab(const QString& caption) override { m_labTab = caption; }
    void setLabIl(const QString&) override {}
    void setProgressBar1Range(int, int) override {}
    void setProgressBar1Value(int) override {}

private:
    QString m_labTab;
};

void BM_SerologyExport(benchmark::State& state)
{
    const int samples = int(state.range(0));
    QTemporaryDir root;
    qputenv("TRELIMOR_HOME", root.filePath(QStringLiteral("Trelimor")).toUtf8());
    QDir().mkpath(paths::exportFolder());
    QDir().mkpath(paths::dataFolder());
    const QString file = paths::join(paths::exportFolder(), QStringLiteral("ZHW-BSEMiesiac2022-03"));
    auto previous = ui::setDialogs(std::make_unique<ExportDialogs>(file));

    db::Database stale =
        db::Database::create(paths::join(paths::dataFolder(), QStringLiteral("Stale.sqlite")));
    stale.createTable({QStringLiteral("PODATNIK"), {db::Field::text(QStringLiteral("Miejsc"), 50)}});
    ModLabor().BazaStale = stale;
    db::Database year = test::createProgramYear(
        paths::join(paths::dataFolder(), QStringLiteral("Trelimor1465PIW2022.sqlite")));
    const test::GeneratedYear made =
        test::generateYear(year, {.batches = samples / 100 + 1, .samples = samples, .serology = true});
    // Every sample complete, so that the check lets the export go on.
    year.execute(QStringLiteral("UPDATE Badanie SET BadajEBB = 'N' WHERE BadajEBB = ''"));
    ModLabor().BazaRok = year;
    programState().setWorkingDate(QDate(2022, 3, 15));

    NoDisplay display;
    for (auto _ : state)
        ComZakWIW_Click(display);

    state.counters["rows"] = made.batches + made.samples + made.herdGroups + made.resultRows;
    state.counters["file_MB"] = double(QFileInfo(file).size()) / 1e6;
    state.counters["zip_MB"] = double(QFileInfo(file + QStringLiteral(".zip")).size()) / 1e6;
    resetModLabor();
    programState().reset();
    ui::setDialogs(std::move(previous));
}
BENCHMARK(BM_SerologyExport)->Arg(5000)->Arg(50000)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
