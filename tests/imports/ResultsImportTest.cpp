#include "ImportFixture.h"
#include "ResultsFileMaker.h"
#include "RewriteWhileRead.h"

#include "batch/BatchRows.h"
#include "common/Cp1250.h"
#include "support/PeakMemory.h"
#include "support/TestFiles.h"
#include "support/YearShapes.h"

#include <QDir>
#include <QFile>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace trelimor;
using namespace trelimor::test;
using namespace Qt::StringLiterals;

namespace {

const QString kTagA = u"PL000000000001"_s; // herd 1, sample 1, group 11
const QString kTagB = u"PL000000000002"_s; // herd 1, sample 2, group 11
const QString kTagC = u"PL000000000003"_s; // herd 2, sample 1, group 12
const QStringList kEbbAndBr{u"T"_s, u"T"_s, u"t"_s, u"N"_s, u"N"_s, u"N"_s, u"N"_s, u"N"_s, u" T"_s};
const QMap<int, QString> kValues{{21, u"0,12"_s}, {22, u"A1"_s},     {23, u"ujemny"_s},  {24, u"-"_s},
                                 {25, u"1:20"_s}, {26, u""_s},       {27, u"0,3"_s},     {28, u"ujemny"_s},
                                 {29, u"5"_s},    {30, u"ujemny"_s}, {31, u"dodatni"_s}, {43, u"dodatni"_s}};

class ResultsImportTest : public ImportFixture
{
protected:
    // A serology year: batch 1 with two holdings, three samples and some of their result rows.
    void SetUp() override
    {
        ImportFixture::SetUp();
        zaloguj();
        applyStatisticsShape(rok());
        applySerologyShape(rok());
        wstaw(rok(), u"Partia"_s, {{u"Partia"_s, 1}, {u"KodZakladu"_s, u"30010001"_s}});
        wstaw(rok(), u"PartiaG"_s, {{u"PartiaG"_s, 11}, {u"Partia"_s, 1}, {u"NRGOSPOD"_s, u"PL0001"_s}});
        wstaw(rok(), u"PartiaG"_s, {{u"PartiaG"_s, 12}, {u"Partia"_s, 1}, {u"NRGOSPOD"_s, u"PL0002"_s}});
        const auto sample = [this](const QString& tag, int herd, int number, int group) {
            wstaw(rok(), u"Badanie"_s,
                  {{u"Partia"_s, 1},
                   {u"NrKolczyka"_s, tag},
                   {u"NrStado"_s, herd},
                   {u"NrProbki"_s, number},
                   {u"Gatunek"_s, u"Bydło"_s},
                   {u"PartiaG"_s, group}});
        };
        sample(kTagA, 1, 1, 11);
        sample(kTagB, 1, 2, 11);
        sample(kTagC, 2, 1, 12);
        for (const auto& [table, group, number] :
             std::vector<std::tuple<QString, int, int>>{{u"EBB"_s, 11, 1},
                                                        {u"Br"_s, 11, 1},
                                                        {u"NZK"_s, 11, 1},
                                                        {u"BrOK"_s, 11, 1},
                                                        {u"EBB"_s, 11, 2},
                                                        {u"EBB"_s, 12, 1},
                                                        {u"EBB"_s, 12, 1}})
            wstaw(rok(), table, {{u"Partia"_s, group}, {u"NrProbki"_s, number}});
        otworzOknoPartii();
    }

    // The main road's file: two holdings, a line for a sample of another herd number, a line
    // for no sample, a blank line.
    ResultsFileMaker mainRoad() const
    {
        ResultsFileMaker file;
        file.line(u"Wyniki badań serologicznych"_s)
            .header(u"1465"_s, u"15.03.2022"_s)
            .holding(u"PL0001"_s)
            .result(u"1"_s, u"1"_s, kTagA, u"Bydło"_s, kEbbAndBr, kValues)
            .result(u"7"_s, u"2"_s, kTagB, u"Bydło"_s, kEbbAndBr, kValues)
            .result(u"1"_s, u"3"_s, u"PL999999999999"_s, u"Bydło"_s, kEbbAndBr, kValues)
            .line(u"  "_s)
            .holding(u"PL0002"_s)
            .result(u"2"_s, u"1"_s, kTagC, u"Bydło"_s, kEbbAndBr, kValues);
        return file;
    }

