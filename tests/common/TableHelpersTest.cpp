#include "common/TableHelpers.h"
#include "common/ModLabor.h"

#include "support/Installed.h"
#include "support/ScriptedDialogs.h"
#include "support/TempProgramFolder.h"

#include <QComboBox>
#include <QLabel>
#include <QStandardItemModel>
#include <QTableView>

using namespace trelimor;
using namespace trelimor::test;

namespace {

class TableHelpersTest : public TempProgramFolder
{
protected:
    void SetUp() override
    {
        ModLabor().BazaStale = db::Database::create(folders.path(QStringLiteral("Stale.sqlite")));
        stale().createTable(
            {QStringLiteral("Klient"),
             {db::Field::text(QStringLiteral("WNI"), 15), db::Field::text(QStringLiteral("Nazwisko"), 50)}});
        stale().createTable(
            {QStringLiteral("PIW"),
             {db::Field::text(QStringLiteral("IDPIW"), 4), db::Field::text(QStringLiteral("Miasto"), 50)}});
        stale().createTable({QStringLiteral("PlanPobierania"),
                             {db::Field::of(QStringLiteral("ID"), db::DataType::Integer),
                              db::Field::text(QStringLiteral("Nazwa"), 150),
                              db::Field::text(QStringLiteral("Domyslny"), 1)}});
        stale().createTable({QStringLiteral("UwagiPartia"),
                             {db::Field::of(QStringLiteral("IDPODP"), db::DataType::Long),
                              db::Field::text(QStringLiteral("PODPOWIEDZ"), 255)}});
    }
    void TearDown() override { resetModLabor(); }

    db::Database& stale() { return ModLabor().BazaStale; }
    void add(const QString& table, const QVariantList& values)
    {
        QStringList marks;
        for (int i = 0; i < values.size(); ++i)
            marks << QStringLiteral("?");
        stale().execute(QStringLiteral("INSERT INTO %1 VALUES (%2)").arg(table, marks.join(QLatin1Char(','))),
                        values);
    }
    QStringList items(const QComboBox& combo)
    {
        QStringList list;
        for (int i = 0; i < combo.count(); ++i)
            list << combo.itemText(i);
        return list;
    }

