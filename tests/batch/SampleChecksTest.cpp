#include "batch/SampleChecks.h"

#include "platform/ui/DialogService.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

using namespace trelimor;

namespace {

const QString kPlain = QString(ui::ProgramTitle);

// A sample every check accepts.
SampleFrameValues dobra()
{
    SampleFrameValues v;
    v.TextNrProbki = QStringLiteral("7");
    v.TextIDProbkiWNI = QStringLiteral("14650011");
    v.TextIDProbkiNr = QStringLiteral("007");
    v.TextIDProbkiData = QStringLiteral("15032022");
    v.TextNrKolczyka = QStringLiteral("PL005123456789");
    v.ComboWiek = QStringLiteral("30");
    v.ComboGatunek = QStringLiteral("Bydło");
    v.ComboPlec = QStringLiteral("żeńska");
    v.ComboRodzajUboju = QStringLiteral("N");
    v.ComboObjawyChorobowe = QStringLiteral("brak");
    v.ComboUzytkowosc = QStringLiteral("mleczna");
    v.TextNrGospod = QStringLiteral("PL0123456789001");
    return v;
}

struct Krok
{
    std::function<void(SampleFrameValues&)> popraw; // what the user corrects after the refusal
    QString tekst;
    QString fokus;
    ui::Icon ikona = ui::Icon::None;
};

TEST(SampleChecks, RefuseOneAfterAnotherInTheirOrder)
{
    SampleFrameValues v;
    v.TextKodPIW = QStringLiteral("146");
    v.LabIDWOJ = QStringLiteral("14");
    v.TextNrProbki.clear();
    v.TextNrKolczyka = QStringLiteral("PL00512345678"); // 13 characters
    v.ComboGatunek = QStringLiteral("Jeleniowate");
    v.ComboRodzajUboju = QStringLiteral("n");
    v.TextLiczebnoscStada = QStringLiteral("12a");

    const QString mismatch = QStringLiteral("Niezgodność nr próbki: 7 oraz drugiego członu kodu próbki: "
                                            "008\rJężli zmieniasz nr próbki na: 7 zmień "
                                            "również drugi człon kodu próbki na: 007\rJeżeli zmieniasz drugi "
                                            "człon kodu próbki na: 008 zmień również "
                                            "nr próbki na: 8");
    const std::vector<Krok> kroki{
        {[](auto& v) { v.TextKodPIW = QStringLiteral("0201"); },
         QStringLiteral("Kod PIW powinien mieć 4 cyfry! Popraw!"), QStringLiteral("TextKodPIW")},
        {[](auto& v) { v.LabIDWOJ.clear(); },
         QStringLiteral("Nieprawidłowy kod PIW w stosunku do województwa! Popraw!"),
         QStringLiteral("TextKodPIW")},
        {[](auto& v) { v.TextNrProbki = QStringLiteral("7"); }, QStringLiteral("Wprowadź numer próbki!"),
         QStringLiteral("TextNrProbki")},
        {[](auto& v) { v.TextIDProbkiNr = QStringLiteral("008"); }, QStringLiteral("Wprowadź numer próbki!"),
         QStringLiteral("TextIDProbkiNr")},
        {[](auto& v) { v.TextIDProbkiData = QStringLiteral("15032022"); },
         QStringLiteral("Wprowadź poprawny numer próbki!"), QStringLiteral("TextIDProbkiData")},
        {[](auto& v) { v.TextIDProbkiNr = QStringLiteral("7"); }, mismatch, QStringLiteral("TextNrProbki"),
         ui::Icon::Warning},
        {[](auto& v) { v.TextIDProbkiNr = QStringLiteral("007"); },
         QStringLiteral("Drugi człon kodu próbki powinien być zapisany na 3 znakach z uwzględnieniem zer "
                        "wiodących!\rPopraw 7 na 007"),
         QStringLiteral("TextIDProbkiNr"), ui::Icon::Warning},
        {[](auto& v) { v.TextNrKolczyka = QStringLiteral("PL005123456789"); },
         QStringLiteral(
             "Wprowadź poprawny numer kolczyka o długości 14 znaków!\rW przypadku sztuk zagranicznych o "
             "krótszym numerze należy uzupełnić znakami x do pełnej długości np.: DE12345678xxxx"),
         QStringLiteral("TextNrKolczyka"), ui::Icon::Warning},
        {[](auto& v) { v.ComboWiek = QStringLiteral("2x"); }, QStringLiteral("Wybierz wiek (w miesiącach)!"),
         QStringLiteral("ComboWiek")},
        {[](auto& v) { v.ComboWiek = QStringLiteral("11"); },
         QStringLiteral("Wiek należy podać jako wartość numeryczną!"), QStringLiteral("ComboWiek")},
        {[](auto& v) { v.ComboGatunek = QStringLiteral("Bydło"); },
         QStringLiteral("Blokada wieku dla jeleniowatych poniżej 12 m-cy!\rSkontaktuj się z ZHW!"),
         QStringLiteral("ComboWiek")},
        {[](auto& v) { v.ComboRodzajUboju = QStringLiteral("P"); },
         QStringLiteral(
             "Błędny rodzaj uboju. Ustaw ponownie N, K, P, U, UF, R, NNWOK, NWOK, BSEZ, BSEP, Z, PJ, KJ, "
             "CHJ, UJ, NJ!"),
         QStringLiteral("ComboRodzajUboju")},
        {[](auto& v) { v.ComboObjawyChorobowe = QStringLiteral("brak danych"); },
         QStringLiteral("Wybierz objawy chorobowe z listy!"), QStringLiteral("ComboObjawyChorobowe")},
        {[](auto& v) { v.ComboUzytkowosc = QStringLiteral("nieśna"); },
         QStringLiteral("Wybierz użytkowość z listy!"), QStringLiteral("ComboUzytkowosc")},
        {[](auto& v) { v.TextNrGospod = QStringLiteral("PL0123456789001"); },
         QStringLiteral("Wprowadź identyfikator stada!"), QStringLiteral("TextNrGospod")},
        {[](auto& v) { v.TextLiczebnoscStada = QStringLiteral("120"); },
         QStringLiteral("Liczebność stada należy podać jako wartość numeryczną!"),
         QStringLiteral("TextLiczebnoscStada")},
        // A fallen animal ("P") needs its owner, field by field.
        {[](auto& v) { v.TextWlascicielNazwisko = QStringLiteral("Żółkiewski"); },
         QStringLiteral("Wprowadź nazwisko właściciela!"), QStringLiteral("TextWlascicielNazwisko")},
        {[](auto& v) { v.TextWlascicielImie = QStringLiteral("Jan"); },
         QStringLiteral("Wprowadź imię właściciela!"), QStringLiteral("TextWlascicielImie")},
        {[](auto& v) { v.TextWlascicielMiejscowosc = QStringLiteral("Łowicz"); },
         QStringLiteral("Wprowadź miejscowość!"), QStringLiteral("TextWlascicielMiejscowosc")},
        {[](auto& v) { v.TextWlascicielNrPosesja = QStringLiteral("Polna 3"); },
         QStringLiteral("Wprowadź ulica/nr posesji!"), QStringLiteral("TextWlascicielNrPosesja")},
        {[](auto& v) { v.LabIDWOJ = QStringLiteral("02"); }, QStringLiteral("Wybierz województwo"),
         QStringLiteral("ComboWoj")},
        {[](auto& v) { v.TextGmina = QStringLiteral("Bolesławiec"); }, QStringLiteral("Wprowadź gminę!"),
         QStringLiteral("TextGmina")},
    };
    for (size_t i = 0; i < kroki.size(); ++i) {
        const std::optional<Refusal> odmowa = firstSampleRefusal(v);
        ASSERT_TRUE(odmowa) << "step " << i;
        EXPECT_EQ(odmowa->text, kroki[i].tekst) << "step " << i;
        EXPECT_EQ(odmowa->focus, kroki[i].fokus) << "step " << i;
        EXPECT_EQ(odmowa->icon, kroki[i].ikona) << "step " << i;
        EXPECT_EQ(odmowa->title, kroki[i].ikona == ui::Icon::None ? kPlain : QStringLiteral("INFORMACJA"))
            << "step " << i;
        kroki[i].popraw(v);
    }
    EXPECT_EQ(firstSampleRefusal(v), std::nullopt);
}

TEST(SampleChecks, NumbersOfTheSampleAndItsCodeAreComparedAsNumbers)
{
    SampleFrameValues v = dobra();
    v.TextIDProbkiNr = QStringLiteral("07");
    ASSERT_TRUE(firstSampleRefusal(v));
    EXPECT_EQ(firstSampleRefusal(v)->text,
              QStringLiteral("Drugi człon kodu próbki powinien być zapisany na 3 znakach z "
                             "uwzględnieniem zer wiodących!\rPopraw 07 na 007"));
    v.TextNrProbki = QStringLiteral(" 7");
    v.TextIDProbkiNr = QStringLiteral("007");
    EXPECT_EQ(firstSampleRefusal(v), std::nullopt);

    // A text that is no whole number is told as such rather than failing the save.
    for (const char* nr : {"7a", "7,5", "40000"}) {
        v.TextNrProbki = QString::fromLatin1(nr);
        ASSERT_TRUE(firstSampleRefusal(v)) << nr;
        EXPECT_EQ(firstSampleRefusal(v)->text,
                  QStringLiteral("Numer próbki należy podać jako liczbę całkowitą!"))
            << nr;
    }
    v.TextNrProbki = QStringLiteral("7");
    v.TextIDProbkiNr = QStringLiteral("0x7");
    ASSERT_TRUE(firstSampleRefusal(v));
    EXPECT_EQ(firstSampleRefusal(v)->focus, QStringLiteral("TextIDProbkiNr"));
}

TEST(SampleChecks, EarTagsKindsAndDeerAtTheirLimits)
{
    SampleFrameValues v = dobra();
    // The tag is measured without the blanks typed around it; any fourteen characters pass.
    v.TextNrKolczyka = QStringLiteral(" PL00512345678");
    ASSERT_TRUE(firstSampleRefusal(v));
    EXPECT_EQ(firstSampleRefusal(v)->focus, QStringLiteral("TextNrKolczyka"));
    v.TextNrKolczyka = QStringLiteral("DE12345678xxxx");
    EXPECT_EQ(firstSampleRefusal(v), std::nullopt);

    // The kind of slaughter is trimmed but case matters; "N" needs no owner.
    v.ComboRodzajUboju = QStringLiteral(" N ");
    EXPECT_EQ(firstSampleRefusal(v), std::nullopt);
    v.ComboRodzajUboju = QStringLiteral("P ");
    EXPECT_EQ(firstSampleRefusal(v), std::nullopt) << "only an untrimmed P asks for the owner";

    // Deer: twelve months pass, and neither use nor herd is asked for.
    v.ComboGatunek = QStringLiteral("Jeleniowate");
    v.ComboRodzajUboju = QStringLiteral("UJ");
    v.ComboUzytkowosc.clear();
    v.TextNrGospod.clear();
    v.ComboWiek = QStringLiteral("12");
    EXPECT_EQ(firstSampleRefusal(v), std::nullopt);
    v.ComboWiek = QStringLiteral("11,5");
    ASSERT_TRUE(firstSampleRefusal(v));
    EXPECT_EQ(firstSampleRefusal(v)->focus, QStringLiteral("ComboWiek"));
    // Another species is not blocked by its age.
    v.ComboGatunek = QStringLiteral("Owce");
    v.ComboRodzajUboju = QStringLiteral("N");
    v.ComboUzytkowosc = QStringLiteral("mięsna");
    v.TextNrGospod = QStringLiteral("PL1");
    v.ComboWiek = QStringLiteral("3");
    EXPECT_EQ(firstSampleRefusal(v), std::nullopt);
}

} // namespace
