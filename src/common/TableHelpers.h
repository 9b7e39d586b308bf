#pragma once

#include "platform/db/Database.h"
#include "platform/db/Recordset.h"

#include <QString>
#include <QVariantList>

#include <optional>

class QAbstractItemView;
class QComboBox;
class QLabel;

namespace trelimor {

// The rows of a table a helper reads: the table and an optional condition with its bound
// values, e.g. {"PIW", "substr(IDPIW, 1, 2) = ?", {"14"}}.
struct ZrodloTabeli
{
    QString table;
    QString where;
    QVariantList args;

    ZrodloTabeli(const char* name)
        : table(QString::fromUtf8(name))
    {}
    ZrodloTabeli(const QString& name, const QString& condition = {}, const QVariantList& values = {})
        : table(name)
        , where(condition)
        , args(values)
    {}
};

// Walks a table once from end to end before a report reads it.
void PrzegladnijTabele(db::Database& database, const QString& table);

// Whether a record with field = value exists, leaving out the record with the rowid exceptRowid
// (a correction is tested against the other records). A failed lookup (a missing table, say)
// is reported and gives no answer, never "not found": a duplicate test must refuse then.
std::optional<bool> SprCzyIst(db::Database& database, const QString& table, const QString& field,
                              const QVariant& value, std::optional<qint64> exceptRowid = std::nullopt);
// The same lookup, throwing what went wrong instead of reporting it: for a caller that holds a
// write lock and must end its transaction before any box is shown.
bool rowExists(db::Database& database, const QString& table, const QString& field, const QVariant& value,
               std::optional<qint64> exceptRowid = std::nullopt);
// The title SprCzyIst reports a failed lookup under.
QString rowExistsErrorTitle(const QString& table);

// Fills the combo with one field of every record, ordered by the sort field (or the shown
// field) and the order suffix (" DESC"); the first item, when given, comes first. An empty
// table leaves the combo as it was.
void WypelnijCombo(QComboBox* combo, db::Database& database, const ZrodloTabeli& source,
                   const QString& shownField, const QString& sortField = {}, const QString& orderSuffix = {},
                   const QString& firstItem = {});
// The same with two fields joined by the separator, ordered by both.
void WypelnijComboDwaPola(QComboBox* combo, db::Database& database, const QString& table,
                          const QString& firstField, const QString& secondField, const QString& separator);
// Shows in the label the shown field of the record whose key field equals the key value;
// the label keeps its text when there is none.
void PobierzOpis(QLabel* label, db::Database& database, const QString& table, const QVariant& keyValue,
                 const QString& keyField, const QString& shownField);

// Deletes the current record, asking first (Yes/No, No the default) when ask is set; then
// moves to the next record, or to the last one past the end. True when it went ahead.
bool UsunRekord(db::Recordset& records, const QString& question, bool ask, const QString& title);
// Deletes every record of the recordset.
void UsunWszystkie(db::Recordset& records);

// Fills a remark-hint combo from a hint table of the dictionary database.
void WypelnijPodpowiedzi(const QString& hintTable, QComboBox* combo);

// Whether a sample of that day number (entered on that date) or general number exists in
// the yearly database; false also when the columns are not there.
bool CzyJestNrDzien(int dayNumber, const QString& dateText);
bool CzyJestNrOgolny(qint32 generalNumber);

// The field of the first row marked "T" in the flag field of a dictionary table; "" for none.
QString PobierzDomyslny(const QString& table, const QString& field, const QString& flagField);

// The LIKE pattern of a prefix search: the text taken literally (a "*", "?", "#" or "[" the
// user typed is no wildcard), followed by "*".
QString likePrefix(const QString& text);

// Leaves exactly the grid's current row selected; nothing without a current row.
void ZaznaczWiersz(QAbstractItemView* grid);
// Moves the focus to the next control, as the Enter key of edit fields does.
void NastepnePole();

} // namespace trelimor
