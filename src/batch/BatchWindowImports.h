#pragma once

#include "imports/BatchImportHost.h"

class QWidget;

namespace trelimor {

class FormPartia;

// The batch window as the batch imports see it: its current batch, its two frames, its form
// state for imports, its lock and its wait notice.
class BatchWindowImportHost : public BatchImportHost
{
public:
    explicit BatchWindowImportHost(FormPartia& window);

    bool hasBatch() const override;
    QString currentBatch() const override;
    SampleCodeParts currentBatchCode() const override;
    int sampleCount() const override;
    void selectSample(qint64 row) override;
    void refreshSampleCaption() override;

    bool startNewBatch() override;
    void cancelBatchFrame() override;
    QString batchField(const QString& control) const override;
    void setBatchField(const QString& control, const QString& text) override;

    void startNewSample() override;
    SampleFrameValues sampleFrame() const override;
    void setSampleField(const QString& control, const QString& text) override;
    void hideSampleFrame() override;
    void focus(const QString& control) override;

    QString TrybWczytywania() const override;
    void setTrybWczytywania(const QString& mode) override;
    QString LabelWczytajPlik() const override;
    void setLabelWczytajPlik(const QString& path) override;
    void setCzekaNaPierwszaProbke(bool waiting) override;
    void setCommonDialog1Tag(const QString& path) override;

    void Klawisze(bool Funk, bool Funk1) override;
    void setWaitNoticeVisible(bool visible) override;
    void repaintNow() override;

private:
    QWidget& control(const QString& name) const;

    FormPartia& m_window;
};

// Gives the batch window's import buttons, and its batch and sample saves, their imports.
void connectBatchWindowImports();

} // namespace trelimor
