#include "Cp1250.h"

#include <QHash>
#include <QStringDecoder>

#include <array>

namespace trelimor::cp1250 {

namespace {

struct Tables
{
    std::array<QChar, 256> toChar;
    QHash<char16_t, int> toCode;

    Tables()
    {
        QStringDecoder decode("windows-1250");
        for (int c = 0; c < 256; ++c) {
            const char byte = char(c);
            const QString s = decode.decode(QByteArrayView(&byte, 1));
            QChar ch = s.size() == 1 ? s.at(0) : QChar(0xFFFD);
            if (ch == QChar(0xFFFD))
                ch = QChar(char16_t(c));
            toChar[size_t(c)] = ch;
            toCode.insert(ch.unicode(), c);
        }
    }
};

const Tables& tables()
{
    static const Tables t;
    return t;
}

} // namespace

int code(QChar ch)
{
    return tables().toCode.value(ch.unicode(), -1);
}

QChar character(int c)
{
    return tables().toChar[size_t(((c % 256) + 256) % 256)];
}

void appendEncoded(QStringView text, QByteArray& out)
{
    const Tables& t = tables();
    for (const QChar ch : text) {
        // The page keeps ASCII as it is: most characters of a file need no lookup.
        if (ch.unicode() < 0x80) {
            out.append(char(ch.unicode()));
            continue;
        }
        const int c = t.toCode.value(ch.unicode(), -1);
        out.append(c < 0 ? '?' : char(c));
    }
}

QByteArray encodeLines(const QStringList& lines)
{
    QByteArray bytes;
    for (const QString& line : lines) {
        appendEncoded(line, bytes);
        bytes.append("\r\n");
    }
    return bytes;
}

} // namespace trelimor::cp1250
