#pragma once

#include <QString>

namespace trelimor {

// The title under which archive and restore report a failure once the databases were closed.
inline const QString kArchiveFailureTitle =
    QStringLiteral("Problem z archiwizacją baz! Zamknij program i uruchom ponownie!\rPowiadom programistę!");

// Closes the dictionary and yearly databases (BazaStale, then BazaRok) for work on their files
// and opens them again from the same paths, so the rest of the program goes on with the
// handles of ModLabor(), making the indexes a file lacks as every opening does. A handle that was
// not open stays closed.
class ClosedDatabases
{
public:
    ClosedDatabases();
    // Opens the databases again when reopen() was not called; a failure is left unreported.
    ~ClosedDatabases();
    ClosedDatabases(const ClosedDatabases&) = delete;
    ClosedDatabases& operator=(const ClosedDatabases&) = delete;

    const QString& dictionaryPath() const { return m_dictionaryPath; }
    const QString& yearlyPath() const { return m_yearlyPath; }

    // Opens both again; tries both and throws the first failure.
    void reopen();

private:
    QString m_dictionaryPath;
    QString m_yearlyPath;
    bool m_reopened = false;
};

// Whether two paths name the same existing file (links and "." or ".." resolved).
bool sameFile(const QString& a, const QString& b);

} // namespace trelimor
