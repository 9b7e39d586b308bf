#pragma once

#include <initializer_list>

class QWidget;

namespace trelimor::ui {

// The keystrokes the program puts into its own window, acting on the control with the focus.
enum class Keystroke {
    Tab,          // focus moves to the next control in the window's tab order
    End,          // caret to the end of the line
    HomeShiftEnd, // caret to the start of the line, then select to its end
    Backspace,    // deletes the character before the caret (or the selection)
};

// Applies the keystrokes now, one after another, to whichever control has the focus at the time
// (a Tab moves it). Nothing happens when no control of the program has the focus.
void sendKeystrokes(std::initializer_list<Keystroke> keys);

// Queues the keystrokes behind the event being handled, as typed keys would wait: a key handler
// that posts them sees them applied after the key it handles has had its effect.
void postKeystrokes(std::initializer_list<Keystroke> keys);

// The same for a given control (and, after a Tab, the control that then has its window's focus).
void sendKeystrokes(QWidget* target, std::initializer_list<Keystroke> keys);

} // namespace trelimor::ui
