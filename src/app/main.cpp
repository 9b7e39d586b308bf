#include "FirstStart.h"
#include "StartProbe.h"
#include "Wiring.h"

#include "platform/ui/Desktop.h"

#include <QApplication>

using namespace Qt::StringLiterals;

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // Ties the windows to the program's desktop entry (its name and icon in the task bar).
    QGuiApplication::setDesktopFileName(u"trelimor"_s);
    trelimor::ui::useDesktopLook();
    trelimor::polaczPodsystemy();
    trelimor::probeWindowsWhenAsked(app);
    return trelimor::runProgram();
}
