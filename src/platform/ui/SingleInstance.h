#pragma once

#include <QObject>
#include <QString>

#include <memory>

class QLocalServer;
class QLockFile;

namespace trelimor::ui {

// Lets one process of a user run the program: the first one holds a lock file in the runtime
// folder and listens on a local socket beside it; a later one asks it to come to the front.
class SingleInstance : public QObject
{
    Q_OBJECT

public:
    explicit SingleInstance(QObject* parent = nullptr);
    ~SingleInstance() override;

    // The key of the program itself; another key keeps tests apart from a running program.
    static QString defaultKey();

    // True when this process now holds the key (again true on a repeated call once it does).
    // False when another live process holds it; a lock left by a dead process is taken over.
    bool tryBecomePrimary(const QString& key = defaultKey());
    bool isPrimary() const;

    // Sent by a process that did not become primary: asks the holder of the key to raise its
    // main window. False when no holder answered within the timeout.
    bool askPrimaryToRaise(const QString& key = defaultKey(), int timeoutMs = 5000);

signals:
    // Another start of the program asked this one to show itself.
    void raiseRequested();

private:
    void acceptConnections();

    std::unique_ptr<QLockFile> m_lock;
    QLocalServer* m_server = nullptr;
};

} // namespace trelimor::ui
