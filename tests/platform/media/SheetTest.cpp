#include "platform/sheet/SheetProcess.h"
#include "platform/sheet/Workbook.h"

#include "support/PeakMemory.h"
#include "support/TestFiles.h"
#include "support/XlsBuilder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace trelimor::sheet;
using trelimor::test::XlsBuilder;

namespace {

const QString samplePath = QStringLiteral(TRELIMOR_TEST_DATA_DIR "/sheet_sample.xls");

QString openError(const QString& path)
{
    try {
        Workbook workbook(path);
    } catch (const SheetError& error) {
        return error.message();
    }
    return {};
}

// The process whose parent is `parent`, by /proc; 0 when there is none.
pid_t childOf(pid_t parent)
{
    const QStringList entries = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs);
    for (const QString& entry : entries) {
        QFile stat(QStringLiteral("/proc/%1/stat").arg(entry));
        if (!entry.toInt() || !stat.open(QIODevice::ReadOnly))
            continue;
        const QByteArray text = stat.readAll();
        const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
        if (fields.size() > 1 && fields.at(1).toInt() == parent)
            return entry.toInt();
    }
    return 0;
}

// The soft and hard value of a limit of the process as /proc shows it ("Max cpu time": "60 61").
QString limitOf(pid_t process, const char* name)
{
    QFile limits(QStringLiteral("/proc/%1/limits").arg(process));
    if (!limits.open(QIODevice::ReadOnly))
        return {};
    for (const QByteArray& line : limits.readAll().split('\n')) {
        if (line.startsWith(name))
            return QString::fromLatin1(line.mid(26)).simplified().section(u' ', 0, 1);
    }
    return {};
}

} // namespace

TEST(Workbook, ReadsTheFirstSheetsCellsWithTheirTypes)
{
    const Workbook workbook(samplePath);
    EXPECT_EQ(workbook.rowCount(), 5);
    EXPECT_EQ(workbook.columnCount(), 8);

    EXPECT_EQ(workbook.cell(1, 1), QVariant(QStringLiteral("Protokół pobrania próbek")));
    EXPECT_EQ(workbook.cell(2, 1), QVariant(QStringLiteral("Zażółć gęślą jaźń ĄĘŁŃÓŚŹŻ")));
    EXPECT_EQ(workbook.cell(2, 2), QVariant::fromValue<qint64>(42));
    EXPECT_EQ(workbook.cell(2, 3), QVariant(12.5));
    EXPECT_EQ(workbook.cell(2, 4), QVariant(QDate(2022, 3, 31)));
    EXPECT_TRUE(workbook.cell(2, 5).isNull());
    EXPECT_EQ(workbook.cell(2, 7), QVariant(QDateTime(QDate(2022, 3, 31), QTime(14, 30))));
    EXPECT_EQ(workbook.cell(2, 8), QVariant(QTime(13, 30)));
    EXPECT_EQ(workbook.cell(3, 1), QVariant::fromValue<qint64>(7));
    EXPECT_EQ(workbook.cell(3, 3), QVariant(-0.25));
    EXPECT_EQ(workbook.cell(5, 1), QVariant(QStringLiteral("koniec")));

    // A date without a date format is a plain serial number.
    const QVariant serial = workbook.cell(2, 6);
    EXPECT_EQ(dateFromSerial(serial.toDouble()), QDate(2022, 3, 31));

    // Outside the used area, and before row or column 1, every cell is empty.
    EXPECT_TRUE(workbook.cell(4, 1).isNull());
    EXPECT_TRUE(workbook.cell(6, 1).isNull());
    EXPECT_TRUE(workbook.cell(1, 9).isNull());
    EXPECT_TRUE(workbook.cell(0, 1).isNull());
    EXPECT_TRUE(workbook.cell(500, 200).isNull());
}

TEST(Workbook, ASheetMadeOfCellsEndsAtItsLastValueAndHoldsNoImpossibleCell)
{
    const Workbook workbook(QStringLiteral("zrobiony.xls"),
                            {{1, 1, QStringLiteral("Protokół")},
                             {3, 2, QVariant::fromValue<qint64>(7)},
                             {2, 4, QDate(2022, 3, 31)},
                             {9, 9, QVariant()}, // an empty cell does not widen the sheet
                             {0, 1, 1.5},
                             {1, 0, 1.5},
                             {1, 70000, 1.5}});
    EXPECT_EQ(workbook.path(), QStringLiteral("zrobiony.xls"));
    EXPECT_EQ(workbook.rowCount(), 3);
    EXPECT_EQ(workbook.columnCount(), 4);
    EXPECT_EQ(workbook.cell(3, 2), QVariant::fromValue<qint64>(7));
    EXPECT_EQ(workbook.cellText(2, 4), QStringLiteral("31.03.2022"));
    EXPECT_TRUE(workbook.cell(1, 2).isNull());
    EXPECT_EQ(workbook.cell(1, 1), QVariant(QStringLiteral("Protokół")));
}

