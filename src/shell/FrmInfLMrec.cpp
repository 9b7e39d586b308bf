#include "FrmInfLMrec.h"

#include "ui_FrmInfLMrec.h"

#include <QKeyEvent>

namespace trelimor {

FrmInfLMrec::FrmInfLMrec(QWidget* parent)
    : QDialog(parent)
    , m_ui(new Ui::FrmInfLMrec)
{
    m_ui->setupUi(this);
    lblPlatform = m_ui->lblPlatform;
    ComSplashZamk = m_ui->ComSplashZamk;
    connect(ComSplashZamk, &QPushButton::clicked, this, &QWidget::hide);
}

FrmInfLMrec::~FrmInfLMrec()
{
    delete m_ui;
}

void FrmInfLMrec::keyPressEvent(QKeyEvent* event)
{
    event->accept();
    hide();
}

} // namespace trelimor
