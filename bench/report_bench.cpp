// The sampling protocol of a batch of 200 and of 2,000 samples, rendered from the shipped
// template: the expansion, the layout and the cutting into pages (what the report window waits
// for), and the writing of the whole PDF file.

#include "platform/report/Report.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace trelimor::report;
using namespace Qt::StringLiterals;

namespace {

// The protocol over a batch whose samples' owners and remarks take one to several lines.
Report protocol(int samples)
{
    Report report = Report::open(QStringLiteral(TRELIMOR_REPORTS_DIR) + u"/Protokol.html"_s);
    ReportData& data = report.data();
    data.addRow(u"Podatnik"_s, ReportRow{{u"TX2"_s, u"Powiatowy Inspektorat Weterynarii"_s},
                                         {u"TX3"_s, u"w m. st. Warszawie"_s}});
    data.addRow(
        u"Partia"_s,
        ReportRow{{u"Partia"_s, 12}, {u"NrZlecenia"_s, u"12"_s}, {u"Pobral"_s, u"lek. wet. Anna Nowak"_s}});
    const QStringList owners = {u"Nowak"_s, u"Kowalczyk-Brzęczyszczykiewicz"_s, u"Zawadzka-Łęczycka"_s};
    for (int nr = 1; nr <= samples; ++nr)
        data.addRow(u"Badanie"_s,
                    ReportRow{{u"IDProbkiWNI"_s, u"14650001"_s},
                              {u"IDProbkiNr"_s, nr},
                              {u"IDProbkiData"_s, u"30032022"_s},
                              {u"NrKolczyka"_s, u"PL%1"_s.arg(5467389120LL + nr, 12, 10, QLatin1Char('0'))},
                              {u"Gatunek"_s, u"Bydło"_s},
                              {u"WlascicielNazwisko"_s, owners.at(nr % owners.size())},
                              {u"WlascicielImie"_s, u"Józef"_s},
                              {u"WlascicielMiejscowosc"_s, u"Nowa Wieś Królewska"_s},
                              {u"Uwagi"_s, nr % 7 == 3 ? u"Sztuka padła w gospodarstwie, przywieziona do "
                                                         "zakładu utylizacyjnego"_s
                                                       : QString()}});
    report.setTexts({}, u" - badania w kierunku BSE"_s, {});
    return report;
}

void BM_RenderProtocol(benchmark::State& state)
{
    const Report report = protocol(int(state.range(0)));
    int pages = 0;
    for (auto _ : state)
        pages = report.render()->pageCount();
    state.counters["pages"] = pages;
}
BENCHMARK(BM_RenderProtocol)->Arg(200)->Arg(2000)->Unit(benchmark::kMillisecond);

void BM_ProtocolPdf(benchmark::State& state)
{
    const auto document = protocol(int(state.range(0))).render();
    QTemporaryDir dir;
    for (auto _ : state)
        document->exportPdf(dir.filePath(u"Protokol.pdf"_s));
    state.counters["pages"] = document->pageCount();
}
BENCHMARK(BM_ProtocolPdf)->Arg(2000)->Unit(benchmark::kMillisecond)->Iterations(2);

} // namespace
