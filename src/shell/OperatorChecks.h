#pragma once

#include "FailedCheck.h"

#include <QString>

#include <optional>
#include <vector>

namespace trelimor {

// One row of OPERATORZY as the operators window knows it, addressed by its rowid. The stored
// password is deliberately not part of it: nothing shows or compares it here.
struct OperatorRow
{
    qint64 rowid = -1;
    QString numer;
    QString nazwisko;
    QString klucz;
    QString rodzaj;
    QString login;
};

// The kind of an operator with administrator rights: "Administrator", whatever its case and blanks.
bool isAdministratorKind(const QString& kind);

// The number a new operator gets: "001" for none, else one above the highest number, three
// digits with leading zeros. Empty when that needs four digits (after UzupelnijZerami's warning).
QString nextOperatorNumber(const std::vector<OperatorRow>& rows);

// The login box: not blank, and no other row (every row but the edited one; -1 for a new row)
// has the same login, compared without regard to case and surrounding blanks, as the login
// window finds logins.
std::optional<FailedCheck> checkLogin(const QString& typed, const std::vector<OperatorRow>& rows,
                                      qint64 editedRowid);

// The two password boxes and the name box, in this order: 3 to 10 characters, both boxes
// alike, a name given.
std::optional<FailedCheck> checkPasswordAndName(const QString& first, const QString& second,
                                                const QString& name);
std::optional<FailedCheck> checkName(const QString& name);

// A new operator needs a number; none is left after "999".
std::optional<FailedCheck> checkNumber(const QString& number);

// Deleting the row would leave nobody to log in as the current operator, or nobody with
// administrator rights.
std::optional<FailedCheck> checkDeletion(const std::vector<OperatorRow>& rows, qint64 rowid,
                                         const QString& loggedInNumber);

// Giving the row the kind would leave nobody with administrator rights.
std::optional<FailedCheck> checkKindChange(const std::vector<OperatorRow>& rows, qint64 rowid,
                                           const QString& newKind);

} // namespace trelimor
