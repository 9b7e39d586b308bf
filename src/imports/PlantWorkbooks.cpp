// Formats A, B, C and E: the establishments' workbooks.

#include "PlantFiles.h"
#include "PlantValues.h"

#include "common/Dates.h"
#include "common/Messages.h"
#include "common/TextHelpers.h"

namespace trelimor {

namespace {

// The animal of a row of format A or B: what the file gives of it. Its row of the first sample
// keeps what the pane shows, which the user may have corrected.
struct Zwierze
{
    QString NrKolczyka;
    QString Wiek;
    QString Plec;
    QString Gatunek;
    QString DataUrodzenia;
};

Zwierze zwierzeZPanelu(const SampleFrameValues& t)
{
    return {t.TextNrKolczyka, t.ComboWiek, t.ComboPlec, t.ComboGatunek, t.TextDataUrodzenia};
}

// The fields of a sample of format A or B: its animal, everything else as the pane's first sample.
void polaWzoru(ImportedSample& s, const SampleFrameValues& t, const Zwierze& z, bool formatB)
{
    addIdentityFields(s);
    addAnimalFields(s, {z.NrKolczyka, z.Wiek, z.Gatunek, z.Plec, t.ComboRodzajUboju, t.ComboObjawyChorobowe,
                        t.ComboUzytkowosc, t.TextLiczebnoscStada, t.TextNrGospod});
    addOwnerFields(s, {t.TextWlascicielNazwisko, t.TextWlascicielImie, t.TextWlascicielMiejscowosc,
                       t.TextWlascicielNrPosesja});
    setField(s, "Wojewodztwo", t.ComboWoj);
    setField(s, "KodWoj", t.LabIDWOJ);
    setField(s, "Powiat", t.ComboPIW);
    setField(s, "KodPIW", t.TextKodPIW);
    setField(s, "Gmina", t.TextGmina);
    if (formatB) {
        setField(s, "DataUrodzenia", z.DataUrodzenia);
        setField(s, "RodzajMaterialu", t.ComboRodzajMaterialu.trimmed());
        setField(s, "WarunkiPrzechowywania", t.ComboWarunkiPrzechowywania.trimmed());
    }
}

// Formats A and B: the rows from the first sample's row on, numbered on from the pane's number.
template <class IsSample, class ReadAnimal>
ImportRead readWithFirstSample(const ImportSheet& sheet, const SampleFrameValues& t, int firstRow,
                               bool formatB, IsSample isSample, ReadAnimal readAnimal)
{
    ImportRead result;
    int nr = t.TextNrProbki.trimmed().toInt();
    const bool any = forEachDataRow(sheet, firstRow, isSample, [&](int row) {
        if (row > firstRow)
            ++nr;
        ImportedSample s;
        s.source = row;
        s.wni = t.TextIDProbkiWNI;
        s.data = t.TextIDProbkiData;
        const bool wzor = row == firstRow;
        if ((result.problem = setSampleNumber(s, wzor ? t.TextNrProbki : QString::number(nr), row)))
            return false;
        polaWzoru(s, t, wzor ? zwierzeZPanelu(t) : readAnimal(row), formatB);
        result.samples << s;
        return true;
    });
    if (!any)
        result.problem = ReadProblem::of(ReadProblem::Kind::NoSamples);
    return result;
}

// The district inspectorate of a row of format C or E: its code and town, and the voivodeship
// the code begins with.
struct PowiatProbki
{
    QString KodPIW;
    QString Powiat;
};

QString lookUp(db::Database& stale, const QString& sql, const QString& key)
{
    if (key.isEmpty())
        return {};
    db::Recordset rs = stale.openRecordset(sql, {key});
    return rs.eof() ? QString() : BezNullText(rs.value(0));
}

// A row of format C or E.
struct WierszCE
{
    ZwierzeZakladu zwierze;
    WlascicielZakladu wlasciciel;
    PowiatProbki powiat;

