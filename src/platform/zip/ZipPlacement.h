#pragma once

// Internal to the extractor: moving unpacked files into place as one step.

#include <QList>
#include <QString>
#include <QStringList>

namespace trelimor::zip::detail {

// Whether path, with its links resolved, lies in (or is) the canonical folder.
bool insideFolder(const QString& path, const QString& canonicalFolder);

// Puts files unpacked into a staging folder into their places below a target folder. Either all
// of them are placed or none: when one cannot be, or the placement is dropped before finish(),
// the files placed so far are taken back, the files they replaced put back and the folders made
// for them removed. Replaced files wait in the staging folder meanwhile.
class Placement
{
public:
    Placement(QString canonicalTarget, QString stagingFolder);
    ~Placement();
    Placement(const Placement&) = delete;
    Placement& operator=(const Placement&) = delete;

    // Makes the folder and its missing parents; refuses one that a link would lead out of the target.
    void makeFolder(const QString& folder);
    // Moves the staged file to target, replacing a file there.
    void place(const QString& staged, const QString& target);
    // Keeps what was placed.
    void finish() { m_finished = true; }

private:
    void undo();

    struct Placed
    {
        QString target;
        QString previous; // where the replaced file waits; empty when there was none
    };
    QString m_target;
    QString m_staging;
    QList<Placed> m_placed;
    QStringList m_madeFolders; // in the order they were made
    bool m_finished = false;
};

} // namespace trelimor::zip::detail
