#include "FormKalendarz.h"

#include "ui_FormKalendarz.h"

#include "platform/ui/Twips.h"

#include <QKeyEvent>

namespace trelimor {

namespace {
// Between the month view's foot and the buttons, and below the buttons.
constexpr int kButtonGapTwips = 3330 - (270 + 2820);
constexpr int kBottomMarginTwips = 3930 - (3330 + 375);
} // namespace

FormKalendarz::FormKalendarz(QWidget* parent)
    : CalendarPicker(parent)
    , m_ui(new Ui::FormKalendarz)
{
    m_ui->setupUi(this);
    Kalendarz = m_ui->Kalendarz;
    Command1 = m_ui->Command1;
    Command2 = m_ui->Command2;
    attachCalendar(Kalendarz);
    // The buttons stay below the month view however large it had to grow, and the window
    // keeps its margins around both.
    const QRect view = Kalendarz->geometry();
    const int buttonsTop = view.bottom() + 1 + ui::twipsToPixels(kButtonGapTwips);
    const int widthNow = qMax(width(), view.right() + 1 + view.left());
    const int shift = (widthNow - width()) / 2; // the buttons stay centred under a wider view
    Command1->move(Command1->x() + shift, buttonsTop);
    Command2->move(Command2->x() + shift, buttonsTop);
    setFixedSize(widthNow,
                 qMax(height(), buttonsTop + Command1->height() + ui::twipsToPixels(kBottomMarginTwips)));
    connect(Command1, &QPushButton::clicked, this, &QDialog::accept);
    connect(Command2, &QPushButton::clicked, this, &FormKalendarz::reject);
}

FormKalendarz::~FormKalendarz()
{
    delete m_ui;
}

void FormKalendarz::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape)
        reject();
    else if (!event->text().isEmpty())
        accept();
    else
        QDialog::keyPressEvent(event);
}

} // namespace trelimor
