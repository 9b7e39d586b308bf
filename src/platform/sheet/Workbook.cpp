#include "Workbook.h"

#include "SheetProcess.h"

#include <QFileInfo>
#include <QTime>

#include <algorithm>
#include <cmath>
#include <utility>

namespace trelimor::sheet {

namespace {

const QDate serialDayZero(1899, 12, 30);

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

    detail::SheetContents sheet = detail::readFirstSheet(path);
    using Outcome = detail::SheetContents::Outcome;
    switch (sheet.outcome) {
    case Outcome::Read:
        break;
    case Outcome::CannotOpen:
        throw SheetError(QStringLiteral("Nie można otworzyć pliku %1.").arg(path));
    case Outcome::NoWorkbook:
        throw SheetError(QStringLiteral("Plik %1 nie jest skoroszytem programu Excel.").arg(path));
    case Outcome::Protected:
        throw SheetError(QStringLiteral("Skoroszyt %1 jest chroniony hasłem.").arg(path));
    case Outcome::NoSheet:
        throw SheetError(QStringLiteral("Skoroszyt %1 nie zawiera żadnego arkusza.").arg(path));
    case Outcome::Damaged:
        throw SheetError(QStringLiteral("Plik %1 jest uszkodzony i nie może zostać odczytany.").arg(path));
    case Outcome::TooLarge:
        throw SheetError(
            QStringLiteral("Skoroszyt %1 zawiera więcej danych, niż program może wczytać z jednego pliku; "
                           "plik nie został wczytany.")
                .arg(path));
    case Outcome::TooSlow:
        throw SheetError(
            QStringLiteral("Odczyt pliku %1 trwał zbyt długo i został przerwany; plik może być uszkodzony.")
                .arg(path));
    }
    m_rows = sheet.rows;
    m_columns = sheet.columns;
    m_cells = std::move(sheet.cells);
}

Workbook::Workbook(const QString& path, const QList<CellValue>& cells)
    : m_path(path)
{
    for (const CellValue& c : cells) {
        if (c.value.isNull() || c.row < 1 || c.column < 1 || c.column > 0xFFFF)
            continue;
        m_rows = std::max(m_rows, c.row);
        m_columns = std::max(m_columns, c.column);
        m_cells.insert(detail::cellKey(c.row, c.column), c.value);
    }
}

QVariant Workbook::cell(int row, int column) const
{
    if (row < 1 || column < 1 || row > m_rows || column > m_columns)
        return {};
    return m_cells.value(detail::cellKey(row, column));
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
