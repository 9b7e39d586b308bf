#pragma once

#include "RegisterTestFixture.h"

namespace trelimor::test {

// A register test over the tables of a real installation: the program is installed into the
// test's program folder and its dictionary and report work databases are opened as BazaStale
// and BazaRobot.
class InstalledRegisterTest : public RegisterTest
{
protected:
    void SetUp() override;

    static db::Database& robot();
};

} // namespace trelimor::test
