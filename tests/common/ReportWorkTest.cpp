#include "common/ReportWork.h"
#include "common/ModLabor.h"
#include "common/ReportEngine.h"
#include "common/ReportWindow.h"

#include "platform/db/Recordset.h"
#include "platform/report/Report.h"
#include "platform/report/ReportError.h"

#include "support/Installed.h"
#include "support/ScriptedDialogs.h"
#include "support/TempProgramFolder.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace trelimor;
using namespace trelimor::test;

namespace {

// A report window that only notes what it was asked to show.
class RecordedWindow : public ReportWindow
{
public:
    void showReport(std::shared_ptr<report::Report> raport, const QString& caption) override
    {
        shown.push_back(raport);
        captions << caption;
    }
    std::vector<std::shared_ptr<report::Report>> shown;
    QStringList captions;
};

class ReportWorkTest : public TempProgramFolder
{
protected:
    void SetUp() override
    {
        ModLabor().BazaStale = db::Database::create(folders.path(QStringLiteral("Stale.sqlite")));
        ModLabor().BazaRobot = db::Database::create(folders.path(QStringLiteral("Robot.sqlite")));
        robot().execute(QStringLiteral("CREATE TABLE OGOLNE (Naglowek1 VARCHAR(255), Naglowek2 VARCHAR(255), "
                                       "Naglowek3 VARCHAR(255))"));
        for (db::Database* base : {&stale(), &robot()})
            base->execute(QStringLiteral("CREATE TABLE PIW (IDPIW VARCHAR(4), Nazwa VARCHAR(50), "
                                         "Email VARCHAR(50) DEFAULT 'brak', Utworzono DATETIME)"));
    }
    void TearDown() override { resetModLabor(); }

    db::Database& stale() { return ModLabor().BazaStale; }
    db::Database& robot() { return ModLabor().BazaRobot; }
    int count(db::Database& base, const QString& table)
    {
        return base.scalar(QStringLiteral("SELECT count(*) FROM ") + table).toInt();
    }
    void addPiw(db::Database& base, const QVariant& id, const QVariant& name, const QVariant& mail)
    {
        base.execute(QStringLiteral("INSERT INTO PIW (IDPIW, Nazwa, Email) VALUES (?, ?, ?)"),
                     {id, name, mail});
    }
    QString writeTemplate(const QString& name, const QByteArray& text)
    {
        const QString folder = folders.path(QStringLiteral("Raporty/"));
        QDir().mkpath(folder);
        QFile file(folder + name);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
        ModLabor().KatalogRaportow = folder;
        return folder + name;
    }

