#include "YearGenerator.h"

#include "YearShapes.h"
#include "YearValues.h"

#include "common/Dates.h"

#include "platform/db/Field.h"
#include "platform/db/JetError.h"
#include "platform/db/Statement.h"
#include "platform/db/Transaction.h"

#include <QDate>
#include <QStringList>

#include <memory>
#include <vector>

using namespace Qt::StringLiterals;

namespace trelimor::test {

namespace {

// Inserts the rows of one table through one prepared statement. The columns are those the first
// row sets, in its order; every later row sets the same ones, bound as they come.
class TableWriter
{
public:
    TableWriter(db::Database& year, QString table)
        : m_year(year)
        , m_table(std::move(table))
    {}

    TableWriter& set(const QString& column, const QVariant& value)
    {
        if (m_statement) {
            m_statement->bind(++m_bound, value);
        } else {
            m_columns << column;
            m_firstRow << value;
        }
        return *this;
    }

    void insert()
    {
        if (!m_statement) {
            QStringList quoted;
            for (const QString& column : std::as_const(m_columns))
                quoted << db::quoteIdentifier(column);
            m_statement = std::make_unique<db::Statement>(
                m_year.handle(), u"INSERT INTO %1 (%2) VALUES (%3)"_s.arg(
                                     db::quoteIdentifier(m_table), quoted.join(u", "_s),
                                     QStringList(m_columns.size(), u"?"_s).join(u", "_s)));
            m_statement->bindAll(m_firstRow);
            m_bound = int(m_firstRow.size());
            m_firstRow.clear();
        }
        if (m_bound != m_columns.size())
            throw db::JetError::fromNumber(db::jet::GenericFailure, m_table);
        m_statement->step();
        m_statement->reset();
        m_bound = 0;
        ++m_rows;
    }

    int rows() const { return m_rows; }

private:
    db::Database& m_year;
    QString m_table;
    QStringList m_columns;
    QVariantList m_firstRow;
    std::unique_ptr<db::Statement> m_statement;
    int m_bound = 0;
    int m_rows = 0;
};

QVariant storedDate(const QDate& date)
{
    return date.isValid() ? QVariant(db::dateToStorage(QDateTime(date, QTime(0, 0)))) : QVariant();
}

constexpr std::uint64_t kTwelveDigits = 1000000000000u;

// n in decimal, zero-filled to width digits.
QString padded(qint64 n, int width)
{
    return u"%1"_s.arg(n, width, 10, QLatin1Char('0'));
}

// The dates of one batch; a null date is an invalid QDate.
struct BatchDates
{
    QDate slaughter, sampling, dispatch, entry, testing, result;
};

BatchDates batchDates(Random& random, const YearPlan& plan, int batchIndex)
{
    const QDate first(plan.year, 1, 1);
    // The first two batches lie on the first and the last day of the year: the edges of a period.
    const int day = batchIndex == 0   ? 0
                    : batchIndex == 1 ? first.daysInYear() - 1
                                      : random.below(first.daysInYear());
    BatchDates d;
    d.slaughter = first.addDays(day);
    d.sampling = d.slaughter.addDays(random.below(2));
    d.dispatch = d.sampling;
    d.entry = d.sampling.addDays(random.below(3));
    d.testing = d.entry.addDays(1);
    d.result = d.testing.addDays(random.below(3));
    switch (batchIndex < 2 ? DateGap::None : kDateGaps.take(random, batchIndex - 2).toInt()) {
    case DateGap::Slaughter:
        d.slaughter = {};
        break;
    case DateGap::Entry:
        d.entry = {};
        break;
    case DateGap::Testing:
        d.testing = {};
        break;
    case DateGap::Result:
        d.result = {};
        break;
    case DateGap::Sampling:
        d.sampling = {};
        break;
    case DateGap::All:
        d = {{}, {}, d.dispatch, {}, {}, {}};
        break;
    default:
        break;
    }
    return d;
}

class Generator
{
public:
    Generator(db::Database& year, const YearPlan& plan)
        : m_spec(plan)
        , m_random(plan.seed)
        , m_partia(year, u"Partia"_s)
        , m_badanie(year, u"Badanie"_s)
        , m_groups(year, u"PartiaG"_s)
    {
        for (const QString& table : serologyResultTables())
            m_results.push_back(std::make_unique<TableWriter>(year, table));
    }

