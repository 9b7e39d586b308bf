#include "RegisterFrame.h"

#include "common/MaskedEdit.h"
#include "common/Messages.h"
#include "common/TableHelpers.h"
#include "common/TextHelpers.h"

#include "platform/db/Field.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace trelimor {

namespace {

// A box wide enough for its limit, so short codes do not stretch across the frame.
void fitWidth(QWidget* box, int characters)
{
    if (characters > 0 && characters <= 20)
        box->setFixedWidth(box->fontMetrics().horizontalAdvance(QString(characters + 2, u'W')) + 8);
}

// A several-line box; Enter may be kept from starting a new line.
class TextBox : public QPlainTextEdit
{
public:
    TextBox(bool enterIgnored, QWidget* parent)
        : QPlainTextEdit(parent)
        , m_enterIgnored(enterIgnored)
    {}

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if (m_enterIgnored && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
            event->accept();
            return;
        }
        QPlainTextEdit::keyPressEvent(event);
    }

private:
    bool m_enterIgnored;
};

// The box takes no more than the limit: what was typed or pasted past it is dropped, the text
// around it stays.
void limitLength(QPlainTextEdit* edit, int limit)
{
    QObject::connect(edit, &QPlainTextEdit::textChanged, edit, [edit, limit] {
        const QString text = edit->toPlainText();
        const qsizetype excess = text.size() - limit;
        if (excess <= 0)
            return;
        const int end = edit->textCursor().position();
        const int start = int(qMax<qsizetype>(0, end - excess));
        const QString kept = (text.left(start) + text.mid(end)).left(limit);
        edit->setPlainText(kept);
        QTextCursor cursor = edit->textCursor();
        cursor.setPosition(int(qMin<qsizetype>(start, kept.size())));
        edit->setTextCursor(cursor);
    });
}

} // namespace

QPushButton* makeButton(const ButtonDef& definition, QWidget* parent)
{
    auto* button = new QPushButton(definition.caption, parent);
    button->setObjectName(definition.name);
    button->setToolTip(definition.tooltip);
    button->setAutoDefault(false);
    return button;
}

RegisterFrame::RegisterFrame(const RegisterConfig& config, QWidget* parent)
    : QGroupBox(parent)
    , m_config(config)
{
    setObjectName(config.frame);
    setAutoFillBackground(true);
    auto* whole = new QVBoxLayout(this);
    auto* frameGrid = new QGridLayout;
    whole->addLayout(frameGrid);
    int frameRow = 0;
    QGridLayout* grid = frameGrid; // the frame's grid, or the grid of the group being laid out
    int groupRow = 0;
    int* row = &frameRow;
    QString group;
    QHBoxLayout* line = nullptr;
    for (const FieldDef& field : config.fields) {
        if (field.group != group) {
            group = field.group;
            line = nullptr;
            grid = frameGrid;
            row = &frameRow;
            if (!group.isEmpty()) {
                auto* box = new QGroupBox(field.groupCaption, this);
                box->setObjectName(group);
                grid = new QGridLayout(box);
                groupRow = 0;
                row = &groupRow;
                frameGrid->addWidget(box, frameRow++, 0, 1, 2);
            }
        }
        QWidget* box = makeBox(field);
        if (field.placedByWindow)
            continue;
        if (!field.sameRow || !line) {
            line = new QHBoxLayout;
            if (field.kind != BoxKind::Check && !field.label.isEmpty())
                grid->addWidget(new QLabel(field.label, this), *row, 0, Qt::AlignRight | Qt::AlignTop);
            grid->addLayout(line, (*row)++, 1);
            grid->setColumnStretch(1, 1);
        } else if (!field.label.isEmpty()) {
            line->addWidget(new QLabel(field.label, this));
        }
        const bool narrow = (field.maxLength > 0 && field.maxLength <= 20) || field.kind == BoxKind::Label;
        line->addWidget(box, narrow ? 0 : 1);
        if (!field.suffix.isEmpty())
            line->addWidget(new QLabel(field.suffix, this));
        if (narrow && field.suffix.isEmpty())
            line->addStretch();
    }
    frameGrid->setColumnStretch(1, 1);
    m_sections = new QVBoxLayout;
    whole->addLayout(m_sections);
    m_buttons = new QHBoxLayout;
    m_buttons->addStretch();
    m_save = makeButton(config.save, this);
    m_cancel = makeButton(config.cancel, this);
    m_buttons->addWidget(m_save);
    m_buttons->addWidget(m_cancel);
    whole->addLayout(m_buttons);
    setMinimumWidth(560);
    hide();
}

void RegisterFrame::addSection(QWidget* section)
{
    m_sections->addWidget(section);
}

QPushButton* RegisterFrame::addButton(const ButtonDef& definition)
{
    QPushButton* button = makeButton(definition, this);
    m_buttons->insertWidget(m_buttons->indexOf(m_save), button);
    return button;
}