    // "&Wczytaj wynik" with the file chosen in its Open dialog; the boxes it showed after it.
    std::vector<DialogCall> wczytaj(const QString& path)
    {
        const std::size_t before = dialogs->calls().size();
        dialogs->answerFile(path);
        okno().ComWczytWynik->click();
        EXPECT_TRUE(okno().ComDodajPr->isEnabled()) << "the window is unlocked at every end";
        EXPECT_TRUE(okno().FrameCzekaj->isHidden());
        return {dialogs->calls().begin() + qsizetype(before) + 1, dialogs->calls().end()};
    }
    QString plik(const QString& name) const { return folders.path(name); }

    // Every result row as "table|Partia|NrProbki|values...", in table and row order.
    QStringList resultRows()
    {
        QStringList rows;
        for (const QString& table : serologyResultTables()) {
            for (const QVariantMap& row : wiersze(u"SELECT * FROM "_s + table + u" ORDER BY rowid"_s)) {
                QStringList values{table, row.value(u"Partia"_s).toString(),
                                   row.value(u"NrProbki"_s).toString()};
                for (const QString& column : serologyResultColumns(table))
                    values << (row.value(column).isNull() ? u"∅"_s : row.value(column).toString());
                rows << values.join(u'|');
            }
        }
        return rows;
    }
};

TEST_F(ResultsImportTest, WritesTheFlaggedTestsOfTheMatchingSamplesIntoTheirExistingRows)
{
    const QStringList before = resultRows();
    for (const QByteArray& lineEnd : {QByteArray("\r\n"), QByteArray("\n")}) {
        SCOPED_TRACE(lineEnd == "\n" ? "LF" : "CR LF");
        okno().TrybWczytywania = u"WczytAuto"_s;
        const std::vector<DialogCall> boxes = wczytaj(mainRoad().write(plik(u"wyniki.txt"_s), lineEnd));
        EXPECT_EQ(dialogs->calls()[dialogs->calls().size() - boxes.size() - 1].filter,
                  u"All Files (*.*)|*.*|Tekst (*.txt)|*.txt"_s);
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].title, u"INFORMACJA"_s);
        EXPECT_EQ(boxes[0].text,
                  u"Wczytano wyniki z pliku "_s + QDir::toNativeSeparators(plik(u"wyniki.txt"_s)) +
                      u".\rZapisane wiersze wyników: 2\r"
                      "Pominięte wiersze (brak jednej pasującej próbki): 2\r"
                      "Numery kolczyków pominiętych wierszy: PL000000000002, PL999999999999"_s);
        EXPECT_EQ(okno().TrybWczytywania, u"WczytAuto"_s) << "a normal end leaves the auto-load mode";
    }

    QStringList expected = before;
    // Sample A: EBB and Br; its NZK flag "t" and its BrOK flag " T" are no "T".
    expected[0] = u"EBB|11|1|0,12|A1|ujemny"_s;
    expected[4] = u"Br|11|1|-|1:20||0,3|ujemny|5|ujemny"_s;
    // Sample C: the first of its two EBB rows; it has no Br row, and none is made.
    expected[2] = u"EBB|12|1|0,12|A1|ujemny"_s;
    EXPECT_EQ(resultRows(), expected);
}