    GeneratedYear run()
    {
        // Samples go to the batches at random; the last of two or more batches keeps none.
        const int batches = std::max(m_spec.batches, 0);
        std::vector<int> sizes(std::size_t(batches), 0);
        const int filled = batches > 1 ? batches - 1 : batches;
        for (int i = 0; filled > 0 && i < m_spec.samples; ++i)
            ++sizes[std::size_t(m_random.below(filled))];
        for (int b = 0; b < batches; ++b)
            writeBatch(b, sizes[std::size_t(b)]);

        GeneratedYear made{m_partia.rows(), m_badanie.rows(), m_groups.rows(), 0};
        for (const auto& results : m_results)
            made.resultRows += results->rows();
        return made;
    }

private:
    void writeBatch(int index, int samples)
    {
        const int partia = index + 1;
        const QVariant establishment = kEstablishments.take(m_random, index);
        const BatchDates dates = batchDates(m_random, m_spec, index);
        const auto hour = [this] {
            // Two statements: the operands of + are evaluated in no fixed order.
            const int h = 6 + m_random.below(12);
            return padded(h, 2) + u':' + padded(15 * m_random.below(4), 2);
        };

        m_partia.set(u"Partia"_s, partia)
            .set(u"IlProbek"_s, samples)
            .set(u"NrZlecenia"_s, padded(partia % 10000, 4))
            .set(u"Powiat"_s, m_spec.countyCode)
            .set(u"WNI"_s, kEstablishmentKinds.take(m_random, index))
            .set(u"KodZakladu"_s, establishment)
            .set(u"DataUboju"_s, storedDate(dates.slaughter))
            .set(u"GodzUboju"_s, hour())
            .set(u"DataPobr"_s, storedDate(dates.sampling))
            .set(u"GodzPobr"_s, hour())
            .set(u"DataWysylki"_s, storedDate(dates.dispatch))
            .set(u"GodzWysylki"_s, hour())
            .set(u"DataWprow"_s, storedDate(dates.entry))
            .set(u"GodzWprow"_s, hour())
            .set(u"DataRozpBad"_s, storedDate(dates.testing))
            .set(u"GodzRozpBad"_s, hour())
            .set(u"DataWyniku"_s, storedDate(dates.result))
            .set(u"GodzWyniku"_s, hour())
            .set(u"Pobral"_s, kVets.take(m_random, index))
            .set(u"Laboratorium"_s, u"Laboratorium Zakładu Higieny Weterynaryjnej"_s)
            .set(u"DataWyslaniaDoLab"_s, storedDate(dates.dispatch))
            .set(u"RodzajBadania"_s, u"monitoring BSE"_s)
            .set(u"PlanPobierania"_s, u"Obszar regulowany prawnie"_s)
            .set(u"ProceduraPobierania"_s, u"Obszar regulowany prawnie"_s)
            .set(u"Uwagi"_s, kRemarks.take(m_random, index));
        if (m_spec.serology) {
            m_partia.set(u"Oznaczenie"_s, kMarks.take(m_random, index))
                .set(u"Platnosc"_s, kPayments.take(m_random, index))
                .set(u"Lecznica"_s, kClinics.take(m_random, index))
                .set(u"Lekarz"_s, kVets.take(m_random, index + 1))
                .set(u"KODKRAJ"_s, kCountries.take(m_random, index))
                .set(u"NazTkanka"_s, kTissues.take(m_random, index))
                .set(u"DataDoLab"_s, storedDate(dates.dispatch.addDays(1)))
                .set(u"DataZakBad"_s, storedDate(dates.result))
                .set(u"NaUzdrowieniu"_s, kMostlyNo.take(m_random, index))
                .set(u"Czystopis"_s, kMostlyYes.take(m_random, index))
                .set(u"TNWyslane"_s, kMostlyYes.take(m_random, index + 1))
                .set(u"Badal"_s, kVets.take(m_random, index + 2));
        }
        m_partia.insert();

        const int groups = m_spec.serology && samples > 0 ? kGroupsPerBatch.take(m_random, index).toInt() : 0;
        const int firstGroup = m_groups.rows() + 1;
        for (int g = 0; g < groups; ++g)
            writeGroup(partia, firstGroup + g, index * 3 + g);

        const QString establishmentCode = establishment.toString().trimmed();
        for (int n = 1; n <= samples; ++n) {
            const int ordinal = groups > 0 ? 1 + m_random.below(groups) : 1;
            writeSample(partia, n, establishmentCode, dates, index * 3 + ordinal - 1,
                        groups > 0 ? QVariant(firstGroup + ordinal - 1) : QVariant(), ordinal);
        }
    }

