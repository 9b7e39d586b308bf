#pragma once

#include <QString>
#include <QStringList>

namespace trelimor {

// One packing job: the files to pack, the archive's name and its options. MakeZipFile packs
// them through VBZip. The list starts with the placeholder "querty", which keeps it from ever
// being empty and is no file; names are compared without regard to letter case. The flags are
// stored as 1 or 0, as the library takes them.
class CGZipFiles
{
public:
    CGZipFiles();

    bool RecurseFolders() const { return m_recurse == 1; }
    void setRecurseFolders(bool bRecurse) { m_recurse = bRecurse ? 1 : 0; }
    QString ZipFileName() const { return m_zipFileName; }
    void setZipFileName(const QString& sZipFileName) { m_zipFileName = sZipFileName; }
    // Kept for callers that set them; they change nothing in the archive.
    bool Encrypted() const { return m_encrypt == 1; }
    void setEncrypted(bool bEncrypt) { m_encrypt = bEncrypt ? 1 : 0; }
    bool IncludeSystemFiles() const { return m_systemFiles == 1; }
    void setIncludeSystemFiles(bool bInclude) { m_systemFiles = bInclude ? 1 : 0; }
    // The listed files, the placeholder not counted.
    qint32 ZipFileCount() const { return qint32(m_files.size()) - 1; }
    // The folder below which relative names lie and entries keep their paths; "\" is the root.
    QString RootDirectory() const { return m_rootDirectory; }
    void setRootDirectory(const QString& sRootDir) { m_rootDirectory = sRootDir; }
    // True: the files are added to an existing archive; false: a new archive replaces it.
    bool UpdatingZip() const { return m_updating == 1; }
    void setUpdatingZip(bool bUpdating) { m_updating = bUpdating ? 1 : 0; }

    // Throws ZipLayerError "File is already in Zip List" (source "CGZip::AddFile").
    void AddFile(const QString& sFileName);
    // Throws ZipLayerError "File is not in Zip List" (source "CGZip::RemoveFile").
    void RemoveFile(const QString& sFileName);
    // Packs the listed files; 0 when the archive was written, else the library's failure code
    // (GetLastMessage says why). More than 99 files raise the subscript error with the source
    // "CGZipFiles::MakeZipFile".
    qint32 MakeZipFile();
    QString GetLastMessage() const;

private:
    qsizetype indexOf(const QString& name) const;

    QStringList m_files;
    qint16 m_recurse = 0;
    QString m_zipFileName;
    qint16 m_encrypt = 0;
    qint16 m_systemFiles = 0;
    QString m_rootDirectory = QStringLiteral("\\");
    qint16 m_updating = 0;
};

} // namespace trelimor
