#include "FormNumery.h"

#include "ui_FormNumery.h"

#include "common/Messages.h"
#include "common/TableHelpers.h"
#include "common/TextHelpers.h"

#include "platform/ui/WindowOpener.h"

#include <QKeyEvent>

namespace trelimor {

namespace {

Refusal warning(const QString& title, const QString& text, const QString& focus)
{
    return {ui::Icon::Warning, title, text, focus};
}

} // namespace

std::optional<Refusal> sprawdzNumeryProbek(const QString& daily, const QString& general, const QString& date)
{
    const QString dailyBox = QStringLiteral("TextNrDziennyF");
    const QString generalBox = QStringLiteral("TextNrOgolnyF");
    const auto day = wholeNumber<qint16>(daily);
    if (!day)
        return warning(QStringLiteral("Popraw"),
                       QStringLiteral("Nieprawidłowy numer dzienny!\rWprowadź ponownie."), dailyBox);
    const auto running = wholeNumber<qint32>(general);
    if (!running)
        return warning(QStringLiteral("Popraw"),
                       QStringLiteral("Nieprawidłowy numer ogólny!\rWprowadź ponownie."), generalBox);
    if (CzyJestNrDzien(int(*day), date.trimmed()))
        return warning(kCheckTitle,
                       QStringLiteral("Nr dzienny: ") + daily + QStringLiteral(" już istnieje! Popraw!"),
                       dailyBox);
    if (CzyJestNrOgolny(*running))
        return warning(kCheckTitle,
                       QStringLiteral("Nr ogólny: ") + general + QStringLiteral(" już istnieje! Popraw!"),
                       generalBox);
    return std::nullopt;
}

FormNumery::FormNumery(QWidget* parent)
    : QDialog(parent)
    , m_ui(new Ui::FormNumery)
{
    m_ui->setupUi(this);
    TextNrDziennyF = m_ui->TextNrDziennyF;
    TextNrOgolnyF = m_ui->TextNrOgolnyF;
    ComOk = m_ui->ComOk;
    ComAnulujFr = m_ui->ComAnulujFr;
    TextNrDziennyF->installEventFilter(this);
    TextNrOgolnyF->installEventFilter(this);
    connect(ComOk, &QPushButton::clicked, this, &FormNumery::ComOk_Click);
    connect(ComAnulujFr, &QPushButton::clicked, this, &FormNumery::ComAnulujFr_Click);
}

FormNumery::~FormNumery()
{
    delete m_ui;
}

bool FormNumery::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        Form_Activate();
    return QDialog::event(event);
}

bool FormNumery::eventFilter(QObject* watched, QEvent* event)
{
    // Enter moves on from the daily to the general number and from there to OK, pressing
    // nothing: the numbers are checked only when OK itself is pressed.
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (watched == TextNrDziennyF)
                TextNrOgolnyF->setFocus();
            else if (watched == TextNrOgolnyF)
                ComOk->setFocus();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void FormNumery::Form_Activate()
{
    TextNrDziennyF->setFocus();
}

void FormNumery::ComOk_Click()
{
    const QString daily = TextNrDziennyF->text();
    const QString general = TextNrOgolnyF->text();
    if (const auto refusal = sprawdzNumeryProbek(daily, general, m_labData)) {
        ui::dialogs().message(refusal->text, refusal->title, refusal->icon);
        if (auto* box = findChild<QWidget*>(refusal->focus))
            box->setFocus();
        return;
    }
    m_numery = NumeryProbek{daily, general};
    accept();
}

void FormNumery::ComAnulujFr_Click()
{
    m_numery.reset();
    reject();
}

std::optional<NumeryProbek> podajNumeryProbek(const QString& labData)
{
    FormNumery& dialog = FormNumery::instance();
    dialog.setLabData(labData);
    if (ui::openModal(dialog) != QDialog::Accepted)
        return std::nullopt;
    return dialog.numery();
}

} // namespace trelimor
