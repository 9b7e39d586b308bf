#include "ProtocolHeader.h"

#include <algorithm>

namespace trelimor {

namespace {

const QString kProcedura = QStringLiteral(
    "Próbki zostały pobrane i dostarczone przez zleceniodawcę zgodnie z następującymi dokumentami:");
const QString kPlan = QStringLiteral("Plan pobierania próbek:");
const QString kPodpis = QStringLiteral("..........");
// The last of the rows whose labels the layout requires.
constexpr int kLastFixedRow = 15;

std::optional<QString> dateText(const QVariant& value)
{
    const std::optional<QDate> date = dateValue(value);
    if (!date)
        return std::nullopt;
    return date->toString(QStringLiteral("dd.MM.yyyy"));
}

// The sampler's name between the ten dots of the signature row and the dots after it (which a
// hand-made sheet may lack).
QString sampler(const QString& rest)
{
    if (rest.startsWith(QLatin1Char('.')))
        return {};
    const qsizetype dots = rest.indexOf(QLatin1String(".."));
    return (dots < 0 ? rest : rest.left(dots)).trimmed();
}

// Rows 12, 13 and 15: false when the row lacks its label.
bool readFixedRow(const ImportSheet& sheet, int row, ProtocolHeader& h)
{
    const auto trimmed = [&sheet, row](int column) { return sheet.Text(row, column).trimmed(); };
    switch (row) {
    case 12:
        if (trimmed(3) != u"Data uboju:")
            return false;
        h.TextDataUboju = dateText(sheet.Value(row, 4));
        if (trimmed(7) == u"Data pobrania próbek:")
            h.TextDataPobr = dateText(sheet.Value(row, 8));
        return true;
    case 13:
        if (trimmed(3) != u"Godzina Uboju:")
            return false;
        h.TextGodzUboju = trimmed(4);
        if (trimmed(7) == u"Godzina pobrania próbek:")
            h.TextGodzPobr = trimmed(8);
        return true;
    case 15: {
        const QString label = sheet.Text(row, 1);
        if (!label.startsWith(QLatin1String("Weterynaryjny numer")))
            return false;
        h.TextZaklad = label.mid(label.indexOf(QLatin1Char(':')) + 1).trimmed();
        const QString powiat = sheet.Text(row, 22);
        if (powiat.size() == 4)
            h.TextPowiat = powiat;
        return true;
    }
    default:
        return true;
    }
}

} // namespace

ProtocolHeader readProtocolHeader(const ImportSheet& sheet)
{
    ProtocolHeader h;
    if (!sheet.Text(1, 1).startsWith(QStringLiteral("Protokół pobrania")))
        return h;
    h.isProtocol = true;
    QString count;
    // The fixed rows are read even below a sheet cut short, as the empty cells they are there;
    // the rows after them as far as the sheet goes, however far that is.
    const int lastRow = std::max(sheet.rowCount(), kLastFixedRow);
    for (int row = 1; row <= lastRow; ++row) {
        if (!readFixedRow(sheet, row, h)) {
            h.refused = true;
            return h;
        }
        const QString first = sheet.Text(row, 1).trimmed();
        if (row >= 21) {
            if (first.startsWith(kProcedura))
                h.ComboProceduraPobierania = first.mid(kProcedura.size()).trimmed();
            else if (first.startsWith(kPlan))
                h.ComboPlanPobierania = first.mid(kPlan.size()).trimmed();
            else if (first.startsWith(kPodpis)) {
                h.ComboPobral = sampler(first.mid(kPodpis.size()));
                break;
            }
        }
        if (isNumericValue(sheet.Value(row, 1)))
            count = sheet.Text(row, 1);
    }
    h.TextIlProbek = count;
    return h;
}

} // namespace trelimor
