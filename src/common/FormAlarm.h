#pragma once

#include <QDialog>
#include <QTimer>

#include <optional>

#include "platform/ui/DefaultInstance.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace Ui {
class FormAlarm;
}

namespace trelimor {

// The self-closing alarm: red, the message in bold, an exclamation mark after about a second,
// a burst once the delay has passed, and then it hides itself.
class FormAlarm : public QDialog
{
    Q_OBJECT

public:
    static FormAlarm& instance();
    static void resetInstance();
    ~FormAlarm() override;

    // Width (twips) and left edge (twips) of the window for a message and a title.
    static int widthFor(const QString& message, const QString& title);
    static double leftFor(int width) { return 5800.0 - width / 2.0; }

    // Prepares the window for one alarm; PokazAlarm shows it afterwards.
    void prepare(const QString& message, const QString& title, int delaySeconds, bool closeButton);

    int phase() const { return m_phase; }
    // One beat of Timer1; public so tests drive it with a fake clock.
    void tick();

    QLabel* Label1;
    QPushButton* ComZamk;
    QLineEdit* MEBZwl;
    QLabel* Picture1;
    QLabel* Picture2;
    QTimer Timer1;

private:
    friend class ui::DefaultInstance<FormAlarm>;
    explicit FormAlarm(QWidget* parent = nullptr);
    void finish();

    Ui::FormAlarm* m_ui;
    std::optional<qint64> m_start; // steady clock reading at the first tick of a showing
    int m_phase = 1;
};

} // namespace trelimor
