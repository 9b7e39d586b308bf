#include "PlantFiles.h"

#include "PlantValues.h"

namespace trelimor {

QString plantSpecies(const QString& value)
{
    QString species = value.isEmpty() ? QStringLiteral("Bydło") : value;
    const QString lower = species.toLower();
    if (lower.contains(QStringLiteral("byd")))
        species = QStringLiteral("Bydło");
    if (lower.contains(QStringLiteral("owc")))
        species = QStringLiteral("Owce");
    if (lower.contains(QStringLiteral("koz")))
        species = QStringLiteral("Kozy");
    return species;
}

QString plantSex(const QString& value)
{
    return value.toLower().startsWith(QLatin1Char('m')) ? QStringLiteral("męska") : QStringLiteral("żeńska");
}

QVariant numberField(const QString& text)
{
    if (text.trimmed().isEmpty())
        return {};
    if (const std::optional<double> number = liczba(text))
        return *number;
    return text;
}

QVariant numberOrNull(const QString& text)
{
    if (const std::optional<double> number = liczba(text))
        return *number;
    return {};
}

void setField(ImportedSample& sample, const char* field, const QVariant& value)
{
    sample.fields << std::pair(QString::fromLatin1(field), value);
}

} // namespace trelimor
