#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

#include <exception>
#include <vector>

namespace trelimor {

class TextLineReader;

// A laboratory's results file, as its own program writes it: lines of "|"-separated fields; a
// header "[WynikPartia]" naming the county (field 2) and a day of the results' month (field 8);
// holding lines "[PartiaG]" with the holding's herd number (field 1); and result lines, one per
// animal, each with nine test flags and the tests' values.

// One test of the file: its result table, the field of its flag and where its values go.
struct ResultTest
{
    QString table;
    int flagField;
    int firstValueField;
    QStringList columns; // in the order of the fields from firstValueField on
};

// One result line, as little of it as the import uses: the file is held whole until it has been
// checked, so a line takes 20 bytes and its texts, and a file of short lines costs a few times
// its size at most.
struct ResultLine
{
    qint16 herd = 0;         // field 0, the sample's NrStado
    qint16 sample = 0;       // field 1, the sample's NrProbki
    quint16 flagged = 0;     // bit i: the flag of the i-th test of resultTests() is exactly "T"
    quint32 species = 0;     // field 4, as ResultsFile::names holds it
    quint32 holdingHerd = 0; // the herd number of the latest holding line before it (names), "" without one
    quint32 texts = 0;       // where its ear tag and its values begin in ResultsFile::texts
};

struct ResultsFile
{
    enum class Outcome {
        Read,        // the header was accepted and every line after it read
        NoHeader,    // no "[WynikPartia]" line at all
        OtherCounty, // the header names another county than the active one
        OtherMonth,  // the header's day lies in another month than the working date
    };
    Outcome outcome = Outcome::NoHeader;
    QString county; // the header's, as written
    QString month;  // the header's, as "yyyymm" (the field as it stands when it is no date)
    std::vector<ResultLine> lines;
    // The species and herd numbers the lines name, each once; the first is the empty text.
    QStringList names;
    // Each line's ear tag (field 3) and, when it flags a test, fields 21 to 43 (the tests' values)
    // joined by "|": UTF-8, each led by its length. A line with neither shares the first, empty entry.
    QByteArray texts;

    QString earTag(const ResultLine& line) const;
    const QString& species(const ResultLine& line) const { return names.at(line.species); }
    const QString& holdingHerd(const ResultLine& line) const { return names.at(line.holdingHerd); }
    // The test's values, one per column; an absent field is the empty text.
    QStringList valuesOf(const ResultLine& line, const ResultTest& test) const;
};

// A result line whose herd or sample number is no 16-bit whole number: the run-time error
// number (13 type mismatch, 6 overflow) with its Polish description, and the line.
class ResultValueError : public std::exception
{
public:
    ResultValueError(int number, QString description, int lineNumber);

    int number() const { return m_number; }
    const QString& description() const { return m_description; }
    int lineNumber() const { return m_lineNumber; }
    const char* what() const noexcept override { return m_what.constData(); }

private:
    int m_number;
    QString m_description;
    int m_lineNumber;
    QByteArray m_what;
};

// Reads the lines of a results file: lines before the header are ignored, the header is checked
// against the county code and the working date's month (the county first), and after it every
// non-blank line is a holding or a result line; a second header is read as a result line. Reading
// ends at the first refusal of the header. Throws ResultValueError, and PlatformError when the
// file cannot be read.
ResultsFile readResultsFile(TextLineReader& lines, const QString& countyCode, const QDate& workingDate);

// The nine tests in the order of their flags: EBB, Br, NZK, ZSt, Nos, Q, IBRIPV, Par, BrOK.
const std::vector<ResultTest>& resultTests();

// The test's values are written only when its flag is exactly "T".
bool isFlagged(const ResultLine& line, const ResultTest& test);

} // namespace trelimor
