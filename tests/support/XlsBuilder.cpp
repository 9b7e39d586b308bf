#include "XlsBuilder.h"

#include "TestFiles.h"

#include <QtEndian>

#include <algorithm>

namespace trelimor::test {

namespace {

// The largest record body of a BIFF8 stream; a longer table of strings goes on in CONTINUE records.
constexpr int kMaxRecord = 8224;
constexpr uint16_t kBof = 0x0809, kEof = 0x000A, kSheet = 0x0085, kSst = 0x00FC, kContinue = 0x003C,
                   kDimensions = 0x0200, kLabelSst = 0x00FD, kMulRk = 0x00BD;

// The compound file around the stream: 4096-byte sectors, so that one sector of its allocation
// table maps 4 MiB and no further tables are needed for any workbook a test writes.
constexpr int kSector = 4096;
constexpr uint32_t kFree = 0xFFFFFFFF, kEndOfChain = 0xFFFFFFFE, kFatSector = 0xFFFFFFFD;

template <typename T>
void put(QByteArray& out, T value)
{
    char bytes[sizeof value];
    qToLittleEndian(value, bytes);
    out.append(bytes, sizeof bytes);
}

void putRecord(QByteArray& out, uint16_t type, const QByteArray& body)
{
    put(out, type);
    put(out, uint16_t(body.size()));
    out += body;
}

QByteArray bof(uint16_t kind)
{
    QByteArray body;
    put(body, uint16_t(0x0600)); // BIFF8
    put(body, kind);
    put(body, uint16_t(0x0DBB));
    put(body, uint16_t(0x07CC));
    put(body, uint32_t(0));
    put(body, uint32_t(0x06));
    return body;
}

bool fitsInBytes(const QString& text)
{
    return std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() < 0x100; });
}

// A string's characters as BIFF8 stores them: one byte each when they all fit, else UTF-16.
QByteArray characters(const QString& text, bool wide)
{
    QByteArray out;
    for (const QChar c : text) {
        if (wide)
            put(out, c.unicode());
        else
            out.append(char(c.unicode()));
    }
    return out;
}

// The table of shared strings: an SST record and as many CONTINUE records as it takes. A string
// that does not fit goes on in the next record, which starts with the string's option byte again.
QByteArray stringTable(const QByteArray& strings, uint32_t references, uint32_t count)
{
    QByteArray records;
    QByteArray body;
    put(body, references);
    put(body, count);
    uint16_t type = kSst;
    const auto flush = [&] {
        putRecord(records, type, body);
        body.clear();
        type = kContinue;
    };
    qsizetype at = 0;
    while (at < strings.size()) {
        const uint16_t length = qFromLittleEndian<uint16_t>(strings.constData() + at);
        const char options = strings.at(at + 2);
        const int unit = options & 1 ? 2 : 1;
        if (kMaxRecord - body.size() < 3 + unit) // a string's header is never split
            flush();
        body += strings.mid(at, 3);
        at += 3;
        qsizetype left = qsizetype(length) * unit;
        while (left > 0) {
            const qsizetype part = std::min<qsizetype>(left, (kMaxRecord - body.size()) / unit * unit);
            body += strings.mid(at, part);
            at += part;
            left -= part;
            if (left > 0) {
                flush();
                body.append(options);
            }
        }
    }
    flush();
    return records;
}

