#include "platform/report/Report.h"
#include "platform/report/ReportError.h"
#include "platform/report/ReportPreview.h"

#include "support/TestFiles.h"

#include <QAbstractTextDocumentLayout>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTextTable>

#include <gtest/gtest.h>

using namespace trelimor::report;
using namespace Qt::StringLiterals;

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

namespace {

// The text of each page of a rendered report, as a PDF reader extracts it.
QStringList pageTexts(const ReportDocument& document, const QTemporaryDir& dir)
{
    const QString pdf = dir.filePath(QStringLiteral("strony.pdf"));
    document.exportPdf(pdf);
    return trelimor::test::pdfText(pdf).split(QLatin1Char('\f'), Qt::SkipEmptyParts);
}

// The page whose text holds the word, or -1.
int pageWith(const QStringList& pages, const QString& word)
{
    const QRegularExpression whole(QStringLiteral("\\b%1\\b").arg(word));
    for (int page = 0; page < pages.size(); ++page)
        if (pages.at(page).contains(whole))
            return page;
    return -1;
}

} // namespace

TEST(ReportRender, RowsStayWholeUnderTheirRepeatedHeaderAndNoWordBreaksInACell)
{
    // Rows of one to four lines in a narrow column, and numbers wider than their column's share.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Wykaz.html"));
    trelimor::test::writeFile(path, R"(<html><body><p>Wykaz</p>
<table border="1" cellspacing="0" cellpadding="2">
<thead><tr><th width="2%">Numer</th><th width="12%">Opis próbki</th><th>Uwagi</th></tr></thead>
<tbody>{{#Badanie}}<tr><td>{{Numer}}</td><td>{{Opis}}</td><td>{{Uwagi}}</td></tr>
{{/Badanie}}</tbody></table><p>Koniec wykazu</p></body></html>)");
    Report report = Report::open(path);
    const QStringList words = {QStringLiteral("alfa"), QStringLiteral("beta"), QStringLiteral("gamma"),
                               QStringLiteral("delta")};
    constexpr int rows = 300;
    for (int i = 0; i < rows; ++i) {
        QStringList opis;
        for (int w = 0; w <= i % 4; ++w)
            opis << words.at(w) + QString::number(i);
        report.data().addRow(QStringLiteral("Badanie"),
                             ReportRow{{QStringLiteral("Numer"), 100000 + i},
                                       {QStringLiteral("Opis"), opis.join(QLatin1Char(' '))},
                                       {QStringLiteral("Uwagi"), QStringLiteral("uwaga%1").arg(i)}});
    }
    const auto document = report.render();
    const QStringList pages = pageTexts(*document, dir);
    ASSERT_EQ(pages.size(), document->pageCount());
    ASSERT_GE(pages.size(), 5);

    for (int page = 0; page < pages.size(); ++page)
        EXPECT_EQ(pages.at(page).count(QStringLiteral("Uwagi")), 1) << "page " << page + 1;
    for (int i = 0; i < rows; ++i) {
        const int page = pageWith(pages, QString::number(100000 + i));
        ASSERT_NE(page, -1) << "the number of row " << i << " is printed whole";
        for (int w = 0; w <= i % 4; ++w)
            EXPECT_EQ(pageWith(pages, words.at(w) + QString::number(i)), page) << "row " << i;
        EXPECT_EQ(pageWith(pages, QStringLiteral("uwaga%1").arg(i)), page) << "row " << i;
    }
    EXPECT_EQ(pageWith(pages, QStringLiteral("Koniec")), pages.size() - 1);
}

TEST(ReportRender, SmallTablesStayTogetherForcedBreaksHoldAndTallCellsLoseNothing)
{
    QTemporaryDir dir;
    // 40 lines of text, then a table of three rows of ten lines: its first row would fit under
    // them, the whole table does not.
    QString filler;
    for (int i = 0; i < 40; ++i)
        filler += QStringLiteral("wiersz%1<br>").arg(i);
    const QString tenLines = QStringLiteral("%1") + QStringLiteral("<br>.").repeated(9);
    QString tall;
    for (int i = 0; i < 120; ++i)
        tall += QStringLiteral("linia%1<br>").arg(i);
    const QString html =
        QStringLiteral(R"(<html><body><p>%1</p>
<table border="1"><tr><td>%2</td></tr><tr><td>%3</td></tr><tr><td>%4</td></tr></table>
<p style="page-break-before: always">rozdzial</p>
<table border="1"><tr><td>%5</td></tr></table><p>koniec</p></body></html>)")
            .arg(filler, tenLines.arg(QStringLiteral("podpis1")), tenLines.arg(QStringLiteral("opis1")),
                 tenLines.arg(QStringLiteral("data1")), tall);
    const ReportDocument document(html);
    const QStringList pages = pageTexts(document, dir);
    ASSERT_EQ(pages.size(), document.pageCount());

    const int signature = pageWith(pages, QStringLiteral("podpis1"));
    EXPECT_EQ(signature, 1) << "the table does not fit under the filler and moves on whole";
    EXPECT_EQ(pageWith(pages, QStringLiteral("opis1")), signature);
    EXPECT_EQ(pageWith(pages, QStringLiteral("data1")), signature);
    EXPECT_EQ(pageWith(pages, QStringLiteral("rozdzial")), signature + 1) << "page-break-before";
    EXPECT_EQ(pageWith(pages, QStringLiteral("linia0")), signature + 1)
        << "a cell taller than a page begins where it stands";
    for (int i = 0; i < 120; ++i)
        EXPECT_NE(pageWith(pages, QStringLiteral("linia%1").arg(i)), -1) << "line " << i;
    EXPECT_GT(pageWith(pages, QStringLiteral("linia119")), pageWith(pages, QStringLiteral("linia0")))
        << "and goes on over the next";
    EXPECT_EQ(pageWith(pages, QStringLiteral("koniec")), pages.size() - 1);
}

TEST(ReportRender, EveryRowOfATableOfAnyLengthLiesWholeOnOnePage)
{
    // Tables from under a page to several pages long, so that page ends fall at every place of
    // a row, the last one included; the empty blocks the layout puts over a table's edges
    // (before a table that opens the document, after every table) hold no page end.
    for (int rows = 20; rows <= 140; ++rows) {
        QString body;
        for (int i = 0; i < rows; ++i)
            body +=
                QStringLiteral("<tr><td>w%1</td><td>%2</td></tr>").arg(i).arg(i % 3 ? u"x"_s : u"x<br>y"_s);
        const ReportDocument document(
            QStringLiteral(
                "<table border=\"1\" cellspacing=\"0\"><thead><tr><th>A</th><th>B</th></tr></thead>"
                "%1</table><p>koniec</p>")
                .arg(body));
        const QTextDocument& text = document.textDocument();
        const auto* table = qobject_cast<QTextTable*>(text.rootFrame()->childFrames().first());
        ASSERT_NE(table, nullptr);
        for (int r = 1; r < table->rows(); ++r) {
            qreal top = std::numeric_limits<qreal>::max();
            qreal bottom = std::numeric_limits<qreal>::lowest();
            for (int c = 0; c < table->columns(); ++c) {
                const QTextTableCell cell = table->cellAt(r, c);
                const auto* layout = text.documentLayout();
                top = std::min(top, layout->blockBoundingRect(cell.firstCursorPosition().block()).top());
                bottom =
                    std::max(bottom, layout->blockBoundingRect(cell.lastCursorPosition().block()).bottom());
            }
            const auto& pages = document.pages();
            EXPECT_TRUE(
                std::any_of(pages.begin(), pages.end(),
                            [&](const PageBand& page) { return page.top <= top && bottom <= page.bottom; }))
                << rows << " rows: row " << r << " is cut";
        }
    }
}