    Installed<ScriptedDialogs> dialogs;
};

TEST_F(ReportWorkTest, OproznijTabeleEmptiesAndChecksTheTable)
{
    addPiw(robot(), QStringLiteral("1465"), QStringLiteral("Warszawa"), QVariant());
    addPiw(robot(), QStringLiteral("1401"), QStringLiteral("Białobrzegi"), QVariant());
    OproznijTabele(robot(), QStringLiteral("PIW"), true);
    EXPECT_EQ(count(robot(), QStringLiteral("PIW")), 0);
    EXPECT_TRUE(dialogs->calls().empty());

    // A table that will not stay empty is reported.
    robot().execute(
        QStringLiteral("CREATE TRIGGER wraca AFTER DELETE ON PIW WHEN (SELECT count(*) FROM PIW) = 0 "
                       "BEGIN INSERT INTO PIW (IDPIW) VALUES ('0000'); END"));
    addPiw(robot(), QStringLiteral("1465"), QStringLiteral("Warszawa"), QVariant());
    OproznijRoboczaTabele(QStringLiteral("PIW"));
    EXPECT_TRUE(dialogs->calls().empty()) << "no check without the flag";
    OproznijTabele(robot(), QStringLiteral("PIW"), true);
    ASSERT_EQ(dialogs->calls().size(), 1u);
    EXPECT_EQ(dialogs->last().text,
              QStringLiteral("Nieprawidlowa operacja usunięcia! Zamknij program i uruchom ponownie!"));
    EXPECT_EQ(dialogs->last().title, QStringLiteral("TRELIMOR"));
    EXPECT_EQ(dialogs->last().icon, ui::Icon::None);
}

TEST_F(ReportWorkTest, UstawNaglowkiWritesTheOneHeaderRecordAndMakesItWhenMissing)
{
    UstawNaglowki(QStringLiteral("Wykaz zakładów"), QStringLiteral("Powiat łódzki"), QString());
    EXPECT_EQ(count(robot(), QStringLiteral("OGOLNE")), 1);
    UstawNaglowki(QStringLiteral("Żółć"), QStringLiteral("2"), QStringLiteral("3"));
    db::Recordset rs = robot().openRecordset(QStringLiteral("SELECT * FROM OGOLNE"));
    ASSERT_EQ(rs.recordCount(), 1);
    EXPECT_EQ(rs.value(QStringLiteral("Naglowek1")).toString(), QStringLiteral("Żółć"));
    EXPECT_EQ(rs.value(QStringLiteral("Naglowek3")).toString(), QStringLiteral("3"));
}

TEST_F(ReportWorkTest, KopiujDoRoboczejCopiesByNameAndLeavesDefaultsForNulls)
{
    KopiujDoRoboczej(QStringLiteral("PIW"));
    EXPECT_EQ(count(robot(), QStringLiteral("PIW")), 0) << "an empty source copies nothing";

    addPiw(stale(), QStringLiteral("1465"), QStringLiteral("Warszawa Śródmieście"), QVariant());
    addPiw(stale(), QStringLiteral("1061"), QStringLiteral("Łódź"), QStringLiteral("piw@lodz.pl"));
    addPiw(robot(), QStringLiteral("9999"), QStringLiteral("zostaje"), QStringLiteral("x"));
    EXPECT_TRUE(KopiujDoRoboczej(QStringLiteral("PIW")));
    EXPECT_TRUE(dialogs->calls().empty());
    db::Recordset rs = robot().openRecordset(QStringLiteral("SELECT * FROM PIW ORDER BY IDPIW"));
    ASSERT_EQ(rs.recordCount(), 3) << "the target is not emptied";
    EXPECT_EQ(rs.value(QStringLiteral("Nazwa")).toString(), QStringLiteral("Łódź"));
    rs.moveNext();
    EXPECT_EQ(rs.value(QStringLiteral("Nazwa")).toString(), QStringLiteral("Warszawa Śródmieście"));
    EXPECT_EQ(rs.value(QStringLiteral("Email")).toString(), QStringLiteral("brak"))
        << "null keeps the default";
}

TEST_F(ReportWorkTest, KopiujDoRoboczejOfAFieldTheTargetLacksIsReportedAndCopiesNothing)
{
    stale().execute(QStringLiteral("ALTER TABLE PIW ADD COLUMN Uwagi VARCHAR(50)"));
    stale().execute(QStringLiteral("INSERT INTO PIW (IDPIW, Uwagi) VALUES ('1465', NULL), ('1466', 'nowa')"));
    EXPECT_FALSE(KopiujDoRoboczej(QStringLiteral("PIW")));
    ASSERT_EQ(dialogs->calls().size(), 1u);
    EXPECT_EQ(dialogs->last().title, QStringLiteral("DrukowaniePIW"));
    EXPECT_TRUE(dialogs->last().text.contains(QStringLiteral("Uwagi"))) << dialogs->last().text.toStdString();
    EXPECT_EQ(count(robot(), QStringLiteral("PIW")), 0) << "the first record is not left behind";
}

TEST_F(ReportWorkTest, PokazRaportOpensTheHtmlTemplateOverTheTablesItNames)
{
    writeTemplate(QStringLiteral("zlewnia.html"),
                  "<p>{{first.OGOLNE.Naglowek1}}</p>{{#PIW}}<p>{{IDPIW}} {{Nazwa}}</p>{{/PIW}}{{title}}");
    robot().execute(QStringLiteral("CREATE TABLE Badanie (NrKolczyka VARCHAR(14))"));
    robot().execute(QStringLiteral("INSERT INTO Badanie VALUES ('PL0001')"));
    UstawNaglowki(QStringLiteral("Nagłówek"), QString(), QString());
    addPiw(robot(), QStringLiteral("1465"), QStringLiteral("Warszawa"), QVariant());

    RecordedWindow window;
    PokazRaport(ModLabor().KatalogRaportow + QStringLiteral("zlewnia.rpt"), window,
                QStringLiteral("Drukowanie"), QString(), QStringLiteral(" - badania w kierunku BSE"),
                QString());
    ASSERT_EQ(window.shown.size(), 1u);
    const auto& shown = window.shown.front();
    EXPECT_EQ(shown, ModLabor().RaportBiezacy);
    EXPECT_EQ(window.captions, QStringList{QStringLiteral("Drukowanie")});
    EXPECT_EQ(shown->html(), QStringLiteral("<p>Nagłówek</p><p>1465 Warszawa</p> - badania w kierunku BSE"));
    EXPECT_FALSE(shown->data().hasTable(QStringLiteral("Badanie"))) << "a table the template does not print";

    // The engine stays; the current report is replaced and sees the tables as they are now.
    const auto engine = ModLabor().RaportAplikacja;
    addPiw(robot(), QStringLiteral("1061"), QStringLiteral("Łódź"), QVariant());
    PokazRaport(ModLabor().KatalogRaportow + QStringLiteral("zlewnia.rpt"), window,
                QStringLiteral("Drukowanie"), QString(), QString(), QString());
    ASSERT_EQ(window.shown.size(), 2u);
    EXPECT_EQ(ModLabor().RaportAplikacja, engine);
    EXPECT_NE(window.shown[1], window.shown[0]);
    EXPECT_EQ(ModLabor().RaportBiezacy, window.shown[1]);
    EXPECT_EQ(window.shown[1]->data().rows(QStringLiteral("PIW")).size(), 2);
}

TEST_F(ReportWorkTest, PokazRaportOfAMissingTemplateThrowsNamingTheFile)
{
    writeTemplate(QStringLiteral("inny.html"), "x");
    RecordedWindow window;
    try {
        PokazRaport(ModLabor().KatalogRaportow + QStringLiteral("Protokol.rpt"), window,
                    QStringLiteral("Drukowanie"), QString(), QString(), QString());
        ADD_FAILURE() << "no error";
    } catch (const report::ReportError& e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("Protokol.html"))) << e.message().toStdString();
    }
    EXPECT_TRUE(window.shown.empty());
}

