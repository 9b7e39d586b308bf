#include "Wiring.h"

#include "shell/Startup.h"

#include "platform/ui/Desktop.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    trelimor::ui::useDesktopLook();
    trelimor::polaczPodsystemy();
    return trelimor::wykonajProgram();
}
