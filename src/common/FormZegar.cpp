#include "FormZegar.h"

#include "ui_FormZegar.h"

#include "TextHelpers.h"

#include "platform/ui/Clock.h"
#include "platform/ui/DialogService.h"
#include "platform/ui/WindowOpener.h"

#include <QKeyEvent>

namespace trelimor {

namespace {

void fillNumbers(QListWidget& list, int count)
{
    list.clear();
    for (int i = 0; i < count; ++i)
        list.addItem(UzupelnijZerami(QString::number(i), true, 2));
}

// Selects the entry with the text; an entry that does not occur leaves the selection as it was.
void selectEntry(QListWidget& list, const QString& text)
{
    const auto found = list.findItems(text, Qt::MatchExactly);
    if (!found.isEmpty())
        list.setCurrentItem(found.first());
}

int selectedRow(const QListWidget& list)
{
    const auto selected = list.selectedItems();
    return selected.isEmpty() ? -1 : list.row(selected.first());
}

void restoreRow(QListWidget& list, int row)
{
    if (row >= 0)
        list.setCurrentRow(row);
    else
        list.clearSelection();
}

} // namespace

FormZegar::FormZegar(QWidget* parent)
    : QDialog(parent)
    , m_ui(new Ui::FormZegar)
{
    m_ui->setupUi(this);
    Label1 = m_ui->Label1;
    ListGodz = m_ui->ListGodz;
    ListMin = m_ui->ListMin;
    setFixedSize(size());
    fillNumbers(*ListGodz, 24);
    fillNumbers(*ListMin, 60);
    connect(ListMin, &QListWidget::itemDoubleClicked, this, &FormZegar::minutesChosen);
    ListMin->installEventFilter(this);
}

FormZegar::~FormZegar()
{
    delete m_ui;
}

QString FormZegar::selectedText(const QListWidget& list)
{
    const auto selected = list.selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text();
}

QString FormZegar::pick(QString& timeText)
{
    qsizetype colon = timeText.indexOf(QLatin1Char(':'));
    if (colon < 0) {
        timeText = ui::currentTime().toString(QStringLiteral("hh:mm:ss"));
        colon = 2;
    }
    // The two characters before the colon; a single hour digit ("7:45") means 07.
    QString hour = timeText.mid(qMax<qsizetype>(0, colon - 2), qMin<qsizetype>(colon, 2));
    if (hour.size() == 1)
        hour.prepend(QLatin1Char('0'));
    selectEntry(*ListGodz, hour);
    selectEntry(*ListMin, timeText.mid(colon + 1, 2));
    m_openingHour = selectedRow(*ListGodz);
    m_openingMinute = selectedRow(*ListMin);

    ListMin->setFocus();
    ui::openModal(*this);
    return selectedText(*ListGodz) + QLatin1Char(':') + selectedText(*ListMin);
}

void FormZegar::reject()
{
    restoreRow(*ListGodz, m_openingHour);
    restoreRow(*ListMin, m_openingMinute);
    QDialog::reject();
}

bool FormZegar::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ListMin && event->type() == QEvent::KeyPress &&
        !static_cast<QKeyEvent*>(event)->text().isEmpty()) {
        minutesChosen();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void FormZegar::minutesChosen()
{
    if (selectedText(*ListGodz).isEmpty()) {
        ui::dialogs().beep();
        ListGodz->setCurrentRow(0);
        return;
    }
    accept();
}

} // namespace trelimor
