#pragma once

#include "platform/db/Database.h"
#include "platform/db/Recordset.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "platform/db/JetError.h"

#include <functional>

namespace trelimor::db::test {

// The Jet error number a piece of work fails with, 0 when it does not fail.
inline int errorNumber(const std::function<void()>& work)
{
    try {
        work();
    } catch (const JetError& e) {
        return e.number();
    }
    return 0;
}

// A fresh database file in a temporary folder for each test.
class DbTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        db = Database::create(path(QStringLiteral("test.sqlite")));
    }
    void TearDown() override { db.close(); }

    QString path(const QString& name) const { return dir.filePath(name); }

    // A small table shaped like the program's sample table.
    void createSamples()
    {
        db.createTable(
            {QStringLiteral("Badanie"),
             {Field::of(QStringLiteral("Partia"), DataType::Long),
              Field::of(QStringLiteral("NrProbki"), DataType::Integer),
              Field::text(QStringLiteral("NrKolczyka"), 16), Field::text(QStringLiteral("Nazwisko"), 30),
              Field::of(QStringLiteral("Wiek"), DataType::Single),
              Field::of(QStringLiteral("DataPobr"), DataType::Date),
              Field::of(QStringLiteral("Uwagi"), DataType::Memo)}});
    }

    void addSample(int partia, int nr, const QString& nazwisko)
    {
        Recordset rs = db.openRecordset(QStringLiteral("SELECT * FROM Badanie"));
        rs.addNew();
        rs.setValue(QStringLiteral("Partia"), partia);
        rs.setValue(QStringLiteral("NrProbki"), nr);
        rs.setValue(QStringLiteral("Nazwisko"), nazwisko);
        rs.update();
    }

    QTemporaryDir dir;
    Database db;
};

} // namespace trelimor::db::test
