#pragma once

#include "platform/sheet/SheetWriter.h"
#include "platform/ui/DefaultInstance.h"

#include <QDialog>

#include <optional>

class QMenuBar;
class QPushButton;

namespace Ui {
class FormRoboczy;
}

namespace trelimor {

// A scratch window that tries out writing a sheet: "Command1" starts a new sheet with a test
// text in its first cell (a sheet started earlier is dropped unsaved), and closing the window
// saves the newest sheet as Text.txt, tab-separated, in the program folder.
class FormRoboczy : public QDialog
{
    Q_OBJECT

public:
    static FormRoboczy& instance() { return ui::DefaultInstance<FormRoboczy>::get(); }
    ~FormRoboczy() override;

    // Where closing the window saves the sheet.
    static QString sciezkaArkusza();
    // What Command1 writes into the first cell.
    static QString tekstProbny();

    void Command1_Click();
    // The window is closing (never refused): the sheet, when there is one, is saved and dropped.
    void Form_QueryUnload();
    void reject() override;

    QPushButton* Command1;
    QMenuBar* menuBar;

private:
    friend class ui::DefaultInstance<FormRoboczy>;
    explicit FormRoboczy(QWidget* parent = nullptr);

    Ui::FormRoboczy* m_ui;
    std::optional<sheet::SheetWriter> m_arkusz;
};

// Shows the scratch window, with nothing set.
void otworzOknoRobocze();

} // namespace trelimor
