// Renders every summary of the statistics window over a generated year (5,000 samples unless a
// count is given) into PDF files, one per option, to look at their layout:
//     summaries_pdf <output folder> [samples]
// then, for instance: pdftoppm -png -r 60 <output folder>/OptBseMceWgDatyPobrania.pdf mce

#include "statistics/AttachedYear.h"
#include "statistics/Counts.h"
#include "statistics/Listings.h"
#include "statistics/MonthlySummary.h"
#include "statistics/SummaryOptions.h"

#include "common/ReportEngine.h"
#include "install/Installer.h"

#include "platform/db/Database.h"
#include "platform/report/Report.h"

#include "support/YearGenerator.h"
#include "support/YearShapes.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

using namespace trelimor;
using namespace Qt::StringLiterals;

namespace {

Selection wholeYear(Summary summary)
{
    Selection s;
    s.MebOd = u"01.01.2022"_s;
    s.MebDo = u"31.12.2022"_s;
    s.from = QDate(2022, 1, 1);
    s.to = QDate(2022, 12, 31);
    s.PoleDaty = summary == Summary::Monthly ? u"DataPobr"_s : u"DataUboju"_s;
    return s;
}

// Fills the option's work table as the window's dispatcher does.
void fill(const SummaryOption& option, const AttachedYear& year, db::Database& robot)
{
    const Selection s = wholeYear(option.summary);
    robot.execute(u"DELETE FROM IloscZak"_s);
    robot.execute(u"UPDATE OGOLNE SET Naglowek1 = ?, Naglowek2 = NULL, Naglowek3 = NULL"_s,
                  {option.header.value_or(QString())});
    switch (option.summary) {
    case Summary::KindOfSlaughter:
        robot.execute(u"DELETE FROM RodzUboju"_s);
        ZestRodzUboju(year, s);
        break;
    case Summary::Monthly:
        PrzygotujBSEmce(robot, u"BSEmceRodzUboju"_s);
        ZliczBSEmce(year, s, MonthlyProgress{[](int) {}, [](int, int) {}, [] {}});
        robot.execute(u"UPDATE OGOLNE SET Naglowek1 = 'Województwo: wszystkie, Gatunek: wszystkie', "
                      "Naglowek2 = 'Data pobrania', Naglowek3 = '2022'"_s);
        break;
    case Summary::Voivodeships:
        ZliczWojPowZak(year, s, u"woj"_s);
        break;
    case Summary::Counties:
        ZliczWojPowZak(year, s, u"pow"_s);
        break;
    case Summary::Establishments:
        ZliczWojPowZak(year, s, u"zak"_s);
        break;
    case Summary::AgeBand:
        ZliczWiek(year, s, u"24"_s, u"60"_s);
        break;
    case Summary::Species:
        ZliczGatunek(year, s);
        break;
    case Summary::EarTagAge:
        ListaNrKolczykaWiek(year, s);
        break;
    case Summary::EarTagWni:
        ListaNrKolczykaWNI(year, s);
        break;
    case Summary::Giw1:
        ListaGIW1(year, s);
        break;
    case Summary::RepeatedAnalyses:
    case Summary::PerformedAnalyses:
        ListaAnalizPowt(year, s, option.summary == Summary::PerformedAnalyses);
        break;
    }
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int samples = argc == 3 ? std::atoi(argv[2]) : 5000;
    if (argc < 2 || argc > 3 || samples < 1) {
        std::fputs("usage: summaries_pdf <output folder> [samples]\n", stderr);
        return 2;
    }
    const QString output = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    QDir().mkpath(output);

    QTemporaryDir folder;
    const install::Installation made =
        install::createInstallation(folder.filePath(u"Trelimor"_s), QStringLiteral(TRELIMOR_REPORTS_DIR));
    {
        db::Database stale = db::Database::open(made.dictionaryFile);
        stale.execute(u"INSERT INTO PIW (IDPIW, Miasto) VALUES ('1465', 'Warszawa'), ('1412', 'Mińsk "
                      "Mazowiecki'), ('0261', 'Jelenia Góra'), ('2862', 'Olsztyn')"_s);
    }
    const QString yearPath = folder.filePath(u"Trelimor1465PIW2022.sqlite"_s);
    {
        db::Database rok = test::createProgramYear(yearPath);
        test::generateYear(rok, {.seed = 2022, .batches = samples / 10, .samples = samples});
    }
    db::Database robot = db::Database::open(made.reportWorkFile);
    robot.execute(u"DELETE FROM Podatnik"_s);
    robot.execute(u"INSERT INTO Podatnik (TX2, TX3, TX4, TX5) VALUES ('Powiatowy Inspektorat Weterynarii', "
                  "'w m. st. Warszawie', 'ul. Grochowska 272', '03-849 Warszawa')"_s);

    const ReportEngine engine;
    for (const SummaryOption& option : summaryOptions()) {
        {
            const AttachedYear year(robot, yearPath, made.dictionaryFile);
            fill(option, year, robot);
        }
        const auto report = engine.open(QDir(made.reportsFolder).filePath(option.reportFile));
        engine.readTables(*report, robot);
        report->data().title = option.titleLine + u"\rOKRES OD 01.01.2022 DO 31.12.2022, WG DATY UBOJU"_s;
        const QString path = QDir(output).filePath(option.control + u".pdf"_s);
        report->render()->exportPdf(path);
        std::printf("%s\n", qPrintable(path));
    }
    return 0;
}
