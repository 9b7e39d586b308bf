#include "platform/ui/DialogService.h"
#include "platform/ui/OverrideCursorGuard.h"
#include "platform/ui/QtDialogService.h"
#include "support/Installed.h"
#include "support/ScriptedDialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace trelimor::ui {
namespace {

using test::DialogCall;
using test::Installed;
using test::ScriptedDialogs;

TEST(DialogShortcuts, ShowTheBoxKindsTheWindowsRelyOn)
{
    Installed<ScriptedDialogs> dialogs;
    dialogs->answerNo();

    information(QStringLiteral("Zapisano."), QStringLiteral("INFORMACJA"));
    warning(QStringLiteral("Brak danych!"), QStringLiteral("Uwaga!"));
    error(QStringLiteral("Opis błędu"), QStringLiteral("Powiadom programistę!"));
    plainMessage(QStringLiteral("Koniec"));
    EXPECT_FALSE(askYesNo(QStringLiteral("Usunąć?"), QStringLiteral("USUWANIE!")));

    const auto& calls = dialogs->calls();
    ASSERT_EQ(calls.size(), 5u);
    EXPECT_EQ(calls[0].icon, Icon::Information);
    EXPECT_EQ(calls[0].title, QStringLiteral("INFORMACJA"));
    EXPECT_EQ(calls[1].icon, Icon::Warning);
    EXPECT_EQ(calls[2].icon, Icon::Warning);
    EXPECT_EQ(calls[2].text, QStringLiteral("Opis błędu"));
    EXPECT_EQ(calls[3].kind, DialogCall::Kind::Message);
    EXPECT_EQ(calls[3].icon, Icon::None);
    EXPECT_EQ(calls[3].title, QStringLiteral("TRELIMOR"));
    EXPECT_EQ(calls[4].kind, DialogCall::Kind::YesNo);
    EXPECT_EQ(calls[4].icon, Icon::Question);
    EXPECT_FALSE(calls[4].yesIsDefault);
}

TEST(DialogShortcuts, FileDialogsPassTheirRequestAndReturnTheAnswer)
{
    Installed<ScriptedDialogs> dialogs;
    dialogs->answerFile(QStringLiteral("/tmp/partia.xls")).answerCancel();
    const QString filter = QStringLiteral("All Files (*.*)|*.*|Excel (*.xls)|*.xls");

    EXPECT_EQ(openFile(QStringLiteral("Otwórz"), QStringLiteral("/tmp"), filter, 2),
              QStringLiteral("/tmp/partia.xls"));
    EXPECT_EQ(saveFile(QStringLiteral("Zapisz"), QStringLiteral("/tmp/x.pdf"), filter), QString());

    const DialogCall open = dialogs->calls().at(0);
    EXPECT_EQ(open.kind, DialogCall::Kind::OpenFile);
    EXPECT_EQ(open.path, QStringLiteral("/tmp"));
    EXPECT_EQ(open.filter, filter);
    EXPECT_EQ(open.filterIndex, 2);
    EXPECT_EQ(dialogs->last().kind, DialogCall::Kind::SaveFile);
    EXPECT_EQ(dialogs->last().filterIndex, 1);
}

TEST(DisplayText, ShowsEveryKindOfLineBreakAsOne)
{
    EXPECT_EQ(displayText(QStringLiteral("a\rb")), QStringLiteral("a\nb"));
    EXPECT_EQ(displayText(QStringLiteral("a\r\nb")), QStringLiteral("a\nb"));
    EXPECT_EQ(displayText(QStringLiteral("a\nb")), QStringLiteral("a\nb"));
    EXPECT_EQ(displayText(QStringLiteral("a\r\rb\r\n\r\nc\r")), QStringLiteral("a\n\nb\n\nc\n"));
}

TEST(QtMessageBox, IsBuiltWithRealLineBreaksIconAndCaption)
{
    const auto box = buildMessageBox(QStringLiteral("Linia 1\rLinia <b>2</b>"), QStringLiteral("FORMAT DATY"),
                                     Icon::Information, QMessageBox::Ok, QMessageBox::Ok);
    EXPECT_EQ(box->text(), QStringLiteral("Linia 1\nLinia <b>2</b>"));
    EXPECT_EQ(box->textFormat(), Qt::PlainText);
    EXPECT_EQ(box->windowTitle(), QStringLiteral("FORMAT DATY"));
    EXPECT_EQ(box->icon(), QMessageBox::Information);
    EXPECT_EQ(box->button(QMessageBox::Ok)->text(), QStringLiteral("OK"));
}

TEST(QtMessageBox, QuestionDefaultsToNoUnlessYesIsAsked)
{
    const auto buttons = QMessageBox::Yes | QMessageBox::No;
    const auto cautious = buildMessageBox(QStringLiteral("Usunąć?"), QStringLiteral("PYTANIE"),
                                          Icon::Question, buttons, QMessageBox::No);
    EXPECT_EQ(cautious->defaultButton(), cautious->button(QMessageBox::No));
    EXPECT_EQ(cautious->button(QMessageBox::Yes)->text(), QStringLiteral("Tak"));
    EXPECT_EQ(cautious->button(QMessageBox::No)->text(), QStringLiteral("Nie"));
    EXPECT_EQ(cautious->icon(), QMessageBox::Question);

    const auto eager = buildMessageBox(QStringLiteral("Dalej?"), QStringLiteral("Kontrola poprawności!"),
                                       Icon::Question, buttons, QMessageBox::Yes);
    EXPECT_EQ(eager->defaultButton(), eager->button(QMessageBox::Yes));
}

TEST(QtTextInput, HidesThePasswordTypedAndIsCaptionedInPolish)
{
    const auto password =
        buildTextInput(QStringLiteral("Podaj\rhasło"), QStringLiteral("TRELIMOR"), /*hideTyping=*/true);
    EXPECT_EQ(password->labelText(), QStringLiteral("Podaj\nhasło"));
    EXPECT_EQ(password->windowTitle(), QStringLiteral("TRELIMOR"));
    EXPECT_EQ(password->textEchoMode(), QLineEdit::Password);
    EXPECT_EQ(password->okButtonText(), QStringLiteral("OK"));
    EXPECT_EQ(password->cancelButtonText(), QStringLiteral("Anuluj"));
    EXPECT_EQ(buildTextInput(QStringLiteral("Nazwa"), QString(), false)->textEchoMode(), QLineEdit::Normal);
}

TEST(QtDialogService, BoxesAndDialogsShowThePointerOverLongWork)
{
    const OverrideCursorGuard wait;
    QtDialogService service;
    QList<const QCursor*> seen;
    // Notes the cursor over the next window the service shows, then closes it.
    auto closeNext = [&seen] {
        QTimer::singleShot(0, [&seen] {
            seen << QGuiApplication::overrideCursor();
            if (QWidget* shown = QApplication::activeModalWidget())
                shown->close();
        });
    };
    closeNext();
    service.message(QStringLiteral("Gotowe"), QStringLiteral("INFORMACJA"), Icon::Information);
    closeNext();
    EXPECT_TRUE(
        service
            .saveFile(QStringLiteral("Zapisz jako"), QString(), QStringLiteral("Plik PDF (*.pdf)|*.pdf"), 1)
            .isEmpty());
    closeNext();
    EXPECT_TRUE(service.askText(QStringLiteral("Hasło"), QStringLiteral("TRELIMOR"), true).isEmpty());
    EXPECT_EQ(seen, (QList<const QCursor*>{nullptr, nullptr, nullptr}));
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor) << "the work goes on under it";
}

// The way every window test talks to the program: click a control, read the recorded box.
TEST(WindowTest, ButtonClickShowsTheRecordedInformationBox)
{
    Installed<ScriptedDialogs> dialogs;
    QDialog window;
    auto* button = new QPushButton(QStringLiteral("&Zapisz"), &window);
    button->setObjectName(QStringLiteral("ComZapisz"));
    (new QVBoxLayout(&window))->addWidget(button);
    QObject::connect(button, &QPushButton::clicked, [] {
        information(QStringLiteral("Dane zapisano.") + QChar(u'\r') + QStringLiteral("Dziękujemy."),
                    QStringLiteral("INFORMACJA"));
    });
    window.show();

    QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("ComZapisz")), Qt::LeftButton);

    ASSERT_EQ(dialogs->calls().size(), 1u);
    EXPECT_EQ(dialogs->last().title, QStringLiteral("INFORMACJA"));
    EXPECT_EQ(dialogs->last().text, QStringLiteral("Dane zapisano.\rDziękujemy."));
    EXPECT_EQ(dialogs->last().icon, Icon::Information);
}

} // namespace
} // namespace trelimor::ui
