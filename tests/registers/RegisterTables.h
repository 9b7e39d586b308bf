#pragma once

#include "platform/db/Database.h"

namespace trelimor::test {

// The register tables of the dictionary database, with the fields and sizes the installation
// gives them: Gatunek, ZAKLAD, Lekarz, PIW and WIW.
void createRegisterTables(db::Database& stale);

} // namespace trelimor::test
