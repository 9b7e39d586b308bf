#pragma once

#include "platform/db/Recordset.h"

#include <QString>

class QComboBox;
class QLabel;
class QLineEdit;

namespace trelimor {

// The controls of the batch window's sample frame that a client picked in the clients register
// fills, named as the batch window names them. A control left null is not filled.
struct ClientTarget
{
    QLineEdit* TextNrGospod = nullptr;
    QLabel* LabTypWNI = nullptr;
    QComboBox* ComboObjawyChorobowe = nullptr;
    QComboBox* ComboUzytkowosc = nullptr;
    QLineEdit* TextLiczebnoscStada = nullptr;
    QLineEdit* TextWlascicielNazwisko = nullptr;
    QLineEdit* TextWlascicielImie = nullptr;
    QLineEdit* TextWlascicielMiejscowosc = nullptr;
    QLineEdit* TextWlascicielNrPosesja = nullptr;
    QComboBox* ComboWoj = nullptr;
    QLabel* LabIDWOJ = nullptr;
    QComboBox* ComboPIW = nullptr;
    QLineEdit* TextKodPIW = nullptr;
    QLabel* LabIDPIW = nullptr;
    QLineEdit* TextGmina = nullptr;
};

// What a pick hands over of a Klient row, each value with a null as an empty text.
struct PickedClient
{
    QString WNI;
    QString TypWNI;
    QString ObjawyChorobowe;
    QString Uzytkowosc;
    QString LiczebnoscStada;
    QString Nazwisko;
    QString Imie;
    QString Miejscowosc;
    QString NrPosesja;
    QString Wojewodztwo;
    QString KodWoj;
    QString Powiat;
    QString KodPIW;
    QString Gmina;

    // The current row of a recordset over Klient.
    static PickedClient fromRecord(const db::Recordset& client);
};

// Puts the client into the controls (KodPIW into both TextKodPIW and LabIDPIW). The three herd
// hints (symptoms, production type, herd size) are protocol hints: an empty one leaves its
// control as it was; every other value, empty or not, replaces the control's content. A box
// shorter than its value takes what fits. Combo texts are set without choosing an item, so
// the batch window's choice handlers do not run.
void wstawKlienta(const PickedClient& client, const ClientTarget& target);

} // namespace trelimor
