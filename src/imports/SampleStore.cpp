#include "SampleStore.h"

#include "common/DatabaseIndexes.h"

#include "platform/db/Transaction.h"

#include <QHash>
#include <QSet>

namespace trelimor {

namespace {

// Codes compare as the PL collation compares them: regardless of letter case.
QString codeKey(const ImportedSample& s)
{
    return (s.wni + QChar(u'\x1f') + s.nr + QChar(u'\x1f') + s.data).toCaseFolded();
}

StoreResult refused(StoreResult::Kind kind, int index, const QVariant& batch = {})
{
    StoreResult result;
    result.kind = kind;
    result.index = index;
    result.batch = batch;
    return result;
}

// The batch of a stored sample with the code, the current batch's when it holds one.
QVariant batchWithCode(db::Database& year, qint64 batch, const ImportedSample& s)
{
    return year.scalar(QStringLiteral("SELECT Partia FROM Badanie WHERE ") + kWarunekKoduProbki +
                           QStringLiteral(" ORDER BY Partia = ? DESC LIMIT 1"),
                       {s.wni, s.nr, s.data, batch});
}

bool numberTaken(db::Database& year, qint64 batch, int nrProbki)
{
    return year
        .scalar(QStringLiteral("SELECT EXISTS (SELECT 1 FROM Badanie WHERE Partia = ? AND NrProbki = ?)"),
                {batch, nrProbki})
        .toBool();
}

void write(db::Recordset& rows, qint64 batch, const ImportedSample& s)
{
    rows.addNew();
    try {
        rows.setValue(QStringLiteral("Partia"), batch);
        for (const auto& [field, value] : s.fields)
            rows.setValue(field, value);
        rows.update();
    } catch (...) {
        rows.cancelUpdate();
        throw;
    }
}

} // namespace

void setField(ImportedSample& sample, const char* field, const QVariant& value)
{
    sample.fields << std::pair(QString::fromLatin1(field), value);
}

void addIdentityFields(ImportedSample& s)
{
    s.fields << std::pair(QStringLiteral("NrProbki"), QVariant(s.nrProbki))
             << std::pair(QStringLiteral("IDProbkiWNI"), QVariant(s.wni))
             << std::pair(QStringLiteral("IDProbkiNr"), QVariant(s.nr))
             << std::pair(QStringLiteral("IDProbkiData"), QVariant(s.data));
}

StoreResult storeSamples(db::Database& year, qint64 batch, const QList<ImportedSample>& samples,
                         bool checkNumbers, bool keep)
{
    using Kind = StoreResult::Kind;
    db::Transaction transaction(year, db::Transaction::Mode::Immediate);
    db::Recordset rows =
        year.openRecordset(QStringLiteral("SELECT * FROM Badanie WHERE Partia = ?"), {batch});
    QSet<QString> codes;
    QSet<int> numbers;
    StoreResult result;
    for (int i = 0; i < samples.size(); ++i) {
        const ImportedSample& s = samples.at(i);
        if (checkNumbers && numbers.contains(s.nrProbki))
            return refused(Kind::NumberRepeated, i, batch);
        if (checkNumbers && numberTaken(year, batch, s.nrProbki))
            return refused(Kind::NumberTaken, i, batch);
        if (codes.contains(codeKey(s)))
            return refused(Kind::CodeRepeated, i, batch);
        const QVariant holder = batchWithCode(year, batch, s);
        if (!holder.isNull())
            return refused(Kind::CodeTaken, i, holder);
        try {
            write(rows, batch, s);
        } catch (const db::JetError& e) {
            StoreResult failed = refused(Kind::WriteFailed, i);
            failed.error = e;
            return failed;
        }
        codes.insert(codeKey(s));
        numbers.insert(s.nrProbki);
        result.last = rows.lastModified();
    }
    if (keep)
        transaction.commit();
    return result;
}

} // namespace trelimor
