#pragma once

#include "platform/db/Database.h"

#include <QElapsedTimer>
#include <QString>

namespace trelimor {

// The yearly database (schema "rok") and the dictionary database (schema "stale") attached to
// the report work database for the length of one summary, so that a work table is filled by one
// INSERT ... SELECT over the three files. ATTACH and DETACH run outside any transaction; the
// summary's own functions (see SqlFunctions.h) are registered on the work database's connection.
//
// While the files are attached, a long statement lets the window repaint now and then (user
// input is held back: the window is locked while a summary runs).
class AttachedYear
{
public:
    // Throws db::JetError when a file cannot be attached.
    AttachedYear(db::Database& work, const QString& yearlyPath, const QString& dictionaryPath);
    // The program's three databases: BazaRobot with BazaRok and BazaStale attached.
    static AttachedYear program();
    ~AttachedYear();
    AttachedYear(const AttachedYear&) = delete;
    AttachedYear& operator=(const AttachedYear&) = delete;

    db::Database& work() const { return m_work; }
    // Whether the yearly file's table has the column (letter case aside).
    bool yearHas(const QString& table, const QString& column) const;

private:
    static int repaint(void* self);
    void detach() noexcept;

    mutable db::Database m_work;
    bool m_attached = false;
    QElapsedTimer m_sinceRepaint;
};

} // namespace trelimor
