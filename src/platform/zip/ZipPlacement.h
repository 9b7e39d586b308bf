#pragma once

// Internal to the extractor: moving unpacked files into place as one step.

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

namespace trelimor::zip::detail {

// The staging folder an unpacking makes in its target folder: ".unzip-" and six letters or digits.
inline const QString kStagingTemplate = QStringLiteral(".unzip-XXXXXX");

// Whether path, with its links resolved, lies in (or is) the canonical folder.
bool insideFolder(const QString& path, const QString& canonicalFolder);

// Puts files unpacked into a staging folder into their places below a target folder. Either all
// of them are placed or none: when one cannot be, or the placement is dropped before finish(),
// the files placed so far are taken back, the files they replaced put back and the folders made
// for them removed. Replaced files wait in the staging folder meanwhile.
class Placement
{
public:
    // How a file is moved; the rename of the file system unless a test needs it to fail.
    using Move = bool (*)(const QString& from, const QString& to);

    Placement(QString canonicalTarget, QString stagingFolder, Move move = nullptr);
    ~Placement();
    Placement(const Placement&) = delete;
    Placement& operator=(const Placement&) = delete;

    // Makes the folder and its missing parents; refuses one that a link would lead out of the target.
    void makeFolder(const QString& folder);
    // Moves the staged file to target, replacing a file there.
    void place(const QString& staged, const QString& target);
    // Keeps what was placed, and flushes the folders that changed to the disk.
    void finish();
    // Takes back what was placed. Empty when everything is as it was; otherwise the sentence that
    // names the replaced files that could not be put back: they are still in the staging folder,
    // which must then be kept.
    QString undo();

private:
    struct Placed
    {
        QString target;
        QString previous;  // where the replaced file waits; empty when there was none
        bool ours = false; // whether the unpacked file took its place
    };
    QString m_target;
    QString m_staging;
    Move m_move;
    QList<Placed> m_placed;
    QStringList m_madeFolders; // in the order they were made
    QSet<QString> m_changedFolders;
    bool m_done = false;
};

} // namespace trelimor::zip::detail
