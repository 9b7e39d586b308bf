#include "platform/ui/Keystrokes.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QWidget>

#include <vector>

namespace trelimor::ui {

namespace {

void pressKey(QWidget* target, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QKeyEvent press(QEvent::KeyPress, key, modifiers);
    QCoreApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers);
    QCoreApplication::sendEvent(target, &release);
}

// A Tab given to the window itself moves its focus on, even when the focused control is an
// editor that would take the Tab as text.
void focusNext(QWidget* focused)
{
    pressKey(focused->window(), Qt::Key_Tab);
}

void apply(QWidget* focused, Keystroke key)
{
    switch (key) {
    case Keystroke::Tab:
        focusNext(focused);
        break;
    case Keystroke::End:
        pressKey(focused, Qt::Key_End);
        break;
    case Keystroke::HomeShiftEnd:
        pressKey(focused, Qt::Key_Home);
        pressKey(focused, Qt::Key_End, Qt::ShiftModifier);
        break;
    case Keystroke::Backspace:
        pressKey(focused, Qt::Key_Backspace);
        break;
    }
}

template <class Keys>
void sendAll(QWidget* target, const Keys& keys)
{
    QPointer<QWidget> focused = target;
    for (Keystroke key : keys) {
        if (!focused)
            return;
        apply(focused, key);
        if (key == Keystroke::Tab)
            focused = focused->window()->focusWidget();
    }
}

} // namespace

void sendKeystrokes(std::initializer_list<Keystroke> keys)
{
    sendAll(QApplication::focusWidget(), keys);
}

void postKeystrokes(std::initializer_list<Keystroke> keys)
{
    QMetaObject::invokeMethod(
        qApp, [queued = std::vector<Keystroke>(keys)] { sendAll(QApplication::focusWidget(), queued); },
        Qt::QueuedConnection);
}

void sendKeystrokes(QWidget* target, std::initializer_list<Keystroke> keys)
{
    sendAll(target, keys);
}

} // namespace trelimor::ui
