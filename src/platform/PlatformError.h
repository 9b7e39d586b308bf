#pragma once

#include <QString>

#include <algorithm>
#include <cerrno>
#include <iterator>
#include <new>
#include <stdexcept>

namespace trelimor {

// A failure of a platform service whose Polish message is fit to show to the user as it stands.
class PlatformError : public std::runtime_error
{
public:
    explicit PlatformError(const QString& message)
        : std::runtime_error(message.toStdString())
        , m_message(message)
    {}

    const QString& message() const { return m_message; }

private:
    QString m_message;
};

// How every writer of the program tells the user that the disk (or the space a file may take)
// is full: the databases and the files alike.
inline QString diskFullText()
{
    return QStringLiteral("Za mało miejsca na dysku.");
}

// How the program tells the user that memory ran out.
inline QString outOfMemoryText()
{
    return QStringLiteral("Za mało pamięci operacyjnej, aby dokończyć tę pracę.");
}

// The text of an error, fit to show: the program's own errors carry a Polish text, while the
// standard library says in English that memory ran out ("std::bad_alloc"): that is told as
// outOfMemoryText(). Any other error of the standard library keeps its own text: a length error
// (a container asked to grow past what it can hold) is a fault of the program, not a lack of
// memory, and must not send the user looking for more.
inline QString exceptionText(const std::exception& error)
{
    if (dynamic_cast<const std::bad_alloc*>(&error))
        return outOfMemoryText();
    return QString::fromUtf8(error.what());
}

// The system's error numbers of a full disk, of a full quota and of a file grown past the size a
// file may take: all are told as diskFullText().
inline constexpr int kDiskFullErrors[] = {ENOSPC, EDQUOT, EFBIG};

inline bool isDiskFull(int errorNumber)
{
    return std::find(std::begin(kDiskFullErrors), std::end(kDiskFullErrors), errorNumber) !=
           std::end(kDiskFullErrors);
}

} // namespace trelimor
