#pragma once

#include <QDate>
#include <QDateTime>
#include <QTime>

#include <memory>

namespace trelimor::ui {

// The program reads the time only through this clock, so tests can set it.
class Clock
{
public:
    virtual ~Clock() = default;
    // Local wall-clock time.
    virtual QDateTime now() const = 0;
    // Milliseconds of a clock that never jumps; only differences between readings mean anything.
    virtual qint64 steadyMilliseconds() const = 0;
};

QDateTime now();
QDate today();
QTime currentTime();
qint64 steadyMilliseconds();

Clock& clock();
std::unique_ptr<Clock> setClock(std::unique_ptr<Clock> clock);

} // namespace trelimor::ui