    // Owner, district and herd all empty: the row that ends the file.
    bool pusty() const
    {
        return wlasciciel.Nazwisko.isEmpty() && wlasciciel.Imie.isEmpty() &&
               wlasciciel.Miejscowosc.isEmpty() && wlasciciel.NrPosesja.isEmpty() &&
               powiat.Powiat.isEmpty() && zwierze.Uzytkowosc.isEmpty() && zwierze.NrGospod.isEmpty();
    }
};

void polaCE(ImportedSample& s, const WierszCE& w)
{
    addIdentityFields(s);
    addAnimalFields(s, w.zwierze);
    addOwnerFields(s, w.wlasciciel);
    if (!w.powiat.KodPIW.isEmpty()) {
        const QString kodWoj = w.powiat.KodPIW.left(2);
        setField(s, "Wojewodztwo", NazwaWojewodztwa(kodWoj));
        setField(s, "KodWoj", kodWoj);
        setField(s, "KodPIW", w.powiat.KodPIW);
    }
    setField(s, "Powiat", w.powiat.Powiat);
}

// Formats C and E: the rows with their own numbers, up to the row that ends the file.
template <class ReadRow>
ImportRead readCE(const ImportSheet& sheet, const SampleCodeParts& partia, int numberColumn, ReadRow readRow)
{
    ImportRead result;
    const auto isSample = [&](int row) { return isNumericValue(sheet.Value(row, numberColumn)); };
    const bool any = forEachDataRow(sheet, 1, isSample, [&](int row) {
        const WierszCE w = readRow(row);
        if (w.pusty())
            return false;
        ImportedSample s;
        s.source = row;
        s.wni = partia.zaklad;
        s.data = partia.data;
        if ((result.problem = setSampleNumber(s, sheet.Text(row, numberColumn), row)))
            return false;
        polaCE(s, w);
        result.missingDistrictCode = result.missingDistrictCode || w.powiat.KodPIW.isEmpty();
        result.samples << s;
        return true;
    });
    if (!any)
        result.problem = ReadProblem::of(ReadProblem::Kind::NoSamples);
    return result;
}

} // namespace

std::optional<QString> plecFormatuB(const QString& kod)
{
    const QString k = kod.trimmed().toUpper();
    if (k == u"XX")
        return QStringLiteral("żeńska");
    if (k == u"XY")
        return QStringLiteral("męska");
    return std::nullopt;
}

std::optional<QString> gatunekFormatuB(const QString& nazwa)
{
    const QString n = nazwa.trimmed().toLower();
    if (n == u"bydło")
        return QStringLiteral("Bydło");
    if (n == u"jeleniowate")
        return QStringLiteral("Jeleniowate");
    if (n == u"kozy" || n == u"koza")
        return QStringLiteral("Kozy");
    if (n == u"owce" || n == u"owca")
        return QStringLiteral("Owce");
    return std::nullopt;
}

ImportRead readPlantFormatA(const ImportSheet& sheet, const SampleFrameValues& pane)
{
    return readWithFirstSample(
        sheet, pane, 1, false, [&sheet](int row) { return dateValue(sheet.Value(row, 1)).has_value(); },
        [&](int row) {
            return Zwierze{sheet.Text(row, 3), sheet.Text(row, 5), pane.ComboPlec, pane.ComboGatunek, {}};
        });
}

ImportRead readPlantFormatB(const ImportSheet& sheet, const SampleFrameValues& pane)
{
    return readWithFirstSample(
        sheet, pane, 5, true, [&sheet](int row) { return isNumeric(sheet.Text(row, 1)); },
        [&sheet](int row) {
            // An unknown code is told and left empty: no animal takes another's sex or species.
            const std::optional<QString> plec = plecFormatuB(sheet.Text(row, 13));
            if (!plec)
                PokazInfo(QStringLiteral("Nieprawidłowa płeć w wierszu nr %1").arg(row), kInformationTitle);
            const std::optional<QString> gatunek = gatunekFormatuB(sheet.Text(row, 14));
            if (!gatunek)
                PokazInfo(QStringLiteral("Nieprawidłowy gatunek w wierszu nr %1").arg(row),
                          kInformationTitle);
            return Zwierze{sheet.Text(row, 3), sheet.Text(row, 19), plec.value_or(QString()),
                           gatunek.value_or(QString()), sheet.Text(row, 11)};
        });
}

ImportRead readPlantFormatC(const ImportSheet& sheet, const SampleCodeParts& partia, db::Database& stale)
{
    return readCE(sheet, partia, 2, [&](int row) {
        WierszCE w;
        w.wlasciciel = {sheet.Text(row, 3), sheet.Text(row, 4), sheet.Text(row, 6), sheet.Text(row, 7)};
        w.powiat.Powiat = sheet.Text(row, 8).trimmed();
        w.powiat.KodPIW =
            lookUp(stale, QStringLiteral("SELECT IDPIW FROM PIW WHERE Miasto = ?"), w.powiat.Powiat);
        ZwierzeZakladu& z = w.zwierze;
        z.Uzytkowosc = sheet.Text(row, 9).trimmed();
        z.NrGospod = sheet.Text(row, 10).trimmed();
        z.LiczebnoscStada = sheet.Text(row, 11).trimmed();
        z.NrKolczyka = sheet.Text(row, 12).trimmed();
        z.Wiek = sheet.Text(row, 13);
        z.Plec = plantSex(sheet.Text(row, 14).trimmed());
        z.Gatunek = plantSpecies(sheet.Text(row, 18).trimmed());
        z.ObjawyChorobowe = QStringLiteral("brak danych");
        z.RodzajUboju = QStringLiteral("P");
        return w;
    });
}

ImportRead readPlantFormatE(const ImportSheet& sheet, const SampleCodeParts& partia,
                            const SampleFrameValues& pane, db::Database& stale)
{
    return readCE(sheet, partia, 1, [&](int row) {
        WierszCE w;
        // The owner and the herd's size are not in the file: the pane's, the same for every row.
        w.wlasciciel = {pane.TextWlascicielNazwisko, pane.TextWlascicielImie, pane.TextWlascicielMiejscowosc,
                        pane.TextWlascicielNrPosesja};
        w.powiat.KodPIW = sheet.Text(row, 20).trimmed();
        if (!w.powiat.KodPIW.isEmpty() && w.powiat.KodPIW.size() != 4) {
            PokazInfo(QStringLiteral("Kod PIW powinien składać się z 4 cyfr!\rBłędna wartość nie zostanie "
                                     "wprowadzona!\rSprawdź po zakończeniu wczytywania!"),
                      kInformationTitle);
            w.powiat.KodPIW.clear();
        }
        w.powiat.Powiat =
            lookUp(stale, QStringLiteral("SELECT Miasto FROM PIW WHERE IDPIW = ?"), w.powiat.KodPIW);
        ZwierzeZakladu& z = w.zwierze;
        z.LiczebnoscStada = pane.TextLiczebnoscStada;
        z.Uzytkowosc = sheet.Text(row, 11).trimmed();
        z.NrGospod = sheet.Text(row, 8).trimmed();
        z.NrKolczyka = sheet.Text(row, 3).trimmed();
        z.Wiek = sheet.Text(row, 4);
        z.Plec = plantSex(sheet.Text(row, 5).trimmed());
        z.Gatunek = plantSpecies(sheet.Text(row, 12).trimmed());
        const QString objawy = sheet.Text(row, 10).trimmed();
        z.ObjawyChorobowe = objawy.isEmpty() ? QStringLiteral("brak danych") : objawy;
        z.RodzajUboju = sheet.Text(row, 6).trimmed();
        return w;
    });
}

} // namespace trelimor
