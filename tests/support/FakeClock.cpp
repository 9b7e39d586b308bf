#include "support/FakeClock.h"

namespace trelimor::test {

FakeClock::FakeClock(const QDateTime& start)
    : m_now(start)
{}

void FakeClock::advance(qint64 milliseconds)
{
    m_now = m_now.addMSecs(milliseconds);
    m_steady += milliseconds;
}

} // namespace trelimor::test
