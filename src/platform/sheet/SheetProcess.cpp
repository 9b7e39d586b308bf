#include "SheetProcess.h"

#include <freexl.h>

#include <QDate>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QTime>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstring>

namespace trelimor::sheet::detail {

namespace {

// Large workbooks take a few seconds; a reader caught in a loop is stopped.
constexpr int kTimeLimitMs = 60000;
// More than the largest sheet a .xls holds can say (65536 rows of 256 columns of text).
constexpr qsizetype kMaxReport = qsizetype(1) << 30;

// The report the reading process writes: a header (outcome, rows, columns), then each cell that
// holds a value (row, column, FreeXL's cell type, and an int64, a double or a text with its
// length), ended by a row of 0xFFFFFFFF. Numbers in the machine's own order: both ends are this
// program.
enum ChildOutcome : uint8_t { Read, CannotOpen, NoWorkbook, Protected, NoSheet };
constexpr uint32_t kEnd = 0xFFFFFFFF;

// Writes through a buffer to the pipe; only system calls, as suits a child of a forked process.
class PipeWriter
{
public:
    explicit PipeWriter(int fd)
        : m_fd(fd)
    {}
    void put(const void* data, size_t size)
    {
        const auto* bytes = static_cast<const char*>(data);
        while (size > 0) {
            if (m_used == sizeof m_buffer)
                flush();
            const size_t part = std::min(size, sizeof m_buffer - m_used);
            std::memcpy(m_buffer + m_used, bytes, part);
            m_used += part;
            bytes += part;
            size -= part;
        }
    }
    template <typename T>
    void put(T value)
    {
        put(&value, sizeof value);
    }
    void flush()
    {
        size_t done = 0;
        while (done < m_used) {
            const ssize_t written = ::write(m_fd, m_buffer + done, m_used - done);
            if (written < 0 && errno == EINTR)
                continue;
            if (written <= 0)
                ::_exit(2); // the reading program went away
            done += size_t(written);
        }
        m_used = 0;
    }

private:
    int m_fd;
    char m_buffer[64 * 1024];
    size_t m_used = 0;
};

[[noreturn]] void readInChild(const char* path, int fd)
{
    // Whatever the library or a checker says of a file that breaks it, the user learns from the
    // program's own message: the child speaks only through its report.
    if (const int null = ::open("/dev/null", O_WRONLY | O_CLOEXEC); null >= 0)
        ::dup2(null, STDERR_FILENO);
    PipeWriter out(fd);
    const void* handle = nullptr;
    const int opened = freexl_open(path, &handle);
    uint8_t outcome = Read;
    unsigned int rows = 0;
    unsigned short columns = 0;
    unsigned int value = 0;
    if (opened != FREEXL_OK)
        outcome =
            opened == FREEXL_FILE_NOT_FOUND || opened == FREEXL_INSUFFICIENT_MEMORY ? CannotOpen : NoWorkbook;
    else if (freexl_get_info(handle, FREEXL_BIFF_PASSWORD, &value) == FREEXL_OK &&
             value == FREEXL_BIFF_OBFUSCATED)
        outcome = Protected;
    else if (freexl_get_info(handle, FREEXL_BIFF_SHEET_COUNT, &value) != FREEXL_OK || value == 0 ||
             freexl_select_active_worksheet(handle, 0) != FREEXL_OK ||
             freexl_worksheet_dimensions(handle, &rows, &columns) != FREEXL_OK)
        outcome = NoSheet;
    if (outcome != Read)
        rows = columns = 0;
    out.put(outcome);
    out.put(uint32_t(rows));
    out.put(uint16_t(columns));
    for (unsigned int row = 0; row < rows; ++row) {
        for (unsigned short column = 0; column < columns; ++column) {
            FreeXL_CellValue cell{};
            if (freexl_get_cell_value(handle, row, column, &cell) != FREEXL_OK)
                continue;
            switch (cell.type) {
            case FREEXL_CELL_INT:
            case FREEXL_CELL_DOUBLE:
            case FREEXL_CELL_TEXT:
            case FREEXL_CELL_SST_TEXT:
            case FREEXL_CELL_DATE:
            case FREEXL_CELL_DATETIME:
            case FREEXL_CELL_TIME:
                break;
            default:
                continue; // empty
            }
            out.put(uint32_t(row));
            out.put(uint16_t(column));
            out.put(uint8_t(cell.type));
            if (cell.type == FREEXL_CELL_INT) {
                out.put(int64_t(cell.value.int_value));
            } else if (cell.type == FREEXL_CELL_DOUBLE) {
                out.put(cell.value.double_value);
            } else {
                const char* text = cell.value.text_value ? cell.value.text_value : "";
                const uint32_t length = uint32_t(std::strlen(text));
                out.put(length);
                out.put(text, length);
            }
        }
    }
    out.put(kEnd);
    out.flush();
    if (handle)
        freexl_close(handle);
    ::_exit(0);
}

// Reads the child's whole report, or stops at the time limit; false when it ran out of time or
// said too much.
bool readReport(int fd, QByteArray& report)
{
    QElapsedTimer clock;
    clock.start();
    char buffer[64 * 1024];
    for (;;) {
        const qint64 left = kTimeLimitMs - clock.elapsed();
        if (left <= 0)
            return false;
        pollfd waiting{fd, POLLIN, 0};
        const int ready = ::poll(&waiting, 1, int(left));
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready <= 0)
            return false;
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return true; // the child closed its end
        report.append(buffer, got);
        if (report.size() > kMaxReport)
            return false;
    }
}

// Takes the report apart; false when it does not hold together.
class ReportReader
{
public:
    explicit ReportReader(const QByteArray& report)
        : m_report(report)
    {}
    template <typename T>
    bool get(T& value)
    {
        if (m_report.size() - m_at < qsizetype(sizeof value))
            return false;
        std::memcpy(&value, m_report.constData() + m_at, sizeof value);
        m_at += qsizetype(sizeof value);
        return true;
    }
    bool getText(QByteArray& text)
    {
        uint32_t length = 0;
        if (!get(length) || m_report.size() - m_at < qsizetype(length))
            return false;
        text = m_report.mid(m_at, qsizetype(length));
        m_at += qsizetype(length);
        return true;
    }
    bool atEnd() const { return m_at == m_report.size(); }

private:
    const QByteArray& m_report;
    qsizetype m_at = 0;
};

QVariant valueOf(uint8_t type, const QByteArray& text)
{
    switch (type) {
    case FREEXL_CELL_TEXT:
    case FREEXL_CELL_SST_TEXT:
        return QString::fromUtf8(text);
    case FREEXL_CELL_DATE:
        return QDate::fromString(QString::fromLatin1(text), QStringLiteral("yyyy-MM-dd"));
    case FREEXL_CELL_DATETIME:
        return QDateTime::fromString(QString::fromLatin1(text), QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    case FREEXL_CELL_TIME:
        return QTime::fromString(QString::fromLatin1(text), QStringLiteral("HH:mm:ss"));
    default:
        return {};
    }
}

bool decode(const QByteArray& report, SheetContents& contents)
{
    ReportReader in(report);
    uint8_t outcome = 0;
    uint32_t rows = 0;
    uint16_t columns = 0;
    if (!in.get(outcome) || !in.get(rows) || !in.get(columns) || outcome > NoSheet || rows > 0x7FFFFFFE)
        return false;
    contents.rows = int(rows);
    contents.columns = int(columns);
    for (;;) {
        uint32_t row = 0;
        if (!in.get(row))
            return false;
        if (row == kEnd)
            break;
        uint16_t column = 0;
        uint8_t type = 0;
        if (!in.get(column) || !in.get(type) || row >= rows || column >= columns)
            return false;
        QVariant value;
        if (type == FREEXL_CELL_INT) {
            int64_t number = 0;
            if (!in.get(number))
                return false;
            value = QVariant::fromValue<qint64>(number);
        } else if (type == FREEXL_CELL_DOUBLE) {
            double number = 0;
            if (!in.get(number))
                return false;
            value = number;
        } else {
            QByteArray text;
            if (!in.getText(text))
                return false;
            value = valueOf(type, text);
        }
        if (!value.isNull())
            contents.cells.insert(cellKey(int(row) + 1, int(column) + 1), value);
    }
    if (!in.atEnd())
        return false;
    static constexpr SheetContents::Outcome outcomes[] = {
        SheetContents::Outcome::Read, SheetContents::Outcome::CannotOpen, SheetContents::Outcome::NoWorkbook,
        SheetContents::Outcome::Protected, SheetContents::Outcome::NoSheet};
    contents.outcome = outcomes[outcome];
    return true;
}

} // namespace

SheetContents readFirstSheet(const QString& path)
{
    SheetContents contents;
    const QByteArray encodedPath = QFile::encodeName(path); // nothing of Qt runs in the child
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC) != 0) {
        contents.outcome = SheetContents::Outcome::CannotOpen;
        return contents;
    }
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(ends[0]);
        readInChild(encodedPath.constData(), ends[1]);
    }
    ::close(ends[1]);
    if (child < 0) {
        ::close(ends[0]);
        contents.outcome = SheetContents::Outcome::CannotOpen;
        return contents;
    }
    QByteArray report;
    const bool complete = readReport(ends[0], report);
    ::close(ends[0]);
    if (!complete)
        ::kill(child, SIGKILL);
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    if (!complete) {
        contents.outcome =
            report.size() > kMaxReport ? SheetContents::Outcome::Damaged : SheetContents::Outcome::TooSlow;
        return contents;
    }
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || !decode(report, contents)) {
        contents = {};
        contents.outcome = SheetContents::Outcome::Damaged;
    }
    return contents;
}

} // namespace trelimor::sheet::detail
