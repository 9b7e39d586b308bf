#include "MatrixEditor.h"

#include "RegisterFrame.h"

#include "common/DataControl.h"
#include "common/DataGrid.h"
#include "common/Messages.h"
#include "common/ModLabor.h"
#include "common/TableHelpers.h"

#include "platform/db/JetError.h"
#include "platform/db/Transaction.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace trelimor {

namespace {

const QString kCode = QStringLiteral("TextKierunek");
const QString kMatrixSql =
    QStringLiteral("SELECT * FROM MATRYCA WHERE Kierunek = ? AND Typ = ? ORDER BY Matryca");
// What waits while a matrix is typed: the matrix buttons, the direction frame's buttons, and
// what decides where the matrix goes (the selected slot and the direction's code).
const QStringList kWaiting = {QStringLiteral("ComDodajMatryca"), QStringLiteral("ComPoprawMatryca"),
                              QStringLiteral("ComUsunMatryca"),  QStringLiteral("ComZapiszOnly"),
                              QStringLiteral("ComZapiszFr"),     QStringLiteral("ComAnuluj"),
                              QStringLiteral("TabStrip1"),       kCode};

Refusal information(const QString& text, const QString& focus)
{
    return {ui::Icon::Information, kInformationTitle, text, focus};
}

} // namespace

std::optional<Refusal> matrixPlaceRefusal(const QString& directionCode, const QString& typeCode,
                                          const QString& typeFocus)
{
    if (directionCode.trimmed().isEmpty())
        return information(QStringLiteral("Przed dodaniem matrycy wpisz kierunek badania!"), kCode);
    if (typeCode.trimmed().isEmpty())
        return information(QStringLiteral("Przed dodaniem matrycy wpisz typ badania!"), typeFocus);
    return std::nullopt;
}

