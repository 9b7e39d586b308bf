#include "Workbook.h"

#include <freexl.h>

#include <QFileInfo>
#include <QTime>

#include <cmath>
#include <utility>

namespace trelimor::sheet {

namespace {

const QDate serialDayZero(1899, 12, 30);

QVariant valueOf(const FreeXL_CellValue& cell)
{
    switch (cell.type) {
    case FREEXL_CELL_INT:
        return QVariant::fromValue<qint64>(cell.value.int_value);
    case FREEXL_CELL_DOUBLE:
        return cell.value.double_value;
    case FREEXL_CELL_TEXT:
    case FREEXL_CELL_SST_TEXT:
        return QString::fromUtf8(cell.value.text_value);
    case FREEXL_CELL_DATE:
        return QDate::fromString(QString::fromLatin1(cell.value.text_value), QStringLiteral("yyyy-MM-dd"));
    case FREEXL_CELL_DATETIME:
        return QDateTime::fromString(QString::fromLatin1(cell.value.text_value),
                                     QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    case FREEXL_CELL_TIME:
        return QTime::fromString(QString::fromLatin1(cell.value.text_value), QStringLiteral("HH:mm:ss"));
    default:
        return {};
    }
}

QString timeText(const QTime& time)
{
    return time.toString(time.second() == 0 ? QStringLiteral("hh:mm") : QStringLiteral("hh:mm:ss"));
}

} // namespace

Workbook::Workbook(const QString& path)
    : m_path(path)
{
    const QFileInfo info(path);
    if (!info.isFile() || !info.isReadable())
        throw SheetError(QStringLiteral("Nie można otworzyć pliku %1.").arg(path));

    const int opened = freexl_open(QFile::encodeName(path).constData(), &m_handle);
    if (opened != FREEXL_OK) {
        close();
        if (opened == FREEXL_FILE_NOT_FOUND || opened == FREEXL_INSUFFICIENT_MEMORY)
            throw SheetError(QStringLiteral("Nie można otworzyć pliku %1.").arg(path));
        throw SheetError(QStringLiteral("Plik %1 nie jest skoroszytem programu Excel.").arg(path));
    }

    unsigned int protection = 0;
    if (freexl_get_info(m_handle, FREEXL_BIFF_PASSWORD, &protection) == FREEXL_OK &&
        protection == FREEXL_BIFF_OBFUSCATED) {
        close();
        throw SheetError(QStringLiteral("Skoroszyt %1 jest chroniony hasłem.").arg(path));
    }

    unsigned int sheets = 0;
    unsigned int rows = 0;
    unsigned short columns = 0;
    if (freexl_get_info(m_handle, FREEXL_BIFF_SHEET_COUNT, &sheets) != FREEXL_OK || sheets == 0 ||
        freexl_select_active_worksheet(m_handle, 0) != FREEXL_OK ||
        freexl_worksheet_dimensions(m_handle, &rows, &columns) != FREEXL_OK) {
        close();
        throw SheetError(QStringLiteral("Skoroszyt %1 nie zawiera żadnego arkusza.").arg(path));
    }
    m_rows = int(rows);
    m_columns = int(columns);
}

Workbook::~Workbook()
{
    close();
}

Workbook::Workbook(Workbook&& other) noexcept
    : m_path(std::move(other.m_path))
    , m_handle(std::exchange(other.m_handle, nullptr))
    , m_rows(std::exchange(other.m_rows, 0))
    , m_columns(std::exchange(other.m_columns, 0))
{}

Workbook& Workbook::operator=(Workbook&& other) noexcept
{
    if (this != &other) {
        close();
        m_path = std::move(other.m_path);
        m_handle = std::exchange(other.m_handle, nullptr);
        m_rows = std::exchange(other.m_rows, 0);
        m_columns = std::exchange(other.m_columns, 0);
    }
    return *this;
}

void Workbook::close()
{
    if (m_handle)
        freexl_close(m_handle);
    m_handle = nullptr;
}

QVariant Workbook::cell(int row, int column) const
{
    if (!m_handle || row < 1 || column < 1 || row > m_rows || column > m_columns)
        return {};
    FreeXL_CellValue value{};
    if (freexl_get_cell_value(m_handle, unsigned(row - 1), static_cast<unsigned short>(column - 1), &value) !=
        FREEXL_OK)
        return {};
    return valueOf(value);
}

QString Workbook::cellText(int row, int column) const
{
    return cellValueText(cell(row, column));
}

QDate dateFromSerial(double serial)
{
    return serialDayZero.addDays(qint64(std::floor(serial)));
}

QDateTime dateTimeFromSerial(double serial)
{
    // Built from the date and the time of day, not by adding seconds, so that a clock change
    // in the local time zone cannot shift the value.
    qint64 day = qint64(std::floor(serial));
    long seconds = std::lround((serial - double(day)) * 86400.0);
    if (seconds >= 86400) {
        ++day;
        seconds -= 86400;
    }
    return QDateTime(serialDayZero.addDays(day), QTime(0, 0).addSecs(int(seconds)));
}

QString cellValueText(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::Double:
        return QString::number(value.toDouble(), 'g', 15);
    case QMetaType::QDate:
        return value.toDate().toString(QStringLiteral("dd.MM.yyyy"));
    case QMetaType::QTime:
        return timeText(value.toTime());
    case QMetaType::QDateTime: {
        const QDateTime moment = value.toDateTime();
        return moment.date().toString(QStringLiteral("dd.MM.yyyy")) + QLatin1Char(' ') +
               timeText(moment.time());
    }
    default:
        return value.toString();
    }
}

} // namespace trelimor::sheet
