#pragma once

#include <QString>
#include <QStringView>

struct sqlite3;

namespace trelimor::db {

// Text comparison as Jet made it on a Polish system: case-insensitive, letters in Polish
// alphabetical order (a ą b c ć ... z ź ż). Returns <0, 0 or >0.
int comparePolish(QStringView a, QStringView b);
// The same on UTF-8 bytes, as SQLite hands them to a collation.
int comparePolishUtf8(const char* a, int aLength, const char* b, int bLength);

// Jet's LIKE: "*" any run, "?" one character, "#" one digit, "[abc]", "[!abc]", "[a-z]";
// letters compare case-insensitively, Polish ones included.
bool jetLike(QStringView pattern, QStringView text);

// Registers on a connection what every Trelimor connection has: the PL collation, a LIKE
// operator with Jet's wildcards, Polish-aware lower/upper, and the Jet functions the
// program's queries use (len, ucase, lcase, datevalue, year, month, day). Jet's left() is
// substr(x, 1, n) here: LEFT and RIGHT are SQLite keywords.
void registerPolishFunctions(sqlite3* handle);

} // namespace trelimor::db
