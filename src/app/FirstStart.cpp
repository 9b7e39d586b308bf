#include "FirstStart.h"

#include "common/Messages.h"
#include "install/Installer.h"
#include "install/SeedData.h"
#include "install/ShippedReports.h"
#include "shell/Startup.h"
#include "shell/aMain.h"

#include "platform/paths/Folders.h"
#include "platform/ui/DefaultInstance.h"
#include "platform/ui/DialogService.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace trelimor {

bool layOutProgramFolderIfMissing(const QString& shippedReports)
{
    if (QFileInfo::exists(paths::iniFile()))
        return true;
    const QString folder = paths::programFolder();
    try {
        install::createInstallation(folder, shippedReports);
    } catch (const install::InstallError& e) {
        ui::dialogs().message(u"W folderze programu %1 nie ma pliku Trelimor.ini, a nowego folderu programu "
                              u"nie można utworzyć:\r%2"_s.arg(folder, e.message()),
                              u"INSTALACJA"_s, ui::Icon::Critical);
        return false;
    }
    ui::dialogs().message(
        u"Utworzono folder programu %1.\rPierwsze logowanie: login \"%2\", hasło \"%3\" (%4).\r"
        u"Zmień to hasło zaraz po pierwszym zalogowaniu (Definicje -> Operator)."_s.arg(
            folder, install::administratorLogin(), install::administratorFirstPassword(),
            install::administratorName()),
        kInformationTitle, ui::Icon::Information);
    return true;
}

int runProgram()
{
    if (aMain::instance().jednaInstancja().tryBecomePrimary() &&
        !layOutProgramFolderIfMissing(install::shippedReportsFolder())) {
        // The windows must go while the application object still exists.
        ui::resetAllInstances();
        return 1;
    }
    return wykonajProgram();
}

} // namespace trelimor
