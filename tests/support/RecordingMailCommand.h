#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace trelimor::test {

// A stand-in for xdg-email: a script that records its arguments and exits with a given code.
class RecordingMailCommand
{
public:
    explicit RecordingMailCommand(int exitCode);

    // The script's path, to be run instead of xdg-email.
    const QString& path() const { return m_script; }
    // Whether the script has run.
    bool ran() const;
    // The arguments of its last run.
    QStringList arguments() const;

private:
    QTemporaryDir m_dir;
    QString m_script;
    QString m_record;
};

} // namespace trelimor::test
