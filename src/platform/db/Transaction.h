#pragma once

#include "Database.h"

namespace trelimor::db {

// Work that must be stored whole or not at all. Rolled back unless committed; nested
// transactions become savepoints of the outer one.
class Transaction
{
public:
    enum class Mode {
        Deferred,
        // Takes the write lock at once: the check for a duplicate and the insert that
        // follows it cannot be interleaved with another installation's write.
        Immediate,
    };

    explicit Transaction(Database& db, Mode mode = Mode::Deferred);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    void commit();
    void rollback();

private:
    Database m_db;
    QString m_savepoint; // empty for an outermost transaction
    bool m_done = false;
};

} // namespace trelimor::db
