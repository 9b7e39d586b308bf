#include "SerologyFixture.h"

#include "common/ModLabor.h"
#include "common/ProgramState.h"

#include "platform/db/Database.h"
#include "platform/locale/ShortDateFormat.h"
#include "platform/paths/Folders.h"
#include "support/TestFiles.h"
#include "support/YearShapes.h"

#include <QDir>
#include <QStringDecoder>

namespace trelimor::test {

void insert(const QString& table, const QString& columns, const QVariantList& values)
{
    const QStringList marks(values.size(), QStringLiteral("?"));
    ModLabor().BazaRok.execute(
        QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)").arg(table, columns, marks.join(QLatin1Char(','))),
        values);
}

void SerologyFixture::SetUp()
{
    ASSERT_TRUE(QDir().mkpath(paths::exportFolder()));
    ASSERT_TRUE(QDir().mkpath(paths::dataFolder()));
    ASSERT_TRUE(locale::setShortDateFormat(QStringLiteral("dd.MM.yyyy")));

    db::Database stale =
        db::Database::create(paths::join(paths::dataFolder(), QStringLiteral("Stale.sqlite")));
    stale.createTable(
        {QStringLiteral("PODATNIK"),
         {db::Field::text(QStringLiteral("Miejsc"), 50), db::Field::text(QStringLiteral("MailWIW"), 50)}});
    stale.execute(QStringLiteral("INSERT INTO PODATNIK (Miejsc) VALUES (?)"), {QStringLiteral("Gniezno")});
    ModLabor().BazaStale = stale;

    db::Database year =
        createProgramYear(paths::join(paths::dataFolder(), QStringLiteral("Trelimor1465PIW2022.sqlite")));
    applyStatisticsShape(year);
    applySerologyShape(year);
    ModLabor().BazaRok = year;
    programState().setWorkingDate(QDate(2022, 3, 15));
}

void SerologyFixture::TearDown()
{
    resetModLabor();
    programState().reset();
}

QString SerologyFixture::todaysFolder()
{
    return paths::join(paths::exportFolder(), QStringLiteral("20220331"));
}

QString SerologyFixture::proposedFile()
{
    return paths::join(todaysFolder(), QStringLiteral("ZHW-GnieznoBSEMiesiac2022-03"));
}

void SerologyFixture::setConfiguredRecipient(const QString& address)
{
    writeFile(paths::iniFile(),
              (QStringLiteral("STALE=/x/\r\nMAILWIW=") + address + QStringLiteral("\r\n")).toUtf8());
}

QString SerologyFixture::decoded(const QByteArray& bytes)
{
    QStringDecoder decode("windows-1250");
    return decode(bytes);
}

} // namespace trelimor::test
