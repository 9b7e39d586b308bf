#include "ProtocolFile.h"

#include "BatchDocumentsHost.h"
#include "ValueText.h"

#include "common/Cp1250.h"
#include "common/DataControl.h"
#include "common/ProgramState.h"
#include "common/TextHelpers.h"

#include "platform/db/Recordset.h"

namespace trelimor {

namespace {

const QChar kTab = QLatin1Char('\t');

QString taby(int n)
{
    return QString(n, kTab);
}

QString kropki(int n)
{
    return QString(n, QLatin1Char('.'));
}

// The sample columns: the caption in the captions line and the field written under it ("" for
// the running number).
struct Kolumna
{
    const char* naglowek;
    const char* pole;
};

// clang-format off
constexpr Kolumna kKolumny[] = {
    {"Lp.", ""},
    {"Nr identyfikacyjny próbki", "IDProbkiWNI"},
    {"", "IDProbkiNr"},
    {"", "IDProbkiData"},
    {"Nr kolczyka", "NrKolczyka"},
    {"Wiek", "Wiek"},
    {"Płeć", "Plec"},
    {"Ubój", "RodzajUboju"},
    {"Uwagi", "Uwagi"},
    {"Identyfikator stada", "NrGospod"},
    {"Liczebność stada", "LiczebnoscStada"},
    {"Objawy chorobowe", "ObjawyChorobowe"},
    {"Użytkowość", "Uzytkowosc"},
    {"Gatunek", "Gatunek"},
    {"Nazwisko", "WlascicielNazwisko"},
    {"Imię", "WlascicielImie"},
    {"Miejscowość", "WlascicielMiejscowosc"},
    {"Ulica/nr posesji", "WlascicielNrPosesja"},
    {"Województwo", "Wojewodztwo"},
    {"Kod WIW", "KodWoj"},
    {"Powiat", "Powiat"},
    {"Kod PIW", "KodPIW"},
    {"Gmina", "Gmina"},
    {"Gatunek2", "Gatunek2"},
    {"System utrzymania", "SystemUtrzymania"},
    {"Rodzaj materiału", "RodzajMaterialu"},
    {"Warunki przechowywania i transportu", "WarunkiPrzechowywania"},
    {"Data urodzenia", "DataUrodzenia"},
};
// clang-format on

QStringList naglowkiKolumn()
{
    QStringList naglowki;
    for (const Kolumna& k : kKolumny)
        naglowki << QString::fromUtf8(k.naglowek);
    return naglowki;
}

QStringList liniaProbki(const db::Recordset& probki, int wiersz, int lp)
{
    QStringList pola;
    for (const Kolumna& k : kKolumny) {
        const QString nazwa = QString::fromLatin1(k.pole);
        if (nazwa.isEmpty()) {
            pola << QString::number(lp);
            continue;
        }
        QString wartosc = tekstPola(probki, nazwa, wiersz);
        if (nazwa == u"Uwagi")
            wartosc = uwagiWPliku(wartosc);
        pola << poleWPliku(wartosc);
    }
    return pola;
}

QString uzytkownik(const char* pole)
{
    return poleWPliku(programState().userField(QString::fromLatin1(pole)));
}

} // namespace

QString poleWPliku(const QString& wartosc)
{
    QString pole = wartosc;
    for (QChar& c : pole)
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n') || c == kTab)
            c = QLatin1Char(' ');
    return pole;
}

QString uwagiWPliku(const QString& uwagi)
{
    if (!uwagi.contains(QLatin1Char('\r')))
        return uwagi;
    if (uwagi.size() <= 2)
        return {};
    QString bezCr = uwagi;
    bezCr.replace(QLatin1Char('\r'), QLatin1Char(' '));
    // Only blanks are trimmed: the other characters of the remark stay.
    return trimBlanks(bezCr).toString();
}

QStringList liniePlikuProtokolu(BatchDocumentsHost& okno, const QString& K)
{
    const db::Recordset& partia = okno.DataPartia().recordset();
    const auto pole = [&partia](const char* nazwa) {
        return poleWPliku(tekstPola(partia, QString::fromLatin1(nazwa)));
    };
    const QVariant dataWysylki = partia.value(QStringLiteral("DataWysylki"));
    const QString wysylka = dataWysylki.typeId() == QMetaType::QDateTime
                                ? dataWysylki.toDateTime().date().toString(QStringLiteral("dd.MM.yyyy"))
                                : QString();

    QStringList linie = {
        QStringLiteral("Protokół pobrania próbek/pismo przewodnie do laboratorium"),
        QStringLiteral(" - badania w kierunku ") + K,
        taby(7) + uzytkownik("Miejsc") + QStringLiteral(" dn. ") + wysylka + QStringLiteral(" r."),
        QString(),
        kTab + uzytkownik("TX2"),
        kTab + uzytkownik("TX3"),
        kTab + uzytkownik("TX4") + taby(6) + QStringLiteral("NR WEWNĘTRZNY ZHW: ") + K + QLatin1Char('/'),
        kTab + uzytkownik("TX5"),
        kTab + uzytkownik("TX6"),
        QString(),
        QString(),
        taby(2) + QStringLiteral("Data uboju:") + kTab + pole("DataUboju") + taby(3) +
            QStringLiteral("Data pobrania próbek:") + kTab + pole("DataPobr"),
        taby(2) + QStringLiteral("Godzina Uboju:") + kTab + pole("GodzUboju") + taby(3) +
            QStringLiteral("Godzina pobrania próbek:") + kTab + pole("GodzPobr"),
        QString(),
        QStringLiteral("Weterynaryjny numer identyfikacyjny ") + pole("WNI") + QStringLiteral(": ") +
            pole("KodZakladu") + taby(20) + QStringLiteral("Powiat") + kTab + pole("Powiat"),
        QString(),
        naglowkiKolumn().join(kTab),
    };

    const db::Recordset& probki = okno.DataProbka().recordset();
    int lp = 0;
    for (int wiersz = 0; wiersz < probki.recordCount(); ++wiersz)
        linie << liniaProbki(probki, wiersz, ++lp).join(kTab) + taby(4);

    linie << QString() << QString() << QString()
          << QStringLiteral(
                 "Próbki zostały pobrane i dostarczone przez zleceniodawcę zgodnie z następującymi "
                 "dokumentami: ") +
                 pole("ProceduraPobierania")
          << QString() << QStringLiteral("Plan pobierania próbek: ") + pole("PlanPobierania");
    for (int i = 0; i < 6; ++i)
        linie << QString();
    linie << kropki(10) + pole("Pobral") + kropki(90)
          << QStringLiteral("pieczątka i podpis lekarza weterynarii pobierającego próbki (tel. kontaktowy)")
          << QString() << QString() << kropki(58) + taby(6) + kropki(52)
          << QStringLiteral("podpis osoby przewożącej próbki") + taby(6) +
                 QStringLiteral("data i godzina odbioru próbek")
          << QString() << QString() << kropki(82) + taby(6) + kropki(86)
          << QStringLiteral("podpis osoby odbierającej próbki w laboratorium") + taby(6) +
                 QStringLiteral("data i godzina dostarczenia próbek do laboratorium");
    return linie;
}

QByteArray tekstPlikuProtokolu(const QStringList& linie)
{
    return cp1250::encodeLines(linie);
}

QString proponowanaNazwaProtokolu(const QString& kodZakladu, const QDateTime& teraz)
{
    QString kod = kodZakladu;
    // The code names a file in the export folder: a "/" in it would name another folder.
    kod.replace(QLatin1Char('/'), QLatin1Char('-'));
    return kod + QStringLiteral("_dn_") + teraz.toString(QStringLiteral("dd-MM-yyyy_'g'_HH-mm"));
}

} // namespace trelimor