    void writeGroup(int partia, int key, int herd)
    {
        const int nrGospodClass = kHerdNumberClasses.take(m_random, key - 1).toInt();
        m_groups.set(u"PartiaG"_s, key)
            .set(u"Partia"_s, partia)
            .set(u"NRGOSPOD"_s, nrGospodClass == Presence::Value   ? QVariant(herdDigits(herd))
                                : nrGospodClass == Presence::Empty ? QVariant(QString(u""_s))
                                                                   : QVariant())
            .set(u"Wlasciciel"_s, kSurnames.take(m_random, key))
            .set(u"MIEJSCOWOSCPOBR"_s, kPlaces.take(m_random, key))
            .set(u"NrPosesja"_s, QString::number(1 + m_random.below(120)))
            .set(u"Uwagi"_s, kRemarks.take(m_random, key + 1))
            .insert();
    }

    QString herdDigits(int herd) const
    {
        return padded(
            qint64((std::uint64_t(m_spec.seed) * 7919u + std::uint64_t(herd) * 104729u) % kTwelveDigits), 12);
    }

    void writeSample(int partia, int nrProbki, const QString& establishmentCode, const BatchDates& dates,
                     int herd, const QVariant& group, int ordinal)
    {
        const qint64 i = m_samples++;
        const QVariant species = kSpecies.take(m_random, i);
        const QString voivodeship = establishmentCode.left(2);

        m_badanie.set(u"Partia"_s, partia)
            .set(u"NrProbki"_s, nrProbki)
            .set(u"IDProbkiWNI"_s,
                 establishmentCode.isEmpty() ? QVariant() : QVariant(establishmentCode.left(10)))
            .set(u"IDProbkiNr"_s, padded(nrProbki, 3))
            .set(u"IDProbkiData"_s, dates.sampling.isValid() ? dates.sampling.toString(u"ddMMyyyy"_s) : u""_s)
            .set(u"Gatunek"_s, species)
            .set(u"Gatunek2"_s, species.toString() == u"Jeleniowate"_s ? kDeer.take(m_random, i) : QVariant())
            .set(u"Plec"_s, kSexes.take(m_random, i))
            .set(u"NrKolczyka"_s, earTag(i))
            .set(u"Wiek"_s, age(i))
            .set(u"RodzajUboju"_s, kKindsOfSlaughter.take(m_random, i))
            .set(u"SystemUtrzymania"_s, kKeepingSystems.take(m_random, i))
            .set(u"Uzytkowosc"_s, kProductionTypes.take(m_random, i))
            .set(u"LiczebnoscStada"_s, 1 + m_random.below(400))
            .set(u"NrGospod"_s, u"PL"_s + herdDigits(herd))
            .set(u"WlascicielImie"_s, kFirstNames.take(m_random, i))
            .set(u"WlascicielNazwisko"_s, kSurnames.take(m_random, i))
            .set(u"WlascicielMiejscowosc"_s, kPlaces.take(m_random, i))
            .set(u"WlascicielNrPosesja"_s, QString::number(1 + m_random.below(120)))
            .set(u"Wojewodztwo"_s, NazwaWojewodztwa(voivodeship).left(20))
            .set(u"KodWoj"_s, voivodeship)
            .set(u"KodPIW"_s, m_spec.countyCode)
            .set(u"Gmina"_s, kPlaces.take(m_random, i + 1))
            .set(u"Wynik"_s, kResults.take(m_random, i))
            .set(u"RodzajMaterialu"_s, u"pień mózgu"_s)
            .set(u"WarunkiPrzechowywania"_s, u"chłodnia"_s)
            .set(u"DataUrodzenia"_s,
                 dates.slaughter.isValid()
                     ? QVariant(
                           dates.slaughter.addDays(-30 * (6 + m_random.below(200))).toString(u"dd.MM.yyyy"_s))
                     : QVariant())
            .set(u"Uwagi"_s, kRemarks.take(m_random, i));
        if (m_spec.statistics) {
            m_badanie
                .set(u"NrOgolny"_s,
                     kPresence.take(m_random, i).toInt() == Presence::Value ? QVariant(i + 1) : QVariant())
                .set(u"BadaniaPowtorzone"_s, kRepeats.take(m_random, i))
                .set(u"Opis"_s, kDescriptions.take(m_random, i));
        }
        if (m_spec.serology)
            writeSerology(i, nrProbki, group, ordinal);
        m_badanie.insert();
    }

