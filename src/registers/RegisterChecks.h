#pragma once

#include "platform/ui/DialogService.h"

#include <QHash>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

namespace trelimor {

// What an edit frame holds when the user saves: the text of each box and the tick of each
// check box, by the control's name, and whether the frame adds a row.
class FrameValues
{
public:
    bool isNew = false;
    int rowCount = 0; // rows of the window's recordset when the save started

    QString text(const QString& box) const { return m_text.value(box); }
    void setText(const QString& box, const QString& text) { m_text.insert(box, text); }
    bool ticked(const QString& box) const { return m_ticked.value(box, false); }
    void setTicked(const QString& box, bool ticked) { m_ticked.insert(box, ticked); }
    const QHash<QString, bool>& ticks() const { return m_ticked; }

private:
    QHash<QString, QString> m_text;
    QHash<QString, bool> m_ticked;
};

// Why a save is refused: the box to show (its icon, title and text) and the control that
// takes the focus afterwards.
struct Refusal
{
    ui::Icon icon = ui::Icon::Information;
    QString title;
    QString text;
    QString focus;

    bool operator==(const Refusal&) const = default;
};

// One check of a save. It may also adjust the frame before the checks after it (the first
// establishment is always the default one); such a step refuses nothing.
struct Check
{
    std::function<bool(FrameValues&)> refuses;
    Refusal refusal;
};

// The first check that refuses the values, in the order given; the adjusting steps before it
// have changed the values.
std::optional<Refusal> firstRefusal(const std::vector<Check>& checks, FrameValues& values);

// The checks every register is built from; their boxes show PokazInfo's box under "INFORMACJA".

// Refuses when the box is empty (blanks count as text).
Check emptyCheck(const QString& box, const QString& text);
// Refuses when the box holds nothing but blanks.
Check blankCheck(const QString& box, const QString& text);
// Refuses when the box's text is not a number.
Check notNumericCheck(const QString& box, const QString& text);
// Refuses when the predicate holds.
Check checkThat(std::function<bool(const FrameValues&)> refuses, const QString& box, const QString& text);
// A step that adjusts the values and refuses nothing.
Check adjustment(std::function<void(FrameValues&)> adjust);

} // namespace trelimor
