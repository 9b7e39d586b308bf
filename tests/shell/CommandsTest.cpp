#include "support/ProgramFixture.h"

#include "shell/FrmInfLMrec.h"
#include "shell/aMain.h"

#include "common/ModLabor.h"
#include "common/WindowCommands.h"

#include "platform/db/Database.h"
#include "platform/db/Recordset.h"
#include "platform/paths/Folders.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

using namespace trelimor;
using namespace trelimor::test;

namespace {

struct Item
{
    const char* name; // nullptr for a separator
    const char* caption;
    bool shown;
};

struct Menu
{
    const char* title;
    std::vector<Item> items;
};

class CommandsTest : public ProgramFixture
{
protected:
    QAction* action(const char* name) { return mainWindow().findChild<QAction*>(QString::fromLatin1(name)); }
};

TEST_F(CommandsTest, TheMenuBarHoldsEveryItemWithItsCaptionAndVisibility)
{
    const std::vector<Menu> expected = {
        {"Operacje dnia", {{"Men2Red", "Ewidencja danych", true}}},
        {"Definicje",
         {{"menKlient", "Klient", true},
          {"Operatorzy", "Operator", true},
          {"menPIW", "PIW", true},
          {"menLekarz", "Pobrał", true},
          {"menUwagiP", "Uwagi do Partii", false},
          {"MenUwagiB", "Uwagi do próbek", false},
          {"Men2Uzytkownik", "Użytkownik", true},
          {"menZaklad", "Zakłady", true},
          {nullptr, "", true},
          {"menProceduraPobierania", "Próbki zostały pobrane ...", true},
          {"menPlanPobierania", "Plan pobierania próbek", true}}},
        {"Archiwum", {{"Archiwizacja", "Archiwizacja", true}}},
        {"Wydruki", {{"Zestawienie", "Zestawienia", true}, {"MenZwiazek", "Związek", false}}},
        {"Narzędzia",
         {{"menPracuja", "Pracują", false},
          {"menCzyszc", "Czyszczenie zbiorów", false},
          {"menWynik", "Automatyczne uzupełnianie wyników", false},
          {"Opcje", "Opcje programu", false},
          {"menOdzysk", "Przywrócenie bazy z archiwum", true},
          {"Men1Tech", "Funkcje techniczne", false}}},
        {"Koniec",
         {{"Men1Exit", "Zakończenie pracy", true}, {nullptr, "", true}, {"OAutorze", "O autorze", true}}},
    };
    ASSERT_EQ(start(), std::nullopt);
    const QList<QAction*> menus = mainWindow().menuBar()->actions();
    ASSERT_EQ(menus.size(), qsizetype(expected.size()));
    for (std::size_t m = 0; m < expected.size(); ++m) {
        QMenu* menu = menus[qsizetype(m)]->menu();
        ASSERT_NE(menu, nullptr);
        EXPECT_EQ(menu->title(), QString::fromUtf8(expected[m].title));
        const QList<QAction*> items = menu->actions();
        ASSERT_EQ(items.size(), qsizetype(expected[m].items.size())) << expected[m].title;
        for (std::size_t i = 0; i < expected[m].items.size(); ++i) {
            const Item& want = expected[m].items[i];
            QAction* item = items[qsizetype(i)];
            if (!want.name) {
                EXPECT_TRUE(item->isSeparator()) << expected[m].title << " " << i;
                continue;
            }
            EXPECT_EQ(item->objectName(), QString::fromLatin1(want.name));
            EXPECT_EQ(item->text(), QString::fromUtf8(want.caption)) << want.name;
            EXPECT_EQ(item->isVisible(), want.shown) << want.name;
            EXPECT_EQ(item->isEnabled(), want.shown) << want.name;
        }
    }
}

TEST_F(CommandsTest, TheButtonsAreBuiltAsTheWindowShowsThem)
{
    const std::vector<Item> expected = {
        {"Command1", "Ewidencja danych", true},
        {"ComWczytaj", "&Użytkownik", true},
        {"ComArchiwizacja", "Archiwizacja", true},
        {"ComEnd", "Koniec", true},
        {"ComAuj", "Zakłady", false},
        {"ComCLab", "Export do CLab", false},
        {"ComDodKol", "Dodaj pole w robot", false},
        {"ComDoExcelNewMethod", "Do Excel library 1.1", false},
        {"Command4", "Roboczy", false},
        {"Command5", "AutoResize", false},
        {"ComTworzBazy", "Tworz bazy", false},
        {"ComZakWIW", "Export do WIW", false},
    };
    ASSERT_EQ(start(), std::nullopt);
    for (const Item& want : expected) {
        auto* button = mainWindow().findChild<QPushButton*>(QString::fromLatin1(want.name));
        ASSERT_NE(button, nullptr) << want.name;
        EXPECT_EQ(button->text(), QString::fromUtf8(want.caption)) << want.name;
        EXPECT_EQ(button->isVisible(), want.shown) << want.name;
    }
    EXPECT_FALSE(mainWindow().FrameCzekaj->isVisible());
    EXPECT_FALSE(mainWindow().FrameDoWIW->isVisible());
    EXPECT_EQ(mainWindow().LabelPrCz->text(), QStringLiteral("Przetwarzanie danych. Proszę czekać ..."));
}

TEST_F(CommandsTest, AnOrdinaryOperatorIsRefusedTheOptions)
{
    addOperator(QStringLiteral("002"), QStringLiteral("Nowak Jan"), QStringLiteral("Operator"),
                QStringLiteral("jnowak"), QStringLiteral("Tajne1"));
    int optionsShown = 0;
    windowCommands().setOpener(WindowCommand::OptionsWindow, [&] { ++optionsShown; });
    ASSERT_EQ(start(QStringLiteral("jnowak"), QStringLiteral("Tajne1")), std::nullopt);
    mainWindow().Opcje_Click();
    EXPECT_EQ(optionsShown, 0);
    ASSERT_EQ(alarms().size(), 1u);
    EXPECT_EQ(alarms()[0].title, QStringLiteral("ALARM!!!"));
    EXPECT_EQ(alarms()[0].text, QStringLiteral("Nie posiadasz uprawnień administratora!"));
}

TEST_F(CommandsTest, AnAdministratorOfAnyLetterCaseOpensTheOptions)
{
    addOperator(QStringLiteral("003"), QStringLiteral("Kowalska Anna"), QStringLiteral(" administrator "),
                QStringLiteral("akowal"), QStringLiteral("haslo"));
    int optionsShown = 0;
    windowCommands().setOpener(WindowCommand::OptionsWindow, [&] { ++optionsShown; });
    ASSERT_EQ(start(QStringLiteral("akowal"), QStringLiteral("haslo")), std::nullopt);
    mainWindow().Opcje_Click();
    EXPECT_EQ(optionsShown, 1);
    EXPECT_TRUE(alarms().empty());
}

TEST_F(CommandsTest, NoMenuItemDoesNothing)
{
    ASSERT_EQ(start(), std::nullopt);
    for (QAction* item : mainWindow().findChildren<QAction*>()) {
        if (item->isSeparator() || item->menu() || item->objectName() == QLatin1String("Men1Exit"))
            continue;
        const std::size_t boxes = dialogs->calls().size();
        const qsizetype windows = opener->opened().size();
        item->setEnabled(true); // hidden items too
        item->trigger();
        EXPECT_TRUE(dialogs->calls().size() > boxes || opener->opened().size() > windows)
            << item->objectName().toStdString() << " showed nothing";
    }
    EXPECT_FALSE(quit->requested());
}

TEST_F(CommandsTest, AWindowNotBuiltYetIsNamedInTheMessage)
{
    ASSERT_EQ(start(), std::nullopt);
    action("menKlient")->trigger();
    ASSERT_FALSE(dialogs->calls().empty());
    EXPECT_EQ(dialogs->last().title, QStringLiteral("INFORMACJA"));
    EXPECT_EQ(dialogs->last().text,
              QStringLiteral("Funkcja „Klient” nie jest jeszcze dostępna w tej wersji programu."));
}

TEST_F(CommandsTest, CommandsSetTheFirstActivationBeforeTheirWindowOpens)
{
    ASSERT_EQ(start(), std::nullopt);
    // The flag at each show, and whether the yearly database was opened anew before it.
    std::vector<std::pair<bool, bool>> seen;
    const db::Database opened = ModLabor().BazaRok;
    for (const WindowCommand command :
         {WindowCommand::ClientsRegister, WindowCommand::LockViewer, WindowCommand::Statistics})
        windowCommands().setOpener(command, [&] {
            seen.emplace_back(ModLabor().PierwszaAktywacja, !(ModLabor().BazaRok == opened));
        });
    for (const char* name : {"menKlient", "Zestawienie"}) {
        ModLabor().PierwszaAktywacja = false;
        action(name)->trigger();
    }
    ModLabor().PierwszaAktywacja = false;
    mainWindow().menPracuja_Click();
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_TRUE(seen[0].first);
    EXPECT_FALSE(seen[0].second);
    EXPECT_TRUE(seen[1].first);
    EXPECT_TRUE(seen[1].second) << "the summaries open after the year's database";
    EXPECT_TRUE(seen[2].first);
}

TEST_F(CommandsTest, TheAboutWindowShowsTheVersion)
{
    ASSERT_EQ(start(), std::nullopt);
    QString shown;
    opener->onOpen(QStringLiteral("FrmInfLMrec"), [&](QDialog& window) {
        shown = static_cast<FrmInfLMrec&>(window).lblPlatform->text();
        static_cast<FrmInfLMrec&>(window).ComSplashZamk->click();
        EXPECT_FALSE(window.isVisible());
    });
    action("OAutorze")->trigger();
    EXPECT_EQ(shown, QStringLiteral("Wersja 22.03.31"));
    EXPECT_EQ(FrmInfLMrec::instance().windowTitle(), QString());
}

TEST_F(CommandsTest, RoboczyMarksEveryBrResultNegativeInTheYearlyDatabase)
{
    ASSERT_EQ(start(), std::nullopt);
    db::Database rok = db::Database::create(folders.path(QStringLiteral("rok.sqlite")));
    rok.createTable({QStringLiteral("Br"),
                     {db::Field::of(QStringLiteral("Partia"), db::DataType::Long),
                      db::Field::text(QStringLiteral("WynikOgolny"), 20)}});
    for (int partia = 1; partia <= 3; ++partia)
        rok.execute(QStringLiteral("INSERT INTO Br VALUES (?, ?)"), {partia, QStringLiteral("dodatni")});
    ModLabor().BazaRok = rok;
    mainWindow().Command4_Click();
    EXPECT_EQ(rok.scalar(QStringLiteral("SELECT COUNT(*) FROM Br WHERE WynikOgolny = 'ujemny'")).toInt(), 3);

    // Without the table the failure is reported, not thrown out of the button.
    rok.dropTable(QStringLiteral("Br"));
    QTest::mouseClick(mainWindow().findChild<QPushButton*>(QStringLiteral("Command4")), Qt::LeftButton);
    ASSERT_FALSE(dialogs->calls().empty());
    EXPECT_EQ(dialogs->last().title, QStringLiteral("Roboczy"));
}

TEST_F(CommandsTest, DodajPoleWRobotAddsTheColumnOnce)
{
    const QString robotPath = paths::join(paths::dataFolder(), QStringLiteral("Robot.sqlite"));
    {
        // A report work database installed before the column was shipped.
        db::Database robot = db::Database::open(robotPath);
        robot.dropColumn(QStringLiteral("Badanie"), QStringLiteral("NieBadaj"));
        robot.close();
    }
    ASSERT_EQ(start(), std::nullopt);
    auto* button = mainWindow().findChild<QPushButton*>(QStringLiteral("ComDodKol"));
    button->click();
    ASSERT_EQ(dialogs->calls().size(), 1u);
    EXPECT_EQ(dialogs->last().text, QString());
    EXPECT_TRUE(ModLabor().BazaRobot.hasColumn(QStringLiteral("Badanie"), QStringLiteral("NieBadaj")));

    button->click();
    ASSERT_EQ(dialogs->calls().size(), 2u);
    EXPECT_EQ(dialogs->last().title, QStringLiteral("Dodaj pole w robot"));
}

} // namespace
