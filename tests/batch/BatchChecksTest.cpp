#include "batch/BatchChecks.h"
#include "batch/BatchFields.h"
#include "batch/BatchPickers.h"
#include "common/Dates.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

using namespace trelimor;

namespace {

using Okno = BatchRefusal::Okno;

// The lookups of an installation with one establishment and batch 3 stored.
BatchCheckData daneInstalacji()
{
    BatchCheckData dane;
    dane.saZaklady = true;
    dane.zakladIstnieje = [](const QString& wni) { return wni == u"14650011"; };
    dane.partiaIstnieje = [](qint64 partia) { return partia == 3; };
    return dane;
}

struct Krok
{
    std::function<void(FrameValues&, BatchCheckData&)> popraw;
    BatchRefusal odmowa;
};

BatchRefusal zwykla(const char* tekst, const char* fokus)
{
    return {Okno::Zwykle, QStringLiteral("TRELIMOR"), QString::fromUtf8(tekst), QString::fromLatin1(fokus)};
}

BatchRefusal info(const char* tekst, const char* fokus)
{
    return {Okno::Informacja, QStringLiteral("INFORMACJA"), QString::fromUtf8(tekst),
            QString::fromLatin1(fokus)};
}

std::function<void(FrameValues&, BatchCheckData&)> ustaw(const char* kontrolka, const char* tekst)
{
    return [=](FrameValues& v, BatchCheckData&) {
        v.setText(QString::fromLatin1(kontrolka), QString::fromUtf8(tekst));
    };
}

TEST(BatchChecksTest, EachCheckInItsOrderWithItsBoxUntilTheFrameIsMended)
{
    // A new batch with an empty frame and a dictionary without establishments; each step mends
    // the field the previous check refused (sometimes with another wrong value).
    FrameValues v;
    v.isNew = true;
    BatchCheckData dane = daneInstalacji();
    dane.saZaklady = false;
    const std::vector<Krok> kroki{
        {[](FrameValues&, BatchCheckData&) {}, zwykla("Wprowadź numer partii!", "TextNrPartii")},
        {ustaw("TextNrPartii", "x1"), zwykla("Brak danych o zakładzie. Uzupełnij dane o zakładach!", "")},
        // An unknown establishment comes before the number and every date.
        {[](FrameValues& f, BatchCheckData& d) {
             d.saZaklady = true;
             f.setText(QStringLiteral("TextZaklad"), QStringLiteral(" 1465001 "));
         },
         {Okno::UwagaOkAnuluj, QStringLiteral("Uwaga!"),
          QStringLiteral("W bazie danych brak zdefiniowanego zakładu: 1465001.\r\nDopisz zakład (menu "
                         "Definicje->Zakłady) a następnie wczytaj plik ponownie!"),
          QStringLiteral("TextZaklad"), true}},
        {ustaw("TextZaklad", " 14650011 "), zwykla("Nieprawidłowy numer partii. Popraw!", "TextNrPartii")},
        {ustaw("TextNrPartii", "32768"),
         zwykla("Numer partii musi być liczbą od 1 do 32767. Popraw!", "TextNrPartii")},
        {ustaw("TextNrPartii", "0"),
         zwykla("Numer partii musi być liczbą od 1 do 32767. Popraw!", "TextNrPartii")},
        {ustaw("TextNrPartii", "2,5"), info("Wybierz datę uboju!", "TextDataUboju")},
        {ustaw("TextNrZlecenia", "12/2021"),
         zwykla("Nieprawidłowy numer zlecenia. Popraw!", "TextNrZlecenia")},
        {ustaw("TextNrZlecenia", ""), info("Wybierz datę uboju!", "TextDataUboju")},
        {ustaw("TextDataUboju", "31.02.2022"),
         info("Popraw datę uboju do formatu dd.mm.rrrr", "TextDataUboju")},
        {ustaw("TextDataUboju", "1.3.2022"), info("Wybierz datę pobrania!", "TextDataPobr")},
        {ustaw("TextDataPobr", "2022-03-01"),
         info("Popraw datę pobrania do formatu dd.mm.rrrr", "TextDataPobr")},
        {ustaw("TextDataPobr", "01.03.2022"), info("Wybierz warość dla pola: Pobrał!", "ComboPobral")},
        {ustaw("ComboPobral", "Jan Nowak"),
         zwykla("Wprowadź 4-cyfrowy kod powiatu, z którego pochodzi próbka!", "TextPowiat")},
        {ustaw("TextIlProbek", "12a"), zwykla("Nieprawidłowa ilość próbek. Popraw!", "TextIlProbek")},
        {ustaw("TextIlProbek", "12"),
         zwykla("Wprowadź 4-cyfrowy kod powiatu, z którego pochodzi próbka!", "TextPowiat")},
        {ustaw("TextPowiat", "146"),
         zwykla("Wprowadź 4-cyfrowy kod powiatu, z którego pochodzi próbka!", "TextPowiat")},
        // Only the length is tested; the duplicate comes after it, then the dispatch date.
        {ustaw("TextPowiat", "14a5"), {}},
        {ustaw("TextNrPartii", "3"),
         {Okno::Uwaga, QStringLiteral("TRELIMOR"),
          QStringLiteral("Partia o numerze: 3 już istnieje.\r\nPopraw nr partii!"),
          QStringLiteral("TextNrPartii")}},
        {ustaw("TextNrPartii", "4"), {}},
        {ustaw("TextDataWysylki", "31.02.2022"),
         info("Popraw datę wysyłki do formatu dd.mm.rrrr", "TextDataWysylki")},
        {ustaw("TextDataWysylki", "31.03.2022"), {}},
        {ustaw("TextDataWyslaniaDoLab", "jutro"),
         info("Popraw datę wysłania do laboratorium do formatu dd.mm.rrrr", "TextDataWyslaniaDoLab")},
        {ustaw("TextDataWyslaniaDoLab", " 01.04.2022 "), {}},
    };
    for (std::size_t i = 0; i < kroki.size(); ++i) {
        kroki[i].popraw(v, dane);
        const std::optional<BatchRefusal> odmowa = firstBatchRefusal(v, dane);
        if (kroki[i].odmowa.tekst.isEmpty()) {
            EXPECT_EQ(odmowa, std::nullopt)
                << "step " << i << ": " << odmowa.value_or(BatchRefusal{}).tekst.toStdString();
            continue;
        }
        ASSERT_TRUE(odmowa.has_value()) << "step " << i;
        EXPECT_EQ(*odmowa, kroki[i].odmowa) << "step " << i << ": " << odmowa->tekst.toStdString();
    }
}

TEST(BatchChecksTest, ACorrectionKeepsItsNumberUntested)
{
    FrameValues v;
    v.isNew = false;
    for (const auto& [kontrolka, tekst] :
         {std::pair{"TextNrPartii", "40000"}, std::pair{"TextZaklad", "14650011"},
          std::pair{"TextDataUboju", "01.03.2022"}, std::pair{"TextDataPobr", "01.03.2022"},
          std::pair{"ComboPobral", "Jan Nowak"}, std::pair{"TextPowiat", "1465"}})
        v.setText(QString::fromLatin1(kontrolka), QString::fromLatin1(tekst));
    BatchCheckData dane = daneInstalacji();
    dane.partiaIstnieje = [](qint64) { return true; };
    EXPECT_EQ(firstBatchRefusal(v, dane), std::nullopt);
    v.isNew = true;
    ASSERT_TRUE(firstBatchRefusal(v, dane).has_value());
    EXPECT_EQ(firstBatchRefusal(v, dane)->fokus, QStringLiteral("TextNrPartii"));
}

TEST(BatchChecksTest, AnEstablishmentWithAnEmptyCodeLeavesTheEmptyBoxToItsOwnCheck)
{
    FrameValues v;
    v.setText(QStringLiteral("TextNrPartii"), QStringLiteral("1"));
    BatchCheckData dane = daneInstalacji();
    dane.zakladIstnieje = [](const QString&) { return true; };
    EXPECT_EQ(firstBatchRefusal(v, dane), zwykla("Wprowadź poprawny numer zakładu!", "TextZaklad"));
}

TEST(BatchChecksTest, FieldsAreWrittenByTheirRules)
{
    const auto pole = [](const char* nazwa) {
        for (const BatchFrameField& p : batchFrameFields())
            if (p.pole == QLatin1String(nazwa))
                return p;
        ADD_FAILURE() << nazwa;
        return BatchFrameField{};
    };
    // The hour box stores what its mask shows, but nothing when no digit was typed.
    EXPECT_EQ(fieldValue(pole("GodzWyslaniaDoLab"), QStringLiteral("__:__")), QVariant(QString()));
    EXPECT_EQ(fieldValue(pole("GodzWyslaniaDoLab"), QStringLiteral("12:3_")),
              QVariant(QStringLiteral("12:3_")));
    EXPECT_FALSE(fieldValue(pole("IlProbek"), QString()).isValid());
    EXPECT_EQ(fieldValue(pole("IlProbek"), QStringLiteral(" 12 ")).toInt(), 12);
    EXPECT_EQ(fieldValue(pole("Partia"), QStringLiteral("2,5")).toLongLong(), 2);
    EXPECT_EQ(fieldValue(pole("Partia"), QStringLiteral("3.5")).toLongLong(), 4);
    EXPECT_FALSE(fieldValue(pole("DataWysylki"), QString()).isValid());
    EXPECT_EQ(fieldValue(pole("DataUboju"), QStringLiteral("1-3-2022")).toDate(), QDate(2022, 3, 1));
    EXPECT_EQ(fieldValue(pole("KodZakladu"), QStringLiteral(" 1465 ")).toString(), QStringLiteral("1465"));
    EXPECT_EQ(fieldValue(pole("NrZlecenia"), QStringLiteral(" 12")).toString(), QStringLiteral(" 12"));
}

TEST(BatchChecksTest, DatesAreDayMonthYear)
{
    EXPECT_EQ(dateFromText(QStringLiteral(" 15.03.2021 ")), QDate(2021, 3, 15));
    EXPECT_EQ(dateFromText(QStringLiteral("1/3/2021")), QDate(2021, 3, 1));
    for (const char* nie : {"31.02.2021", "2021-03-15", "15.03.21", "15.03.2021 10:00", "", "data"})
        EXPECT_EQ(dateFromText(QString::fromLatin1(nie)), std::nullopt) << nie;
}

TEST(BatchChecksTest, SamplingAndDispatchDatesKeepToTheWorkingYear)
{
    EXPECT_EQ(dateYearRefusal(QStringLiteral("01.01.2022"), QStringLiteral("31.03.2022")), std::nullopt);
    EXPECT_EQ(dateYearRefusal(QStringLiteral("31.12.2021"), QStringLiteral("31.03.2022")),
              QStringLiteral("Wybrany rok: 31.12.2021 jest niezgodny z datą ustawioną w programie!\r"
                             "Wybierz datę ponownie!"));
}

TEST(BatchChecksTest, TheSeparatorIsReportedForTheLastFieldHoldingIt)
{
    EXPECT_EQ(controlWithSeparator({{"Ilość próbek", "1|2"}, {"Kod powiatu", "14|5"}, {"Uwaga", "bez"}}),
              QStringLiteral("Kod powiatu"));
    EXPECT_EQ(controlWithSeparator({{"Uwagi", "a/b"}}), std::nullopt);
}

} // namespace
