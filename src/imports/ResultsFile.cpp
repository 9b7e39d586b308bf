#include "ResultsFile.h"

#include "common/TextHelpers.h"
#include "common/TextLines.h"

#include "platform/db/Field.h"

#include <QHash>
#include <QLocale>
#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <limits>

namespace trelimor {

static_assert(sizeof(ResultLine) == 20, "a result line takes the 20 bytes its comment counts on");

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

// The texts of a file's lines as ResultsFile holds them.
class Texts
{
public:
    explicit Texts(ResultsFile& file)
        : m_file(file)
    {
        m_file.names << QString();
        m_names.insert(QString(), 0);
        m_file.texts = QByteArray(2 * sizeof(quint32), '\0'); // the empty entry
    }

    // The name's place in the file's names, added when it is new.
    quint32 name(QStringView text)
    {
        const QString name = text.toString();
        const auto found = m_names.constFind(name);
        if (found != m_names.cend())
            return *found;
        const auto at = quint32(m_file.names.size());
        m_file.names << name;
        m_names.insert(name, at);
        return at;
    }

    // Where the ear tag and the values begin, added unless both are empty.
    quint32 add(QStringView earTag, QStringView values)
    {
        if (earTag.isEmpty() && values.isEmpty())
            return 0;
        const auto at = quint32(m_file.texts.size());
        append(earTag.toUtf8());
        append(values.toUtf8());
        return at;
    }

private:
    void append(const QByteArray& text)
    {
        char length[sizeof(quint32)];
        qToLittleEndian(quint32(text.size()), length);
        m_file.texts.append(length, sizeof length).append(text);
    }

    ResultsFile& m_file;
    QHash<QString, quint32> m_names;
};

// The text whose length stands at `at`.
QByteArrayView textAt(const QByteArray& texts, quint32 at)
{
    const char* length = texts.constData() + at;
    return QByteArrayView(length + sizeof(quint32), qsizetype(qFromLittleEndian<quint32>(length)));
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
    Texts texts(file);
    quint32 holdingHerd = 0;
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
            // Room for every line at once: the vector never grows by copying.
            file.lines.reserve(std::size_t(lines.lineCount() - lineNumber));
            continue;
        }
        if (line.isEmpty())
            continue;
        const Fields fields(line);
        if (line.startsWith(kHolding)) {
            holdingHerd = texts.name(fields.at(1));
            continue;
        }
        ResultLine& result = file.lines.emplace_back();
        result.herd = shortNumber(fields.at(0), lineNumber);
        result.sample = shortNumber(fields.at(1), lineNumber);
        result.species = texts.name(fields.at(4));
        result.holdingHerd = holdingHerd;
        for (const ResultTest& test : resultTests())
            if (fields.at(test.flagField) == QLatin1String("T"))
                result.flagged |= flagBit(test);
        result.texts = texts.add(fields.at(3), result.flagged ? fields.span(kFirstValueField, kLastValueField)
                                                              : QStringView());
    }
    file.outcome = headerAccepted ? ResultsFile::Outcome::Read : ResultsFile::Outcome::NoHeader;
    return file;
}

QString ResultsFile::earTag(const ResultLine& line) const
{
    return QString::fromUtf8(textAt(texts, line.texts));
}

QStringList ResultsFile::valuesOf(const ResultLine& line, const ResultTest& test) const
{
    const QByteArrayView tag = textAt(texts, line.texts);
    const QByteArrayView values = textAt(texts, quint32(tag.end() - texts.constData()));
    QStringList fields = QString::fromUtf8(values)
                             .split(QLatin1Char('|'))
                             .mid(test.firstValueField - kFirstValueField, test.columns.size());
    while (fields.size() < test.columns.size())
        fields.append(QString());
    return fields;
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

} // namespace trelimor
