#include "BatchChecks.h"

#include "BatchFields.h"

#include "common/Dates.h"
#include "common/Messages.h"
#include "common/TextHelpers.h"

#include "platform/ui/DialogService.h"
#include "platform/ui/Keystrokes.h"

#include <QWidget>

#include <cmath>

namespace trelimor {

namespace {

BatchRefusal plainBox(const QString& tekst, const QString& fokus)
{
    return {BatchRefusal::Okno::Zwykle, QString(ui::ProgramTitle), tekst, fokus};
}

BatchRefusal infoBox(const QString& tekst, const QString& fokus)
{
    return {BatchRefusal::Okno::Informacja, kInformationTitle, tekst, fokus};
}

// The date checks: an empty box (when the date is required) and a text that is no date.
std::optional<BatchRefusal> dateRefusal(const QString& tekst, const QString& kontrolka, const QString& pusta,
                                        const QString& nazwa)
{
    if (tekst.isEmpty())
        return pusta.isEmpty() ? std::nullopt : std::optional(infoBox(pusta, kontrolka));
    if (!dateFromText(tekst))
        return infoBox(QStringLiteral("Popraw datę ") + nazwa + QStringLiteral(" do formatu dd.mm.rrrr"),
                       kontrolka);
    return std::nullopt;
}

// The batch number as a 16-bit whole number would take it: halves to the even number.
double batchNumberOf(const QString& tekst)
{
    return std::nearbyint(decimalNumber(tekst).value_or(0.0));
}

} // namespace

std::optional<BatchRefusal> firstBatchRefusal(const FrameValues& v, const BatchCheckData& dane)
{
    const QString nrPartii = v.text(QStringLiteral("TextNrPartii"));
    const QString zaklad = v.text(QStringLiteral("TextZaklad"));
    if (nrPartii.isEmpty())
        return plainBox(QStringLiteral("Wprowadź numer partii!"), QStringLiteral("TextNrPartii"));
    if (!dane.saZaklady)
        return plainBox(QStringLiteral("Brak danych o zakładzie. Uzupełnij dane o zakładach!"), QString());
    if (!dane.zakladIstnieje(zaklad.trimmed())) {
        return BatchRefusal{BatchRefusal::Okno::UwagaOkAnuluj, QStringLiteral("Uwaga!"),
                            QStringLiteral("W bazie danych brak zdefiniowanego zakładu: ") +
                                zaklad.trimmed() +
                                QStringLiteral(".\r\nDopisz zakład (menu Definicje->Zakłady) a następnie "
                                               "wczytaj plik ponownie!"),
                            QStringLiteral("TextZaklad"), true};
    }
    if (!isNumeric(nrPartii))
        return plainBox(QStringLiteral("Nieprawidłowy numer partii. Popraw!"),
                        QStringLiteral("TextNrPartii"));
    const double numer = batchNumberOf(nrPartii);
    if (v.isNew && !(numer >= 1 && numer <= double(kNajwiekszyNumerPartii)))
        return plainBox(
            QStringLiteral("Numer partii musi być liczbą od 1 do %1. Popraw!").arg(kNajwiekszyNumerPartii),
            QStringLiteral("TextNrPartii"));
    const QString nrZlecenia = v.text(QStringLiteral("TextNrZlecenia"));
    if (!nrZlecenia.isEmpty() && !isNumeric(nrZlecenia))
        return plainBox(QStringLiteral("Nieprawidłowy numer zlecenia. Popraw!"),
                        QStringLiteral("TextNrZlecenia"));
    if (zaklad.isEmpty())
        return plainBox(QStringLiteral("Wprowadź poprawny numer zakładu!"), QStringLiteral("TextZaklad"));
    if (auto odmowa = dateRefusal(v.text(QStringLiteral("TextDataUboju")), QStringLiteral("TextDataUboju"),
                                  QStringLiteral("Wybierz datę uboju!"), QStringLiteral("uboju")))
        return odmowa;
    if (auto odmowa = dateRefusal(v.text(QStringLiteral("TextDataPobr")), QStringLiteral("TextDataPobr"),
                                  QStringLiteral("Wybierz datę pobrania!"), QStringLiteral("pobrania")))
        return odmowa;
    if (v.text(QStringLiteral("ComboPobral")).isEmpty())
        return infoBox(QStringLiteral("Wybierz warość dla pola: Pobrał!"), QStringLiteral("ComboPobral"));
    const QString ilProbek = v.text(QStringLiteral("TextIlProbek"));
    if (!ilProbek.isEmpty() && !isNumeric(ilProbek))
        return plainBox(QStringLiteral("Nieprawidłowa ilość próbek. Popraw!"),
                        QStringLiteral("TextIlProbek"));
    if (v.text(QStringLiteral("TextPowiat")).size() != 4)
        return plainBox(QStringLiteral("Wprowadź 4-cyfrowy kod powiatu, z którego pochodzi próbka!"),
                        QStringLiteral("TextPowiat"));
    if (v.isNew && dane.partiaIstnieje(qint64(numer))) {
        return BatchRefusal{
            BatchRefusal::Okno::Uwaga, QString(ui::ProgramTitle),
            QStringLiteral("Partia o numerze: %1 już istnieje.\r\nPopraw nr partii!").arg(qint64(numer)),
            QStringLiteral("TextNrPartii")};
    }
    if (auto odmowa = dateRefusal(v.text(QStringLiteral("TextDataWysylki")),
                                  QStringLiteral("TextDataWysylki"), QString(), QStringLiteral("wysyłki")))
        return odmowa;
    // A date for the covering letter that is no date is never dropped in silence.
    return dateRefusal(v.text(QStringLiteral("TextDataWyslaniaDoLab")).trimmed(),
                       QStringLiteral("TextDataWyslaniaDoLab"), QString(),
                       QStringLiteral("wysłania do laboratorium"));
}

std::optional<QString> controlWithSeparator(const QList<std::pair<QString, QString>>& pola)
{
    std::optional<QString> znalezione;
    for (const auto& [nazwa, tekst] : pola)
        if (tekst.contains(QLatin1Char('|')))
            znalezione = nazwa;
    return znalezione;
}

void showBatchRefusal(const BatchRefusal& odmowa, QWidget* okno)
{
    switch (odmowa.okno) {
    case BatchRefusal::Okno::Zwykle:
        ui::plainMessage(odmowa.tekst);
        break;
    case BatchRefusal::Okno::Informacja:
        PokazInfo(odmowa.tekst, odmowa.tytul);
        break;
    case BatchRefusal::Okno::Uwaga:
        ui::dialogs().message(odmowa.tekst, odmowa.tytul, ui::Icon::Warning);
        break;
    case BatchRefusal::Okno::UwagaOkAnuluj:
        ui::dialogs().askOkCancel(odmowa.tekst, odmowa.tytul, ui::Icon::Warning);
        break;
    }
    QWidget* kontrolka = odmowa.fokus.isEmpty() ? nullptr : okno->findChild<QWidget*>(odmowa.fokus);
    if (kontrolka == nullptr)
        return;
    kontrolka->setFocus();
    if (odmowa.zaznacz)
        ui::sendKeystrokes(kontrolka, {ui::Keystroke::HomeShiftEnd});
}

} // namespace trelimor
