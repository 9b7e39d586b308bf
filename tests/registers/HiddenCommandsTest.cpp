#include "RegisterTestFixture.h"

#include "registers/HiddenCommands.h"

#include "platform/db/Recordset.h"

using namespace trelimor;
using namespace trelimor::test;

namespace {

using HiddenCommandsTest = RegisterTest;

TEST_F(HiddenCommandsTest, Zlew2DostMovesACollectionPointIntoANewSupplier)
{
    QList<db::Field> point, supplier;
    for (const char* name : {"NAZWA", "KODPOCZT", "POCZTA", "MIEJSCOW", "ADRES", "MAIL"}) {
        point << db::Field::text(QStringLiteral("ZL_") + QLatin1String(name), 50);
        supplier << db::Field::text(QStringLiteral("PR_") + QLatin1String(name), 50);
    }
    for (const char* name : {"PR_KOD", "PR_ZAKLAD", "PR_ZLEW"})
        supplier << db::Field::text(QLatin1String(name), 10);
    supplier << db::Field::of(QStringLiteral("PR_KRESK"), db::DataType::Integer);
    stale().createTable({QStringLiteral("Zlewnia"), point});
    stale().createTable({QStringLiteral("Dostawca"), supplier});
    insert(QStringLiteral("Zlewnia"), {{QStringLiteral("ZL_NAZWA"), QStringLiteral("Punkt")},
                                       {QStringLiteral("ZL_MIEJSCOW"), QStringLiteral("Łowicz")}});

    db::Recordset zlewnia = stale().openRecordset(QStringLiteral("SELECT * FROM Zlewnia"));
    db::Recordset dostawca = stale().openRecordset(QStringLiteral("SELECT * FROM Dostawca"));
    Zlew2Dost(QStringLiteral("0042"), zlewnia, dostawca, true);

    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM Zlewnia")), 0);
    EXPECT_EQ(column(QStringLiteral(
                  "SELECT PR_KOD || '|' || PR_ZAKLAD || '|' || PR_ZLEW || '|' || PR_NAZWA || '|' || "
                  "PR_MIEJSCOW || '|' || PR_ADRES || '|' || PR_KRESK FROM Dostawca")),
              QVariantList{QStringLiteral("0042|998|9998|Punkt|Łowicz||0")});
    EXPECT_TRUE(dialogs->calls().empty());
}

} // namespace
