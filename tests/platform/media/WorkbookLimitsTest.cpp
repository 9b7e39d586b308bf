#include "platform/sheet/SheetProcess.h"
#include "platform/sheet/Workbook.h"

#include "support/XlsBuilder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace trelimor::sheet;
using trelimor::test::XlsBuilder;

namespace {

QString openError(const QString& path)
{
    try {
        Workbook workbook(path);
    } catch (const SheetError& error) {
        return error.message();
    }
    return {};
}

long peakKilobytes()
{
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
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
    const long before = peakKilobytes();
    EXPECT_EQ(openError(oneString), refusal(oneString));
    EXPECT_LT(peakKilobytes() - before, 64 * 1024) << "kB more at the peak";

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
        protocol.setNumber(row, 1, row - 1);
        protocol.setString(row, 2,
                           protocol.addString(QStringLiteral("1465%1").arg(row, 4, 10, QLatin1Char('0'))));
        protocol.setNumber(row, 3, row % 1000);
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
    EXPECT_EQ(workbook.cell(10001, 1), QVariant(10000.0));
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
