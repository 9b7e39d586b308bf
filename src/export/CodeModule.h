#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <exception>

namespace trelimor {

// An error the zip layer raises to its caller: a number, the place that raised it as
// "Class::Procedure", and a description.
class ZipLayerError : public std::exception
{
public:
    ZipLayerError(qint32 number, QString source, QString description);

    qint32 number() const { return m_number; }
    const QString& source() const { return m_source; }
    const QString& description() const { return m_description; }
    const char* what() const noexcept override { return m_what.constData(); }

    // The same error raised again from another place.
    ZipLayerError from(const QString& source) const { return {m_number, source, m_description}; }

private:
    qint32 m_number;
    QString m_source;
    QString m_description;
    QByteArray m_what;
};

// Error numbers of the zip layer.
namespace ziperr {
inline constexpr qint32 Overflow = 6;
inline constexpr qint32 SubscriptOutOfRange = 9;
// The application error base plus 2001 and 2002: a name listed twice, a name not listed.
inline constexpr qint32 AlreadyListed = -2147219503;
inline constexpr qint32 NotListed = -2147219502;
} // namespace ziperr

// What the archive library returns: 0 when the work was done.
namespace zipresult {
inline constexpr qint32 Ok = 0;
// Packing: the archive could not be written (a file unreadable, the folder unwritable ...).
inline constexpr qint32 ZipFailed = 15;
// Unpacking: an archive missing or damaged, a file that could not be written.
inline constexpr qint32 UnzipFailed = 2;
// Unpacking stopped at the user's Cancel of an overwrite question.
inline constexpr qint32 UnzipCancelled = 80;
} // namespace zipresult

// The shared state of the zip and unzip calls. ZipMessage holds what the library printed
// during the latest call; each call empties it first, so one packing job runs at a time.
struct CodeModuleValues
{
    QString ZipMessage;
    // Unpacking: everything printed during the call, the listing and its line count.
    QString printText;
    QString listingText;
    qint32 listingLines = 0;
    // Set when the user gave no password: no other entry of the call asks again.
    bool passwordRefused = false;
};

CodeModuleValues& CodeModule();

// Packs the named files into the archive. The first name is the class's placeholder "querty",
// which names no file and is passed over; every other name must be a file (or, with recurse, a
// folder). Relative names, and a relative archive name, lie below rootDirectory ("\" and "/"
// stand for the root of the file system; empty for the current folder). Without junkFolders
// each entry keeps its path below rootDirectory. With update the files are added to an
// existing archive; otherwise a new archive replaces any old one. Returns zipresult::Ok, or a
// failure code with the reason in ZipMessage.
qint32 VBZip(const QStringList& names, const QString& zipFileName, bool junkFolders, bool recurse,
             bool update, const QString& rootDirectory);

// The library's printed text: appended to ZipMessage.
void ZipPrintCallback(const QString& text);

// The options of an unpacking call, in the order the unzip class passes them.
struct UnzipOptions
{
    bool ExtractNewer = false;
    bool SpaceToUnderScore = false;
    bool PromptOverwrite = false;
    qint16 MessageLevel = 2;
    bool WriteToStdOut = false;
    bool TestZip = false;
    qint16 ExtractList = 0; // 0 unpacks, 1 lists the entries
    bool ExtractOnlyNewer = false;
    bool DisplayComment = false;
    bool HonorDirectories = true;
    bool OverWriteFiles = true;
    bool ConvertCRtoCRLF = false;
    bool Verbose = false;
    bool CaseSensitive = true;
    qint16 Privilege = 0;
};

// Unpacks every entry of the archive into extractDir (the current folder when empty), lists
// the entries (ExtractList 1) or tests them (TestZip). An entry whose name is absolute or climbs
// out with ".." is refused before anything is written. Returns zipresult::Ok or a failure code,
// with the library's text in ZipMessage.
qint32 VBUnzip(const QString& zipFileName, const QString& extractDir, const UnzipOptions& options);

// What the unpacking calls back with. The print text: appended and copied to ZipMessage.
void UnzipPrintCallback(const QString& text);
// One entry of a listing: its line (and, before the first, the header line) in the listing text.
void UnzipListingCallback(const QString& name, qint64 size, const QDateTime& modified);
// Asked before an existing file is replaced: 102 replace, 100 keep it, 104 stop.
qint32 UnzipReplaceCallback(const QString& name);
// Asked for the password of an encrypted entry: 0 with the answer in password (cut to
// bufferSize - 1 characters), or 1 when the user gives none. After an empty answer every later
// question of the same call answers 1 without asking.
qint32 UnzipPasswordCallback(QString& password, int bufferSize);

// The password buffer of the unzip library: up to 80 characters and a closing zero.
inline constexpr int kPasswordBufferSize = 81;

inline constexpr qint32 kReplaceYes = 102;
inline constexpr qint32 kReplaceNo = 100;
inline constexpr qint32 kReplaceCancel = 104;

} // namespace trelimor
