#include "DokumentyOknaPartii.h"

#include "BatchCommands.h"
#include "FormPartia.h"

#include "documents/BatchDocuments.h"

namespace trelimor {

DokumentyOknaPartii::DokumentyOknaPartii(FormPartia& okno)
    : m_okno(okno)
{}

QString DokumentyOknaPartii::LabPartia() const
{
    return m_okno.LabPartia->text();
}

DataControl& DokumentyOknaPartii::DataPartia()
{
    return *m_okno.DataPartia;
}

DataControl& DokumentyOknaPartii::DataProbka()
{
    return *m_okno.DataProbka;
}

void DokumentyOknaPartii::Klawisze(bool Funk, bool Funk1)
{
    m_okno.Klawisze(Funk, Funk1);
}

bool DokumentyOknaPartii::isFrameWynikVisible() const
{
    return !m_okno.FrameWynik->isHidden();
}

void DokumentyOknaPartii::setFrameWynikVisible(bool visible)
{
    m_okno.FrameWynik->setVisible(visible);
    if (visible)
        m_okno.FrameWynik->raise();
}

void DokumentyOknaPartii::setComDrukujEnabled(bool enabled)
{
    m_okno.ComDrukuj->setEnabled(enabled);
}

namespace {

// Each press works on the window as it is at that moment.
template <void (*Handler)(BatchDocumentsHost&)>
std::function<void()> naOknie()
{
    return [] {
        FormPartia& window = FormPartia::instance();
        DokumentyOknaPartii okno(window);
        Handler(okno);
        // A printout or the file may have stored the batch's declared count through the batch
        // list's recordset: the grid shows it again.
        window.DBGridPartia->viewport()->update();
    };
}

} // namespace

void polaczDokumentyOknaPartii()
{
    PoleceniaOknaPartii& polecenia = poleceniaOknaPartii();
    polecenia.ComDrukuj_Click = naOknie<&ComDrukuj_Click>();
    polecenia.ComProtokol_Click = naOknie<&ComProtokol_Click>();
    polecenia.ComProtokolSaria1_Click = naOknie<&ComProtokolSaria1_Click>();
    polecenia.ComPismoPrzewodnie_Click = naOknie<&ComPismoPrzewodnie_Click>();
    polecenia.ComMail_Click = naOknie<&ComMail_Click>();
}

} // namespace trelimor
