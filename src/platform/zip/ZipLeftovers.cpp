#include "ZipPlacement.h"

#include "Zip.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

namespace trelimor::zip {

namespace {

// Files an unpacking writes into its staging folder are named by their number alone.
bool onlyUnpackedFiles(const QDir& staging, const QDateTime& before)
{
    static const QRegularExpression number(QStringLiteral("^[0-9]+$"));
    const QFileInfoList entries =
        staging.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    return std::all_of(entries.cbegin(), entries.cend(), [&](const QFileInfo& entry) {
        return entry.isFile() && !entry.isSymLink() && number.match(entry.fileName()).hasMatch() &&
               entry.lastModified() < before;
    });
}

} // namespace

int removeLeftoverStaging(const QString& folder, const QDateTime& before)
{
    static const QRegularExpression staging(QRegularExpression::anchoredPattern(
        QRegularExpression::escape(detail::kStagingTemplate.chopped(6)) + QStringLiteral("[A-Za-z0-9]{6}")));
    int removed = 0;
    const QFileInfoList candidates =
        QDir(folder).entryInfoList({detail::kStagingTemplate.chopped(6) + u'*'}, QDir::Dirs | QDir::Hidden);
    for (const QFileInfo& candidate : candidates) {
        if (candidate.isSymLink() || !staging.match(candidate.fileName()).hasMatch() ||
            candidate.lastModified() >= before)
            continue;
        const QDir dir(candidate.absoluteFilePath());
        if (!onlyUnpackedFiles(dir, before))
            continue;
        for (const QString& file : dir.entryList(QDir::Files | QDir::Hidden))
            QFile::remove(dir.filePath(file));
        if (QDir().rmdir(candidate.absoluteFilePath()))
            ++removed;
    }
    return removed;
}

} // namespace trelimor::zip
