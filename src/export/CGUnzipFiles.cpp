#include "CGUnzipFiles.h"

#include <limits>

namespace trelimor {

namespace {

const QString kSource = QStringLiteral("CGUnZipFiles::Unzip");

qint16 shortValue(qint32 value)
{
    if (value < std::numeric_limits<qint16>::min() || value > std::numeric_limits<qint16>::max())
        throw ZipLayerError(ziperr::Overflow, kSource, QStringLiteral("Przepełnienie"));
    return qint16(value);
}

} // namespace

qint32 CGUnzipFiles::Unzip(const QString& sZipFileName, const QString& sExtractDir)
{
    if (!sZipFileName.isEmpty())
        m_zipFileName = sZipFileName;
    if (!sExtractDir.isEmpty())
        m_extractDir = sExtractDir;
    UnzipOptions options;
    options.ExtractNewer = ExtractNewer();
    options.SpaceToUnderScore = SpaceToUnderScore();
    options.PromptOverwrite = PromptOverwrite();
    options.MessageLevel = shortValue(m_messageLevel);
    options.WriteToStdOut = WriteToStdOut();
    options.TestZip = TestZip();
    options.ExtractList = shortValue(m_extractList);
    options.ExtractOnlyNewer = ExtractOnlyNewer();
    options.DisplayComment = DisplayComment();
    options.HonorDirectories = HonorDirectories();
    options.OverWriteFiles = OverWriteFiles();
    options.ConvertCRtoCRLF = ConvertCRtoCRLF();
    options.Verbose = Verbose();
    options.CaseSensitive = CaseSensitive();
    options.Privilege = shortValue(m_privilege);
    return VBUnzip(m_zipFileName, m_extractDir, options);
}

QString CGUnzipFiles::GetLastMessage() const
{
    return CodeModule().ZipMessage;
}

} // namespace trelimor
