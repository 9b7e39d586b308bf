#include "RegisterTestFixture.h"
#include "RegisterTables.h"

#include "common/DataGrid.h"
#include "common/MaskedEdit.h"
#include "common/ModLabor.h"
#include "registers/RegisterFrame.h"

#include "platform/db/JetError.h"
#include "platform/db/Recordset.h"
#include "platform/ui/DefaultInstance.h"

#include "support/TypePolish.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>

#include <ostream>

void PrintTo(const QVariant& value, std::ostream* out)
{
    *out << (trelimor::db::isNull(value) ? std::string("Null") : '"' + value.toString().toStdString() + '"');
}

namespace trelimor::test {

void RegisterTest::SetUp()
{
    ModLabor().BazaStale = db::Database::create(folders.path(QStringLiteral("Stale.sqlite")));
    createRegisterTables(stale());
}

void RegisterTest::TearDown()
{
    ui::resetAllInstances();
    resetModLabor();
}

db::Database& RegisterTest::stale()
{
    return ModLabor().BazaStale;
}

void RegisterTest::insert(const QString& table, const QVariantMap& values)
{
    db::Recordset rs = stale().openRecordset(QStringLiteral("SELECT * FROM ") + table);
    rs.addNew();
    for (auto it = values.begin(); it != values.end(); ++it)
        rs.setValue(it.key(), it.value());
    rs.update();
}

QVariantList RegisterTest::column(const QString& sql, const QVariantList& params)
{
    QVariantList values;
    db::Recordset rs = stale().openRecordset(sql, params);
    for (; !rs.eof(); rs.moveNext())
        values << rs.value(0);
    return values;
}

QVariant RegisterTest::scalar(const QString& sql, const QVariantList& params)
{
    return stale().scalar(sql, params);
}

void RegisterTest::show(RegisterWindow& window)
{
    window.show();
}

void RegisterTest::click(RegisterWindow& window, const QString& button)
{
    auto* b = window.findChild<QAbstractButton*>(button);
    ASSERT_NE(b, nullptr) << button.toStdString();
    b->click();
}

void RegisterTest::type(RegisterWindow& window, const QString& box, const QString& text)
{
    QWidget* w = window.control(box);
    ASSERT_NE(w, nullptr) << box.toStdString();
    if (auto* masked = qobject_cast<MaskedEdit*>(w)) {
        if (masked->mask().isEmpty())
            masked->clear();
        masked->setCursorPosition(0);
    } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        edit->clear();
    } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
        combo->setCurrentIndex(-1);
        combo->clearEditText();
        w = combo->lineEdit();
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(w)) {
        plain->clear();
    }
    typePolish(w, text);
}

QString RegisterTest::text(RegisterWindow& window, const QString& box)
{
    return window.frame().text(box);
}

bool RegisterTest::enabled(RegisterWindow& window, const QString& name)
{
    QWidget* w = window.control(name);
    EXPECT_NE(w, nullptr) << name.toStdString();
    return w && w->isEnabled();
}

bool RegisterTest::frameOpen(RegisterWindow& window)
{
    return window.frame().isVisibleTo(&window);
}

QStringList RegisterTest::currentRow(RegisterWindow& window)
{
    QStringList cells;
    const QModelIndex current = window.grid().currentIndex();
    if (!current.isValid())
        return cells;
    for (int c = 0; c < window.grid().model()->columnCount(); ++c)
        cells << window.grid().model()->index(current.row(), c).data().toString();
    return cells;
}

void RegisterTest::expectNoWriteLockWhileBoxesShow()
{
    dialogs->whileShowing([path = stale().name()](const DialogCall& call) {
        db::Database other = db::Database::open(path);
        other.execute(QStringLiteral("PRAGMA busy_timeout=0"));
        try {
            other.execute(QStringLiteral("BEGIN IMMEDIATE"));
            other.execute(QStringLiteral("ROLLBACK"));
        } catch (const db::JetError& e) {
            ADD_FAILURE() << "The write lock is held while showing the " << describe(call).toStdString();
        }
        other.close();
    });
}

QStringList RegisterTest::boxes() const
{
    QStringList list;
    for (const DialogCall& call : dialogs->calls())
        if (call.kind != DialogCall::Kind::Beep)
            list << call.title + u'|' + call.text;
    return list;
}

} // namespace trelimor::test
