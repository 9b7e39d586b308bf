#include "SampleFixture.h"

#include "BatchRows.h"

#include "batch/BatchCommands.h"
#include "batch/BatchWindowOpening.h"

#include "common/ModLabor.h"
#include "common/WindowCommands.h"
#include "common/YearlyDatabase.h"
#include "shell/aMain.h"

#include "platform/db/Recordset.h"

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QTest>

namespace trelimor::test {

void SampleFixture::SetUp()
{
    ProgramFixture::SetUp();
    windowCommands().setOpener(WindowCommand::BatchWindow, &EwidencjaDanych);
}

void SampleFixture::TearDown()
{
    resetBatchWindowCommands();
    ProgramFixture::TearDown();
}

void SampleFixture::zaloguj()
{
    addOperator(QStringLiteral("002"), QStringLiteral("Nowak Jan"), QStringLiteral("Operator"),
                QStringLiteral("jnowak"), QStringLiteral("Tajne1"));
    ASSERT_EQ(start(QStringLiteral("jnowak"), QStringLiteral("Tajne1")), std::nullopt);
    dodajLekarzaIZaklad(ModLabor().BazaStale);
    ASSERT_TRUE(openYearlyDatabase());
}

void SampleFixture::otworzOkno()
{
    mainWindow().findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    ASSERT_EQ(opener->opened().last(), QStringLiteral("FormPartia"));
    FormPartia& w = okno();
    w.show();
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
}

db::Database& SampleFixture::rok()
{
    return ModLabor().BazaRok;
}

void SampleFixture::uzupelnijProbke(const QString& kolczyk)
{
    FormPartia& w = okno();
    w.TextNrKolczyka->setText(kolczyk);
    w.ComboWiek->setEditText(QStringLiteral("30"));
    w.ComboRodzajUboju->setEditText(QStringLiteral("N"));
    w.ComboObjawyChorobowe->setEditText(QStringLiteral("brak"));
    w.ComboUzytkowosc->setEditText(QStringLiteral("mleczna"));
    w.TextNrGospod->setText(QStringLiteral("PL0123456789001"));
}

QList<QVariantMap> SampleFixture::probki(const QString& kolczyk)
{
    return wiersze(QStringLiteral("SELECT * FROM Badanie WHERE NrKolczyka = ?"), {kolczyk});
}

QList<QVariantMap> SampleFixture::wiersze(const QString& sql, const QVariantList& params)
{
    QList<QVariantMap> rows;
    db::Recordset rs = rok().openRecordset(sql, params);
    for (; !rs.eof(); rs.moveNext()) {
        QVariantMap row;
        for (int i = 0; i < rs.fieldCount(); ++i)
            row.insert(rs.field(i).name, rs.value(i));
        rows << row;
    }
    return rows;
}

int SampleFixture::liczbaProbek()
{
    return rok().scalar(QStringLiteral("SELECT COUNT(*) FROM Badanie")).toInt();
}

QString SampleFixture::ostatniKomunikat() const
{
    return dialogs->last().text;
}

QString SampleFixture::fokus() const
{
    const QWidget* focused = QApplication::focusWidget();
    // An editable combo's text box has the focus on its behalf.
    if (focused && qobject_cast<const QComboBox*>(focused->parentWidget()))
        focused = focused->parentWidget();
    return focused ? focused->objectName() : QString();
}

} // namespace trelimor::test
