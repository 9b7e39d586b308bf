#include "CGZipFiles.h"
#include "CodeModule.h"
#include "SerologyExport.h"

#include "platform/ui/DialogService.h"

namespace trelimor {

QString SpakujPlik(const QString& path)
{
    const QString archive = path + QStringLiteral(".zip");
    try {
        CGZipFiles zip;
        zip.setZipFileName(archive);
        zip.setUpdatingZip(false);
        zip.AddFile(path);
        if (zip.MakeZipFile() != zipresult::Ok) {
            ui::plainMessage(zip.GetLastMessage());
            return {};
        }
        return archive;
    } catch (const ZipLayerError& e) {
        ui::plainMessage(QString::number(e.number()) + QStringLiteral(" Form1::cmdZip_Click ") +
                         e.description());
        return {};
    }
}

} // namespace trelimor
