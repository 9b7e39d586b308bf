#pragma once

#include <QByteArray>
#include <QString>

#include <exception>

struct sqlite3;

namespace trelimor::db {

// The error numbers the program dispatches on, as the Jet engine numbered them.
namespace jet {
inline constexpr int Overflow = 6;
inline constexpr int GenericFailure = 3000;
inline constexpr int NoCurrentRecord = 3021;
inline constexpr int UpdateWithoutEdit = 3020;
inline constexpr int DuplicateKey = 3022;
inline constexpr int FileNotFound = 3024;
inline constexpr int DiskFull = 3026;
inline constexpr int ReadOnly = 3027;
inline constexpr int DiskOrNetworkError = 3043;
inline constexpr int InvalidPath = 3044;
inline constexpr int CannotOpen = 3049;
inline constexpr int TooFewParameters = 3061; // an unknown column name in an expression
inline constexpr int SyntaxError = 3075;
inline constexpr int TableNotFound = 3078;
inline constexpr int FieldTooSmall = 3163;
inline constexpr int RecordDeleted = 3167;
inline constexpr int FieldDefinedTwice = 3191;
inline constexpr int DatabaseExists = 3204;
inline constexpr int RecordLocked = 3260;
inline constexpr int ItemNotFound = 3265; // a field name not in the recordset
inline constexpr int TableExists = 3010;
inline constexpr int UnrecognizedFormat = 3343;
inline constexpr int NumericOverflow = 3349;
inline constexpr int NoSuchField = 3381;
inline constexpr int ObjectInvalid = 3420;
inline constexpr int ConversionError = 3421;
} // namespace jet

// A database failure, carrying Jet's error number and a Polish description.
class JetError : public std::exception
{
public:
    JetError(int number, QString description);

    int number() const { return m_number; }
    const QString& description() const { return m_description; }
    const char* what() const noexcept override { return m_what.constData(); }

    // The Polish text Jet gave for a number, with %1 and %2 filled from the arguments.
    static JetError fromNumber(int number, const QString& arg1 = {}, const QString& arg2 = {});
    // Translates the last failure on a connection into Jet's terms.
    static JetError fromSqlite(sqlite3* handle, int resultCode, const QString& context = {});

private:
    int m_number;
    QString m_description;
    QByteArray m_what;
};

} // namespace trelimor::db
