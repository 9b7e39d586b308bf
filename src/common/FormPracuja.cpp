#include "FormPracuja.h"

#include "ui_FormPracuja.h"

#include "ModLabor.h"
#include "PresenceFile.h"

#include <QEvent>

namespace trelimor {

FormPracuja::FormPracuja(QWidget* parent)
    : QDialog(parent)
    , m_ui(new Ui::FormPracuja)
{
    m_ui->setupUi(this);
    Label3 = m_ui->Label3;
    TextPracuja = m_ui->TextPracuja;
    ComOk = m_ui->ComOk;
    connect(ComOk, &QPushButton::clicked, this, &FormPracuja::ComOk_Click);
}

FormPracuja::~FormPracuja()
{
    delete m_ui;
}

bool FormPracuja::event(QEvent* event)
{
    // Every showing reads the file, not only an activation: a window opened again while the
    // program never lost the focus (or without a window manager) gets no activation event.
    if (event->type() == QEvent::Show || event->type() == QEvent::WindowActivate)
        Form_Activate();
    return QDialog::event(event);
}

void FormPracuja::Form_Activate()
{
    if (!ModLabor().PierwszaAktywacja)
        return;
    // A missing or unreadable file means nobody is registered: the list is empty.
    const QStringList users = PresenceFile::readEntries(PresenceFile::pathFor(ModLabor().BazaStale.name()));
    QString list;
    for (const QString& user : users)
        list += user + QLatin1Char('\n');
    TextPracuja->setPlainText(list);
}

void FormPracuja::ComOk_Click()
{
    hide();
}

} // namespace trelimor
