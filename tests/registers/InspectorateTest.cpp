#include "RegisterTestFixture.h"

#include "common/DataControl.h"
#include "common/ModLabor.h"
#include "registers/FormPIW.h"
#include "registers/FormWIW.h"
#include "registers/RegisterFrame.h"

#include <QAction>
#include <QMenu>

using namespace trelimor;
using namespace trelimor::test;

namespace {

const QString kCode = QStringLiteral("MEBKod");

class InspectorateTest : public RegisterTest
{
protected:
    template <class Window>
    Window& open(const QString& sql)
    {
        Window& window = Window::instance();
        window.selectOrdering(0);
        window.bindRecords(sql);
        show(window);
        return window;
    }
    void addWith(RegisterWindow& window, const QString& code, const QString& name)
    {
        click(window, QStringLiteral("ComZlewDod"));
        type(window, kCode, code);
        type(window, QStringLiteral("TextNazwa"), name);
        click(window, QStringLiteral("ComZlewZap"));
    }
};

TEST_F(InspectorateTest, ADistrictCodeMustBeANumberAndIsStoredTrimmed)
{
    FormPIW& window = open<FormPIW>(QStringLiteral("SELECT * FROM PIW ORDER BY IdPiw"));
    addWith(window, QStringLiteral("14a5"), QStringLiteral("PIW Warszawa"));
    ASSERT_EQ(dialogs->calls().size(), 1u);
    EXPECT_EQ(dialogs->last().text, QStringLiteral("Kod powiatu powinien być wartością numeryczną! Popraw!"));
    EXPECT_EQ(dialogs->last().title, QStringLiteral("INFORMACJA"));
    EXPECT_TRUE(frameOpen(window));
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM PIW")), 0);

    type(window, kCode, QStringLiteral(" 1465 "));
    type(window, QStringLiteral("TextW"), QStringLiteral(" Warszawie "));
    click(window, QStringLiteral("ComZlewZap"));
    EXPECT_EQ(dialogs->calls().size(), 1u);
    EXPECT_EQ(column(QStringLiteral("SELECT IDPIW || '|' || W FROM PIW")),
              QVariantList{QStringLiteral("1465|Warszawie")});

    // The trimmed code is what the duplicate test looks for.
    addWith(window, QStringLiteral("1465 "), QStringLiteral("Inny"));
    EXPECT_EQ(dialogs->last().text, QStringLiteral("PIW o podanym kodzie już istnieje!"));
    EXPECT_EQ(dialogs->last().icon, ui::Icon::Warning);
    click(window, QStringLiteral("ComZlewRez"));

    // A correction cannot change the code, and is tested on the stored code.
    click(window, QStringLiteral("ComZlewKor"));
    EXPECT_EQ(window.frame().title(), QStringLiteral("KOREKTA PIW"));
    EXPECT_FALSE(enabled(window, kCode));
    EXPECT_EQ(text(window, QStringLiteral("TextW")), QStringLiteral("Warszawie"));
    type(window, QStringLiteral("TextNazwa"), QStringLiteral("PIW w Warszawie"));
    click(window, QStringLiteral("ComZlewZap"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT Nazwa FROM PIW")), QStringLiteral("PIW w Warszawie"));
}

TEST_F(InspectorateTest, TheInsertIntoBatchItemOnlyHidesTheWindow)
{
    FormPIW& window = open<FormPIW>(QStringLiteral("SELECT * FROM PIW ORDER BY IdPiw"));
    ASSERT_TRUE(window.isVisible());
    auto* insertItem = window.menu1->findChild<QAction*>(QStringLiteral("menPartia"));
    ASSERT_NE(insertItem, nullptr);
    insertItem->trigger();
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(ModLabor().TrybSlownika.isEmpty());
}

TEST_F(InspectorateTest, ARegionalCodeMayHoldLetters)
{
    FormWIW& window = open<FormWIW>(QStringLiteral("SELECT * FROM WIW ORDER BY IDWIW"));
    EXPECT_EQ(window.control(QStringLiteral("TextW")), nullptr);
    addWith(window, QStringLiteral("WIW-14"), QStringLiteral("WIW Warszawa"));
    EXPECT_TRUE(dialogs->calls().empty());
    addWith(window, QStringLiteral("wiw-14"), QStringLiteral("Drugi"));
    EXPECT_EQ(dialogs->last().text, QStringLiteral("WIW o podanym kodzie już istnieje!"));
    EXPECT_EQ(column(QStringLiteral("SELECT IDWIW FROM WIW")), QVariantList{QStringLiteral("WIW-14")});
}

} // namespace
