#include "BatchWindowImports.h"

#include "BatchCommands.h"
#include "BatchFields.h"
#include "FormPartia.h"
#include "SampleProposals.h"

#include "imports/BatchImports.h"
#include "imports/ResultsImport.h"

#include <stdexcept>

namespace trelimor {

BatchWindowImportHost::BatchWindowImportHost(FormPartia& window)
    : m_window(window)
{}

QWidget& BatchWindowImportHost::control(const QString& name) const
{
    auto* found = m_window.findChild<QWidget*>(name);
    if (!found)
        throw std::logic_error("the batch window has no control " + name.toStdString());
    return *found;
}

bool BatchWindowImportHost::hasBatch() const
{
    return m_window.hasBatches();
}

QString BatchWindowImportHost::currentBatch() const
{
    return m_window.currentBatch();
}

SampleCodeParts BatchWindowImportHost::currentBatchCode() const
{
    return sampleCodeOfBatch(m_window.DataPartia->recordset());
}

int BatchWindowImportHost::sampleCount() const
{
    return m_window.DataProbka->recordCount();
}

void BatchWindowImportHost::selectSample(qint64 row)
{
    m_window.DataProbka->refreshAt(row);
}

void BatchWindowImportHost::refreshSampleCaption()
{
    m_window.refreshSampleCaption();
}

bool BatchWindowImportHost::startNewBatch()
{
    m_window.ComDodajPr_Click();
    return !m_window.FramePartia->isHidden();
}

void BatchWindowImportHost::cancelBatchFrame()
{
    m_window.ComAnulujFr_Click();
}

QString BatchWindowImportHost::batchField(const QString& name) const
{
    return controlText(&control(name));
}

void BatchWindowImportHost::setBatchField(const QString& name, const QString& text)
{
    setControlText(&control(name), text);
}

void BatchWindowImportHost::startNewSample()
{
    m_window.ComDodajG_Click();
}

SampleFrameValues BatchWindowImportHost::sampleFrame() const
{
    return m_window.sampleValues();
}

void BatchWindowImportHost::setSampleField(const QString& name, const QString& text)
{
    setControlText(&control(name), text);
}

void BatchWindowImportHost::hideSampleFrame()
{
    m_window.FramePartiaG->hide();
}

void BatchWindowImportHost::focus(const QString& name)
{
    control(name).setFocus();
}

QString BatchWindowImportHost::TrybWczytywania() const
{
    return m_window.TrybWczytywania;
}

void BatchWindowImportHost::setTrybWczytywania(const QString& mode)
{
    m_window.TrybWczytywania = mode;
}

QString BatchWindowImportHost::LabelWczytajPlik() const
{
    return m_window.LabelWczytajPlik->text();
}

void BatchWindowImportHost::setLabelWczytajPlik(const QString& path)
{
    m_window.LabelWczytajPlik->setText(path);
}

void BatchWindowImportHost::setCzekaNaPierwszaProbke(bool waiting)
{
    m_window.CzekaNaPierwszaProbke = waiting;
}

void BatchWindowImportHost::setCommonDialog1Tag(const QString& path)
{
    m_window.CommonDialog1Tag = path;
}

void BatchWindowImportHost::Klawisze(bool Funk, bool Funk1)
{
    m_window.Klawisze(Funk, Funk1);
}

void BatchWindowImportHost::setWaitNoticeVisible(bool visible)
{
    if (!visible) {
        m_window.FrameCzekaj->hide();
        return;
    }
    m_window.FrameCzekaj->show();
    m_window.FrameCzekaj->raise();
    m_window.FrameCzekaj->repaint();
}

void BatchWindowImportHost::repaintNow()
{
    m_window.repaint();
}

namespace {

// Each press works on the window as it is at that moment.
template <void (*Import)(BatchImportHost&)>
std::function<void()> onWindow()
{
    return [] {
        BatchWindowImportHost window(FormPartia::instance());
        Import(window);
    };
}

} // namespace

void connectBatchWindowImports()
{
    BatchWindowCommands& commands = batchWindowCommands();
    commands.ComWczyt_Click = onWindow<&ComWczyt_Click>();
    commands.ComWczytPart_Click = onWindow<&ComWczytPart_Click>();
    commands.ComWczytKolektor_Click = onWindow<&ComWczytKolektor_Click>();
    commands.ComWczytaj_Click = onWindow<&ComWczytaj_Click>();
    commands.WczytajPlikZakladu = onWindow<&WczytajPlikZakladu>();
    commands.ComWczytWynik_Click = onWindow<&ComWczytWynik_Click>();
}

} // namespace trelimor
