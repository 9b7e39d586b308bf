#include "RegisterWindow.h"

#include "RegisterFrame.h"

#include "common/DataControl.h"
#include "common/DataGrid.h"
#include "common/Messages.h"
#include "common/ModLabor.h"
#include "common/TableHelpers.h"

#include "platform/db/Database.h"
#include "platform/db/JetError.h"
#include "platform/db/Transaction.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace trelimor {

namespace {

QString withoutAccelerator(QString caption)
{
    return caption.remove(u'&');
}

// A key and a field kept unique are trimmed before the duplicate test and before they are
// stored, in every register: the value tested is the value stored, so " PL002" can never
// stand beside "PL002" as another client.
RegisterConfig withTrimmedKeys(RegisterConfig config)
{
    for (FieldDef& field : config.fields) {
        if (field.box.isEmpty())
            continue;
        if (field.box == config.key.box || (config.duplicate && field.box == config.duplicate->box))
            field.trim = true;
    }
    return config;
}

} // namespace

RegisterWindow::RegisterWindow(RegisterConfig config, QWidget* parent)
    : QDialog(parent)
    , m_config(withTrimmedKeys(std::move(config)))
    , m_data(new DataControl(this))
    , m_grid(new DataGrid(this))
{
    setObjectName(m_config.windowName);
    setWindowTitle(m_config.caption);
    auto* layout = new QVBoxLayout(this);
    if (!m_config.heading.caption.isEmpty()) {
        auto* heading = new QLabel(m_config.heading.caption, this);
        heading->setObjectName(m_config.heading.name);
        heading->setAlignment(Qt::AlignCenter);
        QFont font = heading->font();
        font.setBold(true);
        font.setPointSizeF(font.pointSizeF() * 1.4);
        heading->setFont(font);
        layout->addWidget(heading);
    }

    m_data->setObjectName(m_config.dataControl);
    m_grid->setObjectName(m_config.grid);
    m_grid->bind(m_data, m_config.columns);
    if (m_config.selectWholeRow) {
        m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
        connect(m_grid, &DataGrid::rowColChange, this, [this] { ZaznaczWiersz(m_grid); });
    }
    connect(m_grid, &DataGrid::pickAction, this, &RegisterWindow::pick);
    layout->addWidget(m_grid, 1);
    buildBottomRows(layout);

    m_frame = new RegisterFrame(m_config, this);
    connect(m_frame->saveButton(), &QPushButton::clicked, this, &RegisterWindow::save);
    connect(m_frame->cancelButton(), &QPushButton::clicked, this, &RegisterWindow::cancel);

    const QSize frameSize = m_frame->sizeHint();
    resize(qMax(960, frameSize.width() + 40), qMax(600, frameSize.height() + 180));
    keepRoomForControls();
}

void RegisterWindow::keepRoomForControls()
{
    // Room for the edit frame over the grid, and never less than the layout's minimum: a row
    // squeezed below it would clip its captions and lay its controls over each other. The
    // minimum changes with the buttons shown (the pick button), so it is taken at each showing.
    const QSize frameSize = m_frame->sizeHint();
    // A button shown or hidden since the last layout counts now, in whichever row it stands.
    for (QLayout* row : layout()->findChildren<QLayout*>())
        row->invalidate();
    layout()->invalidate();
    const QSize minimum = QSize(qMax(720, frameSize.width() + 40), frameSize.height() + 140)
                              .expandedTo(layout()->minimumSize());
    setMinimumSize(minimum);
    if (width() < minimum.width() || height() < minimum.height())
        resize(size().expandedTo(minimum));
}

void RegisterWindow::setVisible(bool visible)
{
    if (visible)
        keepRoomForControls();
    QDialog::setVisible(visible);
}