TEST(Workbook, CellTextIsWhatTheUserSees)
{
    const Workbook workbook(samplePath);
    EXPECT_EQ(workbook.cellText(2, 2), QStringLiteral("42"));
    EXPECT_EQ(workbook.cellText(2, 3), QStringLiteral("12.5"));
    EXPECT_EQ(workbook.cellText(2, 4), QStringLiteral("31.03.2022"));
    EXPECT_EQ(workbook.cellText(2, 5), QString());
    EXPECT_EQ(workbook.cellText(2, 7), QStringLiteral("31.03.2022 14:30"));
    EXPECT_EQ(workbook.cellText(2, 8), QStringLiteral("13:30"));
    EXPECT_EQ(workbook.cellText(3, 2), QStringLiteral("1234567"));
    EXPECT_EQ(workbook.cellText(3, 4), QStringLiteral("  odstęp  "));
}

TEST(Workbook, SerialNumbersCountDaysFromTheEndOf1899)
{
    EXPECT_EQ(dateFromSerial(0), QDate(1899, 12, 30));
    EXPECT_EQ(dateFromSerial(61), QDate(1900, 3, 1));
    EXPECT_EQ(dateFromSerial(44651.99), QDate(2022, 3, 31));
    EXPECT_EQ(dateTimeFromSerial(44651.5625), QDateTime(QDate(2022, 3, 31), QTime(13, 30)));
    // A fraction that rounds up to midnight belongs to the next day.
    EXPECT_EQ(dateTimeFromSerial(44651.999999999), QDateTime(QDate(2022, 4, 1), QTime(0, 0)));
}

TEST(Workbook, FilesThatAreNoWorkbookGiveAClearMessage)
{
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("brak.xls"));
    EXPECT_EQ(openError(missing), QStringLiteral("Nie można otworzyć pliku %1.").arg(missing));

    const QString text = dir.filePath(QStringLiteral("protokół.xls"));
    trelimor::test::writeFile(text, "Lp.\tNr kolczyka\n1\tPL000000000001\n");
    EXPECT_EQ(openError(text), QStringLiteral("Plik %1 nie jest skoroszytem programu Excel.").arg(text));

    // The start of a real workbook, cut off: still no workbook.
    const QString cut = dir.filePath(QStringLiteral("ucięty.xls"));
    trelimor::test::writeFile(cut, trelimor::test::readFile(samplePath).left(1024));
    EXPECT_EQ(openError(cut), QStringLiteral("Plik %1 nie jest skoroszytem programu Excel.").arg(cut));

    EXPECT_EQ(openError(dir.path()), QStringLiteral("Nie można otworzyć pliku %1.").arg(dir.path()));
}

TEST(Workbook, AWorkbookThatBreaksTheReaderIsRefusedAndReadingGoesOn)
{
    // Found by fuzzing: a damaged directory of the compound file makes the workbook library read
    // far past a buffer of its own. The file is refused; the program is not brought down with it.
    const QString broken = QStringLiteral(TRELIMOR_TEST_DATA_DIR "/xls_damaged_directory.xls");
    const QString error = openError(broken);
    EXPECT_TRUE(error == QStringLiteral("Plik %1 jest uszkodzony i nie może zostać odczytany.").arg(broken) ||
                error == QStringLiteral("Plik %1 nie jest skoroszytem programu Excel.").arg(broken))
        << error.toStdString();
    EXPECT_EQ(Workbook(samplePath).cell(5, 1), QVariant(QStringLiteral("koniec")));
}

TEST(WorkbookLimits, AWorkbookBeyondWhatAProtocolHoldsIsRefusedWithoutTakingMemory)
{
    QTemporaryDir dir;
    const auto refusal = [](const QString& path) {
        return QStringLiteral("Skoroszyt %1 zawiera więcej danych, niż program może wczytać z jednego pliku; "
                              "plik nie został wczytany.")
            .arg(path);
    };

    // A file of about a megabyte: 64,000 cells showing one shared string of 16,384 characters,
    // a gigabyte of text once every cell shows its own copy.
    const QString oneString = dir.filePath(QStringLiteral("jeden napis.xls"));
    const QString longText(16384, u'x');
    trelimor::test::sameStringInRows(longText, 64000).save(oneString);
    ASSERT_TRUE(trelimor::test::resetPeakMemory());
    const qint64 before = trelimor::test::peakMemoryKiB();
    EXPECT_EQ(openError(oneString), refusal(oneString));
    EXPECT_LT(trelimor::test::peakMemoryKiB() - before, 64 * 1024) << "kB more at the peak";

    // The same string in a hundred cells is no more than a protocol may hold.
    const QString fewCells = dir.filePath(QStringLiteral("sto komórek.xls"));
    trelimor::test::sameStringInRows(longText, 100).save(fewCells);
    const Workbook read(fewCells);
    EXPECT_EQ(read.rowCount(), 100);
    EXPECT_EQ(read.cell(100, 1), QVariant(longText));

    // More cells than any protocol has, each a small number.
    const QString manyCells = dir.filePath(QStringLiteral("komórki.xls"));
    XlsBuilder numbers;
    for (int row = 1; row <= 4200; ++row)
        numbers.setNumbers(row, 1, 256, row);
    numbers.save(manyCells);
    EXPECT_EQ(openError(manyCells), refusal(manyCells));
}

