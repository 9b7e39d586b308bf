#include "Openers.h"

#include "FormGatunek.h"
#include "FormKlient.h"
#include "FormLekarz.h"
#include "FormPIW.h"
#include "FormPlanProcedura.h"
#include "FormPodp.h"
#include "FormWIW.h"
#include "FormZlew.h"

#include "common/Messages.h"
#include "common/ModLabor.h"

#include "platform/ui/WindowOpener.h"

namespace trelimor {

namespace {

// Binds the window's rows and shows it.
void openBound(RegisterWindow& window, const QString& sql)
{
    window.bindRecords(sql);
    ui::openModal(window);
}

// The same with the window's first order (its code order) selected, whatever the last one was.
void openSorted(RegisterWindow& window, const QString& sql)
{
    window.selectOrdering(0);
    openBound(window, sql);
}

bool hasRows(const QString& table)
{
    return ModLabor().BazaStale.scalar(QStringLiteral("SELECT COUNT(*) FROM %1").arg(table)).toInt() > 0;
}

} // namespace

void otworzZaklady()
{
    openSorted(FormZlew::instance(), QStringLiteral("SELECT * FROM ZAKLAD ORDER BY WNI"));
}

void otworzLekarzy()
{
    openBound(FormLekarz::instance(), QStringLiteral("SELECT * FROM Lekarz ORDER BY Nazwisko, Imie"));
}

void otworzPIW()
{
    openSorted(FormPIW::instance(), QStringLiteral("SELECT * FROM PIW ORDER BY IdPiw"));
}

void otworzKlientow()
{
    FormKlient& window = FormKlient::instance();
    window.endPicking();
    ModLabor().PierwszaAktywacja = true;
    ui::openModal(window);
}

void otworzUwagiPartii()
{
    FormPodp& window = FormPodp::instance();
    window.setWindowTitle(QStringLiteral("Uwagi do partii"));
    openBound(window, QStringLiteral("SELECT * FROM UwagiPartia ORDER BY IdPodp"));
}

void otworzUwagiProbek()
{
    FormPodp& window = FormPodp::instance();
    window.setWindowTitle(QStringLiteral("Uwagi do próbek"));
    window.setHeading(QStringLiteral("PODPOWIEDZI DO UWAG"));
    openBound(window, QStringLiteral("SELECT * FROM UwagiProbka ORDER BY IdPodp"));
}

void otworzUwagi()
{
    ui::openModal(FormPodp::instance());
}

void otworzPlanyPobierania()
{
    FormPlanProcedura& window = FormPlanProcedura::instance();
    window.pokazTabele(QStringLiteral("PlanPobierania"), QStringLiteral("PLAN POBIERANIA PRÓBEK - SŁOWNIK"));
    ui::openModal(window);
}

void otworzProceduryPobierania()
{
    FormPlanProcedura& window = FormPlanProcedura::instance();
    window.pokazTabele(QStringLiteral("ProceduraPobierania"),
                       QStringLiteral("Próbki zostały pobrane i dostarczone przez zleceniodawcę zgodnie z "
                                      "następującymi dokumentami:"));
    ui::openModal(window);
}

void otworzWIW()
{
    openSorted(FormWIW::instance(), QStringLiteral("SELECT * FROM WIW ORDER BY IDWIW"));
}

void otworzGatunki()
{
    openBound(FormGatunek::instance(), QStringLiteral("SELECT * FROM Gatunek ORDER BY IDGatunek"));
}

bool sprawdzLekarzaIZaklad()
{
    if (!hasRows(QStringLiteral("Lekarz"))) {
        PokazInfo(QStringLiteral("Aby prawidłowo definiować próbki zdefiniuj lekarza pobierającego próbki!\r"
                                 "Dodaj nowego lekarza!"),
                  kInformationTitle);
        otworzLekarzy();
        return false;
    }
    if (!hasRows(QStringLiteral("Zaklad"))) {
        PokazInfo(QStringLiteral("Aby prawidłowo definiować próbki zdefiniuj zakład, w którym będą pobierane "
                                 "próbki!\rDodaj nowy zakład!"),
                  kInformationTitle);
        otworzZaklady();
        return false;
    }
    return true;
}

} // namespace trelimor
