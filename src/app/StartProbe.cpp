#include "StartProbe.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QMainWindow>
#include <QTextStream>

#include <cstdio>

namespace trelimor {

namespace {

class WindowProbe : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* window = qobject_cast<QWidget*>(watched);
        if (event->type() == QEvent::Show && window && window->isWindow() &&
            (qobject_cast<QDialog*>(window) || qobject_cast<QMainWindow*>(window))) {
            const QString name = window->objectName().isEmpty()
                                     ? QString::fromLatin1(window->metaObject()->className())
                                     : window->objectName();
            QTextStream(stdout) << "window: " << name << " \"" << window->windowTitle() << "\"" << Qt::endl;
            // Closed once the window has settled in its own loop, as a click on its close
            // button would close it.
            QMetaObject::invokeMethod(
                window,
                [window] {
                    if (auto* dialog = qobject_cast<QDialog*>(window))
                        dialog->reject();
                    else
                        window->close();
                },
                Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

void probeWindowsWhenAsked(QApplication& app)
{
    if (qEnvironmentVariable("TRELIMOR_START_PROBE") == u"1")
        app.installEventFilter(new WindowProbe(&app));
}

} // namespace trelimor
