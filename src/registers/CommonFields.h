#pragma once

#include "RegisterConfig.h"

namespace trelimor {

// The address and contact boxes several registers share, with their names and save rules.

// "KodPocztowy" in the masked box "MEBKodPoczt" ("##-###"): written only when every digit is
// typed; a stored code is shown and edited without the mask.
FieldSpec postalCodeField(const QString& label);
// "Miasto": trimmed, then cut to 50 characters.
FieldSpec townField(const QString& box);
// "Ulica" in "TextAdres": cut to 50 characters, not trimmed.
FieldSpec streetField();
// "Telefon" in "TextTelefon": trimmed.
FieldSpec phoneField();
// "Email" in "TextMail", after the telephone on its line: cut to its size, or trimmed.
FieldSpec emailField(int cut, bool trim);
// "Uwagi" (or the given field) in the several-line box "TextUwagi": trimmed.
FieldSpec remarksField(const QString& field = QStringLiteral("Uwagi"));

// The sixteen voivodeships by name, as the voivodeship combos list them.
QStringList voivodeshipNames();

} // namespace trelimor
