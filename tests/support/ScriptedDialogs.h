#pragma once

#include "platform/ui/DialogService.h"
#include "support/QtPrinters.h"

#include <QString>

#include <deque>
#include <functional>
#include <iosfwd>
#include <vector>

namespace trelimor::test {

// One box or dialog the program asked for.
struct DialogCall
{
    enum class Kind {
        Message,
        YesNo,
        YesNoCancel,
        OkCancel,
        TextInput,
        OpenFile,
        SaveFile,
        PrinterSetup,
        Beep
    };

    Kind kind = Kind::Message;
    QString text; // exactly as passed, line breaks included
    QString title;
    ui::Icon icon = ui::Icon::None;
    bool yesIsDefault = false; // Yes/No boxes only
    bool hideTyping = false;   // text inputs only
    QString path;              // file dialogs: the start folder or proposed file; printer
                               // dialogs: the document's name, which names the PDF proposed
    QString filter;            // file dialogs
    int filterIndex = 0;       // file dialogs
};

// The dialog service of the tests: records every call and answers from prepared answers, in
// order. A box that needs an answer (a question, a file or printer dialog) and finds none, or
// finds one of the wrong kind, fails the running test and gets the cautious answer (No, Cancel,
// no file). Message boxes and beeps take no answer. Answers left over when the double is
// destroyed fail the test too: a box that was expected did not come.
class ScriptedDialogs : public ui::DialogService
{
public:
    using Service = ui::DialogService;
    static constexpr auto install = &ui::setDialogs;

    ~ScriptedDialogs() override;

    ScriptedDialogs& answerYes();
    ScriptedDialogs& answerNo();
    ScriptedDialogs& answerOk();
    // Cancel for a Yes/No/Cancel or OK/Cancel box, a text input, a file dialog or a printer dialog.
    ScriptedDialogs& answerCancel();
    // The text typed into a text input, then OK.
    ScriptedDialogs& answerText(const QString& text);
    ScriptedDialogs& answerFile(const QString& path);
    ScriptedDialogs& answerPrinterAccepted();
    // Runs for each box or dialog as it is shown, before it is answered: what a test checks
    // while the user would be reading it.
    ScriptedDialogs& whileShowing(std::function<void(const DialogCall&)> check);

    const std::vector<DialogCall>& calls() const { return m_calls; }
    // The last call; fails the test and gives an empty call when there was none.
    DialogCall last() const;
    std::size_t pendingAnswers() const { return m_answers.size(); }

    void message(const QString& text, const QString& title, ui::Icon icon) override;
    bool askYesNo(const QString& text, const QString& title, ui::Icon icon, bool yesIsDefault) override;
    ui::Answer askYesNoCancel(const QString& text, const QString& title, ui::Icon icon) override;
    bool askOkCancel(const QString& text, const QString& title, ui::Icon icon) override;
    QString askText(const QString& prompt, const QString& title, bool hideTyping) override;
    QString openFile(const QString& title, const QString& startPath, const QString& filter,
                     int filterIndex) override;
    QString saveFile(const QString& title, const QString& proposedPath, const QString& filter,
                     int filterIndex) override;
    bool printerSetup(QPrinter& printer) override;
    void beep() override;

private:
    enum class Reply { Yes, No, Ok, Cancel, File, Text, PrinterAccepted };
    struct Prepared
    {
        Reply reply;
        QString value; // the file chosen, or the text typed
    };

    const DialogCall& record(DialogCall call);
    // Records the call and takes the next answer when it is one of the accepted replies.
    Prepared take(DialogCall call, std::initializer_list<Reply> accepted, Reply cautious);
    ScriptedDialogs& prepare(Reply reply, const QString& value = {});
    QString fileDialog(DialogCall::Kind kind, const QString& title, const QString& path,
                       const QString& filter, int filterIndex);

    std::vector<DialogCall> m_calls;
    std::deque<Prepared> m_answers;
    std::function<void(const DialogCall&)> m_whileShowing;
};

// A readable description of a call, for failure messages.
QString describe(const DialogCall& call);

void PrintTo(DialogCall::Kind kind, std::ostream* out);
void PrintTo(const DialogCall& call, std::ostream* out);

} // namespace trelimor::test

namespace trelimor::ui {
void PrintTo(Icon icon, std::ostream* out);
} // namespace trelimor::ui
