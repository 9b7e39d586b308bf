// The search of a sample by the ear tag of the sample frame, over the older yearly layout in
// which a batch (an order) holds herd seats (PartiaG) and each sample names its seat.

#include "FormPartia.h"

#include "SampleSave.h"

#include "common/Messages.h"
#include "common/ModLabor.h"
#include "common/TableHelpers.h"

#include "platform/ui/DialogService.h"
#include "platform/ui/Keystrokes.h"

namespace trelimor {

namespace {

const QString kSzukanie = QStringLiteral("SZUKANIE");

} // namespace

void FormPartia::SzukajKolczyk()
{
    const QString kolczyk = TextNrKolczyka->text();
    if (kolczyk.isEmpty()) {
        PokazInfo(QStringLiteral("Wpisz numer kolczyka!"), kInformationTitle);
        TextNrKolczyka->setFocus();
        return;
    }
    db::Database& rok = ModLabor().BazaRok;
    if (!rok.scalar(QStringLiteral("SELECT EXISTS (SELECT 1 FROM Badanie)")).toBool())
        return;
    const db::Recordset probka = samplesWithEarTag(rok, kolczyk);
    if (probka.recordCount() == 0) {
        // Said of the month, though the whole year was searched.
        ui::dialogs().message(QStringLiteral("W bieżącym miesiącu brak próbki o numerze kolczyka: ") +
                                  kolczyk,
                              kSzukanie, ui::Icon::Information);
        TextNrKolczyka->setFocus();
        ui::sendKeystrokes(TextNrKolczyka, {ui::Keystroke::HomeShiftEnd});
        return;
    }
    const QVariant siedzibaProbki = probka.value(QStringLiteral("PARTIAG"));
    const db::Recordset siedziba =
        rok.openRecordset(QStringLiteral("SELECT * FROM PARTIAG WHERE PARTIAG = ?"), {siedzibaProbki});
    if (siedziba.recordCount() == 0)
        return;

    if (DataPartia->recordset().findFirst(QStringLiteral("PARTIA = ?"),
                                          {siedziba.value(QStringLiteral("PARTIA"))}))
        DataPartia->currentChanged();
    ZaznaczWiersz(DBGridPartia);
    // The herd seats of the order take the samples' place in the lower list.
    const QVariant partia = DataPartia->recordset().value(QStringLiteral("PARTIA"));
    DataProbka->bind(rok, QStringLiteral("SELECT * FROM PARTIAG WHERE PARTIA = ?"), {partia});
    if (DataProbka->recordset().findFirst(QStringLiteral("PARTIAG = ?"), {siedzibaProbki}))
        DataProbka->currentChanged();
    ZaznaczWiersz(DBGridPartiaG);
    LabNaglowekProbek->setText(QStringLiteral("SIEDZIBY STAD NALEŻĄCE DO ZLECENIA ") + BezNullText(partia));

    ui::dialogs().message(
        QStringLiteral("Próbka z numerem kolczyka: ") + kolczyk +
            QStringLiteral("\rznajduje się w partii: ") +
            BezNullText(siedziba.value(QStringLiteral("PARTIA"))) + QStringLiteral(", nr siedziby stada: ") +
            BezNullText(siedziba.value(QStringLiteral("NRGOSPOD"))) + QStringLiteral(", nr próbki: ") +
            BezNullText(probka.value(QStringLiteral("NrProbki"))),
        kSzukanie, ui::Icon::Information);
    ZaznaczWiersz(DBGridPartia);
    ZaznaczWiersz(DBGridPartiaG);
    ComAnulujFrS_Click();
}

} // namespace trelimor
