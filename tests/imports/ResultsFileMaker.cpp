#include "ResultsFileMaker.h"

#include "common/Cp1250.h"
#include "support/TestFiles.h"

namespace trelimor::test {

namespace {
constexpr int kFields = 44;
} // namespace

ResultsFileMaker& ResultsFileMaker::header(const QString& county, const QString& day,
                                           const QString& laboratory)
{
    return line(QStringLiteral("[WynikPartia]|%1|%2|||||Serologia|%3|").arg(laboratory, county, day));
}

ResultsFileMaker& ResultsFileMaker::holding(const QString& herd)
{
    return line(QStringLiteral("[PartiaG]|%1|Kowalski Jan|Wólka|7a|").arg(herd));
}

ResultsFileMaker& ResultsFileMaker::result(const QString& herd, const QString& sample, const QString& earTag,
                                           const QString& species, const QStringList& flags,
                                           const QMap<int, QString>& values)
{
    QStringList fields(kFields);
    fields[0] = herd;
    fields[1] = sample;
    fields[2] = QStringLiteral("1");
    fields[3] = earTag;
    fields[4] = species;
    fields[5] = QStringLiteral("żeńska");
    for (qsizetype i = 0; i < flags.size(); ++i)
        fields[12 + i] = flags.at(i);
    for (auto it = values.begin(); it != values.end(); ++it)
        fields[it.key()] = it.value();
    return line(fields.join(QLatin1Char('|')));
}

ResultsFileMaker& ResultsFileMaker::line(const QString& text)
{
    m_lines << text;
    return *this;
}

ResultsFileMaker& ResultsFileMaker::inUtf8()
{
    m_utf8 = true;
    return *this;
}

ResultsFileMaker& ResultsFileMaker::replacingBytes(const QByteArray& from, const QByteArray& to)
{
    m_replacements.append({from, to});
    return *this;
}

QByteArray ResultsFileMaker::bytes(const QByteArray& lineEnd) const
{
    QByteArray bytes;
    for (const QString& text : m_lines) {
        if (m_utf8)
            bytes += text.toUtf8();
        else
            cp1250::appendEncoded(text, bytes);
        bytes += lineEnd;
    }
    for (const auto& [from, to] : m_replacements)
        bytes.replace(from, to);
    return bytes;
}

QString ResultsFileMaker::write(const QString& path, const QByteArray& lineEnd) const
{
    writeFile(path, bytes(lineEnd));
    return path;
}

} // namespace trelimor::test
