#include "Wiring.h"

#include "shell/Startup.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    trelimor::polaczPodsystemy();
    return trelimor::wykonajProgram();
}
