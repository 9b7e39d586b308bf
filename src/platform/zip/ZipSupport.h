#pragma once

// Shared by the archive writer and reader; not part of the zip interface.

#include "Zip.h"

#include <zip.h>

#include <optional>

namespace trelimor::zip::detail {

// The Polish reason for a libzip error code.
QString reasonText(int zipErrorCode);
QString reasonText(zip_error_t* error);

// An open libzip archive, discarded unless closed.
class Archive
{
public:
    // Opens an existing archive for reading; throws ZipError when it is missing or no zip.
    static Archive openForReading(const QString& path, const QString& password = {});
    // Opens an archive for writing: a new one replacing any old one, or an existing one to add to.
    static Archive openForWriting(const QString& path, bool replace);

    ~Archive();
    Archive(Archive&& other) noexcept;
    Archive(const Archive&) = delete;
    Archive& operator=(const Archive&) = delete;
    Archive& operator=(Archive&&) = delete;

    zip_t* get() const { return m_zip; }
    const QString& path() const { return m_path; }

    // Writes the changes and closes; throws ZipError (the old archive stays) when that fails.
    void commit();

    // Who is asked for the password when an encrypted entry is read and none is known yet.
    void setPasswordQuestion(PasswordQuestion ask) { m_askPassword = std::move(ask); }

    // Reads one entry whole, handing its bytes to `sink` (which may be empty to only check it).
    // Throws ZipError naming the entry when its data are damaged or the password is wrong or
    // missing.
    void readEntry(zip_uint64_t index, const QString& name,
                   const std::function<bool(const char* data, qint64 size)>& sink);

private:
    Archive(zip_t* zip, QString path);
    // Asks for the password, once; true when an answer became the password of the archive.
    bool askPassword(const QString& entryName);

    zip_t* m_zip;
    QString m_path;
    PasswordQuestion m_askPassword;
    bool m_passwordAsked = false;
};

// The entries of an open archive in their stored order; throws ZipError when one cannot be read.
QList<ZipEntry> entriesOf(const Archive& archive);

// The relative path an entry name stands for below a target folder: "\" counts as "/", empty and
// "." parts are dropped. Nothing for a name that is absolute or climbs out with "..".
std::optional<QString> safeRelativePath(const QString& entryName);

} // namespace trelimor::zip::detail
