#include "StaleFixture.h"

#include "shell/FormOperat.h"
#include "shell/OperatorsModel.h"

#include "common/Password.h"
#include "common/ProgramState.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

using namespace trelimor;
using namespace trelimor::test;

namespace {

class FormOperatTest : public StaleFixture
{
protected:
    FormOperat& window()
    {
        showActive(FormOperat::instance());
        return FormOperat::instance();
    }
    void click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
    void selectRow(int position)
    {
        FormOperat& w = window();
        w.DBGridOper->setCurrentIndex(w.DataOperat->index(position, 0));
    }
    QString field(const QString& name, qint64 rowid)
    {
        return scalar(QStringLiteral("SELECT %1 FROM OPERATORZY WHERE rowid = ?").arg(name), {rowid})
            .toString();
    }
    int operatorCount() { return scalar(QStringLiteral("SELECT count(*) FROM OPERATORZY")).toInt(); }
    QString lastAlarm() const { return alarms.empty() ? QString() : alarms.back().text; }
};

TEST_F(FormOperatTest, NewOperatorAfter009Gets010AndOnlyAHashOfHisPassword)
{
    addOperator(QStringLiteral("009"), QStringLiteral("Admin"), QStringLiteral("Administrator"),
                QStringLiteral("admin"));
    programState().setOperator(QStringLiteral("009"), QStringLiteral("Admin"),
                               QStringLiteral("Administrator"));
    FormOperat& w = window();

    click(w.ComOperDod);
    EXPECT_EQ(w.MaskEdBoxKod->text(), QStringLiteral("010"));
    EXPECT_FALSE(w.FrameOperat->isHidden());
    EXPECT_FALSE(w.DBGridOper->isEnabled());
    EXPECT_EQ(w.ComboOperat->currentText(), QStringLiteral("Administrator"));
    retype(w.TextNazw, QStringLiteral("Łąka Zofia"));
    retype(w.TextLogin, QStringLiteral(" zosia "));
    retype(w.TextPass1, QStringLiteral("tajne1"));
    retype(w.TextPass2, QStringLiteral("tajne1"));
    w.ComboOperat->setCurrentText(QStringLiteral("Operator"));
    click(w.ComOperZap);

    EXPECT_TRUE(alarms.empty()) << lastAlarm().toStdString();
    EXPECT_TRUE(w.FrameOperat->isHidden());
    EXPECT_TRUE(w.DBGridOper->isEnabled());
    const qint64 rowid =
        scalar(QStringLiteral("SELECT rowid FROM OPERATORZY WHERE OP_NUMER = '010'")).toLongLong();
    ASSERT_GT(rowid, 0);
    EXPECT_EQ(field(QStringLiteral("OP_NAZWISKO"), rowid), QStringLiteral("Łąka Zofia"));
    EXPECT_EQ(field(QStringLiteral("OP_KLUCZ"), rowid), QStringLiteral("LzAzKA ZOF"));
    EXPECT_EQ(field(QStringLiteral("OP_RODZAJ"), rowid), QStringLiteral("Operator"));
    EXPECT_EQ(field(QStringLiteral("OP_LOGIN"), rowid), QStringLiteral("zosia"));

    const QString stored = field(QStringLiteral("OP_HASLO"), rowid);
    EXPECT_NE(stored, QStringLiteral("tajne1"));
    EXPECT_NE(stored, KodujHaslo(QStringLiteral("tajne1")));
    EXPECT_TRUE(sprawdzHaslo(QStringLiteral("TAJNE1"), stored).zgodne);
    EXPECT_FALSE(sprawdzHaslo(QStringLiteral("tajne2"), stored).zgodne);

    // The grid shows the new row as current, and nowhere the stored password.
    const OperatorsModel& model = *w.DataOperat;
    ASSERT_EQ(model.rowCount(), 2);
    EXPECT_EQ(model.data(w.DBGridOper->currentIndex().siblingAtColumn(0)).toString(), QStringLiteral("010"));
    for (int c = 0; c < model.columnCount(); ++c) {
        EXPECT_NE(model.headerData(c, Qt::Horizontal).toString(), QStringLiteral("OP_HASLO"));
        for (int r = 0; r < model.rowCount(); ++r)
            EXPECT_NE(model.data(model.index(r, c)).toString(), stored);
    }
}

TEST_F(FormOperatTest, RefusedSaveKeepsTheFrameOpenAndTheGridLocked)
{
    addOperator(QStringLiteral("001"), QStringLiteral("Admin"), QStringLiteral("Administrator"),
                QStringLiteral("admin"));
    addOperator(QStringLiteral("002"), QStringLiteral("Jan"), QStringLiteral("Operator"),
                QStringLiteral("jan"));
    programState().setOperator(QStringLiteral("001"), QStringLiteral("Admin"),
                               QStringLiteral("Administrator"));
    FormOperat& w = window();

    click(w.ComOperDod);
    retype(w.TextNazw, QStringLiteral("Janowski"));
    retype(w.TextLogin, QStringLiteral("JAN"));
    retype(w.TextPass1, QStringLiteral("abc"));
    retype(w.TextPass2, QStringLiteral("abd"));
    click(w.ComOperZap);
    EXPECT_EQ(lastAlarm(), QStringLiteral("Taki login juz istnieje!"));

    retype(w.TextLogin, QStringLiteral("janowski"));
    click(w.ComOperZap);
    EXPECT_EQ(lastAlarm(), QStringLiteral("Niezgodność haseł!"));
    EXPECT_EQ(operatorCount(), 2);
    EXPECT_FALSE(w.FrameOperat->isHidden());
    EXPECT_FALSE(w.DBGridOper->isEnabled()) << "a refused save must not let another row be chosen";
    EXPECT_FALSE(w.ComOperKor->isEnabled());

    retype(w.TextPass2, QStringLiteral("abc"));
    click(w.ComOperZap);
    EXPECT_EQ(operatorCount(), 3);
    EXPECT_TRUE(w.DBGridOper->isEnabled());
}

TEST_F(FormOperatTest, AnOperatorMayChangeOnlyHisOwnRowAndNotItsKind)
{
    const qint64 admin =
        addOperator(QStringLiteral("001"), QStringLiteral("Admin"), QStringLiteral("Administrator"),
                    QStringLiteral("admin"), zakodowaneHaslo(QStringLiteral("admin1")));
    const qint64 ewa =
        addOperator(QStringLiteral("002"), QStringLiteral("Nowak Ewa"), QStringLiteral("Operator"),
                    QStringLiteral("ewa"), zakodowaneHaslo(QStringLiteral("stare")));
    const QString adminHash = field(QStringLiteral("OP_HASLO"), admin);
    programState().setOperator(QStringLiteral("002"), QStringLiteral("Nowak Ewa"),
                               QStringLiteral("Operator"));
    FormOperat& w = window();
    EXPECT_FALSE(w.ComOperDod->isEnabled());
    EXPECT_FALSE(w.ComOperKas->isEnabled());

    selectRow(0);
    click(w.ComOperKor);
    EXPECT_EQ(lastAlarm(), QStringLiteral("Nie posiadasz uprawnień administratora!"));
    EXPECT_TRUE(w.FrameOperat->isHidden());

    selectRow(1);
    click(w.ComOperKor);
    ASSERT_FALSE(w.FrameOperat->isHidden());
    EXPECT_FALSE(w.ComboOperat->isEnabled());
    EXPECT_EQ(w.TextPass1->text(), QStringLiteral("*****"));
    w.ComboOperat->setCurrentText(QStringLiteral("Administrator")); // what a disabled combo must not pass on
    retype(w.TextPass1, QStringLiteral("nowe12"));
    retype(w.TextPass2, QStringLiteral("nowe12"));
    click(w.ComOperZap);

    EXPECT_TRUE(w.FrameOperat->isHidden());
    EXPECT_TRUE(sprawdzHaslo(QStringLiteral("nowe12"), field(QStringLiteral("OP_HASLO"), ewa)).zgodne);
    EXPECT_EQ(field(QStringLiteral("OP_RODZAJ"), ewa), QStringLiteral("Operator"));
    EXPECT_EQ(field(QStringLiteral("OP_HASLO"), admin), adminHash);
}

TEST_F(FormOperatTest, UntouchedPasswordStaysButTheNameIsAlwaysRequired)
{
    addOperator(QStringLiteral("001"), QStringLiteral("Admin"), QStringLiteral("Administrator"),
                QStringLiteral("admin"));
    const qint64 ewa =
        addOperator(QStringLiteral("002"), QStringLiteral("Nowak Ewa"), QStringLiteral("Operator"),
                    QStringLiteral("ewa"), zakodowaneHaslo(QStringLiteral("stare")));
    const QString hash = field(QStringLiteral("OP_HASLO"), ewa);
    programState().setOperator(QStringLiteral("001"), QStringLiteral("Admin"),
                               QStringLiteral("Administrator"));
    FormOperat& w = window();

    selectRow(1);
    click(w.ComOperKor);
    w.TextNazw->clear();
    click(w.ComOperZap);
    EXPECT_EQ(lastAlarm(), QStringLiteral("Wprowadź nazwisko operatora"));
    EXPECT_EQ(field(QStringLiteral("OP_NAZWISKO"), ewa), QStringLiteral("Nowak Ewa"));

    retype(w.TextNazw, QStringLiteral("Nowak-Żak Ewa"));
    retype(w.TextLogin, QStringLiteral("EWA")); // her own login in another case is no duplicate
    click(w.ComOperZap);
    EXPECT_TRUE(w.FrameOperat->isHidden());
    EXPECT_EQ(field(QStringLiteral("OP_NAZWISKO"), ewa), QStringLiteral("Nowak-Żak Ewa"));
    EXPECT_EQ(field(QStringLiteral("OP_LOGIN"), ewa), QStringLiteral("EWA"));
    EXPECT_EQ(field(QStringLiteral("OP_HASLO"), ewa), hash);
}

TEST_F(FormOperatTest, TheEditGoesToTheRowItWasOpenedOnWhateverHappensToTheOthers)
{
    addOperator(QStringLiteral("001"), QStringLiteral("Admin"), QStringLiteral("Administrator"),
                QStringLiteral("admin"));
    const qint64 second = addOperator(QStringLiteral("002"), QStringLiteral("Drugi"),
                                      QStringLiteral("Operator"), QStringLiteral("drugi"));
    const qint64 third = addOperator(QStringLiteral("003"), QStringLiteral("Trzeci"),
                                     QStringLiteral("Operator"), QStringLiteral("trzeci"));
    programState().setOperator(QStringLiteral("001"), QStringLiteral("Admin"),
                               QStringLiteral("Administrator"));
    FormOperat& w = window();

    selectRow(2);
    click(w.ComOperKor);
    stale().execute(QStringLiteral("DELETE FROM OPERATORZY WHERE rowid = ?"),
                    {second}); // another installation
    retype(w.TextNazw, QStringLiteral("Trzeci Poprawiony"));
    click(w.ComOperZap);

    EXPECT_EQ(field(QStringLiteral("OP_NAZWISKO"), third), QStringLiteral("Trzeci Poprawiony"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT count(*) FROM OPERATORZY WHERE OP_NAZWISKO = 'Admin'")).toInt(),
              1);
    EXPECT_EQ(w.DataOperat->rowAt(w.DBGridOper->currentIndex().row())->rowid, third);
}

TEST_F(FormOperatTest, NeitherTheLoggedInOperatorNorTheLastAdministratorCanBeDeleted)
{
    addOperator(QStringLiteral("001"), QStringLiteral("Admin"), QStringLiteral("Operator"),
                QStringLiteral("admin"));
    addOperator(QStringLiteral("002"), QStringLiteral("Kowal"), QStringLiteral("Administrator"),
                QStringLiteral("kowal"));
    addOperator(QStringLiteral("003"), QStringLiteral(" Nowak "), QStringLiteral("Operator"),
                QStringLiteral("nowak"));
    // Logged in as an administrator whose row has since lost that kind.
    programState().setOperator(QStringLiteral("001"), QStringLiteral("Admin"),
                               QStringLiteral("Administrator"));
    FormOperat& w = window();

    selectRow(0);
    click(w.ComOperKas);
    EXPECT_EQ(lastAlarm(), QStringLiteral("Nie można usunąć zalogowanego operatora!"));
    selectRow(1);
    click(w.ComOperKas);
    EXPECT_EQ(lastAlarm(), QStringLiteral("Nie można usunąć ostatniego administratora!"));
    EXPECT_EQ(operatorCount(), 3);
    EXPECT_TRUE(w.ComOperKas->isEnabled());

    selectRow(2);
    dialogs->answerNo();
    click(w.ComOperKas);
    EXPECT_EQ(operatorCount(), 3);
    EXPECT_EQ(dialogs->last().title, QStringLiteral("Nowak"));
    EXPECT_EQ(dialogs->last().text, QStringLiteral("Czy usunąć tego operatora?"));
    dialogs->answerYes();
    click(w.ComOperKas);
    EXPECT_EQ(operatorCount(), 2);
    EXPECT_EQ(dialogs->last().kind, DialogCall::Kind::Beep);
    EXPECT_EQ(alarms.size(), 2u);
}

} // namespace
