#include "CodeModule.h"

#include "platform/zip/Zip.h"

#include <QDir>
#include <QFileInfo>

namespace trelimor {

namespace {

// The first name of every list the zip class passes: it keeps the list from being empty.
const QString kPlaceholder = QStringLiteral("querty");

// The folder that "\" and relative names stand for: "\" (or "/") is the root of the file system,
// an empty text the current folder.
QString rootFolder(const QString& rootDirectory)
{
    QString root = rootDirectory;
    root.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (root.isEmpty())
        return QDir::currentPath();
    return QDir(QDir::currentPath()).absoluteFilePath(root);
}

} // namespace

ZipLayerError::ZipLayerError(qint32 number, QString source, QString description)
    : m_number(number)
    , m_source(std::move(source))
    , m_description(std::move(description))
    , m_what(m_description.toUtf8())
{}

CodeModuleValues& CodeModule()
{
    static CodeModuleValues values;
    return values;
}

void ZipPrintCallback(const QString& text)
{
    CodeModule().ZipMessage += text;
}

qint32 VBZip(const QStringList& names, const QString& zipFileName, bool junkFolders, bool recurse,
             bool update, const QString& rootDirectory)
{
    CodeModule().ZipMessage.clear();
    const QDir root(rootFolder(rootDirectory));
    QStringList files;
    for (qsizetype i = 0; i < names.size(); ++i) {
        const QString path = root.absoluteFilePath(names.at(i));
        // The placeholder is no file; a file that happens to bear its name is packed like any other.
        if (i == 0 && names.at(i).compare(kPlaceholder, Qt::CaseInsensitive) == 0 && !QFileInfo::exists(path))
            continue;
        files.append(path);
    }
    zip::CreateOptions options;
    options.replaceArchive = !update;
    options.keepRelativePaths = !junkFolders;
    options.baseFolder = root.absolutePath();
    options.recurseFolders = recurse;
    try {
        zip::createArchive(root.absoluteFilePath(zipFileName), files, options);
    } catch (const zip::ZipError& e) {
        ZipPrintCallback(e.message());
        return zipresult::ZipFailed;
    }
    return zipresult::Ok;
}

} // namespace trelimor
