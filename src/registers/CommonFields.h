#pragma once

#include "RegisterConfig.h"

namespace trelimor {

// The address and contact boxes several registers share, with their names and save rules.

// A one-line box with its label, the characters it takes (0: no limit) and whether it is
// trimmed before it is written.
FieldDef lineField(const QString& field, const QString& box, const QString& label, int maxLength = 0,
                   bool trim = false);

// "KodPocztowy" in the masked box "MEBKodPoczt" ("##-###"): written only when every digit is
// typed; a stored code is shown and edited without the mask.
FieldDef postalCodeField(const QString& label);
// "Miasto": trimmed, then cut to 50 characters.
FieldDef townField(const QString& box);
// "Ulica" in "TextAdres": cut to 50 characters, not trimmed.
FieldDef streetField();
// "Telefon" in "TextTelefon": trimmed.
FieldDef phoneField();
// "Email" in "TextMail", after the telephone on its line: cut to its size, or trimmed.
FieldDef emailField(int cut, bool trim);
// "Uwagi" (or the given field) in the several-line box "TextUwagi": trimmed.
FieldDef remarksField(const QString& field = QStringLiteral("Uwagi"));

// What the establishments and the inspectorates windows share: the data control "DataZlew" and
// grid "DBGridZlew", the frame "FramZlewnia" with "Z&apisz" and "&Anuluj", the buttons
// "ComZlewDod" ... "ComZlewZamk" that Klawisze locks, the search by the code box "MEBKod" and the
// orders by code and by name of the table (the register's table and key field must be set).
void useEstablishmentLayout(RegisterConfig& config, const QString& keyField);

// What the short list windows (remark hints, sampling plans) share: the data control "DataPodp"
// and grid "DBGridPodp", the frame "FrmEdycja" with "&Zapisz" and "&Anuluj", the buttons
// "ComDodaj" ... "ComZamk", of which only these four are locked while the frame is open (a
// correction stays on its row whatever the grid shows), and the number proposed as the count
// of rows + 1. The rows are those the opener binds.
void useShortListLayout(RegisterConfig& config);

// The duplicate test the registers share: its information box reads prefix + the shown box's
// text (trimmed when trimShown) + " już istnieje. Popraw!", and the focus goes to the shown box.
DuplicateTest alreadyExists(const QString& field, const QString& box, bool testsCorrections,
                            const QString& prefix, const QString& shownBox, bool trimShown = false);
// A close hook: in the mode the window runs its pick action instead of closing.
std::function<bool(RegisterWindow&)> pickInsteadOfClosingIn(const QString& mode);

// The sixteen voivodeships by name, as the voivodeship combos list them.
QStringList voivodeshipNames();

} // namespace trelimor
