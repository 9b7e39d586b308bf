#include "Startup.h"

#include "aMain.h"

#include "platform/ui/DefaultInstance.h"

#include <QApplication>

namespace trelimor {

std::optional<int> uruchomProgram()
{
    return aMain::instance().Form_Load();
}

int wykonajProgram()
{
    const std::optional<int> ended = uruchomProgram();
    const int code = ended ? *ended : QApplication::exec();
    // The windows are kept for the whole run; they must go while the application still exists.
    ui::resetAllInstances();
    return code;
}

} // namespace trelimor
