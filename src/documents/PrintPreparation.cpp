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

} // namespace

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
    try {
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
        return true;
    } catch (const std::exception& e) {
        PokazBlad(QStringLiteral("Drukowanie") + NazTab, e);
        return false;
    }
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
