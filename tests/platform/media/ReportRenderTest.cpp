#include "platform/report/Report.h"
#include "platform/report/ReportError.h"
#include "platform/report/ReportPreview.h"

#include "support/TestFiles.h"

#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextDocument>

#include <gtest/gtest.h>

using namespace trelimor::report;

namespace {

const QString polishLetters = QStringLiteral("ąęłńóśźż ĄĘŁŃÓŚŹŻ");

const char* protocolTemplate = R"(<html><body>
<h1>Protokół pobrania{{title}}</h1>
<p>{{textA}} {{first.Podatnik.Miejsc}}</p>
<table border="1" cellspacing="0">
<thead><tr><th>Lp.</th><th>Nr kolczyka</th><th>Właściciel</th></tr></thead>
<tbody>
{{#Badanie}}<tr><td>{{_row}}</td><td>{{NrKolczyka}}</td><td>{{Wlasciciel}}</td></tr>
{{/Badanie}}</tbody>
</table>
<p>{{textC}}</p>
</body></html>)";

Report protocolReport(const QTemporaryDir& dir, int samples)
{
    const QString path = dir.filePath(QStringLiteral("Protokol.html"));
    trelimor::test::writeFile(path, protocolTemplate);
    Report report = Report::open(path);
    ReportData& data = report.data();
    data.addRow(QStringLiteral("Podatnik"),
                ReportRow{{QStringLiteral("Miejsc"), QStringLiteral("Środa Śląska")}});
    for (int i = 1; i <= samples; ++i)
        data.addRow(
            QStringLiteral("Badanie"),
            ReportRow{{QStringLiteral("NrKolczyka"), QStringLiteral("PL%1").arg(i, 12, 10, QLatin1Char('0'))},
                      {QStringLiteral("Wlasciciel"),
                       QStringLiteral("Właściciel %1 %2").arg(i).arg(polishLetters)}});
    report.setTexts(QStringLiteral("Żółta łąka"), QStringLiteral(" - badania w kierunku TSE"),
                    QStringLiteral("Koniec źródła"));
    return report;
}

} // namespace

TEST(ReportRender, PdfHoldsPolishLettersTitleTextsAndPageFooter)
{
    QTemporaryDir dir;
    const auto document = protocolReport(dir, 3).render();
    ASSERT_EQ(document->pageCount(), 1);

    const QString pdf = dir.filePath(QStringLiteral("Eksport/Protokół 20220331.pdf"));
    QDir().mkpath(QFileInfo(pdf).absolutePath());
    document->exportPdf(pdf);
    const QString text = trelimor::test::pdfText(pdf);
    EXPECT_TRUE(text.contains(QStringLiteral("Protokół pobrania - badania w kierunku TSE")))
        << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Żółta łąka Środa Śląska"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Koniec źródła")));
    EXPECT_TRUE(text.contains(QStringLiteral("Właściciel 3 ") + polishLetters)) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Strona 1 z 1")));
}

TEST(ReportRender, LongTableSpansPagesAndRepeatsItsHeaderOnEach)
{
    QTemporaryDir dir;
    const auto document = protocolReport(dir, 150).render();
    const int pages = document->pageCount();
    ASSERT_GE(pages, 3);

    const QString pdf = dir.filePath(QStringLiteral("dlugi.pdf"));
    document->exportPdf(pdf);
    const QStringList pageTexts = trelimor::test::pdfText(pdf).split(QLatin1Char('\f'), Qt::SkipEmptyParts);
    ASSERT_EQ(pageTexts.size(), pages);
    for (int page = 0; page < pages; ++page) {
        EXPECT_EQ(pageTexts.at(page).count(QStringLiteral("Nr kolczyka")), 1) << "page " << page + 1;
        EXPECT_TRUE(pageTexts.at(page).contains(QStringLiteral("Strona %1 z %2").arg(page + 1).arg(pages)));
    }
    // Every row is printed once, none is lost at a page break.
    const QString all = pageTexts.join(QString());
    EXPECT_EQ(all.count(QRegularExpression(QStringLiteral("Właściciel \\d+ "))), 150);
    EXPECT_TRUE(all.contains(QStringLiteral("PL000000000150")));
}

TEST(ReportRender, PrintingHonoursThePageRangeChosenInTheDialog)
{
    QTemporaryDir dir;
    const auto document = protocolReport(dir, 150).render();
    ASSERT_GE(document->pageCount(), 3);

    QPrinter printer(QPrinter::HighResolution);
    const QString pdf = dir.filePath(QStringLiteral("druk.pdf"));
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    printer.setPrintRange(QPrinter::PageRange);
    printer.setFromTo(2, 2);
    document->print(printer);

    const QStringList pageTexts = trelimor::test::pdfText(pdf).split(QLatin1Char('\f'), Qt::SkipEmptyParts);
    ASSERT_EQ(pageTexts.size(), 1);
    EXPECT_TRUE(pageTexts.first().contains(QStringLiteral("Strona 2 z %1").arg(document->pageCount())));
}

TEST(ReportRender, PdfIntoAMissingFolderIsReported)
{
    QTemporaryDir dir;
    const auto document = protocolReport(dir, 1).render();
    const QString pdf = dir.filePath(QStringLiteral("brak/raport.pdf"));
    EXPECT_THROW(document->exportPdf(pdf), ReportError);
}

TEST(ReportRender, PreviewShowsEveryPageAtTheChosenZoom)
{
    QTemporaryDir dir;
    const auto document = protocolReport(dir, 150).render();
    ReportPreview preview;
    preview.resize(800, 600);
    preview.setDocument(document);
    preview.show();
    EXPECT_EQ(preview.pageCount(), document->pageCount());
    preview.setZoomPercent(87);
    EXPECT_EQ(preview.zoomPercent(), 87);

    preview.setDocument(nullptr);
    EXPECT_EQ(preview.pageCount(), 1) << "one blank page, none of the previous report";
}

TEST(ReportRender, ALandscapeTemplateLaysItsPagesOutAcross)
{
    QTemporaryDir dir;
    const auto portrait = protocolReport(dir, 150).render();
    const QString path = dir.filePath(QStringLiteral("Lista.html"));
    trelimor::test::writeFile(path, QByteArray(protocolTemplate)
                                        .replace("<html>", "<html><head><meta name=\"orientation\" "
                                                           "content=\"landscape\"></head>"));
    Report report = Report::open(path);
    report.setData(protocolReport(dir, 150).data());
    const auto landscape = report.render();

    EXPECT_EQ(portrait->layout().orientation(), QPageLayout::Portrait);
    EXPECT_EQ(landscape->layout().orientation(), QPageLayout::Landscape);
    EXPECT_GT(landscape->pageCount(), portrait->pageCount()) << "fewer rows fit a page across";
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("lista.pdf")));
    landscape->print(printer);
    EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Landscape);
}
