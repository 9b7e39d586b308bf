#pragma once

#include <QDialog>
#include <QString>

#include "platform/ui/DefaultInstance.h"

class QLabel;
class QListWidget;

namespace Ui {
class FormZegar;
}

namespace trelimor {

// The time picker: a list of hours and a list of minutes. A double-click or a key typed in the
// minute list ends the pick, once an hour is chosen.
class FormZegar : public QDialog
{
    Q_OBJECT

public:
    static FormZegar& instance() { return ui::DefaultInstance<FormZegar>::get(); }
    ~FormZegar() override;

    // Preselects the hour and minute of "hh:mm" (the caller's text becomes the current time
    // when it holds no ":"), shows the window and returns "hh:mm" of the selections; a list
    // without a selection gives an empty part.
    QString pick(QString& timeText);

    // The selected entry of a list, or an empty text.
    static QString selectedText(const QListWidget& list);

    // Closing the window through its frame (or Esc elsewhere than in the minute list) cancels:
    // the selections go back to what the pick opened with.
    void reject() override;

    QLabel* Label1;
    QListWidget* ListGodz;
    QListWidget* ListMin;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend class ui::DefaultInstance<FormZegar>;
    explicit FormZegar(QWidget* parent = nullptr);

    // A double-click or a key in the minute list.
    void minutesChosen();

    Ui::FormZegar* m_ui;
    int m_openingHour = -1;
    int m_openingMinute = -1;
};

} // namespace trelimor
