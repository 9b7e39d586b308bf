#include "DefaultInstance.h"

#include <algorithm>
#include <vector>

namespace trelimor::ui {

namespace {
std::vector<void (*)()>& resets()
{
    static std::vector<void (*)()> list;
    return list;
}
} // namespace

void registerInstanceReset(void (*reset)())
{
    auto& list = resets();
    if (std::find(list.begin(), list.end(), reset) == list.end())
        list.push_back(reset);
}

void resetAllInstances()
{
    auto& list = resets();
    while (!list.empty()) {
        auto reset = list.back();
        list.pop_back();
        reset();
    }
}

} // namespace trelimor::ui
