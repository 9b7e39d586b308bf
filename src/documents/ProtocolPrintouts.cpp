#include "ProtocolPrintouts.h"

#include "BatchDocuments.h"
#include "FormDrukRap.h"
#include "PrintFrame.h"
#include "PrintPreparation.h"
#include "ReportControl.h"
#include "common/CodeLists.h"

#include "common/Dates.h"
#include "common/Messages.h"
#include "common/ModLabor.h"
#include "common/ProgramState.h"
#include "common/ReportWork.h"
#include "common/TableHelpers.h"

#include "platform/db/Recordset.h"

#include <QPushButton>

#include <functional>
#include <optional>

namespace trelimor {

namespace {

struct Zaklad
{
    QString nazwa, ulica, kodPocztowy, miasto;
};

// The establishment the selected batch names by its code; none when the register lacks it.
std::optional<Zaklad> zakladPartii(BatchDocumentsHost& okno)
{
    db::Recordset rs =
        ModLabor().BazaStale.openRecordset(QStringLiteral("SELECT * FROM ZAKLAD WHERE WNI = ?"),
                                           {BezNullText(polePartii(okno, QStringLiteral("KodZakladu")))});
    if (rs.eof())
        return std::nullopt;
    return Zaklad{BezNullText(rs.value(QStringLiteral("Nazwa"))),
                  BezNullText(rs.value(QStringLiteral("Ulica"))),
                  BezNullText(rs.value(QStringLiteral("KodPocztowy"))),
                  BezNullText(rs.value(QStringLiteral("Miasto")))};
}

// Edits the one batch row of the work database, when it is there.
void uzupelnijRoboczaPartie(const std::function<void(db::Recordset&)>& uzupelnij)
{
    db::Recordset rs = ModLabor().BazaRobot.openRecordset(QStringLiteral("SELECT * FROM Partia"));
    if (rs.eof())
        return;
    rs.edit();
    uzupelnij(rs);
    rs.update();
}

void przegladnijPartieIProbki()
{
    PrzegladnijTabele(ModLabor().BazaRobot, QStringLiteral("Partia"));
    PrzegladnijTabele(ModLabor().BazaRobot, QStringLiteral("Badanie"));
}

} // namespace

QString miastoDnia(const QString& miejsce, const QDate& dataWysylki)
{
    return miejsce + QStringLiteral(", dn. ") + dataWysylki.toString(QStringLiteral("dd")) +
           QLatin1Char(' ') + NazwaMiesiaca(dataWysylki.toString(QStringLiteral("MM"))).toLower() +
           QLatin1Char(' ') + dataWysylki.toString(QStringLiteral("yyyy")) + QStringLiteral(" r.");
}

void ComProtokol_Click(BatchDocumentsHost& okno)
{
    drukujPartie(okno, [&okno] {
        if (!kopiujPartieDoRoboczej(okno))
            return KoniecWydruku::Przerwany;
        // The installation's own record heads the protocol: refreshed for every protocol.
        OproznijRoboczaTabele(QStringLiteral("Podatnik"));
        if (!KopiujDoRoboczej(QStringLiteral("Podatnik")))
            return KoniecWydruku::Przerwany;

        const QVariant dataWysylki = polePartii(okno, QStringLiteral("DataWysylki"));
        const std::optional<Zaklad> zaklad = zakladPartii(okno);
        uzupelnijRoboczaPartie([&](db::Recordset& rs) {
            if (dataWysylki.typeId() == QMetaType::QDateTime && dataWysylki.toDateTime().isValid())
                rs.setValue(QStringLiteral("MiastoDnia"),
                            miastoDnia(programState().userField(QStringLiteral("Miejsc")),
                                       dataWysylki.toDateTime().date()));
            rs.setValue(QStringLiteral("Drukowal"),
                        ProgramState::kVersion + QStringLiteral("   ") + programState().operatorName());
            if (zaklad)
                rs.setValue(QStringLiteral("AdresZakladu"),
                            zaklad->nazwa + QStringLiteral("\r\n") + zaklad->ulica + QStringLiteral(", ") +
                                zaklad->kodPocztowy + QLatin1Char(' ') + zaklad->miasto);
        });
        przegladnijPartieIProbki();

        return showBatchReport(okno, QStringLiteral("Protokol.rpt"),
                               QStringLiteral(" - badania w kierunku ") +
                                   kierunekBadania(gatunekBiezacejProbki(okno), false));
    });
}

void ComProtokolSaria1_Click(BatchDocumentsHost& okno)
{
    drukujPartie(okno, [&okno] {
        if (!kopiujPartieDoRoboczej(okno))
            return KoniecWydruku::Przerwany;
        const std::optional<Zaklad> zaklad = zakladPartii(okno);
        uzupelnijRoboczaPartie([&](db::Recordset& rs) {
            if (zaklad)
                rs.setValue(QStringLiteral("NazwaZakladu"), zaklad->nazwa + QStringLiteral(", ") +
                                                                zaklad->kodPocztowy + QLatin1Char(' ') +
                                                                zaklad->miasto);
        });
        przegladnijPartieIProbki();

        ReportControl& CRdzien = batchReportControl(okno);
        CRdzien.setReportTitle(QStringLiteral(" - badania w kierunku BSE Nr ") +
                               BezNullText(polePartii(okno, QStringLiteral("NrZlecenia"))) +
                               QLatin1Char('/') +
                               programState().workingDate().toString(QStringLiteral("yyyy")));
        CRdzien.setReportFileName(ModLabor().KatalogRaportow + QStringLiteral("ProtokolSaria.rpt"));
        CRdzien.setSelectionFormula(QStringLiteral(" {Partia.Partia} = ") + okno.LabPartia());
        CRdzien.setShowPrintSetup(true);
        CRdzien.setWindowState(2);
        FormDrukRap::instance().ComWyslij->setEnabled(false);
        CRdzien.run();
        return KoniecWydruku::Wydrukowany;
    });
}

} // namespace trelimor
