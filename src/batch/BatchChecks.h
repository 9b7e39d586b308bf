#pragma once

#include "registers/RegisterChecks.h"

#include <QList>
#include <QString>

#include <functional>
#include <optional>
#include <utility>

class QWidget;

namespace trelimor {

// Why the batch frame cannot be saved as it stands: the box that says so and the control that
// takes the focus afterwards.
struct BatchRefusal
{
    enum class Okno {
        Zwykle,        // OK only, no icon, the program's title
        Informacja,    // PokazInfo's box
        Uwaga,         // OK only, exclamation icon
        UwagaOkAnuluj, // OK and Cancel, exclamation icon; the answer changes nothing
    };

    Okno okno = Okno::Zwykle;
    QString tytul;
    QString tekst;
    QString fokus;        // the control's name; empty: the focus stays where it is
    bool zaznacz = false; // the control's whole text is selected as well

    bool operator==(const BatchRefusal&) const = default;
};

// What the checks read of the databases.
struct BatchCheckData
{
    // The dictionary database holds at least one establishment.
    bool saZaklady = false;
    // Whether an establishment has the code (WNI).
    std::function<bool(const QString& wni)> zakladIstnieje;
    // Whether the yearly database holds a batch of the number.
    std::function<bool(qint64 partia)> partiaIstnieje;
};

// The largest batch number: the window and the printouts hold batch numbers as 16-bit numbers.
inline constexpr qint64 kNajwiekszyNumerPartii = 32767;

// The checks of the batch frame's "&Zapisz", in their order: the first one the frame's values
// fail, or nothing when the batch may be stored. A correction (values.isNew false) is not tested
// for a duplicate or out-of-range batch number: its number is not written again.
std::optional<BatchRefusal> firstBatchRefusal(const FrameValues& values, const BatchCheckData& dane);

// The name of the last of the controls (name, text) whose text holds the separator "|", which
// the exchange files reserve; nothing when none does.
std::optional<QString> controlWithSeparator(const QList<std::pair<QString, QString>>& pola);

// Shows the refusal's box, then gives its control among the window's children the focus.
void showBatchRefusal(const BatchRefusal& odmowa, QWidget* okno);

} // namespace trelimor
