#include "BatchWindowDocuments.h"

#include "BatchCommands.h"
#include "FormPartia.h"

#include "documents/BatchDocuments.h"

namespace trelimor {

BatchWindowDocumentsHost::BatchWindowDocumentsHost(FormPartia& okno)
    : m_okno(okno)
{}

QString BatchWindowDocumentsHost::LabPartia() const
{
    return m_okno.LabPartia->text();
}

DataControl& BatchWindowDocumentsHost::DataPartia()
{
    return *m_okno.DataPartia;
}

DataControl& BatchWindowDocumentsHost::DataProbka()
{
    return *m_okno.DataProbka;
}

void BatchWindowDocumentsHost::Klawisze(bool Funk, bool Funk1)
{
    m_okno.Klawisze(Funk, Funk1);
}

bool BatchWindowDocumentsHost::isFrameWynikVisible() const
{
    return !m_okno.FrameWynik->isHidden();
}

void BatchWindowDocumentsHost::setFrameWynikVisible(bool visible)
{
    m_okno.FrameWynik->setVisible(visible);
    if (visible)
        m_okno.FrameWynik->raise();
}

void BatchWindowDocumentsHost::setComDrukujEnabled(bool enabled)
{
    m_okno.ComDrukuj->setEnabled(enabled);
}

namespace {

// Each press works on the window as it is at that moment.
template <void (*Handler)(BatchDocumentsHost&)>
std::function<void()> onWindow()
{
    return [] {
        FormPartia& window = FormPartia::instance();
        BatchWindowDocumentsHost okno(window);
        Handler(okno);
        // A printout or the file may have stored the batch's declared count through the batch
        // list's recordset: the grid shows it again.
        window.DBGridPartia->viewport()->update();
    };
}

} // namespace

void connectBatchWindowDocuments()
{
    BatchWindowCommands& polecenia = batchWindowCommands();
    polecenia.ComDrukuj_Click = onWindow<&ComDrukuj_Click>();
    polecenia.ComProtokol_Click = onWindow<&ComProtokol_Click>();
    polecenia.ComProtokolSaria1_Click = onWindow<&ComProtokolSaria1_Click>();
    polecenia.ComPismoPrzewodnie_Click = onWindow<&ComPismoPrzewodnie_Click>();
    polecenia.ComMail_Click = onWindow<&ComMail_Click>();
}

} // namespace trelimor