    void writeSerology(qint64 i, int nrProbki, const QVariant& group, int ordinal)
    {
        m_badanie.set(u"PartiaG"_s, group)
            .set(u"NrStado"_s, ordinal)
            .set(u"Rasa"_s, kBreeds.take(m_random, i))
            .set(u"Masc"_s, kColours.take(m_random, i))
            .set(u"WiekTyp"_s, kAgeKinds.take(m_random, i))
            .set(u"Ciaza"_s, kMostlyNo.take(m_random, i));
        const QStringList& tables = serologyResultTables();
        for (std::size_t t = 0; t < m_results.size(); ++t) {
            const QVariant flag = kTestFlags.take(m_random, i);
            m_badanie.set(u"Badaj"_s + (tables[qsizetype(t)] == u"Br"_s ? u"BR"_s : tables[qsizetype(t)]),
                          flag);
            if (flag.toString() == u"T"_s)
                writeResult(*m_results[t], tables[qsizetype(t)], group, nrProbki, i);
        }
        m_badanie.set(u"Niebadaj"_s, kMostlyNo.take(m_random, i + 1));
    }

    void writeResult(TableWriter& rows, const QString& table, const QVariant& group, int nrProbki, qint64 i)
    {
        rows.set(u"Partia"_s, group).set(u"NrProbki"_s, nrProbki);
        for (const QString& column : serologyResultColumns(table)) {
            const Pool& pool = column.contains(u"miano"_s)                      ? kTitres
                               : column == u"OAIU"_s || column == u"OWDmjpwd"_s ? kUnits
                                                                                : kSerologyWords;
            rows.set(column, pool.take(m_random, i));
        }
        rows.insert();
    }

    QString earTag(qint64 i)
    {
        if (kForeignTags.take(m_random, i).toInt() == Presence::Value)
            return u"DE"_s + padded(i % 1000000000, 9) + u"xxx"_s;
        // Distinct for every sample: 7919 and 10^12 share no factor.
        return u"PL"_s + padded(qint64((std::uint64_t(m_spec.seed) * 1000003u + std::uint64_t(i) * 7919u) %
                                       kTwelveDigits),
                                12);
    }

    QVariant age(qint64 i)
    {
        switch (kAges.take(m_random, i).toInt()) {
        case AgeClass::Half:
            return m_random.below(240) + 0.5;
        case AgeClass::TwentyThreeAndAHalf:
            return 23.5;
        case AgeClass::TwentyFourAndAHalf:
            return 24.5;
        case AgeClass::Zero:
            return 0;
        case AgeClass::Negative:
            return -1;
        case AgeClass::None:
            return {};
        default:
            return 1 + m_random.below(240);
        }
    }

    const YearPlan& m_spec;
    Random m_random;
    TableWriter m_partia;
    TableWriter m_badanie;
    TableWriter m_groups;
    std::vector<std::unique_ptr<TableWriter>> m_results;
    qint64 m_samples = 0;
};

} // namespace

GeneratedYear generateYear(db::Database& year, const YearPlan& plan)
{
    db::Transaction whole(year);
    if (plan.statistics)
        applyStatisticsShape(year);
    if (plan.serology)
        applySerologyShape(year);
    GeneratedYear made = Generator(year, plan).run();
    whole.commit();
    return made;
}

} // namespace trelimor::test
