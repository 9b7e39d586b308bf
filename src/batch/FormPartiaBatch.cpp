// The batch frame: a new batch with its proposals, a batch loaded for correction, its save and
// deletion, and the frame's pickers.

#include "FormPartia.h"

#include "BatchChecks.h"
#include "BatchCommands.h"
#include "BatchDelete.h"
#include "BatchFields.h"
#include "BatchPickers.h"
#include "BatchProposals.h"
#include "BatchSave.h"

#include "common/CodeLists.h"
#include "common/Dates.h"
#include "common/FormKalendarz1.h"
#include "common/Messages.h"
#include "common/ModLabor.h"
#include "common/Pickers.h"
#include "common/ProgramState.h"
#include "common/TableHelpers.h"
#include "common/YearlyDatabase.h"

#include "platform/ui/DialogService.h"

namespace trelimor {

namespace {

const QString kPowiadomProgramiste = QStringLiteral("Powiadom programistę!");

// Reports the separator "|" in the last of the named texts that holds it; true when one does.
bool reportSeparator(const QList<std::pair<QString, QString>>& pola)
{
    const std::optional<QString> pole = controlWithSeparator(pola);
    if (pole)
        PokazUwage(QStringLiteral("W polu ") + *pole +
                       QStringLiteral(", znajduje się niedozwolony znak: |\rUsuń znak | i zapisz ponownie!"),
                   kInformationTitle);
    return pole.has_value();
}

} // namespace

void FormPartia::connectBatchFrame()
{
    const auto data = [this](QPushButton* przycisk, QLineEdit* pole, bool regulaRoku) {
        connect(przycisk, &QPushButton::clicked, this, [this, przycisk, pole, regulaRoku] {
            pickFieldDate(*this, pole, przycisk, regulaRoku ? std::optional(LabData->text()) : std::nullopt);
        });
    };
    data(ComDataPobr, TextDataPobr, true);
    data(ComDataWysylki, TextDataWysylki, true);
    data(ComDataUboju, TextDataUboju, false);
    data(ComDataWyslaniaDoLab, TextDataWyslaniaDoLab, false);
    data(ComDataUrodzenia, TextDataUrodzenia, false); // the sample frame's birth date
    connect(ComDataPobrFrS, &QPushButton::clicked, this, &FormPartia::ComDataPobrFrS_Click);
    for (auto [przycisk, pole] :
         {std::pair{ComGodzPobr, TextGodzPobr}, std::pair{ComGodzUboju, TextGodzUboju},
          std::pair{ComGodzWysylki, TextGodzWysylki}})
        connect(przycisk, &QPushButton::clicked, this,
                [this, przycisk = przycisk, pole = pole] { pickFieldHour(*this, pole, przycisk); });
    connect(ComWstawPowiat, &QPushButton::clicked, this,
            [this] { TextPowiat->setText(LabelKodPiw->text()); });
    // The hint on how to type a farm's number, for a type chosen from the list.
    connect(ComboWNI, &QComboBox::activated, this,
            [this] { LabelWNI->setVisible(ComboWNI->currentText() == kTypGospodarstwa); });
}

void FormPartia::ComDataPobrFrS_Click()
{
    // The search by an approximate sampling date: the picker in the middle of the window.
    TextNrKolczykaS->clear();
    FormKalendarz1& kalendarz = FormKalendarz1::instance();
    kalendarz.move(
        mapToGlobal(QPoint(width() / 2 - kalendarz.width() / 2, height() / 2 - kalendarz.height() / 2)));
    QString tekst = LabelDataPobrFrS->text().isEmpty() ? LabData->text() : LabelDataPobrFrS->text();
    LabelDataPobrFrS->setText(dateText(WybierzDate1(tekst, QString())));
}

void FormPartia::ComDodajPr_Click()
{
    if (!wymagajBazyRoku())
        return;
    try {
        TextZaklad->setEnabled(true);
        openFrame(FramePartia, QStringLiteral("NOWA PARTIA"));
        TrybEdycji = QStringLiteral("Dodaj");
        // Every field starts empty but the establishment type, which a new batch keeps unless the
        // default establishment has one.
        for (const BatchFrameField& pole : batchFrameFields())
            if (pole.kontrolka != ComboWNI->objectName())
                setFrameField(*this, pole, QString());
        LabelNazZak->clear();
        if (const std::optional<DefaultEstablishment> zaklad = defaultEstablishment(ModLabor().BazaStale)) {
            TextZaklad->setText(zaklad->wni);
            ComboWNI->setEditText(zaklad->typ);
            LabelNazZak->setText(zaklad->opis);
        }
        TextDataWysylki->setText(programState().workingDateText());
        NowyRekord = true;
        ComboPlanPobierania->setEditText(programState().defaultPlan());
        ComboProceduraPobierania->setEditText(programState().defaultProcedure());
        const NextNumbers numery = nextNumbers(ModLabor().BazaRok);
        TextNrPartii->setText(numery.partia);
        TextNrZlecenia->setText(numery.zlecenie);
        TextNrZlecenia->setFocus();
    } catch (const std::exception& e) {
        // The frame stays open with what it holds: the user may complete it and save.
        Klawisze(true, true);
        PokazBlad(QStringLiteral("Powiadom programiste!"), e);
    }
}

void FormPartia::ComPopraw_Click()
{
    if (!hasBatches())
        return;
    try {
        TrybEdycji = QStringLiteral("Popraw");
        TrybWczytywania = QStringLiteral("Popraw");
        TextNrPartii->setEnabled(false);
        NowyRekord = false;
        openFrame(FramePartia, QStringLiteral("EDYCJA PARTII"));
        // Every control gets its field, an empty text for null or for a field the yearly file
        // lacks: nothing of another batch shown before may stay in the frame.
        const db::Recordset& partia = DataPartia->recordset();
        for (const BatchFrameField& pole : batchFrameFields()) {
            const int indeks = partia.fieldIndex(pole.pole);
            setFrameField(*this, pole, indeks >= 0 ? fieldText(partia.value(indeks)) : QString());
        }
        PokazZaklad();
        ComZapiszFr->setFocus();
    } catch (const std::exception& e) {
        Klawisze(true, true);
        PokazBlad(kPowiadomProgramiste, e);
    }
}

void FormPartia::PokazZaklad()
{
    if (const std::optional<QString> opis = establishmentCaption(ModLabor().BazaStale, TextZaklad->text()))
        LabelNazZak->setText(*opis);
}

void FormPartia::ComAnulujFr_Click()
{
    closeFrame(FramePartia);
    CheckNast->setChecked(false);
    // A spreadsheet load waiting for its header's save is dropped with the header: a batch typed
    // in afterwards must never receive that file's samples.
    TrybWczytywania.clear();
    LabelWczytajPlik->clear();
}

void FormPartia::ComZapiszFr_Click()
{
    try {
        std::optional<qint64> wiersz;
        if (!NowyRekord)
            wiersz = DataPartia->recordset().bookmark();
        const BatchSaveResult zapis =
            saveBatch(ModLabor().BazaRok, ModLabor().BazaStale, readBatchFrame(*this, NowyRekord), wiersz);
        if (zapis.odmowa) {
            showBatchRefusal(*zapis.odmowa, this);
            return;
        }
        NowyRekord = false;
        closeFrame(FramePartia);
        // The saved batch becomes the current one, so its number is in LabPartia for the load of
        // its samples; with CheckNast the newest batch does.
        if (CheckNast->isChecked() || !DataPartia->isBound())
            loadBatches();
        else
            DataPartia->refreshAt(zapis.wiersz);
        ZaznaczWiersz(DBGridPartia);
        if (TrybWczytywania == u"WczytAuto")
            batchWindowCommands().ComWczyt_Click();
        LabelWczytajPlik->clear();
        TrybEdycji.clear();
        TrybWczytywania.clear();
    } catch (const std::exception& e) {
        LabelWczytajPlik->clear();
        TrybEdycji.clear();
        TrybWczytywania.clear();
        Klawisze(true, true);
        PokazBlad(kPowiadomProgramiste, e);
    }
}

void FormPartia::ComUsun_Click()
{
    if (!hasBatches())
        return;
    if (!ui::dialogs().askYesNo(QStringLiteral("Czy na pewno usunąć zaznaczoną partię próbek?"),
                                kDeletionTitle, ui::Icon::Question, false))
        return;
    try {
        const db::Recordset& partie = DataPartia->recordset();
        deleteBatch(ModLabor().BazaRok, partie.bookmark(), partie.value(QStringLiteral("Partia")));
        loadBatches();
    } catch (const std::exception& e) {
        // Nothing was deleted: the batch and its samples stay as they were.
        PokazBlad(kPowiadomProgramiste, e);
    }
}

bool FormPartia::SprZnakPartia()
{
    return reportSeparator({{QStringLiteral("Ilość próbek"), TextIlProbek->text()},
                            {QStringLiteral("Kod powiatu"), TextPowiat->text()},
                            {QStringLiteral("Uwaga"), TextUwagi->toPlainText()}});
}

bool FormPartia::SprZnakStado()
{
    return reportSeparator({{QStringLiteral("Uwagi"), TextUwagiG->toPlainText()}});
}

void FormPartia::UsunWierszePartiiG(const QString& tabela)
{
    deleteGroupRows(ModLabor().BazaRok, tabela, DataProbka->recordset().value(QStringLiteral("PartiaG")));
}

} // namespace trelimor
