#include "Dates.h"

#include "Messages.h"
#include "TextHelpers.h"

#include "platform/locale/DatePattern.h"
#include "platform/locale/ShortDateFormat.h"
#include "platform/ui/Clock.h"

#include <QRegularExpression>

#include <array>
#include <cmath>

namespace trelimor {

namespace {

struct Wojewodztwo
{
    const char* code;
    const char16_t* name;
};

constexpr std::array<Wojewodztwo, 16> kWojewodztwa = {{
    {"02", u"Dolnośląskie"},
    {"04", u"Kujawsko-pomorskie"},
    {"06", u"Lubelskie"},
    {"08", u"Lubuskie"},
    {"10", u"Łódzkie"},
    {"12", u"Małopolskie"},
    {"14", u"Mazowieckie"},
    {"16", u"Opolskie"},
    {"18", u"Podkarpackie"},
    {"20", u"Podlaskie"},
    {"22", u"Pomorskie"},
    {"24", u"Śląskie"},
    {"26", u"Świętokrzyskie"},
    {"28", u"Warmińsko-mazurskie"},
    {"30", u"Wielkopolskie"},
    {"32", u"Zachodniopomorskie"},
}};

QChar firstNonDigit(const QString& text, qsizetype limit)
{
    for (qsizetype i = 0; i < qMin(limit, text.size()); ++i)
        if (!text.at(i).isDigit())
            return text.at(i);
    return {};
}

} // namespace

QDate NaDate(QString& dateText)
{
    return dateFromTyped(dateText, locale::shortDateFormat(), ui::today());
}

QDate dateFromTyped(QString& dateText, const QString& shortDatePattern, const QDate& day)
{
    const QString format = locale::qtFormatFromWindows(shortDatePattern);
    const QString today = day.toString(format).trimmed();
    const QChar systemSeparator = firstNonDigit(today, today.size());
    const QChar typedSeparator = firstNonDigit(dateText, today.size());
    if (!typedSeparator.isNull() && !systemSeparator.isNull())
        dateText = ZamienZnak(dateText, QString(typedSeparator), QString(systemSeparator));
    // The system reads day and month with or without a leading zero.
    QString lenient = format;
    lenient.replace(QLatin1String("dd"), QLatin1String("d")).replace(QLatin1String("MM"), QLatin1String("M"));
    QDate date = QDate::fromString(dateText.trimmed(), lenient);
    if (!date.isValid())
        date = QDate::fromString(dateText.trimmed(), format);
    return date.isValid() ? date : zeroDate();
}

bool isShortDate(const QString& text)
{
    QString copy = text;
    return !text.trimmed().isEmpty() && NaDate(copy) != zeroDate();
}

std::optional<QDate> dateFromText(const QString& text)
{
    static const QRegularExpression shape(QStringLiteral(R"(^(\d{1,2})[./-](\d{1,2})[./-](\d{4})$)"));
    const QRegularExpressionMatch m = shape.match(text.trimmed());
    if (!m.hasMatch())
        return std::nullopt;
    const QDate date(m.captured(3).toInt(), m.captured(2).toInt(), m.captured(1).toInt());
    if (!date.isValid())
        return std::nullopt;
    return date;
}

QString dateText(const QDate& date)
{
    return date.toString(QStringLiteral("dd.MM.yyyy"));
}

QString NazwaMiesiaca(const QString& month)
{
    static const char16_t* names[12] = {u"Styczeń",  u"Luty",        u"Marzec",   u"Kwiecień",
                                        u"Maj",      u"Czerwiec",    u"Lipiec",   u"Sierpień",
                                        u"Wrzesień", u"Październik", u"Listopad", u"Grudzień"};
    bool ok = false;
    const double number = month.trimmed().replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
    const int whole = ok ? int(std::floor(number)) : 0;
    if (whole < 1 || whole > 12) {
        PokazInfo(QStringLiteral("Nieprawidłowa data!"), kInformationTitle);
        return {};
    }
    return QString::fromUtf16(names[whole - 1]);
}

QString NazwaWojewodztwa(const QString& code)
{
    for (const auto& w : kWojewodztwa)
        if (code == QLatin1String(w.code))
            return QString::fromUtf16(w.name);
    return {};
}

QString KodWojewodztwa(const QString& name)
{
    const QString lower = name.toLower();
    for (const auto& w : kWojewodztwa)
        if (lower == QString::fromUtf16(w.name).toLower())
            return QString::fromLatin1(w.code);
    return {};
}

QString PobierzFormatDaty()
{
    return locale::shortDateFormat();
}

void UstawFormatDaty(const QString& pattern)
{
    if (pattern.toLower() != PobierzFormatDaty().toLower())
        locale::setShortDateFormat(pattern);
}

} // namespace trelimor
