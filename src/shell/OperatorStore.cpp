#include "OperatorStore.h"

#include "common/Messages.h"
#include "common/TableHelpers.h"

#include "platform/db/Recordset.h"
#include "platform/db/Transaction.h"

#include <algorithm>

namespace trelimor {

namespace {

db::Recordset openRow(db::Database& database, qint64 rowid)
{
    return database.openRecordset(QStringLiteral("SELECT * FROM OPERATORZY WHERE rowid = ?"), {rowid});
}

bool numberTaken(const std::vector<OperatorRow>& rows, const QString& number)
{
    return std::any_of(rows.begin(), rows.end(),
                       [&](const OperatorRow& row) { return row.numer.trimmed() == number.trimmed(); });
}

} // namespace

std::vector<OperatorRow> readOperators(db::Database& database)
{
    db::Recordset rs = database.openRecordset(QStringLiteral(
        "SELECT OP_NUMER, OP_NAZWISKO, OP_KLUCZ, OP_RODZAJ, OP_LOGIN FROM OPERATORZY ORDER BY rowid"));
    std::vector<OperatorRow> rows;
    rows.reserve(size_t(rs.recordCount()));
    for (int i = 0; i < rs.recordCount(); ++i) {
        rows.push_back({rs.rowidAt(i), BezNullText(rs.valueAt(i, 0)), BezNullText(rs.valueAt(i, 1)),
                        BezNullText(rs.valueAt(i, 2)), BezNullText(rs.valueAt(i, 3)),
                        BezNullText(rs.valueAt(i, 4))});
    }
    return rows;
}

OperatorSave saveOperator(db::Database& database, const OperatorEdit& edit)
{
    const bool isNew = edit.rowid < 0;
    db::Transaction transaction(database, db::Transaction::Mode::Immediate);
    const std::vector<OperatorRow> rows = readOperators(database);
    if (edit.checkLogin) {
        if (auto refused = checkLogin(edit.login, rows, edit.rowid))
            return {refused};
    }
    QString number = edit.numer;
    if (isNew && numberTaken(rows, number)) {
        number = nextOperatorNumber(rows);
        if (auto refused = checkNumber(number))
            return {refused};
    }
    if (!isNew && edit.writeKind) {
        if (auto refused = checkKindChange(rows, edit.rowid, edit.rodzaj))
            return {refused};
    }

    db::Recordset rs = openRow(database, edit.rowid);
    if (isNew) {
        rs.addNew();
    } else {
        if (rs.recordCount() == 0)
            return {FailedCheck{FailedCheck::Box::Alarm,
                                kAlarmTitle,
                                QStringLiteral("Tego operatora usunięto w międzyczasie!"),
                                {}}};
        rs.edit();
    }
    rs.setValue(QStringLiteral("OP_NUMER"), number);
    rs.setValue(QStringLiteral("OP_NAZWISKO"), edit.nazwisko);
    rs.setValue(QStringLiteral("OP_KLUCZ"), edit.klucz);
    if (edit.writeKind)
        rs.setValue(QStringLiteral("OP_RODZAJ"), edit.rodzaj);
    rs.setValue(QStringLiteral("OP_LOGIN"), edit.login);
    if (!edit.storedPassword.isEmpty())
        rs.setValue(QStringLiteral("OP_HASLO"), edit.storedPassword);
    rs.update();
    const qint64 written = isNew ? rs.lastModified() : edit.rowid;
    transaction.commit();
    return {std::nullopt, written};
}

std::optional<FailedCheck> deleteOperator(db::Database& database, qint64 rowid, const QString& loggedInNumber)
{
    db::Transaction transaction(database, db::Transaction::Mode::Immediate);
    if (auto refused = checkDeletion(readOperators(database), rowid, loggedInNumber))
        return refused;
    db::Recordset rs = openRow(database, rowid);
    UsunRekord(rs, {}, false, {});
    transaction.commit();
    return std::nullopt;
}

} // namespace trelimor