void RegisterWindow::buildBottomRows(QBoxLayout* layout)
{
    auto* row = new QHBoxLayout;
    m_data->setFixedWidth(160);
    row->addWidget(m_data);
    QBoxLayout* options = row;
    if (!m_config.orderingFrame.name.isEmpty()) {
        auto* frame = new QGroupBox(m_config.orderingFrame.caption, this);
        frame->setObjectName(m_config.orderingFrame.name);
        options = new QHBoxLayout(frame);
        row->addWidget(frame);
    }
    for (const SortOption& ordering : m_config.orderings) {
        auto* option = new QRadioButton(ordering.option.caption, this);
        option->setObjectName(ordering.option.name);
        option->setToolTip(ordering.option.tooltip);
        const QString sql = ordering.sql;
        connect(option, &QRadioButton::toggled, this, [this, sql](bool checked) {
            if (!checked)
                return;
            try {
                bindRecords(sql);
            } catch (const std::exception& e) {
                PokazBlad(QStringLiteral("Sortowanie"), e);
            }
        });
        m_options << option;
        options->addWidget(option);
    }
    if (m_config.search.kind == SearchKind::Filtering)
        buildFilteringSearch(row);
    if (m_config.search.kind == SearchKind::Positioning) {
        m_searchBox = new QLineEdit(this);
        m_searchBox->setObjectName(m_config.search.box);
        m_searchBox->setMaximumWidth(220);
        m_searchBox->hide();
        m_searchAccept = makeButton(m_config.search.accept, this);
        m_searchAccept->hide();
        connect(m_searchBox, &QLineEdit::textChanged, this, &RegisterWindow::positionSearch);
        connect(m_searchBox, &QLineEdit::returnPressed, this, &RegisterWindow::acceptSearch);
        connect(m_searchAccept, &QPushButton::clicked, this, &RegisterWindow::acceptSearch);
        row->addWidget(m_searchBox);
        row->addWidget(m_searchAccept);
    }
    row->addStretch();
    layout->addLayout(row);

    // The buttons on a row of their own, so that no caption of either row is squeezed however
    // many buttons the window shows.
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch();
    for (const ExtraButton& extra : m_config.extraButtons) {
        QPushButton* button = makeButton(extra.button, this);
        button->setVisible(extra.visible);
        const auto clicked = extra.clicked;
        connect(button, &QPushButton::clicked, this, [this, clicked] {
            if (clicked)
                clicked(*this);
        });
        buttonRow->addWidget(button);
    }
    // "&Zamknij" stands rightmost; "&Dodaj", "&Popraw", "&Usuń" and "&Szukaj" follow to its left.
    if (m_config.search.kind == SearchKind::Positioning) {
        QPushButton* search = makeButton(m_config.search.button, this);
        connect(search, &QPushButton::clicked, this, &RegisterWindow::startSearch);
        buttonRow->addWidget(search);
    }
    const std::pair<const ButtonDef*, void (RegisterWindow::*)()> buttons[] = {
        {&m_config.remove, &RegisterWindow::remove},
        {&m_config.correct, &RegisterWindow::correct},
        {&m_config.add, &RegisterWindow::add},
        {&m_config.close, &RegisterWindow::closeWindow}};
    for (const auto& [def, slot] : buttons) {
        QPushButton* button = makeButton(*def, this);
        connect(button, &QPushButton::clicked, this, slot);
        buttonRow->addWidget(button);
    }
    layout->addLayout(buttonRow);
}

void RegisterWindow::buildFilteringSearch(QBoxLayout* row)
{
    const SearchRule& search = m_config.search;
    row->addWidget(new QLabel(search.criterion.caption, this));
    m_criteria = new QComboBox(this);
    m_criteria->setObjectName(search.criterion.name);
    m_criteria->setEditable(true);
    m_criteria->setInsertPolicy(QComboBox::NoInsert);
    for (const SearchCriterion& criterion : search.criteria)
        m_criteria->addItem(criterion.text);
    m_criteria->setCurrentIndex(-1);
    m_criteria->setMinimumWidth(m_criteria->fontMetrics().horizontalAdvance(QStringLiteral("Nazwisko")) + 40);
    row->addWidget(m_criteria);
    row->addWidget(new QLabel(search.boxLabel, this));
    m_searchBox = new QLineEdit(this);
    m_searchBox->setObjectName(search.box);
    m_searchBox->setMinimumWidth(140);
    m_searchBox->setMaximumWidth(220);
    row->addWidget(m_searchBox);
    // Choosing a criterion leads on to the search text; only a change of the text searches.
    connect(m_criteria, &QComboBox::activated, m_searchBox, [this] { m_searchBox->setFocus(); });
    connect(m_searchBox, &QLineEdit::textChanged, this, &RegisterWindow::filterSearch);
}

