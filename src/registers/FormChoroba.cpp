#include "FormChoroba.h"

#include "CommonFields.h"

#include "MatrixEditor.h"
#include "RegisterFrame.h"

#include "common/DataControl.h"
#include "common/Messages.h"
#include "common/ModLabor.h"

#include "platform/ui/WindowOpener.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QVBoxLayout>

namespace trelimor {

namespace {

const QString kCode = QStringLiteral("TextKierunek");
const QString kName = QStringLiteral("TextNazKierunek");

// The five fields of a slot in the order the focus takes them, with their limits.
struct SlotField
{
    const char* field;
    int maxLength;
};
constexpr SlotField kSlotFields[] = {
    {"Typ", 10}, {"NazTyp", 30}, {"Metoda", 10}, {"NazMetoda", 30}, {"Procedura", 100}};

QString slotField(const char* field, int slot)
{
    return QString::fromLatin1(field) + QString::number(slot);
}

QString slotBox(const char* field, int slot)
{
    return QStringLiteral("Text") + slotField(field, slot);
}

QList<GridColumn> columns()
{
    QList<GridColumn> list{{QStringLiteral("Nr"), QStringLiteral("IDKIERUNEK")},
                           {QStringLiteral("Kod kierunku"), QStringLiteral("Kierunek")},
                           {QStringLiteral("Nazwa kierunku"), QStringLiteral("NazKierunek")},
                           {QStringLiteral("Typ1"), QStringLiteral("Typ1")},
                           {QStringLiteral("Nazwa Typ 1"), QStringLiteral("NazTyp1")},
                           {QStringLiteral("Procedura 1"), QStringLiteral("Procedura1")},
                           {QStringLiteral("Metoda 1"), QStringLiteral("Metoda1")},
                           {QStringLiteral("Nazwa Metoda 1"), QStringLiteral("NazMetoda1")}};
    for (int slot = 2; slot <= FormChoroba::SlotCount; ++slot)
        for (const char* field : {"Typ", "NazTyp", "Procedura", "Metoda", "NazMetoda"})
            list << GridColumn{slotField(field, slot), slotField(field, slot)};
    return list;
}

std::vector<FieldDef> fields()
{
    FieldDef id{QStringLiteral("IDKIERUNEK"), QStringLiteral("TextID")};
    id.save = SaveRule::NewRowOnly;
    id.placedByWindow = true;
    FieldDef code{QStringLiteral("Kierunek"), kCode, BoxKind::Line, QStringLiteral("Kierunek")};
    code.maxLength = 10;
    code.trim = true;
    FieldDef name{QStringLiteral("NazKierunek"), kName, BoxKind::Line, QStringLiteral("Nazwa kierunku")};
    name.maxLength = 30;
    name.sameRow = true;
    std::vector<FieldDef> list{id, code, name};
    for (int slot = 1; slot <= FormChoroba::SlotCount; ++slot) {
        for (const SlotField& f : kSlotFields) {
            FieldDef box{slotField(f.field, slot), slotBox(f.field, slot)};
            box.maxLength = f.maxLength;
            box.placedByWindow = true;
            list.push_back(box);
        }
    }
    return list;
}

} // namespace

RegisterConfig FormChoroba::configuration()
{
    RegisterConfig c;
    c.windowName = QStringLiteral("FormChoroba");
    c.caption = QStringLiteral("KIERUNEK BADANIA");
    c.heading = {QStringLiteral("LabelTytul"), QStringLiteral("DEFINICJA KIERUNKU BADANIA"), {}};
    c.table = QStringLiteral("KIERUNEK");
    c.dataControl = QStringLiteral("DataChoroba");
    c.grid = QStringLiteral("DBGridChoroba");
    c.columns = columns();

    c.frame = QStringLiteral("FrameChoroba");
    c.newCaption = QStringLiteral(" NOWY KIERUNEK BADANIA ");
    c.correctionCaption = QStringLiteral(" KOREKTA KIERUNKU BADANIA ");
    c.fields = fields();
    c.save = {QStringLiteral("ComZapiszFr"), QStringLiteral("&Zapisz i zamknij"), {}};
    c.cancel = {QStringLiteral("ComAnuluj"), QStringLiteral("&Anuluj"), {}};
    c.focusOnAdd = kCode;
    c.focusOnCorrection = kName;

    c.add = {QStringLiteral("ComDodaj"), QStringLiteral("&Dodaj"), {}};
    c.correct = {QStringLiteral("ComPopraw"), QStringLiteral("&Popraw"), {}};
    c.remove = {QStringLiteral("ComUsun"), QStringLiteral("&Usuń"), {}};
    c.close = {QStringLiteral("ComZamknij"), QStringLiteral("&Zamknij"), QStringLiteral("Zamknij okno")};
    c.locked = {QStringLiteral("ComDodaj"),   QStringLiteral("ComUsun"),     QStringLiteral("ComPopraw"),
                QStringLiteral("ComZamknij"), QStringLiteral("DataChoroba"), QStringLiteral("DBGridChoroba")};

    c.key = {QStringLiteral("IDKIERUNEK"), QStringLiteral("TextID"), KeyProposal::LastPlusOne,
             QStringLiteral("SELECT * FROM KIERUNEK ORDER BY IDKIERUNEK"), false};
    c.checks = {emptyCheck(kName, QStringLiteral("Wprowadź kierunek badania!"))};
    // A code is unique whether it is new or changed by a correction: two directions with one
    // code would share their matrices.
    c.duplicate = alreadyExists(QStringLiteral("Kierunek"), kCode, true, QStringLiteral("Pozycja: "), kName);
    c.saveErrorTitle = QStringLiteral("Zapis kierunku badania");
    c.deletion.question = QStringLiteral("Czy usunąć kierunek: ");
    c.deletion.questionField = QStringLiteral("Kierunek");
    c.deletion.title = kQuestionTitle;
    c.deletion.lockWhileAsking = true;
    c.deletion.beepWhenEmpty = true;
    c.deletion.beepAfterDelete = true;
    c.deletion.refreshAfter = false;
    c.hooks.firstActivation = [](RegisterWindow& w) { static_cast<FormChoroba&>(w).firstActivation(); };
    c.hooks.frameOpened = [](RegisterWindow& w) { static_cast<FormChoroba&>(w).frameOpened(); };
    return c;
}

FormChoroba::FormChoroba()
    : RegisterWindow(configuration())
{
    QWidget* id = frame().box(QStringLiteral("TextID"));
    id->hide();
    id->setEnabled(false);
    auto* idLabel = new QLabel(QStringLiteral("Numer"), &frame());
    idLabel->setObjectName(QStringLiteral("Label1"));
    idLabel->hide();

    frame().addSection(buildSlots());
    m_matrices = new MatrixEditor(*this);
    frame().addSection(m_matrices);
    QPushButton* saveOnly =
        frame().addButton({QStringLiteral("ComZapiszOnly"), QStringLiteral("Z&apisz"), {}});
    connect(saveOnly, &QPushButton::clicked, this, &FormChoroba::ComZapiszOnly_Click);
    m_use = frame().addButton({QStringLiteral("ComUzyj"), QStringLiteral("&Użyj"),
                               QStringLiteral("Wstawia zaznaczone dane do okna wyniku edytowanej próbki")});
    m_use->hide();
    connect(m_use, &QPushButton::clicked, this, &FormChoroba::ComUzyj_Click);

    const QSize frameSize = frame().sizeHint();
    setMinimumSize(qMax(minimumWidth(), frameSize.width() + 40), frameSize.height() + 140);
    resize(qMax(width(), frameSize.width() + 40), qMax(height(), frameSize.height() + 180));
}

FormChoroba::~FormChoroba() = default;

QWidget* FormChoroba::buildSlots()
{
    auto* section = new QWidget(&frame());
    auto* layout = new QVBoxLayout(section);
    layout->setContentsMargins(0, 0, 0, 0);
    m_tabs = new QTabBar(section);
    m_tabs->setObjectName(QStringLiteral("TabStrip1"));
    layout->addWidget(m_tabs);
    for (int slot = 1; slot <= SlotCount; ++slot) {
        m_tabs->addTab(QStringLiteral("Typ badania %1").arg(slot));
        auto* slotFrame = new QFrame(section);
        slotFrame->setObjectName(QStringLiteral("FrameTyp%1").arg(slot));
        slotFrame->setFrameShape(QFrame::StyledPanel);
        auto* grid = new QGridLayout(slotFrame);
        auto box = [&](const char* field) { return frame().box(slotBox(field, slot)); };
        grid->addWidget(new QLabel(QStringLiteral("Typ badania"), slotFrame), 0, 0);
        grid->addWidget(box("Typ"), 0, 1);
        grid->addWidget(box("NazTyp"), 0, 2);
        grid->addWidget(new QLabel(QStringLiteral("Metoda"), slotFrame), 1, 0);
        grid->addWidget(box("Metoda"), 1, 1);
        grid->addWidget(box("NazMetoda"), 1, 2);
        grid->addWidget(new QLabel(QStringLiteral("Procedura"), slotFrame), 2, 0);
        grid->addWidget(box("Procedura"), 2, 1, 1, 2);
        grid->setColumnStretch(2, 1);
        for (int i = 1; i < int(std::size(kSlotFields)); ++i)
            setTabOrder(box(kSlotFields[i - 1].field), box(kSlotFields[i].field));
        slotFrame->setVisible(slot == 1);
        m_slotFrames[slot - 1] = slotFrame;
        layout->addWidget(slotFrame);
    }
    connect(m_tabs, &QTabBar::currentChanged, this, &FormChoroba::TabStrip1_Click);
    return section;
}

QWidget& FormChoroba::editFrame()
{
    return frame();
}

int FormChoroba::selectedSlot() const
{
    return m_tabs->currentIndex() + 1;
}

QString FormChoroba::directionCode() const
{
    return frame().text(kCode).trimmed();
}

bool FormChoroba::directionStored() const
{
    if (NowyRekord() || editedRowid() < 0)
        return false;
    const QVariant stored = ModLabor().BazaStale.scalar(
        QStringLiteral("SELECT Kierunek FROM KIERUNEK WHERE rowid = ?"), {editedRowid()});
    return stored.isValid() && BezNullText(stored) == directionCode();
}

void FormChoroba::TabStrip1_Click()
{
    const int slot = selectedSlot();
    for (int i = 0; i < SlotCount; ++i)
        m_slotFrames[i]->setVisible(i + 1 == slot);
    m_typBiezacy = frame().text(slotBox("Typ", slot));
    m_matrices->showMatrices(directionCode(), m_typBiezacy);
}

void FormChoroba::frameOpened()
{
    frame().box(QStringLiteral("TextID"))->setEnabled(false);
    if (NowyRekord())
        m_matrices->showNone();
    else
        TabStrip1_Click();
}

void FormChoroba::ComZapiszOnly_Click()
{
    if (save())
        correct();
}

void FormChoroba::setReceiver(Receiver receiver)
{
    m_receiver = std::move(receiver);
    m_use->setVisible(bool(m_receiver));
}

void FormChoroba::ComUzyj_Click()
{
    if (!m_receiver)
        return;
    QHash<QString, QString> values{{kCode, frame().text(kCode)}, {kName, frame().text(kName)}};
    for (const SlotField& f : kSlotFields)
        values.insert(QStringLiteral("Text") + QString::fromLatin1(f.field),
                      frame().text(slotBox(f.field, selectedSlot())));
    try {
        m_matrices->addCurrentMatrix(values);
    } catch (const std::exception& e) {
        PokazBlad(QStringLiteral("Użyj"), e);
        return;
    }
    m_receiver(values);
    cancel();
    hide();
}

void FormChoroba::firstActivation()
{
    ModLaborValues& m = ModLabor();
    const QString name = m.TrybSlownika;
    m.PierwszaAktywacja = false;
    if (name.isEmpty() || dataControl().recordCount() == 0)
        return;
    try {
        // A name that no direction bears opens nothing.
        if (dataControl().recordset().findFirst(QStringLiteral("NazKierunek = ?"), {name})) {
            dataControl().currentChanged();
            correct();
        }
    } catch (const std::exception& e) {
        PokazBlad(QStringLiteral("Kierunek badania"), e);
    }
}

void FormChoroba::reject()
{
    m_matrices->ComAnulujMatryca_Click();
    RegisterWindow::reject();
}

void FormChoroba::resizeEvent(QResizeEvent* event)
{
    RegisterWindow::resizeEvent(event);
    m_matrices->placeFrame();
}

void otworzKierunki()
{
    FormChoroba& window = FormChoroba::instance();
    window.bindRecords(QStringLiteral("SELECT * FROM KIERUNEK ORDER BY IDKIERUNEK"));
    window.matrices().showAll();
    ModLabor().PierwszaAktywacja = true;
    ui::openModal(window);
}

} // namespace trelimor
