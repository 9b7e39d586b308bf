#pragma once

#include <QString>

namespace trelimor {

// The scrambled form of a password, as operators' passwords were always kept: upper case,
// each character's Windows-1250 code shifted by its position and a fixed key. The same text
// whether typed in lower or upper case.
QString KodujHaslo(const QString& password);

// What OP_HASLO holds for a new password: an Argon2id hash of the scrambled form.
QString zakodowaneHaslo(const QString& password);

struct SprawdzenieHasla
{
    bool zgodne = false;
    // The stored value was an old scrambled text: store zakodowaneHaslo() in its place.
    bool doPrzechowania = false;
};
// Checks a typed password against a stored OP_HASLO value of either form.
SprawdzenieHasla sprawdzHaslo(const QString& typed, const QString& stored);

} // namespace trelimor
