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

BatchFrameField pole(const char* kontrolka, const char* nazwa, FieldWrite zapis = FieldWrite::Tekst)
{
    return {QString::fromLatin1(kontrolka), QString::fromLatin1(nazwa), zapis};
}

} // namespace

const QList<BatchFrameField>& batchFrameFields()
{
    static const QList<BatchFrameField> pola{
        pole("TextNrPartii", "Partia", FieldWrite::NumerPartii),
        pole("TextIlProbek", "IlProbek", FieldWrite::LiczbaLubNull),
        pole("TextNrZlecenia", "NrZlecenia"),
        pole("TextZaklad", "KodZakladu", FieldWrite::Przyciety),
        pole("ComboWNI", "WNI", FieldWrite::Przyciety),
        pole("TextDataUboju", "DataUboju", FieldWrite::Data),
        pole("TextGodzUboju", "GodzUboju"),
        pole("TextDataPobr", "DataPobr", FieldWrite::Data),
        pole("TextGodzPobr", "GodzPobr"),
        pole("TextDataWysylki", "DataWysylki", FieldWrite::Data),
        pole("TextGodzWysylki", "GodzWysylki"),
        pole("ComboPobral", "Pobral"),
        pole("TextUwagi", "Uwagi"),
        pole("TextPowiat", "Powiat"),
        pole("ComboPlanPobierania", "PlanPobierania"),
        pole("ComboProceduraPobierania", "ProceduraPobierania"),
        pole("ComboKierunekBadania", "KierunekBadania", FieldWrite::Przyciety),
        pole("TextNumerSprawy", "NumerSprawy", FieldWrite::Przyciety),
        pole("ComboLaboratorium", "Laboratorium", FieldWrite::Przyciety),
        pole("TextMiejscowosc", "Miejscowosc", FieldWrite::Przyciety),
        pole("TextDnia", "Dnia", FieldWrite::Przyciety),
        pole("ComboPobranoOd", "PobranoOd", FieldWrite::Przyciety),
        pole("TextWywiadLekarski", "WywiadLekarski", FieldWrite::Przyciety),
        pole("TextDataWyslaniaDoLab", "DataWyslaniaDoLab", FieldWrite::Data),
        pole("MaskEdBoxGodzWyslaniaDoLab", "GodzWyslaniaDoLab", FieldWrite::GodzinaMaski),
        pole("ComboRodzajBadania", "RodzajBadania"),
        pole("TextRodzajBadaniaInny", "RodzajBadaniaInny", FieldWrite::Przyciety),
    };
    return pola;
}

QString controlText(const QWidget* kontrolka)
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

void setControlText(QWidget* kontrolka, const QString& tekst)
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

void setFrameField(QWidget& okno, const BatchFrameField& pole, const QString& tekst)
{
    QWidget* kontrolka = okno.findChild<QWidget*>(pole.kontrolka);
    setControlText(kontrolka, tekst);
    // The hour box takes its text without the mask, then gets the mask back.
    if (auto* maska = qobject_cast<MaskedEdit*>(kontrolka); maska && pole.zapis == FieldWrite::GodzinaMaski)
        maska->setMask(kHourMask);
}

FrameValues readBatchFrame(const QWidget& okno, bool nowaPartia)
{
    FrameValues wartosci;
    wartosci.isNew = nowaPartia;
    for (const BatchFrameField& p : batchFrameFields())
        wartosci.setText(p.kontrolka, controlText(okno.findChild<QWidget*>(p.kontrolka)));
    return wartosci;
}

QString fieldText(const QVariant& wartosc)
{
    return RecordsetModel::displayText(BezNull(wartosc, QString()));
}

QVariant fieldValue(const BatchFrameField& pole, const QString& tekst)
{
    switch (pole.zapis) {
    case FieldWrite::Tekst:
        return tekst;
    case FieldWrite::Przyciety:
        return tekst.trimmed();
    case FieldWrite::NumerPartii:
        // Halves go to the even number, as every whole-number field takes a fraction.
        return qint64(std::nearbyint(decimalNumber(tekst).value_or(0.0)));
    case FieldWrite::LiczbaLubNull: {
        const std::optional<double> n = decimalNumber(tekst);
        return n ? QVariant(*n) : QVariant();
    }
    case FieldWrite::Data: {
        const std::optional<QDate> data = dateFromText(tekst);
        return data ? QVariant(*data) : QVariant();
    }
    case FieldWrite::GodzinaMaski:
        for (const QChar c : tekst)
            if (c.isDigit())
                return tekst;
        return QString();
    }
    return tekst;
}

} // namespace trelimor
