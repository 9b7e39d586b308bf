#include "YearlyTables.h"

#include "platform/db/Database.h"
#include "platform/db/JetError.h"
#include "platform/ui/DialogService.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <initializer_list>

namespace trelimor {

namespace {

using db::DataType;

struct Column
{
    const char* name;
    DataType type;
    int size; // characters of a Text column, 0 for the other types
};
using Columns = std::initializer_list<Column>;

constexpr Column text(const char* name, int size)
{
    return {name, DataType::Text, size};
}
constexpr Column of(const char* name, DataType type)
{
    return {name, type, 0};
}

// The batch table of a yearly file: a Date field and its "hh:mm" partner for each moment.
constexpr Columns kPartia = {
    of("Partia", DataType::Long),
    of("IlProbek", DataType::Integer),
    text("NrZlecenia", 4),
    text("Powiat", 4),
    text("WNI", 30),
    text("KodZakladu", 10),
    text("PIWmiasto", 50),
    of("DataUboju", DataType::Date),
    text("GodzUboju", 5),
    of("DataPobr", DataType::Date),
    text("GodzPobr", 5),
    of("DataWysylki", DataType::Date),
    text("GodzWysylki", 5),
    of("DataWprow", DataType::Date),
    text("GodzWprow", 5),
    of("DataRozpBad", DataType::Date),
    text("GodzRozpBad", 5),
    of("DataWyniku", DataType::Date),
    text("GodzWyniku", 5),
    text("Pobral", 50),
    text("KierunekBadania", 100),
    text("NumerSprawy", 50),
    text("Laboratorium", 100),
    text("Miejscowosc", 50),
    text("Dnia", 20),
    text("PobranoOd", 50),
    of("WywiadLekarski", DataType::Memo),
    of("DataWyslaniaDoLab", DataType::Date),
    text("GodzWyslaniaDoLab", 5),
    text("RodzajBadania", 100),
    text("RodzajBadaniaInny", 100),
    of("Uwagi", DataType::Memo),
};

// The sample table of a yearly file: one row per animal.
constexpr Columns kBadanie = {
    of("Partia", DataType::Long),
    of("NrProbki", DataType::Integer),
    text("IDProbkiWNI", 10),
    text("IDProbkiNr", 5),
    text("IDProbkiData", 8),
    text("Gatunek", 20),
    text("Gatunek2", 30),
    text("Plec", 6),
    text("NrKolczyka", 16),
    of("Wiek", DataType::Single),
    text("RodzajUboju", 10),
    text("SystemUtrzymania", 5),
    text("ObjawyChorobowe", 50),
    text("Uzytkowosc", 50),
    of("LiczebnoscStada", DataType::Long),
    text("NrGospod", 15),
    text("WlascicielImie", 30),
    text("WlascicielNazwisko", 30),
    text("WlascicielMiejscowosc", 50),
    text("WlascicielNrPosesja", 30),
    text("Wojewodztwo", 20),
    text("KodWoj", 2),
    text("Powiat", 30),
    text("KodPIW", 4),
    text("Gmina", 30),
    text("Wynik", 15),
    text("RodzajMaterialu", 50),
    text("WarunkiPrzechowywania", 50),
    text("DataUrodzenia", 10),
    of("Uwagi", DataType::Memo),
};

constexpr Columns kPlanPobierania = {of("ID", DataType::Integer), text("Nazwa", 150), text("Domyslny", 1),
                                     text("Domyslny2", 1)};
constexpr Columns kCLab = {text("Klucz", 10),          text("TypBad1", 10),       text("OpisTypBad1", 100),
                           text("cmetoda1", 10),       text("OpisCMetoda1", 100), text("ckierunek1", 10),
                           text("OpisCKierunek1", 100)};
constexpr Columns kBadal = {of("IDBadal", DataType::Byte), text("Badal", 50)};
constexpr Columns kOznaczenie = {of("IDPODP", DataType::Byte), text("PODPOWIEDZ", 20)};
constexpr Columns kAutowynik = {text("KodChoroba", 20), text("Badanie", 20), text("Wynik", 20)};
constexpr Columns kTMP = {of("IlMiejscowosci", DataType::Long), of("IlStad", DataType::Long),
                          of("IlZwierzat", DataType::Long)};

bool createTable(const QString& Sciezka, const QString& NazTab, Columns columns)
{
    try {
        db::Database db = db::Database::open(Sciezka);
        db::TableDef td{NazTab, {}};
        // Every field must be made: a table short of a column would be appended silently and
        // the program would meet the gap only when it writes there.
        bool allMade = true;
        for (const Column& c : columns) {
            allMade =
                CreateDBField(td, QString::fromLatin1(c.name), c.type, takesEmptyText(c.type), c.size) &&
                allMade;
        }
        if (!allMade) {
            db.close();
            ui::plainMessage(QStringLiteral("Tworzenie nowej tabeli ") + NazTab +
                             QStringLiteral(" nie powiodło się! Usuwam zbędne informacje!"));
            return false;
        }
        db.createTable(td);
        db.close();
        return true;
    } catch (const db::JetError& e) {
        showEngineError(e);
        return false;
    }
}

} // namespace

QStringList
missingYearlyCore(const db::Database& yearly,
                  const std::function<bool(const QString& table, const QString& column)>& addedLater)
{
    QStringList missing;
    for (const auto& [table, columns] : {std::pair{"Partia", kPartia}, std::pair{"Badanie", kBadanie}}) {
        const QString name = QString::fromLatin1(table);
        if (!yearly.hasTable(name)) {
            missing << QStringLiteral("tabeli ") + name;
            continue;
        }
        const db::TableDef def = yearly.tableDef(name);
        for (const Column& c : columns) {
            const QString column = QString::fromLatin1(c.name);
            if (def.indexOf(column) < 0 && !addedLater(name, column))
                missing << QStringLiteral("pola %1.%2").arg(name, column);
        }
    }
    return missing;
}

void showEngineError(const db::JetError& e)
{
    ui::plainMessage(QString::number(e.number()) + e.description());
}

db::Field makeField(const QString& name, DataType type, bool allowZeroLength, int size)
{
    const bool sized = type == DataType::Text && size > 0;
    return {name, type, sized ? size : db::Field::defaultSize(type), allowZeroLength};
}

bool CreateDBField(db::TableDef& td, const QString& NazPole, DataType Typ, bool ZerDlDozw, int Rozmiar)
{
    try {
        if (NazPole.trimmed().isEmpty() || td.indexOf(NazPole) >= 0)
            throw db::JetError::fromNumber(db::jet::FieldDefinedTwice, NazPole);
        if (Rozmiar < 0 || (Typ == DataType::Text && Rozmiar > 255))
            throw db::JetError::fromNumber(db::jet::GenericFailure,
                                           QStringLiteral("nieprawidłowy rozmiar pola '%1'.").arg(NazPole));
        td.fields << makeField(NazPole, Typ, ZerDlDozw, Rozmiar);
        return true;
    } catch (const db::JetError& e) {
        showEngineError(e);
        return false;
    }
}

void showCreationFailed(const QString& path)
{
    ui::plainMessage(QStringLiteral("Tworzenie nowej bazy ") + path +
                     QStringLiteral(" nie powiodło się! Usuwam zbędne informacje!"));
}

void removeDatabaseFile(const QString& path)
{
    QFile::remove(path + QStringLiteral("-journal"));
    QFile::remove(path);
}

bool CreateDB(const QString& Sciezka, const QString& shownAs)
{
    const QString shown = shownAs.isEmpty() ? Sciezka : shownAs;
    if (QFileInfo::exists(shown) || QFileInfo::exists(Sciezka)) {
        ui::plainMessage(shown + QStringLiteral(" już istnieje! Skontaktuj się z programistą!"));
        return false;
    }
    try {
        db::Database::create(Sciezka).close();
        return true;
    } catch (const db::JetError& e) {
        // The engine names the file it was given; the user knows the file by its own name.
        const QString full = QDir::cleanPath(QFileInfo(Sciezka).absoluteFilePath());
        showEngineError(db::JetError(e.number(), QString(e.description()).replace(full, shown)));
        showCreationFailed(shown);
        removeDatabaseFile(Sciezka);
        return false;
    }
}

bool CreateTablePartia(const QString& Sciezka, const QString& NazTab)
{
    return createTable(Sciezka, NazTab, kPartia);
}

bool CreateTableBadanie(const QString& Sciezka, const QString& NazTab)
{
    return createTable(Sciezka, NazTab, kBadanie);
}

bool CreateTablePlanPobierania(const QString& Sciezka, const QString& NazTab)
{
    return createTable(Sciezka, NazTab, kPlanPobierania);
}

bool CreateTableCLab(const QString& Sciezka, const QString& NazTab)
{
    return createTable(Sciezka, NazTab, kCLab);
}

bool CreateTableBadal(const QString& Sciezka, const QString& NazTab)
{
    return createTable(Sciezka, NazTab, kBadal);
}

bool CreateTableOznaczenie(const QString& Sciezka, const QString& NazTab)
{
    return createTable(Sciezka, NazTab, kOznaczenie);
}

bool CreateTableAutowynik(const QString& Sciezka, const QString& NazTab)
{
    return createTable(Sciezka, NazTab, kAutowynik);
}

bool CreateTableTMP(const QString& Sciezka, const QString& NazTab)
{
    return createTable(Sciezka, NazTab, kTMP);
}

} // namespace trelimor
