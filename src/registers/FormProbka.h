#pragma once

#include "platform/ui/DefaultInstance.h"

#include <QDialog>

namespace Ui {
class FormProbka;
}

namespace trelimor {

// An empty window: it has no controls and does nothing when activated.
class FormProbka : public QDialog
{
    Q_OBJECT

public:
    static FormProbka& instance() { return ui::DefaultInstance<FormProbka>::get(); }
    ~FormProbka() override;

private:
    friend class ui::DefaultInstance<FormProbka>;
    explicit FormProbka(QWidget* parent = nullptr);

    Ui::FormProbka* m_ui;
};

void otworzOknoProbki();

} // namespace trelimor
