#pragma once

#include "RegisterTestFixture.h"

namespace trelimor::test {

// A register test over the tables of a real installation: the program is installed into the
// test's program folder (every table and seed row as trelimor-setup makes them) and its
// dictionary and report work databases are opened as BazaStale and BazaRobot.
class InstalledRegisterTest : public RegisterTest
{
protected:
    void SetUp() override;
    void TearDown() override;

    static db::Database& robot();
    // Chooses the item of a combo of the window, as a user does from its list.
    static void choose(RegisterWindow& window, const QString& combo, const QString& item);
    static QStringList items(RegisterWindow& window, const QString& combo);
};

} // namespace trelimor::test
