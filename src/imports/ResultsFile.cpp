#include "ResultsFile.h"

#include "common/TextHelpers.h"

#include "platform/db/Field.h"

#include <QLocale>

#include <cmath>
#include <limits>

namespace trelimor {

namespace {

const QString kHeader = QStringLiteral("[WynikPartia]");
const QString kHolding = QStringLiteral("[PartiaG]");
// Appended to every line, so that the fields a short line lacks read as empty.
const QString kPadding = QStringLiteral("||||||||||");
// A result line is read up to its last test value.
constexpr qsizetype kResultFields = 44;

constexpr int kTypeMismatch = 13;
constexpr int kOverflow = 6;

QStringList fieldsOf(const QString& line)
{
    QStringList fields = (line + kPadding).split(QLatin1Char('|'));
    while (fields.size() < kResultFields)
        fields.append(QString());
    return fields;
}

// A whole number as Basic's CInt reads it: a decimal comma or point, a fraction rounded half to
// even, the 16-bit range.
qint16 shortNumber(const QString& field, int lineNumber)
{
    const QString text = field.trimmed();
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

ResultsFile readResultsFile(const QStringList& lines, const QString& countyCode, const QDate& workingDate)
{
    ResultsFile file;
    bool headerAccepted = false;
    QString holdingHerd;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const int lineNumber = int(i) + 1;
        const QString line = trimBlanks(lines.at(i));
        if (!headerAccepted) {
            if (!line.startsWith(kHeader))
                continue;
            const QStringList fields = fieldsOf(line);
            file.county = fields.at(2);
            file.month = monthOf(fields.at(8));
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
        const QStringList fields = fieldsOf(line);
        if (line.startsWith(kHolding)) {
            holdingHerd = fields.at(1);
            continue;
        }
        ResultLine result;
        result.lineNumber = lineNumber;
        result.herd = shortNumber(fields.at(0), lineNumber);
        result.sample = shortNumber(fields.at(1), lineNumber);
        result.earTag = fields.at(3);
        result.species = fields.at(4);
        result.holdingHerd = holdingHerd;
        result.fields = fields;
        file.lines.push_back(std::move(result));
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
    return line.fields.at(test.flagField) == QLatin1String("T");
}

QStringList valuesOf(const ResultLine& line, const ResultTest& test)
{
    return line.fields.mid(test.firstValueField, test.columns.size());
}

} // namespace trelimor
