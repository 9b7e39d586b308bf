#include "platform/report/Report.h"
#include "platform/report/ReportError.h"

#include "support/TestFiles.h"

#include <QDate>
#include <QDateTime>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace trelimor::report;

namespace {

ReportData batchWithSamples()
{
    ReportData data;
    data.addRow(QStringLiteral("Partia"),
                ReportRow{{QStringLiteral("Partia"), 12},
                          {QStringLiteral("NazwaZakladu"), QStringLiteral("Ubojnia Żółw")}});
    data.addRow(QStringLiteral("Badanie"), ReportRow{{QStringLiteral("Partia"), 12},
                                                     {QStringLiteral("NrKolczyka"), QStringLiteral("PL0001")},
                                                     {QStringLiteral("Gatunek"), QStringLiteral("Bydło")}});
    data.addRow(QStringLiteral("Badanie"), ReportRow{{QStringLiteral("Partia"), 13},
                                                     {QStringLiteral("NrKolczyka"), QStringLiteral("PL0002")},
                                                     {QStringLiteral("Gatunek"), QStringLiteral("Owca")}});
    data.addRow(QStringLiteral("Badanie"), ReportRow{{QStringLiteral("Partia"), 12},
                                                     {QStringLiteral("NrKolczyka"), QStringLiteral("PL0003")},
                                                     {QStringLiteral("Gatunek"), QStringLiteral("Koza")}});
    data.title = QStringLiteral(" - badania w kierunku BSE");
    return data;
}

QString expand(const QString& text, const ReportData& data)
{
    return ReportTemplate::fromText(text, QStringLiteral("test.html")).expand(data);
}

} // namespace

TEST(ReportTemplate, SectionsIterateRowsAndReachTheFirstRowAndCounts)
{
    const QString html =
        expand(QStringLiteral("{{title}}|{{#Badanie}}{{_row}}:{{NrKolczyka}}/{{Gatunek}}/"
                              "{{first.Partia.NazwaZakladu}};{{/Badanie}}|{{count.Badanie}}|"
                              "{{#Partia}}{{NazwaZakladu}}{{/Partia}}|{{^Wyniki}}brak{{/Wyniki}}"),
               batchWithSamples());
    EXPECT_EQ(html, QStringLiteral(
                        " - badania w kierunku BSE|1:PL0001/Bydło/Ubojnia Żółw;2:PL0002/Owca/Ubojnia Żółw;"
                        "3:PL0003/Koza/Ubojnia Żółw;|3|Ubojnia Żółw|brak"));
}

TEST(ReportTemplate, SelectionKeepsOnlyTheChosenBatchEvenWhenGivenAsText)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ProtokolSaria.html"));
    trelimor::test::writeFile(path, "{{#Badanie}}{{NrKolczyka}} {{/Badanie}}");
    Report report = Report::open(path);
    report.setData(batchWithSamples());
    report.setSelection(
        RecordSelection{QStringLiteral("badanie"), QStringLiteral("PARTIA"), QStringLiteral("12")});
    EXPECT_EQ(report.html(), QStringLiteral("PL0001 PL0003 "));
    EXPECT_EQ(report.name(), QStringLiteral("ProtokolSaria"));

    report.setSelection(RecordSelection{QStringLiteral("Badanie"), QStringLiteral("NrPartii"), 12});
    EXPECT_THROW(report.html(), ReportError);
    report.setSelection(RecordSelection{QStringLiteral("Wyniki"), QStringLiteral("Partia"), 12});
    EXPECT_THROW(report.html(), ReportError);
}

TEST(ReportTemplate, ValuesAreFormattedEscapedAndEmptyValuesAreFalse)
{
    ReportData data;
    data.addRow(QStringLiteral("Partia"),
                QVariantMap{{QStringLiteral("DataPobr"), QDate(2022, 3, 1)},
                            {QStringLiteral("DataUboju"), QDateTime(QDate(2022, 3, 1), QTime(0, 0))},
                            {QStringLiteral("Wysylka"), QDateTime(QDate(2022, 3, 2), QTime(14, 5, 30))},
                            {QStringLiteral("GodzPobr"), QDateTime(QDate(1899, 12, 30), QTime(8, 15))},
                            {QStringLiteral("Wiek"), 2.5},
                            {QStringLiteral("Waga"), 1.1f},
                            {QStringLiteral("IlProbek"), qint64(40)},
                            {QStringLiteral("Uwagi"), QVariant()},
                            {QStringLiteral("Pobral"), QString()},
                            {QStringLiteral("Adres"), QStringLiteral("Zakład <A&B>\r\nul. Długa 1")}});
    const QString html =
        expand(QStringLiteral("{{#Partia}}{{DataPobr}}|{{DataUboju}}|{{Wysylka}}|{{GodzPobr}}|{{Wiek}}|"
                              "{{Waga}}|{{IlProbek}}|[{{Uwagi}}]{{#Uwagi}}U{{/Uwagi}}{{^Pobral}}P{{/Pobral}}|"
                              "{{Adres}}|{{{Adres}}}{{/Partia}}"),
               data);
    EXPECT_EQ(html, QStringLiteral("01.03.2022|01.03.2022|02.03.2022 14:05|08:15|2.5|1.1|40|[]P|"
                                   "Zakład &lt;A&amp;B&gt;<br>ul. Długa 1|Zakład <A&B>\r\nul. Długa 1"));
}

