#pragma once

#include "common/SampleValues.h"

#include <QString>

namespace trelimor {

// What the batch imports read and drive of the batch window (FormPartia). The imports work on
// the window only through this, so they are built and tested without it. Controls are named
// as the window's design names them; a name the window does not have is a programming error.
class BatchImportHost
{
public:
    virtual ~BatchImportHost() = default;

    // --- The batch list and its current batch ----------------------------------------------
    // Whether the batch list has any batch.
    virtual bool hasBatch() const = 0;
    // The number of the current batch (the caption of LabPartia).
    virtual QString currentBatch() const = 0;
    // The establishment code and the sampling date of the current batch.
    virtual SampleCodeParts currentBatchCode() const = 0;
    // How many samples the current batch's sample list holds.
    virtual int sampleCount() const = 0;
    // The sample list read again with the sample of the row (rowid) current.
    virtual void selectSample(qint64 row) = 0;
    // The sample grid's caption rebuilt for the samples the list holds.
    virtual void refreshSampleCaption() = 0;

    // --- The batch frame (new batches from a file's header) --------------------------------
    // "&Dodaj" of the batch frame; true when the frame opened (without a yearly database it
    // does not, and the user has been told).
    virtual bool startNewBatch() = 0;
    // "&Anuluj" of the batch frame.
    virtual void cancelBatchFrame() = 0;
    // The text of a control of the batch frame, and setting it.
    virtual QString batchField(const QString& control) const = 0;
    virtual void setBatchField(const QString& control, const QString& text) = 0;

    // --- The sample frame (the first sample of formats A and B) ----------------------------
    // "&Dodaj" of the sample frame.
    virtual void startNewSample() = 0;
    // What the sample frame holds, as its save reads it.
    virtual SampleFrameValues sampleFrame() const = 0;
    virtual void setSampleField(const QString& control, const QString& text) = 0;
    // Closes the sample frame without a save (an import that failed to start).
    virtual void hideSampleFrame() = 0;

    // Gives a control of either frame the focus.
    virtual void focus(const QString& control) = 0;

    // --- The window's state for imports -----------------------------------------------------
    // The pending automatic load ("WczytAuto" after a header from the protocol spreadsheet).
    virtual QString TrybWczytywania() const = 0;
    virtual void setTrybWczytywania(const QString& mode) = 0;
    // The file handed from one step of an import to the next (the caption of LabelWczytajPlik).
    virtual QString LabelWczytajPlik() const = 0;
    virtual void setLabelWczytajPlik(const QString& path) = 0;
    // An establishment-file import waits for its first sample's save.
    virtual void setCzekaNaPierwszaProbke(bool waiting) = 0;
    // The data-collector file chosen last.
    virtual void setCommonDialog1Tag(const QString& path) = 0;

    // --- Lock and wait ------------------------------------------------------------------------
    // Enables (true) or disables the window's commands, grids and batch data control (Funk),
    // and its date label (Funk1).
    virtual void Klawisze(bool Funk, bool Funk1) = 0;
    // The wait notice FrameCzekaj over the window, painted at once when shown.
    virtual void setWaitNoticeVisible(bool visible) = 0;
    // Paints the window at once (before a long read).
    virtual void repaintNow() = 0;
};

} // namespace trelimor
