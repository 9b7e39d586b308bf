#pragma once

#include "SampleStore.h"

#include <QString>
#include <QVariant>

namespace trelimor {

// An age as an establishment's file gives it: the number, null for an empty text, the text
// itself otherwise (the store then refuses it as a value of the wrong type).
QVariant numberField(const QString& text);
// A herd size: the number, or null for anything else.
QVariant numberOrNull(const QString& text);

// The animal and its herd as every establishment's sample gets them, in the order written.
struct ZwierzeZakladu
{
    QString NrKolczyka, Wiek, Gatunek, Plec, RodzajUboju, ObjawyChorobowe, Uzytkowosc, LiczebnoscStada,
        NrGospod;
};
// The animal's owner.
struct WlascicielZakladu
{
    QString Nazwisko, Imie, Miejscowosc, NrPosesja;
};

// Appends the animal's fields (NrKolczyka to NrGospod; the age and the herd's size as numbers),
// and the owner's (WlascicielNazwisko to WlascicielNrPosesja).
void addAnimalFields(ImportedSample& sample, const ZwierzeZakladu& zwierze);
void addOwnerFields(ImportedSample& sample, const WlascicielZakladu& wlasciciel);

} // namespace trelimor
