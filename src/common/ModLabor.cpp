#include "ModLabor.h"

namespace trelimor {

namespace {
ModLaborValues& instance()
{
    static ModLaborValues values;
    return values;
}
} // namespace

ModLaborValues& ModLabor()
{
    return instance();
}

void resetModLabor()
{
    ModLaborValues& v = instance();
    v.BazaRok.close();
    v.BazaStale.close();
    v.BazaRobot.close();
    v = ModLaborValues();
}

} // namespace trelimor
