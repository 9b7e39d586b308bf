#pragma once

#include "RegisterTestFixture.h"

namespace trelimor::test {

// A register test over the dictionary database of a real installation in the test's program
// folder (every table and seed row as trelimor-setup makes them), opened as BazaStale.
class InstalledRegisterTest : public RegisterTest
{
protected:
    void SetUp() override;
    void TearDown() override;

    // Chooses the item of a combo of the window, as a user does from its list.
    static void choose(RegisterWindow& window, const QString& combo, const QString& item);
    static QStringList items(RegisterWindow& window, const QString& combo);
};

} // namespace trelimor::test
