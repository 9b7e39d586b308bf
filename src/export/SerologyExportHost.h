#pragma once

#include <QString>

namespace trelimor {

// What the serology export shows on the main window while it runs: the wait frame FrameCzekaj
// with its label LabelPrCz, the progress frame FrameDoWIW with the table being written (LabTab),
// the row being written (LabIl) and ProgressBar1. The main window implements it; the export
// knows nothing else of that window.
class SerologyExportHost
{
public:
    virtual ~SerologyExportHost() = default;

    virtual void setFrameCzekajVisible(bool visible) = 0;
    virtual void setLabelPrCz(const QString& caption) = 0;
    virtual void setFrameDoWIWVisible(bool visible) = 0;
    virtual QString LabTab() const = 0;
    virtual void setLabTab(const QString& caption) = 0;
    virtual void setLabIl(const QString& caption) = 0;
    virtual void setProgressBar1Range(int minimum, int maximum) = 0;
    virtual void setProgressBar1Value(int value) = 0;
};

} // namespace trelimor
