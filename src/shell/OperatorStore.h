#pragma once

#include "OperatorChecks.h"

#include "platform/db/Database.h"

#include <optional>
#include <vector>

namespace trelimor {

// Every row of OPERATORZY in the table's stored order, without the stored passwords.
std::vector<OperatorRow> readOperators(db::Database& database);

// What the edit frame writes into one row of OPERATORZY.
struct OperatorEdit
{
    qint64 rowid = -1; // the row the frame was opened on; -1 for a new row
    QString numer;
    QString nazwisko;
    QString klucz;
    QString rodzaj;
    QString login;
    bool writeKind = true;  // false keeps the stored kind
    bool checkLogin = true; // the login is tested for uniqueness again before it is written
    QString storedPassword; // the OP_HASLO value to write (a hash), or empty to keep the stored one
};

struct OperatorSave
{
    std::optional<FailedCheck> refused; // why nothing was written
    qint64 rowid = -1;                  // the written row
};

// Writes the edit in one transaction that holds the write lock from the checks to the write, so
// another installation cannot slip in the same login or number. A new row whose number was
// taken meanwhile gets the next free one.
OperatorSave saveOperator(db::Database& database, const OperatorEdit& edit);

// Deletes the row unless checkDeletion refuses it, checked and deleted in one transaction.
std::optional<FailedCheck> deleteOperator(db::Database& database, qint64 rowid,
                                          const QString& loggedInNumber);

} // namespace trelimor
