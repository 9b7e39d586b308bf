#pragma once

#include "platform/ui/DefaultInstance.h"

#include <QDialog>

class QLabel;
class QPushButton;

namespace Ui {
class FrmInfLMrec;
}

namespace trelimor {

// The about window: what the program is, whom to ask, and the version.
class FrmInfLMrec : public QDialog
{
    Q_OBJECT

public:
    static FrmInfLMrec& instance() { return ui::DefaultInstance<FrmInfLMrec>::get(); }
    ~FrmInfLMrec() override;

    QLabel* lblPlatform;
    QPushButton* ComSplashZamk;

protected:
    // Any key closes the window.
    void keyPressEvent(QKeyEvent* event) override;

private:
    friend class ui::DefaultInstance<FrmInfLMrec>;
    explicit FrmInfLMrec(QWidget* parent = nullptr);

    Ui::FrmInfLMrec* m_ui;
};

} // namespace trelimor
