#include "RegisterTestFixture.h"

#include "common/DataGrid.h"
#include "common/MaskedEdit.h"
#include "common/ModLabor.h"
#include "registers/RegisterFrame.h"

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

using db::DataType;
using db::Field;

void RegisterTest::SetUp()
{
    ModLabor().BazaStale = db::Database::create(folders.path(QStringLiteral("Stale.sqlite")));
    stale().createTable(
        {QStringLiteral("Gatunek"),
         {Field::of(QStringLiteral("IDGatunek"), DataType::Long),
          Field::text(QStringLiteral("NazGatunek"), 50), Field::text(QStringLiteral("KodcLAB"), 20),
          Field::text(QStringLiteral("NazcLAB"), 200), Field::of(QStringLiteral("UWAGI"), DataType::Memo)}});
    stale().createTable(
        {QStringLiteral("ZAKLAD"),
         {Field::text(QStringLiteral("WNI"), 10), Field::text(QStringLiteral("TypWNI"), 50),
          Field::text(QStringLiteral("Nazwa"), 255), Field::text(QStringLiteral("Ulica"), 50),
          Field::text(QStringLiteral("KodPocztowy"), 6), Field::text(QStringLiteral("Miasto"), 50),
          Field::text(QStringLiteral("Powiat"), 50), Field::text(QStringLiteral("Wojewodztwo"), 50),
          Field::text(QStringLiteral("KodPIW"), 4), Field::text(QStringLiteral("Telefon"), 50),
          Field::text(QStringLiteral("Email"), 50), Field::of(QStringLiteral("Uwagi"), DataType::Memo),
          Field::text(QStringLiteral("Domyslny"), 1)}});
    stale().createTable(
        {QStringLiteral("Lekarz"),
         {Field::of(QStringLiteral("IDLekarz"), DataType::Long), Field::text(QStringLiteral("LekarzNr"), 10),
          Field::text(QStringLiteral("Nazwisko"), 50), Field::text(QStringLiteral("Imie"), 50),
          Field::text(QStringLiteral("Nazwa"), 100), Field::text(QStringLiteral("KodPIW"), 4),
          Field::text(QStringLiteral("Ulica"), 50), Field::text(QStringLiteral("KodPocztowy"), 6),
          Field::text(QStringLiteral("Miasto"), 50), Field::text(QStringLiteral("Telefon"), 50),
          Field::text(QStringLiteral("Email"), 50), Field::of(QStringLiteral("Uwagi"), DataType::Memo)}});
    for (const QString& table : {QStringLiteral("PIW"), QStringLiteral("WIW")}) {
        QList<Field> fields{
            Field::text(QStringLiteral("ID") + table, 8), Field::text(QStringLiteral("Nazwa"), 255),
            Field::text(QStringLiteral("Ulica"), 50),     Field::text(QStringLiteral("KodPocztowy"), 6),
            Field::text(QStringLiteral("Miasto"), 50),    Field::text(QStringLiteral("Telefon"), 50),
            Field::text(QStringLiteral("Email"), 50),     Field::of(QStringLiteral("Uwagi"), DataType::Memo)};
        if (table == u"PIW")
            fields << Field::text(QStringLiteral("W"), 100);
        stale().createTable({table, fields});
    }
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

QStringList RegisterTest::boxes() const
{
    QStringList list;
    for (const DialogCall& call : dialogs->calls())
        if (call.kind != DialogCall::Kind::Beep)
            list << call.title + u'|' + call.text;
    return list;
}

} // namespace trelimor::test
