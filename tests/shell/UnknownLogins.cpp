// The program's start-up in a process of its own, with a user at the login window who types three
// logins no operator has. Each alarm window is closed as soon as it shows, and its text written on
// the standard output ("alarm: ..."); the process's end is the program's own.

#include "common/FormAlarm.h"
#include "shell/Startup.h"
#include "shell/frmLoginLab.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTextStream>

namespace {

class UnknownLogins : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Show)
            return QObject::eventFilter(watched, event);
        if (auto* alarm = qobject_cast<trelimor::FormAlarm*>(watched)) {
            QTextStream(stdout) << "alarm: " << alarm->Label1->text() << Qt::endl;
            QMetaObject::invokeMethod(
                alarm, [alarm] { alarm->hide(); }, Qt::QueuedConnection);
        } else if (auto* login = qobject_cast<trelimor::frmLoginLab*>(watched); login && !m_typed) {
            m_typed = true;
            QMetaObject::invokeMethod(
                login,
                [login] {
                    for (const char* typed : {"kowal", "nowak", "zieli"}) {
                        login->TextLogin->setText(QString::fromLatin1(typed));
                        login->TextLogin_LostFocus();
                    }
                },
                Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool m_typed = false;
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    UnknownLogins user;
    app.installEventFilter(&user);
    return trelimor::wykonajProgram();
}
