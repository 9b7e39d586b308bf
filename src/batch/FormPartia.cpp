#include "FormPartia.h"

#include "BatchGrids.h"
#include "BatchLayout.h"
#include "common/CodeLists.h"

#include "common/Messages.h"
#include "common/ModLabor.h"
#include "common/ProgramState.h"
#include "common/TableHelpers.h"

#include "platform/ui/Twips.h"

#include <QKeyEvent>
#include <QMenu>
#include <QPainter>

namespace trelimor {

namespace {

// The controls Klawisze enables and disables, in its order; LabData follows the second flag.
const QStringList kKontrolkiKlawiszy{
    QStringLiteral("ComZamk"),        QStringLiteral("ComDodajPr"),    QStringLiteral("ComPopraw"),
    QStringLiteral("ComUsun"),        QStringLiteral("ComWczytPart"),  QStringLiteral("ComMail"),
    QStringLiteral("ComDrukuj"),      QStringLiteral("ComPlik"),       QStringLiteral("DataPartia"),
    QStringLiteral("ComSzukaj"),      QStringLiteral("ComEdytuj"),     QStringLiteral("DBGridPartia"),
    QStringLiteral("DBGridPartiaG"),  QStringLiteral("LabData"),       QStringLiteral("ComDodajG"),
    QStringLiteral("ComPoprawG"),     QStringLiteral("ComUsunG"),      QStringLiteral("ComWczytaj"),
    QStringLiteral("ComRejestr"),     QStringLiteral("ComWczytWynik"), QStringLiteral("ComWczytKolektor"),
    QStringLiteral("ComPlikKolektor")};

bool isEnter(const QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

ControlPlace inTwips(const QRect& r)
{
    return {double(ui::pixelsToTwips(r.x())), double(ui::pixelsToTwips(r.y())),
            double(ui::pixelsToTwips(r.width())), double(ui::pixelsToTwips(r.height()))};
}

QRect inPixels(const ControlPlace& m)
{
    return ui::rectFromTwips(m.left, m.top, m.width, m.height);
}

} // namespace

FormPartia::FormPartia()
{
    setupUi(this);
    prepareControls();
    fillFixedLists();
    connectCommands();
    connectLists();
    connectBatchFrame();
    connectFieldPickers();

    // Filled once, when the window is made: the species and the ages.
    fillCreationLists();
    connect(&programState(), &ProgramState::remarkHintsChanged, this, &FormPartia::fillRemarkHints);
}

FormPartia::~FormPartia() = default;

void FormPartia::prepareControls()
{
    setMinimumSize(FramePartia->width() + 20, FramePartia->height() + 40);
    // Enter belongs to the fields (it moves on), never to a button of the window.
    for (QPushButton* button : findChildren<QPushButton*>())
        button->setAutoDefault(false);
    // The lists take what is typed as it is: no completion out of the list.
    for (QComboBox* combo : findChildren<QComboBox*>())
        combo->setCompleter(nullptr);
    MaskEdBoxGodzWyslaniaDoLab->clearWithMask(QStringLiteral("##:##"));

    prepareGrid(*DBGridPartia, *DataPartia, batchColumns());
    prepareGrid(*DBGridPartiaG, *DataProbka, sampleColumns());
    connect(DataPartia, &DataControl::repositioned, this, &FormPartia::showBatchSamples);
    connect(DataProbka, &DataControl::repositioned, this, [this] { ZaznaczWiersz(DBGridPartiaG); });

    menu1 = new QMenu(QStringLiteral("Menu1"), this);
    menu1->setObjectName(QStringLiteral("menu1"));
    menu1->addAction(QStringLiteral("Wstaw kod powiatu"))->setObjectName(QStringLiteral("menPIW"));
    menu1->addAction(QStringLiteral("Dopisz lecznicę/lekarza"))->setObjectName(QStringLiteral("menLecznica"));
    menu1->addSeparator();
    menu1->addAction(QStringLiteral("Ukryj"))->setObjectName(QStringLiteral("menUkryj"));

    for (QObject* watched :
         std::initializer_list<QObject*>{TextNrPartii, TextPowiat, TextUwagi, TextUwagiG, FramePartia})
        watched->installEventFilter(this);
}

// --- Opening ---------------------------------------------------------------------------------

void FormPartia::prepareForShowing()
{
    const ProgramState& state = programState();
    LabData->setText(state.workingDateText());
    LabelKodPiw->setText(state.countyCode());
    LabiNFO->clear();
    loadBatches();
    LabelNrZlecenia->setText(QLatin1Char('/') + state.workingDate().toString(QStringLiteral("yyyy")));
    fillOnOpening();
}

void FormPartia::Klawisze(bool Funk, bool Funk1)
{
    for (const QString& name : kKontrolkiKlawiszy)
        if (QWidget* control = findChild<QWidget*>(name))
            control->setEnabled(name == u"LabData" ? Funk1 : Funk);
}

// --- The current batch and its samples -------------------------------------------------------

bool FormPartia::hasBatches() const
{
    return DataPartia->recordCount() > 0;
}

QString FormPartia::currentBatch() const
{
    return LabPartia->text();
}

void FormPartia::loadBatches()
{
    DataPartia->bind(ModLabor().BazaRok, kBatchQuery);
}

void FormPartia::showBatchSamples()
{
    db::Database& rok = ModLabor().BazaRok;
    try {
        if (!rok.isOpen() || !hasBatches()) {
            if (rok.isOpen())
                bindBatchSamples(*DataProbka, rok, 0);
            else
                DataProbka->setRecordset({});
            // No batch is current (another working year, say): the caption of the batch shown
            // last goes with its list.
            LabNaglowekProbek->setText(trelimor::sampleCaption(QString(), DataProbka->recordCount()));
            return;
        }
        const QVariant partia = DataPartia->recordset().value(QStringLiteral("Partia"));
        LabPartia->setText(BezNullText(partia));
        ZaznaczWiersz(DBGridPartia);
        bindBatchSamples(*DataProbka, rok, partia);
        ZaznaczWiersz(DBGridPartiaG);
        refreshSampleCaption();
    } catch (const std::exception& e) {
        // The sample list must never show another batch's samples under this one.
        DataProbka->setRecordset({});
        PokazBlad(QStringLiteral("Powiadom programistę!"), e);
    }
}

void FormPartia::refreshSampleCaption()
{
    LabNaglowekProbek->setText(trelimor::sampleCaption(currentBatch(), DataProbka->recordCount()));
}

QString FormPartia::sampleCaption() const
{
    return LabNaglowekProbek->text();
}

// --- Window events ---------------------------------------------------------------------------

void FormPartia::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    layOut();
}

void FormPartia::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    layOut();
}

