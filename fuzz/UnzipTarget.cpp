// An archive the user picks for unpacking: listed, tested and unpacked into a folder of its own,
// as the unzip class does, with a password at hand for encrypted entries.

#include "FuzzSupport.h"

#include "platform/zip/Zip.h"

#include <QDir>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace trelimor;
    const QString archive = fuzz::scratchFile(fuzz::bytesOf(data, size), QStringLiteral(".zip"));
    const zip::PasswordQuestion password = [](const QString&) { return QStringLiteral("hasło"); };
    // A damaged or hostile archive is refused with its message: that is the sound answer.
    try {
        (void)zip::listEntries(archive);
    } catch (const zip::ZipError&) {
    }
    try {
        zip::testArchive(archive, {}, password);
    } catch (const zip::ZipError&) {
    }
    zip::ExtractOptions options;
    options.askPassword = password;
    options.maxTotalSize = qint64(64) << 20; // what a run may write is the program's own limit, smaller
    const QString target = fuzz::scratchPath(QStringLiteral("-unzip"));
    try {
        zip::extractAll(archive, target, options);
    } catch (const zip::ZipError&) {
    }
    QDir(target).removeRecursively();
    return 0;
}
