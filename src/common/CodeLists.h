#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace trelimor {

// The code lists behind the combos of the batch and sample frames. The sample save, the imports
// and the statistics rely on these codes exactly as they stand.

// The species whose samples take the deer codes and the deer-only fields.
inline const QString kJeleniowate = QStringLiteral("Jeleniowate");
// Whether the species text is the deer species: exactly, letter case included.
bool jestJeleniowaty(const QString& gatunek);

struct KodZOpisem
{
    QString kod;
    QString opis;
};

// The sixteen kinds of slaughter in the order the lists offer them: eleven for every species
// but deer, then five for deer.
const QList<KodZOpisem>& rodzajeUboju();
// The kinds of slaughter offered for the species: the five deer codes for "Jeleniowate",
// otherwise the eleven others.
QStringList kodyRodzajuUboju(const QString& gatunek);
// The description shown beside a kind of slaughter; empty for a text that is none of the codes.
QString OpisRodzajuUboju(const QString& kod);

// The keeping systems of deer.
const QList<KodZOpisem>& systemyUtrzymania();
// The keeping-system list for the species: an empty entry, then the four deer codes for
// "Jeleniowate" only.
QStringList kodySystemuUtrzymania(const QString& gatunek);
// The description of a keeping-system code; empty for any other text (codes are exact).
QString OpisSystemuUtrzymania(const QString& kod);

// Whether the text is one of the sixteen kind-of-slaughter codes, compared exactly.
bool czyRodzajUboju(const QString& kod);
// The direction of the tests a batch goes to, from the species of its current sample, compared
// exactly: sheep and goats "TSE", deer "CWD" when the document knows that direction, anything
// else (cattle, an empty species) "BSE".
QString kierunekBadania(const QString& gatunek, bool zCwd);

// The fixed lists of the frames' combos, by the combo's name ("ComboPlec" ...); empty for a
// combo without a fixed list. ComboLaboratorium's list holds only its last entry: the
// laboratory that receives the samples is the installation's own and comes before it.
QStringList listaStala(const QString& combo);
// The names of the combos listaStala() has a list for.
QStringList combosZListaStala();

// The last entry of the laboratory list.
inline const QString kInneLaboratorium = QStringLiteral("inne (wskazać jakie)");
// The establishment type a new window starts with.
inline const QString kTypZakladuPoczatkowy = QStringLiteral("zakładu utylizacyjnego");
// The establishment type that shows the hint on how to type a farm's number.
inline const QString kTypGospodarstwa = QStringLiteral("gospodarstwa*");

} // namespace trelimor
