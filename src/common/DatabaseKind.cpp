#include "DatabaseKind.h"

#include "platform/db/Database.h"

#include <QRegularExpression>

#include <exception>

namespace trelimor {

namespace {

bool hasAll(db::Database& database, std::initializer_list<const char*> tables)
{
    for (const char* table : tables)
        if (!database.hasTable(QString::fromLatin1(table)))
            return false;
    return true;
}

} // namespace

DatabaseKind databaseKindOf(const QString& path)
{
    try {
        db::Database database = db::Database::open(path);
        DatabaseKind kind = DatabaseKind::Unknown;
        if (!database.isMadeByThisProgram())
            kind = DatabaseKind::Unknown;
        else if (hasAll(database, {"OPERATORZY", "PODATNIK", "PARAMETRY"}))
            kind = DatabaseKind::Dictionary;
        else if (hasAll(database, {"OGOLNE"})) // it holds copies of Partia and Badanie too
            kind = DatabaseKind::Work;
        else if (hasAll(database, {"Partia", "Badanie"}))
            kind = DatabaseKind::Yearly;
        database.close();
        return kind;
    } catch (const std::exception&) {
        return DatabaseKind::Unknown;
    }
}

DatabaseKind databaseKindNamed(const QString& fileName)
{
    static const QRegularExpression yearly(QStringLiteral("^Trelimor[0-9]{4}PIW[0-9]{4}\\.sqlite$"));
    if (fileName == u"Stale.sqlite")
        return DatabaseKind::Dictionary;
    if (fileName == u"Robot.sqlite")
        return DatabaseKind::Work;
    if (yearly.match(fileName).hasMatch())
        return DatabaseKind::Yearly;
    return DatabaseKind::Unknown;
}

QString databaseKindText(DatabaseKind kind)
{
    switch (kind) {
    case DatabaseKind::Dictionary:
        return QStringLiteral("bazą słownikową");
    case DatabaseKind::Work:
        return QStringLiteral("bazą roboczą");
    case DatabaseKind::Yearly:
        return QStringLiteral("bazą danych roku");
    case DatabaseKind::Unknown:
        break;
    }
    return QStringLiteral("bazą danych programu TRELIMOR");
}

} // namespace trelimor
