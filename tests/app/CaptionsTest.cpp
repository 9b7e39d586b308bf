// Every window of the program, opened as the program opens it and at its designed size: no
// caption of a label, button, check box, radio button or group box may be wider (or taller)
// than its control, in the font the windows are laid out for.

#include "app/Wiring.h"

#include "batch/FormPartia.h"
#include "common/Messages.h"
#include "common/ModLabor.h"
#include "common/Pickers.h"
#include "common/WindowCommands.h"
#include "common/YearlyDatabase.h"
#include "documents/FormDrukRap.h"
#include "registers/FormChoroba.h"
#include "registers/FormMetBadStr.h"
#include "registers/FormNumery.h"
#include "registers/FormProbka.h"
#include "registers/FormZliczBr.h"
#include "registers/Openers.h"
#include "registers/RegisterWindow.h"
#include "shell/aMain.h"
#include "shell/frmLoginLab.h"

#include "platform/ui/WindowOpener.h"

#include "BatchRows.h"
#include "support/ProgramFixture.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

using namespace trelimor;
using namespace Qt::StringLiterals;

namespace {

// The room a caption needs in its control, with the style's own margins; an empty size for a
// control without a caption to check.
QSize captionRoom(const QWidget& control)
{
    const QStyle* style = control.style();
    const QFontMetrics fm = control.fontMetrics();
    if (const auto* label = qobject_cast<const QLabel*>(&control)) {
        if (label->text().isEmpty())
            return {};
        if (label->wordWrap()) // a wrapped text needs its lines' height at the label's width
            return {0, label->heightForWidth(label->width())};
        return label->sizeHint();
    }
    if (qobject_cast<const QCheckBox*>(&control) || qobject_cast<const QRadioButton*>(&control)) {
        const auto& button = static_cast<const QAbstractButton&>(control);
        return button.text().isEmpty() ? QSize() : button.sizeHint();
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(&control)) {
        if (button->text().isEmpty())
            return {};
        // The text and the button's frame and margins; not the style's wish for a wide button.
        const QSize text = fm.size(Qt::TextShowMnemonic, button->text());
        const int frame = 2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &control) +
                          style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, &control);
        int width = text.width() + frame;
        if (!button->icon().isNull())
            width += button->iconSize().width() + 4;
        return {width,
                text.height() + 2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &control)};
    }
    if (const auto* box = qobject_cast<const QGroupBox*>(&control)) {
        if (box->title().isEmpty())
            return {};
        QStyleOptionGroupBox option;
        option.initFrom(box);
        option.text = box->title();
        option.lineWidth = 1;
        option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
        const QSize title(fm.size(Qt::TextShowMnemonic, box->title() + u' '));
        return {style->sizeFromContents(QStyle::CT_GroupBox, &option, title, box).width(), 0};
    }
    return {};
}

// "window/control: caption (needs w×h, has w×h)" for each clipped caption of the window's
// controls that are shown, and for each layout squeezed below its minimum (its controls would
// overlap).
QStringList clippedCaptions(QWidget& window)
{
    QStringList clipped;
    QList<QWidget*> widgets = window.findChildren<QWidget*>();
    widgets.prepend(&window);
    for (QWidget* control : std::as_const(widgets)) {
        if (!control->isVisibleTo(&window) && control != &window)
            continue;
        if (const QLayout* layout = control->layout()) {
            const QSize minimum = layout->minimumSize();
            if (minimum.width() > control->width() || minimum.height() > control->height())
                clipped << u"%1/%2: layout (needs %3×%4, has %5×%6)"_s
                               .arg(window.objectName(), control->objectName())
                               .arg(minimum.width())
                               .arg(minimum.height())
                               .arg(control->width())
                               .arg(control->height());
        }
        const QSize room = captionRoom(*control);
        if (room.width() <= control->width() && room.height() <= control->height())
            continue;
        QString caption;
        if (const auto* label = qobject_cast<QLabel*>(control))
            caption = label->text();
        else if (const auto* button = qobject_cast<QAbstractButton*>(control))
            caption = button->text();
        else if (const auto* box = qobject_cast<QGroupBox*>(control))
            caption = box->title();
        clipped << u"%1/%2: \"%3\" (needs %4×%5, has %6×%7)"_s
                       .arg(window.objectName(), control->objectName(), caption)
                       .arg(room.width())
                       .arg(room.height())
                       .arg(control->width())
                       .arg(control->height());
    }
    return clipped;
}

// Opens each window as the program does, shown at its size, looks at its captions, runs what
// the test asks for the window (opening its frames, say) and closes it again.
class CaptionCheckingOpener : public ui::WindowOpener
{
public:
    using Service = ui::WindowOpener;
    static constexpr auto install = &ui::setOpener;

    int open(QDialog& window) override
    {
        m_opened << window.objectName();
        window.show();
        window.activateWindow();
        if (!QTest::qWaitForWindowExposed(&window))
            ADD_FAILURE() << window.objectName().toStdString() << " was not shown";
        check(window);
        if (auto* registerWindow = qobject_cast<RegisterWindow*>(&window)) {
            registerWindow->add(); // its edit frame
            check(window);
            registerWindow->cancel();
        }
        if (const auto steps = m_steps.constFind(window.objectName()); steps != m_steps.constEnd())
            (*steps)(window);
        window.hide();
        return QDialog::Rejected;
    }

