#include "support/ScriptedDialogs.h"
#include "support/Installed.h"

#include <QPrinter>

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

namespace trelimor::test {
namespace {

TEST(ScriptedDialogs, AnswersInOrderAndRecordsEveryCall)
{
    Installed<ScriptedDialogs> dialogs;
    dialogs->answerYes()
        .answerCancel()
        .answerOk()
        .answerFile(QStringLiteral("/tmp/a.txt"))
        .answerPrinterAccepted();
    QPrinter printer;

    ui::dialogs().message(QStringLiteral("linia 1\rlinia 2"), QStringLiteral("INFORMACJA"),
                          ui::Icon::Information);
    EXPECT_TRUE(
        ui::dialogs().askYesNo(QStringLiteral("?"), QStringLiteral("PYTANIE"), ui::Icon::Question, true));
    EXPECT_EQ(
        ui::dialogs().askYesNoCancel(QStringLiteral("Overwrite a?"), QStringLiteral("T"), ui::Icon::Warning),
        ui::Answer::Cancel);
    EXPECT_TRUE(ui::dialogs().askOkCancel(QStringLiteral("Brak zakładu"), QStringLiteral("Uwaga!"),
                                          ui::Icon::Warning));
    EXPECT_EQ(ui::dialogs().openFile(QStringLiteral("Plik"), QString(), QString(), 1),
              QStringLiteral("/tmp/a.txt"));
    EXPECT_TRUE(ui::dialogs().printerSetup(printer));
    ui::dialogs().beep();

    const auto& calls = dialogs->calls();
    ASSERT_EQ(calls.size(), 7u);
    EXPECT_EQ(calls[0].text, QStringLiteral("linia 1\rlinia 2"));
    EXPECT_TRUE(calls[1].yesIsDefault);
    EXPECT_EQ(calls[2].kind, DialogCall::Kind::YesNoCancel);
    EXPECT_EQ(calls[3].kind, DialogCall::Kind::OkCancel);
    EXPECT_EQ(calls[5].kind, DialogCall::Kind::PrinterSetup);
    EXPECT_EQ(calls[6].kind, DialogCall::Kind::Beep);
    EXPECT_EQ(dialogs->pendingAnswers(), 0u);
}

TEST(ScriptedDialogs, QuestionWithoutAnAnswerFailsAndGetsNo)
{
    ScriptedDialogs dialogs;
    bool answer = true;
    EXPECT_NONFATAL_FAILURE(answer = dialogs.askYesNo(QStringLiteral("Usunąć?"), QStringLiteral("USUWANIE!"),
                                                      ui::Icon::Question, false),
                            "No prepared answer for the Yes/No box titled \"USUWANIE!\"");
    EXPECT_FALSE(answer);
}

TEST(ScriptedDialogs, AnswerOfTheWrongKindFailsAndGetsTheCautiousAnswer)
{
    ScriptedDialogs dialogs;
    dialogs.answerFile(QStringLiteral("/tmp/x"));
    bool answer = true;
    EXPECT_NONFATAL_FAILURE(answer =
                                dialogs.askOkCancel(QStringLiteral("t"), QStringLiteral("T"), ui::Icon::None),
                            "does not fit the OK/Cancel box");
    EXPECT_FALSE(answer);
    EXPECT_EQ(dialogs.pendingAnswers(), 0u);
}

TEST(ScriptedDialogs, MessagesNeedNoAnswerButLeftoverAnswersFail)
{
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedDialogs dialogs;
            dialogs.answerYes();
            dialogs.message(QStringLiteral("t"), QStringLiteral("T"), ui::Icon::Information);
        },
        "1 prepared dialog answer(s) were never asked for");
}

TEST(ScriptedDialogs, LastWithoutAnyCallFails)
{
    ScriptedDialogs dialogs;
    EXPECT_NONFATAL_FAILURE(dialogs.last(), "No dialog was shown");
}

TEST(Installed, PutsThePreviousServiceBack)
{
    ui::DialogService* before = &ui::dialogs();
    {
        Installed<ScriptedDialogs> dialogs;
        EXPECT_EQ(&ui::dialogs(), &*dialogs);
    }
    EXPECT_EQ(&ui::dialogs(), before);
}

} // namespace
} // namespace trelimor::test
