#include "support/ProgramFixture.h"

#include "shell/aMain.h"

#include "common/ModLabor.h"
#include "common/ProgramState.h"
#include "common/WindowCommands.h"
#include "common/YearlyDatabase.h"

#include "platform/locale/ShortDateFormat.h"
#include "platform/paths/Folders.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace trelimor;
using namespace trelimor::test;

namespace {

class MainWindowTest : public ProgramFixture
{
protected:
    QLabel* label(const char* name) { return mainWindow().findChild<QLabel*>(QString::fromLatin1(name)); }
    void doubleClick(const char* name) { QTest::mouseDClick(label(name), Qt::LeftButton); }

    static QString yearlyFile(int year)
    {
        return paths::join(paths::dataFolder(), QStringLiteral("Trelimor1465PIW%1.sqlite").arg(year));
    }
};

TEST_F(MainWindowTest, AfterTheLoginTheWindowShowsTheSession)
{
    ASSERT_EQ(start(), std::nullopt);
    aMain& window = mainWindow();
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.windowTitle(), QStringLiteral("TRELIMOR"));
    EXPECT_EQ(window.panelText(1), QStringLiteral("Wersja 22.03.31"));
    EXPECT_EQ(window.panelText(2), QStringLiteral("Administrator systemu"));
    EXPECT_EQ(window.panelText(3), QStringLiteral("31.03.2022"));
    EXPECT_EQ(window.panelText(4), QString());
    EXPECT_EQ(window.LabelData->text(), QStringLiteral("31.03.2022"));
    EXPECT_EQ(window.LabMonth->text(), QStringLiteral("MARZEC"));
    EXPECT_EQ(window.LabelKodPiw->text(), QStringLiteral("1465"));
    EXPECT_EQ(window.LabelMailLab->text(), QStringLiteral("lab@zhw.example.pl"));
    EXPECT_FALSE(window.LabelMailLab->isVisibleTo(&window));
    EXPECT_EQ(programState().userField(QStringLiteral("Miejsc")), QStringLiteral("Warszawa"));
    EXPECT_EQ(programState().defaultPlan(), QStringLiteral("Obszar regulowany prawnie"));
    EXPECT_EQ(programState().defaultProcedure(), QStringLiteral("Obszar regulowany prawnie"));
    EXPECT_TRUE(ModLabor().PierwszaAktywacja);
    // The database of the working date's year and the county code, which the installation has.
    EXPECT_TRUE(ModLabor().BazaRok.isOpen());
    EXPECT_EQ(ModLabor().BazaRok.name(), yearlyFile(2022));
    EXPECT_TRUE(dialogs->calls().empty());
}

TEST_F(MainWindowTest, ChoosingADateOfAnotherYearOpensThatYearsDatabase)
{
    ASSERT_EQ(start(), std::nullopt);
    pickedDate = QDate(2023, 1, 1);
    doubleClick("LabelData");
    ASSERT_EQ(pickerShownWith, std::vector<QDate>{QDate(2022, 3, 31)});
    EXPECT_EQ(mainWindow().LabelData->text(), QStringLiteral("01.01.2023"));
    EXPECT_EQ(mainWindow().LabMonth->text(), QStringLiteral("STYCZEŃ"));
    EXPECT_EQ(programState().workingDate(), QDate(2023, 1, 1));
    EXPECT_EQ(ModLabor().BazaRok.name(), yearlyFile(2023));
    EXPECT_EQ(mainWindow().panelText(3), QStringLiteral("31.03.2022"))
        << "the status bar keeps the start's date";

    // Another day of the same month, picked from the month label: the same year is opened again.
    const db::Database opened = ModLabor().BazaRok;
    pickedDate = QDate(2023, 1, 20);
    doubleClick("LabMonth");
    EXPECT_EQ(mainWindow().LabMonth->text(), QStringLiteral("STYCZEŃ"));
    EXPECT_FALSE(ModLabor().BazaRok == opened) << "opened anew";
    EXPECT_EQ(ModLabor().BazaRok.name(), yearlyFile(2023));
}

