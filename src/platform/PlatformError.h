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

} // namespace trelimor
