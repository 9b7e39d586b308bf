#pragma once

#include "support/ScopedEnv.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace trelimor::test {

// A temporary folder holding an empty program folder and network folder, which the program
// uses (through TRELIMOR_HOME and TRELIMOR_NETWORK) for the scope; removed at its end.
class ProgramFolderScope
{
public:
    ProgramFolderScope();

    QString root() const { return m_root.path(); }
    QString programFolder() const; // <root>/Trelimor
    QString networkFolder() const; // <root>/network
    // A path below the temporary folder.
    QString path(const QString& relative) const { return m_root.filePath(relative); }

private:
    QTemporaryDir m_root;
    ScopedEnv m_home;
    ScopedEnv m_network;
};

// Base of a test fixture whose tests each run in their own program folder.
class TempProgramFolder : public ::testing::Test
{
protected:
    ProgramFolderScope folders;
};

} // namespace trelimor::test