TEST(WorkbookLimits, ALargeProtocolIsReadWhole)
{
    // Ten thousand samples of 23 cells: numbers, texts each of one sample, texts shared by all.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("protokół.xls"));
    XlsBuilder protocol;
    const uint32_t title = protocol.addString(QStringLiteral("Protokół pobrania próbek do badań"));
    const uint32_t country = protocol.addString(QStringLiteral("PL"));
    const uint32_t owner = protocol.addString(QStringLiteral("Gospodarstwo Rolne Wiśniewski Zdzisław"));
    protocol.setString(1, 1, title);
    for (int row = 2; row <= 10001; ++row) {
        protocol.setNumbers(row, 1, 1, row - 1);
        protocol.setString(row, 2,
                           protocol.addString(QStringLiteral("1465%1").arg(row, 4, 10, QLatin1Char('0'))));
        protocol.setNumbers(row, 3, 1, row % 1000);
        protocol.setString(row, 5, country);
        protocol.setString(row, 6,
                           protocol.addString(QStringLiteral("%1").arg(row, 12, 10, QLatin1Char('0'))));
        for (int column = 7; column <= 23; ++column)
            protocol.setString(row, column, column % 2 ? owner : country);
    }
    protocol.save(path);

    const Workbook workbook(path);
    EXPECT_EQ(workbook.rowCount(), 10001);
    EXPECT_EQ(workbook.columnCount(), 23);
    EXPECT_EQ(workbook.cell(1, 1), QVariant(QStringLiteral("Protokół pobrania próbek do badań")));
    EXPECT_EQ(workbook.cell(10001, 1), QVariant::fromValue<qint64>(10000));
    EXPECT_EQ(workbook.cell(10001, 2), QVariant(QStringLiteral("146510001")));
    EXPECT_EQ(workbook.cell(5000, 6), QVariant(QStringLiteral("000000005000")));
    EXPECT_EQ(workbook.cell(10001, 23), QVariant(QStringLiteral("Gospodarstwo Rolne Wiśniewski Zdzisław")));
    EXPECT_EQ(workbook.cell(2, 22), QVariant(QStringLiteral("PL")));
    EXPECT_TRUE(workbook.cell(3, 4).isNull());
}

TEST(WorkbookReader, EndsWithTheProgramAndRunsUnderLimits)
{
    // The reader opens a named pipe that nobody writes, and waits there for as long as it lives.
    QTemporaryDir dir;
    const QString pipe = dir.filePath(QStringLiteral("czeka.xls"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    // A reader whose program is gone comes to this process, which can tell how it ended.
    ASSERT_EQ(::prctl(PR_SET_CHILD_SUBREAPER, 1), 0);
    const pid_t program = ::fork();
    if (program == 0) {
        detail::readFirstSheet(pipe);
        ::_exit(0);
    }
    ASSERT_GT(program, 0);

    pid_t reader = 0;
    const QString unlimited = limitOf(::getpid(), "Max address space");
    const bool limited = QTest::qWaitFor(
        [&] {
            reader = reader ? reader : childOf(program);
            return reader && limitOf(reader, "Max address space") != unlimited;
        },
        10000);
    EXPECT_TRUE(limited);
    EXPECT_EQ(limitOf(reader, "Max cpu time"), QStringLiteral("60 61"));
    EXPECT_EQ(limitOf(reader, "Max core file size"), QStringLiteral("0 0"));

    ::kill(program, SIGKILL);
    ::waitpid(program, nullptr, 0);
    int status = 0;
    const bool ended =
        reader && QTest::qWaitFor([&] { return ::waitpid(reader, &status, WNOHANG) == reader; });
    if (reader && !ended) {
        ::kill(reader, SIGKILL);
        ::waitpid(reader, nullptr, 0);
    }
    ::prctl(PR_SET_CHILD_SUBREAPER, 0);
    ASSERT_TRUE(ended);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
}
