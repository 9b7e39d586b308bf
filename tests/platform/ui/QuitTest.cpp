#include "platform/ui/Quit.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <gtest/gtest.h>

namespace trelimor::ui {
namespace {

// Puts the program's own quit in place of the test guard for the scope.
class RealQuit
{
public:
    RealQuit()
        : m_guard(setQuitHandler(nullptr))
    {}
    ~RealQuit() { setQuitHandler(std::move(m_guard)); }

private:
    std::unique_ptr<QuitHandler> m_guard;
};

// A modal window asks to quit during start-up, before the main loop runs: its loop ends, and the
// main loop, when entered afterwards, ends at once with the same code.
TEST(RequestQuit, EndsTheModalLoopAndTheMainLoopThatFollows)
{
    RealQuit real;
    QTimer watchdog; // ends a main loop that would otherwise run on
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(-99); });

    QEventLoop modal;
    QTimer::singleShot(0, &modal, [] { requestQuit(3); });
    EXPECT_EQ(modal.exec(), 3);

    watchdog.start(5000);
    EXPECT_EQ(QCoreApplication::exec(), 3);
}

// Asked for before any loop runs (a check of the start-up failed), the end comes back to the
// caller, which returns up to main(): no modal window opens after it, and the main loop, if it
// is entered all the same, ends at once with the code.
TEST(RequestQuit, BeforeAnyLoopReturnsToTheCallerAndEndsTheLoopsThatFollow)
{
    RealQuit real;
    QTimer watchdog; // ends a loop that would otherwise run on
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(-99); });

    requestQuit(4);
    watchdog.start(5000);
    QEventLoop modal;
    EXPECT_NE(modal.exec(), -99) << "a modal loop ran after the end was asked for";
    EXPECT_EQ(QCoreApplication::exec(), 4);
}

} // namespace
} // namespace trelimor::ui