QWidget* RegisterWindow::control(const QString& name) const
{
    if (name.isEmpty())
        return nullptr;
    if (objectName() == name)
        return const_cast<RegisterWindow*>(this);
    return findChild<QWidget*>(name);
}

void RegisterWindow::Klawisze(bool on)
{
    for (const QString& name : m_config.locked)
        if (QWidget* w = control(name))
            w->setEnabled(on);
    for (QRadioButton* option : std::as_const(m_options))
        option->setEnabled(on || option->isChecked());
    // A filter chosen while the frame is open would change the rows under the edit; the
    // search waits until the frame is closed.
    if (m_config.search.kind == SearchKind::Filtering) {
        m_searchBox->setEnabled(on);
        m_criteria->setEnabled(on);
    }
}

QString RegisterWindow::table() const
{
    if (!m_config.table.isEmpty() || !m_data->isBound())
        return m_config.table;
    return m_data->recordset().tableName();
}

void RegisterWindow::selectOrdering(int index)
{
    if (index >= 0 && index < m_options.size())
        m_options[index]->setChecked(true);
}

int RegisterWindow::selectedOrdering() const
{
    for (int i = 0; i < m_options.size(); ++i)
        if (m_options[i]->isChecked())
            return i;
    return -1;
}

void RegisterWindow::bindRecords(const QString& sql)
{
    m_data->bind(ModLabor().BazaStale, sql);
}

void RegisterWindow::focusControl(const QString& name)
{
    if (QWidget* w = control(name))
        w->setFocus();
}

void RegisterWindow::openFrame(bool isNew, const QString& caption, const QString& focus)
{
    m_nowyRekord = isNew;
    if (isNew)
        m_editedRowid = -1;
    if (QWidget* keyBox = control(m_config.key.box))
        keyBox->setEnabled(isNew || m_config.key.editableInCorrection);
    m_frame->setTitle(caption);
    m_frame->show();
    placeFrame();
    Klawisze(false);
    if (m_config.hooks.frameOpened)
        m_config.hooks.frameOpened(*this);
    focusControl(focus);
}

QString RegisterWindow::keyAfterLast(db::Recordset& records, const QString& keyField)
{
    if (records.recordCount() == 0)
        return QStringLiteral("1");
    records.moveLast();
    return QString::number(records.value(keyField).toLongLong() + 1);
}

void RegisterWindow::proposeKey()
{
    const KeyRule& key = m_config.key;
    switch (key.proposal) {
    case KeyProposal::Typed:
        return;
    case KeyProposal::LastPlusOne:
        if (m_data->recordCount() == 0) {
            m_frame->setText(key.box, QStringLiteral("1"));
            return;
        }
        bindRecords(key.orderedSql);
        m_frame->setText(key.box, keyAfterLast(m_data->recordset(), key.field));
        m_data->currentChanged();
        return;
    case KeyProposal::CountPlusOne:
        m_frame->setText(key.box, QString::number(m_data->recordCount() + 1));
        return;
    }
}

void RegisterWindow::add()
{
    try {
        m_nowyRekord = true;
        m_editedRowid = -1;
        m_frame->clearForNew();
        proposeKey();
        openFrame(true, m_config.newCaption, m_config.focusOnAdd);
    } catch (const std::exception& e) {
        PokazBlad(withoutAccelerator(m_config.add.caption), e);
    }
}

void RegisterWindow::correct()
{
    m_nowyRekord = false;
    if (m_data->recordCount() == 0) {
        if (m_config.correctBeepsWhenEmpty)
            ui::dialogs().beep();
        return;
    }
    try {
        db::Recordset& records = m_data->recordset();
        m_editedRowid = records.bookmark();
        m_frame->load(records);
        if (m_config.hooks.loaded)
            m_config.hooks.loaded(*this, records);
        if (m_config.duplicate)
            m_storedUniqueValue = BezNullText(records.value(m_config.duplicate->field));
        openFrame(false, m_config.correctionCaption, m_config.focusOnCorrection);
    } catch (const std::exception& e) {
        PokazBlad(withoutAccelerator(m_config.correct.caption), e);
    }
}

void RegisterWindow::showRefusal(const Refusal& refusal)
{
    ui::dialogs().message(refusal.text, refusal.title, refusal.icon);
    focusControl(refusal.focus);
}

