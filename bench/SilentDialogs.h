#pragma once

#include "platform/ui/DialogService.h"

namespace trelimor::bench {

// Boxes are answered by nobody: a benchmark measures the work, not a user.
class SilentDialogs : public ui::DialogService
{
public:
    void message(const QString&, const QString&, ui::Icon) override {}
    bool askYesNo(const QString&, const QString&, ui::Icon, bool) override { return false; }
    ui::Answer askYesNoCancel(const QString&, const QString&, ui::Icon) override
    {
        return ui::Answer::Cancel;
    }
    bool askOkCancel(const QString&, const QString&, ui::Icon) override { return false; }
    QString askText(const QString&, const QString&, bool) override { return {}; }
    QString openFile(const QString&, const QString&, const QString&, int) override { return {}; }
    QString saveFile(const QString&, const QString&, const QString&, int) override { return {}; }
    bool printerSetup(QPrinter&) override { return false; }
    void beep() override {}
};

} // namespace trelimor::bench
