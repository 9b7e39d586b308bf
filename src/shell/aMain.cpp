#include "aMain.h"

#include "ui_aMain.h"

#include "ShellHooks.h"

#include "common/Dates.h"
#include "common/Messages.h"
#include "common/ProgramState.h"
#include "common/WindowCommands.h"
#include "common/YearlyDatabase.h"

#include "platform/ui/Twips.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QStatusBar>

namespace trelimor {

namespace {

int twips(int pixels)
{
    return ui::pixelsToTwips(pixels);
}

int pixels(double twips)
{
    return ui::twipsToPixels(twips);
}

// Moves a control to a position given in twips.
void przesun(QWidget* control, double leftTwips, double topTwips)
{
    control->move(pixels(leftTwips), pixels(topTwips));
}

} // namespace

aMain::aMain(QWidget* parent)
    : QMainWindow(parent)
    , m_ui(new Ui::aMain)
{
    m_ui->setupUi(this);
    LabelData = m_ui->LabelData;
    LabMonth = m_ui->LabMonth;
    LabelKodPiw = m_ui->LabelKodPiw;
    LabelMailWIW = m_ui->LabelMailWIW;
    LabelMailPIW = m_ui->LabelMailPIW;
    LabelMailLab = m_ui->LabelMailLab;
    LabelVer = m_ui->LabelVer;
    FrameCzekaj = m_ui->FrameCzekaj;
    LabelPrCz = m_ui->LabelPrCz;
    FrameDoWIW = m_ui->FrameDoWIW;
    LabTab = m_ui->LabTab;
    LabIl = m_ui->LabIl;
    ProgressBar1 = m_ui->ProgressBar1;

    LabelVer->setText(ProgramState::kVersion);
    m_ui->Image1->setText(QStringLiteral(
        "<div style='color:#1f4e79'><span style='font-size:34pt; font-weight:bold'>TRELIMOR</span><br>"
        "<span style='font-size:10pt'>Rejestr próbek pobieranych od zwierząt do badań "
        "laboratoryjnych</span></div>"));
    zbudujPasekStanu();
    polaczPolecenia();

    for (QLabel* label : {LabelData, LabMonth, LabelKodPiw})
        label->installEventFilter(this);

    // The labels show what the program state holds: an empty user record leaves them empty.
    ProgramState& state = programState();
    connect(&state, &ProgramState::workingDateChanged, this, &aMain::pokazDateRobocza);
    connect(&state, &ProgramState::countyCodeChanged, this, &aMain::pokazKodPowiatu);
    connect(&state, &ProgramState::mailsChanged, this, &aMain::pokazAdresy);
    pokazKodPowiatu();
    pokazAdresy();

    connect(&m_jednaInstancja, &ui::SingleInstance::raiseRequested, this, &aMain::przywrocNaWierzch);
}

aMain::~aMain()
{
    delete m_ui;
}

void aMain::zbudujPasekStanu()
{
    const QStringList tips = {
        QStringLiteral("Wersja programu"), QStringLiteral("Zalogowany uzytkownik"), {}, {}};
    for (int i = 0; i < 4; ++i) {
        auto* panel = new QLabel(m_ui->StatusBar1);
        panel->setObjectName(QStringLiteral("Panel%1").arg(i + 1));
        panel->setToolTip(tips[i]);
        panel->setFrameShape(QFrame::StyledPanel);
        panel->setFrameShadow(QFrame::Sunken);
        panel->setMinimumWidth(i < 3 ? 120 : 0);
        m_ui->StatusBar1->addWidget(panel, i < 3 ? 0 : 1); // the fourth takes the rest
        m_panele.append(panel);
    }
}

QString aMain::panelText(int panel) const
{
    return panel >= 1 && panel <= m_panele.size() ? m_panele[panel - 1]->text() : QString();
}

void aMain::pokazDateRobocza()
{
    const QDate date = programState().workingDate();
    if (!date.isValid())
        return;
    LabelData->setText(programState().workingDateText());
    LabMonth->setText(NazwaMiesiaca(QString::number(date.month())).toUpper());
    // Every change of the date, also within one year, (re)opens the year's database.
    ComTworzBazy_Click();
}

void aMain::pokazKodPowiatu()
{
    LabelKodPiw->setText(programState().countyCode());
}

void aMain::pokazAdresy()
{
    const ProgramState& state = programState();
    LabelMailWIW->setText(state.mailWIW());
    LabelMailPIW->setText(state.mailPIW());
    LabelMailLab->setText(state.mailLab());
}

bool aMain::ComTworzBazy_Click()
{
    if (openYearlyDatabase())
        return true;
    // Without a county code no yearly file can be named (the opening has said so): the user
    // record is where the code is entered.
    if (!isCountyCode(programState().countyCode()))
        windowCommands().run(WindowCommand::UserRecordWindow);
    return false;
}

void aMain::LabelData_DblClick()
{
    const std::optional<QDate> picked =
        shellHooks().wybierzDate(programState().workingDate(), QStringLiteral("WYBIERZ DATĘ"));
    if (picked && picked->isValid())
        programState().setWorkingDate(*picked);
}

void aMain::LabelKodPiw_DblClick()
{
    Men2Uzytkownik_Click();
}

bool aMain::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonDblClick) {
        if (watched == LabelData || watched == LabMonth) {
            LabelData_DblClick();
            return true;
        }
        if (watched == LabelKodPiw) {
            LabelKodPiw_DblClick();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void aMain::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    Command5_Click();
}

void aMain::Command5_Click()
{
    // The rules work in twips, over the inner (client) and the outer size of the window.
    const QWidget* client = m_ui->centralwidget;
    const int innerW = twips(client->width());
    const int innerH = twips(client->height());
    const int outerW = twips(frameGeometry().width());
    const int outerH = twips(frameGeometry().height());
    const auto left = [](const QWidget* w) { return twips(w->x()); };
    const auto top = [](const QWidget* w) { return twips(w->y()); };
    const auto width = [](const QWidget* w) { return twips(w->width()); };
    const auto height = [](const QWidget* w) { return twips(w->height()); };
    const double gap = 165;

    Ui::aMain& u = *m_ui;
    przesun(u.Command1, innerW * 0.57, innerH / 2.0 - 530);
    const int column = left(u.Command1);
    przesun(u.ComWczytaj, column, top(u.Command1) + height(u.Command1) + gap);
    przesun(u.ComArchiwizacja, column, top(u.ComWczytaj) + height(u.ComArchiwizacja) + gap);
    przesun(u.ComCLab, column, top(u.ComArchiwizacja) + height(u.ComArchiwizacja) + gap);
    przesun(u.ComEnd, column, top(u.ComCLab) + height(u.ComCLab) + gap);

    const int lineLeft = left(u.Line1);
    u.Line1->resize(std::max(0, pixels(outerW - lineLeft) - u.Line1->x()), u.Line1->height());
    przesun(u.Image1, outerW / 2.0 - width(u.Image1) / 2.0, top(u.Image1));

    przesun(LabelData, left(LabelData), top(u.ComEnd));
    const int monthHeight = height(LabMonth);
    przesun(LabMonth, left(LabMonth), top(LabelData) - monthHeight / 3 - monthHeight);
    przesun(LabelVer, left(LabelVer), top(LabelData) + 1.5 * height(LabelData));

    przesun(FrameCzekaj, outerW / 2.0 - width(FrameCzekaj) / 2.0, outerH / 2.0 - height(FrameCzekaj) / 2.0);
    przesun(FrameDoWIW, left(FrameCzekaj), top(FrameCzekaj) + height(FrameCzekaj));
    przesun(u.LabelAktywPIW, column, top(u.LabelAktywPIW));
    przesun(LabelKodPiw, left(u.LabelAktywPIW) + width(u.LabelAktywPIW), top(LabelKodPiw));
}

void aMain::przywrocNaWierzch()
{
    // While a modal window (the login, say) is up, that is the window to bring forward.
    QWidget* front = QApplication::activeModalWidget();
    if (!front)
        front = this;
    if (front->isMinimized())
        front->showNormal();
    front->raise();
    front->activateWindow();
}

void aMain::closeEvent(QCloseEvent* event)
{
    // Closing the window by its frame ends the program like "Zakończenie pracy".
    if (!m_zamkniete)
        Men1Exit_Click();
    event->accept();
}

} // namespace trelimor
