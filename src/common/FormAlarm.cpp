#include "FormAlarm.h"

#include "ui_FormAlarm.h"

#include "platform/ui/Clock.h"
#include "platform/ui/DefaultInstance.h"
#include "platform/ui/Twips.h"

#include <algorithm>
#include <memory>

namespace trelimor {

namespace {
constexpr int kClientHeightTwips = 2775;

// The whole seconds a steady clock of one-second resolution would show at this reading.
qint64 wholeSeconds(qint64 milliseconds)
{
    return milliseconds >= 0 ? milliseconds / 1000 : -((999 - milliseconds) / 1000);
}
} // namespace

FormAlarm& FormAlarm::instance()
{
    return ui::DefaultInstance<FormAlarm>::get();
}

void FormAlarm::resetInstance()
{
    ui::DefaultInstance<FormAlarm>::reset();
}

FormAlarm::FormAlarm(QWidget* parent)
    : QDialog(parent)
    , m_ui(new Ui::FormAlarm)
{
    m_ui->setupUi(this);
    Label1 = m_ui->Label1;
    ComZamk = m_ui->ComZamk;
    MEBZwl = m_ui->MEBZwl;
    Picture1 = m_ui->Picture1;
    Picture2 = m_ui->Picture2;
    Timer1.setInterval(100);
    connect(&Timer1, &QTimer::timeout, this, &FormAlarm::tick);
    connect(ComZamk, &QPushButton::clicked, this, &FormAlarm::finish);
    Timer1.start();
}

FormAlarm::~FormAlarm()
{
    delete m_ui;
}

int FormAlarm::widthFor(const QString& message, const QString& title)
{
    const qsizetype longer = qMax(message.size(), title.size());
    return int(std::clamp<qsizetype>(200 * longer + 600, 3180, 10000));
}

void FormAlarm::prepare(const QString& message, const QString& title, int delaySeconds, bool closeButton)
{
    const int width = widthFor(message, title);
    const int left = ui::twipsToPixels(int(leftFor(width)));
    setGeometry(left, y(), ui::twipsToPixels(width), ui::twipsToPixels(kClientHeightTwips));
    setFixedSize(ui::twipsToPixels(width), ui::twipsToPixels(kClientHeightTwips));
    setWindowTitle(title);
    Label1->resize(ui::twipsToPixels(width), Label1->height());
    Label1->setText(message);
    MEBZwl->setText(QString::number(delaySeconds));
    ComZamk->setVisible(closeButton);
}

void FormAlarm::tick()
{
    bool ok = false;
    int delay = MEBZwl->text().trimmed().toInt(&ok);
    if (!ok)
        delay = 1;
    if (!isVisible())
        return;
    const qint64 now = ui::steadyMilliseconds();
    if (!m_start) {
        m_start = now;
        return;
    }
    // Counted in changes of the clock's second, not in thousands of milliseconds: the first
    // picture comes at the first change after the window opened.
    const qint64 elapsedSeconds = wholeSeconds(now) - wholeSeconds(*m_start);
    switch (m_phase) {
    case 1:
        if (elapsedSeconds > 0) {
            m_phase = 2;
            Picture2->setVisible(true);
        }
        break;
    case 2:
        if (elapsedSeconds > delay) {
            m_phase = 3;
            Picture1->setVisible(true);
        }
        break;
    default:
        finish();
        break;
    }
}

void FormAlarm::finish()
{
    m_phase = 1;
    m_start.reset();
    Picture1->setVisible(false);
    Picture2->setVisible(false);
    hide(); // ends the modal show
}

} // namespace trelimor
