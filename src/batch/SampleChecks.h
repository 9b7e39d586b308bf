#pragma once

#include "registers/RegisterChecks.h"

#include <QString>

#include <optional>

namespace trelimor {

// What the sample frame holds when its "&Zapisz" is pressed, each value named as the control
// it comes from (combos by their text, labels by their caption), exactly as shown.
struct WartosciProbki
{
    QString TextNrProbki;
    QString TextIDProbkiWNI;
    QString TextIDProbkiNr;
    QString TextIDProbkiData;
    QString TextNrKolczyka;
    QString ComboWiek;
    QString ComboGatunek;
    QString ComboGatunek2;
    QString ComboPlec;
    QString ComboRodzajUboju;
    QString ComboSystemUtrzymania;
    QString ComboObjawyChorobowe;
    QString ComboUzytkowosc;
    QString TextLiczebnoscStada;
    QString TextNrGospod;
    QString TextWlascicielNazwisko;
    QString TextWlascicielImie;
    QString TextWlascicielMiejscowosc;
    QString TextWlascicielNrPosesja;
    QString ComboWoj;
    QString LabIDWOJ;
    QString ComboPIW;
    QString TextKodPIW;
    QString TextGmina;
    QString ComboRodzajMaterialu;
    QString ComboWarunkiPrzechowywania;
    QString TextDataUrodzenia;
    QString TextUwagiG;
};

// The length of an ear tag; a shorter foreign tag is filled up with "x" by the user.
inline constexpr int kDlugoscKolczyka = 14;

// The first check the sample refuses, in the order the save runs them: the county code and
// its voivodeship, the sample number and code, the ear tag, the age, the kind of slaughter,
// symptoms, use and herd, the owner of a fallen animal ("P") and the birth date. Nothing
// when every check passes. Only the values are looked at: the uniqueness of the ear tag, the
// number and the code is the store's business.
std::optional<Refusal> sprawdzProbke(const WartosciProbki& v);

// A number as the user's settings write one (a decimal comma or point); nothing for any
// other text.
std::optional<double> liczba(const QString& text);
// Whether the text reads as a date in the short date format.
bool jestData(const QString& text);

} // namespace trelimor
