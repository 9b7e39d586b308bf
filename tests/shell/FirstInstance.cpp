// The program's start-up in a process of its own that tells on its standard output when its
// event loop runs ("started", the login window is up) and when another start of the program
// asks it to come to the front ("raised").

#include "shell/Startup.h"
#include "shell/aMain.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>

namespace {
void say(const char* line)
{
    std::fputs(line, stdout);
    std::fflush(stdout);
}
} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QObject::connect(&trelimor::aMain::instance().jednaInstancja(),
                     &trelimor::ui::SingleInstance::raiseRequested, [] { say("raised\n"); });
    QTimer::singleShot(0, [] { say("started\n"); });
    return trelimor::wykonajProgram();
}
