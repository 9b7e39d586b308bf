#include "support/QuitRecorder.h"

#include <gtest/gtest.h>

namespace trelimor::test {

QuitRecorder::QuitRecorder(bool failOnQuit)
    : m_failOnQuit(failOnQuit)
{}

void QuitRecorder::quit(int exitCode)
{
    m_codes.push_back(exitCode);
    if (m_failOnQuit)
        ADD_FAILURE() << "The program asked to end (exit code " << exitCode
                      << "), but the test installed no QuitRecorder";
}

} // namespace trelimor::test
