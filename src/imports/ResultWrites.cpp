#include "ResultWrites.h"

#include "common/Messages.h"

#include "platform/db/Database.h"
#include "platform/db/JetError.h"
#include "platform/db/PolishCollation.h"
#include "platform/db/Recordset.h"
#include "platform/db/Transaction.h"

#include <QHash>
#include <QMultiHash>

namespace trelimor {

namespace {

struct Sample
{
    QString earTag;
    QString species;
    QVariant partiaG;
    QVariant nrProbki;
};

using SampleKey = QPair<qint64, qint64>; // NrStado, NrProbki

// The year's samples by herd and sample number, read once.
QMultiHash<SampleKey, Sample> samplesByNumbers(db::Database& yearly)
{
    QMultiHash<SampleKey, Sample> samples;
    db::Recordset rs = yearly.openRecordset(
        QStringLiteral("SELECT NrKolczyka, Gatunek, PartiaG, NrStado, NrProbki FROM Badanie "
                       "WHERE NrStado IS NOT NULL AND NrProbki IS NOT NULL"));
    for (; !rs.eof(); rs.moveNext())
        samples.insert({rs.value(3).toLongLong(), rs.value(4).toLongLong()},
                       {BezNullText(rs.value(0)), BezNullText(rs.value(1)), rs.value(2), rs.value(4)});
    return samples;
}

// The one sample of the line: its ear tag compared as the database compares text; nothing when
// no sample or several samples match.
std::optional<Sample> sampleOf(const QMultiHash<SampleKey, Sample>& samples, const ResultLine& line,
                               const QString& earTag)
{
    std::optional<Sample> found;
    for (auto it = samples.constFind({line.herd, line.sample});
         it != samples.cend() && it.key() == SampleKey{line.herd, line.sample}; ++it) {
        if (db::comparePolish(it->earTag, earTag) != 0)
            continue;
        if (found)
            return std::nullopt;
        found = *it;
    }
    return found;
}

// The herd number (NrGospod) of each herd group: that of its first row.
QHash<qint64, QString> herdsOfGroups(db::Database& yearly)
{
    QHash<qint64, QString> herds;
    db::Recordset rs = yearly.openRecordset(
        QStringLiteral("SELECT PartiaG, NrGospod FROM PartiaG WHERE PartiaG IS NOT NULL ORDER BY rowid"));
    for (; !rs.eof(); rs.moveNext()) {
        const qint64 group = rs.value(0).toLongLong();
        if (!herds.contains(group))
            herds.insert(group, BezNullText(rs.value(1)));
    }
    return herds;
}

} // namespace

ResultPlan planResults(db::Database& yearly, const ResultsFile& file)
{
    ResultPlan plan;
    if (file.lines.empty())
        return plan;
    const QMultiHash<SampleKey, Sample> samples = samplesByNumbers(yearly);
    const QHash<qint64, QString> herds = herdsOfGroups(yearly);
    for (const ResultLine& line : file.lines) {
        const QString earTag = file.earTag(line);
        const std::optional<Sample> sample = sampleOf(samples, line, earTag);
        if (!sample || db::isNull(sample->partiaG)) {
            if (plan.skippedLines++ < ResultPlan::kTagsKept)
                plan.skippedTags << earTag;
            continue;
        }
        if (sample->species == file.species(line)) {
            const auto herd = herds.constFind(sample->partiaG.toLongLong());
            if (herd != herds.cend() && *herd != file.holdingHerd(line)) {
                plan.herdMismatch = ResultPlan::HerdMismatch{earTag, file.holdingHerd(line)};
                return plan;
            }
        }
        ++plan.writtenLines;
        if (line.flagged)
            plan.writes.push_back({&line, sample->partiaG, sample->nrProbki});
    }
    return plan;
}

void writeResults(db::Database& yearly, const ResultsFile& file, const ResultPlan& plan)
{
    // Each table's statement and column types, made once.
    struct TableWrite
    {
        QString sql;
        QList<db::Field> fields;
    };
    QHash<const ResultTest*, TableWrite> writes;
    const auto writeOf = [&](const ResultTest* test) -> const TableWrite& {
        auto it = writes.find(test);
        if (it != writes.end())
            return *it;
        const db::TableDef table = yearly.tableDef(test->table);
        TableWrite write;
        QStringList assignments;
        for (const QString& column : test->columns) {
            const int index = table.indexOf(column);
            if (index < 0)
                throw db::JetError::fromNumber(db::jet::ItemNotFound, column);
            write.fields << table.fields.at(index);
            assignments << db::quoteIdentifier(column) + QStringLiteral(" = ?");
        }
        const QString name = db::quoteIdentifier(test->table);
        // The first row of the sample, as the laboratory's results always went to it.
        write.sql =
            QStringLiteral("UPDATE %1 SET %2 WHERE rowid = (SELECT rowid FROM %1 WHERE Partia = ? AND "
                           "NrProbki = ? ORDER BY rowid LIMIT 1)")
                .arg(name, assignments.join(QStringLiteral(", ")));
        return *writes.insert(test, write);
    };

    db::Transaction whole(yearly, db::Transaction::Mode::Immediate);
    for (const ResultPlan::Write& match : plan.writes) {
        for (const ResultTest& test : resultTests()) {
            if (!isFlagged(*match.line, test))
                continue;
            const TableWrite& write = writeOf(&test);
            const QStringList texts = file.valuesOf(*match.line, test);
            QVariantList values;
            for (qsizetype i = 0; i < write.fields.size(); ++i)
                values << db::toStorage(write.fields.at(i), texts.at(i));
            values << match.partia << match.nrProbki;
            yearly.execute(write.sql, values);
        }
    }
    whole.commit();
}

} // namespace trelimor
