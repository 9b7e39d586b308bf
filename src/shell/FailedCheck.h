#pragma once

#include <QString>

class QWidget;

namespace trelimor {

// The first check of an edit frame that failed: how its message is shown, and which control of
// the window gets the focus afterwards. Checks are plain functions over the frame's values, so
// their order is tested without a window.
struct FailedCheck
{
    enum class Box {
        Alarm,       // the self-closing alarm window, one second, no close button
        Information, // an information box
        Warning,     // a warning box
    };

    Box box = Box::Alarm;
    QString title;
    QString text;
    QString focus; // object name of the control to focus; empty for none
};

// Shows the check's message and then focuses its control among the window's children.
void showFailedCheck(const FailedCheck& check, QWidget* window);

} // namespace trelimor
