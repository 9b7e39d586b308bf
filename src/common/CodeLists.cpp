#include "CodeLists.h"

#include <algorithm>

#include "common/Dates.h"

#include <QHash>

namespace trelimor {

namespace {

// How many of the kinds of slaughter, from the start of the list, are for other species.
constexpr int kRodzajeInnychGatunkow = 11;

QString opisKodu(const QList<KodZOpisem>& lista, const QString& kod)
{
    for (const KodZOpisem& pozycja : lista)
        if (pozycja.kod == kod)
            return pozycja.opis;
    return {};
}

QStringList kody(QList<KodZOpisem>::const_iterator first, QList<KodZOpisem>::const_iterator last)
{
    QStringList list;
    for (auto it = first; it != last; ++it)
        list << it->kod;
    return list;
}

QStringList wojewodztwa()
{
    QStringList names;
    for (int code = 2; code <= 32; code += 2)
        names << NazwaWojewodztwa(QStringLiteral("%1").arg(code, 2, 10, QLatin1Char('0')));
    return names;
}

} // namespace

bool jestJeleniowaty(const QString& gatunek)
{
    return gatunek == kJeleniowate;
}

const QList<KodZOpisem>& rodzajeUboju()
{
    static const QList<KodZOpisem> list{
        {QStringLiteral("N"), QStringLiteral("zwierzę poddane normalnemu ubojowi")},
        {QStringLiteral("K"), QStringLiteral("zwierzę poddane ubojowi z konieczności")},
        {QStringLiteral("P"), QStringLiteral("zwierzę padłe")},
        {QStringLiteral("U"), QStringLiteral("zwierzę poddane normalnemu ubojowi usługowemu")},
        {QStringLiteral("UF"), QStringLiteral("ubój zwierzęcia w związku z podejrzeniem o stosowanie u niego "
                                              "substancji wpływających na jakość zdrowotną mięsa")},
        {QStringLiteral("R"),
         QStringLiteral("ubój zwierzęcia wykazującego nietypowe objawy w trakcie badania "
                        "przedubojowego w tym zwierzęta, które doznały urazów w tracie "
                        "transportu lub w rzeźni")},
        {QStringLiteral("NNWOK"),
         QStringLiteral("ubój zwierzęcia z powodu zwalczania choroby przenoszącej się na "
                        "człowieka lub zwierzęta ale nie wykazujące objawów klinicznych "
                        "tej choroby")},
        {QStringLiteral("NWOK"),
         QStringLiteral("ubój zwierzęcia z powodu zwalczania choroby przenoszącej się na "
                        "człowieka lub zwierzęta i wykazujące objawy kliniczne tej "
                        "choroby")},
        {QStringLiteral("BSEZ"), QStringLiteral("zwierzę podejrzane o BSE niezależnie od wieku ZABITE")},
        {QStringLiteral("BSEP"), QStringLiteral("zwierzę podejrzane o BSE niezależnie od wieku PADŁE")},
        {QStringLiteral("Z"),
         QStringLiteral("Zabite - zwierzę inne niż poddane ubojowi w celu spożycia przez ludzi")},
        {QStringLiteral("PJ"), QStringLiteral("jeleniowaty padły")},
        {QStringLiteral("KJ"), QStringLiteral("jeleniowaty z wypadku komunikacyjnego")},
        {QStringLiteral("CHJ"),
         QStringLiteral("jeleniowaty, u których występują objawy kliniczne lub są chore")},
        {QStringLiteral("UJ"),
         QStringLiteral("jeleniowaty ubity lub upolowany zdatny do spożycia przez ludzi")},
        {QStringLiteral("NJ"),
         QStringLiteral("jeleniowaty ubity lub upolowany niezdatny do spożycia przez ludzi")},
    };
    return list;
}

QStringList kodyRodzajuUboju(const QString& gatunek)
{
    const QList<KodZOpisem>& all = rodzajeUboju();
    const auto split = all.cbegin() + kRodzajeInnychGatunkow;
    return jestJeleniowaty(gatunek) ? kody(split, all.cend()) : kody(all.cbegin(), split);
}

QString OpisRodzajuUboju(const QString& kod)
{
    return opisKodu(rodzajeUboju(), kod);
}

const QList<KodZOpisem>& systemyUtrzymania()
{
    static const QList<KodZOpisem> list{
        {QStringLiteral("DJ"), QStringLiteral("jeleniowaty dziki")},
        {QStringLiteral("FJ"), QStringLiteral("jeleniowaty utrzymywany w warunkach fermowych")},
        {QStringLiteral("NJ"), QStringLiteral("jeleniowaty żyjący w niewoli")},
        {QStringLiteral("OJ"), QStringLiteral("jeleniowaty częściowo oswojony")},
    };
    return list;
}

QStringList kodySystemuUtrzymania(const QString& gatunek)
{
    QStringList list{QString()};
    if (jestJeleniowaty(gatunek))
        list << kody(systemyUtrzymania().cbegin(), systemyUtrzymania().cend());
    return list;
}

QString OpisSystemuUtrzymania(const QString& kod)
{
    return opisKodu(systemyUtrzymania(), kod);
}

bool czyRodzajUboju(const QString& kod)
{
    return std::any_of(rodzajeUboju().cbegin(), rodzajeUboju().cend(),
                       [&](const KodZOpisem& rodzaj) { return rodzaj.kod == kod; });
}

QString kierunekBadania(const QString& gatunek, bool zCwd)
{
    static const QStringList tse = {QStringLiteral("Owce"), QStringLiteral("Kozy"), QStringLiteral("Owca"),
                                    QStringLiteral("Koza")};
    if (tse.contains(gatunek, Qt::CaseSensitive))
        return QStringLiteral("TSE");
    if (zCwd && gatunek == kJeleniowate)
        return QStringLiteral("CWD");
    return QStringLiteral("BSE");
}

namespace {

const QHash<QString, QStringList>& listyStale()
{
    static const QHash<QString, QStringList> lists{
        // The sample frame.
        {QStringLiteral("ComboGatunek2"),
         {QStringLiteral("euroazjatycki renifer tundrowy"), QStringLiteral("fiński renifer leśny"),
          QStringLiteral("łoś"), QStringLiteral("sarna"), QStringLiteral("jeleń wirginijski"),
          QStringLiteral("jeleń szlachetny")}},
        {QStringLiteral("ComboPlec"), {QStringLiteral("żeńska"), QStringLiteral("męska")}},
        {QStringLiteral("ComboObjawyChorobowe"),
         {QStringLiteral("brak"), QStringLiteral("brak danych"), QStringLiteral("gorączka"),
          QStringLiteral("nie dotyczy"), QStringLiteral("nieswoiste"), QStringLiteral("ronienie"),
          QStringLiteral("typowe"), QStringLiteral("zapalenie gruczołu mlekowego"),
          QStringLiteral("zapalenie płuc"), QStringLiteral("zapalenie stawów"),
          QStringLiteral("zapalenie zatok")}},
        {QStringLiteral("ComboUzytkowosc"),
         {QStringLiteral("mięsna"), QStringLiteral("mleczna"),
          QStringLiteral("zwierzęta dzikie i wolnożyjące"), QStringLiteral("zwierzęta egzotyczne"),
          QStringLiteral("zwierzęta ogólnoużytkowe"), QStringLiteral("zwierzęta towarzyszące")}},
        {QStringLiteral("ComboRodzajMaterialu"),
         {QStringLiteral("próbka zasuwki (obex)"), QStringLiteral("zagardłowe węzły chłonne"),
          QStringLiteral("migdałki"), QStringLiteral("inne węzły chłonne głowy"),
          QStringLiteral("pień mózgu")}},
        {QStringLiteral("ComboWarunkiPrzechowywania"),
         {QStringLiteral("zamrożone"), QStringLiteral("schłodzone"),
          QStringLiteral("w temperaturze otoczenia"), QStringLiteral("w wodzie")}},
        {QStringLiteral("ComboWoj"), wojewodztwa()},
        // The batch frame.
        {QStringLiteral("ComboKierunekBadania"),
         {QString(), QStringLiteral("badanie jeleniowatych w kierunku TSE w ramach Programu")}},
        {QStringLiteral("ComboLaboratorium"), {kInneLaboratorium}},
        {QStringLiteral("ComboPobranoOd"),
         {QString(), QStringLiteral("padłych/śniętych"), QStringLiteral("żywych bez objawów choroby"),
          QStringLiteral("żywych z objawami choroby"), QStringLiteral("zabitych"),
          QStringLiteral("poddanych ubojowi, w tym ubojowi na użytek własny"),
          QStringLiteral("próbki środowiskowe")}},
        {QStringLiteral("ComboRodzajBadania"),
         {QStringLiteral("monitorig, w tym badania kontrolne"),
          QStringLiteral("w związku z podejrzeniem choroby"), QStringLiteral("w celu wykluczenia choroby"),
          QStringLiteral("w ramach obrotu zwierzętami, w tym handel, wywóz, przywóz"),
          QStringLiteral("kontynuacja badania zwierząt/stada"),
          QStringLiteral("inna przyczyna przeprowadzenia próbkobrania")}},
        {QStringLiteral("ComboWNI"),
         {QStringLiteral("zakładu ubojowego"), QStringLiteral("zakładu utylizacyjnego"),
          QStringLiteral("zbiornicy padliny"), kTypGospodarstwa, QStringLiteral("inne")}},
    };
    return lists;
}

} // namespace

QStringList listaStala(const QString& combo)
{
    return listyStale().value(combo);
}

QStringList combosZListaStala()
{
    QStringList names = listyStale().keys();
    names.sort();
    return names;
}

} // namespace trelimor
