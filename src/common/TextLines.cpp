#include "TextLines.h"

#include "Cp1250.h"

#include "platform/PlatformError.h"

#include <QFile>
#include <QStringDecoder>

namespace trelimor {

namespace {

const QByteArray kUtf8Bom("\xEF\xBB\xBF");

QString decode(const QByteArray& bytes)
{
    if (bytes.startsWith(kUtf8Bom)) {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        return utf8.decode(QByteArrayView(bytes).sliced(kUtf8Bom.size()));
    }
    // Byte by byte through the code page's table, in which every byte has its character: no
    // file can fail to decode, and no byte is lost.
    QString text;
    text.reserve(bytes.size());
    for (const char byte : bytes)
        text.append(cp1250::character(static_cast<unsigned char>(byte)));
    return text;
}

} // namespace

QStringList splitTextLines(const QByteArray& bytes)
{
    const QString text = decode(bytes);
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != u'\r' && c != u'\n')
            continue;
        lines << text.mid(start, i - start);
        if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines << text.mid(start);
    return lines;
}

QStringList readTextLines(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw PlatformError(QStringLiteral("Nie można otworzyć pliku %1: %2").arg(path, file.errorString()));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw PlatformError(QStringLiteral("Nie można odczytać pliku %1: %2").arg(path, file.errorString()));
    return splitTextLines(bytes);
}

} // namespace trelimor
