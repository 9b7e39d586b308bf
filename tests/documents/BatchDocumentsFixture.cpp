#include "BatchDocumentsFixture.h"

#include "common/ModLabor.h"
#include "common/ProgramState.h"
#include "common/ReportWindow.h"
#include "documents/FormDrukRap.h"

#include "platform/db/Recordset.h"
#include "platform/report/Report.h"
#include "platform/ui/DefaultInstance.h"

namespace trelimor::test {

void BatchDocumentsFixture::SetUp()
{
    m_savedMailProgram = mailProgram();
    prepareDocuments();
}

void BatchDocumentsFixture::TearDown()
{
    ui::resetAllInstances();
    setReportWindow({});
    resetModLabor();
    programState().reset();
    setMailProgram(m_savedMailProgram);
}

QVariant BatchDocumentsFixture::workValue(const QString& table, const QString& field)
{
    db::Recordset rs = ModLabor().BazaRobot.openRecordset(QStringLiteral("SELECT * FROM ") + table);
    return rs.eof() ? QVariant() : rs.value(field);
}

int BatchDocumentsFixture::workCount(const QString& table)
{
    return ModLabor().BazaRobot.scalar(QStringLiteral("SELECT COUNT(*) FROM ") + table).toInt();
}

void BatchDocumentsFixture::recordReports()
{
    opener->onOpen(QStringLiteral("FormDrukRap"), [this](QDialog& window) {
        reports << static_cast<FormDrukRap&>(window).report()->html();
    });
}

} // namespace trelimor::test
