#pragma once

#include <QString>
#include <QStringList>

namespace trelimor {

// The sixteen kind-of-slaughter codes the batch register keeps, in the order they are compared;
// "P" is the fallen animal.
const QStringList& rodzajeUboju();
// Whether the text is one of those codes, compared exactly (letter case matters).
bool czyRodzajUboju(const QString& kod);

// The description of a deer keeping-system code ("DJ", "FJ", "NJ", "OJ"); "" for any other.
QString OpisSystemuUtrzymania(const QString& kod);

// The direction of the tests a batch goes to, from the species of its current sample, compared
// exactly: sheep and goats "TSE", deer "CWD" when the document knows that direction, anything
// else (cattle, an empty species) "BSE".
QString kierunekBadania(const QString& gatunek, bool zCwd);

} // namespace trelimor