TEST_F(ResultsImportTest, AFileTheImportRefusesWritesNothing)
{
    const QStringList before = resultRows();
    struct Case
    {
        const char* name;
        ResultsFileMaker file;
        QString title;
        QString text;
        bool endsAutoLoad = true;
    };
    const QString herdMessage =
        u"Wczytywany wynik dla numeru kolczyka: PL000000000003, nie pasuje do siedziby "
        u"stada o numerze: PL0001\rPrzerywam wczytywanie wyników!"_s;
    const auto otherHolding = [](const QMap<int, QString>& stoppedValues = kValues,
                                 const QString& title = {}) {
        ResultsFileMaker file;
        if (!title.isEmpty())
            file.line(title);
        return file.header(u"1465"_s, u"15.03.2022"_s)
            .holding(u"PL0001"_s)
            .result(u"1"_s, u"1"_s, kTagA, u"Bydło"_s, kEbbAndBr, kValues)
            .result(u"2"_s, u"1"_s, kTagC, u"Bydło"_s, kEbbAndBr, stoppedValues);
    };
    QMap<int, QString> strayByte = kValues;
    strayByte.insert(10, u"@"_s); // a field the import does not use
    // Signs and other scripts in that field, in UTF-8: the line's species still reads "Bydło".
    const auto withSign = [](const QString& sign) {
        QMap<int, QString> values = kValues;
        values.insert(10, sign);
        return values;
    };
    // The laboratory's name in capitals, as official names are written: in Windows-1250 each "ÓŁ"
    // is D3 A3, which is also a UTF-8 sequence (of a Cyrillic letter).
    QMap<int, QString> withoutSex = kValues;
    withoutSex.insert(5, u"samica"_s);
    const auto capitalsHeader = [&] {
        return ResultsFileMaker()
            .header(u"1465"_s, u"15.03.2022"_s,
                    u"ZHW SOKÓŁKA, PRACOWNIA PÓŁNOCNA, SPÓŁDZIELCZA 5, KRÓŁOWEJ JADWIGI 2"_s)
            .holding(u"PL0001"_s)
            .result(u"1"_s, u"1"_s, kTagA, u"Bydło"_s, kEbbAndBr, withoutSex)
            .result(u"2"_s, u"1"_s, kTagC, u"Bydło"_s, kEbbAndBr, withoutSex);
    };
    // A remark typed in Windows-1250 in a UTF-8 file: more Polish letters than the rest of it.
    QByteArray remark;
    cp1250::appendEncoded(u"Uwagi: próbki dostarczył kierowca, część zbyt późno; wyniki ważne, źle opisane"_s,
                          remark);
    const std::vector<Case> cases{
        {"no header", ResultsFileMaker().line(u"1|1|1|"_s + kTagA).line(u"[Partia]|1465|"_s),
         u"WCZYTYWANIE"_s, u"Niepoprawny format wczytywanego pliku!\rSprawdź plik i wczytaj ponownie!"_s,
         false},
        {"another county, checked before the month",
         ResultsFileMaker()
             .header(u"1402"_s, u"15.02.2022"_s)
             .result(u"1"_s, u"1"_s, kTagA, u"Bydło"_s, kEbbAndBr, kValues),
         u"INFORMACJA"_s,
         u"Wczytywany plik zawiera wyniki przeznaczone dla powiatu: 1402\rPrzerywam wczytywanie pliku!"_s},
        {"another month",
         ResultsFileMaker()
             .header(u"1465"_s, u"15.02.2022"_s)
             .result(u"1"_s, u"1"_s, kTagA, u"Bydło"_s, kEbbAndBr, kValues),
         u"INFORMACJA"_s,
         u"Wczytywany plik zawiera wyniki z miesiąca: 202202\rZmień datę i czytaj ponownie!"_s},
        {"a sample of another holding than its line's", otherHolding(), u"INFORMACJA"_s, herdMessage},
        // Its species read as the sample's, so the holding is checked as in Windows-1250.
        {"the same in UTF-8 without the byte-order mark", otherHolding().inUtf8(), u"INFORMACJA"_s,
         herdMessage},
        {"the same with a byte that is no UTF-8 in the line stopped",
         otherHolding(strayByte).inUtf8().replacingBytes("@", "\xFF"), u"INFORMACJA"_s, herdMessage},
        {"the same with two bytes that are no UTF-8 in the line stopped",
         otherHolding(strayByte).inUtf8().replacingBytes("@", "\xFF\xFF"), u"INFORMACJA"_s, herdMessage},
        {"UTF-8 with a sign beyond the Latin letters in the line stopped",
         otherHolding(withSign(u"≤0,12"_s)).inUtf8(), u"INFORMACJA"_s, herdMessage},
        {"UTF-8 with a Greek letter in the line stopped", otherHolding(withSign(u"μg"_s)).inUtf8(),
         u"INFORMACJA"_s, herdMessage},
        {"UTF-8 with an emoji and Cyrillic in the line stopped",
         otherHolding(withSign(u"🐄 Сергій"_s)).inUtf8(), u"INFORMACJA"_s, herdMessage},
        {"Windows-1250 with the laboratory in capitals", capitalsHeader(), u"INFORMACJA"_s, herdMessage},
        {"the same in UTF-8", capitalsHeader().inUtf8(), u"INFORMACJA"_s, herdMessage},
        {"UTF-8 with a remark line in Windows-1250",
         otherHolding(kValues, u"@"_s).inUtf8().replacingBytes("@", remark), u"INFORMACJA"_s, herdMessage},
        {"a result line before any holding line, its sample's holding having a herd number",
         ResultsFileMaker()
             .header(u"1465"_s, u"15.03.2022"_s)
             .result(u"1"_s, u"1"_s, kTagA, u"Bydło"_s, kEbbAndBr, kValues)
             .holding(u"PL0001"_s),
         u"INFORMACJA"_s,
         u"Wczytywany wynik dla numeru kolczyka: PL000000000001, nie pasuje do siedziby stada o numerze: "
         u"\rPrzerywam wczytywanie wyników!"_s},
        {"a value too long for its column, met after another line was written",
         ResultsFileMaker()
             .header(u"1465"_s, u"15.03.2022"_s)
             .holding(u"PL0001"_s)
             .result(u"1"_s, u"1"_s, kTagA, u"Bydło"_s, kEbbAndBr, kValues)
             .holding(u"PL0002"_s)
             .result(u"2"_s, u"1"_s, kTagC, u"Bydło"_s, kEbbAndBr, {{22, QString(21, u'x')}}),
         u"IMPORT"_s, u"Błąd wczytania! Poinformuj dostawcę programu!3163"_s},
        {"a second header, read as a result line", mainRoad().header(u"1465"_s, u"15.03.2022"_s), u"IMPORT"_s,
         u"Błąd wczytania! Poinformuj dostawcę programu!13Niezgodność typów (linia 10)"_s},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        okno().TrybWczytywania = u"WczytAuto"_s;
        const std::vector<DialogCall> boxes = wczytaj(c.file.write(plik(u"wyniki.txt"_s)));
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].title, c.title);
        // The whole text, or its beginning where the engine's description follows.
        EXPECT_EQ(boxes[0].text.left(c.text.size()), c.text);
        EXPECT_EQ(resultRows(), before);
        EXPECT_EQ(okno().TrybWczytywania.isEmpty(), c.endsAutoLoad);
    }
}

