#include "platform/ui/Keystrokes.h"
#include "support/QtPrinters.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace trelimor::ui {
namespace {

// A window of three fields between which a hidden and a disabled one stand in tab order.
class KeystrokeWindow : public ::testing::Test
{
protected:
    void SetUp() override
    {
        auto* layout = new QVBoxLayout(&window);
        for (QWidget* w :
             {static_cast<QWidget*>(first), static_cast<QWidget*>(hidden), static_cast<QWidget*>(disabled),
              static_cast<QWidget*>(remarks), static_cast<QWidget*>(combo)})
            layout->addWidget(w);
        hidden->hide();
        disabled->setEnabled(false);
        combo->setEditable(true);
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    void focus(QWidget* w)
    {
        w->setFocus();
        ASSERT_EQ(QApplication::focusWidget(), w);
    }

    QDialog window;
    QLineEdit* first = new QLineEdit(QStringLiteral("Kowalski"), &window);
    QLineEdit* hidden = new QLineEdit(&window);
    QLineEdit* disabled = new QLineEdit(&window);
    QPlainTextEdit* remarks = new QPlainTextEdit(&window);
    QComboBox* combo = new QComboBox(&window);
};

TEST_F(KeystrokeWindow, TabSkipsHiddenAndDisabledControls)
{
    focus(first);
    sendKeystrokes({Keystroke::Tab});
    EXPECT_EQ(QApplication::focusWidget(), remarks);
}

TEST_F(KeystrokeWindow, TabLeavesAMultiLineBoxWithoutTypingIntoIt)
{
    remarks->setPlainText(QStringLiteral("uwagi"));
    focus(remarks);
    sendKeystrokes({Keystroke::Tab});
    EXPECT_EQ(QApplication::focusWidget(), combo);
    EXPECT_EQ(remarks->toPlainText(), QStringLiteral("uwagi"));
}

TEST_F(KeystrokeWindow, EndAndBackspaceTrimTheLastCharacterOfALineEdit)
{
    focus(first);
    first->setCursorPosition(0);
    sendKeystrokes({Keystroke::End, Keystroke::Backspace});
    EXPECT_EQ(first->text(), QStringLiteral("Kowalsk"));
}

TEST_F(KeystrokeWindow, HomeShiftEndSelectsTheWholeField)
{
    focus(first);
    first->setCursorPosition(3);
    sendKeystrokes({Keystroke::HomeShiftEnd});
    EXPECT_EQ(first->selectedText(), QStringLiteral("Kowalski"));
}

TEST_F(KeystrokeWindow, EndInAnEditableComboMovesItsCaret)
{
    combo->setEditText(QStringLiteral("Łódzkie"));
    combo->lineEdit()->setCursorPosition(0);
    focus(combo);
    sendKeystrokes({Keystroke::End});
    EXPECT_EQ(combo->lineEdit()->cursorPosition(), 7);
}

TEST_F(KeystrokeWindow, KeysFollowTheFocusAfterATab)
{
    remarks->setPlainText(QStringLiteral("ab"));
    focus(first);
    sendKeystrokes({Keystroke::Tab, Keystroke::End, Keystroke::Backspace});
    EXPECT_EQ(remarks->toPlainText(), QStringLiteral("a"));
    EXPECT_EQ(first->text(), QStringLiteral("Kowalski"));
}

TEST_F(KeystrokeWindow, TargetedKeysWorkWithoutAnActiveWindow)
{
    QLineEdit lonely(QStringLiteral("abc"));
    lonely.setCursorPosition(0);
    sendKeystrokes(&lonely, {Keystroke::End, Keystroke::Backspace});
    EXPECT_EQ(lonely.text(), QStringLiteral("ab"));
}

// Enter in a remarks box: the queued End and Backspace take back the line break Enter typed.
class EnterTrimmer : public QObject
{
protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Return)
            postKeystrokes({Keystroke::End, Keystroke::Backspace});
        return false;
    }
};

TEST_F(KeystrokeWindow, PostedKeysActAfterTheKeyBeingHandled)
{
    EnterTrimmer trimmer;
    remarks->installEventFilter(&trimmer);
    remarks->setPlainText(QStringLiteral("pierwsza\ndruga"));
    remarks->moveCursor(QTextCursor::End);
    focus(remarks);

    QTest::keyClick(remarks, Qt::Key_Return);
    EXPECT_EQ(remarks->toPlainText(), QStringLiteral("pierwsza\ndruga\n")) << "the keys must wait";
    QCoreApplication::processEvents();
    EXPECT_EQ(remarks->toPlainText(), QStringLiteral("pierwsza\ndruga"));
}

TEST_F(KeystrokeWindow, EndInAMultiLineBoxStopsAtTheEndOfTheLine)
{
    remarks->setPlainText(QStringLiteral("jeden\ndwa"));
    remarks->moveCursor(QTextCursor::Start);
    focus(remarks);
    sendKeystrokes({Keystroke::End, Keystroke::Backspace});
    EXPECT_EQ(remarks->toPlainText(), QStringLiteral("jede\ndwa"));
}

} // namespace
} // namespace trelimor::ui
