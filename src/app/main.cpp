#include "documents/FormDrukRap.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // Every printout is shown in the report window of the documents library.
    trelimor::registerFormDrukRap();
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("TRELIMOR"));
    window.show();
    return app.exec();
}
