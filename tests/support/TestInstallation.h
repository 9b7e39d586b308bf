#pragma once

#include <QString>
#include <QVariantMap>

namespace trelimor::test {

// Installs the program into the program folder of the test (paths::programFolder()) exactly as
// trelimor-setup does. The only operator is the built-in administrator "Administrator systemu",
// login "admin", password "admin"; the user record is empty.
void installProgram();

// The built-in administrator's login and password.
inline const QString kAdminLogin = QStringLiteral("admin");
inline const QString kAdminPassword = QStringLiteral("admin");

// Rows of the installed dictionary database, written while the program is not running.
// An operator whose OP_HASLO holds the stored form of the password.
void addOperator(const QString& number, const QString& name, const QString& kind, const QString& login,
                 const QString& password);
// The same with OP_HASLO given as it stands (an old scrambled value, or none).
void addOperatorStored(const QString& number, const QString& name, const QString& kind, const QString& login,
                       const QVariant& storedPassword);
// OP_HASLO of the operator with that login, as stored.
QString storedPassword(const QString& login);
// Makes the user record (PODATNIK) the one row with these fields.
void setUserRecord(const QVariantMap& fields);
// A complete user record of a district inspectorate, county code 1465.
QVariantMap typicalUserRecord();
// The yearly database of the county and year beside the installed dictionary database, made as
// the program makes it (an installation that has worked in that year already); an existing
// file is left alone.
void addYearlyDatabase(const QString& countyCode, int year);

} // namespace trelimor::test
