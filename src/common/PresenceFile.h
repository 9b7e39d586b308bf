#pragma once

#include <QString>
#include <QStringList>

namespace trelimor {

// The presence file Stale.ldb beside the dictionary database: every running installation keeps
// one record of 36 characters in it, "<host> <user>" padded with blanks, from the moment it
// opens the dictionary database until it ends, so that FormPracuja can list who works on the
// database. Records follow each other without line breaks, in Windows-1250.
class PresenceFile
{
public:
    static constexpr int RecordLength = 36;

    // Where the presence file of the dictionary database at dictionaryPath lies:
    // <network folder>/Dane/Stale.ldb when the database lies under the network folder, else
    // <program folder>/Dane/Stale.ldb.
    static QString pathFor(const QString& dictionaryPath);
    // "<host> <user>", padded with blanks or cut to 36 characters.
    static QString recordFor(const QString& host, const QString& user);
    // The entries of a presence file's text: each line cut into pieces of 36 characters, every
    // piece trimmed of blanks (other characters stay); a shorter piece at a line's end is dropped.
    static QStringList entries(const QString& text);
    // The entries of the file at path; none when it is missing or cannot be read.
    static QStringList readEntries(const QString& path);

    // For this computer and its logged-in user.
    PresenceFile();
    PresenceFile(const QString& host, const QString& user);
    // Removes the record when it is still there.
    ~PresenceFile();
    PresenceFile(const PresenceFile&) = delete;
    PresenceFile& operator=(const PresenceFile&) = delete;

    // Adds this installation's record to the presence file of the dictionary database at
    // dictionaryPath. A record of the same host and user left behind by a run that never
    // closed is replaced, not repeated. False (with the reason) when the file cannot be changed.
    bool open(const QString& dictionaryPath, QString* error = nullptr);
    // Removes this installation's record again; nothing when not open.
    void close();

    bool isOpen() const { return !m_path.isEmpty(); }
    const QString& path() const { return m_path; }
    const QString& record() const { return m_record; }

    // The entries of the presence file at path without this installation's own record.
    QStringList otherUsers(const QString& path) const;

private:
    QString m_record;
    QString m_path; // the file holding the record; empty while not open
};

} // namespace trelimor
