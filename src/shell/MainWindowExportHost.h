#pragma once

#include "export/SerologyExportHost.h"

namespace trelimor {

class aMain;

// The serology export's wait and progress display on the main window.
class MainWindowExportHost final : public SerologyExportHost
{
public:
    explicit MainWindowExportHost(aMain& window)
        : m_window(window)
    {}

    void setFrameCzekajVisible(bool visible) override;
    void setLabelPrCz(const QString& caption) override;
    void setFrameDoWIWVisible(bool visible) override;
    QString LabTab() const override;
    void setLabTab(const QString& caption) override;
    void setLabIl(const QString& caption) override;
    void setProgressBar1Range(int minimum, int maximum) override;
    void setProgressBar1Value(int value) override;

private:
    aMain& m_window;
};

} // namespace trelimor
