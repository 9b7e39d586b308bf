#include "BatchWindowYear.h"

#include "SilentDialogs.h"

#include "batch/FormPartia.h"

#include "common/ModLabor.h"
#include "common/ProgramState.h"
#include "common/YearlyDatabase.h"

#include "platform/db/Database.h"
#include "platform/db/Transaction.h"
#include "platform/paths/Folders.h"
#include "platform/ui/DefaultInstance.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <memory>

namespace trelimor::bench {

namespace {

void wypelnijRok(db::Database& rok)
{
    db::Transaction together(rok);
    for (int partia = 1; partia <= kPartieRoku; ++partia) {
        const QDate pobrano = QDate(2022, 1, 1).addDays(partia % 360);
        rok.execute(
            QStringLiteral("INSERT INTO Partia (Partia, IlProbek, NrZlecenia, Powiat, WNI, KodZakladu, "
                           "DataUboju, GodzUboju, DataPobr, GodzPobr, Pobral, Uwagi) "
                           "VALUES (?, ?, ?, '1465', 'zakładu ubojowego', '14650011', ?, '07:30', ?, "
                           "'08:15', 'Jan Nowak', ?)"),
            {partia, kProbekNaPartie, QString::number(partia % 10000), pobrano, pobrano,
             QStringLiteral("partia %1").arg(partia)});
        for (int nr = 1; nr <= kProbekNaPartie; ++nr)
            rok.execute(
                QStringLiteral("INSERT INTO Badanie (Partia, NrProbki, IDProbkiWNI, IDProbkiNr, "
                               "IDProbkiData, Gatunek, Plec, NrKolczyka, Wiek, RodzajUboju, "
                               "ObjawyChorobowe, Uzytkowosc, NrGospod, WlascicielNazwisko) "
                               "VALUES (?, ?, '14650011', ?, ?, 'Bydło', 'żeńska', ?, 30, 'N', 'brak', "
                               "'mleczna', 'PL0123456789001', 'Kowalski')"),
                {partia, nr, QStringLiteral("%1").arg(nr, 3, 10, QLatin1Char('0')),
                 pobrano.toString(QStringLiteral("ddMMyyyy")),
                 QStringLiteral("PL%1").arg(partia * 100 + nr, 12, 10, QLatin1Char('0'))});
    }
    together.commit();
}

struct RokPartii
{
    QTemporaryDir root;

    RokPartii()
    {
        qputenv("TRELIMOR_HOME", root.filePath(QStringLiteral("Trelimor")).toUtf8());
        qputenv("TRELIMOR_NETWORK", root.filePath(QStringLiteral("network")).toUtf8());
        QDir().mkpath(paths::dataFolder());
        ui::setDialogs(std::make_unique<SilentDialogs>());
        ModLabor().BazaStale =
            db::Database::create(paths::join(paths::dataFolder(), QStringLiteral("Stale.sqlite")));
        programState().setCountyCode(QStringLiteral("1465"));
        programState().setWorkingDate(QDate(2022, 3, 15));
        openYearlyDatabase();
        wypelnijRok(ModLabor().BazaRok);
        FormPartia& okno = FormPartia::instance();
        okno.prepareForShowing();
        okno.show();
        QApplication::processEvents();
    }
    ~RokPartii()
    {
        ui::resetAllInstances();
        resetModLabor();
        programState().reset();
    }
};

// Dropped before the application ends.
std::unique_ptr<RokPartii> g_rok;

} // namespace

void przygotujRokPartii()
{
    if (g_rok)
        return;
    g_rok = std::make_unique<RokPartii>();
    // The windows and the database go before the application does.
    qAddPostRoutine([] { g_rok.reset(); });
}

QString daneTestowe(const QString& name)
{
    return QStringLiteral(TRELIMOR_TEST_DATA_DIR "/") + name;
}

} // namespace trelimor::bench
