#include "platform/ui/Clock.h"

#include "platform/ui/Replaceable.h"

#include <chrono>

namespace trelimor::ui {

namespace {

class SystemClock : public Clock
{
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
    qint64 steadyMilliseconds() const override
    {
        using namespace std::chrono;
        return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
    }
};

constinit Replaceable<Clock, SystemClock> theClock;

} // namespace

QDateTime now()
{
    return clock().now();
}

QDate today()
{
    return now().date();
}

QTime currentTime()
{
    return now().time();
}

qint64 steadyMilliseconds()
{
    return clock().steadyMilliseconds();
}

Clock& clock()
{
    return theClock.get();
}

std::unique_ptr<Clock> setClock(std::unique_ptr<Clock> clock)
{
    return theClock.replace(std::move(clock));
}

} // namespace trelimor::ui
