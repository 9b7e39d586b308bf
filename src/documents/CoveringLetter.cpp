#include "CoveringLetter.h"

#include "BatchDocuments.h"
#include "PrintFrame.h"
#include "PrintPreparation.h"
#include "SampleCountCheck.h"
#include "ValueText.h"
#include "common/CodeLists.h"

#include "common/DataControl.h"
#include "common/Messages.h"
#include "common/ModLabor.h"
#include "common/ReportWork.h"
#include "common/TableHelpers.h"

#include "platform/db/Recordset.h"

namespace trelimor {

namespace {

// The ear-tag list is cut to what the letter's field holds.
constexpr int kNrKolczykaMax = 255;

// The distinct values of a sample field over the selected batch's samples, as text.
QStringList wartosciProbek(BatchDocumentsHost& okno, const QString& pole)
{
    const QString kolumna = db::quoteIdentifier(pole);
    db::Recordset rs = ModLabor().BazaRok.openRecordset(
        QStringLiteral("SELECT DISTINCT %1 FROM Badanie WHERE Partia = ? ORDER BY %1").arg(kolumna),
        {polePartii(okno, QStringLiteral("Partia"))});
    const db::TableDef probki = ModLabor().BazaRok.tableDef(QStringLiteral("Badanie"));
    const int index = probki.indexOf(pole);
    const db::DataType type = index >= 0 ? probki.fields[index].type : db::DataType::Text;
    QStringList values;
    for (; !rs.eof(); rs.moveNext())
        values << tekstWartosci(rs.value(0), type);
    return values;
}

QString listaProbek(BatchDocumentsHost& okno, const QString& pole)
{
    return listaWartosci(wartosciProbek(okno, pole));
}

QString systemyUtrzymania(BatchDocumentsHost& okno)
{
    QStringList entries;
    for (const QString& kod : wartosciProbek(okno, QStringLiteral("SystemUtrzymania")))
        entries << kod + QLatin1Char('-') + OpisSystemuUtrzymania(kod);
    return listaWartosci(entries);
}

QString numerProbek(BatchDocumentsHost& okno)
{
    const db::Recordset& partia = okno.DataPartia().recordset();
    const QVariant dataPobr = partia.value(QStringLiteral("DataPobr"));
    const QString rok = dataPobr.typeId() == QMetaType::QDateTime
                            ? dataPobr.toDateTime().date().toString(QStringLiteral("yyyy"))
                            : QString();
    return tekstPola(partia, QStringLiteral("Powiat")) + QLatin1Char('/') +
           tekstPola(partia, QStringLiteral("NrZlecenia")) + QLatin1Char('/') +
           tekstPola(partia, QStringLiteral("IlProbek")) + QLatin1Char('/') + rok;
}

// Writes the letter's row; false, after telling the user, when the batch has no date of
// dispatch to the laboratory (the row is then not written).
bool zapiszPismo(BatchDocumentsHost& okno, int n)
{
    if (tekstPola(okno.DataPartia().recordset(), QStringLiteral("DataWyslaniaDoLab")).isEmpty()) {
        PokazInfo(QStringLiteral("Uzupełnij datę wysłania do laboratorium!"), kInformationTitle);
        return false;
    }
    db::Recordset rs = ModLabor().BazaRobot.openRecordset(QStringLiteral("SELECT * FROM PismoPrzewodnie"));
    if (!rs.eof())
        return true; // a row is there already: the letter prints it
    rs.addNew();
    for (const auto& [pole, wartosc] : polaPismaPrzewodniego(okno, n))
        rs.setValue(pole, wartosc);
    rs.update();
    return true;
}

} // namespace

QString listaWartosci(const QStringList& wartosci)
{
    QString lista;
    for (const QString& wartosc : wartosci) {
        if (!lista.isEmpty())
            lista += QStringLiteral(", ");
        lista += wartosc;
    }
    return lista;
}

PolaPisma polaPismaPrzewodniego(BatchDocumentsHost& okno, int n)
{
    const db::Recordset& partia = okno.DataPartia().recordset();
    const auto pole = [&partia](const char* name) {
        return std::pair{QString::fromLatin1(name), tekstPola(partia, QString::fromLatin1(name))};
    };
    const auto lista = [](const char* name, const QString& value) {
        return std::pair{QString::fromLatin1(name), value};
    };
    return {
        lista("NumerProbek", numerProbek(okno)),
        pole("Powiat"),
        pole("Miejscowosc"),
        pole("Dnia"),
        pole("NumerSprawy"),
        pole("Laboratorium"),
        pole("DataPobr"),
        pole("GodzPobr"),
        pole("Pobral"),
        pole("PobranoOd"),
        pole("WywiadLekarski"),
        lista("MiejsceUtrzymywania", systemyUtrzymania(okno)),
        lista("WNI", tekstPola(partia, QStringLiteral("KodZakladu"))),
        lista("GatunekRodzaj", listaProbek(okno, QStringLiteral("Gatunek2"))),
        lista("LiczbaSztukPlec", (n > 0 ? QString::number(n) : QString()) + QStringLiteral(" / ") +
                                     listaProbek(okno, QStringLiteral("Plec"))),
        lista("WiekWaga", listaProbek(okno, QStringLiteral("Wiek"))),
        lista("NrKolczykaTatuazu", listaProbek(okno, QStringLiteral("NrKolczyka")).left(kNrKolczykaMax)),
        lista("RodzajMaterialu", listaProbek(okno, QStringLiteral("RodzajMaterialu"))),
        pole("IlProbek"),
        pole("KierunekBadania"),
        pole("DataWyslaniaDoLab"),
        pole("GodzWyslaniaDoLab"),
        lista("WarunkiPrzechowywania", listaProbek(okno, QStringLiteral("WarunkiPrzechowywania"))),
        pole("RodzajBadania"),
        pole("RodzajBadaniaInny"),
        pole("PlanPobierania"),
        pole("ProceduraPobierania"),
        pole("Uwagi"),
    };
}

void ComPismoPrzewodnie_Click(BatchDocumentsHost& okno)
{
    drukujPartie(okno, [&okno] {
        const int n = liczbaProbekPartii(okno);
        if (kontrolaIlosciProbek(okno, n) == KontrolaIlosci::Przerwana)
            return KoniecWydruku::Wstrzymany;

        if (!kopiujPartieDoRoboczej(okno))
            return KoniecWydruku::Przerwany;
        for (const QString& tabela : {QStringLiteral("Podatnik"), QStringLiteral("PIW")}) {
            OproznijRoboczaTabele(tabela);
            if (!KopiujDoRoboczej(tabela))
                return KoniecWydruku::Przerwany;
        }
        OproznijRoboczaTabele(QStringLiteral("PismoPrzewodnie"));
        if (!zapiszPismo(okno, n))
            return KoniecWydruku::Przerwany;
        for (const QString& tabela :
             {QStringLiteral("Partia"), QStringLiteral("Badanie"), QStringLiteral("PismoPrzewodnie")})
            PrzegladnijTabele(ModLabor().BazaRobot, tabela);

        return showBatchReport(okno, QStringLiteral("PismoPrzewodnie.rpt"),
                               QStringLiteral("Badanie w kierunku ") +
                                   kierunekBadania(gatunekBiezacejProbki(okno), true));
    });
}

} // namespace trelimor
