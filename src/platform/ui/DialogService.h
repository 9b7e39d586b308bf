#pragma once

#include <QString>

#include <memory>

class QPrinter;

namespace trelimor::ui {

enum class Icon { None, Information, Warning, Question, Critical };
enum class Answer { Yes, No, Cancel };

// Every message box, file dialog and printer dialog of the program goes through this service,
// so that tests can answer them without a screen.
//
// Texts may break lines with CR alone, CR LF or LF; they are shown with real line breaks.
// File filters are written as pairs "description|patterns|description|patterns", for example
// "All Files (*.*)|*.*|Excel (*.xls)|*.xls"; filterIndex picks the preselected pair, counted from 1.
class DialogService
{
public:
    virtual ~DialogService() = default;

    // A box with an OK button only.
    virtual void message(const QString& text, const QString& title, Icon icon) = 0;
    // Yes and No buttons, No the default unless yesIsDefault; true on Yes.
    virtual bool askYesNo(const QString& text, const QString& title, Icon icon, bool yesIsDefault) = 0;
    // Yes, No and Cancel buttons, Yes the default; closing the box counts as Cancel.
    virtual Answer askYesNoCancel(const QString& text, const QString& title, Icon icon) = 0;
    // OK and Cancel buttons, OK the default; true on OK.
    virtual bool askOkCancel(const QString& text, const QString& title, Icon icon) = 0;
    // A line of text to type, with OK and Cancel; the text typed, or an empty text when the user
    // cancels. hideTyping shows the letters as dots (a password).
    virtual QString askText(const QString& prompt, const QString& title, bool hideTyping) = 0;

    // The chosen file's path, or an empty text when the user cancels. startPath is a folder or a file.
    virtual QString openFile(const QString& title, const QString& startPath, const QString& filter,
                             int filterIndex) = 0;
    virtual QString saveFile(const QString& title, const QString& proposedPath, const QString& filter,
                             int filterIndex) = 0;

    // Lets the user choose a printer and its settings; false when cancelled.
    virtual bool printerSetup(QPrinter& printer) = 0;

    virtual void beep() = 0;
};

// The program-wide service; the Qt implementation unless another one was installed.
DialogService& dialogs();
// Installs a service (tests install a scripted one) and returns the previous one.
std::unique_ptr<DialogService> setDialogs(std::unique_ptr<DialogService> service);

// The title of a box that has none of its own.
inline constexpr QLatin1String ProgramTitle{"TRELIMOR"};

// Shortcuts over dialogs() for the boxes every window shows.
void information(const QString& text, const QString& title);
void warning(const QString& text, const QString& title);
void error(const QString& text, const QString& title);
void plainMessage(const QString& text);
bool askYesNo(const QString& text, const QString& title);
QString openFile(const QString& title, const QString& startPath, const QString& filter, int filterIndex = 1);
QString saveFile(const QString& title, const QString& proposedPath, const QString& filter,
                 int filterIndex = 1);

// Converts CR LF and lone CR line breaks to LF, as a box shows them.
QString displayText(const QString& text);

} // namespace trelimor::ui
