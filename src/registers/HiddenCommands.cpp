#include "HiddenCommands.h"

#include "common/Messages.h"
#include "common/ModLabor.h"
#include "common/TableHelpers.h"

#include "platform/db/Database.h"

namespace trelimor {

void Zlew2Dost(const QString& KodDostaw, db::Recordset& zlewnia, db::Recordset& Dostawca, bool CzyNowy)
{
    if (CzyNowy) {
        Dostawca.addNew();
        Dostawca.setValue(QStringLiteral("PR_KOD"), KodDostaw);
        Dostawca.setValue(QStringLiteral("PR_ZAKLAD"), QStringLiteral("998"));
        Dostawca.setValue(QStringLiteral("PR_ZLEW"), QStringLiteral("9998"));
    } else {
        Dostawca.edit();
    }
    static const std::pair<const char*, const char*> copied[] = {
        {"PR_NAZWA", "ZL_NAZWA"},       {"PR_KODPOCZT", "ZL_KODPOCZT"}, {"PR_POCZTA", "ZL_POCZTA"},
        {"PR_MIEJSCOW", "ZL_MIEJSCOW"}, {"PR_ADRES", "ZL_ADRES"},       {"PR_MAIL", "ZL_MAIL"}};
    for (const auto& [target, source] : copied)
        Dostawca.setValue(QString::fromLatin1(target),
                          BezNullText(zlewnia.value(QString::fromLatin1(source))));
    Dostawca.setValue(QStringLiteral("PR_KRESK"), 0);
    Dostawca.update();
    UsunRekord(zlewnia, {}, false, {});
}

void sprawdzPolaczenie()
{
    try {
        db::Database connection = db::Database::open(ModLabor().BazaStale.name());
        connection.close();
    } catch (const std::exception& e) {
        PokazBlad(QStringLiteral("Command1"), e);
    }
}

} // namespace trelimor
