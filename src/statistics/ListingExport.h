#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

#include <utility>

namespace trelimor {

namespace db {
class Database;
}

// One of the three "->.xls" exports of what IloscZak holds: the prefix of the proposed name and,
// in file order, each header with the IloscZak column written under it.
struct ListingExport
{
    QString prefix;
    QList<std::pair<QString, QString>> columns;
};

const ListingExport& eksportNrKolczykaWiek();
const ListingExport& eksportNrKolczykaWNI();
const ListingExport& eksportGIW1();

// The proposed name: the prefix, the moment as yyyymmdd, "g" and hhmm; no extension.
QString nazwaEksportuListy(const QString& prefix, const QDateTime& moment);

// The file: the header line ("Lp" and the headers) and one line per IloscZak row ordered by
// DataUboju (rows of one date in the order they were written), each starting with its running
// number; every field is followed by a TAB. Windows-1250, CR LF. Dates in the user's short date
// format, an empty value as nothing; a TAB, CR or LF inside a value (a CR LF pair too) is one
// blank, so that a line stays one row.
QByteArray tekstEksportuListy(db::Database& work, const ListingExport& variant);

// The export as its button runs it: the Save dialog over Eksport/<yyyymmdd of the working date>
// (made when missing), the file written whole or not at all, and the user told how it went.
void eksportujListe(const ListingExport& variant);

} // namespace trelimor
