#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>

namespace trelimor::test {

// Makes laboratory results files as the laboratory's program writes them: Windows-1250 (or
// UTF-8), the header, holding lines and result lines of "|"-separated fields, with the line ends asked for.
class ResultsFileMaker
{
public:
    // "[WynikPartia]" with the laboratory in field 1, the county code in field 2 and the day of the
    // results in field 8.
    ResultsFileMaker& header(const QString& county, const QString& day,
                             const QString& laboratory = QStringLiteral("ZHW Poznań"));
    // "[PartiaG]" with the holding's herd number in field 1.
    ResultsFileMaker& holding(const QString& herd);
    // A result line: herd and sample numbers, ear tag and species; the nine flags in the order
    // EBB, Br, NZK, ZSt, Nos, Q, IBRIPV, Par, BrOK; values by their field number (21 to 43).
    ResultsFileMaker& result(const QString& herd, const QString& sample, const QString& earTag,
                             const QString& species, const QStringList& flags,
                             const QMap<int, QString>& values);
    // Any other line, as it stands.
    ResultsFileMaker& line(const QString& text);
    // The file in UTF-8 without the byte-order mark, as some programs write it.
    ResultsFileMaker& inUtf8();
    // The bytes `to` wherever the encoded text has `from`: a byte no encoding of a text gives.
    ResultsFileMaker& replacingBytes(const QByteArray& from, const QByteArray& to);

    QByteArray bytes(const QByteArray& lineEnd = "\r\n") const;
    // Writes the file and returns its path.
    QString write(const QString& path, const QByteArray& lineEnd = "\r\n") const;

private:
    QStringList m_lines;
    bool m_utf8 = false;
    QList<std::pair<QByteArray, QByteArray>> m_replacements;
};

} // namespace trelimor::test