TEST_F(ResultsImportTest, AUtf8FileWithAStrayByteKeepsItsPolishLetters)
{
    QMap<int, QString> values = kValues;
    values.insert(23, u"wątpliwy"_s);
    const QString path = ResultsFileMaker()
                             .line(u"Uwagi laboratorium: @"_s)
                             .header(u"1465"_s, u"15.03.2022"_s)
                             .holding(u"PL0001"_s)
                             .result(u"1"_s, u"1"_s, kTagA, u"Bydło"_s, kEbbAndBr, values)
                             .inUtf8()
                             .replacingBytes("@", "\xFF")
                             .write(plik(u"wyniki.txt"_s));
    const std::vector<DialogCall> boxes = wczytaj(path);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_TRUE(boxes[0].text.contains(u"Zapisane wiersze wyników: 1"_s)) << boxes[0].text.toStdString();
    EXPECT_EQ(resultRows().value(0), u"EBB|11|1|0,12|A1|wątpliwy"_s);
}

// A named pipe that gets no writer: only when a reader still waits at it after ten seconds does
// this open its writing end, so that a reader that waits for a writer fails the test instead of
// hanging it.
class PipeWithoutWriter
{
public:
    explicit PipeWithoutWriter(const QString& path)
        : m_thread([this, name = QFile::encodeName(path)] {
            std::unique_lock lock(m_mutex);
            if (m_stopped.wait_for(lock, std::chrono::seconds(10), [this] { return m_stop; }))
                return;
            const int fd = ::open(name.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
            if (fd >= 0) {
                m_readerWaited = true;
                ::close(fd);
            }
        })
    {}
    ~PipeWithoutWriter()
    {
        {
            const std::lock_guard lock(m_mutex);
            m_stop = true;
        }
        m_stopped.notify_one();
        m_thread.join();
    }
    PipeWithoutWriter(const PipeWithoutWriter&) = delete;
    PipeWithoutWriter& operator=(const PipeWithoutWriter&) = delete;

    // Whether a reader was still waiting at the pipe when the time was up.
    bool readerWaited() const { return m_readerWaited; }

private:
    std::mutex m_mutex;
    std::condition_variable m_stopped;
    bool m_stop = false;
    std::atomic<bool> m_readerWaited = false;
    std::thread m_thread;
};

TEST_F(ResultsImportTest, AFileBeyondTheBoundsIsRefusedAtOnceAndWritesNothing)
{
    const QStringList before = resultRows();
    const QByteArray header = ResultsFileMaker().header(u"1465"_s, u"15.03.2022"_s).bytes();
    const QString shown = u" Plik nie został wczytany."_s;
    const auto refused = [&](const QString& path, const QString& text) {
        SCOPED_TRACE(path.toStdString());
        okno().TrybWczytywania = u"WczytAuto"_s;
        const std::vector<DialogCall> boxes = wczytaj(path);
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].title, u"WCZYTYWANIE"_s);
        EXPECT_EQ(boxes[0].text, text);
        EXPECT_EQ(resultRows(), before);
        EXPECT_TRUE(okno().TrybWczytywania.isEmpty());
    };

    // 16 MiB without a line end after the header: refused at its 64 KiB, the line never held whole.
    const QString noLineEnd = plik(u"bez końca linii.txt"_s);
    writeFile(noLineEnd, header + QByteArray("1|").repeated(8 << 20));
    ASSERT_TRUE(resetPeakMemory());
    const qint64 inUse = peakMemoryKiB();
    refused(noLineEnd, u"Linia 2 pliku "_s + noLineEnd +
                           u" jest dłuższa niż 64 KB, a tak długich linii nie ma w plikach z danymi, które "
                           u"program wczytuje."_s +
                           shown);
    // Less than half the file, even with the sanitizers' own memory: only its first line's
    // 64 KiB and a piece more were read.
    EXPECT_LT(peakMemoryKiB() - inUse, 8 * 1024) << "KiB more at the peak";

    // Larger than a results file ever is: refused by its size, before a byte of it is read.
    const QString large = plik(u"duży.txt"_s);
    writeFile(large, header);
    ASSERT_TRUE(QFile::resize(large, (32 << 20) + 1)); // the rest a hole of zeros
    refused(large, u"Plik "_s + large +
                       u" jest większy niż 32 MB, a tak dużego pliku z danymi program nie wczytuje."_s +
                       shown);

    // More lines than a results file ever has, however short.
    const QString manyLines = plik(u"wiele linii.txt"_s);
    writeFile(manyLines, header + QByteArray("1|1\n").repeated(200'000));
    refused(manyLines,
            u"Plik "_s + manyLines +
                u" ma więcej niż 200\u00a0000 linii, a tylu linii nie ma w plikach z danymi, które "
                u"program wczytuje."_s +
                shown);

    // No regular file: a folder, and a named pipe, which would keep the import waiting for a writer.
    const QString notAFile = u" nie jest zwykłym plikiem, lecz folderem, urządzeniem lub potokiem; program "
                             u"wczytuje dane tylko ze zwykłych plików."_s;
    const QString folder = plik(u"folder.txt"_s);
    ASSERT_TRUE(QDir().mkpath(folder));
    refused(folder, folder + notAFile);
    const QString pipe = plik(u"potok.txt"_s);
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    {
        const PipeWithoutWriter withoutWriter(pipe);
        refused(pipe, pipe + notAFile);
        EXPECT_FALSE(withoutWriter.readerWaited()) << "the import waited for a writer";
    }
}

TEST_F(ResultsImportTest, AFileRewrittenWhileItIsReadIsRefusedAndNothingIsWritten)
{
    // A file of more than one piece of 64 KiB: a holding, many lines for no sample, the line of
    // sample A last. Another program saves a shorter or a longer version of it in place, after the
    // import's first piece or once the import has read to the end.
    ResultsFileMaker file;
    file.header(u"1465"_s, u"15.03.2022"_s).holding(u"PL0001"_s);
    for (int i = 0; i < 698; ++i)
        file.result(u"1"_s, u"3"_s, u"PL999999999999"_s, u"Bydło"_s, kEbbAndBr, kValues);
    file.result(u"1"_s, u"1"_s, kTagA, u"Bydło"_s, kEbbAndBr, kValues);
    const QByteArray whole = file.bytes();
    ASSERT_GT(whole.size(), 65536 + 1000);
    const QString path = plik(u"wyniki.txt"_s);
    const QString refusal = u"Plik "_s + path +
                            u" zmienił się podczas wczytywania: zapisuje go inny program. Wczytaj go "
                            u"ponownie, gdy zostanie zapisany. Plik nie został wczytany."_s;
    const QStringList before = resultRows();
    for (const auto when : {RewriteWhileRead::When::AfterFirstPiece, RewriteWhileRead::When::AtEnd}) {
        const bool atEnd = when == RewriteWhileRead::When::AtEnd;
        for (const QByteArray& newContent : {whole.left(65536 + 100), whole + whole.right(200)}) {
            SCOPED_TRACE(std::string(atEnd ? "at the end, " : "after the first piece, ") +
                         (newContent.size() < whole.size() ? "cut short" : "grown"));
            writeFile(path, whole);
            const RewriteWhileRead rewrite(path, newContent, when);
            okno().TrybWczytywania = u"WczytAuto"_s;
            const std::vector<DialogCall> boxes = wczytaj(path);
            EXPECT_TRUE(rewrite.happened());
            ASSERT_EQ(boxes.size(), 1u);
            EXPECT_EQ(boxes[0].title, u"WCZYTYWANIE"_s);
            EXPECT_EQ(boxes[0].text, refusal);
            EXPECT_EQ(resultRows(), before);
        }
    }
    // Left as it is, the same file writes sample A's results.
    writeFile(path, whole);
    const std::vector<DialogCall> boxes = wczytaj(path);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_TRUE(boxes[0].text.contains(u"Zapisane wiersze wyników: 1\r"_s)) << boxes[0].text.toStdString();
    EXPECT_NE(resultRows(), before);
}

TEST_F(ResultsImportTest, ACancelledDialogEndsSilently)
{
    okno().TrybWczytywania = u"WczytAuto"_s;
    const std::size_t before = dialogs->calls().size();
    dialogs->answerCancel();
    okno().ComWczytWynik->click();
    EXPECT_EQ(dialogs->calls().size(), before + 1);
    EXPECT_TRUE(okno().TrybWczytywania.isEmpty());
    EXPECT_TRUE(okno().ComDodajPr->isEnabled());
}

class ResultsImportWithoutSerologyTest : public ImportFixture
{
};

TEST_F(ResultsImportWithoutSerologyTest, AYearWithoutTheSerologyShapeEndsInTheErrorReport)
{
    zaloguj();
    dodajPartie(rok(), 1, 2);
    otworzOknoPartii();
    const QString path = ResultsFileMaker()
                             .header(u"1465"_s, u"15.03.2022"_s)
                             .result(u"1"_s, u"1"_s, kTagA, u"Bydło"_s, kEbbAndBr, kValues)
                             .write(folders.path(u"wyniki.txt"_s));
    dialogs->answerFile(path);
    okno().ComWczytWynik->click();
    EXPECT_EQ(dialogs->last().title, u"IMPORT"_s);
    EXPECT_TRUE(dialogs->last().text.startsWith(u"Błąd wczytania! Poinformuj dostawcę programu!"_s))
        << dialogs->last().text.toStdString();
    EXPECT_FALSE(rok().hasTable(u"EBB"_s));
    EXPECT_TRUE(okno().ComDodajPr->isEnabled());
}

} // namespace