// The compound file holding the stream as its "Workbook": the header, the allocation table, the
// directory (root and stream) and the stream's sectors in a row.
QByteArray compoundFile(QByteArray stream)
{
    const uint32_t streamSize = uint32_t(stream.size());
    const uint32_t streamSectors = std::max<uint32_t>(1, (streamSize + kSector - 1) / kSector);
    stream.resize(qsizetype(streamSectors) * kSector, '\0');
    constexpr uint32_t perFat = kSector / 4;
    uint32_t fatSectors = 1;
    while (fatSectors * perFat < fatSectors + 1 + streamSectors)
        ++fatSectors;
    const uint32_t directory = fatSectors;
    const uint32_t firstStream = directory + 1;

    QByteArray header;
    header.append("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8);
    header.append(16, '\0');
    put(header, uint16_t(0x003E));
    put(header, uint16_t(4)); // version 4: 4096-byte sectors
    put(header, uint16_t(0xFFFE));
    put(header, uint16_t(12));
    put(header, uint16_t(6));
    header.append(6, '\0');
    put(header, uint32_t(1)); // directory sectors
    put(header, fatSectors);
    put(header, directory);
    put(header, uint32_t(0));
    put(header, uint32_t(4096)); // mini stream cut-off; there is no mini stream
    put(header, kEndOfChain);
    put(header, uint32_t(0));
    put(header, kEndOfChain); // no further table of the allocation table
    put(header, uint32_t(0));
    for (uint32_t i = 0; i < 109; ++i)
        put(header, i < fatSectors ? i : kFree);
    header.resize(kSector, '\0');

    QByteArray fat;
    for (uint32_t i = 0; i < fatSectors; ++i)
        put(fat, kFatSector);
    put(fat, kEndOfChain); // the directory
    for (uint32_t i = 1; i < streamSectors; ++i)
        put(fat, firstStream + i);
    put(fat, kEndOfChain);
    fat.resize(qsizetype(fatSectors) * kSector, '\xFF');

    const auto entry = [](const QString& name, uint8_t type, uint32_t child, uint32_t start, uint32_t size) {
        QByteArray e;
        for (const QChar c : name)
            put(e, c.unicode());
        e.resize(64, '\0');
        put(e, uint16_t((name.size() + 1) * 2));
        e.append(char(type));
        e.append(char(1)); // black
        put(e, kFree);
        put(e, kFree);
        put(e, child);
        e.append(36, '\0'); // class, state bits, times
        put(e, start);
        put(e, uint64_t(size));
        return e;
    };
    QByteArray dir = entry(QStringLiteral("Root Entry"), 5, 1, kEndOfChain, 0);
    dir += entry(QStringLiteral("Workbook"), 2, kFree, firstStream, streamSize);
    dir.resize(kSector, '\0');

    return header + fat + dir + stream;
}

} // namespace

uint32_t XlsBuilder::addString(const QString& text)
{
    const bool wide = !fitsInBytes(text);
    put(m_strings, uint16_t(text.size()));
    m_strings.append(char(wide ? 1 : 0));
    m_strings += characters(text, wide);
    return m_stringCount++;
}

void XlsBuilder::cellPlace(int row, int column)
{
    m_rows = std::max(m_rows, row);
    m_columns = std::max(m_columns, column);
    put(m_cells, uint16_t(row - 1));
    put(m_cells, uint16_t(column - 1));
}

void XlsBuilder::setString(int row, int column, uint32_t index)
{
    put(m_cells, kLabelSst);
    put(m_cells, uint16_t(10));
    cellPlace(row, column);
    put(m_cells, uint16_t(0));
    put(m_cells, index);
    ++m_references;
}

void XlsBuilder::setNumbers(int row, int column, int count, int value)
{
    put(m_cells, kMulRk);
    put(m_cells, uint16_t(6 + 6 * count));
    cellPlace(row, column);
    for (int i = 0; i < count; ++i) {
        put(m_cells, uint16_t(0));
        put(m_cells, uint32_t(value) << 2 | 0x02); // a whole number, not divided by 100
    }
    put(m_cells, uint16_t(column + count - 2));
    m_columns = std::max(m_columns, column + count - 1);
}

QByteArray XlsBuilder::bytes() const
{
    QByteArray sheetName;
    const QString name = QStringLiteral("Arkusz1");
    sheetName.append(char(name.size()));
    sheetName.append('\0');
    sheetName += characters(name, false);

    QByteArray globals;
    putRecord(globals, kBof, bof(0x0005));
    globals += stringTable(m_strings, m_references, m_stringCount);
    QByteArray sheetEntry;
    put(sheetEntry, uint32_t(globals.size() + 4 + 6 + sheetName.size() + 4)); // where the sheet begins
    sheetEntry.append(2, '\0');                                               // visible worksheet
    sheetEntry += sheetName;
    putRecord(globals, kSheet, sheetEntry);
    putRecord(globals, kEof, {});

    QByteArray dimensions;
    put(dimensions, uint32_t(0));
    put(dimensions, uint32_t(m_rows));
    put(dimensions, uint16_t(0));
    put(dimensions, uint16_t(m_columns));
    put(dimensions, uint16_t(0));
    QByteArray sheet;
    putRecord(sheet, kBof, bof(0x0010));
    putRecord(sheet, kDimensions, dimensions);
    sheet += m_cells;
    putRecord(sheet, kEof, {});
    return compoundFile(globals + sheet);
}

void XlsBuilder::save(const QString& path) const
{
    writeFile(path, bytes());
}

XlsBuilder sameStringInRows(const QString& text, int rows)
{
    XlsBuilder workbook;
    const uint32_t index = workbook.addString(text);
    for (int row = 1; row <= rows; ++row)
        workbook.setString(row, 1, index);
    return workbook;
}

} // namespace trelimor::test
