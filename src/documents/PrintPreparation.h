#pragma once

#include <QString>
#include <QVariant>

namespace trelimor {

namespace db {
class Recordset;
}
class BatchDocumentsHost;

// Appends the rows of the yearly table NazTab whose column NazPole equals NazPoleLab (the
// selected batch's number) to the same-named table of the report work database, column by
// column by name; null values leave the target's default. With CzyBadanie the rows go in sample
// order and a fallen animal's ("P") remarks get its owner's name and address. CzyPowiat and
// NrKolczPaszp are accepted and not used. All rows or none are stored: a failure is reported
// under "Drukowanie" + NazTab and gives false, and the printout must not go on.
bool PrzedDr(const QString& NazTab, const QString& NazPole, const QString& NazPoleLab, bool CzyBadanie,
             const QString& CzyPowiat, const QString& NrKolczPaszp);

// Appends the rows PrzedDr would read from the yearly NazTab to the work table NazTab1. With
// CzyBadanie each row is completed from the yearly sample of the group NazPoleLab with the same
// NrProbki (numbered from 1 in NrStado); a non-empty CzyPowiat goes into Klient. False after a
// reported failure (nothing is stored then).
bool PrzedDrInne(const QString& NazTab, const QString& NazTab1, const QString& NazPole,
                 const QString& NazPoleLab, bool CzyBadanie, const QString& CzyPowiat);

// The counts of one serology report's results: all rows, and those whose result column begins
// with "dod", "uje" and "wąt".
struct LiczbyWynikow
{
    int zbadano = 0;
    int dod = 0;
    int ujem = 0;
    int watpliwe = 0;
};
// For each row of the work PartiaG, the counts of the work table NazTab's rows of that group;
// for "Br", "EBB" and "BrOK" they are written into the row as Zbadano, Dod, Ujem and DodUjem.
bool LiczDodUjem(const QString& NazTab, const QString& NazKol);
// The same counts over all of NazTab: for "EBB" into the first work Partia row as Zbadano, Dod,
// Ujem, DodUjem; for "Br" the total, "dod" and "uje" counts as OgolemBr, DodBr, UjemBr.
bool SprawozdanieLiczDodUjem(const QString& NazTab, const QString& NazKol);

// The owner of a sample as a fallen animal's protocol names him: first name, surname, town,
// house, voivodeship and county; a null column adds nothing, the separators stay.
QString tekstWlasciciela(const db::Recordset& probka);
// The remarks of a fallen animal's sample: the owner text alone when the stored remarks are
// blank, else the remarks, a line break and the owner text.
QString uwagiZWlascicielem(const QVariant& uwagi, const QString& wlasciciel);

// The two copies every printout of a batch starts from: the selected batch into the work Partia
// and its samples into the work Badanie, each emptied first. False when a copy failed.
bool kopiujPartieDoRoboczej(BatchDocumentsHost& okno);

// The species of the sample selected in the sample grid; "" when the grid is empty.
QString gatunekBiezacejProbki(BatchDocumentsHost& okno);

} // namespace trelimor