bool RegisterWindow::save()
{
    FrameValues values = m_frame->values();
    values.isNew = m_nowyRekord;
    values.rowCount = m_data->recordCount();
    if (m_config.hooks.windowValues)
        m_config.hooks.windowValues(*this, values);
    const std::optional<Refusal> refusal = firstRefusal(m_config.checks, values);
    m_frame->applyTicks(values);
    if (refusal) {
        showRefusal(*refusal);
        return false;
    }
    db::Recordset::Bookmark saved = -1;
    if (const std::optional<Refusal> failed = writeRow(values, saved)) {
        showRefusal(*failed);
        return false;
    }
    m_data->refreshAt(saved);
    m_frame->hide();
    Klawisze(true);
    if (m_config.hooks.saved)
        m_config.hooks.saved(*this);
    return true;
}

std::optional<Refusal> RegisterWindow::writeRow(FrameValues& values, db::Recordset::Bookmark& saved)
{
    db::Database& stale = ModLabor().BazaStale;
    try {
        const QString table = this->table();
        if (table.isEmpty()) // no opener has told the window its rows
            throw db::JetError::fromNumber(db::jet::TableNotFound);
        // The duplicate test, the row and the marks it takes from other rows are stored together:
        // another installation cannot slip the same key in between.
        db::Transaction transaction(stale, db::Transaction::Mode::Immediate);
        if (const auto& duplicate = m_config.duplicate) {
            const QVariant value = storedValueOf(duplicate->box, values);
            if (values.isNew || (duplicate->testsCorrections && value.toString() != m_storedUniqueValue)) {
                bool found = false;
                try {
                    found = rowExists(stale, table, duplicate->field, value,
                                      values.isNew ? std::nullopt : std::optional<qint64>(m_editedRowid));
                } catch (const std::exception& e) { // no save without an answer
                    return Refusal{ui::Icon::Warning, rowExistsErrorTitle(table), errorDescription(e),
                                   duplicate->focus};
                }
                if (found)
                    return Refusal{duplicate->icon, duplicate->title, duplicate->message(values),
                                   duplicate->focus};
            }
        }
        // The row is written through a recordset of its own: a correction reaches the record it
        // was opened on whatever the data control now shows (another order, a filter).
        db::Recordset row = stale.openRecordset(
            QStringLiteral("SELECT * FROM %1 WHERE rowid = ?").arg(db::quoteIdentifier(table)),
            {values.isNew ? qint64(-1) : m_editedRowid});
        if (values.isNew) {
            row.addNew();
        } else {
            if (row.recordCount() == 0)
                throw db::JetError::fromNumber(db::jet::RecordDeleted);
            row.edit();
        }
        m_frame->write(row, values);
        for (const FieldDef& field : m_config.fields) {
            if (field.save != SaveRule::ExclusiveFlag)
                continue;
            if (values.ticked(field.box)) {
                stale.execute(QStringLiteral("UPDATE %1 SET %2 = NULL WHERE %2 IS NOT NULL AND rowid <> ?")
                                  .arg(db::quoteIdentifier(table), db::quoteIdentifier(field.field)),
                              {values.isNew ? qint64(-1) : m_editedRowid});
                row.setValue(field.field, QStringLiteral("T"));
            } else if (field.untickedClears) {
                row.setValue(field.field, QVariant());
            }
        }
        if (m_config.hooks.beforeUpdate)
            m_config.hooks.beforeUpdate(*this, row, values);
        row.update();
        saved = row.lastModified();
        transaction.commit();
        return std::nullopt;
    } catch (const std::exception& e) {
        return Refusal{ui::Icon::Warning, m_config.saveErrorTitle, errorDescription(e), {}};
    }
}

QVariant RegisterWindow::storedValueOf(const QString& box, const FrameValues& values) const
{
    for (const FieldDef& field : m_config.fields)
        if (field.box == box)
            return RegisterFrame::storedValue(field, values.text(box));
    return values.text(box).trimmed();
}

