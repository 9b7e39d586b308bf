#include "platform/ui/QtDialogService.h"

#include "platform/paths/Folders.h"
#include "platform/ui/FileFilter.h"
#include "platform/ui/OverrideCursorGuard.h"
#include "platform/ui/WindowOpener.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace trelimor::ui {

namespace {

QMessageBox::Icon toQtIcon(Icon icon)
{
    switch (icon) {
    case Icon::Information:
        return QMessageBox::Information;
    case Icon::Warning:
        return QMessageBox::Warning;
    case Icon::Question:
        return QMessageBox::Question;
    case Icon::Critical:
        return QMessageBox::Critical;
    case Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

void captionButtons(QMessageBox& box)
{
    const std::pair<QMessageBox::StandardButton, const char16_t*> captions[] = {
        {QMessageBox::Ok, u"OK"},
        {QMessageBox::Yes, u"Tak"},
        {QMessageBox::No, u"Nie"},
        {QMessageBox::Cancel, u"Anuluj"},
    };
    for (const auto& [which, caption] : captions) {
        if (QAbstractButton* button = box.button(which))
            button->setText(QString::fromUtf16(caption));
    }
}

QMessageBox::StandardButton run(const QString& text, const QString& title, Icon icon,
                                QMessageBox::StandardButtons buttons,
                                QMessageBox::StandardButton defaultButton)
{
    const auto box = buildMessageBox(text, title, icon, buttons, defaultButton);
    // A box or dialog asks the user: the normal pointer over it, whatever work is waiting for it.
    const OverrideCursorPause pointer;
    box->exec();
    return box->standardButton(box->clickedButton());
}

QWidget* dialogParent()
{
    return openingWindow();
}

} // namespace

std::unique_ptr<QMessageBox> buildMessageBox(const QString& text, const QString& title, Icon icon,
                                             QMessageBox::StandardButtons buttons,
                                             QMessageBox::StandardButton defaultButton)
{
    auto box =
        std::make_unique<QMessageBox>(toQtIcon(icon), title, displayText(text), buttons, dialogParent());
    box->setTextFormat(Qt::PlainText);
    box->setDefaultButton(defaultButton);
    captionButtons(*box);
    return box;
}

void QtDialogService::message(const QString& text, const QString& title, Icon icon)
{
    run(text, title, icon, QMessageBox::Ok, QMessageBox::Ok);
}

bool QtDialogService::askYesNo(const QString& text, const QString& title, Icon icon, bool yesIsDefault)
{
    return run(text, title, icon, QMessageBox::Yes | QMessageBox::No,
               yesIsDefault ? QMessageBox::Yes : QMessageBox::No) == QMessageBox::Yes;
}

Answer QtDialogService::askYesNoCancel(const QString& text, const QString& title, Icon icon)
{
    switch (
        run(text, title, icon, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes)) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}

bool QtDialogService::askOkCancel(const QString& text, const QString& title, Icon icon)
{
    return run(text, title, icon, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok) == QMessageBox::Ok;
}

std::unique_ptr<QInputDialog> buildTextInput(const QString& prompt, const QString& title, bool hideTyping)
{
    auto dialog = std::make_unique<QInputDialog>(dialogParent());
    dialog->setInputMode(QInputDialog::TextInput);
    dialog->setWindowTitle(title);
    dialog->setLabelText(displayText(prompt));
    dialog->setTextEchoMode(hideTyping ? QLineEdit::Password : QLineEdit::Normal);
    dialog->setOkButtonText(u"OK"_s);
    dialog->setCancelButtonText(u"Anuluj"_s);
    return dialog;
}

QString QtDialogService::askText(const QString& prompt, const QString& title, bool hideTyping)
{
    const auto dialog = buildTextInput(prompt, title, hideTyping);
    const OverrideCursorPause pointer;
    return dialog->exec() == QDialog::Accepted ? dialog->textValue() : QString();
}

QString QtDialogService::openFile(const QString& title, const QString& startPath, const QString& filter,
                                  int filterIndex)
{
    QtFileFilters filters = toQtFileFilters(filter, filterIndex);
    const OverrideCursorPause pointer;
    return QFileDialog::getOpenFileName(dialogParent(), title, startPath,
                                        filters.filters.join(QLatin1String(";;")), &filters.selected);
}

QString QtDialogService::saveFile(const QString& title, const QString& proposedPath, const QString& filter,
                                  int filterIndex)
{
    QtFileFilters filters = toQtFileFilters(filter, filterIndex);
    const OverrideCursorPause pointer;
    return QFileDialog::getSaveFileName(dialogParent(), title, proposedPath,
                                        filters.filters.join(QLatin1String(";;")), &filters.selected);
}

std::unique_ptr<QPrintDialog> buildPrintDialog(QPrinter& printer)
{
    auto dialog = std::make_unique<QPrintDialog>(&printer, dialogParent());
    // Qt proposes the printer's last file, or a file in the current or home folder. The program
    // proposes the file of the document printed now, in the folder the user last printed to, or
    // else in Eksport, where it keeps its files: the last file's name would let the next report
    // replace the last one's PDF. The name box is Qt's own control: without it the dialog stays
    // as Qt made it.
    auto* fileName = dialog->findChild<QLineEdit*>(u"filename"_s);
    if (fileName) {
        QString name = printer.docName().replace(u'/', u'-'); // a "/" would name a folder
        if (name.isEmpty())
            name = u"wydruk"_s;
        const QString folder = printer.outputFileName().isEmpty()
                                   ? paths::exportFolder()
                                   : QFileInfo(printer.outputFileName()).absolutePath();
        fileName->setText(paths::join(folder, name + u".pdf"_s));
    }
    return dialog;
}

bool QtDialogService::printerSetup(QPrinter& printer)
{
    const OverrideCursorPause pointer;
    return buildPrintDialog(printer)->exec() == QDialog::Accepted;
}

void QtDialogService::beep()
{
    QApplication::beep();
}

} // namespace trelimor::ui
