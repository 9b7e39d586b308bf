#include "PlantFiles.h"

#include "PlantValues.h"

#include "common/TextHelpers.h"

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
    if (const std::optional<double> number = decimalNumber(text))
        return *number;
    return text;
}

QVariant numberOrNull(const QString& text)
{
    if (const std::optional<double> number = decimalNumber(text))
        return *number;
    return {};
}

void addAnimalFields(ImportedSample& s, const ZwierzeZakladu& z)
{
    setField(s, "NrKolczyka", z.NrKolczyka);
    setField(s, "Wiek", numberField(z.Wiek));
    setField(s, "Gatunek", z.Gatunek);
    setField(s, "Plec", z.Plec);
    setField(s, "RodzajUboju", z.RodzajUboju);
    setField(s, "ObjawyChorobowe", z.ObjawyChorobowe);
    setField(s, "Uzytkowosc", z.Uzytkowosc);
    setField(s, "LiczebnoscStada", numberOrNull(z.LiczebnoscStada));
    setField(s, "NrGospod", z.NrGospod);
}

void addOwnerFields(ImportedSample& s, const WlascicielZakladu& w)
{
    setField(s, "WlascicielNazwisko", w.Nazwisko);
    setField(s, "WlascicielImie", w.Imie);
    setField(s, "WlascicielMiejscowosc", w.Miejscowosc);
    setField(s, "WlascicielNrPosesja", w.NrPosesja);
}

} // namespace trelimor
