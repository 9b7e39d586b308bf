#pragma once

#include "platform/ui/Clock.h"

namespace trelimor::test {

// A clock that stands still until the test moves it.
class FakeClock : public ui::Clock
{
public:
    using Service = ui::Clock;
    static constexpr auto install = &ui::setClock;

    explicit FakeClock(const QDateTime& start = QDateTime(QDate(2022, 3, 31), QTime(10, 0)));

    QDateTime now() const override { return m_now; }
    qint64 steadyMilliseconds() const override { return m_steady; }

    // Sets the wall-clock time; the steady clock does not jump with it.
    void set(const QDateTime& now) { m_now = now; }
    // Moves both clocks on.
    void advance(qint64 milliseconds);

private:
    QDateTime m_now;
    qint64 m_steady = 0;
};

} // namespace trelimor::test