    Installed<ScriptedDialogs> dialogs;
};

TEST_F(TableHelpersTest, SprCzyIstBindsItsValueAndTellsFailureFromAbsence)
{
    EXPECT_EQ(
        SprCzyIst(stale(), QStringLiteral("Klient"), QStringLiteral("Nazwisko"), QStringLiteral("O'Brien")),
        std::optional<bool>(false));
    add(QStringLiteral("Klient"), {QStringLiteral("1"), QStringLiteral("O'Brien")});
    EXPECT_EQ(
        SprCzyIst(stale(), QStringLiteral("Klient"), QStringLiteral("Nazwisko"), QStringLiteral("o'brien")),
        std::optional<bool>(true));
    EXPECT_TRUE(dialogs->calls().empty());
    EXPECT_EQ(SprCzyIst(stale(), QStringLiteral("Brak"), QStringLiteral("Nazwisko"), QStringLiteral("x")),
              std::nullopt);
    EXPECT_EQ(dialogs->last().title, QStringLiteral("Funkcja SprCzyIstBrak"));
}

TEST_F(TableHelpersTest, SprCzyIstCanLeaveOutTheRecordBeingCorrected)
{
    add(QStringLiteral("Klient"), {QStringLiteral("1"), QStringLiteral("Nowak")});
    const qint64 rowid = stale().scalar(QStringLiteral("SELECT rowid FROM Klient")).toLongLong();
    EXPECT_EQ(SprCzyIst(stale(), QStringLiteral("Klient"), QStringLiteral("Nazwisko"),
                        QStringLiteral("NOWAK"), rowid),
              std::optional<bool>(false));
    add(QStringLiteral("Klient"), {QStringLiteral("2"), QStringLiteral("nowak")});
    EXPECT_EQ(SprCzyIst(stale(), QStringLiteral("Klient"), QStringLiteral("Nazwisko"),
                        QStringLiteral("NOWAK"), rowid),
              std::optional<bool>(true));
}

TEST_F(TableHelpersTest, APrefixPatternTakesTheTypedTextLiterally)
{
    add(QStringLiteral("Klient"), {QStringLiteral("1"), QStringLiteral("Łukasik")});
    add(QStringLiteral("Klient"), {QStringLiteral("2"), QStringLiteral("A*B")});
    add(QStringLiteral("Klient"), {QStringLiteral("3"), QStringLiteral("AxB")});
    const auto matches = [&](const QString& typed) {
        return stale().scalar(QStringLiteral("SELECT group_concat(WNI) FROM Klient WHERE Nazwisko LIKE ?"),
                              {likePrefix(typed)});
    };
    EXPECT_EQ(matches(QStringLiteral("łuk")), QStringLiteral("1"));
    EXPECT_EQ(matches(QStringLiteral("a*")), QStringLiteral("2"));
    EXPECT_EQ(matches(QStringLiteral("a?b")), QVariant());
    EXPECT_EQ(likePrefix(QStringLiteral("1#[")), QStringLiteral("1[#][[]*"));
}

TEST_F(TableHelpersTest, WypelnijComboOrdersAndLeavesAnEmptyTableAlone)
{
    QComboBox combo;
    combo.addItems({QStringLiteral("stare")});
    WypelnijCombo(&combo, stale(), QStringLiteral("PIW"), QStringLiteral("Miasto"));
    EXPECT_EQ(items(combo), QStringList{"stare"});
    add(QStringLiteral("PIW"), {QStringLiteral("1465"), QStringLiteral("Warszawa")});
    add(QStringLiteral("PIW"), {QStringLiteral("1401"), QStringLiteral("Białobrzegi")});
    add(QStringLiteral("PIW"), {QStringLiteral("1001"), QStringLiteral("Łódź")});
    WypelnijCombo(&combo, stale(), QStringLiteral("PIW"), QStringLiteral("Miasto"), {}, {},
                  QStringLiteral("wszystkie"));
    EXPECT_EQ(items(combo), (QStringList{"wszystkie", "Białobrzegi", "Łódź", "Warszawa"}));
    WypelnijCombo(&combo, stale(),
                  {QStringLiteral("PIW"), QStringLiteral("substr(IDPIW, 1, 2) = ?"), {QStringLiteral("14")}},
                  QStringLiteral("Miasto"), QStringLiteral("IDPIW"), QStringLiteral(" DESC"));
    EXPECT_TRUE(dialogs->calls().empty());
    EXPECT_EQ(items(combo), (QStringList{"Warszawa", "Białobrzegi"}));
}

TEST_F(TableHelpersTest, PobierzOpisKeepsTheCaptionWhenNothingIsFound)
{
    add(QStringLiteral("PIW"), {QStringLiteral("1465"), QStringLiteral("O'Kraków")});
    QLabel label(QStringLiteral("bez zmian"));
    PobierzOpis(&label, stale(), QStringLiteral("PIW"), QStringLiteral("Nieznane"), QStringLiteral("Miasto"),
                QStringLiteral("IDPIW"));
    EXPECT_EQ(label.text(), QStringLiteral("bez zmian"));
    PobierzOpis(&label, stale(), QStringLiteral("PIW"), QStringLiteral("O'Kraków"), QStringLiteral("Miasto"),
                QStringLiteral("IDPIW"));
    EXPECT_EQ(label.text(), QStringLiteral("1465"));
}

TEST_F(TableHelpersTest, UsunRekordAsksAndMovesLikeTheRegisters)
{
    for (int i = 1; i <= 3; ++i)
        add(QStringLiteral("Klient"), {QString::number(i), QStringLiteral("K%1").arg(i)});
    db::Recordset rs = stale().openRecordset(QStringLiteral("SELECT * FROM Klient ORDER BY WNI"));
    rs.moveLast();
    dialogs->answerNo();
    EXPECT_FALSE(UsunRekord(rs, QStringLiteral("Usunąć?"), true, QStringLiteral("USUWANIE")));
    EXPECT_EQ(rs.recordCount(), 3);
    EXPECT_FALSE(dialogs->last().yesIsDefault);
    EXPECT_EQ(dialogs->last().icon, ui::Icon::Question);

    EXPECT_TRUE(UsunRekord(rs, QString(), false, QString()));
    EXPECT_EQ(rs.value(QStringLiteral("WNI")).toString(), QStringLiteral("2"))
        << "past the end: the new last one";
    rs.moveFirst();
    EXPECT_TRUE(UsunRekord(rs, QString(), false, QString()));
    EXPECT_EQ(rs.value(QStringLiteral("WNI")).toString(), QStringLiteral("2"));
    EXPECT_TRUE(UsunRekord(rs, QString(), false, QString()));
    EXPECT_EQ(rs.recordCount(), 0);
    EXPECT_TRUE(UsunRekord(rs, QStringLiteral("?"), true, QString())) << "nothing to delete, nothing asked";
}

TEST_F(TableHelpersTest, UsunWszystkieEmptiesTheRecordset)
{
    for (int i = 1; i <= 5; ++i)
        add(QStringLiteral("Klient"), {QString::number(i), QStringLiteral("K")});
    db::Recordset rs = stale().openRecordset(QStringLiteral("SELECT * FROM Klient WHERE WNI <> '3'"));
    UsunWszystkie(rs);
    EXPECT_EQ(stale().scalar(QStringLiteral("SELECT count(*) FROM Klient")).toInt(), 1);
    UsunWszystkie(rs);
}

TEST_F(TableHelpersTest, PobierzDomyslnyTakesTheFirstMarkedRow)
{
    EXPECT_EQ(PobierzDomyslny(QStringLiteral("PlanPobierania"), QStringLiteral("Nazwa"),
                              QStringLiteral("Domyslny")),
              QString());
    add(QStringLiteral("PlanPobierania"), {1, QStringLiteral("Pierwszy"), QStringLiteral("N")});
    add(QStringLiteral("PlanPobierania"), {2, QStringLiteral("Drugi"), QStringLiteral("T")});
    add(QStringLiteral("PlanPobierania"), {3, QStringLiteral("Trzeci"), QStringLiteral("T")});
    EXPECT_EQ(PobierzDomyslny(QStringLiteral("PlanPobierania"), QStringLiteral("Nazwa"),
                              QStringLiteral("Domyslny")),
              QStringLiteral("Drugi"));
    EXPECT_EQ(PobierzDomyslny(QStringLiteral("Brak"), QStringLiteral("Nazwa"), QStringLiteral("Domyslny")),
              QString());
}

TEST_F(TableHelpersTest, WypelnijPodpowiedziSortsByTheHint)
{
    add(QStringLiteral("UwagiPartia"), {1, QStringLiteral("zwłoki")});
    add(QStringLiteral("UwagiPartia"), {2, QStringLiteral("Ubój")});
    QComboBox combo;
    combo.addItem(QStringLiteral("stare"));
    WypelnijPodpowiedzi(QStringLiteral("UwagiPartia"), &combo);
    EXPECT_EQ(items(combo), (QStringList{"Ubój", "zwłoki"}));
}

TEST(ZaznaczWiersz, SelectsOnlyTheCurrentRow)
{
    QStandardItemModel model(3, 2);
    QTableView grid;
    grid.setModel(&model);
    ZaznaczWiersz(&grid);
    EXPECT_FALSE(grid.selectionModel()->hasSelection()) << "no current row, no selection";
    grid.selectionModel()->select(model.index(0, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    grid.setCurrentIndex(model.index(2, 1));
    ZaznaczWiersz(&grid);
    const auto rows = grid.selectionModel()->selectedRows();
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(rows.first().row(), 2);
}

} // namespace
