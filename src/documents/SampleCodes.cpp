#include "SampleCodes.h"

namespace trelimor {

const QStringList& rodzajeUboju()
{
    static const QStringList codes = {
        QStringLiteral("N"),    QStringLiteral("K"),    QStringLiteral("P"),     QStringLiteral("U"),
        QStringLiteral("UF"),   QStringLiteral("R"),    QStringLiteral("NNWOK"), QStringLiteral("NWOK"),
        QStringLiteral("BSEZ"), QStringLiteral("BSEP"), QStringLiteral("Z"),     QStringLiteral("PJ"),
        QStringLiteral("KJ"),   QStringLiteral("CHJ"),  QStringLiteral("UJ"),    QStringLiteral("NJ")};
    return codes;
}

bool czyRodzajUboju(const QString& kod)
{
    return rodzajeUboju().contains(kod, Qt::CaseSensitive);
}

QString OpisSystemuUtrzymania(const QString& kod)
{
    if (kod == u"DJ")
        return QStringLiteral("jeleniowaty dziki");
    if (kod == u"FJ")
        return QStringLiteral("jeleniowaty utrzymywany w warunkach fermowych");
    if (kod == u"NJ")
        return QStringLiteral("jeleniowaty żyjący w niewoli");
    if (kod == u"OJ")
        return QStringLiteral("jeleniowaty częściowo oswojony");
    return {};
}

QString kierunekBadania(const QString& gatunek, bool zCwd)
{
    static const QStringList tse = {QStringLiteral("Owce"), QStringLiteral("Kozy"), QStringLiteral("Owca"),
                                    QStringLiteral("Koza")};
    if (tse.contains(gatunek, Qt::CaseSensitive))
        return QStringLiteral("TSE");
    if (zCwd && gatunek == u"Jeleniowate")
        return QStringLiteral("CWD");
    return QStringLiteral("BSE");
}

} // namespace trelimor
