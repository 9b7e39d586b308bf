#include "Openers.h"

#include "FormGatunek.h"
#include "FormLekarz.h"
#include "FormPIW.h"
#include "FormWIW.h"
#include "FormZlew.h"

#include "common/Messages.h"
#include "common/ModLabor.h"

#include "platform/ui/WindowOpener.h"

namespace trelimor {

namespace {

// Selects the window's first order (its code order) and binds the rows, then shows it.
void openSorted(RegisterWindow& window, const QString& sql)
{
    window.selectOrdering(0);
    window.bindRecords(sql);
    ui::openModal(window);
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
    FormLekarz& window = FormLekarz::instance();
    window.bindRecords(QStringLiteral("SELECT * FROM Lekarz ORDER BY Nazwisko, Imie"));
    ui::openModal(window);
}

void otworzPIW()
{
    openSorted(FormPIW::instance(), QStringLiteral("SELECT * FROM PIW ORDER BY IdPiw"));
}

void otworzWIW()
{
    openSorted(FormWIW::instance(), QStringLiteral("SELECT * FROM WIW ORDER BY IDWIW"));
}

void otworzGatunki()
{
    FormGatunek& window = FormGatunek::instance();
    window.bindRecords(QStringLiteral("SELECT * FROM Gatunek ORDER BY IDGatunek"));
    ui::openModal(window);
}

bool sprawdzLekarzaIZaklad()
{
    if (!hasRows(QStringLiteral("Lekarz"))) {
        PokazInfo(QStringLiteral("Aby prawidłowo definiować próbki zdefiniuj lekarza pobierającego próbki!\r"
                                 "Dodaj nowego lekarza!"),
                  QStringLiteral("INFORMACJA"));
        otworzLekarzy();
        return false;
    }
    if (!hasRows(QStringLiteral("Zaklad"))) {
        PokazInfo(QStringLiteral("Aby prawidłowo definiować próbki zdefiniuj zakład, w którym będą pobierane "
                                 "próbki!\rDodaj nowy zakład!"),
                  QStringLiteral("INFORMACJA"));
        otworzZaklady();
        return false;
    }
    return true;
}

std::vector<std::pair<QString, std::function<void()>>> registerOpeners()
{
    return {{QStringLiteral("menZaklad"), otworzZaklady},
            {QStringLiteral("ComAuj"), otworzZaklady},
            {QStringLiteral("menLekarz"), otworzLekarzy},
            {QStringLiteral("menPIW"), otworzPIW}};
}

} // namespace trelimor