TEST(ReportEngine, TemplatesAndTheTablesTheyName)
{
    EXPECT_EQ(ReportEngine::templatePath(QStringLiteral("/r/zlewnia.rpt")),
              QStringLiteral("/r/zlewnia.html"));
    EXPECT_EQ(ReportEngine::templatePath(QStringLiteral("/r/Protokol.RPT")),
              QStringLiteral("/r/Protokol.html"));
    EXPECT_EQ(ReportEngine::templatePath(QStringLiteral("/r.rpt/a.html")), QStringLiteral("/r.rpt/a.html"));
    EXPECT_EQ(
        ReportEngine::namedTables(QStringLiteral("{{first.Podatnik.Nazwa}} {{#Badanie}}{{#Uwagi}}{{/Uwagi}}"
                                                 "{{/Badanie}}{{^ Badanie }}brak{{/Badanie}}{{count.PIW}}")),
        (QStringList{QStringLiteral("Podatnik"), QStringLiteral("Badanie"), QStringLiteral("Uwagi"),
                     QStringLiteral("PIW")}));
}

TEST(ReportWindowRegistry, WithoutARegisteredWindowThereIsAClearError)
{
    setReportWindow({});
    EXPECT_THROW(reportWindow(), report::ReportError);
    RecordedWindow window;
    setReportWindow([&window]() -> ReportWindow& { return window; });
    EXPECT_EQ(&reportWindow(), &window);
    setReportWindow({});
}

} // namespace
