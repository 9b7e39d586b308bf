#pragma once

#include "documents/BatchDocumentsHost.h"
#include "documents/ReportControl.h"

namespace trelimor {

class FormPartia;

// The batch window as the batch documents see it: its selected batch and sample, its lock, its
// print frame and its report control.
class BatchWindowDocumentsHost : public BatchDocumentsHost
{
public:
    explicit BatchWindowDocumentsHost(FormPartia& okno);

    QString LabPartia() const override;
    DataControl& DataPartia() override;
    DataControl& DataProbka() override;
    void Klawisze(bool Funk, bool Funk1) override;
    bool isFrameWynikVisible() const override;
    void setFrameWynikVisible(bool visible) override;
    void setComDrukujEnabled(bool enabled) override;
    ReportControl& CRdzien() override { return m_crdzien; }

private:
    FormPartia& m_okno;
    ReportControl m_crdzien;
};

// Gives the batch window's print and file/mail buttons their documents.
void connectBatchWindowDocuments();

} // namespace trelimor