    void check(QWidget& window) { m_clipped << clippedCaptions(window); }
    void onOpen(const QString& name, std::function<void(QDialog&)> steps) { m_steps.insert(name, steps); }

    const QStringList& opened() const { return m_opened; }
    const QStringList& clipped() const { return m_clipped; }

private:
    QHash<QString, std::function<void(QDialog&)>> m_steps;
    QStringList m_opened;
    QStringList m_clipped;
};

class CaptionsTest : public test::ProgramFixture
{
protected:
    void SetUp() override
    {
        ProgramFixture::SetUp();
        polaczPodsystemy();
    }
};

TEST_F(CaptionsTest, EveryCaptionOfEveryWindowFitsItsControl)
{
    test::addOperator(u"002"_s, u"Nowak Jan"_s, u"Operator"_s, u"jnowak"_s, u"Tajne1"_s);
    ASSERT_EQ(start(u"jnowak"_s, u"Tajne1"_s), std::nullopt);
    test::dodajLekarzaIZaklad(ModLabor().BazaStale);
    ASSERT_TRUE(openYearlyDatabase());
    test::dodajPartie(ModLabor().BazaRok, 1, 2);

    test::Installed<CaptionCheckingOpener> windows;
    windows->check(mainWindow());
    windows->onOpen(u"FormPartia"_s, [&windows](QDialog&) {
        FormPartia& batch = FormPartia::instance();
        batch.ComDodajPr_Click(); // the batch frame
        windows->check(batch);
        batch.ComAnulujFr_Click();
        batch.ComDodajG_Click(); // the sample frame, and the client picker it opens
        windows->check(batch);
        batch.ComWNI->click();
        batch.ComAnulujFrNaPIW_Click();
        batch.FrameWynik->show(); // the print frame
        batch.FrameWynik->raise();
        windows->check(batch);
        batch.FrameWynik->hide();
    });

    for (const WindowCommand command :
         {WindowCommand::BatchWindow, WindowCommand::ClientsRegister, WindowCommand::OperatorsWindow,
          WindowCommand::InspectoratesRegister, WindowCommand::VeterinariansRegister,
          WindowCommand::BatchRemarkHints, WindowCommand::SampleRemarkHints, WindowCommand::UserRecordWindow,
          WindowCommand::EstablishmentsRegister, WindowCommand::SamplingProcedures,
          WindowCommand::SamplingPlans, WindowCommand::UnitsRegister, WindowCommand::ScratchWindow,
          WindowCommand::LockViewer, WindowCommand::OptionsWindow, WindowCommand::Statistics})
        windowCommands().run(command);
    mainWindow().OAutorze_Click();
    ui::openModal(FormDrukRap::instance());
    ui::openModal(frmLoginLab::instance());
    otworzWIW();
    otworzGatunki();
    otworzKierunki();
    otworzOknoProbki();
    otworzZliczanieBr();
    otworzOpcjeSprawozdania(u"BSE"_s, u"1465"_s);
    podajNumeryProbek(u"31.03.2022"_s);
    QString date = u"31.03.2022"_s;
    WybierzDate(date, u"Data pobrania"_s);
    WybierzDate1(date, u"Data urodzenia"_s);
    QString time = u"10:15"_s;
    WybierzGodzine(time);
    PokazAlarm(u"Nie posiadasz uprawnień administratora!"_s, u"ALARM!!!"_s, 1, false);
    PokazAlarm(u"Ustaw poprawny format daty w ustawieniach regionalnych WINDOWS!"_s, u"dd.mm.rrrr"_s, 15,
               true);

    EXPECT_EQ(windows->clipped(), QStringList());
    // Each window was looked at: a window left out of this list would go unchecked.
    const QStringList expected{u"FormPartia"_s,
                               u"FormKlient"_s,
                               u"FormKlient"_s,
                               u"FormOperat"_s,
                               u"FormPIW"_s,
                               u"FormLekarz"_s,
                               u"FormPodp"_s,
                               u"FormPodp"_s,
                               u"FormUzytkownik"_s,
                               u"FormZlew"_s,
                               u"FormPlanProcedura"_s,
                               u"FormPlanProcedura"_s,
                               u"FormPodpAll"_s,
                               u"FormRoboczy"_s,
                               u"FormPracuja"_s,
                               u"FormOpcje"_s,
                               u"FormZestawienieBSE"_s,
                               u"FrmInfLMrec"_s,
                               u"FormDrukRap"_s,
                               u"frmLoginLab"_s,
                               u"FormWIW"_s,
                               u"FormGatunek"_s,
                               u"FormChoroba"_s,
                               u"FormProbka"_s,
                               u"FormZliczBr"_s,
                               u"FormMetBadStr"_s,
                               u"FormNumery"_s,
                               u"FormKalendarz"_s,
                               u"FormKalendarz1"_s,
                               u"FormZegar"_s,
                               u"FormAlarm"_s,
                               u"FormAlarm"_s};
    EXPECT_EQ(windows->opened(), expected);
}

} // namespace
