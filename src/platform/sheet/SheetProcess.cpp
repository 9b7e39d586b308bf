#include "SheetProcess.h"

#include "ReaderChild.h"
#include "SheetReport.h"

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

constexpr int kTimeLimitMs = kTimeLimitSeconds * 1000;

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
        if (uint64_t(report.size()) > kMaxReport)
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

// One cell's value as the report gives it; false when the report does not hold together.
class CellDecoder
{
public:
    bool next(ReportReader& in, uint8_t type, QVariant& value, uint64_t& textBytes)
    {
        if (type == FREEXL_CELL_INT) {
            int64_t number = 0;
            if (!in.get(number))
                return false;
            value = QVariant::fromValue<qint64>(number);
            return true;
        }
        if (type == FREEXL_CELL_DOUBLE) {
            double number = 0;
            if (!in.get(number))
                return false;
            value = number;
            return true;
        }
        if (type == FREEXL_CELL_SST_TEXT)
            return nextShared(in, value, textBytes);
        QByteArray text;
        if (!in.getText(text))
            return false;
        textBytes += uint64_t(text.size());
        value = valueOf(type, text);
        return true;
    }

private:
    // A shared string is decoded once, where it is first used; every cell showing it holds the
    // same QString.
    bool nextShared(ReportReader& in, QVariant& value, uint64_t& textBytes)
    {
        uint32_t index = 0;
        if (!in.get(index) || index > uint32_t(m_shared.size()))
            return false;
        if (index == uint32_t(m_shared.size())) {
            QByteArray text;
            if (!in.getText(text))
                return false;
            m_shared.append({QString::fromUtf8(text), uint64_t(text.size())});
        }
        const Shared& shared = m_shared.at(index);
        textBytes += shared.bytes;
        value = shared.text;
        return true;
    }

    struct Shared
    {
        QString text;
        uint64_t bytes = 0;
    };
    QList<Shared> m_shared;
};

// Takes the report apart, holding the reader to the limits it was to keep; false when it does
// not hold together or goes beyond them.
bool decode(const QByteArray& report, SheetContents& contents)
{
    ReportReader in(report);
    uint8_t outcome = 0;
    uint32_t rows = 0;
    uint16_t columns = 0;
    if (!in.get(outcome) || !in.get(rows) || !in.get(columns) || outcome > TooLarge || rows > 0x7FFFFFFE)
        return false;
    contents.rows = int(rows);
    contents.columns = int(columns);
    CellDecoder cells;
    uint64_t cellCount = 0;
    uint64_t textBytes = 0;
    for (;;) {
        uint32_t row = 0;
        if (!in.get(row))
            return false;
        if (row == kEnd)
            break;
        uint16_t column = 0;
        uint8_t type = 0;
        QVariant value;
        if (!in.get(column) || !in.get(type) || row >= rows || column >= columns || ++cellCount > kMaxCells ||
            !cells.next(in, type, value, textBytes) || textBytes > kMaxText)
            return false;
        if (!value.isNull())
            contents.cells.insert(cellKey(int(row) + 1, int(column) + 1), value);
    }
    if (!in.atEnd())
        return false;
    static constexpr SheetContents::Outcome outcomes[] = {
        SheetContents::Outcome::Read,       SheetContents::Outcome::CannotOpen,
        SheetContents::Outcome::NoWorkbook, SheetContents::Outcome::Protected,
        SheetContents::Outcome::NoSheet,    SheetContents::Outcome::TooLarge};
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
    const pid_t program = ::getpid();
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(ends[0]);
        readInChild(encodedPath.constData(), ends[1], program);
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
    if (!complete || (WIFSIGNALED(status) && WTERMSIG(status) == SIGXCPU)) {
        // A report longer than any sheet within the limits gives is no report of this reader.
        contents.outcome = uint64_t(report.size()) > kMaxReport ? SheetContents::Outcome::Damaged
                                                                : SheetContents::Outcome::TooSlow;
        return contents;
    }
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || !decode(report, contents)) {
        contents = {};
        contents.outcome = SheetContents::Outcome::Damaged;
    }
    return contents;
}

} // namespace trelimor::sheet::detail
