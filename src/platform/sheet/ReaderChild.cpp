#include "ReaderChild.h"

#include "SheetReport.h"

#include <freexl.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <unordered_map>

namespace trelimor::sheet::detail {

namespace {

// Writes through a buffer to the pipe.
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

// The program's end is the reader's: were the program killed, the reader would otherwise go on
// alone (adopted by init) for as long as a hostile file keeps it busy. The signal comes when the
// thread that forked ends; that thread waits for the reader.
void endWithProgram(pid_t program)
{
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (::getppid() != program) // it ended before the signal was asked for
        ::_exit(3);
}

// The address space the process has when it starts: what it shares with the program. Read from
// /proc with system calls alone; 0 when it cannot be read.
rlim_t sharedAddressSpace()
{
    const int fd = ::open("/proc/self/statm", O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return 0;
    char text[64];
    const ssize_t got = ::read(fd, text, sizeof text);
    ::close(fd);
    rlim_t pages = 0;
    for (ssize_t i = 0; i < got && text[i] >= '0' && text[i] <= '9'; ++i)
        pages = pages * 10 + rlim_t(text[i] - '0');
    return pages * rlim_t(::sysconf(_SC_PAGESIZE));
}

// Lowers a limit, never raising what the program was started with.
void lowerLimit(int resource, rlim_t soft, rlim_t hard)
{
    rlimit limit{};
    if (::getrlimit(resource, &limit) != 0)
        return;
    limit.rlim_max = std::min(limit.rlim_max, hard);
    limit.rlim_cur = std::min({limit.rlim_cur, soft, limit.rlim_max});
    ::setrlimit(resource, &limit);
}

// The workbook library allocates what a file asks for; a hostile file's demands end in a
// refused allocation (the library reports it, or the reader fails and the file is refused as
// damaged) instead of in the program's memory. A processor limit stops a reader caught in a loop
// even when nobody waits for it, and a crash leaves no core file with the program's memory.
void limitReader()
{
    lowerLimit(RLIMIT_CORE, 0, 0);
    lowerLimit(RLIMIT_CPU, kTimeLimitSeconds, kTimeLimitSeconds + 1);
    if (const rlim_t shared = sharedAddressSpace(); shared > 0)
        lowerLimit(RLIMIT_AS, shared + kReaderMemory, shared + kReaderMemory);
}

bool isText(unsigned char type)
{
    switch (type) {
    case FREEXL_CELL_TEXT:
    case FREEXL_CELL_SST_TEXT:
    case FREEXL_CELL_DATE:
    case FREEXL_CELL_DATETIME:
    case FREEXL_CELL_TIME:
        return true;
    default:
        return false;
    }
}

const char* textOf(const FreeXL_CellValue& cell)
{
    return cell.value.text_value ? cell.value.text_value : "";
}

// The strings the library shares among cells, by their address in its table: a cell of a shared
// string points at the table's copy.
struct SharedString
{
    static constexpr uint32_t kNotSent = 0xFFFFFFFF;
    uint32_t length = 0;
    uint32_t index = kNotSent;
};

class Sheet
{
public:
    Sheet(const void* handle, unsigned int rows, unsigned short columns)
        : m_handle(handle)
        , m_rows(rows)
        , m_columns(columns)
    {}

    // Whether the sheet holds no more cells and text than a workbook the program reads: counted
    // before anything is sent, so that a sheet beyond them costs the program nothing.
    bool withinLimits()
    {
        uint64_t cells = 0;
        uint64_t text = 0;
        return forEachValue([&](unsigned int, unsigned short, const FreeXL_CellValue& cell) {
            if (isText(cell.type))
                text += textLength(cell);
            return ++cells <= kMaxCells && text <= kMaxText;
        });
    }

    void send(PipeWriter& out)
    {
        uint32_t sentStrings = 0;
        forEachValue([&](unsigned int row, unsigned short column, const FreeXL_CellValue& cell) {
            out.put(uint32_t(row));
            out.put(uint16_t(column));
            out.put(uint8_t(cell.type));
            if (cell.type == FREEXL_CELL_INT) {
                out.put(int64_t(cell.value.int_value));
            } else if (cell.type == FREEXL_CELL_DOUBLE) {
                out.put(cell.value.double_value);
            } else if (cell.type == FREEXL_CELL_SST_TEXT) {
                SharedString& shared = sharedString(textOf(cell));
                const bool first = shared.index == SharedString::kNotSent;
                if (first)
                    shared.index = sentStrings++;
                out.put(shared.index);
                if (first)
                    putText(out, textOf(cell), shared.length);
            } else {
                const char* text = textOf(cell);
                putText(out, text, uint32_t(std::strlen(text)));
            }
            return true;
        });
    }

private:
    // Calls take(row, column, cell) for each cell holding a value, row by row, until it answers
    // false; false when it did.
    template <class Take>
    bool forEachValue(Take take)
    {
        for (unsigned int row = 0; row < m_rows; ++row) {
            for (unsigned short column = 0; column < m_columns; ++column) {
                FreeXL_CellValue cell{};
                if (freexl_get_cell_value(m_handle, row, column, &cell) != FREEXL_OK)
                    continue;
                if ((cell.type == FREEXL_CELL_INT || cell.type == FREEXL_CELL_DOUBLE || isText(cell.type)) &&
                    !take(row, column, cell))
                    return false;
            }
        }
        return true;
    }

    SharedString& sharedString(const char* text)
    {
        auto [it, added] = m_shared.try_emplace(text);
        if (added)
            it->second.length = uint32_t(std::strlen(text));
        return it->second;
    }

    uint64_t textLength(const FreeXL_CellValue& cell)
    {
        return cell.type == FREEXL_CELL_SST_TEXT ? sharedString(textOf(cell)).length
                                                 : std::strlen(textOf(cell));
    }

    static void putText(PipeWriter& out, const char* text, uint32_t length)
    {
        out.put(length);
        out.put(text, length);
    }

    const void* m_handle;
    unsigned int m_rows;
    unsigned short m_columns;
    std::unordered_map<const char*, SharedString> m_shared;
};

} // namespace

void readInChild(const char* path, int fd, pid_t program)
{
    endWithProgram(program);
    limitReader();
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
    if (opened == FREEXL_INSUFFICIENT_MEMORY) // the library's own caps, or the memory limit
        outcome = TooLarge;
    else if (opened == FREEXL_FILE_NOT_FOUND)
        outcome = CannotOpen;
    else if (opened != FREEXL_OK)
        outcome = NoWorkbook;
    else if (freexl_get_info(handle, FREEXL_BIFF_PASSWORD, &value) == FREEXL_OK &&
             value == FREEXL_BIFF_OBFUSCATED)
        outcome = Protected;
    else if (freexl_get_info(handle, FREEXL_BIFF_SHEET_COUNT, &value) != FREEXL_OK || value == 0 ||
             freexl_select_active_worksheet(handle, 0) != FREEXL_OK ||
             freexl_worksheet_dimensions(handle, &rows, &columns) != FREEXL_OK)
        outcome = NoSheet;
    Sheet sheet(handle, rows, columns);
    if (outcome == Read && !sheet.withinLimits())
        outcome = TooLarge;
    if (outcome != Read)
        rows = columns = 0;
    out.put(outcome);
    out.put(uint32_t(rows));
    out.put(uint16_t(columns));
    if (outcome == Read)
        sheet.send(out);
    out.put(kEnd);
    out.flush();
    if (handle)
        freexl_close(handle);
    ::_exit(0);
}

} // namespace trelimor::sheet::detail
