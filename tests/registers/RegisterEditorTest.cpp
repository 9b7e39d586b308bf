#include "RegisterTestFixture.h"

#include "common/DataControl.h"
#include "registers/RegisterFrame.h"

#include <QCheckBox>

using namespace trelimor;
using namespace trelimor::test;

namespace {

// A register made only of configuration, for what the editor does whatever the register.
class TestRegister : public RegisterWindow
{
public:
    explicit TestRegister(RegisterConfig config)
        : RegisterWindow(std::move(config))
    {}
};

RegisterConfig listConfig()
{
    RegisterConfig c;
    c.windowName = QStringLiteral("FormLista");
    c.table = QStringLiteral("Lista");
    c.dataControl = QStringLiteral("DataLista");
    c.grid = QStringLiteral("DBGridLista");
    c.columns = {{QStringLiteral("Nr"), QStringLiteral("ID")},
                 {QStringLiteral("Nazwa"), QStringLiteral("Nazwa")}};
    c.frame = QStringLiteral("FrmEdycja");
    FieldDef id{QStringLiteral("ID"), QStringLiteral("TextID")};
    id.trim = true;
    FieldDef name{QStringLiteral("Nazwa"), QStringLiteral("TextNazwa")};
    FieldDef flag{QStringLiteral("Domyslny"), QStringLiteral("CheckDomyslny"), BoxKind::Check,
                  QStringLiteral("Domyślny")};
    flag.save = SaveRule::ExclusiveFlag;
    flag.untickedClears = true;
    c.fields = {id, name, flag};
    c.save = {QStringLiteral("ComZapisz"), QStringLiteral("&Zapisz"), {}};
    c.cancel = {QStringLiteral("ComAnuluj"), QStringLiteral("&Anuluj"), {}};
    c.add = {QStringLiteral("ComDodaj"), QStringLiteral("&Dodaj"), {}};
    c.correct = {QStringLiteral("ComPopraw"), QStringLiteral("&Popraw"), {}};
    c.remove = {QStringLiteral("ComUsun"), QStringLiteral("&Usuń"), {}};
    c.close = {QStringLiteral("ComZamk"), QStringLiteral("&Zamknij"), {}};
    c.key = {QStringLiteral("ID"), QStringLiteral("TextID"), KeyProposal::CountPlusOne, {}, true};
    c.locked = {QStringLiteral("ComDodaj"), QStringLiteral("ComUsun"),   QStringLiteral("ComPopraw"),
                QStringLiteral("ComZamk"),  QStringLiteral("DataLista"), QStringLiteral("DBGridLista")};
    c.checks = {blankCheck(QStringLiteral("TextID"), QStringLiteral("Wpisz kolejny nr!")),
                notNumericCheck(QStringLiteral("TextID"),
                                QStringLiteral("Wartość w polu Numer nie jest cyfrą. Popraw!"))};
    c.saveErrorTitle = QStringLiteral("Zapis listy");
    c.deletion.ask = false;
    return c;
}

class RegisterEditorTest : public RegisterTest
{
protected:
    void SetUp() override
    {
        RegisterTest::SetUp();
        stale().createTable(
            {QStringLiteral("Lista"),
             {db::Field::of(QStringLiteral("ID"), db::DataType::Integer),
              db::Field::text(QStringLiteral("Nazwa"), 10), db::Field::text(QStringLiteral("Domyslny"), 1)}});
        for (int id : {1, 2, 9})
            insert(QStringLiteral("Lista"),
                   {{QStringLiteral("ID"), id}, {QStringLiteral("Nazwa"), QString::number(id)}});
    }
    std::unique_ptr<TestRegister> open(RegisterConfig config)
    {
        auto window = std::make_unique<TestRegister>(std::move(config));
        window->bindRecords(QStringLiteral("SELECT * FROM Lista ORDER BY ID"));
        show(*window);
        return window;
    }
    QVariantList flagged()
    {
        return column(QStringLiteral("SELECT ID FROM Lista WHERE Domyslny = 'T' ORDER BY ID"));
    }
};

TEST_F(RegisterEditorTest, CountPlusOneAndChecksBeforeAnythingIsWritten)
{
    auto window = open(listConfig());
    click(*window, QStringLiteral("ComDodaj"));
    EXPECT_EQ(text(*window, QStringLiteral("TextID")), QStringLiteral("4"));
    type(*window, QStringLiteral("TextID"), QStringLiteral("  "));
    click(*window, QStringLiteral("ComZapisz"));
    type(*window, QStringLiteral("TextID"), QStringLiteral("4a"));
    click(*window, QStringLiteral("ComZapisz"));
    EXPECT_EQ(boxes(),
              (QStringList{QStringLiteral("INFORMACJA|Wpisz kolejny nr!"),
                           QStringLiteral("INFORMACJA|Wartość w polu Numer nie jest cyfrą. Popraw!")}));
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM Lista")), 3);
}

TEST_F(RegisterEditorTest, AnExclusiveFlagMovesInOneSaveAndAnUntickedBoxClearsIt)
{
    auto window = open(listConfig());
    auto* flag = window->findChild<QCheckBox*>(QStringLiteral("CheckDomyslny"));
    for (int row : {0, 2}) {
        window->dataControl().moveToRow(row);
        click(*window, QStringLiteral("ComPopraw"));
        flag->setChecked(true);
        click(*window, QStringLiteral("ComZapisz"));
    }
    EXPECT_EQ(flagged(), QVariantList{9});
    click(*window, QStringLiteral("ComPopraw"));
    EXPECT_TRUE(flag->isChecked());
    flag->setChecked(false);
    click(*window, QStringLiteral("ComZapisz"));
    EXPECT_TRUE(flagged().isEmpty());
    EXPECT_TRUE(dialogs->calls().empty());
}

TEST_F(RegisterEditorTest, AValueTheTableRefusesIsReportedAndTheFrameKeepsIt)
{
    auto window = open(listConfig());
    click(*window, QStringLiteral("ComDodaj"));
    type(*window, QStringLiteral("TextNazwa"), QStringLiteral("za długa nazwa"));
    click(*window, QStringLiteral("ComZapisz"));
    ASSERT_EQ(dialogs->calls().size(), 1u);
    EXPECT_EQ(dialogs->last().title, QStringLiteral("Zapis listy"));
    EXPECT_TRUE(frameOpen(*window));
    EXPECT_EQ(text(*window, QStringLiteral("TextNazwa")), QStringLiteral("za długa nazwa"));
    EXPECT_FALSE(enabled(*window, QStringLiteral("ComDodaj")));
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM Lista")), 3);
    EXPECT_EQ(window->dataControl().recordCount(), 3);
}

TEST_F(RegisterEditorTest, ACorrectionOfARowDeletedMeanwhileIsReported)
{
    auto window = open(listConfig());
    click(*window, QStringLiteral("ComPopraw"));
    stale().execute(QStringLiteral("DELETE FROM Lista WHERE ID = 1")); // another installation
    type(*window, QStringLiteral("TextNazwa"), QStringLiteral("nowa"));
    click(*window, QStringLiteral("ComZapisz"));
    EXPECT_EQ(boxes().size(), 1);
    EXPECT_TRUE(boxes().value(0).startsWith(QStringLiteral("Zapis listy|")));
    EXPECT_TRUE(frameOpen(*window));
    EXPECT_EQ(column(QStringLiteral("SELECT Nazwa FROM Lista ORDER BY ID")),
              (QVariantList{QStringLiteral("2"), QStringLiteral("9")}));
}

TEST_F(RegisterEditorTest, ADuplicateOrAFailedDuplicateTestRefusesTheSaveWithoutHoldingTheLock)
{
    RegisterConfig config = listConfig();
    config.duplicate = DuplicateTest{QStringLiteral("Nazwa"),
                                     QStringLiteral("TextNazwa"),
                                     true,
                                     [](const FrameValues&) { return QStringLiteral("Jest już."); },
                                     QStringLiteral("ZAPISYWANIE"),
                                     ui::Icon::Warning,
                                     QStringLiteral("TextNazwa")};
    auto window = open(std::move(config));
    expectNoWriteLockWhileBoxesShow();
    click(*window, QStringLiteral("ComDodaj"));
    type(*window, QStringLiteral("TextNazwa"), QStringLiteral("2"));
    click(*window, QStringLiteral("ComZapisz"));
    type(*window, QStringLiteral("TextNazwa"), QStringLiteral("za długa nazwa"));
    click(*window, QStringLiteral("ComZapisz"));
    type(*window, QStringLiteral("TextNazwa"), QStringLiteral("nowa"));
    // The lookup cannot find the table: it reports that, and the save does not go on as if
    // the name were free.
    stale().renameTable(QStringLiteral("Lista"), QStringLiteral("Lista2"));
    click(*window, QStringLiteral("ComZapisz"));
    const QStringList shown = boxes();
    ASSERT_EQ(shown.size(), 3);
    EXPECT_EQ(shown[0], QStringLiteral("ZAPISYWANIE|Jest już."));
    EXPECT_TRUE(shown[1].startsWith(QStringLiteral("Zapis listy|")));
    EXPECT_TRUE(shown[2].startsWith(QStringLiteral("Funkcja SprCzyIstLista|")));
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM Lista2")), 3);
    EXPECT_TRUE(frameOpen(*window));
    EXPECT_EQ(window->focusWidget(), window->control(QStringLiteral("TextNazwa")));
}

TEST_F(RegisterEditorTest, DeleteWithoutAQuestionAndEscapeLeavesTheWindowUnlocked)
{
    auto window = open(listConfig());
    click(*window, QStringLiteral("ComUsun"));
    EXPECT_EQ(column(QStringLiteral("SELECT ID FROM Lista ORDER BY ID")), (QVariantList{2, 9}));
    click(*window, QStringLiteral("ComDodaj"));
    window->reject();
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(frameOpen(*window));
    EXPECT_TRUE(enabled(*window, QStringLiteral("ComDodaj")));
    EXPECT_TRUE(dialogs->calls().empty());
}

} // namespace
