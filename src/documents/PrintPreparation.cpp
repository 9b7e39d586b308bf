#include "PrintPreparation.h"

#include "BatchDocumentsHost.h"

#include "common/DataControl.h"
#include "common/Messages.h"
#include "common/ModLabor.h"
#include "common/ReportWork.h"

#include "platform/PlatformError.h"
#include "platform/db/Recordset.h"
#include "platform/db/Transaction.h"

#include <QRegularExpression>

namespace trelimor {

namespace {

// Table and column names go into the SQL text, so only plain names are taken.
void requirePlainName(const QString& name)
{
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    if (!plain.match(name).hasMatch())
        throw PlatformError(QStringLiteral("Nieprawidłowa nazwa tabeli lub pola: \"%1\".").arg(name));
}

qlonglong batchNumber(const QString& text)
{
    bool ok = false;
    const qlonglong number = text.trimmed().toLongLong(&ok);
    if (!ok)
        throw PlatformError(QStringLiteral("Nieprawidłowy numer partii: \"%1\".").arg(text));
    return number;
}

QString textOf(const db::Recordset& rs, const char* field)
{
    return BezNullText(rs.value(QString::fromLatin1(field)));
}

// Counts the results of the work table's rows the filter selects (an empty filter: all rows).
LiczbyWynikow policzWyniki(const QString& NazTab, const QString& NazKol, const QString& filter,
                           const QVariantList& args)
{
    requirePlainName(NazTab);
    requirePlainName(NazKol);
    QString sql = QStringLiteral("SELECT %1 FROM %2").arg(NazKol, NazTab);
    if (!filter.isEmpty())
        sql += QStringLiteral(" WHERE ") + filter;
    LiczbyWynikow liczby;
    for (db::Recordset rs = ModLabor().BazaRobot.openRecordset(sql, args); !rs.eof(); rs.moveNext()) {
        const QString poczatek = BezNullText(rs.value(0)).trimmed().left(3);
        ++liczby.zbadano;
        if (poczatek == u"dod")
            ++liczby.dod;
        else if (poczatek == u"uje")
            ++liczby.ujem;
        else if (poczatek == u"wąt")
            ++liczby.watpliwe;
    }
    return liczby;
}

// The error trap of the print preparations: a failure is reported under "Drukowanie" followed
// by the table's name, and the caller learns that nothing was stored.
template <class Work>
bool podPulapkaDrukowania(const QString& NazTab, Work work)
{
    try {
        work();
        return true;
    } catch (const std::exception& e) {
        PokazBlad(QStringLiteral("Drukowanie") + NazTab, e);
        return false;
    }
}

void zapiszLiczby(db::Recordset& row, const LiczbyWynikow& liczby)
{
    row.setValue(QStringLiteral("Zbadano"), liczby.zbadano);
    row.setValue(QStringLiteral("Dod"), liczby.dod);
    row.setValue(QStringLiteral("Ujem"), liczby.ujem);
    row.setValue(QStringLiteral("DodUjem"), liczby.watpliwe);
}

} // namespace

bool PrzedDrInne(const QString& NazTab, const QString& NazTab1, const QString& NazPole,
                 const QString& NazPoleLab, bool CzyBadanie, const QString& CzyPowiat)
{
    ModLaborValues& m = ModLabor();
    return podPulapkaDrukowania(NazTab, [&] {
        requirePlainName(NazTab);
        requirePlainName(NazTab1);
        requirePlainName(NazPole);
        const qlonglong grupa = batchNumber(NazPoleLab);
        QString sql = QStringLiteral("SELECT * FROM %1 WHERE %2 = ?").arg(NazTab, NazPole);
        if (CzyBadanie)
            sql += QStringLiteral(" ORDER BY NrProbki");
        db::Recordset source = m.BazaRok.openRecordset(sql, {grupa});
        db::Recordset target = m.BazaRobot.openRecordset(QStringLiteral("SELECT * FROM ") + NazTab1);
        static const QStringList kZProbki = {QStringLiteral("NrKolczyka"), QStringLiteral("Gatunek"),
                                             QStringLiteral("Rasa"),       QStringLiteral("Plec"),
                                             QStringLiteral("Masc"),       QStringLiteral("Wiek"),
                                             QStringLiteral("WiekTyp"),    QStringLiteral("Ciaza"),
                                             QStringLiteral("Uwagi"),      QStringLiteral("KodKreskowy")};

        db::Transaction transaction(m.BazaRobot);
        int licznik = 0;
        for (; !source.eof(); source.moveNext()) {
            target.addNew();
            if (CzyBadanie) {
                ++licznik;
                db::Recordset probka = m.BazaRok.openRecordset(
                    QStringLiteral("SELECT * FROM Badanie WHERE PartiaG = ? AND NrProbki = ?"),
                    {grupa, source.value(QStringLiteral("NrProbki"))});
                if (!probka.eof()) {
                    target.setValue(QStringLiteral("Partia"), probka.value(QStringLiteral("PartiaG")));
                    target.setValue(QStringLiteral("NrProbki"), probka.value(QStringLiteral("NrProbki")));
                    target.setValue(QStringLiteral("NrStado"), licznik);
                    for (const QString& pole : kZProbki)
                        target.setValue(pole, probka.value(pole));
                }
            }
            if (!CzyPowiat.isEmpty())
                target.setValue(QStringLiteral("Klient"), CzyPowiat);
            target.update();
        }
        transaction.commit();
    });
}

bool LiczDodUjem(const QString& NazTab, const QString& NazKol)
{
    ModLaborValues& m = ModLabor();
    return podPulapkaDrukowania(NazTab, [&] {
        const bool zapisuje = NazTab == u"Br" || NazTab == u"EBB" || NazTab == u"BrOK";
        db::Transaction transaction(m.BazaRobot);
        db::Recordset grupy =
            m.BazaRobot.openRecordset(QStringLiteral("SELECT * FROM PartiaG ORDER BY PartiaG"));
        for (; !grupy.eof(); grupy.moveNext()) {
            const LiczbyWynikow liczby = policzWyniki(NazTab, NazKol, QStringLiteral("Partia = ?"),
                                                      {grupy.value(QStringLiteral("PartiaG"))});
            if (!zapisuje)
                continue;
            grupy.edit();
            zapiszLiczby(grupy, liczby);
            grupy.update();
        }
        transaction.commit();
    });
}

bool SprawozdanieLiczDodUjem(const QString& NazTab, const QString& NazKol)
{
    ModLaborValues& m = ModLabor();
    return podPulapkaDrukowania(NazTab, [&] {
        const LiczbyWynikow liczby = policzWyniki(NazTab, NazKol, QString(), {});
        if (NazTab != u"EBB" && NazTab != u"Br")
            return;
        db::Recordset partia = m.BazaRobot.openRecordset(QStringLiteral("SELECT * FROM Partia"));
        if (partia.eof())
            return;
        partia.edit();
        if (NazTab == u"EBB") {
            zapiszLiczby(partia, liczby);
        } else {
            partia.setValue(QStringLiteral("OgolemBr"), liczby.zbadano);
            partia.setValue(QStringLiteral("DodBr"), liczby.dod);
            partia.setValue(QStringLiteral("UjemBr"), liczby.ujem);
        }
        partia.update();
    });
}

QString tekstWlasciciela(const db::Recordset& probka)
{
    return textOf(probka, "WlascicielImie") + QLatin1Char(' ') + textOf(probka, "WlascicielNazwisko") +
           QStringLiteral(", ") + textOf(probka, "WlascicielMiejscowosc") + QLatin1Char(' ') +
           textOf(probka, "WlascicielNrPosesja") + QStringLiteral(", woj. ") + textOf(probka, "Wojewodztwo") +
           QStringLiteral(", pow. ") + textOf(probka, "Powiat");
}

QString uwagiZWlascicielem(const QVariant& uwagi, const QString& wlasciciel)
{
    const QString stored = BezNullText(uwagi);
    if (stored.trimmed().isEmpty())
        return wlasciciel;
    return stored + QStringLiteral("\r\n") + wlasciciel;
}

bool PrzedDr(const QString& NazTab, const QString& NazPole, const QString& NazPoleLab, bool CzyBadanie,
             const QString& /*CzyPowiat*/, const QString& /*NrKolczPaszp*/)
{
    ModLaborValues& m = ModLabor();
    return podPulapkaDrukowania(NazTab, [&] {
        requirePlainName(NazTab);
        requirePlainName(NazPole);
        QString sql = QStringLiteral("SELECT * FROM ") + NazTab + QStringLiteral(" WHERE ") + NazPole +
                      QStringLiteral(" = ?");
        if (CzyBadanie)
            sql += QStringLiteral(" ORDER BY NrProbki");
        db::Recordset source = m.BazaRok.openRecordset(sql, {batchNumber(NazPoleLab)});
        db::Recordset target = m.BazaRobot.openRecordset(QStringLiteral("SELECT * FROM ") + NazTab);

        db::Transaction transaction(m.BazaRobot);
        for (; !source.eof(); source.moveNext()) {
            target.addNew();
            for (int i = 0; i < source.fieldCount(); ++i) {
                const QVariant value = source.value(i);
                if (!db::isNull(value))
                    target.setValue(source.field(i).name, value);
            }
            if (CzyBadanie && textOf(source, "RodzajUboju").toUpper() == u"P")
                target.setValue(
                    QStringLiteral("Uwagi"),
                    uwagiZWlascicielem(source.value(QStringLiteral("Uwagi")), tekstWlasciciela(source)));
            target.update();
        }
        transaction.commit();
    });
}

bool kopiujPartieDoRoboczej(BatchDocumentsHost& okno)
{
    OproznijRoboczaTabele(QStringLiteral("Partia"));
    OproznijRoboczaTabele(QStringLiteral("Badanie"));
    const QString partia = okno.LabPartia();
    return PrzedDr(QStringLiteral("Partia"), QStringLiteral("Partia"), partia, false, QString(),
                   QStringLiteral("Nr kolczyka")) &&
           PrzedDr(QStringLiteral("Badanie"), QStringLiteral("Partia"), partia, true, QString(),
                   QStringLiteral("Nr kolczyka"));
}

QString gatunekBiezacejProbki(BatchDocumentsHost& okno)
{
    const db::Recordset& probki = okno.DataProbka().recordset();
    if (!probki.isOpen() || probki.eof() || probki.bof())
        return {};
    return BezNullText(probki.value(QStringLiteral("Gatunek")));
}

} // namespace trelimor
