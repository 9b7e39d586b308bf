#include "StatisticsFixture.h"

#include "common/MaskedEdit.h"
#include "common/ModLabor.h"
#include "common/WindowCommands.h"
#include "common/YearlyDatabase.h"
#include "shell/aMain.h"

#include "platform/db/Recordset.h"

#include <QAction>
#include <QPushButton>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace trelimor::test {

void StatisticsFixture::SetUp()
{
    ProgramFixture::SetUp();
    windowCommands().setOpener(WindowCommand::Statistics, &otworzZestawienia);
}

void StatisticsFixture::zaloguj()
{
    ASSERT_EQ(start(), std::nullopt);
    ASSERT_TRUE(rok().isOpen());
    m_poczatek = dialogs->calls().size();
}

void StatisticsFixture::otworz(const std::function<void(FormZestawienieBSE&)>& handler)
{
    bool shown = false;
    opener->onOpen(u"FormZestawienieBSE"_s, [&](QDialog& window) {
        shown = true;
        handler(static_cast<FormZestawienieBSE&>(window));
    });
    mainWindow().findChild<QAction*>(u"Zestawienie"_s)->trigger();
    EXPECT_TRUE(shown) << "the statistics window was not opened";
}

void StatisticsFixture::drukuj(FormZestawienieBSE& okno, const QString& od, const QString& doDnia)
{
    okno.MebOd->setText(od);
    okno.MebDo->setText(doDnia);
    okno.ComDrukuj->click();
}

db::Database& StatisticsFixture::rok()
{
    return ModLabor().BazaRok;
}

db::Database& StatisticsFixture::robot()
{
    return ModLabor().BazaRobot;
}

namespace {

void insert(const QString& table, const QVariantMap& fields)
{
    QStringList marks;
    for (qsizetype i = 0; i < fields.size(); ++i)
        marks << u"?"_s;
    ModLabor().BazaRok.execute(u"INSERT INTO "_s + table + u" ("_s + fields.keys().join(u", "_s) +
                                   u") VALUES ("_s + marks.join(u", "_s) + u")"_s,
                               fields.values());
}

} // namespace

void StatisticsFixture::partia(int numer, const QVariant& kodZakladu, const QVariantMap& pola)
{
    QVariantMap fields = pola;
    fields.insert(u"Partia"_s, numer);
    fields.insert(u"KodZakladu"_s, kodZakladu);
    insert(u"Partia"_s, fields);
}

void StatisticsFixture::probka(int partia, const QVariantMap& pola)
{
    QVariantMap fields = pola;
    fields.insert(u"Partia"_s, partia);
    insert(u"Badanie"_s, fields);
}

void StatisticsFixture::dodajKolumne(const QString& nazwa, db::DataType typ)
{
    rok().addColumn(u"Badanie"_s, db::Field::of(nazwa, typ));
}

QStringList StatisticsFixture::wiersze(db::Database& baza, const QString& sql)
{
    QStringList rows;
    db::Recordset rs = baza.openRecordset(sql);
    for (; !rs.eof(); rs.moveNext()) {
        QStringList values;
        for (int i = 0; i < rs.fieldCount(); ++i)
            values << (db::isNull(rs.value(i)) ? u"-"_s : rs.value(i).toString());
        rows << values.join(u'|');
    }
    return rows;
}

QStringList StatisticsFixture::komunikaty() const
{
    QStringList texts;
    for (std::size_t i = m_poczatek; i < dialogs->calls().size(); ++i)
        texts << dialogs->calls()[i].title + u": "_s + dialogs->calls()[i].text;
    return texts;
}

} // namespace trelimor::test