TEST_F(MainWindowTest, AnotherYearsDatabaseIsAnnouncedCreatedAndOpened)
{
    ASSERT_EQ(start(), std::nullopt);
    const std::size_t before = dialogs->calls().size();
    pickedDate = QDate(2023, 1, 1);
    doubleClick("LabelData");

    const QString path = paths::join(paths::dataFolder(), QStringLiteral("Trelimor1465PIW2023.sqlite"));
    ASSERT_EQ(dialogs->calls().size(), before + 2);
    const DialogCall announced = dialogs->calls()[before];
    EXPECT_EQ(announced.title, QStringLiteral("INFORMACJA"));
    EXPECT_EQ(announced.text, QStringLiteral("Brak bazy danych na rok 2023, w katalogu: ") + path +
                                  QStringLiteral("\rPo kliknięciu OK, utworzę nową bazę!"));
    EXPECT_EQ(dialogs->last().text, QStringLiteral("Tworzenie nowej bazy danych na rok 2023, w katalogu: ") +
                                        path + QStringLiteral(" zakończone powodzeniem!"));
    EXPECT_TRUE(QFileInfo::exists(path));
    EXPECT_EQ(ModLabor().BazaRok.name(), path);
    EXPECT_TRUE(ModLabor().BazaRok.hasColumn(QStringLiteral("Partia"), QStringLiteral("PlanPobierania")));
}

TEST_F(MainWindowTest, ACancelledDatePickKeepsTheDate)
{
    ASSERT_EQ(start(), std::nullopt);
    const db::Database opened = ModLabor().BazaRok;
    pickedDate.reset();
    doubleClick("LabelData");
    EXPECT_EQ(pickerShownWith.size(), 1u);
    EXPECT_EQ(mainWindow().LabelData->text(), QStringLiteral("31.03.2022"));
    EXPECT_EQ(programState().workingDate(), QDate(2022, 3, 31));
    EXPECT_TRUE(ModLabor().BazaRok == opened) << "not opened again";
}

TEST_F(MainWindowTest, WithoutAUserRecordNoYearlyDatabaseIsOpenedAndTheUserIsSentToFillIt)
{
    int userRecordShown = 0;
    windowCommands().setOpener(WindowCommand::UserRecordWindow, [&] { ++userRecordShown; });
    userRecord.clear();
    ASSERT_EQ(start(), std::nullopt);
    EXPECT_FALSE(ModLabor().BazaRok.isOpen());
    EXPECT_EQ(userRecordShown, 1);
    ASSERT_EQ(dialogs->calls().size(), 1u);
    EXPECT_EQ(dialogs->last().title, QStringLiteral("Uwaga!"));
    EXPECT_TRUE(dialogs->last().text.contains(QStringLiteral("czterocyfrowy kod powiatu")));
    EXPECT_TRUE(QDir(paths::dataFolder()).entryList({QStringLiteral("Trelimor*")}).isEmpty());
    EXPECT_EQ(mainWindow().LabelKodPiw->text(), QString());
    EXPECT_EQ(mainWindow().LabelMailWIW->text(), QString());
    EXPECT_EQ(mainWindow().LabelMailLab->text(), QString());
    EXPECT_EQ(mainWindow().LabelData->text(), QStringLiteral("31.03.2022"));

    // A code that is not four digits is refused the same way.
    programState().setCountyCode(QStringLiteral("14a5"));
    EXPECT_FALSE(mainWindow().ComTworzBazy_Click());
    EXPECT_FALSE(ModLabor().BazaRok.isOpen());
    EXPECT_EQ(userRecordShown, 2);
    EXPECT_EQ(dialogs->calls().size(), 2u) << "one message, from the opening";
}