TEST(ReportTemplate, MissingOrBrokenTemplateIsReportedWithItsName)
{
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("Protokol.html"));
    try {
        Report::open(missing);
        FAIL() << "a missing template must not open";
    } catch (const ReportError& error) {
        EXPECT_TRUE(error.message().contains(missing)) << error.message().toStdString();
        EXPECT_TRUE(error.message().startsWith(QStringLiteral("Nie można odnaleźć pliku raportu")));
    }

    const QString broken = dir.filePath(QStringLiteral("Pismo.html"));
    trelimor::test::writeFile(broken, "{{#Badanie}}bez końca");
    try {
        Report::open(broken);
        FAIL() << "an unclosed section must be refused";
    } catch (const ReportError& error) {
        EXPECT_TRUE(error.message().contains(broken)) << error.message().toStdString();
    }
}

TEST(ReportTemplate, SharedPartsAreReadFromTheTemplatesFolderAndAMissingOneIsNamed)
{
    QTemporaryDir dir;
    const QString report = dir.filePath(QStringLiteral("Zestawienie.html"));
    trelimor::test::writeFile(report, "<p>{{> parts/heading}}</p>{{>parts/heading}}");
    trelimor::test::writeFile(dir.filePath(QStringLiteral("parts/heading.html")),
                              "[{{title}}{{> parts/sub}}]");
    trelimor::test::writeFile(dir.filePath(QStringLiteral("parts/sub.html")), "!");
    Report opened = Report::open(report);
    opened.setTexts({}, QStringLiteral("Tytuł"), {});
    EXPECT_EQ(opened.html(), QStringLiteral("<p>[Tytuł!]</p>[Tytuł!]"));

    trelimor::test::writeFile(dir.filePath(QStringLiteral("parts/sub.html")), "{{> parts/brak}}");
    try {
        Report::open(report);
        FAIL() << "a template whose part is missing must not open";
    } catch (const ReportError& error) {
        EXPECT_TRUE(error.message().contains(dir.filePath(QStringLiteral("parts/brak.html"))))
            << error.message().toStdString();
    }
}

TEST(ReportData, SelectionComparesNumbersAsNumbersAndTextsAsTexts)
{
    EXPECT_TRUE(selectionMatches(qint64(12), QStringLiteral(" 12")));
    EXPECT_TRUE(selectionMatches(12.0, 12));
    EXPECT_FALSE(selectionMatches(qint64(12), QStringLiteral("12a")));
    EXPECT_FALSE(selectionMatches(QStringLiteral("012"), QStringLiteral("12")));
    EXPECT_TRUE(selectionMatches(QStringLiteral("Łódź"), QStringLiteral("Łódź")));
    EXPECT_TRUE(selectionMatches(QVariant(), QVariant()));
    EXPECT_FALSE(selectionMatches(QVariant(), 0));
    EXPECT_TRUE(selectionMatches(QDate(2022, 3, 1), QStringLiteral("01.03.2022")));
}

TEST(ReportTemplate, TotalsAddUpColumnsAndSumAddsUpWhatItsTextRenders)
{
    ReportData data;
    data.addRow(QStringLiteral("Miesiace"), ReportRow{{QStringLiteral("MC"), 1},
                                                      {QStringLiteral("RodzN"), 3},
                                                      {QStringLiteral("RodzK"), QVariant()},
                                                      {QStringLiteral("Opis"), QStringLiteral("12")}});
    data.addRow(QStringLiteral("Miesiace"), ReportRow{{QStringLiteral("MC"), 2},
                                                      {QStringLiteral("RodzN"), 4},
                                                      {QStringLiteral("RodzK"), 10},
                                                      {QStringLiteral("Opis"), QStringLiteral("x")}});
    data.addTable(QStringLiteral("Puste"));
    const QString html =
        expand(QStringLiteral("{{#Miesiace}}{{MC}}:{{#sum}}{{RodzN}} {{RodzK}}{{/sum}};{{/Miesiace}}"
                              "|{{total.Miesiace.RodzN}}|{{total.Miesiace.RodzK}}|[{{total.Miesiace.Opis}}]"
                              "|{{#sum}}{{total.Miesiace.RodzN}} {{total.Miesiace.RodzK}}{{/sum}}"
                              "|[{{total.Puste.RodzN}}]|{{#sum}}{{total.Puste.RodzN}}{{/sum}}"),
               data);
    // Text values are no numbers to a total, a null adds nothing, and an empty sum is 0.
    EXPECT_EQ(html, QStringLiteral("1:3;2:14;|7|10|[]|17|[]|0"));
}
