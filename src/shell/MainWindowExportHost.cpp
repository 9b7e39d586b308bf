#include "MainWindowExportHost.h"

#include "aMain.h"

#include <QFrame>
#include <QLabel>
#include <QProgressBar>

namespace trelimor {

void MainWindowExportHost::setFrameCzekajVisible(bool visible)
{
    m_window.FrameCzekaj->setVisible(visible);
}

void MainWindowExportHost::setLabelPrCz(const QString& caption)
{
    m_window.LabelPrCz->setText(caption);
}

void MainWindowExportHost::setFrameDoWIWVisible(bool visible)
{
    m_window.FrameDoWIW->setVisible(visible);
}

QString MainWindowExportHost::LabTab() const
{
    return m_window.LabTab->text();
}

void MainWindowExportHost::setLabTab(const QString& caption)
{
    m_window.LabTab->setText(caption);
}

void MainWindowExportHost::setLabIl(const QString& caption)
{
    m_window.LabIl->setText(caption);
}

void MainWindowExportHost::setProgressBar1Range(int minimum, int maximum)
{
    m_window.ProgressBar1->setRange(minimum, maximum);
}

void MainWindowExportHost::setProgressBar1Value(int value)
{
    m_window.ProgressBar1->setValue(value);
}

} // namespace trelimor