void FormPartia::reject()
{
    if (ComZamk->isEnabled())
        ComZamk_Click();
}

bool FormPartia::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == FramePartia && event->type() == QEvent::MouseButtonPress) {
        if (static_cast<QMouseEvent*>(event)->button() == Qt::RightButton)
            PokazMenuPodreczne();
        return false;
    }
    if (!isEnter(event))
        return QDialog::eventFilter(watched, event);
    if (watched == TextNrPartii || watched == TextPowiat) {
        NastepnePole();
        return false;
    }
    if (watched == TextUwagi || watched == TextUwagiG) {
        // A remark is one paragraph: Enter moves on and never breaks (or trims) the text.
        NastepnePole();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void FormPartia::paintEvent(QPaintEvent* event)
{
    QDialog::paintEvent(event);
    // The separator lines lie on the window itself, under every control.
    QPainter painter(this);
    for (const QLine& line : {m_linia1, m_linia2}) {
        painter.setPen(palette().color(QPalette::Mid));
        painter.drawLine(line);
        painter.setPen(palette().color(QPalette::Light));
        painter.drawLine(line.translated(line.dx() == 0 ? 1 : 0, line.dy() == 0 ? 1 : 0));
    }
}

void FormPartia::layOut()
{
    WindowLayout uklad;
    for (const QString& name : batchLayoutControls())
        if (const QWidget* control = findChild<QWidget*>(name))
            uklad.insert(name, inTwips(control->geometry()));
    // The sample grid's place takes its caption bar too.
    uklad.insert(QStringLiteral("DBGridPartiaG"),
                 inTwips(LabNaglowekProbek->geometry().united(DBGridPartiaG->geometry())));

    const QSize outer = frameGeometry().size();
    uklad = layOutBatchWindow(ui::pixelsToTwips(outer.width()), ui::pixelsToTwips(outer.height()), uklad);

    for (auto it = uklad.cbegin(); it != uklad.cend(); ++it)
        if (QWidget* control = findChild<QWidget*>(it.key()))
            control->setGeometry(inPixels(it.value()));
    const QRect siatkaG = inPixels(uklad.value(QStringLiteral("DBGridPartiaG")));
    const int naglowek = LabNaglowekProbek->height();
    LabNaglowekProbek->setGeometry(siatkaG.x(), siatkaG.y(), siatkaG.width(), naglowek);
    DBGridPartiaG->setGeometry(siatkaG.adjusted(0, naglowek, 0, 0));

    const QRect linia1 = inPixels(uklad.value(QStringLiteral("Line1")));
    const QRect linia2 = inPixels(uklad.value(QStringLiteral("Line2")));
    m_linia1 = QLine(linia1.left(), linia1.top(), linia1.left() + linia1.width(), linia1.top());
    m_linia2 = QLine(linia2.left(), linia2.top(), linia2.left(), linia2.top() + linia2.height());
    update();
}

} // namespace trelimor
