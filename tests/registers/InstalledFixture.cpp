#include "InstalledFixture.h"

#include "common/ModLabor.h"

#include "platform/paths/Folders.h"

#include "support/TestInstallation.h"

namespace trelimor::test {

void InstalledRegisterTest::SetUp()
{
    installProgram();
    ModLabor().BazaStale =
        db::Database::open(paths::join(paths::dataFolder(), QStringLiteral("Stale.sqlite")));
    ModLabor().BazaRobot =
        db::Database::open(paths::join(paths::dataFolder(), QStringLiteral("Robot.sqlite")));
}

db::Database& InstalledRegisterTest::robot()
{
    return ModLabor().BazaRobot;
}

} // namespace trelimor::test
