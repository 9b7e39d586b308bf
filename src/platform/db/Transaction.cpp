#include "Transaction.h"

#include "Connection.h"
#include "JetError.h"

#include <QAtomicInt>

namespace trelimor::db {

Transaction::Transaction(Database& db, Mode mode)
    : m_db(db)
{
    if (m_db.connection().inTransaction()) {
        static QAtomicInt counter;
        m_savepoint = QStringLiteral("sp%1").arg(counter.fetchAndAddRelaxed(1));
        m_db.execute(QStringLiteral("SAVEPOINT ") + m_savepoint);
    } else {
        m_db.execute(mode == Mode::Immediate ? QStringLiteral("BEGIN IMMEDIATE") : QStringLiteral("BEGIN"));
    }
}

Transaction::~Transaction()
{
    if (m_done)
        return;
    try {
        rollback();
    } catch (...) {
        // The connection is gone or SQLite already rolled back: nothing is left to undo.
    }
}

void Transaction::commit()
{
    if (m_done)
        return;
    try {
        m_db.execute(m_savepoint.isEmpty() ? QStringLiteral("COMMIT")
                                           : QStringLiteral("RELEASE ") + m_savepoint);
    } catch (const JetError& e) {
        // SQLite keeps the transaction open when COMMIT fails (another workstation still reads
        // the file after the busy timeout): left so, every later save would become a savepoint
        // inside it and be lost when the file is closed. Undo it here and say so.
        try {
            rollback();
        } catch (...) {
            // The failure reported below is the one the user must see.
        }
        throw JetError(e.number(), e.description() + QStringLiteral(" Zmiany nie zostały zapisane."));
    }
    m_done = true;
}

void Transaction::rollback()
{
    m_done = true;
    if (!m_db.isOpen() || !m_db.inTransaction())
        return;
    if (m_savepoint.isEmpty()) {
        m_db.execute(QStringLiteral("ROLLBACK"));
    } else {
        m_db.execute(QStringLiteral("ROLLBACK TO ") + m_savepoint);
        m_db.execute(QStringLiteral("RELEASE ") + m_savepoint);
    }
}

} // namespace trelimor::db