void RegisterWindow::remove()
{
    const DeleteRule& deletion = m_config.deletion;
    if (m_data->recordCount() == 0) {
        if (deletion.beepWhenEmpty)
            ui::dialogs().beep();
        return;
    }
    if (deletion.lockWhileAsking)
        Klawisze(false);
    try {
        db::Recordset& records = m_data->recordset();
        QString question = deletion.question;
        if (!deletion.questionField.isEmpty())
            question += BezNullText(records.value(deletion.questionField)).trimmed();
        if (UsunRekord(records, question, deletion.ask, deletion.title)) {
            if (deletion.refreshAfter)
                m_data->refresh();
            else
                m_data->recordsChanged();
            if (deletion.beepAfterDelete)
                ui::dialogs().beep();
        }
    } catch (const std::exception& e) {
        PokazBlad(withoutAccelerator(m_config.remove.caption), e);
        m_data->refresh();
    }
    if (deletion.lockWhileAsking)
        Klawisze(true);
}

void RegisterWindow::cancel()
{
    m_frame->hide();
    Klawisze(true);
}

void RegisterWindow::closeWindow()
{
    if (m_config.hooks.close && !m_config.hooks.close(*this))
        return;
    hide();
}

void RegisterWindow::pick()
{
    if (m_config.hooks.pick)
        m_config.hooks.pick(*this);
}

void RegisterWindow::startSearch()
{
    if (!m_searchBox)
        return;
    m_searchBox->blockSignals(true);
    m_searchBox->clear();
    if (selectedOrdering() <= 0 && m_data->currentRow() >= 0) {
        try {
            m_searchBox->setText(BezNullText(m_data->recordset().value(m_config.search.keyField)));
            m_searchBox->setSelection(0, m_config.search.proposedLength);
        } catch (const std::exception& e) {
            PokazBlad(withoutAccelerator(m_config.search.button.caption), e);
        }
    }
    m_searchBox->blockSignals(false);
    m_searchBox->show();
    m_searchBox->setFocus();
    m_searchAccept->show();
    Klawisze(false);
}

void RegisterWindow::positionSearch()
{
    if (!m_searchBox || m_data->recordCount() == 0)
        return;
    const int selected = qMax(0, selectedOrdering());
    if (selected >= int(m_config.orderings.size()))
        return;
    const QString field = m_config.orderings[size_t(selected)].searchField;
    try {
        if (m_data->recordset().findFirst(db::quoteIdentifier(field) + QStringLiteral(" LIKE ?"),
                                          {likePrefix(m_searchBox->text().trimmed())}))
            m_data->currentChanged();
    } catch (const std::exception& e) {
        PokazBlad(withoutAccelerator(m_config.search.button.caption), e);
    }
}

void RegisterWindow::filterSearch()
{
    const QString chosen = m_criteria->currentText();
    for (const SearchCriterion& criterion : m_config.search.criteria) {
        if (criterion.text != chosen) // compared exactly: "nazwisko" is no criterion
            continue;
        const QString field = db::quoteIdentifier(criterion.field);
        try {
            m_data->bind(ModLabor().BazaStale,
                         QStringLiteral("SELECT * FROM %1 WHERE %2 LIKE ? ORDER BY %2")
                             .arg(db::quoteIdentifier(table()), field),
                         {likePrefix(m_searchBox->text().trimmed())});
        } catch (const std::exception& e) {
            PokazBlad(QStringLiteral("Szukaj"), e);
        }
        break;
    }
    Klawisze(true);
}

void RegisterWindow::acceptSearch()
{
    if (!m_searchBox)
        return;
    m_searchBox->hide();
    m_searchAccept->hide();
    positionSearch();
    Klawisze(true);
    focusControl(m_config.close.name);
}

void RegisterWindow::placeFrame()
{
    const QSize hint = m_frame->sizeHint();
    const int w = qMin(hint.width(), width() - 16);
    const int h = qMin(hint.height(), height());
    const int top = qMax(0, qMin(m_grid->geometry().top() + 8, height() - h));
    m_frame->setGeometry((width() - w) / 2, top, w, h);
    m_frame->raise();
}

void RegisterWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    placeFrame();
    if (ModLabor().PierwszaAktywacja && m_config.hooks.firstActivation)
        m_config.hooks.firstActivation(*this);
}

void RegisterWindow::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    placeFrame();
}

void RegisterWindow::reject()
{
    // Closing the window by its frame or Escape leaves it as "&Zamknij" does, never locked.
    if (m_frame->isVisible())
        cancel();
    if (m_config.search.kind == SearchKind::Positioning && m_searchBox->isVisible())
        acceptSearch();
    closeWindow();
}

} // namespace trelimor
