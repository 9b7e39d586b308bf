#pragma once

#include "ui_FormPartia.h"

#include "SampleChecks.h"

#include "platform/ui/DefaultInstance.h"

#include <QDialog>
#include <QLine>

class QMenu;

namespace trelimor {

// "PARTIA": the window in which batches and their samples are registered. The upper grid lists
// the batches of the open yearly database (DataPartia, DBGridPartia, edit frame FramePartia);
// the lower grid the samples of the batch current in it (DataProbka, DBGridPartiaG, edit frame
// FramePartiaG). The same window carries the print frame, the search frame and the import
// buttons; the documents and imports work on its current batch, its form state and its
// controls, which are public members named as the window's design names them.
//
// The window exists once for the run and is only hidden by "&Zamknij": its lists, its form state
// and its controls' contents last from one opening to the next.
class FormPartia : public QDialog, public Ui::FormPartia
{
    Q_OBJECT

public:
    static FormPartia& instance() { return ui::DefaultInstance<FormPartia>::get(); }
    ~FormPartia() override;

    // --- The form state the batch, sample, document and import commands share ---------------
    // The open edit frame holds a new record (append) rather than a stored one (edit).
    bool NowyRekord = false;
    // What the open frame is for: "Dodaj" (a new batch or sample) or "Popraw".
    QString TrybEdycji;
    // A pending automatic load: "WczytAuto" (a header taken from the protocol spreadsheet, its
    // samples follow the header's save), "WczytAutoKolektor", "Popraw" (an edited batch drops a
    // pending load) or empty. The file being imported is the caption of LabelWczytajPlik.
    QString TrybWczytywania;
    // Number and ear tag of the sample loaded for editing; empty for a new sample.
    QString EdytowanyNrProbki;
    QString EdytowanyNrKolczyka;
    // An establishment-file import waits for its first sample to be completed in the sample frame.
    bool CzekaNaPierwszaProbke = false;
    // The path of the data-collector file chosen last in the window (the tag its Open dialog
    // keeps): the laboratory results import may take it in the automatic load.
    QString CommonDialog1Tag;

    // --- Opening ------------------------------------------------------------------------------
    // What the opener sets before each showing: the working date, the county code, the batch list
    // of the open yearly database (newest first) and the order-number year; then the one-time fill.
    void prepareForShowing();
    // The fill of every opening: the veterinarian, plan and procedure lists, the kind-of-slaughter
    // and keeping-system lists, the spreadsheet import button for an inspectorate's installation;
    // drops a pending establishment-file import. Only the opener calls it: nothing that activates
    // the window again (a picker closing over it) repeats it.
    void fillOnOpening();
    // The two remark-hint lists, from the dictionary database (start-up and after their edit).
    void fillRemarkHints();

    // Enables (true) or disables the window's 22 commands, grids and batch data control together,
    // and the working-date label by Funk1. Frames lock the window with it while they are open;
    // long operations lock it for their length.
    void Klawisze(bool Funk, bool Funk1);

    // The kind-of-slaughter list for the species, and the keeping-system list (an empty entry,
    // then the deer systems for "Jeleniowate").
    void WypelnijRodzajUboju(const QString& RB);
    void WypelnijSystemUtrzymania(const QString& Gatunek);

    // --- The current batch -------------------------------------------------------------------
    // Whether the batch list has any batch.
    bool hasBatches() const;
    // The number of the batch current in the batch grid (LabPartia), as text.
    QString currentBatch() const;
    // Reads the batch list afresh ("SELECT * FROM Partia ORDER BY Partia DESC"): the newest batch
    // becomes current and its samples are shown.
    void loadBatches();
    // What a change of the current batch does: LabPartia, the batch's samples in DataProbka and
    // the sample grid's caption; with no batch at all, an empty sample list under a caption
    // without a batch number.
    void showBatchSamples();
    // Rebuilds the sample grid's caption from LabPartia and the samples DataProbka holds.
    void refreshSampleCaption();
    QString sampleCaption() const;