TEST_F(MainWindowTest, TheStartRemovesTemporaryCopiesLeftByAKilledRun)
{
    const QDateTime hourAgo = QDateTime::currentDateTime().addSecs(-3600);
    const auto place = [](const QString& folder, const QString& name, const QDateTime& changed) {
        const QString path = paths::join(folder, name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("x");
        file.flush(); // written before its time is set
        EXPECT_TRUE(file.setFileTime(changed, QFileDevice::FileModificationTime));
        return path;
    };
    ASSERT_TRUE(QDir().mkpath(paths::networkDataFolder()));
    const QStringList leftovers{
        place(paths::dataFolder(), QStringLiteral("Stale.sqlite.tmp-Ab3xYz"), hourAgo),
        place(paths::dataFolder(), QStringLiteral("Stale.sqlite.tmp-Ab3xYz-journal"), hourAgo),
        place(paths::networkDataFolder(), QStringLiteral("Trelimor1465PIW2022.sqlite.tmp-0q9W2e"), hourAgo)};
    const QStringList kept{
        // Another workstation's copy, begun after this start, and files that are not temporaries.
        place(paths::dataFolder(), QStringLiteral("Robot.sqlite.tmp-Kp0aZ1"),
              QDateTime::currentDateTime().addSecs(60)),
        place(paths::dataFolder(), QStringLiteral("Stale.sqlite.backup"), hourAgo),
        place(paths::dataFolder(), QStringLiteral("Stale.sqlite.przed-przywroceniem-20220301120000"),
              hourAgo),
        place(paths::dataFolder(), QStringLiteral("notatka.tmp-Ab3xYz.txt"), hourAgo)};
    ASSERT_EQ(start(), std::nullopt);
    for (const QString& path : leftovers)
        EXPECT_FALSE(QFileInfo::exists(path)) << path.toStdString();
    for (const QString& path : kept)
        EXPECT_TRUE(QFileInfo::exists(path)) << path.toStdString();
}

TEST_F(MainWindowTest, WithoutTheInstallationFileTheProgramEndsBeforeTheLogin)
{
    QFile::remove(paths::iniFile());
    EXPECT_EQ(start(), std::optional<int>(1));
    EXPECT_FALSE(opener->opened().contains(QStringLiteral("frmLoginLab")));
    EXPECT_EQ(quit->exitCodes(), std::vector<int>{1});
    ASSERT_EQ(dialogs->calls().size(), 1u);
    EXPECT_EQ(dialogs->last().title, QStringLiteral("Błąd wczytania parametrów instalacyjnych"));
    EXPECT_FALSE(ModLabor().BazaRobot.isOpen());
}

TEST_F(MainWindowTest, KoniecGivesTheUserHisDateFormatBack)
{
    ASSERT_TRUE(locale::setShortDateFormat(QStringLiteral("yyyy-MM-dd")));
    ASSERT_EQ(start(), std::nullopt);
    QDir::setCurrent(QDir::tempPath());
    QTest::mouseClick(mainWindow().findChild<QPushButton*>(QStringLiteral("ComEnd")), Qt::LeftButton);
    EXPECT_EQ(locale::shortDateFormat(), QStringLiteral("yyyy-MM-dd"));
    EXPECT_EQ(QDir::currentPath(), QDir(paths::programFolder()).canonicalPath());
    EXPECT_FALSE(ModLabor().BazaStale.isOpen());
    EXPECT_FALSE(ModLabor().BazaRobot.isOpen());
    EXPECT_FALSE(mainWindow().isVisible());
    EXPECT_EQ(quit->exitCodes(), std::vector<int>{0});
}

TEST_F(MainWindowTest, ZakonczeniePracyEndsWithoutRestoringTheFormat)
{
    ASSERT_TRUE(locale::setShortDateFormat(QStringLiteral("yyyy-MM-dd")));
    ASSERT_EQ(start(), std::nullopt);
    mainWindow().findChild<QAction*>(QStringLiteral("Men1Exit"))->trigger();
    EXPECT_EQ(locale::shortDateFormat(), QStringLiteral("dd.MM.yyyy"));
    EXPECT_FALSE(ModLabor().BazaStale.isOpen());
    EXPECT_EQ(quit->exitCodes(), std::vector<int>{0});
}

TEST_F(MainWindowTest, ButtonsFollowTheWindowsWidthAndThePictureStaysCentred)
{
    ASSERT_EQ(start(), std::nullopt);
    aMain& window = mainWindow();
    const auto child = [&](const char* name) {
        return window.findChild<QWidget*>(QString::fromLatin1(name));
    };
    for (const int width : {1000, 640}) {
        window.resize(width, 600);
        const QWidget* client = window.centralWidget();
        EXPECT_NEAR(child("Command1")->x(), client->width() * 0.57, 1.0) << width;
        EXPECT_NEAR(child("Command1")->y(), client->height() / 2.0 - 530 / 15.0, 1.0) << width;
        const QWidget* image = child("Image1");
        EXPECT_NEAR(image->x() + image->width() / 2.0, window.frameGeometry().width() / 2.0, 1.0) << width;
        // One column, with a free slot where the hidden "Export do CLab" stands.
        for (const char* name : {"ComWczytaj", "ComArchiwizacja", "ComCLab", "ComEnd"})
            EXPECT_EQ(child(name)->x(), child("Command1")->x()) << name;
        EXPECT_EQ(child("ComWczytaj")->y(), child("Command1")->y() + 33 + 11);
        EXPECT_EQ(child("ComEnd")->y() - child("ComArchiwizacja")->y(), 2 * (33 + 11));
        EXPECT_EQ(window.LabelData->y(), child("ComEnd")->y());
        EXPECT_LT(window.LabMonth->y() + window.LabMonth->height(), window.LabelData->y());
        EXPECT_EQ(window.LabelKodPiw->x(), child("LabelAktywPIW")->x() + child("LabelAktywPIW")->width());
    }
}

} // namespace
