#include "ReportWork.h"

#include "Messages.h"
#include "ModLabor.h"
#include "ReportEngine.h"
#include "ReportWindow.h"
#include "TableHelpers.h"

#include "platform/db/Recordset.h"
#include "platform/db/Transaction.h"
#include "platform/report/Report.h"
#include "platform/ui/DialogService.h"

namespace trelimor {

void OproznijTabele(db::Database& baza, const QString& tabela, bool sprawdz)
{
    const QString sql = QStringLiteral("SELECT * FROM ") + tabela;
    {
        db::Transaction transaction(baza);
        db::Recordset rs = baza.openRecordset(sql);
        UsunWszystkie(rs);
        rs.close();
        transaction.commit();
    }
    if (sprawdz && !baza.openRecordset(sql).eof())
        ui::dialogs().message(
            QStringLiteral("Nieprawidlowa operacja usunięcia! Zamknij program i uruchom ponownie!"),
            ui::ProgramTitle, ui::Icon::None);
}

void OproznijRoboczaTabele(const QString& tabela)
{
    OproznijTabele(ModLabor().BazaRobot, tabela, false);
}

void UstawNaglowki(const QString& naglowek1, const QString& naglowek2, const QString& naglowek3)
{
    db::Recordset rs = ModLabor().BazaRobot.openRecordset(QStringLiteral("SELECT * FROM OGOLNE"));
    // The work database is expected to hold the header record; when it has lost it, the record
    // is made again rather than printing a report without its headers.
    if (rs.eof())
        rs.addNew();
    else
        rs.edit();
    rs.setValue(QStringLiteral("Naglowek1"), naglowek1);
    rs.setValue(QStringLiteral("Naglowek2"), naglowek2);
    rs.setValue(QStringLiteral("Naglowek3"), naglowek3);
    rs.update();
    rs.close();
}

bool KopiujDoRoboczej(const QString& tabela)
{
    ModLaborValues& m = ModLabor();
    try {
        const QString sql = QStringLiteral("SELECT * FROM ") + tabela;
        db::Recordset source = m.BazaStale.openRecordset(sql);
        db::Recordset target = m.BazaRobot.openRecordset(sql);
        // All records or none: a copy that stops half way would print a part of the table.
        db::Transaction transaction(m.BazaRobot);
        while (!source.eof()) {
            target.addNew();
            for (int i = 0; i < source.fieldCount(); ++i) {
                const QVariant value = source.value(i);
                if (!db::isNull(value))
                    target.setValue(source.field(i).name, value);
            }
            target.update();
            source.moveNext();
        }
        transaction.commit();
        return true;
    } catch (const std::exception& e) {
        PokazBlad(QStringLiteral("Drukowanie") + tabela, e);
        return false;
    }
}

std::shared_ptr<report::Report> openWorkReport(const QString& plik, const QString& tekstA,
                                               const QString& tytul, const QString& tekstC)
{
    ModLaborValues& m = ModLabor();
    if (!m.RaportAplikacja)
        m.RaportAplikacja = std::make_shared<ReportEngine>();
    auto raport = m.RaportAplikacja->open(plik);
    report::ReportData& data = raport->data();
    data.textA = tekstA;
    // The report's data are read between the texts, as the engine was asked to drop what the
    // report file had saved: the report prints the work tables as this printout filled them.
    m.RaportAplikacja->readTables(*raport, m.BazaRobot);
    data.title = tytul;
    data.textC = tekstC;
    return raport;
}

void PokazRaport(const QString& plik, ReportWindow& okno, const QString& caption, const QString& tekstA,
                 const QString& tytul, const QString& tekstC, const QString& scope)
{
    ModLaborValues& m = ModLabor();
    m.RaportBiezacy = openWorkReport(plik, tekstA, tytul, tekstC);
    m.RaportBiezacy->setScope(scope);
    okno.showReport(m.RaportBiezacy, caption);
}

} // namespace trelimor
