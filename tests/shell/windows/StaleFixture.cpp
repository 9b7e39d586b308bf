#include "StaleFixture.h"
#include "ShellTables.h"

#include "common/FormAlarm.h"
#include "common/ModLabor.h"
#include "common/ProgramState.h"

#include "platform/ui/DefaultInstance.h"
#include "support/TypePolish.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace trelimor::test {

void StaleFixture::SetUp()
{
    ModLabor().BazaStale = db::Database::create(folders.path(QStringLiteral("Stale.sqlite")));
    createShellTables(stale());
    opener->onOpen(QStringLiteral("FormAlarm"), [this](QDialog& window) {
        alarms.push_back({window.windowTitle(), static_cast<FormAlarm&>(window).Label1->text()});
    });
}

void StaleFixture::TearDown()
{
    ui::resetAllInstances();
    programState().reset();
    resetModLabor();
}

db::Database& StaleFixture::stale()
{
    return ModLabor().BazaStale;
}

QVariant StaleFixture::scalar(const QString& sql, const QVariantList& args)
{
    return stale().scalar(sql, args);
}

void StaleFixture::showActive(QWidget& window)
{
    if (window.isVisible())
        return;
    window.show();
    window.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
}

void StaleFixture::retype(QLineEdit* box, const QString& text)
{
    box->clear();
    typePolish(box, text);
}

qint64 StaleFixture::addOperator(const QString& numer, const QString& nazwisko, const QString& rodzaj,
                                 const QString& login, const QString& haslo)
{
    addRow(stale(), QStringLiteral("OPERATORZY"),
           {{QStringLiteral("OP_NUMER"), numer},
            {QStringLiteral("OP_NAZWISKO"), nazwisko},
            {QStringLiteral("OP_RODZAJ"), rodzaj},
            {QStringLiteral("OP_LOGIN"), login},
            {QStringLiteral("OP_HASLO"), haslo}});
    return scalar(QStringLiteral("SELECT max(rowid) FROM OPERATORZY")).toLongLong();
}

} // namespace trelimor::test
