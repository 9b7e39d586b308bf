#include "InstalledRegisterTest.h"

#include "common/ModLabor.h"
#include "common/ProgramState.h"

#include "platform/paths/Folders.h"

#include "support/TestInstallation.h"

#include <QComboBox>

namespace trelimor::test {

void InstalledRegisterTest::SetUp()
{
    installProgram();
    ModLabor().BazaStale =
        db::Database::open(paths::join(paths::dataFolder(), QStringLiteral("Stale.sqlite")));
    ModLabor().BazaRobot =
        db::Database::open(paths::join(paths::dataFolder(), QStringLiteral("Robot.sqlite")));
}

void InstalledRegisterTest::TearDown()
{
    RegisterTest::TearDown();
    programState().reset();
}

db::Database& InstalledRegisterTest::robot()
{
    return ModLabor().BazaRobot;
}

void InstalledRegisterTest::choose(RegisterWindow& window, const QString& combo, const QString& item)
{
    auto* box = qobject_cast<QComboBox*>(window.control(combo));
    ASSERT_NE(box, nullptr) << combo.toStdString();
    const int index = box->findText(item);
    ASSERT_GE(index, 0) << item.toStdString();
    box->setCurrentIndex(index);
    emit box->activated(index);
}

QStringList InstalledRegisterTest::items(RegisterWindow& window, const QString& combo)
{
    QStringList list;
    if (auto* box = qobject_cast<QComboBox*>(window.control(combo)))
        for (int i = 0; i < box->count(); ++i)
            list << box->itemText(i);
    return list;
}

} // namespace trelimor::test
