#include "CGZipFiles.h"

#include "CodeModule.h"

namespace trelimor {

namespace {
// The library takes at most this many names, the placeholder included.
constexpr qsizetype kNameSlots = 100;
} // namespace

CGZipFiles::CGZipFiles()
    : m_files{QStringLiteral("querty")}
{}

qsizetype CGZipFiles::indexOf(const QString& name) const
{
    for (qsizetype i = 0; i < m_files.size(); ++i) {
        if (m_files.at(i).compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

void CGZipFiles::AddFile(const QString& sFileName)
{
    if (indexOf(sFileName) >= 0)
        throw ZipLayerError(ziperr::AlreadyListed, QStringLiteral("CGZip::AddFile"),
                            QStringLiteral("File is already in Zip List"));
    m_files.append(sFileName);
}

void CGZipFiles::RemoveFile(const QString& sFileName)
{
    const qsizetype index = indexOf(sFileName);
    if (index < 0)
        throw ZipLayerError(ziperr::NotListed, QStringLiteral("CGZip::RemoveFile"),
                            QStringLiteral("File is not in Zip List"));
    m_files.removeAt(index);
}

qint32 CGZipFiles::MakeZipFile()
{
    if (m_files.size() > kNameSlots)
        throw ZipLayerError(ziperr::SubscriptOutOfRange, QStringLiteral("CGZipFiles::MakeZipFile"),
                            QStringLiteral("Indeks poza zakresem"));
    return VBZip(m_files, m_zipFileName, false, RecurseFolders(), UpdatingZip(), m_rootDirectory);
}

QString CGZipFiles::GetLastMessage() const
{
    return CodeModule().ZipMessage;
}

} // namespace trelimor
