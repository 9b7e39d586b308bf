#pragma once

#include <QString>

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

} // namespace trelimor
