#include "ExportFile.h"

#include "TypedQuery.h"

#include "common/Cp1250.h"
#include "documents/ExportErrors.h"
#include "documents/ValueText.h"

#include "platform/db/Database.h"
#include "platform/db/Transaction.h"
#include "platform/locale/DatePattern.h"
#include "platform/locale/ShortDateFormat.h"
#include "platform/paths/DurableFiles.h"

#include <QDateTime>
#include <QIODevice>

namespace trelimor {

namespace {

// Bytes gathered before they go to the file.
constexpr qsizetype kWriteChunk = 1 << 18;

const QString kRemarks = QStringLiteral("Uwagi");

void writeBytes(QIODevice& out, QByteArray& bytes)
{
    QString error;
    if (!paths::writeAll(out, bytes, &error))
        throw PathAccessError(error);
    bytes.clear();
}

qint64 rowCount(db::Database& yearly, const QString& table)
{
    return yearly.scalar(QStringLiteral("SELECT COUNT(*) FROM ") + db::quoteIdentifier(table)).toLongLong();
}

void writeSection(db::Database& yearly, const ExportSection& section, const ExportValueText& text,
                  QIODevice& out, QByteArray& bytes, ExportProgress& progress)
{
    const qint64 rows = rowCount(yearly, section.table);
    if (rows <= 0)
        return;
    TypedQuery query(yearly, QStringLiteral("SELECT * FROM ") + db::quoteIdentifier(section.table));
    std::vector<int> columns;
    std::vector<bool> remarks;
    for (const QString& field : section.fields) {
        columns.push_back(query.requiredColumn(field));
        remarks.push_back(field == kRemarks);
    }
    cp1250::appendEncoded(QStringLiteral("[%1]\r\n").arg(section.table), bytes);
    progress.rowsCounted(rows);

    qint64 row = 0;
    QString line;
    while (query.next()) {
        progress.rowStarted(++row);
        line.clear();
        for (size_t i = 0; i < columns.size(); ++i) {
            const QString value = text(query.value(columns[i]), query.type(columns[i]));
            line += remarks[i] ? exportRemark(value) : value;
            line += QLatin1Char('|');
        }
        if (section.extraBar)
            line += QLatin1Char('|');
        line += QStringLiteral("\r\n");
        cp1250::appendEncoded(line, bytes);
        if (bytes.size() >= kWriteChunk)
            writeBytes(out, bytes);
    }
}

} // namespace

const std::vector<ExportSection>& exportSections()
{
    static const std::vector<ExportSection> sections{
        {QStringLiteral("Partia"),
         {QStringLiteral("Partia"), QStringLiteral("Powiat"), QStringLiteral("IlProbek"),
          QStringLiteral("Oznaczenie"), QStringLiteral("Platnosc"), QStringLiteral("Lecznica"),
          QStringLiteral("Lekarz"), QStringLiteral("KODKRAJ"), QStringLiteral("NazTkanka"),
          QStringLiteral("DataPobr"), QStringLiteral("DataDoLab"), QStringLiteral("DataRozpBad"),
          QStringLiteral("DataZakBad"), QStringLiteral("NaUzdrowieniu"), QStringLiteral("Czystopis"),
          QStringLiteral("TNWyslane"), QStringLiteral("Badal"), QStringLiteral("Uwagi")},
         true},
        {QStringLiteral("PartiaG"),
         {QStringLiteral("Partia"), QStringLiteral("PartiaG"), QStringLiteral("NRGOSPOD"),
          QStringLiteral("WLASCICIEL"), QStringLiteral("MIEJSCOWOSCPOBR"), QStringLiteral("NrPosesja"),
          QStringLiteral("Uwagi")},
         true},
        {QStringLiteral("Badanie"),
         {QStringLiteral("PartiaG"),     QStringLiteral("NrOgolny"),   QStringLiteral("NrStado"),
          QStringLiteral("NrProbki"),    QStringLiteral("NrKolczyka"), QStringLiteral("Gatunek"),
          QStringLiteral("Rasa"),        QStringLiteral("Plec"),       QStringLiteral("Masc"),
          QStringLiteral("Wiek"),        QStringLiteral("WiekTyp"),    QStringLiteral("Ciaza"),
          QStringLiteral("BadajEBB"),    QStringLiteral("BadajBR"),    QStringLiteral("BadajNZK"),
          QStringLiteral("BadajZSt"),    QStringLiteral("BadajNos"),   QStringLiteral("BadajQ"),
          QStringLiteral("BadajIBRIPV"), QStringLiteral("BadajPar"),   QStringLiteral("BadajBrOK"),
          QStringLiteral("Uwagi"),       QStringLiteral("Niebadaj")},
         true},
        {QStringLiteral("EBB"),
         {QStringLiteral("Partia"), QStringLiteral("NrProbki"), QStringLiteral("Elisa"), QStringLiteral("ID"),
          QStringLiteral("WynikOgolny")}},
        {QStringLiteral("Br"),
         {QStringLiteral("Partia"), QStringLiteral("NrProbki"), QStringLiteral("OKAP"),
          QStringLiteral("OAmiano"), QStringLiteral("OAIU"), QStringLiteral("Elisa"),
          QStringLiteral("OWDmiano"), QStringLiteral("OWDmjpwd"), QStringLiteral("WynikOgolny")}},
        {QStringLiteral("NZK"),
         {QStringLiteral("Partia"), QStringLiteral("NrProbki"), QStringLiteral("Wynik")}},
        {QStringLiteral("ZSt"),
         {QStringLiteral("Partia"), QStringLiteral("NrProbki"), QStringLiteral("OWDmiano"),
          QStringLiteral("Wynik")}},
        {QStringLiteral("Nos"),
         {QStringLiteral("Partia"), QStringLiteral("NrProbki"), QStringLiteral("OWDmiano"),
          QStringLiteral("Wynik")}},
        {QStringLiteral("Q"),
         {QStringLiteral("Partia"), QStringLiteral("NrProbki"), QStringLiteral("OWDmiano"),
          QStringLiteral("Wynik")}},
        {QStringLiteral("IBRIPV"),
         {QStringLiteral("Partia"), QStringLiteral("NrProbki"), QStringLiteral("Wynik")}},
        {QStringLiteral("Par"),
         {QStringLiteral("Partia"), QStringLiteral("NrProbki"), QStringLiteral("Wynik")}},
        {QStringLiteral("BrOK"),
         {QStringLiteral("Partia"), QStringLiteral("NrProbki"), QStringLiteral("OKAP"),
          QStringLiteral("OWDmiano"), QStringLiteral("OWDmjpwd"), QStringLiteral("WynikOgolny")}},
    };
    return sections;
}

ExportValueText::ExportValueText()
    : m_dateFormat(locale::qtFormatFromWindows(locale::shortDateFormat()))
    , m_names(QLocale::system())
{}

QString ExportValueText::operator()(const QVariant& value, db::DataType type) const
{
    if (db::isNull(value))
        return {};
    switch (value.typeId()) {
    case QMetaType::QDateTime: {
        const QDateTime moment = value.toDateTime();
        QString text = m_names.toString(moment.date(), m_dateFormat);
        if (moment.time() != QTime(0, 0))
            text += QLatin1Char(' ') + moment.time().toString(QStringLiteral("HH:mm:ss"));
        return text;
    }
    case QMetaType::Bool:
        return value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    default:
        return tekstLiczby(value, type);
    }
}

QString exportRemark(QString remark)
{
    return remark.replace(QLatin1Char('\r'), QLatin1Char(' '));
}

QString proposedExportName(const QString& place, const QDate& workingDate)
{
    return QStringLiteral("ZHW-") + place + QStringLiteral("BSEMiesiac") +
           workingDate.toString(QStringLiteral("yyyy-MM"));
}

void writeExportSections(db::Database& yearly, QIODevice& out, ExportProgress& progress)
{
    const ExportValueText text;
    QByteArray bytes;
    // One snapshot of the year: a herd group and its samples saved by another workstation while
    // the file is written are in it together or not at all. The first read takes the snapshot,
    // and other workstations' saves wait (the databases keep a rollback journal) until the last
    // section is read.
    db::Transaction snapshot(yearly);
    for (const ExportSection& section : exportSections()) {
        progress.tableStarted(section.table);
        writeSection(yearly, section, text, out, bytes, progress);
    }
    snapshot.commit(); // it read only: ending it releases the others
    writeBytes(out, bytes);
}

void PlikEksportuWIW(db::Database& yearly, const QString& path, ExportProgress& progress)
{
    QString error;
    if (!paths::writeFileAtomically(
            path,
            [&](QIODevice& out) {
                writeExportSections(yearly, out, progress);
                return true;
            },
            &error))
        throw PathAccessError(error);
}

} // namespace trelimor
