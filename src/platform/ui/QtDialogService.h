#pragma once

#include "platform/ui/DialogService.h"

#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>

#include <memory>

namespace trelimor::ui {

// The dialog service over Qt's own boxes and dialogs; the only code that shows them.
class QtDialogService : public DialogService
{
public:
    void message(const QString& text, const QString& title, Icon icon) override;
    bool askYesNo(const QString& text, const QString& title, Icon icon, bool yesIsDefault) override;
    Answer askYesNoCancel(const QString& text, const QString& title, Icon icon) override;
    bool askOkCancel(const QString& text, const QString& title, Icon icon) override;
    QString askText(const QString& prompt, const QString& title, bool hideTyping) override;
    QString openFile(const QString& title, const QString& startPath, const QString& filter,
                     int filterIndex) override;
    QString saveFile(const QString& title, const QString& proposedPath, const QString& filter,
                     int filterIndex) override;
    bool printerSetup(QPrinter& printer) override;
    void beep() override;
};

// Builds, without showing it, the box the service shows: text with real line breaks, the icon,
// the buttons (captioned in Polish, as the program's messages refer to them) and the default one.
std::unique_ptr<QMessageBox> buildMessageBox(const QString& text, const QString& title, Icon icon,
                                             QMessageBox::StandardButtons buttons,
                                             QMessageBox::StandardButton defaultButton);

// Builds, without showing it, the text input of the service: the prompt with real line breaks,
// the typing hidden when asked, the buttons captioned in Polish.
std::unique_ptr<QInputDialog> buildTextInput(const QString& prompt, const QString& title, bool hideTyping);

// Builds, without showing it, the print dialog of the service: printing to a PDF file proposes
// the document's name, in the folder of the printer's last file or else in the program's Eksport
// folder.
std::unique_ptr<QPrintDialog> buildPrintDialog(QPrinter& printer);

} // namespace trelimor::ui
