#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

namespace trelimor {

// A control's place in twips. A separator line is a place of width 0 (vertical) or height 0
// (horizontal) along which it runs.
struct ControlPlace
{
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;

    double right() const { return left + width; }
    double bottom() const { return top + height; }
    bool operator==(const ControlPlace&) const = default;
};

// Places of the batch window's controls by their names.
using WindowLayout = QHash<QString, ControlPlace>;

// The controls whose places the batch window's layout reads or sets.
const QStringList& batchLayoutControls();

// The batch window's layout for its outer width and height (twips): from the controls' current
// places (their sizes, and the places of those a rule keeps) the places the rules give them.
// The rules hang on the close button "&Zamknij": its width sets the gap between buttons and its
// height the spacing of the rows. A window too small for the rules gets no negative size.
WindowLayout layOutBatchWindow(double szerokosc, double wysokosc, WindowLayout uklad);

} // namespace trelimor
