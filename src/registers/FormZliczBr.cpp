#include "FormZliczBr.h"

#include "ui_FormZliczBr.h"

#include "platform/ui/WindowOpener.h"

namespace trelimor {

FormZliczBr::FormZliczBr(QWidget* parent)
    : QDialog(parent)
    , m_ui(new Ui::FormZliczBr)
{
    m_ui->setupUi(this);
    OptWynik = m_ui->OptWynik;
    OptOkap = m_ui->OptOkap;
    ComOk = m_ui->ComOk;
    connect(ComOk, &QPushButton::clicked, this, &FormZliczBr::ComOk_Click);
}

FormZliczBr::~FormZliczBr()
{
    delete m_ui;
}

void FormZliczBr::ComOk_Click()
{
    accept();
}

void otworzZliczanieBr()
{
    ui::openModal(FormZliczBr::instance());
}

} // namespace trelimor
