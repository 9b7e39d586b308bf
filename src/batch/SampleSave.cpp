#include "SampleSave.h"

#include "common/Dates.h"
#include "common/Messages.h"
#include "common/TextHelpers.h"
#include "common/DatabaseIndexes.h"

#include "platform/db/Transaction.h"
#include "platform/ui/DialogService.h"

namespace trelimor {

namespace {

Refusal takenNumber(const QString& nr, const QString& focus)
{
    return {ui::Icon::Warning, kCheckTitle,
            QStringLiteral("Próbka o numerze: ") + nr + QStringLiteral(" już istnieje.\r\nPopraw nr próbki!"),
            focus};
}

std::optional<Refusal> earTagRefusal(db::Database& rok, const SampleFrameValues& v,
                                     const SampleSaveState& stan, qint64 edytowany)
{
    const QString kolczyk = v.TextNrKolczyka.trimmed();
    if (!stan.nowa && kolczyk == stan.edytowanyNrKolczyka)
        return std::nullopt;
    const db::Recordset inna = samplesWithEarTag(rok, kolczyk, edytowany);
    if (inna.recordCount() == 0)
        return std::nullopt;
    return Refusal{ui::Icon::Warning, kInformationTitle,
                   QStringLiteral("Nr kolczyka: ") + v.TextNrKolczyka +
                       QStringLiteral(" już istnieje w\rpartii nr :") +
                       BezNullText(inna.value(QStringLiteral("Partia"))) + QStringLiteral("\rpróbka nr: ") +
                       BezNullText(inna.value(QStringLiteral("NrProbki"))) + QStringLiteral("\rPopraw!"),
                   QStringLiteral("TextNrKolczyka")};
}

std::optional<Refusal> numberAndCodeRefusal(db::Database& rok, const SampleFrameValues& v,
                                            const SampleSaveState& stan, qint64 edytowany)
{
    const QString nr = v.TextNrProbki.trimmed();
    if (stan.nowa || nr != stan.edytowanyNrProbki) {
        const bool zajety = rok.scalar(QStringLiteral("SELECT EXISTS (SELECT 1 FROM Badanie WHERE Partia = ? "
                                                      "AND NrProbki = ? AND rowid <> ?)"),
                                       {stan.partia, wholeNumber<qint16>(nr).value_or(0), edytowany})
                                .toBool();
        if (zajety)
            return takenNumber(nr, QStringLiteral("TextNrProbki"));
    }
    if (stan.nowa) {
        const bool zajety =
            rok.scalar(QStringLiteral("SELECT EXISTS (SELECT 1 FROM Badanie WHERE Partia = ? AND ") +
                           kWarunekKoduProbki + QLatin1Char(')'),
                       {stan.partia, v.TextIDProbkiWNI, v.TextIDProbkiNr, v.TextIDProbkiData})
                .toBool();
        if (zajety)
            return takenNumber(nr, QStringLiteral("TextIDProbkiWNI"));
    }
    return std::nullopt;
}

void writeFields(db::Recordset& probki, const SampleFrameValues& v)
{
    const auto pole = [&probki](const char* name, const QVariant& value) {
        probki.setValue(QString::fromLatin1(name), value);
    };
    pole("NrProbki", wholeNumber<qint16>(v.TextNrProbki).value_or(0));
    pole("IDProbkiWNI", v.TextIDProbkiWNI);
    pole("IDProbkiNr", v.TextIDProbkiNr);
    pole("IDProbkiData", v.TextIDProbkiData);
    pole("Uwagi", v.TextUwagiG);
    pole("NrKolczyka", v.TextNrKolczyka.trimmed());
    pole("Wiek", decimalNumber(v.ComboWiek).value_or(0));
    pole("Gatunek", v.ComboGatunek);
    pole("Gatunek2", v.ComboGatunek2);
    pole("Plec", v.ComboPlec);
    pole("RodzajUboju", v.ComboRodzajUboju.trimmed());
    pole("ObjawyChorobowe", v.ComboObjawyChorobowe);
    pole("Uzytkowosc", v.ComboUzytkowosc);
    const std::optional<double> stado = decimalNumber(v.TextLiczebnoscStada);
    pole("LiczebnoscStada", stado ? QVariant(*stado) : QVariant());
    pole("NrGospod", v.TextNrGospod);
    pole("WlascicielNazwisko", v.TextWlascicielNazwisko);
    pole("WlascicielImie", v.TextWlascicielImie);
    pole("WlascicielMiejscowosc", v.TextWlascicielMiejscowosc);
    pole("WlascicielNrPosesja", v.TextWlascicielNrPosesja);
    pole("Wojewodztwo", v.ComboWoj);
    pole("KodWoj", v.LabIDWOJ);
    pole("Powiat", v.ComboPIW);
    pole("KodPIW", v.TextKodPIW);
    pole("Gmina", v.TextGmina);
    pole("SystemUtrzymania", v.ComboSystemUtrzymania.trimmed());
    pole("RodzajMaterialu", v.ComboRodzajMaterialu.trimmed());
    pole("WarunkiPrzechowywania", v.ComboWarunkiPrzechowywania.trimmed());
    // The checks let through only a date or nothing.
    pole("DataUrodzenia", isShortDate(v.TextDataUrodzenia) ? v.TextDataUrodzenia : QString());
}

} // namespace

db::Recordset samplesWithEarTag(db::Database& rok, const QString& kolczyk, qint64 pominWiersz)
{
    return rok.openRecordset(QStringLiteral("SELECT * FROM Badanie WHERE trim(NrKolczyka) = ? COLLATE PL "
                                            "AND rowid <> ? ORDER BY NrKolczyka"),
                             {kolczyk.trimmed(), pominWiersz});
}

SampleSaveResult saveSample(db::Database& rok, db::Recordset& probki, const SampleFrameValues& v,
                            const SampleSaveState& stan)
{
    using Rodzaj = SampleSaveResult::Rodzaj;
    // Nothing is shown while the lock is held: a refusal is handed back and the transaction
    // rolled back before the user reads it.
    db::Transaction transakcja(rok, db::Transaction::Mode::Immediate);
    const qint64 edytowany = stan.nowa ? -1 : probki.bookmark();
    if (auto odmowa = earTagRefusal(rok, v, stan, edytowany))
        return {Rodzaj::Odmowa, odmowa, -1};
    if (stan.czekaNaImport)
        return {Rodzaj::DoImportu, std::nullopt, -1};
    if (auto odmowa = numberAndCodeRefusal(rok, v, stan, edytowany))
        return {Rodzaj::Odmowa, odmowa, -1};

    try {
        if (stan.nowa) {
            probki.addNew();
            probki.setValue(QStringLiteral("Partia"), stan.partia);
        } else {
            probki.edit();
        }
        writeFields(probki, v);
        probki.update();
    } catch (...) {
        // A row begun and not written is dropped, not left for the next save to finish.
        if (probki.editMode() != db::Recordset::EditMode::None)
            probki.cancelUpdate();
        throw;
    }
    const db::Recordset::Bookmark zapisany = probki.lastModified();
    transakcja.commit();
    return {Rodzaj::Zapisano, std::nullopt, zapisany};
}

} // namespace trelimor
