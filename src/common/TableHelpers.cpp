#include "TableHelpers.h"

#include "Messages.h"
#include "ModLabor.h"

#include "platform/db/Field.h"
#include "platform/db/JetError.h"
#include "platform/ui/DialogService.h"
#include "platform/ui/Keystrokes.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QItemSelectionModel>
#include <QLabel>

namespace trelimor {

namespace {

QString selectFrom(const ZrodloTabeli& source)
{
    QString sql = QStringLiteral("SELECT * FROM ") + db::quoteIdentifier(source.table);
    if (!source.where.isEmpty())
        sql += QStringLiteral(" WHERE ") + source.where;
    return sql;
}

} // namespace

void PrzegladnijTabele(db::Database& database, const QString& table)
{
    try {
        db::Recordset rs =
            database.openRecordset(QStringLiteral("SELECT * FROM ") + db::quoteIdentifier(table));
        if (rs.recordCount() > 0) {
            rs.moveLast();
            for (rs.moveFirst(); !rs.eof(); rs.moveNext()) {
            }
        }
    } catch (const std::exception& e) {
        PokazBlad(QStringLiteral("Drukowanie-generu sztuczny ruch: ") + table, e);
    }
}

bool rowExists(db::Database& database, const QString& table, const QString& field, const QVariant& value,
               std::optional<qint64> exceptRowid)
{
    db::Recordset rs =
        database.openRecordset(QStringLiteral("SELECT * FROM %1 ORDER BY %2")
                                   .arg(db::quoteIdentifier(table), db::quoteIdentifier(field)));
    if (rs.recordCount() == 0)
        return false;
    if (exceptRowid)
        return rs.findFirst(db::quoteIdentifier(field) + QStringLiteral(" = ? AND rowid <> ?"),
                            {value, *exceptRowid});
    return rs.findFirst(db::quoteIdentifier(field) + QStringLiteral(" = ?"), {value});
}

QString rowExistsErrorTitle(const QString& table)
{
    return QStringLiteral("Funkcja SprCzyIst") + table;
}

std::optional<bool> SprCzyIst(db::Database& database, const QString& table, const QString& field,
                              const QVariant& value, std::optional<qint64> exceptRowid)
{
    try {
        return rowExists(database, table, field, value, exceptRowid);
    } catch (const std::exception& e) {
        PokazBlad(rowExistsErrorTitle(table), e);
        return std::nullopt;
    }
}

void WypelnijCombo(QComboBox* combo, db::Database& database, const ZrodloTabeli& source,
                   const QString& shownField, const QString& sortField, const QString& orderSuffix,
                   const QString& firstItem)
{
    try {
        const QString order = sortField.isEmpty() ? shownField : sortField;
        db::Recordset rs = database.openRecordset(selectFrom(source) + QStringLiteral(" ORDER BY ") +
                                                      db::quoteIdentifier(order) + orderSuffix,
                                                  source.args);
        if (rs.recordCount() == 0)
            return;
        const int field = rs.fieldIndex(shownField);
        if (field < 0)
            throw db::JetError::fromNumber(db::jet::ItemNotFound, shownField);
        combo->clear();
        if (!firstItem.isEmpty())
            combo->addItem(firstItem);
        for (; !rs.eof(); rs.moveNext())
            combo->addItem(BezNullText(rs.value(field)));
    } catch (const std::exception& e) {
        PokazBlad(QStringLiteral("Nie mogę wypełnić Combo: ") + combo->currentText(), e);
    }
}

void WypelnijComboDwaPola(QComboBox* combo, db::Database& database, const QString& table,
                          const QString& firstField, const QString& secondField, const QString& separator)
{
    const QString title = QStringLiteral("Nie mogę wypełnić Combo: ");
    try {
        QString order = db::quoteIdentifier(firstField);
        if (!secondField.isEmpty())
            order += QStringLiteral(", ") + db::quoteIdentifier(secondField);
        db::Recordset rs = database.openRecordset(
            QStringLiteral("SELECT * FROM %1 ORDER BY %2").arg(db::quoteIdentifier(table), order));
        if (rs.recordCount() == 0)
            return;
        combo->clear();
        for (; !rs.eof(); rs.moveNext()) {
            try {
                QString item = BezNullText(rs.value(firstField));
                if (!secondField.isEmpty())
                    item += separator + BezNullText(rs.value(secondField));
                combo->addItem(item);
            } catch (const std::exception& e) {
                PokazBlad(title + combo->currentText(), e); // that record is skipped
            }
        }
    } catch (const std::exception& e) {
        PokazBlad(title + combo->currentText(), e);
    }
}

void PobierzOpis(QLabel* label, db::Database& database, const QString& table, const QVariant& keyValue,
                 const QString& keyField, const QString& shownField)
{
    try {
        db::Recordset rs =
            database.openRecordset(QStringLiteral("SELECT * FROM %1 WHERE %2 = ? ORDER BY %2")
                                       .arg(db::quoteIdentifier(table), db::quoteIdentifier(keyField)),
                                   {keyValue});
        if (rs.recordCount() > 0)
            label->setText(BezNullText(rs.value(shownField)));
    } catch (const std::exception& e) {
        PokazBlad(QStringLiteral("Nie mogę pobrać danych z Combo: "), e);
    }
}

bool UsunRekord(db::Recordset& records, const QString& question, bool ask, const QString& title)
{
    if (records.recordCount() == 0)
        return true;
    if (ask && !ui::dialogs().askYesNo(question, title, ui::Icon::Question, false))
        return false;
    if (records.recordCount() > 0) {
        records.deleteRecord();
        if (records.recordCount() > 0) {
            records.moveNext();
            if (records.eof())
                records.moveLast();
        }
    }
    return true;
}

void UsunWszystkie(db::Recordset& records)
{
    if (records.recordCount() == 0)
        return;
    records.moveLast();
    records.moveFirst();
    while (!records.eof()) {
        records.deleteRecord();
        records.moveNext();
    }
}

void WypelnijPodpowiedzi(const QString& hintTable, QComboBox* combo)
{
    combo->clear();
    try {
        db::Recordset rs = ModLabor().BazaStale.openRecordset(
            QStringLiteral("SELECT * FROM %1 ORDER BY PODPOWIEDZ").arg(db::quoteIdentifier(hintTable)));
        for (; !rs.eof(); rs.moveNext())
            combo->addItem(BezNullText(rs.value(QStringLiteral("PODPOWIEDZ"))));
    } catch (const std::exception&) {
        // A missing hint table only leaves the list short; the user can still type a remark.
    }
}

bool CzyJestNrDzien(int dayNumber, const QString& dateText)
{
    try {
        db::Recordset rs = ModLabor().BazaRok.openRecordset(
            QStringLiteral(
                "SELECT * FROM Badanie WHERE DataWprowadzenia = datevalue(?) ORDER BY DataWprowadzenia, "
                "NrDzien"),
            {dateText});
        return rs.recordCount() > 0 && rs.findFirst(QStringLiteral("NrDzien = ?"), {dayNumber});
    } catch (const std::exception&) {
        return false; // also when the yearly file has no such columns
    }
}

bool CzyJestNrOgolny(qint32 generalNumber)
{
    try {
        db::Recordset rs =
            ModLabor().BazaRok.openRecordset(QStringLiteral("SELECT * FROM Badanie ORDER BY NrOgolny"));
        return rs.recordCount() > 0 && rs.findFirst(QStringLiteral("NrOgolny = ?"), {generalNumber});
    } catch (const std::exception&) {
        return false;
    }
}

QString PobierzDomyslny(const QString& table, const QString& field, const QString& flagField)
{
    try {
        db::Recordset rs = ModLabor().BazaStale.openRecordset(
            QStringLiteral("SELECT * FROM %1 WHERE %2 = 'T'")
                .arg(db::quoteIdentifier(table), db::quoteIdentifier(flagField)));
        if (rs.recordCount() == 0)
            return {};
        return BezNullText(rs.value(field));
    } catch (const std::exception&) {
        return {};
    }
}

QString likePrefix(const QString& text)
{
    QString pattern;
    for (const QChar c : text) {
        if (c == u'*' || c == u'?' || c == u'#' || c == u'[')
            pattern += u'[' + QString(c) + u']';
        else
            pattern += c;
    }
    return pattern + u'*';
}

void ZaznaczWiersz(QAbstractItemView* grid)
{
    const QModelIndex current = grid->currentIndex();
    if (!current.isValid() || !grid->selectionModel())
        return;
    grid->selectionModel()->select(current, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void NastepnePole()
{
    ui::sendKeystrokes({ui::Keystroke::Tab});
}

} // namespace trelimor
