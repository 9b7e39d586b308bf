#include "support/TempProgramFolder.h"

#include <QDir>

namespace trelimor::test {

ProgramFolderScope::ProgramFolderScope()
    : m_home("TRELIMOR_HOME", m_root.filePath(QStringLiteral("Trelimor")))
    , m_network("TRELIMOR_NETWORK", m_root.filePath(QStringLiteral("network")))
{
    if (!m_root.isValid() || !QDir().mkpath(programFolder()) || !QDir().mkpath(networkFolder()))
        ADD_FAILURE() << "Cannot make a temporary program folder in " << m_root.path().toStdString();
}

QString ProgramFolderScope::programFolder() const
{
    return m_root.filePath(QStringLiteral("Trelimor"));
}

QString ProgramFolderScope::networkFolder() const
{
    return m_root.filePath(QStringLiteral("network"));
}

} // namespace trelimor::test
