#pragma once

#include "platform/ui/WindowOpener.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class QWidget;

namespace trelimor::test {

// The window opener of the tests: records the object name of every window the program opens
// modally and, instead of a modal loop, runs the test's handler for it. A window with a
// handler is shown and activated, its result reset to Rejected, the handler called (to type,
// click and close it), and the window hidden if it is still visible; the focus then passes to the
// window it was opened from, as a window manager passes it (the offscreen platform would leave
// it with the hidden window). openModal() returns the window's result, as exec() would. A window without a
// handler is not shown and gives the default result (Rejected unless set otherwise).
class RecordingOpener : public ui::WindowOpener
{
public:
    using Service = ui::WindowOpener;
    static constexpr auto install = &ui::setOpener;
    using Handler = std::function<void(QDialog&)>;

    // With failOnOpen every opened window fails the running test: the guard the test program
    // installs when a test has not installed an opener of its own.
    explicit RecordingOpener(bool failOnOpen = false);
    ~RecordingOpener() override;

    RecordingOpener& onOpen(const QString& objectName, Handler handler);
    RecordingOpener& setDefaultResult(int result);

    const QStringList& opened() const { return m_opened; }

    int open(QDialog& window) override;

private:
    void passFocusOn(QDialog& closed);

    bool m_failOnOpen;
    int m_defaultResult;
    QHash<QString, Handler> m_handlers;
    QStringList m_opened;
    std::unique_ptr<QWidget> m_focusSink; // takes the focus when no window is left to take it
};

} // namespace trelimor::test
