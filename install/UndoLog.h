#pragma once

#include <QString>
#include <QStringList>

namespace trelimor::install {

// The folders and files an installation has made, so that a failure takes them all back and
// leaves the disk as it was. Only what was recorded here is ever removed, and a folder only
// while it is empty: nothing the user had before is touched.
class UndoLog
{
public:
    UndoLog() = default;
    UndoLog(const UndoLog&) = delete;
    UndoLog& operator=(const UndoLog&) = delete;
    // Undoes everything unless committed.
    ~UndoLog();

    // Creates the folder and any missing parent, recording each one made; throws
    // InstallError when a folder cannot be made.
    void makeFolder(const QString& path);
    // Records a file about to be made (one that does not exist yet).
    void addFile(const QString& path);
    // Records that a recorded file now stands under another name.
    void renameFile(const QString& from, const QString& to);

    // Keeps everything made.
    void commit() { m_committed = true; }
    // Removes the files, then the folders that are empty, newest first.
    void undo();

private:
    QStringList m_folders;
    QStringList m_files;
    bool m_committed = false;
};

} // namespace trelimor::install
