#include "ResultsFile.h"

#include "common/TextHelpers.h"
#include "common/TextLines.h"

#include "platform/db/Field.h"

#include <QLocale>
#include <QSet>

#include <algorithm>
#include <cmath>
#include <limits>

namespace trelimor {

namespace {

const QString kHeader = QStringLiteral("[WynikPartia]");
const QString kHolding = QStringLiteral("[PartiaG]");
// Where the nine test flags and the tests' values lie in a result line.
constexpr int kFirstFlagField = 12;
constexpr int kFirstValueField = 21;
constexpr int kLastValueField = 43;

constexpr int kTypeMismatch = 13;
constexpr int kOverflow = 6;

// The "|"-separated fields of a line, numbered from 0; a field the line lacks is the empty text,
// as if the line were padded with separators. Views into the line, which must outlive them.
class Fields
{
public:
    explicit Fields(QStringView line)
        : m_fields(line.split(QLatin1Char('|')))
    {}
    QStringView at(qsizetype index) const
    {
        return index < m_fields.size() ? m_fields.at(index) : QStringView();
    }
    // The text from the first field through the last one, separators included, as far as the
    // line reaches.
    QStringView span(qsizetype first, qsizetype last) const
    {
        if (first >= m_fields.size())
            return {};
        const QStringView end = m_fields.at(std::min(last, m_fields.size() - 1));
        return QStringView(m_fields.at(first).begin(), end.end());
    }

private:
    QList<QStringView> m_fields;
};

// The bit of ResultLine::flagged that holds the test's flag.
quint16 flagBit(const ResultTest& test)
{
    return quint16(1u << (test.flagField - kFirstFlagField));
}

// A whole number as Basic's CInt reads it: a decimal comma or point, a fraction rounded half to
// even, the 16-bit range.
qint16 shortNumber(QStringView field, int lineNumber)
{
    const QStringView text = field.trimmed();
    bool ok = false;
    double value = QLocale(QLocale::Polish).toDouble(text, &ok);
    if (!ok)
        value = QLocale::c().toDouble(text, &ok);
    if (!ok || !std::isfinite(value))
        throw ResultValueError(kTypeMismatch, QStringLiteral("Niezgodność typów"), lineNumber);
    const double rounded = std::nearbyint(value);
    if (rounded < std::numeric_limits<qint16>::min() || rounded > std::numeric_limits<qint16>::max())
        throw ResultValueError(kOverflow, QStringLiteral("Przepełnienie"), lineNumber);
    return qint16(rounded);
}

// The header's day as "yyyymm"; the field as it stands when it is no date.
QString monthOf(const QString& field)
{
    const QDateTime day = db::parseDateText(field);
    return day.isValid() ? day.toString(QStringLiteral("yyyyMM")) : field;
}

} // namespace

ResultValueError::ResultValueError(int number, QString description, int lineNumber)
    : m_number(number)
    , m_description(std::move(description))
    , m_lineNumber(lineNumber)
    , m_what(m_description.toUtf8())
{}

ResultsFile readResultsFile(TextLineReader& lines, const QString& countyCode, const QDate& workingDate)
{
    ResultsFile file;
    bool headerAccepted = false;
    QString holdingHerd;
    QSet<QString> speciesNames;
    QString text;
    for (int lineNumber = 1; lines.next(text); ++lineNumber) {
        const QStringView line = trimBlanks(text);
        if (!headerAccepted) {
            if (!line.startsWith(kHeader))
                continue;
            const Fields fields(line);
            file.county = fields.at(2).toString();
            file.month = monthOf(fields.at(8).toString());
            if (file.county != countyCode) {
                file.outcome = ResultsFile::Outcome::OtherCounty;
                return file;
            }
            if (file.month != workingDate.toString(QStringLiteral("yyyyMM"))) {
                file.outcome = ResultsFile::Outcome::OtherMonth;
                return file;
            }
            headerAccepted = true;
            continue;
        }
        if (line.isEmpty())
            continue;
        const Fields fields(line);
        if (line.startsWith(kHolding)) {
            holdingHerd = fields.at(1).toString();
            continue;
        }
        ResultLine& result = file.lines.emplace_back();
        result.herd = shortNumber(fields.at(0), lineNumber);
        result.sample = shortNumber(fields.at(1), lineNumber);
        result.earTag = fields.at(3).toString();
        result.species = *speciesNames.insert(fields.at(4).toString());
        result.holdingHerd = holdingHerd;
        for (const ResultTest& test : resultTests())
            if (fields.at(test.flagField) == QLatin1String("T"))
                result.flagged |= flagBit(test);
        if (result.flagged)
            result.values = fields.span(kFirstValueField, kLastValueField).toUtf8();
    }
    file.outcome = headerAccepted ? ResultsFile::Outcome::Read : ResultsFile::Outcome::NoHeader;
    return file;
}

const std::vector<ResultTest>& resultTests()
{
    static const std::vector<ResultTest> tests{
        {QStringLiteral("EBB"),
         12,
         21,
         {QStringLiteral("Elisa"), QStringLiteral("ID"), QStringLiteral("WynikOgolny")}},
        {QStringLiteral("Br"),
         13,
         24,
         {QStringLiteral("OKAP"), QStringLiteral("OAmiano"), QStringLiteral("OAIU"), QStringLiteral("Elisa"),
          QStringLiteral("OWDmiano"), QStringLiteral("OWDmjpwd"), QStringLiteral("WynikOgolny")}},
        {QStringLiteral("NZK"), 14, 31, {QStringLiteral("Wynik")}},
        {QStringLiteral("ZSt"), 15, 32, {QStringLiteral("OWDmiano"), QStringLiteral("Wynik")}},
        {QStringLiteral("Nos"), 16, 34, {QStringLiteral("OWDmiano"), QStringLiteral("Wynik")}},
        {QStringLiteral("Q"), 17, 36, {QStringLiteral("OWDmiano"), QStringLiteral("Wynik")}},
        {QStringLiteral("IBRIPV"), 18, 38, {QStringLiteral("Wynik")}},
        {QStringLiteral("Par"), 19, 39, {QStringLiteral("Wynik")}},
        {QStringLiteral("BrOK"),
         20,
         40,
         {QStringLiteral("OKAP"), QStringLiteral("OWDmiano"), QStringLiteral("OWDmjpwd"),
          QStringLiteral("WynikOgolny")}},
    };
    return tests;
}

bool isFlagged(const ResultLine& line, const ResultTest& test)
{
    return (line.flagged & flagBit(test)) != 0;
}

QStringList valuesOf(const ResultLine& line, const ResultTest& test)
{
    QStringList values = QString::fromUtf8(line.values)
                             .split(QLatin1Char('|'))
                             .mid(test.firstValueField - kFirstValueField, test.columns.size());
    while (values.size() < test.columns.size())
        values.append(QString());
    return values;
}

} // namespace trelimor
