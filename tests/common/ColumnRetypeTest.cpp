#include "YearlyFixture.h"

#include "common/ColumnRetype.h"

#include "platform/db/Transaction.h"

using namespace trelimor;
using namespace trelimor::test;

namespace {

using db::DataType;
using db::Field;

class ColumnRetypeTest : public YearlyFixture
{
protected:
    void SetUp() override
    {
        YearlyFixture::SetUp();
        rok() = db::Database::create(yearlyPath());
        rok().createTable(
            {QStringLiteral("PartiaG"),
             {Field::of(QStringLiteral("PartiaG"), DataType::Long),
              Field::text(QStringLiteral("NRGOSPOD"), 10), Field::text(QStringLiteral("Wiek"), 6)}});
        db::Transaction rowsTogether(rok());
        for (int i = 1; i <= 40; ++i)
            rok().execute(QStringLiteral("INSERT INTO PartiaG VALUES (?, ?, ?)"),
                          {i, QStringLiteral("PL%1").arg(i, 8, 10, QLatin1Char('0')),
                           i % 7 ? QVariant(QString::number(i) + ",5") : QVariant()});
        rowsTogether.commit();
    }
    QStringList rows()
    {
        QStringList all;
        db::Recordset rs = rok().openRecordset(QStringLiteral("SELECT rowid, * FROM PartiaG ORDER BY rowid"));
        for (; !rs.eof(); rs.moveNext())
            all << QStringList{rs.value(0).toString(), rs.value(1).toString(), rs.value(2).toString(),
                               rs.value(3).toString()}
                       .join(u'|');
        return all;
    }
};

TEST_F(ColumnRetypeTest, RetypeKeepsEveryRowAndConvertsTheValues)
{
    const QStringList before = rows();
    ZmienDlugPola(rok(), QStringLiteral("PartiaG"), QStringLiteral("NRGOSPOD"), DataType::Text, true, 13);
    ZmienDlugPola(rok(), QStringLiteral("PartiaG"), QStringLiteral("Wiek"), DataType::Single, false, 0);
    EXPECT_TRUE(dialogs->calls().empty());
    EXPECT_EQ(columns(rok(), QStringLiteral("PartiaG")), (QStringList{"PartiaG:L", "NRGOSPOD:13", "Wiek:S"}));
    // Every row in its place with its text; only the age changed its kind.
    const QStringList after = rows();
    ASSERT_EQ(after.size(), before.size());
    for (int i = 0; i < after.size(); ++i)
        EXPECT_EQ(after[i].section(u'|', 0, 2), before[i].section(u'|', 0, 2));
    EXPECT_EQ(rok().scalar(QStringLiteral("SELECT Wiek FROM PartiaG WHERE PartiaG = 3")).toDouble(), 3.5);
    EXPECT_EQ(rok().scalar(QStringLiteral("SELECT count(*) FROM PartiaG WHERE Wiek IS NULL")).toInt(), 5);
    EXPECT_EQ(rok().tableNames(), QStringList{"PartiaG"}) << "no scratch table stays";
}

TEST_F(ColumnRetypeTest, FailedRetypeLeavesTheTableAsItWas)
{
    const QStringList before = rows();
    const QStringList shape = schema(rok());

    // "PL00000001" does not fit in 5 characters.
    ZmienDlugPola(rok(), QStringLiteral("PartiaG"), QStringLiteral("NRGOSPOD"), DataType::Text, true, 5);
    ASSERT_EQ(dialogs->calls().size(), 1u);
    EXPECT_TRUE(dialogs->last().title.startsWith(QStringLiteral("ZmienDlugPola-3163-")))
        << dialogs->last().title.toStdString();
    EXPECT_EQ(schema(rok()), shape);
    EXPECT_EQ(rows(), before);

    // A column that is not there is reported, not passed over.
    ZmienDlugPola(rok(), QStringLiteral("PartiaG"), QStringLiteral("Masc"), DataType::Text, true, 21);
    ASSERT_EQ(dialogs->calls().size(), 2u);
    EXPECT_TRUE(dialogs->last().title.startsWith(QStringLiteral("ZmienDlugPola-3381-")));
    EXPECT_EQ(schema(rok()), shape);
    EXPECT_TRUE(rok().isOpen());
}

TEST_F(ColumnRetypeTest, WorkTableColumnIsRetypedWithoutItsValuesAndTheHandleReopened)
{
    const QString robotPath = paths::join(paths::dataFolder(), QStringLiteral("Robot.sqlite"));
    ModLabor().BazaRobot = db::Database::create(robotPath);
    db::Database& robot = ModLabor().BazaRobot;
    robot.createTable({QStringLiteral("RaportBadanie"),
                       {Field::of(QStringLiteral("NrProbki"), DataType::Integer),
                        Field::text(QStringLiteral("Opis"), 10)}});
    robot.execute(QStringLiteral("INSERT INTO RaportBadanie VALUES (1, 'za długi'), (2, 'też za dł')"));
    robot.close();

    ZmienDlugPolaRobot(robot, QStringLiteral("RaportBadanie"), QStringLiteral("Opis"), DataType::Text, true,
                       3);
    EXPECT_TRUE(dialogs->calls().empty());
    ASSERT_TRUE(ModLabor().BazaRobot.isOpen()) << "reopened from its own path";
    EXPECT_EQ(ModLabor().BazaRobot.name(), robotPath);
    EXPECT_EQ(columns(robot, QStringLiteral("RaportBadanie")), (QStringList{"NrProbki:I", "Opis:3"}));
    EXPECT_EQ(robot.scalar(QStringLiteral("SELECT count(*) FROM RaportBadanie WHERE Opis IS NULL")).toInt(),
              2);

    ZmienDlugPolaRobot(robot, QStringLiteral("Brak"), QStringLiteral("Opis"), DataType::Text, true, 3);
    ASSERT_EQ(dialogs->calls().size(), 1u);
    EXPECT_EQ(dialogs->last().title, QStringLiteral("ZmienDlugPolaRobot"));
}

TEST_F(ColumnRetypeTest, GeneralNumberCheckCreatesCLabAndPointsOutAMissingColumn)
{
    rok().createTable({QStringLiteral("Badanie"), {Field::of(QStringLiteral("Partia"), DataType::Long)}});
    SprBrakKolCLabNrOgolny(rok(), QStringLiteral("CLab"), QStringLiteral("Klucz"), DataType::Text);
    EXPECT_EQ(columns(rok(), QStringLiteral("CLab")).join(u' '),
              QStringLiteral("Klucz:10 TypBad1:10 OpisTypBad1:100 cmetoda1:10 OpisCMetoda1:100 ckierunek1:10 "
                             "OpisCKierunek1:100"));
    EXPECT_TRUE(dialogs->calls().empty());

    SprBrakKolCLabNrOgolny(rok(), QStringLiteral("Badanie"), QStringLiteral("NrOgolny"), DataType::Integer);
    ASSERT_EQ(dialogs->calls().size(), 1u);
    EXPECT_TRUE(dialogs->last().text.contains(QStringLiteral("NrOgolny")));
    EXPECT_FALSE(rok().hasColumn(QStringLiteral("Badanie"), QStringLiteral("NrOgolny")));

    // Other missing columns and tables are nobody's business here.
    SprBrakKolCLabNrOgolny(rok(), QStringLiteral("Badanie"), QStringLiteral("Rasa"), DataType::Text);
    SprBrakKolCLabNrOgolny(rok(), QStringLiteral("Badal"), QStringLiteral("Badal"), DataType::Text);
    EXPECT_EQ(dialogs->calls().size(), 1u);
    EXPECT_FALSE(rok().hasTable(QStringLiteral("Badal")));
}

} // namespace
