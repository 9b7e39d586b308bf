#pragma once

#include <QString>

namespace trelimor {

// What the batch window's sample frame holds, each value named as the control it comes from
// (combos by their text, labels by their caption), exactly as shown: what its save checks and
// stores, and the first sample an establishment-file import copies to every sample.
struct SampleFrameValues
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

// The parts of a sample's code that come from its batch.
struct SampleCodeParts
{
    QString zaklad; // the batch's establishment code
    QString data;   // the batch's sampling date as "ddmmyyyy"
};

} // namespace trelimor
