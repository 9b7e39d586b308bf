#include "YearShapes.h"

#include "common/ColumnUpgrade.h"
#include "common/YearlyTables.h"

#include "platform/db/JetError.h"
#include "platform/db/Transaction.h"

#include <QStringList>

#include <initializer_list>
#include <map>

using namespace Qt::StringLiterals;

namespace trelimor::test {

namespace {

using db::DataType;
using db::Field;

struct ShapeTable
{
    QString name;
    QList<Field> columns;
};

Field text(const QString& name, int size)
{
    return Field::text(name, size);
}

Field of(const QString& name, DataType type)
{
    return Field::of(name, type);
}

// Creates each missing table with all its columns and adds the missing columns of the others.
void applyShape(db::Database& year, std::initializer_list<ShapeTable> tables)
{
    db::Transaction whole(year);
    for (const ShapeTable& table : tables) {
        if (!year.hasTable(table.name)) {
            year.createTable({table.name, table.columns});
            continue;
        }
        for (const Field& column : table.columns)
            if (!year.hasColumn(table.name, column.name))
                year.addColumn(table.name, column);
    }
    whole.commit();
}

// A result table: the sample's herd group and number, then the test's own columns. Every
// result is text: the results import writes each field as the text it read, empty ones too.
ShapeTable resultTable(const QString& name)
{
    ShapeTable table{name, {of(u"Partia"_s, DataType::Long), of(u"NrProbki"_s, DataType::Integer)}};
    for (const QString& column : serologyResultColumns(name))
        table.columns << text(column, 20);
    return table;
}

} // namespace

db::Database createProgramYear(const QString& path)
{
    db::Database::create(path).close();
    if (!CreateTablePartia(path, u"Partia"_s) || !CreateTableBadanie(path, u"Badanie"_s))
        throw db::JetError::fromNumber(db::jet::GenericFailure, path);
    db::Database year = db::Database::open(path);
    runColumnChecks(year, nullptr);
    return year;
}

void applyStatisticsShape(db::Database& year)
{
    applyShape(year, {{u"Badanie"_s,
                       {of(u"NrOgolny"_s, DataType::Long), of(u"BadaniaPowtorzone"_s, DataType::Integer),
                        text(u"Opis"_s, 255)}}});
}

void applySerologyShape(db::Database& year)
{
    applyShape(year, {
                         {u"Partia"_s,
                          {text(u"Oznaczenie"_s, 20), text(u"Platnosc"_s, 50), text(u"Lecznica"_s, 100),
                           text(u"Lekarz"_s, 50), text(u"KODKRAJ"_s, 10), text(u"NazTkanka"_s, 50),
                           of(u"DataDoLab"_s, DataType::Date), of(u"DataZakBad"_s, DataType::Date),
                           of(u"NaUzdrowieniu"_s, DataType::Boolean), of(u"Czystopis"_s, DataType::Boolean),
                           of(u"TNWyslane"_s, DataType::Boolean), text(u"Badal"_s, 50)}},
                         {u"PartiaG"_s,
                          {of(u"PartiaG"_s, DataType::Long), of(u"Partia"_s, DataType::Long),
                           text(u"NRGOSPOD"_s, 13), text(u"Wlasciciel"_s, 50), text(u"MIEJSCOWOSCPOBR"_s, 50),
                           text(u"NrPosesja"_s, 30), of(u"Uwagi"_s, DataType::Memo)}},
                         {u"Badanie"_s,
                          {of(u"PartiaG"_s, DataType::Long), of(u"NrStado"_s, DataType::Integer),
                           text(u"Rasa"_s, 12), text(u"Masc"_s, 21), text(u"WiekTyp"_s, 10),
                           of(u"Ciaza"_s, DataType::Boolean), text(u"BadajEBB"_s, 1), text(u"BadajBR"_s, 1),
                           text(u"BadajNZK"_s, 1), text(u"BadajZSt"_s, 1), text(u"BadajNos"_s, 1),
                           text(u"BadajQ"_s, 1), text(u"BadajIBRIPV"_s, 1), text(u"BadajPar"_s, 1),
                           text(u"BadajBrOK"_s, 1), of(u"Niebadaj"_s, DataType::Boolean)}},
                         resultTable(u"EBB"_s),
                         resultTable(u"Br"_s),
                         resultTable(u"NZK"_s),
                         resultTable(u"ZSt"_s),
                         resultTable(u"Nos"_s),
                         resultTable(u"Q"_s),
                         resultTable(u"IBRIPV"_s),
                         resultTable(u"Par"_s),
                         resultTable(u"BrOK"_s),
                     });
}

const QStringList& serologyResultColumns(const QString& table)
{
    static const std::map<QString, QStringList> columns = {
        {u"EBB"_s, {u"Elisa"_s, u"ID"_s, u"WynikOgolny"_s}},
        {u"Br"_s,
         {u"OKAP"_s, u"OAmiano"_s, u"OAIU"_s, u"Elisa"_s, u"OWDmiano"_s, u"OWDmjpwd"_s, u"WynikOgolny"_s}},
        {u"NZK"_s, {u"Wynik"_s}},
        {u"ZSt"_s, {u"OWDmiano"_s, u"Wynik"_s}},
        {u"Nos"_s, {u"OWDmiano"_s, u"Wynik"_s}},
        {u"Q"_s, {u"OWDmiano"_s, u"Wynik"_s}},
        {u"IBRIPV"_s, {u"Wynik"_s}},
        {u"Par"_s, {u"Wynik"_s}},
        {u"BrOK"_s, {u"OKAP"_s, u"OWDmiano"_s, u"OWDmjpwd"_s, u"WynikOgolny"_s}},
    };
    static const QStringList none;
    const auto found = columns.find(table);
    return found != columns.end() ? found->second : none;
}

const QStringList& serologyResultTables()
{
    static const QStringList tables{u"EBB"_s, u"Br"_s,     u"NZK"_s, u"ZSt"_s, u"Nos"_s,
                                    u"Q"_s,   u"IBRIPV"_s, u"Par"_s, u"BrOK"_s};
    return tables;
}

} // namespace trelimor::test
