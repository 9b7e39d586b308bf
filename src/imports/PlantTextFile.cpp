// Format D: the establishment's text file of ";" fields.

#include "PlantFiles.h"
#include "PlantValues.h"

#include "common/Messages.h"
#include "common/TextLines.h"

namespace trelimor {

namespace {

bool startsWithDigit(const QString& line)
{
    return !line.isEmpty() && line.at(0).unicode() >= '0' && line.at(0).unicode() <= '9';
}

} // namespace

QStringList splitPlantLine(const QString& line)
{
    QStringList fields;
    QString field;
    bool quoted = false;
    for (const QChar c : line) {
        if (c == u'"') {
            quoted = !quoted;
        } else if (c == u';' && !quoted) {
            fields << field;
            field.clear();
        } else {
            field += c;
        }
    }
    fields << field;
    return fields;
}

ImportRead readPlantFormatD(TextLineReader& lines)
{
    ImportRead result;
    QString line;
    const bool headed = lines.next(line);
    if (headed && line.mid(8, 13) != u"WetNumerIdent") {
        result.problem = ReadProblem::of(ReadProblem::Kind::BadHeader, 1);
        return result;
    }
    if (!headed || !lines.next(line)) {
        result.problem = ReadProblem::of(ReadProblem::Kind::NoSamples);
        return result;
    }
    for (int number = 2; startsWithDigit(line); ++number) {
        const QStringList f = splitPlantLine(line);
        const auto field = [&f](int i) { return i < f.size() ? f.at(i) : QString(); };
        ImportedSample s;
        s.source = number;
        s.wni = field(1);
        s.data = field(3);
        if ((result.problem = setSampleNumber(s, field(2), s.source)))
            return result;
        const QString plec = field(6);
        if (plec != u"męska" && plec != u"żeńska")
            PokazInfo(QStringLiteral("Płęś musi być męska lub żeńska!"), kInformationTitle);
        const QString nrGospod = field(9);
        if (nrGospod.isEmpty())
            PokazInfo(
                QStringLiteral("Pole 'Identyfikator stada' nie może być puste!\rUzupełnij po wczytaniu!"),
                kInformationTitle);
        addIdentityFields(s);
        addAnimalFields(s, {field(4), field(5), plantSpecies(field(13)), plec, field(7), field(11), field(12),
                            field(10), nrGospod});
        // The line's remark belongs to its sample.
        setField(s, "Uwagi", field(8));
        result.samples << s;
        if (!lines.next(line))
            break;
    }
    return result;
}

} // namespace trelimor
