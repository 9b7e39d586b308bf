#include "BatchDocuments.h"
#include "ExportErrors.h"
#include "PrintFrame.h"
#include "SampleCountCheck.h"
#include "common/CodeLists.h"

#include "common/DataControl.h"
#include "common/Messages.h"
#include "common/ModLabor.h"

#include "platform/db/Recordset.h"
#include "platform/ui/OverrideCursorGuard.h"

#include <optional>

namespace trelimor {

namespace {

// The checks after the district codes, in their order; false when one stopped the export
// (after telling the user why).
bool iloscProbekDoEksportu(BatchDocumentsHost& okno)
{
    if (kontrolaIlosciProbek(okno, liczbaProbekPartii(okno)) == KontrolaIlosci::Przerwana)
        return false;
    if (polePartii(okno, QStringLiteral("IlProbek")).toInt() == 0) {
        PokazUwage(QStringLiteral("Brak ilości próbek!\rUzupełnij przed wysłaniem pliku!"),
                   kInformationTitle);
        return false;
    }
    return true;
}

// Samples of the batch lacking what the central database requires (deer need none of it).
void ostrzezOBrakachInformacji(BatchDocumentsHost& okno)
{
    const int m =
        ModLabor()
            .BazaRok
            .scalar(QStringLiteral("SELECT COUNT(*) FROM Badanie WHERE Partia = ? AND Gatunek <> '' "
                                   "AND Gatunek <> 'Jeleniowate' AND (ObjawyChorobowe IS NULL OR "
                                   "ObjawyChorobowe = '' OR Uzytkowosc IS NULL OR Uzytkowosc = '' "
                                   "OR LiczebnoscStada IS NULL)"),
                    {polePartii(okno, QStringLiteral("Partia"))})
            .toInt();
    if (m > 0)
        PokazUwage(QStringLiteral("W zaznaczonej partii występują próbki z brakiem informacji (użytkowość / "
                                  "objawy chorobowe / liczebność stada) w ilości: ") +
                       QString::number(m) +
                       QStringLiteral("\rInformacje te wymagane są przez Centralną Bazę Danych!\rPrzed "
                                      "wysłaniem uzupełnij pola: użytkowość, objawy chorobowe, liczebność "
                                      "stada!"),
                   kInformationTitle);
}

// The first kind-of-slaughter value of the year's samples, of any batch, that is none of the
// codes (compared exactly, so a null or lower-case value is none); nullopt when all are codes.
std::optional<QString> nieprawidlowyRodzajUboju()
{
    QStringList marks;
    QVariantList kody;
    for (const KodZOpisem& rodzaj : rodzajeUboju()) {
        const QString& kod = rodzaj.kod;
        marks << QStringLiteral("?");
        kody << kod;
    }
    db::Recordset rs = ModLabor().BazaRok.openRecordset(
        QStringLiteral("SELECT RodzajUboju FROM Badanie WHERE RodzajUboju IS NULL OR NOT (RodzajUboju "
                       "COLLATE BINARY IN (%1)) ORDER BY rowid LIMIT 1")
            .arg(marks.join(QLatin1Char(','))),
        kody);
    if (rs.eof())
        return std::nullopt;
    return BezNullText(rs.value(0));
}

} // namespace

bool SprBrak(BatchDocumentsHost& okno)
{
    ui::OverrideCursorGuard cursor;
    try {
        const int n =
            ModLabor()
                .BazaRok
                .scalar(QStringLiteral("SELECT COUNT(*) FROM Badanie WHERE Partia = ? AND RodzajUboju "
                                       "COLLATE BINARY = ? AND (KodPIW IS NULL OR KodPIW = '')"),
                        {polePartii(okno, QStringLiteral("Partia")), QStringLiteral("P")})
                .toInt();
        cursor.restore();
        if (n == 0)
            return true;
        PokazUwage(QStringLiteral("Stwierdzono brak kodu powiatu w ") + QString::number(n) +
                       QStringLiteral(" próbkach!\rUzupełnij 4-cyfrowy kod PIW i wyślij ponownie!"),
                   kInformationTitle);
        return false;
    } catch (const std::exception& e) {
        cursor.restore();
        showExportError(e);
        return false;
    }
}

void ComMail_Click(BatchDocumentsHost& okno)
{
    if (okno.DataPartia().recordCount() == 0) {
        EksportProtokolu(okno);
        return;
    }
    if (!SprBrak(okno))
        return;
    try {
        if (!iloscProbekDoEksportu(okno))
            return;
        ostrzezOBrakachInformacji(okno);
        if (const auto rodzaj = nieprawidlowyRodzajUboju()) {
            PokazUwage(QStringLiteral("Zidentyfikowano nieprawidłowy rodzaj uboju: ") + *rodzaj +
                           QStringLiteral("\rPrzed wysłaniem popraw na zgodny z listą wyboru!"),
                       kInformationTitle);
            return;
        }
    } catch (const std::exception& e) {
        showExportError(e);
        return;
    }
    EksportProtokolu(okno);
}

} // namespace trelimor
