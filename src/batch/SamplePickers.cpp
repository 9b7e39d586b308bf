// The pickers of the sample frame (the client, the voivodeship and its districts) and the
// batch frame's button for the active county code.

#include "SamplePickers.h"

#include "FormPartia.h"

#include "common/Dates.h"
#include "common/Messages.h"
#include "common/ModLabor.h"

#include "registers/FormKlient.h"

#include "platform/db/Recordset.h"

namespace trelimor {

void fillDistricts(QComboBox* combo, const QString& kodWojewodztwa)
{
    combo->clear();
    try {
        db::Recordset piw = ModLabor().BazaStale.openRecordset(
            QStringLiteral("SELECT IDPIW, Miasto FROM PIW WHERE substr(IDPIW, 1, 2) = ? ORDER BY Miasto"),
            {kodWojewodztwa});
        for (; !piw.eof(); piw.moveNext())
            combo->addItem(BezNullText(piw.value(QStringLiteral("Miasto"))),
                           BezNullText(piw.value(QStringLiteral("IDPIW"))));
    } catch (const std::exception& e) {
        PokazBlad(QStringLiteral("Nie mogę wypełnić Combo: ") + combo->currentText(), e);
    }
    combo->setCurrentIndex(-1);
    combo->setEditText(QString());
}

void FormPartia::connectFieldPickers()
{
    connect(ComWNI, &QPushButton::clicked, this, &FormPartia::ComWNI_Click);
    connect(ComWstawPowiat, &QPushButton::clicked, this, &FormPartia::ComWstawPowiat_Click);
    // A choice from the list, never a typed text or one the client picker puts there.
    connect(ComboWoj, &QComboBox::activated, this, &FormPartia::ComboWoj_Click);
    connect(ComboPIW, &QComboBox::activated, this, &FormPartia::ComboPIW_Click);
}

void FormPartia::PobierzZKlient(const QString& LabelWPZ)
{
    ClientTarget target;
    target.TextNrGospod = TextNrGospod;
    target.LabTypWNI = LabTypWNI;
    target.ComboObjawyChorobowe = ComboObjawyChorobowe;
    target.ComboUzytkowosc = ComboUzytkowosc;
    target.TextLiczebnoscStada = TextLiczebnoscStada;
    target.TextWlascicielNazwisko = TextWlascicielNazwisko;
    target.TextWlascicielImie = TextWlascicielImie;
    target.TextWlascicielMiejscowosc = TextWlascicielMiejscowosc;
    target.TextWlascicielNrPosesja = TextWlascicielNrPosesja;
    target.ComboWoj = ComboWoj;
    target.LabIDWOJ = LabIDWOJ;
    target.ComboPIW = ComboPIW;
    target.TextKodPIW = TextKodPIW;
    target.LabIDPIW = LabIDPIW;
    target.TextGmina = TextGmina;
    wybierzKlienta(target, LabelWPZ);
}

void FormPartia::ComWNI_Click()
{
    PobierzZKlient(QStringLiteral("W"));
}

void FormPartia::ComboWoj_Click()
{
    LabIDWOJ->setText(KodWojewodztwa(ComboWoj->currentText()));
    LabIDPIW->clear();
    fillDistricts(ComboPIW, LabIDWOJ->text());
}

void FormPartia::ComboPIW_Click(int index)
{
    // The code of the chosen item itself: the same town may stand in two voivodeships.
    const QVariant kod = ComboPIW->itemData(index);
    if (kod.isValid())
        LabIDPIW->setText(kod.toString());
    TextKodPIW->setText(LabIDPIW->text());
}

void FormPartia::ComWstawPowiat_Click()
{
    TextPowiat->setText(LabelKodPiw->text());
}

} // namespace trelimor
