#pragma once

#include "common/ModLabor.h"
#include "common/ProgramState.h"
#include "common/YearlyDatabase.h"

#include "platform/db/Database.h"
#include "platform/db/Recordset.h"
#include "platform/paths/Folders.h"

#include "support/Installed.h"
#include "support/ScriptedDialogs.h"
#include "support/TempProgramFolder.h"

#include <QDir>

#include <map>

namespace trelimor::test {

// A program folder with its Dane folder, a dictionary database kept beside it (so that Dane
// holds nothing but yearly files), county code 1465 and working date 02.01.2022.
class YearlyFixture : public TempProgramFolder
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QDir().mkpath(paths::dataFolder()));
        ASSERT_TRUE(QDir().mkpath(folders.path(QStringLiteral("Baza"))));
        ModLabor().BazaStale = db::Database::create(folders.path(QStringLiteral("Baza/Stale.sqlite")));
        stale().createTable(
            {QStringLiteral("ZAKLAD"),
             {db::Field::text(QStringLiteral("WNI"), 10), db::Field::text(QStringLiteral("KodPIW"), 4)}});
        for (const char* table : {"PlanPobierania", "ProceduraPobierania"})
            stale().createTable({QString::fromLatin1(table),
                                 {db::Field::of(QStringLiteral("ID"), db::DataType::Integer),
                                  db::Field::text(QStringLiteral("Nazwa"), 150),
                                  db::Field::text(QStringLiteral("Domyslny"), 1),
                                  db::Field::text(QStringLiteral("Domyslny2"), 1)}});
        programState().setCountyCode(QStringLiteral("1465"));
        programState().setWorkingDate(QDate(2022, 1, 2));
    }
    void TearDown() override
    {
        resetModLabor();
        programState().reset();
    }

    static db::Database& stale() { return ModLabor().BazaStale; }
    static db::Database& rok() { return ModLabor().BazaRok; }
    static QString yearlyPath(const QString& code = QStringLiteral("1465"), int year = 2022)
    {
        return paths::join(paths::dataFolder(), QStringLiteral("Trelimor%1PIW%2.sqlite").arg(code).arg(year));
    }

    // The columns of a table as "name:kind", the kind being the size of a Text column or one of
    // L(ong), I(nteger), B(yte), S(ingle), D(ate), M(emo).
    static QStringList columns(const db::Database& db, const QString& table)
    {
        QStringList list;
        static const std::map<db::DataType, QString> kinds = {
            {db::DataType::Long, QStringLiteral("L")}, {db::DataType::Integer, QStringLiteral("I")},
            {db::DataType::Byte, QStringLiteral("B")}, {db::DataType::Single, QStringLiteral("S")},
            {db::DataType::Date, QStringLiteral("D")}, {db::DataType::Memo, QStringLiteral("M")}};
        for (const db::Field& f : db.tableDef(table).fields) {
            const auto kind = kinds.find(f.type);
            list << f.name + QLatin1Char(':') +
                        (f.type == db::DataType::Text ? QString::number(f.size)
                         : kind != kinds.end()        ? kind->second
                                                      : QStringLiteral("?"));
        }
        return list;
    }

    // The whole schema of a file, to tell whether an operation changed anything.
    static QStringList schema(db::Database& db)
    {
        QStringList sql;
        db::Recordset rs = db.openRecordset(QStringLiteral("SELECT sql FROM sqlite_master ORDER BY name"));
        for (; !rs.eof(); rs.moveNext())
            sql << rs.value(0).toString();
        return sql;
    }

    static QStringList filesIn(const QString& folder)
    {
        return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    }

    Installed<ScriptedDialogs> dialogs;
};

} // namespace trelimor::test
