#pragma once

#include "CodeModule.h"

#include <QString>

namespace trelimor {

// One unpacking job: the archive, the target folder and the options that Unzip passes to
// VBUnzip. The flags are stored as 1 or 0, as the library takes them; the three numbers must
// fit in 16 bits when Unzip runs.
class CGUnzipFiles
{
public:
    bool ExtractNewer() const { return m_extractNewer == 1; }
    void setExtractNewer(bool value) { m_extractNewer = flag(value); }
    bool SpaceToUnderScore() const { return m_spaceToUnderScore == 1; }
    void setSpaceToUnderScore(bool value) { m_spaceToUnderScore = flag(value); }
    bool PromptOverwrite() const { return m_promptOverwrite == 1; }
    void setPromptOverwrite(bool value) { m_promptOverwrite = flag(value); }
    qint32 MessageLevel() const { return m_messageLevel; }
    void setMessageLevel(qint32 iLevel) { m_messageLevel = iLevel; }
    bool WriteToStdOut() const { return m_writeToStdOut == 1; }
    void setWriteToStdOut(bool value) { m_writeToStdOut = flag(value); }
    bool TestZip() const { return m_testZip == 1; }
    void setTestZip(bool value) { m_testZip = flag(value); }
    qint32 ExtractList() const { return m_extractList; }
    void setExtractList(qint32 zExType) { m_extractList = zExType; }
    bool ExtractOnlyNewer() const { return m_extractOnlyNewer == 1; }
    void setExtractOnlyNewer(bool value) { m_extractOnlyNewer = flag(value); }
    bool DisplayComment() const { return m_displayComment == 1; }
    void setDisplayComment(bool value) { m_displayComment = flag(value); }
    bool HonorDirectories() const { return m_honorDirectories == 1; }
    void setHonorDirectories(bool value) { m_honorDirectories = flag(value); }
    bool OverWriteFiles() const { return m_overWriteFiles == 1; }
    void setOverWriteFiles(bool value) { m_overWriteFiles = flag(value); }
    bool ConvertCRtoCRLF() const { return m_convertCRtoCRLF == 1; }
    void setConvertCRtoCRLF(bool value) { m_convertCRtoCRLF = flag(value); }
    bool Verbose() const { return m_verbose == 1; }
    void setVerbose(bool value) { m_verbose = flag(value); }
    bool CaseSensitive() const { return m_caseSensitive == 1; }
    void setCaseSensitive(bool value) { m_caseSensitive = flag(value); }
    qint32 Privilege() const { return m_privilege; }
    void setPrivilege(qint32 zPriv) { m_privilege = zPriv; }
    QString ZipFileName() const { return m_zipFileName; }
    void setZipFileName(const QString& value) { m_zipFileName = value; }
    QString ExtractDir() const { return m_extractDir; }
    void setExtractDir(const QString& value) { m_extractDir = value; }

    // Unpacks (or lists, or tests) the archive; a non-empty argument first replaces ZipFileName
    // or ExtractDir. Returns the library's code, 0 on success. Throws ZipLayerError with the
    // source "CGUnZipFiles::Unzip", an overflow when a number does not fit in 16 bits.
    qint32 Unzip(const QString& sZipFileName, const QString& sExtractDir);
    QString GetLastMessage() const;

private:
    static qint16 flag(bool value) { return value ? 1 : 0; }

    qint16 m_extractNewer = 0;
    qint16 m_spaceToUnderScore = 0;
    qint16 m_promptOverwrite = 0;
    qint32 m_messageLevel = 2;
    qint16 m_writeToStdOut = 0;
    qint16 m_testZip = 0;
    qint32 m_extractList = 0;
    qint16 m_extractOnlyNewer = 0;
    qint16 m_displayComment = 0;
    qint16 m_honorDirectories = 1;
    qint16 m_overWriteFiles = 1;
    qint16 m_convertCRtoCRLF = 0;
    qint16 m_verbose = 0;
    qint16 m_caseSensitive = 1;
    qint32 m_privilege = 0;
    QString m_zipFileName;
    QString m_extractDir;
};

} // namespace trelimor
