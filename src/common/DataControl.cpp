#include "DataControl.h"

#include "platform/db/Database.h"

#include <QHBoxLayout>
#include <QToolButton>

namespace trelimor {

namespace {

QToolButton* arrow(QWidget* parent, Qt::ArrowType type, const QString& text)
{
    auto* button = new QToolButton(parent);
    if (type != Qt::NoArrow)
        button->setArrowType(type);
    else
        button->setText(text);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

} // namespace

DataControl::DataControl(QWidget* parent)
    : QWidget(parent)
    , m_first(arrow(this, Qt::NoArrow, QStringLiteral("|◀")))
    , m_previous(arrow(this, Qt::LeftArrow, {}))
    , m_next(arrow(this, Qt::RightArrow, {}))
    , m_last(arrow(this, Qt::NoArrow, QStringLiteral("▶|")))
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_first);
    layout->addWidget(m_previous);
    layout->addStretch();
    layout->addWidget(m_next);
    layout->addWidget(m_last);
    connect(m_first, &QToolButton::clicked, this, [this] { move(&db::Recordset::moveFirst); });
    connect(m_last, &QToolButton::clicked, this, [this] { move(&db::Recordset::moveLast); });
    connect(m_previous, &QToolButton::clicked, this, [this] {
        if (currentRow() > 0)
            moveToRow(currentRow() - 1);
    });
    connect(m_next, &QToolButton::clicked, this, [this] {
        if (currentRow() >= 0 && currentRow() + 1 < recordCount())
            moveToRow(currentRow() + 1);
    });
}

void DataControl::setRecordset(db::Recordset recordset)
{
    m_recordset = std::move(recordset);
    recordsChanged();
}

void DataControl::bind(db::Database& database, const QString& sql, const QVariantList& params)
{
    setRecordset(database.openRecordset(sql, params));
}

void DataControl::refresh()
{
    if (!isBound())
        return;
    m_recordset.requery();
    recordsChanged();
}

void DataControl::refreshAt(db::Recordset::Bookmark bookmark)
{
    if (!isBound())
        return;
    m_recordset.requery();
    try {
        m_recordset.setBookmark(bookmark);
    } catch (const std::exception&) {
        // The record left the set (a filter no longer takes it): the first one stays current.
    }
    recordsChanged();
}

int DataControl::currentRow() const
{
    return isBound() ? m_recordset.absolutePosition() : -1;
}

void DataControl::moveToRow(int row)
{
    if (!isBound() || row < 0 || row >= recordCount() || row == currentRow())
        return;
    m_recordset.setAbsolutePosition(row);
    currentChanged();
}

void DataControl::move(void (db::Recordset::*step)())
{
    if (recordCount() == 0)
        return;
    (m_recordset.*step)();
    currentChanged();
}

void DataControl::recordsChanged()
{
    emit recordsReset();
    emit repositioned();
}

void DataControl::currentChanged()
{
    emit repositioned();
}

} // namespace trelimor
