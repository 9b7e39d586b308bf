#include "BatchProposals.h"

#include "common/Messages.h"
#include "common/TextHelpers.h"

#include "platform/db/Recordset.h"

namespace trelimor {

namespace {

// The number after the text's number, written as the user writes numbers; empty for no number.
QString nextNumber(const QString& tekst)
{
    const std::optional<double> number = decimalNumber(tekst);
    if (!number)
        return {};
    return QString::number(*number + 1, 'g', 15).replace(QLatin1Char('.'), QLatin1Char(','));
}

} // namespace

std::optional<DefaultEstablishment> defaultEstablishment(db::Database& stale)
{
    db::Recordset rs = stale.openRecordset(QStringLiteral("SELECT * FROM ZAKLAD Where Domyslny = 'T'"));
    if (rs.eof())
        return std::nullopt;
    const auto pole = [&rs](const char* nazwa) { return BezNullText(rs.value(QString::fromLatin1(nazwa))); };
    return DefaultEstablishment{pole("WNI"), pole("TypWNI"),
                                pole("Nazwa") + QStringLiteral(", ") + pole("KodPocztowy") +
                                    QLatin1Char(' ') + pole("Miasto")};
}

NextNumbers nextNumbers(db::Database& rok)
{
    db::Recordset rs = rok.openRecordset(QStringLiteral(
        "SELECT Partia, NrZlecenia FROM Partia WHERE Partia IS NOT NULL ORDER BY Partia DESC LIMIT 1"));
    if (rs.eof())
        return {QStringLiteral("1"), QStringLiteral("1")};
    return {QString::number(rs.value(0).toLongLong() + 1), nextNumber(BezNullText(rs.value(1)))};
}

std::optional<QString> establishmentCaption(db::Database& stale, const QString& wni)
{
    db::Recordset rs = stale.openRecordset(QStringLiteral("SELECT * FROM ZAKLAD"));
    if (rs.eof())
        return std::nullopt;
    if (!rs.findFirst(QStringLiteral("WNI = ?"), {wni.trimmed()}))
        return QString();
    return BezNullText(rs.value(QStringLiteral("Nazwa"))) + QStringLiteral(", ") +
           BezNullText(rs.value(QStringLiteral("Miasto")));
}

} // namespace trelimor