QWidget* RegisterFrame::makeBox(const FieldDef& field)
{
    QWidget* box = nullptr;
    switch (field.kind) {
    case BoxKind::Line: {
        auto* edit = new QLineEdit(this);
        if (field.maxLength > 0)
            edit->setMaxLength(field.maxLength);
        edit->setReadOnly(field.readOnly);
        if (m_config.enterMovesOn.contains(field.box))
            connect(edit, &QLineEdit::returnPressed, this, [] { NastepnePole(); });
        box = edit;
        fitWidth(box, field.maxLength);
        break;
    }
    case BoxKind::Masked: {
        auto* edit = new MaskedEdit(this);
        edit->setPlainMaxLength(field.maxLength);
        edit->setMask(field.mask);
        box = edit;
        fitWidth(box, qMax<int>(field.maxLength, int(field.mask.size())));
        break;
    }
    case BoxKind::Combo: {
        auto* combo = new QComboBox(this);
        combo->setEditable(true);
        combo->addItems(field.items);
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->setCurrentIndex(-1);
        box = combo;
        break;
    }
    case BoxKind::MultiLine: {
        auto* edit = new TextBox(field.enterIgnored, this);
        edit->setTabChangesFocus(true);
        edit->setFixedHeight(edit->fontMetrics().lineSpacing() * 3 + 12);
        if (field.maxLength > 0)
            limitLength(edit, field.maxLength);
        box = edit;
        break;
    }
    case BoxKind::Check:
        box = new QCheckBox(field.label, this);
        break;
    case BoxKind::Label: {
        auto* label = new QLabel(this);
        label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QStringLiteral("WWWW")));
        box = label;
        break;
    }
    }
    box->setObjectName(field.box);
    box->setToolTip(field.tooltip);
    m_boxes.insert(field.box, box);
    return box;
}

void RegisterFrame::clearForNew()
{
    for (const FieldDef& field : m_config.fields) {
        QWidget* w = box(field.box);
        if (auto* masked = qobject_cast<MaskedEdit*>(w))
            masked->clearWithMask(field.mask);
        else if (auto* check = qobject_cast<QCheckBox*>(w))
            check->setChecked(false);
        else
            setText(field.box, QString());
    }
}

void RegisterFrame::load(const db::Recordset& records)
{
    for (const FieldDef& field : m_config.fields) {
        if (field.field.isEmpty() || records.fieldIndex(field.field) < 0)
            continue;
        const QVariant value = records.value(field.field);
        QWidget* w = box(field.box);
        if (auto* check = qobject_cast<QCheckBox*>(w)) {
            check->setChecked(BezNullText(value) == u"T");
        } else if (auto* masked = qobject_cast<MaskedEdit*>(w)) {
            masked->showUnmasked(BezNullText(value));
            const bool drop = field.maskOnLoad == MaskOnLoad::DropAlways ||
                              (field.maskOnLoad == MaskOnLoad::DropWhenStored && !db::isNull(value));
            if (!drop)
                masked->setMask(field.mask);
        } else {
            setText(field.box, BezNullText(value));
        }
    }
}

QString RegisterFrame::text(const QString& name) const
{
    QWidget* w = box(name);
    if (auto* masked = qobject_cast<MaskedEdit*>(w))
        return masked->maskedText();
    if (auto* edit = qobject_cast<QLineEdit*>(w))
        return edit->text();
    if (auto* combo = qobject_cast<QComboBox*>(w))
        return combo->currentText();
    if (auto* plain = qobject_cast<QPlainTextEdit*>(w))
        return plain->toPlainText();
    if (auto* label = qobject_cast<QLabel*>(w))
        return label->text();
    return {};
}

void RegisterFrame::setText(const QString& name, const QString& text)
{
    QWidget* w = box(name);
    if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        edit->setText(text);
    } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
        combo->setCurrentIndex(combo->findText(text, Qt::MatchFixedString | Qt::MatchCaseSensitive));
        combo->setEditText(text);
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(w)) {
        plain->setPlainText(text);
    } else if (auto* label = qobject_cast<QLabel*>(w)) {
        label->setText(text);
    }
}

FrameValues RegisterFrame::values() const
{
    FrameValues values;
    for (const FieldDef& field : m_config.fields) {
        if (auto* check = qobject_cast<QCheckBox*>(box(field.box)))
            values.setTicked(field.box, check->isChecked());
        else
            values.setText(field.box, text(field.box));
    }
    return values;
}

void RegisterFrame::applyTicks(const FrameValues& values)
{
    for (auto it = values.ticks().begin(); it != values.ticks().end(); ++it)
        if (auto* check = qobject_cast<QCheckBox*>(box(it.key())))
            check->setChecked(it.value());
}

void RegisterFrame::write(db::Recordset& records, const FrameValues& values) const
{
    for (const FieldDef& field : m_config.fields) {
        if (field.field.isEmpty())
            continue;
        switch (field.save) {
        case SaveRule::Never:
        case SaveRule::ExclusiveFlag:
            continue;
        case SaveRule::NewRowOnly:
            if (!values.isNew)
                continue;
            break;
        case SaveRule::WhenComplete:
            if (values.text(field.box).contains(MaskedEdit::PromptChar))
                continue;
            break;
        case SaveRule::Always:
            break;
        }
        if (field.kind == BoxKind::Check) {
            records.setValue(field.field,
                             values.ticked(field.box) ? QVariant(QStringLiteral("T")) : QVariant());
            continue;
        }
        records.setValue(field.field, storedValue(field, values.text(field.box)));
    }
}

QVariant RegisterFrame::storedValue(const FieldDef& field, QString text)
{
    if (field.trim)
        text = text.trimmed();
    if (field.cut > 0)
        text.truncate(field.cut);
    if (field.nullUnlessNumeric && !isNumeric(text))
        return {};
    return text;
}

} // namespace trelimor
