#include "support/RecordingMailCommand.h"

#include "support/TestFiles.h"

#include <QFile>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace trelimor::test {

RecordingMailCommand::RecordingMailCommand(int exitCode)
{
    m_script = m_dir.filePath(QStringLiteral("xdg-email"));
    m_record = m_dir.filePath(QStringLiteral("argumenty"));
    // The arguments are written NUL-separated: they may hold spaces and line breaks. The record
    // appears whole: written beside it, then renamed, so a test that sees it never reads it half
    // written.
    writeFile(m_script,
              u"#!/bin/sh\nprintf '%s\\0' \"$@\" > '%1.part' && mv '%1.part' '%1'\nexit %2\n"_s.arg(m_record)
                  .arg(exitCode)
                  .toUtf8());
    QFile::setPermissions(m_script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

bool RecordingMailCommand::ran() const
{
    return QFileInfo::exists(m_record);
}

QStringList RecordingMailCommand::arguments() const
{
    QStringList arguments;
    for (const QByteArray& argument : readFile(m_record).split('\0'))
        arguments.append(QString::fromUtf8(argument));
    arguments.removeLast(); // the record ends with a separator
    return arguments;
}

} // namespace trelimor::test
