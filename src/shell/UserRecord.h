#pragma once

#include "FailedCheck.h"

#include "platform/db/Database.h"

#include <QString>
#include <QVariantMap>

#include <array>
#include <optional>

namespace trelimor {

// What the user record window holds of the PODATNIK row.
struct UserRecordFrame
{
    std::array<QString, 5> adres; // the five address lines TX2 .. TX6
    QString kodPIW1;
    QString kodPIW2;
    bool kod2Aktywny = false; // county code nr 2 is the active one
    QString mailWIW;
    QString mailPIW;
    QString mailLab;
    QString miejsc;
    bool uzytkownikPIW = true; // the user is a district inspectorate, else a veterinarian

    QString activeCode() const { return kod2Aktywny ? kodPIW2 : kodPIW1; }
};

// The checks of a save, in their order: the two mail addresses and the place, then the active
// county code, which must be four digits because it becomes part of the yearly file's name.
std::optional<FailedCheck> checkUserRecord(const UserRecordFrame& frame);

// The rows of PODATNIK: their number, and the one row's fields (name -> value) when there is
// exactly one.
struct UserRecordRows
{
    int count = 0;
    QVariantMap record;
};
UserRecordRows readUserRecord(db::Database& database);

// Writes the frame into the single row (address lines trimmed, the rest as typed, KodPIW the
// active code) and returns the rows as stored afterwards; nothing is written unless the table
// holds exactly one row.
UserRecordRows saveUserRecord(db::Database& database, const UserRecordFrame& frame);

// The five address lines proposed from the district inspectorate with the county code, or none
// when the register has no such inspectorate.
std::optional<std::array<QString, 5>> inspectorateAddress(db::Database& database, const QString& code);

} // namespace trelimor
