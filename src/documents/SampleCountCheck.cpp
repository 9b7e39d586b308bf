#include "SampleCountCheck.h"

#include "BatchDocumentsHost.h"
#include "PrintFrame.h"

#include "common/DataControl.h"
#include "common/Messages.h"
#include "common/ModLabor.h"

#include "platform/ui/DialogService.h"

namespace trelimor {

namespace {

bool zapytaj(const QString& wiersz1, const QString& wiersz2, int n)
{
    const QString liczba = QString::number(n);
    return ui::dialogs().askYesNo(wiersz1 + QLatin1Char('\r') + wiersz2 + liczba +
                                      QStringLiteral("\rCzy wpisać do pola ilość próbek: ") + liczba +
                                      QLatin1Char('?'),
                                  QStringLiteral("Kontrola poprawności!"), ui::Icon::Question, true);
}

void wpiszIlosc(BatchDocumentsHost& okno, int n)
{
    db::Recordset& partie = okno.DataPartia().recordset();
    partie.edit();
    partie.setValue(QStringLiteral("IlProbek"), n);
    partie.update();
}

} // namespace

int liczbaProbekPartii(BatchDocumentsHost& okno)
{
    return ModLabor()
        .BazaRok
        .scalar(QStringLiteral("SELECT COUNT(*) FROM Badanie WHERE Partia = ?"),
                {polePartii(okno, QStringLiteral("Partia"))})
        .toInt();
}

KontrolaIlosci kontrolaIlosciProbek(BatchDocumentsHost& okno, int n)
{
    const QVariant deklarowana = polePartii(okno, QStringLiteral("IlProbek"));
    if (BezNullText(deklarowana).isEmpty()) {
        if (!zapytaj(QStringLiteral("Brak zdefiniowanej ilości próbek w całej partii!"),
                     QStringLiteral("Rzeczywista ilość próbek wpisanych do zaznaczonej partii wynosi: "), n))
            return KontrolaIlosci::Brak;
        wpiszIlosc(okno, n);
        return KontrolaIlosci::Wpisana;
    }
    if (deklarowana.toInt() == n)
        return KontrolaIlosci::Zgodna;
    if (!zapytaj(QStringLiteral("Niezgodność pomiędzy zadeklarowaną ilością próbek a rzeczywiście wpisaną do "
                                "zaznaczonej partii!"),
                 QStringLiteral("Rzeczywista ilość próbek wpisanych do programu wynosi: "), n)) {
        PokazUwage(QStringLiteral("Przerwanie wysyłania z powodu niezgodności zadeklarowanej i rzeczywistej "
                                  "iliści próbek!\rPopraw!"),
                   kInformationTitle);
        return KontrolaIlosci::Przerwana;
    }
    wpiszIlosc(okno, n);
    return KontrolaIlosci::Wpisana;
}

} // namespace trelimor
