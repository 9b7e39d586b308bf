#include "InstalledRegisterTest.h"

#include "registers/FormRoboczy.h"
#include "registers/FormZliczBr.h"

#include "support/RecordingOpener.h"

#include <QFile>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStringDecoder>

using namespace trelimor;
using namespace trelimor::test;

namespace {

using SmallWindowsTest = InstalledRegisterTest;

TEST_F(SmallWindowsTest, TheScratchWindowSavesItsNewestSheetOnlyWhenOneWasStarted)
{
    Installed<RecordingOpener> opener;
    opener->onOpen(QStringLiteral("FormRoboczy"), [](QDialog& w) { w.close(); });
    otworzOknoRobocze();
    EXPECT_FALSE(QFile::exists(FormRoboczy::sciezkaArkusza()));

    opener->onOpen(QStringLiteral("FormRoboczy"), [](QDialog& w) {
        auto& window = static_cast<FormRoboczy&>(w);
        EXPECT_EQ(window.menuBar->actions().size(), 5);
        window.Command1->click();
        window.close();
    });
    otworzOknoRobocze();
    QFile file(FormRoboczy::sciezkaArkusza());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QStringDecoder decode("windows-1250");
    EXPECT_EQ(QString(decode(file.readAll())), FormRoboczy::tekstProbny() + QStringLiteral("\r\n"));
    EXPECT_TRUE(dialogs->calls().empty());
}

TEST_F(SmallWindowsTest, TheBrCountingDialogKeepsItsChoiceWhenOkClosesIt)
{
    Installed<RecordingOpener> opener;
    opener->onOpen(QStringLiteral("FormZliczBr"), [](QDialog& w) {
        auto& dialog = static_cast<FormZliczBr&>(w);
        EXPECT_TRUE(dialog.OptWynik->isChecked());
        dialog.OptOkap->setChecked(true);
        dialog.ComOk->click();
        EXPECT_FALSE(dialog.isVisible());
    });
    otworzZliczanieBr();
    EXPECT_TRUE(FormZliczBr::instance().OptOkap->isChecked());
}

} // namespace
