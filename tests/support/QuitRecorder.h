#pragma once

#include "platform/ui/Quit.h"

#include <vector>

namespace trelimor::test {

// Records requests to end the program instead of ending it.
class QuitRecorder : public ui::QuitHandler
{
public:
    using Service = ui::QuitHandler;
    static constexpr auto install = &ui::setQuitHandler;

    // With failOnQuit every request fails the running test: the guard the test program
    // installs when a test has not installed a recorder of its own.
    explicit QuitRecorder(bool failOnQuit = false);

    void quit(int exitCode) override;

    bool requested() const { return !m_codes.empty(); }
    // The exit codes of the requests, in order.
    const std::vector<int>& exitCodes() const { return m_codes; }

private:
    bool m_failOnQuit;
    std::vector<int> m_codes;
};

} // namespace trelimor::test
