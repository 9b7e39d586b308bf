#include "FormProbka.h"

#include "ui_FormProbka.h"

#include "platform/ui/WindowOpener.h"

namespace trelimor {

FormProbka::FormProbka(QWidget* parent)
    : QDialog(parent)
    , m_ui(new Ui::FormProbka)
{
    m_ui->setupUi(this);
}

FormProbka::~FormProbka()
{
    delete m_ui;
}

void otworzOknoProbki()
{
    ui::openModal(FormProbka::instance());
}

} // namespace trelimor
