#include "BatchRows.h"

#include "platform/db/Recordset.h"
#include "platform/db/Transaction.h"

#include <QDate>

namespace trelimor::test {

void wstaw(db::Database& database, const QString& table, const QVariantMap& values)
{
    db::Recordset rs = database.openRecordset(QStringLiteral("SELECT * FROM ") + table);
    rs.addNew();
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        rs.setValue(it.key(), it.value());
    rs.update();
}

void dodajPartie(db::Database& rok, int partia, int probek, const QString& gatunek)
{
    db::Transaction transaction(rok);
    const QDate pobrano(2022, 3, 1 + partia % 28);
    wstaw(rok, QStringLiteral("Partia"),
          {{QStringLiteral("Partia"), partia},
           {QStringLiteral("IlProbek"), probek},
           {QStringLiteral("NrZlecenia"), QString::number(100 + partia)},
           {QStringLiteral("KodZakladu"), QStringLiteral("14650011")},
           {QStringLiteral("WNI"), QStringLiteral("zakładu ubojowego")},
           {QStringLiteral("Powiat"), QStringLiteral("1465")},
           {QStringLiteral("DataUboju"), pobrano},
           {QStringLiteral("GodzUboju"), QStringLiteral("07:30")},
           {QStringLiteral("DataPobr"), pobrano},
           {QStringLiteral("GodzPobr"), QStringLiteral("08:15")},
           {QStringLiteral("Pobral"), QStringLiteral("Jan Nowak")},
           {QStringLiteral("Uwagi"), QStringLiteral("partia %1").arg(partia)}});
    for (int nr = 1; nr <= probek; ++nr) {
        wstaw(rok, QStringLiteral("Badanie"),
              {{QStringLiteral("Partia"), partia},
               {QStringLiteral("NrProbki"), nr},
               {QStringLiteral("IDProbkiWNI"), QStringLiteral("14650011")},
               {QStringLiteral("IDProbkiNr"), QStringLiteral("%1").arg(nr, 3, 10, QLatin1Char('0'))},
               {QStringLiteral("IDProbkiData"), pobrano.toString(QStringLiteral("ddMMyyyy"))},
               {QStringLiteral("Gatunek"), gatunek},
               {QStringLiteral("Plec"), nr % 2 ? QStringLiteral("żeńska") : QStringLiteral("męska")},
               {QStringLiteral("NrKolczyka"),
                QStringLiteral("PL%1").arg(partia * 1000 + nr, 12, 10, QLatin1Char('0'))},
               {QStringLiteral("Wiek"), 24 + nr},
               {QStringLiteral("RodzajUboju"), QStringLiteral("N")},
               {QStringLiteral("ObjawyChorobowe"), QStringLiteral("brak")},
               {QStringLiteral("Uzytkowosc"), QStringLiteral("mleczna")},
               {QStringLiteral("NrGospod"), QStringLiteral("PL0123456789001")},
               {QStringLiteral("WlascicielNazwisko"), QStringLiteral("Żółkiewski")},
               {QStringLiteral("WlascicielMiejscowosc"), QStringLiteral("Łowicz")}});
    }
    transaction.commit();
}

void dodajLekarzaIZaklad(db::Database& stale)
{
    wstaw(stale, QStringLiteral("Lekarz"),
          {{QStringLiteral("IDLekarz"), 1},
           {QStringLiteral("Imie"), QStringLiteral("Jan")},
           {QStringLiteral("Nazwisko"), QStringLiteral("Nowak")}});
    wstaw(stale, QStringLiteral("ZAKLAD"),
          {{QStringLiteral("WNI"), QStringLiteral("14650011")},
           {QStringLiteral("TypWNI"), QStringLiteral("zakładu ubojowego")},
           {QStringLiteral("Nazwa"), QStringLiteral("Zakład Mięsny Łowicz")},
           {QStringLiteral("Domyslny"), QStringLiteral("T")}});
}

} // namespace trelimor::test
