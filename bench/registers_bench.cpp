// The list of establishments (a national list runs to tens of thousands of lines) imported into
// the dictionary database of a new installation, opened as the program opens it at its start:
// every line's number is looked up among the establishments stored so far, so a line must cost
// about the same at the end of a long list as at its beginning. The counter gives the time per
// line; each run starts from an empty register.

#include "common/InstallationFile.h"
#include "common/ModLabor.h"
#include "registers/EstablishmentImport.h"

#include "install/Installer.h"

#include "platform/paths/Folders.h"

#include "SilentDialogs.h"

#include <QFile>
#include <QStringEncoder>
#include <QStringList>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace trelimor;
using namespace Qt::StringLiterals;

namespace {

// A line as the lists come: 23 ";"-separated fields, the 8-digit number first, the name in
// field 9, the address and phone further on.
QString listLine(int number)
{
    static const QStringList kinds = {u"Rzeźnia"_s, u"Zakład przetwórczy"_s, u"Zbiornica padliny"_s,
                                      u"Gospodarstwo"_s};
    static const QStringList towns = {u"Łódź"_s, u"Gniezno"_s, u"Mińsk Mazowiecki"_s, u"Żyrardów"_s,
                                      u"Jelenia Góra"_s};
    const QString code = QString::number(10010000 + number * 37);
    const QString town = towns[number % towns.size()];
    QStringList fields(23);
    fields[0] = code;
    fields[1] = kinds[number % kinds.size()];
    fields[2] = u"mazowieckie"_s;
    fields[3] = code.left(4);
    fields[9] = u"Zakład Mięsny „Wólka” nr %1 sp. z o.o."_s.arg(number);
    fields[10] =
        u"%1-%2"_s.arg(number % 100, 2, 10, QLatin1Char('0')).arg(number % 1000, 3, 10, QLatin1Char('0'));
    fields[11] = town.toUpper();
    fields[12] = town;
    fields[13] = u"ul. Przemysłowa %1"_s.arg(number % 200 + 1);
    fields[17] = u"TAK"_s;
    fields[21] = u"+48 22 %1"_s.arg(number % 10000000, 7, 10, QLatin1Char('0'));
    fields[22] = number % 7 == 0 ? u"działalność zawieszona"_s : QString();
    return fields.join(u';');
}

// The list file of that many lines in Windows-1250: a header line (no number), then the
// establishments, every 25th line repeating the number of the line before it.
QString writeList(const QString& path, int lines)
{
    QStringList text{u"WNI;Rodzaj;Województwo;Powiat;;;;;;Nazwa;Kod;Poczta;Miejscowość;Ulica"_s};
    for (int i = 1; i < lines; ++i)
        text << listLine(i % 25 == 0 ? i - 1 : i);
    QStringEncoder encode("windows-1250");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(path));
    file.write(encode.encode(text.join(u"\r\n"_s) + u"\r\n"_s));
    return path;
}

void BM_ImportEstablishmentList(benchmark::State& state)
{
    const int lines = int(state.range(0));
    QTemporaryDir root;
    const QString folder = root.filePath(u"Trelimor"_s);
    qputenv("TRELIMOR_HOME", folder.toUtf8());
    qputenv("TRELIMOR_NETWORK", root.filePath(u"network"_s).toUtf8());
    ui::setDialogs(std::make_unique<bench::SilentDialogs>());
    install::createInstallation(folder, {});
    if (!CzytajParametry())
        qFatal("the installation does not open");
    db::Database& stale = ModLabor().BazaStale;
    const QString list = writeList(root.filePath(u"zaklady.txt"_s), lines);

    EstablishmentImportResult result;
    for (auto _ : state) {
        state.PauseTiming();
        stale.execute(u"DELETE FROM ZAKLAD"_s);
        state.ResumeTiming();
        result = importEstablishmentList(stale, list);
    }
    state.counters["added"] = result.added;
    state.counters["already_stored"] = result.alreadyStored;
    state.counters["per_line"] =
        benchmark::Counter(double(lines) * double(state.iterations()),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    resetModLabor();
}
BENCHMARK(BM_ImportEstablishmentList)->Arg(5000)->Arg(40000)->Unit(benchmark::kMillisecond);

} // namespace
