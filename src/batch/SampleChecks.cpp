#include "SampleChecks.h"

#include "common/CodeLists.h"

#include "common/Dates.h"
#include "common/Messages.h"
#include "common/TextHelpers.h"

#include "platform/ui/DialogService.h"

#include <QStringList>

#include <algorithm>

namespace trelimor {

namespace {

// The uses a sample may carry: those the list offers, and "nieśna", which the list does not
// offer but a client's stored use may bring.
bool knownUse(const QString& uzytkowosc)
{
    return uzytkowosc == u"nieśna" || listaStala(QStringLiteral("ComboUzytkowosc")).contains(uzytkowosc);
}

// Deer younger than this many months are not sampled here.
constexpr double kMinimalnyWiekJeleniowatych = 12;

// A box with an OK button only, no icon and the program's title.
Refusal plainBox(const QString& text, const QString& focus)
{
    return {ui::Icon::None, QString(ui::ProgramTitle), text, focus};
}

Refusal warningBox(const QString& text, const QString& focus)
{
    return {ui::Icon::Warning, kInformationTitle, text, focus};
}

// The digits of the text with zeros in front up to three: what the code's number part should
// read. Unlike UzupelnijZerami it never warns: it only words a message.
QString threeDigits(const QString& text)
{
    QString digits;
    for (const QChar c : text)
        if (c.unicode() >= '0' && c.unicode() <= '9')
            digits += c;
    return digits.rightJustified(3, QLatin1Char('0'));
}

QString mismatchText(const QString& nr, const QString& kodNr, qint16 kodNrLiczba)
{
    return QStringLiteral("Niezgodność nr próbki: ") + nr +
           QStringLiteral(" oraz drugiego członu kodu próbki: ") + kodNr +
           QStringLiteral("\rJężli zmieniasz nr próbki na: ") + nr +
           QStringLiteral(" zmień również drugi człon kodu próbki na: ") + threeDigits(nr) +
           QStringLiteral("\rJeżeli zmieniasz drugi człon kodu próbki na: ") + kodNr +
           QStringLiteral(" zmień również nr próbki na: ") + QString::number(kodNrLiczba);
}

std::optional<Refusal> countyRefusal(const SampleFrameValues& v)
{
    const qsizetype dlugosc = v.TextKodPIW.size();
    if (dlugosc >= 1 && dlugosc <= 3)
        return plainBox(QStringLiteral("Kod PIW powinien mieć 4 cyfry! Popraw!"),
                        QStringLiteral("TextKodPIW"));
    if (!v.LabIDWOJ.isEmpty() && v.LabIDWOJ.left(2) != v.TextKodPIW.left(2))
        return plainBox(QStringLiteral("Nieprawidłowy kod PIW w stosunku do województwa! Popraw!"),
                        QStringLiteral("TextKodPIW"));
    return std::nullopt;
}

std::optional<Refusal> numberRefusal(const SampleFrameValues& v)
{
    if (v.TextNrProbki.isEmpty())
        return plainBox(QStringLiteral("Wprowadź numer próbki!"), QStringLiteral("TextNrProbki"));
    if (v.TextIDProbkiNr.isEmpty())
        return plainBox(QStringLiteral("Wprowadź numer próbki!"), QStringLiteral("TextIDProbkiNr"));
    if (v.TextIDProbkiData.isEmpty())
        return plainBox(QStringLiteral("Wprowadź poprawny numer próbki!"),
                        QStringLiteral("TextIDProbkiData"));
    // Both are compared as numbers: a text that is none is told as such, not met as an error.
    const std::optional<qint16> nr = wholeNumber<qint16>(v.TextNrProbki);
    if (!nr)
        return plainBox(QStringLiteral("Numer próbki należy podać jako liczbę całkowitą!"),
                        QStringLiteral("TextNrProbki"));
    const std::optional<qint16> kodNr = wholeNumber<qint16>(v.TextIDProbkiNr);
    if (!kodNr)
        return plainBox(QStringLiteral("Drugi człon kodu próbki należy podać jako liczbę całkowitą!"),
                        QStringLiteral("TextIDProbkiNr"));
    if (*nr != *kodNr)
        return warningBox(mismatchText(v.TextNrProbki, v.TextIDProbkiNr, *kodNr),
                          QStringLiteral("TextNrProbki"));
    if (v.TextIDProbkiNr.size() != 3)
        return warningBox(QStringLiteral("Drugi człon kodu próbki powinien być zapisany na 3 znakach z "
                                         "uwzględnieniem zer wiodących!\rPopraw ") +
                              v.TextIDProbkiNr + QStringLiteral(" na ") + threeDigits(v.TextIDProbkiNr),
                          QStringLiteral("TextIDProbkiNr"));
    return std::nullopt;
}

std::optional<Refusal> animalRefusal(const SampleFrameValues& v)
{
    // Blanks the user typed around the tag are no part of it.
    if (v.TextNrKolczyka.trimmed().size() < kEarTagLength)
        return warningBox(
            QStringLiteral("Wprowadź poprawny numer kolczyka o długości 14 znaków!\rW przypadku "
                           "sztuk zagranicznych o krótszym numerze należy uzupełnić znakami x do "
                           "pełnej długości np.: DE12345678xxxx"),
            QStringLiteral("TextNrKolczyka"));
    const QString wiekPole = QStringLiteral("ComboWiek");
    if (v.ComboWiek.isEmpty())
        return plainBox(QStringLiteral("Wybierz wiek (w miesiącach)!"), wiekPole);
    const std::optional<double> wiek = decimalNumber(v.ComboWiek);
    if (!wiek)
        return plainBox(QStringLiteral("Wiek należy podać jako wartość numeryczną!"), wiekPole);
    const bool jelen = jestJeleniowaty(v.ComboGatunek);
    if (jelen && *wiek < kMinimalnyWiekJeleniowatych)
        return plainBox(
            QStringLiteral("Blokada wieku dla jeleniowatych poniżej 12 m-cy!\rSkontaktuj się z ZHW!"),
            wiekPole);
    const QString rodzaj = v.ComboRodzajUboju.trimmed();
    if (std::none_of(rodzajeUboju().cbegin(), rodzajeUboju().cend(),
                     [&rodzaj](const KodZOpisem& znany) { return znany.kod == rodzaj; }))
        return plainBox(QStringLiteral("Błędny rodzaj uboju. Ustaw ponownie N, K, P, U, UF, R, NNWOK, NWOK, "
                                       "BSEZ, BSEP, Z, PJ, KJ, CHJ, UJ, NJ!"),
                        QStringLiteral("ComboRodzajUboju"));
    if (!listaStala(QStringLiteral("ComboObjawyChorobowe")).contains(v.ComboObjawyChorobowe))
        return plainBox(QStringLiteral("Wybierz objawy chorobowe z listy!"),
                        QStringLiteral("ComboObjawyChorobowe"));
    // Deer come from the wild: they have neither a use nor a herd.
    if (!jelen && !knownUse(v.ComboUzytkowosc))
        return plainBox(QStringLiteral("Wybierz użytkowość z listy!"), QStringLiteral("ComboUzytkowosc"));
    if (!jelen && v.TextNrGospod.isEmpty())
        return plainBox(QStringLiteral("Wprowadź identyfikator stada!"), QStringLiteral("TextNrGospod"));
    if (!v.TextLiczebnoscStada.trimmed().isEmpty() && !decimalNumber(v.TextLiczebnoscStada))
        return plainBox(QStringLiteral("Liczebność stada należy podać jako wartość numeryczną!"),
                        QStringLiteral("TextLiczebnoscStada"));
    return std::nullopt;
}

// A fallen animal is traced back to its owner: every part of the address is required.
std::optional<Refusal> ownerRefusal(const SampleFrameValues& v)
{
    if (v.ComboRodzajUboju != u"P")
        return std::nullopt;
    const struct
    {
        const QString& wartosc;
        const char16_t* tekst;
        const char* pole;
    } wymagane[] = {
        {v.TextWlascicielNazwisko, u"Wprowadź nazwisko właściciela!", "TextWlascicielNazwisko"},
        {v.TextWlascicielImie, u"Wprowadź imię właściciela!", "TextWlascicielImie"},
        {v.TextWlascicielMiejscowosc, u"Wprowadź miejscowość!", "TextWlascicielMiejscowosc"},
        {v.TextWlascicielNrPosesja, u"Wprowadź ulica/nr posesji!", "TextWlascicielNrPosesja"},
        {v.LabIDWOJ, u"Wybierz województwo", "ComboWoj"},
        {v.TextKodPIW, u"Wprowadź 4-cyfrowy kod powiatu!", "TextKodPIW"},
        {v.TextGmina, u"Wprowadź gminę!", "TextGmina"},
    };
    for (const auto& pole : wymagane)
        if (pole.wartosc.isEmpty())
            return plainBox(QString::fromUtf16(pole.tekst), QString::fromLatin1(pole.pole));
    return std::nullopt;
}

} // namespace

std::optional<Refusal> firstSampleRefusal(const SampleFrameValues& v)
{
    if (auto odmowa = countyRefusal(v))
        return odmowa;
    if (auto odmowa = numberRefusal(v))
        return odmowa;
    if (auto odmowa = animalRefusal(v))
        return odmowa;
    if (auto odmowa = ownerRefusal(v))
        return odmowa;
    // A birth date that is no date would be lost on storing: it is refused instead.
    if (!v.TextDataUrodzenia.trimmed().isEmpty() && !isShortDate(v.TextDataUrodzenia))
        return plainBox(QStringLiteral("Nieprawidłowa data urodzenia! Wprowadź datę w formacie dd.mm.rrrr "
                                       "lub pozostaw pole puste."),
                        QStringLiteral("TextDataUrodzenia"));
    return std::nullopt;
}

} // namespace trelimor
