#pragma once

#include <QString>

#include <stdexcept>

namespace trelimor::install {

// Why an installation was refused or failed, in Polish, ready to show to the user.
class InstallError : public std::runtime_error
{
public:
    explicit InstallError(const QString& message)
        : std::runtime_error(message.toStdString())
    {}
    QString message() const { return QString::fromUtf8(what()); }
};

} // namespace trelimor::install
