#include "BatchFields.h"

#include "common/Dates.h"
#include "common/MaskedEdit.h"
#include "common/Messages.h"
#include "common/RecordsetModel.h"
#include "common/TextHelpers.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpression>

#include <cmath>

namespace trelimor {

namespace {

PoleRamkiPartii pole(const char* kontrolka, const char* nazwa, ZapisPola zapis = ZapisPola::Tekst)
{
    return {QString::fromLatin1(kontrolka), QString::fromLatin1(nazwa), zapis};
}

} // namespace

const QList<PoleRamkiPartii>& polaRamkiPartii()
{
    static const QList<PoleRamkiPartii> pola{
        pole("TextNrPartii", "Partia", ZapisPola::NumerPartii),
        pole("TextIlProbek", "IlProbek", ZapisPola::LiczbaLubNull),
        pole("TextNrZlecenia", "NrZlecenia"),
        pole("TextZaklad", "KodZakladu", ZapisPola::Przyciety),
        pole("ComboWNI", "WNI", ZapisPola::Przyciety),
        pole("TextDataUboju", "DataUboju", ZapisPola::Data),
        pole("TextGodzUboju", "GodzUboju"),
        pole("TextDataPobr", "DataPobr", ZapisPola::Data),
        pole("TextGodzPobr", "GodzPobr"),
        pole("TextDataWysylki", "DataWysylki", ZapisPola::Data),
        pole("TextGodzWysylki", "GodzWysylki"),
        pole("ComboPobral", "Pobral"),
        pole("TextUwagi", "Uwagi"),
        pole("TextPowiat", "Powiat"),
        pole("ComboPlanPobierania", "PlanPobierania"),
        pole("ComboProceduraPobierania", "ProceduraPobierania"),
        pole("ComboKierunekBadania", "KierunekBadania", ZapisPola::Przyciety),
        pole("TextNumerSprawy", "NumerSprawy", ZapisPola::Przyciety),
        pole("ComboLaboratorium", "Laboratorium", ZapisPola::Przyciety),
        pole("TextMiejscowosc", "Miejscowosc", ZapisPola::Przyciety),
        pole("TextDnia", "Dnia", ZapisPola::Przyciety),
        pole("ComboPobranoOd", "PobranoOd", ZapisPola::Przyciety),
        pole("TextWywiadLekarski", "WywiadLekarski", ZapisPola::Przyciety),
        pole("TextDataWyslaniaDoLab", "DataWyslaniaDoLab", ZapisPola::Data),
        pole("MaskEdBoxGodzWyslaniaDoLab", "GodzWyslaniaDoLab", ZapisPola::GodzinaMaski),
        pole("ComboRodzajBadania", "RodzajBadania"),
        pole("TextRodzajBadaniaInny", "RodzajBadaniaInny", ZapisPola::Przyciety),
    };
    return pola;
}

QString tekstKontrolki(const QWidget* kontrolka)
{
    if (const auto* maska = qobject_cast<const MaskedEdit*>(kontrolka))
        return maska->maskedText();
    if (const auto* linia = qobject_cast<const QLineEdit*>(kontrolka))
        return linia->text();
    if (const auto* lista = qobject_cast<const QComboBox*>(kontrolka))
        return lista->currentText();
    if (const auto* uwagi = qobject_cast<const QPlainTextEdit*>(kontrolka))
        return uwagi->toPlainText();
    if (const auto* etykieta = qobject_cast<const QLabel*>(kontrolka))
        return etykieta->text();
    return {};
}

void ustawTekstKontrolki(QWidget* kontrolka, const QString& tekst)
{
    if (auto* maska = qobject_cast<MaskedEdit*>(kontrolka)) {
        maska->showUnmasked(tekst);
    } else if (auto* linia = qobject_cast<QLineEdit*>(kontrolka)) {
        linia->setText(tekst);
    } else if (auto* lista = qobject_cast<QComboBox*>(kontrolka)) {
        lista->setEditText(tekst);
    } else if (auto* uwagi = qobject_cast<QPlainTextEdit*>(kontrolka)) {
        uwagi->setPlainText(tekst);
    } else if (auto* etykieta = qobject_cast<QLabel*>(kontrolka)) {
        etykieta->setText(tekst);
    }
}

void ustawPoleRamki(QWidget& okno, const PoleRamkiPartii& pole, const QString& tekst)
{
    QWidget* kontrolka = okno.findChild<QWidget*>(pole.kontrolka);
    ustawTekstKontrolki(kontrolka, tekst);
    // The hour box takes its text without the mask, then gets the mask back.
    if (auto* maska = qobject_cast<MaskedEdit*>(kontrolka); maska && pole.zapis == ZapisPola::GodzinaMaski)
        maska->setMask(kMaskaGodziny);
}

FrameValues odczytajRamkePartii(const QWidget& okno, bool nowaPartia)
{
    FrameValues wartosci;
    wartosci.isNew = nowaPartia;
    for (const PoleRamkiPartii& p : polaRamkiPartii())
        wartosci.setText(p.kontrolka, tekstKontrolki(okno.findChild<QWidget*>(p.kontrolka)));
    return wartosci;
}

QString tekstPola(const QVariant& wartosc)
{
    return RecordsetModel::displayText(BezNull(wartosc, QString()));
}

QVariant wartoscPola(const PoleRamkiPartii& pole, const QString& tekst)
{
    switch (pole.zapis) {
    case ZapisPola::Tekst:
        return tekst;
    case ZapisPola::Przyciety:
        return tekst.trimmed();
    case ZapisPola::NumerPartii:
        // Halves go to the even number, as every whole-number field takes a fraction.
        return qint64(std::nearbyint(decimalNumber(tekst).value_or(0.0)));
    case ZapisPola::LiczbaLubNull: {
        const std::optional<double> n = decimalNumber(tekst);
        return n ? QVariant(*n) : QVariant();
    }
    case ZapisPola::Data: {
        const std::optional<QDate> data = dateFromText(tekst);
        return data ? QVariant(*data) : QVariant();
    }
    case ZapisPola::GodzinaMaski:
        for (const QChar c : tekst)
            if (c.isDigit())
                return tekst;
        return QString();
    }
    return tekst;
}

} // namespace trelimor