    // The establishment warning of a batch imported for one establishment (LabelKod).
    void SprawdzZmianeZakladu();
    // The pop-up menu menu1 at the mouse position.
    void PokazMenuPodreczne();
    QMenu* menu1 = nullptr;

public slots:
    // The batch frame: "&Dodaj" (NOWA PARTIA), "&Popraw" (EDYCJA PARTII), "&Usuń", and the frame's
    // "&Zapisz" and "&Anuluj". The header imports start a new batch with ComDodajPr_Click.
    void ComDodajPr_Click();
    void ComPopraw_Click();
    void ComUsun_Click();
    void ComZapiszFr_Click();
    void ComAnulujFr_Click();
    // The sample frame: "&Dodaj" (NOWA PRÓBKA), "&Popraw" (EDYCJA PRÓBKI), "&Usuń", and the frame's
    // "&Zapisz" and "&Anuluj"; the hidden "&Próbki".
    void ComDodajG_Click();
    void ComPoprawG_Click();
    void ComUsunG_Click();
    void ComZapiszFrNaPIW_Click();
    void ComAnulujFrNaPIW_Click();
    void ComEdytuj_Click();
    // The search frame "WYSZUKIWARKA" (its opening button is hidden).
    void ComSzukaj_Click();
    void ComSzukFrS_Click();
    void ComAnulujFrS_Click();
    // "&Zamknij": hides the window.
    void ComZamk_Click();
    // Escape and the window's close button act as "&Zamknij" while it is enabled, never while a
    // frame is open.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    friend class ui::DefaultInstance<FormPartia>;
    FormPartia();

    void prepareControls();
    void fillFixedLists();
    void fillCreationLists();
    void connectCommands();
    void connectLists();
    void layOut();

    // The combos' own behaviour (choices and typed changes).
    void ComboGatunek_Change();
    void ComboUwagi_Click();
    void colourCheck(QCheckBox* box);

    // Opens or closes an edit frame with the window locked meanwhile.
    void openFrame(QGroupBox* frame, const QString& caption);
    void closeFrame(QGroupBox* frame);

    QLine m_linia1; // the separator under the batch commands
    QLine m_linia2; // the separator beside the sample commands

    // --- The batch frame's commands, pickers and checks (FormPartiaBatch.cpp) -----------------
    // The frame's date, hour, county and establishment-type controls.
    void connectBatchFrame();
    // The search frame's date button: the sampling date the search starts from.
    void ComDataPobrFrS_Click();
    // The caption of the establishment whose code TextZaklad holds.
    void PokazZaklad();
    // The separator checks: whether "|" stands in the batch frame's count, county or remarks, or
    // in the sample frame's remarks; a find is reported. Nothing calls them.
    bool SprZnakPartia();
    bool SprZnakStado();
    // Deletes the rows of the table that belong to the current sample's batch group. Nothing
    // calls it.
    void UsunWierszePartiiG(const QString& tabela);
    // --- The sample frame: its save's sequel, pickers and the ear-tag search -------------------
    // (FormPartiaSample.cpp, SamplePickers.cpp, EarTagSearch.cpp.)
public:
    // Shows the clients register as a picker; a client picked there fills the sample frame's
    // herd and owner fields when LabelWPZ is "W" (the herd button passes it).
    void PobierzZKlient(const QString& LabelWPZ);
    // Finds the sample whose ear tag the sample frame holds and shows the batch and herd seat it
    // belongs to (an older yearly file's layout with PartiaG). Nothing in the window calls it.
    void SzukajKolczyk();

    // What the sample frame holds, each value as its control shows it (for its save, and the
    // first sample an establishment-file import copies to every sample).
    SampleFrameValues sampleValues() const;

private:
    // What follows a stored sample: the next new sample, the next stored one, or the frame closed.
    void continueAfterSampleSave();
    void connectFieldPickers();
    void ComWNI_Click();
    void ComboWoj_Click();
    void ComboPIW_Click(int index);
    void ComWstawPowiat_Click();
};

} // namespace trelimor
