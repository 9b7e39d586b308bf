#include "ProtocolSamples.h"

#include "common/Dates.h"
#include "common/TextHelpers.h"

#include <QRegularExpression>

namespace trelimor {

namespace {

// The columns of a sample row.
enum Column {
    Wni = 2,
    Number = 3,
    Date = 4,
    Herd = 10,
    HerdSize = 11,
    Symptoms = 12,
    Use = 13,
};

// Columns written only when not empty, with their fields; a text shorter by one than its field
// is a code whose leading zero the spreadsheet dropped.
struct OptionalColumn
{
    int column;
    const char* field;
    int codeLength;
};

constexpr OptionalColumn kOptionalColumns[] = {
    {14, "Gatunek", 0},
    {15, "WlascicielNazwisko", 0},
    {16, "WlascicielImie", 0},
    {17, "WlascicielMiejscowosc", 0},
    {18, "WlascicielNrPosesja", 0},
    {19, "Wojewodztwo", 0},
    {20, "KodWoj", 2},
    {21, "Powiat", 0},
    {22, "KodPIW", 4},
    {23, "Gmina", 0},
    // The columns the protocol file writes after the commune, read as well so that a batch's
    // protocol file imports back whole.
    {24, "Gatunek2", 0},
    {25, "SystemUtrzymania", 0},
    {26, "RodzajMaterialu", 0},
    {27, "WarunkiPrzechowywania", 0},
    {28, "DataUrodzenia", 0},
};

// A code typed with its leading zero that the spreadsheet stored as a number comes back one
// character short.
QString withLeadingZero(const QString& text, int length)
{
    return text.size() == length - 1 ? QLatin1Char('0') + text : text;
}

// An ear tag: a number keeps its digits, up to the twelve of a Polish tag's number.
QString earTag(const ImportSheet& sheet, int row, int column)
{
    const QString text = sheet.Text(row, column).trimmed();
    const QVariant value = sheet.Value(row, column);
    if ((value.typeId() == QMetaType::LongLong || value.typeId() == QMetaType::Double) && text.size() < 12)
        return QString(12 - text.size(), QLatin1Char('0')) + text;
    return text;
}

// The sampling date of the code: ddmmyyyy, whether the sheet shows it so or with dots.
QString storedDate(const QString& asRead)
{
    if (!asRead.contains(QLatin1Char('.')))
        return asRead;
    const std::optional<QDate> date = dateFromText(asRead);
    return date ? date->toString(QStringLiteral("ddMMyyyy")) : asRead;
}

class RowReader
{
public:
    RowReader(const ImportSheet& sheet, int row)
        : m_sheet(sheet)
        , m_row(row)
    {}

    QString text(int column) const { return m_sheet.Text(m_row, column); }
    void set(const char* field, const QVariant& value) { setField(m_sample, field, value); }

    // The age, null for an empty cell; a problem for anything but a number.
    std::optional<ReadProblem> setAge(int column)
    {
        const QVariant value = m_sheet.Value(m_row, column);
        if (text(column).trimmed().isEmpty()) {
            set("Wiek", QVariant());
            return std::nullopt;
        }
        if (!isNumericValue(value))
            return ReadProblem{ReadProblem::Kind::AgeNotNumber, m_row, column, text(column)};
        set("Wiek", number(value));
        return std::nullopt;
    }

    static QVariant number(const QVariant& value)
    {
        if (value.typeId() != QMetaType::QString)
            return value;
        QString text = value.toString().trimmed();
        return text.replace(QLatin1Char(','), QLatin1Char('.')).toDouble();
    }

    ImportedSample& sample() { return m_sample; }

private:
    const ImportSheet& m_sheet;
    int m_row;
    ImportedSample m_sample;
};

// Columns 5 to 9: the ear tag as country and number in two cells (PL and a longer number), or in
// one cell with age, sex, kind of slaughter and remarks following it.
std::optional<ReadProblem> readAnimal(const ImportSheet& sheet, int row, RowReader& r)
{
    const bool twoCells = sheet.Value(row, 5).toString() == u"PL" && r.text(6).size() > 3;
    if (!twoCells) {
        r.set("NrKolczyka", earTag(sheet, row, 5));
        if (auto problem = r.setAge(6))
            return problem;
        r.set("Plec", r.text(7));
        r.set("RodzajUboju", r.text(8).trimmed());
        r.set("Uwagi", r.text(9));
        return std::nullopt;
    }
    r.set("NrKolczyka", r.text(5).trimmed() + earTag(sheet, row, 6));
    if (auto problem = r.setAge(7))
        return problem;
    r.set("Plec", r.text(8));
    const QString kind = r.text(9);
    if (isProtocolSlaughterKind(kind)) {
        r.set("RodzajUboju", kind);
        r.set("Uwagi", QString());
    } else {
        r.set("Uwagi", kind);
    }
    return std::nullopt;
}

} // namespace

bool isProtocolSlaughterKind(const QString& text)
{
    static const QStringList kinds{QStringLiteral("N"), QStringLiteral("K"), QStringLiteral("S"),
                                   QStringLiteral("P"), QStringLiteral("ZNK"), QStringLiteral("U"),
                                   QStringLiteral("EBB"), QStringLiteral("O"), QStringLiteral("UZKZCbO"),
                                   QStringLiteral("UZKZCzO"), QStringLiteral("UF"), QStringLiteral("R"),
                                   QStringLiteral("NNWOK"), QStringLiteral("NWOK"), QStringLiteral("BSEP"),
                                   QStringLiteral("BSEZ"), QStringLiteral("Z"),
                                   // The deer kinds of the batch window.
                                   QStringLiteral("PJ"), QStringLiteral("KJ"), QStringLiteral("CHJ"),
                                   QStringLiteral("UJ"), QStringLiteral("NJ")};
    return kinds.contains(text);
}

ImportRead readProtocolSamples(const ImportSheet& sheet)
{
    ImportRead result;
    const auto isSample = [&sheet](int row) { return isNumericValue(sheet.Value(row, 1)); };
    const bool any = forEachDataRow(sheet, 1, isSample, [&](int row) {
        RowReader r(sheet, row);
        ImportedSample& s = r.sample();
        s.source = row;
        // The number as the protocol has it: any three digits, 000 for an empty cell.
        const QString numberText = r.text(Number).trimmed();
        if ((result.problem = longNumber(numberText, row)))
            return false;
        s.nr = UzupelnijZerami(numberText, true, 3);
        s.nrProbki = s.nr.toInt();
        s.wni = withLeadingZero(r.text(Wni).trimmed(), 8);
        s.dateAsRead = withLeadingZero(r.text(Date).trimmed(), 8);
        s.data = storedDate(s.dateAsRead);
        addIdentityFields(s);
        if ((result.problem = readAnimal(sheet, row, r)))
            return false;
        r.set("NrGospod", r.text(Herd));
        if (isNumericValue(sheet.Value(row, HerdSize)))
            r.set("LiczebnoscStada", RowReader::number(sheet.Value(row, HerdSize)));
        r.set("ObjawyChorobowe", r.text(Symptoms));
        r.set("Uzytkowosc", r.text(Use));
        for (const OptionalColumn& c : kOptionalColumns) {
            const QString text = r.text(c.column);
            if (!text.isEmpty())
                r.set(c.field, c.codeLength ? withLeadingZero(text, c.codeLength) : text);
        }
        result.samples << s;
        return true;
    });
    if (!any)
        result.problem = ReadProblem::of(ReadProblem::Kind::NoSamples);
    return result;
}

} // namespace trelimor
