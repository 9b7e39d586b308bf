#include "ZipSupport.h"

namespace trelimor::zip {

QList<ZipEntry> listEntries(const QString& archivePath)
{
    return detail::entriesOf(detail::Archive::openForReading(archivePath));
}

void testArchive(const QString& archivePath, const QString& password, const PasswordQuestion& askPassword)
{
    detail::Archive archive = detail::Archive::openForReading(archivePath, password);
    archive.setPasswordQuestion(askPassword);
    const QList<ZipEntry> entries = detail::entriesOf(archive);
    for (qsizetype i = 0; i < entries.size(); ++i) {
        if (!entries.at(i).isFolder)
            archive.readEntry(zip_uint64_t(i), entries.at(i).name, {});
    }
}

} // namespace trelimor::zip
