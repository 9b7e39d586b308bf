#include "ClientPicker.h"

#include "common/Messages.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace trelimor {

namespace {

template <class Control>
void put(Control* control, const QString& text)
{
    if (control)
        control->setText(text);
}

void put(QComboBox* combo, const QString& text)
{
    if (combo)
        combo->setCurrentText(text);
}

// A protocol hint replaces the control's content only when the client has one.
template <class Control>
void putHint(Control* control, const QString& text)
{
    if (!text.isEmpty())
        put(control, text);
}

} // namespace

PickedClient PickedClient::fromRecord(const db::Recordset& client)
{
    const auto text = [&client](const char* field) {
        return BezNullText(client.value(QLatin1String(field)));
    };
    PickedClient picked;
    picked.WNI = text("WNI");
    picked.TypWNI = text("TypWNI");
    picked.ObjawyChorobowe = text("ObjawyChorobowe");
    picked.Uzytkowosc = text("Uzytkowosc");
    picked.LiczebnoscStada = text("LiczebnoscStada");
    picked.Nazwisko = text("Nazwisko");
    picked.Imie = text("Imie");
    picked.Miejscowosc = text("Miejscowosc");
    picked.NrPosesja = text("NrPosesja");
    picked.Wojewodztwo = text("Wojewodztwo");
    picked.KodWoj = text("KodWoj");
    picked.Powiat = text("Powiat");
    picked.KodPIW = text("KodPIW");
    picked.Gmina = text("Gmina");
    return picked;
}

void wstawKlienta(const PickedClient& client, const ClientTarget& target)
{
    put(target.TextNrGospod, client.WNI);
    put(target.LabTypWNI, client.TypWNI);
    putHint(target.ComboObjawyChorobowe, client.ObjawyChorobowe);
    putHint(target.ComboUzytkowosc, client.Uzytkowosc);
    putHint(target.TextLiczebnoscStada, client.LiczebnoscStada);
    put(target.TextWlascicielNazwisko, client.Nazwisko);
    put(target.TextWlascicielImie, client.Imie);
    put(target.TextWlascicielMiejscowosc, client.Miejscowosc);
    put(target.TextWlascicielNrPosesja, client.NrPosesja);
    put(target.ComboWoj, client.Wojewodztwo);
    put(target.LabIDWOJ, client.KodWoj);
    put(target.ComboPIW, client.Powiat);
    put(target.TextKodPIW, client.KodPIW);
    put(target.LabIDPIW, client.KodPIW);
    put(target.TextGmina, client.Gmina);
}

} // namespace trelimor
