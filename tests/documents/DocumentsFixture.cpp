#include "DocumentsFixture.h"

#include "common/ModLabor.h"
#include "common/ProgramState.h"
#include "common/ReportWindow.h"
#include "documents/FormDrukRap.h"

#include "platform/ui/DefaultInstance.h"

#include "support/TestFiles.h"

#include <QDir>
#include <QFile>

namespace trelimor::test {

void DocumentsFixture::SetUp()
{
    m_savedMailProgram = mailProgram();
    ModLaborValues& m = ModLabor();
    m.BazaRobot = db::Database::create(folders.path(QStringLiteral("Robot.sqlite")));
    m.BazaRobot.execute(QStringLiteral(
        "CREATE TABLE OGOLNE (Naglowek1 VARCHAR(255), Naglowek2 VARCHAR(255), Naglowek3 VARCHAR(255))"));
    m.BazaRobot.execute(
        QStringLiteral("CREATE TABLE ZAKLAD (WNI VARCHAR(30), TypWNI VARCHAR(50), Nazwa VARCHAR(255), "
                       "Ulica VARCHAR(100), KodPocztowy VARCHAR(6), Miasto VARCHAR(50), "
                       "Powiat VARCHAR(50), Telefon VARCHAR(30))"));
    m.BazaRobot.execute(
        QStringLiteral("CREATE TABLE Partia (Partia INTEGER, NrZlecenia VARCHAR(4), Pobral VARCHAR(50))"));

    // The templates the program ships, as the installation lays them out.
    m.KatalogRaportow = folders.programFolder() + QStringLiteral("/Raporty/");
    QDir().mkpath(m.KatalogRaportow);
    const QDir shipped(QStringLiteral(TRELIMOR_REPORTS_DIR));
    for (const QString& name : shipped.entryList({QStringLiteral("*.html")}, QDir::Files))
        ASSERT_TRUE(QFile::copy(shipped.filePath(name), m.KatalogRaportow + name)) << name.toStdString();
    programState().setWorkingDate(QDate(2022, 3, 31));
    registerFormDrukRap();
}

void DocumentsFixture::TearDown()
{
    ui::resetAllInstances();
    setReportWindow({});
    resetModLabor();
    programState().reset();
    setMailProgram(m_savedMailProgram);
}

void DocumentsFixture::addEstablishment(const QVariantList& values)
{
    ModLabor().BazaRobot.execute(
        QStringLiteral("INSERT INTO ZAKLAD (WNI, TypWNI, Nazwa, Ulica, KodPocztowy, Miasto, "
                       "Powiat) VALUES (?, ?, ?, ?, ?, ?, ?)"),
        values);
}

void DocumentsFixture::writeTemplate(const QString& name, const QByteArray& text)
{
    writeFile(ModLabor().KatalogRaportow + name, text);
}

} // namespace trelimor::test
