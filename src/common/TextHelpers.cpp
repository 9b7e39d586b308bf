#include "TextHelpers.h"

#include "Cp1250.h"
#include "Messages.h"

#include <QRegularExpression>

namespace trelimor {

void PodzielNaCzesci(QString& line, QString& tail, QString& separator, int maxLength)
{
    if (line.isEmpty())
        return;
    qsizetype p = line.indexOf(separator);
    if (p < 0 || separator.isEmpty()) {
        separator = QStringLiteral("#");
        p = line.indexOf(separator);
    }
    if (p < 0) {
        separator = QStringLiteral(";");
        p = line.indexOf(separator);
    }
    if (p < 0) {
        tail.clear();
        return;
    }
    QString head = line.left(p);
    if (!head.isEmpty() && maxLength > 0)
        head.truncate(maxLength);
    tail = line.mid(p + separator.size());
    line = head;
}

QVariant PobierzPole(const QString& text, int n, const QString& separator)
{
    if (text.isEmpty() || n < 0)
        return {};
    if (n == 0) {
        const qsizetype end = separator.isEmpty() ? -1 : text.indexOf(separator);
        return end < 0 ? text : text.left(end);
    }
    if (separator.size() != 1)
        return {};
    const QChar sep = separator.at(0);
    int seen = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) != sep)
            continue;
        if (++seen == n) {
            const qsizetype next = text.indexOf(sep, i + 1);
            return next < 0 ? text.mid(i + 1) : text.mid(i + 1, next - i - 1);
        }
    }
    return {};
}

QVariant PobierzPole2(const QString& text, int n, const QString& separator)
{
    return PobierzPole(text, n, separator);
}

QString ZamienZnak(const QString& text, const QString& character, const QString& replacement)
{
    if (character.size() != 1)
        return text;
    QString result;
    result.reserve(text.size());
    for (const QChar c : text) {
        if (c == character.at(0))
            result += replacement;
        else
            result += c;
    }
    return result;
}

bool isNumeric(const QString& text)
{
    static const QRegularExpression number(
        QStringLiteral(R"(^[+-]?(\d+([.,]\d*)?|[.,]\d+)([eE][+-]?\d+)?$)"));
    return number.match(text.trimmed()).hasMatch();
}

QStringView trimBlanks(QStringView text)
{
    while (!text.isEmpty() && text.front() == QLatin1Char(' '))
        text = text.sliced(1);
    while (!text.isEmpty() && text.back() == QLatin1Char(' '))
        text.chop(1);
    return text;
}

std::optional<double> decimalNumber(const QString& text)
{
    if (!isNumeric(text))
        return std::nullopt;
    QString normalised = text.trimmed();
    normalised.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double value = normalised.toDouble(&ok);
    return ok ? std::optional<double>(value) : std::nullopt;
}

QString UzupelnijZerami(const QString& text, bool padLeft, int width)
{
    QString digits;
    for (const QChar c : text.left(255))
        if (c.unicode() >= '0' && c.unicode() <= '9')
            digits += c;
    if (width < digits.size()) {
        PokazUwage(QStringLiteral("Przekroczono długość łańcucha: ") + text, QStringLiteral("Uwaga!"));
        return {};
    }
    const QString zeros(width - digits.size(), QLatin1Char('0'));
    return padLeft ? zeros + digits : digits + zeros;
}

void TablicaPolskichZnakow(TablicaZnakow& table)
{
    static const char16_t letters[18] = {u'Ą', u'Ć', u'Ę', u'Ł', u'Ń', u'Ó', u'Ś', u'Ź', u'Ż',
                                         u'ą', u'ć', u'ę', u'ł', u'ń', u'ó', u'ś', u'ź', u'ż'};
    static const int base[18] = {65, 67, 69,  76,  78,  79,  83,  90,  90,
                                 97, 99, 101, 108, 110, 111, 115, 122, 122};
    static const int mazovia[18] = {143, 149, 144, 156, 165, 163, 152, 160, 161,
                                    134, 141, 145, 146, 164, 162, 158, 166, 167};
    static const int cp852[18] = {164, 143, 168, 157, 227, 224, 151, 141, 189,
                                  165, 134, 169, 136, 228, 162, 152, 171, 190};
    static const int fifth[18] = {198, 0, 201, 157, 185, 250, 156, 0, 237,
                                  230, 0, 197, 229, 165, 243, 215, 0, 158};
    for (int row = 0; row < 18; ++row) {
        auto& r = table[size_t(row + 1)];
        r[1] = QString::number(cp1250::code(QChar(letters[row])));
        r[2] = QString::number(base[row]);
        r[3] = QString::number(mazovia[row]);
        r[4] = QString::number(cp852[row]);
        r[5] = QString::number(fifth[row]);
    }
}

QString KluczSortowania(const QString& first, const QString& second, int& length)
{
    static const TablicaZnakow table = [] {
        TablicaZnakow t;
        TablicaPolskichZnakow(t);
        return t;
    }();
    const QString source = (first.trimmed() + second.trimmed()).toUpper();
    if (length == 0)
        length = int(qMin<qsizetype>(source.size(), 255));
    QString key;
    for (const QChar c : source) {
        const QString code = QString::number(cp1250::code(c));
        bool expanded = false;
        for (int row = 1; row <= 9; ++row) {
            if (table[size_t(row)][1] == code) {
                key += QChar(char16_t(table[size_t(row)][2].toInt()));
                key += QLatin1Char('z');
                expanded = true;
                break;
            }
        }
        if (!expanded)
            key += c;
    }
    return key.left(length);
}

} // namespace trelimor