MatrixEditor::MatrixEditor(MatrixWindow& window)
    : QWidget(&window.editFrame())
    , m_window(window)
    , m_data(new DataControl(this))
    , m_grid(new DataGrid(this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* label = new QLabel(QStringLiteral("Matryce"), this);
    label->setObjectName(QStringLiteral("Label6"));
    layout->addWidget(label);
    m_data->setObjectName(QStringLiteral("DataMatryca"));
    m_data->hide();
    m_grid->setObjectName(QStringLiteral("DBGridMatryca"));
    m_grid->bind(m_data, {{QStringLiteral("IDMatryca"), QStringLiteral("IDMatryca")},
                          {QStringLiteral("Kierunek"), QStringLiteral("Kierunek")},
                          {QStringLiteral("NazKierunek"), QStringLiteral("NazKierunek")},
                          {QStringLiteral("Typ"), QStringLiteral("Typ")},
                          {QStringLiteral("NazTyp"), QStringLiteral("NazTyp")},
                          {QStringLiteral("Matryca"), QStringLiteral("Matryca")},
                          {QStringLiteral("Akredytacja"), QStringLiteral("Akredytacja")},
                          {QStringLiteral("Wynik"), QStringLiteral("WynikMatryca")}});
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setMinimumHeight(m_grid->verticalHeader()->defaultSectionSize() * 5);
    layout->addWidget(m_grid);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    const std::pair<ButtonDef, void (MatrixEditor::*)()> actions[] = {
        {{QStringLiteral("ComDodajMatryca"), QStringLiteral("&Dodaj matrycę"), {}},
         &MatrixEditor::ComDodajMatryca_Click},
        {{QStringLiteral("ComPoprawMatryca"), QStringLiteral("&Popraw matrycę"), {}},
         &MatrixEditor::ComPoprawMatryca_Click},
        {{QStringLiteral("ComUsunMatryca"), QStringLiteral("&Usuń matrycę"), {}},
         &MatrixEditor::ComUsunMatryca_Click}};
    for (const auto& [definition, slot] : actions) {
        QPushButton* button = makeButton(definition, this);
        connect(button, &QPushButton::clicked, this, slot);
        buttons->addWidget(button);
    }
    layout->addLayout(buttons);
    m_frame = buildFrame();
}

QGroupBox* MatrixEditor::buildFrame()
{
    auto* frame = new QGroupBox(&m_window.windowWidget());
    frame->setObjectName(QStringLiteral("FrameMatryca"));
    frame->setAutoFillBackground(true);
    auto* grid = new QGridLayout(frame);
    TextMatryca = new QLineEdit(frame);
    TextMatryca->setObjectName(QStringLiteral("TextMatryca"));
    TextMatryca->setMaxLength(30);
    grid->addWidget(new QLabel(QStringLiteral("Matryca"), frame), 0, 0);
    grid->addWidget(TextMatryca, 0, 1);

    auto* accreditation = new QGroupBox(QStringLiteral("Akredytacja"), frame);
    accreditation->setObjectName(QStringLiteral("FrameAkredytacja"));
    auto* options = new QHBoxLayout(accreditation);
    OptionAkredytacjaT = new QRadioButton(QStringLiteral("Tak"), accreditation);
    OptionAkredytacjaT->setObjectName(QStringLiteral("OptionAkredytacjaT"));
    OptionAkredytacjaN = new QRadioButton(QStringLiteral("Nie"), accreditation);
    OptionAkredytacjaN->setObjectName(QStringLiteral("OptionAkredytacjaN"));
    OptionAkredytacjaN->setChecked(true);
    options->addWidget(OptionAkredytacjaT);
    options->addWidget(OptionAkredytacjaN);
    grid->addWidget(accreditation, 1, 1);

    TextWynikMatryca = new QPlainTextEdit(frame);
    TextWynikMatryca->setObjectName(QStringLiteral("TextWynikMatryca"));
    TextWynikMatryca->setTabChangesFocus(true);
    TextWynikMatryca->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    grid->addWidget(new QLabel(QStringLiteral("Wynik szczegółowy:"), frame), 2, 0, Qt::AlignTop);
    grid->addWidget(TextWynikMatryca, 2, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    QPushButton* save =
        makeButton({QStringLiteral("ComZapiszMatryca"), QStringLiteral("Z&apisz"), {}}, frame);
    QPushButton* cancel =
        makeButton({QStringLiteral("ComAnulujMatryca"), QStringLiteral("&Anuluj"), {}}, frame);
    connect(save, &QPushButton::clicked, this, &MatrixEditor::ComZapiszMatryca_Click);
    connect(cancel, &QPushButton::clicked, this, &MatrixEditor::ComAnulujMatryca_Click);
    buttons->addWidget(save);
    buttons->addWidget(cancel);
    grid->addLayout(buttons, 3, 0, 1, 2);
    frame->setMinimumWidth(420);
    frame->hide();
    return frame;
}

void MatrixEditor::bind(const QString& sql, const QVariantList& params)
{
    try {
        m_data->bind(ModLabor().BazaStale, sql, params);
    } catch (const std::exception& e) {
        PokazBlad(QStringLiteral("Matryce"), e);
    }
}

void MatrixEditor::showMatrices(const QString& directionCode, const QString& typeCode)
{
    bind(kMatrixSql, {directionCode, typeCode});
}

void MatrixEditor::showNone()
{
    bind(QStringLiteral("SELECT * FROM MATRYCA WHERE 0 = 1"));
}

void MatrixEditor::showAll()
{
    bind(QStringLiteral("SELECT * FROM MATRYCA ORDER BY Matryca"));
}

void MatrixEditor::addCurrentMatrix(QHash<QString, QString>& values) const
{
    if (m_data->recordCount() == 0)
        return;
    const db::Recordset& matrix = m_data->recordset();
    values.insert(QStringLiteral("TextMatryca"), BezNullText(matrix.value(QStringLiteral("Matryca"))));
    values.insert(QStringLiteral("TextWynik"), BezNullText(matrix.value(QStringLiteral("WynikMatryca"))));
}

std::optional<Refusal> MatrixEditor::placeRefusal(bool focusTypeName) const
{
    const QString typeFocus =
        focusTypeName ? QStringLiteral("TextNazTyp%1").arg(m_window.selectedSlot()) : QString();
    return matrixPlaceRefusal(m_window.directionCode(), m_window.TypBiezacy(), typeFocus);
}

void MatrixEditor::refuse(const Refusal& refusal)
{
    ui::dialogs().message(refusal.text, refusal.title, refusal.icon);
    if (QWidget* w = m_window.control(refusal.focus))
        w->setFocus();
}

void MatrixEditor::ComDodajMatryca_Click()
{
    if (const auto refusal = placeRefusal(true)) {
        refuse(*refusal);
        return;
    }
    try {
        // Matrices hang on the stored code: a new direction, or a code changed and not yet
        // saved, would leave them under a code no direction has.
        if (!m_window.directionStored()) {
            refuse(
                information(QStringLiteral("Nie można dodać matrycy do niezapisanego kierunku!\r"
                                           "Kliknij przycisk Zapisz i wykonaj operację dodawania ponownie!"),
                            QStringLiteral("ComZapiszOnly")));
            return;
        }
    } catch (const std::exception& e) {
        PokazBlad(QStringLiteral("Dodaj matrycę"), e);
        return;
    }
    m_nowaMatryca = true;
    m_staraMatryca.clear();
    m_editedRowid = -1;
    TextMatryca->clear();
    TextWynikMatryca->clear();
    OptionAkredytacjaN->setChecked(true);
    openFrame(QStringLiteral(" NOWA MATRYCA "));
}

void MatrixEditor::ComPoprawMatryca_Click()
{
    if (m_data->recordCount() == 0)
        return;
    if (const auto refusal = placeRefusal(false)) {
        refuse(*refusal);
        return;
    }
    try {
        const db::Recordset& matrix = m_data->recordset();
        m_staraMatryca = BezNullText(matrix.value(QStringLiteral("Matryca")));
        m_nowaMatryca = false;
        m_editedRowid = matrix.bookmark();
        TextMatryca->setText(m_staraMatryca);
        TextWynikMatryca->setPlainText(BezNullText(matrix.value(QStringLiteral("WynikMatryca"))));
        const bool accredited = BezNullText(matrix.value(QStringLiteral("Akredytacja"))) == u"T";
        (accredited ? OptionAkredytacjaT : OptionAkredytacjaN)->setChecked(true);
        openFrame(QStringLiteral("EDYCJA"));
    } catch (const std::exception& e) {
        PokazBlad(QStringLiteral("Popraw matrycę"), e);
    }
}

void MatrixEditor::ComUsunMatryca_Click()
{
    if (m_data->recordCount() == 0)
        return;
    try {
        if (UsunRekord(m_data->recordset(), QStringLiteral("Czy na pewno usunąć zaznaczoną pozycję?"), true,
                       kQuestionTitle))
            m_data->refresh();
    } catch (const std::exception& e) {
        PokazBlad(QStringLiteral("Usuń matrycę"), e);
        m_data->refresh();
    }
}

bool MatrixEditor::ComZapiszMatryca_Click()
{
    if (const auto refusal = placeRefusal(false)) {
        refuse(*refusal);
        return false;
    }
    qint64 saved = -1;
    if (const std::optional<Refusal> failed = writeMatrix(saved)) {
        refuse(*failed);
        return false;
    }
    m_data->refreshAt(saved);
    closeFrame();
    return true;
}

std::optional<Refusal> MatrixEditor::writeMatrix(qint64& saved)
{
    db::Database& stale = ModLabor().BazaStale;
    const QString code = m_window.directionCode();
    const QString type = m_window.TypBiezacy();
    const QString name = TextMatryca->text();
    try {
        db::Transaction transaction(stale, db::Transaction::Mode::Immediate);
        // A matrix name is tested when it is new or changed (letter case counts as a change);
        // the matrix being corrected is no duplicate of itself.
        if (m_nowaMatryca || name != m_staraMatryca) {
            const int found = stale
                                  .scalar(QStringLiteral("SELECT COUNT(*) FROM MATRYCA WHERE Matryca = ? AND "
                                                         "Kierunek = ? AND Typ = ? AND rowid <> ?"),
                                          {name, code, type, m_editedRowid})
                                  .toInt();
            if (found > 0)
                return information(QStringLiteral("Matryca: ") + name +
                                       QStringLiteral(" już istnieje. Popraw!"),
                                   QStringLiteral("TextMatryca"));
        }
        db::Recordset row =
            stale.openRecordset(QStringLiteral("SELECT * FROM MATRYCA WHERE rowid = ?"), {m_editedRowid});
        if (m_nowaMatryca) {
            row.addNew();
        } else {
            if (row.recordCount() == 0)
                throw db::JetError::fromNumber(db::jet::RecordDeleted);
            row.edit();
        }
        row.setValue(QStringLiteral("Kierunek"), code);
        row.setValue(QStringLiteral("Typ"), type);
        row.setValue(QStringLiteral("Matryca"), name);
        row.setValue(QStringLiteral("WynikMatryca"), TextWynikMatryca->toPlainText());
        row.setValue(QStringLiteral("Akredytacja"),
                     OptionAkredytacjaT->isChecked() ? QStringLiteral("T") : QStringLiteral("N"));
        row.update();
        saved = row.lastModified();
        transaction.commit();
        return std::nullopt;
    } catch (const std::exception& e) {
        return Refusal{ui::Icon::Warning, QStringLiteral("Zapisz matrycę"), errorDescription(e), {}};
    }
}

void MatrixEditor::ComAnulujMatryca_Click()
{
    if (!m_frame->isHidden())
        closeFrame();
}

void MatrixEditor::openFrame(const QString& caption)
{
    m_frame->setTitle(caption);
    for (const QString& name : kWaiting)
        if (QWidget* w = m_window.control(name))
            w->setEnabled(false);
    m_frame->show();
    placeFrame();
    TextMatryca->setFocus();
}

void MatrixEditor::closeFrame()
{
    for (const QString& name : kWaiting)
        if (QWidget* w = m_window.control(name))
            w->setEnabled(true);
    m_frame->hide();
}

void MatrixEditor::placeFrame()
{
    const QSize hint = m_frame->sizeHint().expandedTo(m_frame->minimumSize());
    const int w = qMin(hint.width(), m_window.windowWidget().width());
    const int h = qMin(hint.height(), m_window.windowWidget().height());
    m_frame->setGeometry((m_window.windowWidget().width() - w) / 2,
                         (m_window.windowWidget().height() - h) / 2, w, h);
    m_frame->raise();
}

} // namespace trelimor
