#pragma once

#include "registers/RegisterChecks.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QVariant>

#include <optional>

class QWidget;

namespace trelimor {

// How a control's text of the batch frame goes into its field of Partia.
enum class FieldWrite {
    Tekst,         // the text as it stands
    Przyciety,     // the text without leading and trailing blanks
    NumerPartii,   // the whole number (written for a new batch only)
    LiczbaLubNull, // the number, or null for a text that is none (an empty box)
    Data,          // the date, or null for an empty box (the checks refuse any other text)
    GodzinaMaski,  // the hour box with the mask "##:##": empty when no digit was typed
};

// One control of the batch frame and the field of Partia it stands for.
struct BatchFrameField
{
    QString kontrolka;
    QString pole;
    FieldWrite zapis;
};

// Every control of the batch frame with its field, in the order a save writes them.
const QList<BatchFrameField>& batchFrameFields();

// The mask of the hour the samples left for the laboratory.
inline const QString kHourMask = QStringLiteral("##:##");

// The text a frame control holds (a text box, a masked box as its mask gives it, a combo's text,
// a remarks box), and setting it (a masked box loses its mask).
QString controlText(const QWidget* kontrolka);
void setControlText(QWidget* kontrolka, const QString& tekst);
// Sets the control of the field in the window; the hour box gets its mask back after the text.
void setFrameField(QWidget& okno, const BatchFrameField& pole, const QString& tekst);

// What the batch frame of the window holds, by control name, for the checks and the save.
FrameValues readBatchFrame(const QWidget& okno, bool nowaPartia);

// What a field of the stored batch shows in its control: an empty text for null, a date as
// "dd.MM.yyyy", a number without a fraction as a whole number.
QString fieldText(const QVariant& wartosc);

// The value written into the field for the control's text, by the field's rule.
QVariant fieldValue(const BatchFrameField& pole, const QString& tekst);

} // namespace trelimor
