#pragma once

#include <QString>

namespace trelimor {

class DataControl;
class ReportControl;

// What the batch documents read and drive of the batch window (FormPartia). The documents work
// on the window only through this, so they are built and tested without it.
class BatchDocumentsHost
{
public:
    virtual ~BatchDocumentsHost() = default;

    // The caption of LabPartia: the number of the selected batch.
    virtual QString LabPartia() const = 0;
    // The batch list (its current row is the selected batch) and the samples of that batch,
    // ordered by sample number (its current row is the sample selected in the sample grid).
    virtual DataControl& DataPartia() = 0;
    virtual DataControl& DataProbka() = 0;
    // Enables (true) or disables the window's buttons, its grids and the batch data control
    // (Funk), and its date label (Funk1).
    virtual void Klawisze(bool Funk, bool Funk1) = 0;
    // The print frame FrameWynik with the three printout buttons.
    virtual bool isFrameWynikVisible() const = 0;
    virtual void setFrameWynikVisible(bool visible) = 0;
    // The print button ComDrukuj, which stays usable while the frame is open.
    virtual void setComDrukujEnabled(bool enabled) = 0;
    // The window's report control.
    virtual ReportControl& CRdzien() = 0;
};

} // namespace trelimor
