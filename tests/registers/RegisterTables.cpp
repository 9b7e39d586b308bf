#include "RegisterTables.h"

namespace trelimor::test {

using db::DataType;
using db::Field;

void createRegisterTables(db::Database& stale)
{
    stale.createTable(
        {QStringLiteral("Gatunek"),
         {Field::of(QStringLiteral("IDGatunek"), DataType::Long),
          Field::text(QStringLiteral("NazGatunek"), 50), Field::text(QStringLiteral("KodcLAB"), 20),
          Field::text(QStringLiteral("NazcLAB"), 200), Field::of(QStringLiteral("UWAGI"), DataType::Memo)}});
    stale.createTable(
        {QStringLiteral("ZAKLAD"),
         {Field::text(QStringLiteral("WNI"), 10), Field::text(QStringLiteral("TypWNI"), 50),
          Field::text(QStringLiteral("Nazwa"), 255), Field::text(QStringLiteral("Ulica"), 50),
          Field::text(QStringLiteral("KodPocztowy"), 6), Field::text(QStringLiteral("Miasto"), 50),
          Field::text(QStringLiteral("Powiat"), 50), Field::text(QStringLiteral("Wojewodztwo"), 50),
          Field::text(QStringLiteral("KodPIW"), 4), Field::text(QStringLiteral("Telefon"), 50),
          Field::text(QStringLiteral("Email"), 50), Field::of(QStringLiteral("Uwagi"), DataType::Memo),
          Field::text(QStringLiteral("Domyslny"), 1)}});
    stale.createTable(
        {QStringLiteral("Lekarz"),
         {Field::of(QStringLiteral("IDLekarz"), DataType::Long), Field::text(QStringLiteral("LekarzNr"), 10),
          Field::text(QStringLiteral("Nazwisko"), 50), Field::text(QStringLiteral("Imie"), 50),
          Field::text(QStringLiteral("Nazwa"), 100), Field::text(QStringLiteral("KodPIW"), 4),
          Field::text(QStringLiteral("Ulica"), 50), Field::text(QStringLiteral("KodPocztowy"), 6),
          Field::text(QStringLiteral("Miasto"), 50), Field::text(QStringLiteral("Telefon"), 50),
          Field::text(QStringLiteral("Email"), 50), Field::of(QStringLiteral("Uwagi"), DataType::Memo)}});
    for (const QString& table : {QStringLiteral("PIW"), QStringLiteral("WIW")}) {
        QList<Field> fields{
            Field::text(QStringLiteral("ID") + table, 8), Field::text(QStringLiteral("Nazwa"), 255),
            Field::text(QStringLiteral("Ulica"), 50),     Field::text(QStringLiteral("KodPocztowy"), 6),
            Field::text(QStringLiteral("Miasto"), 50),    Field::text(QStringLiteral("Telefon"), 50),
            Field::text(QStringLiteral("Email"), 50),     Field::of(QStringLiteral("Uwagi"), DataType::Memo)};
        if (table == u"PIW")
            fields << Field::text(QStringLiteral("W"), 100);
        stale.createTable({table, fields});
    }
}

} // namespace trelimor::test
