#pragma once

#include "platform/PlatformError.h"

#include <QString>

#include <exception>

namespace trelimor {

// A folder or file of an export that cannot be reached or written.
class PathAccessError : public PlatformError
{
public:
    using PlatformError::PlatformError;
};

// The title of the boxes that tell how an export to a file failed.
inline const QString kEksportDoPliku = QStringLiteral("EKSPORT DO PLIKU");

// What the user is told when an export to a file failed: a path that cannot be reached, no
// current record, or any other failure, each with its number and description.
QString exportErrorText(const std::exception& error);
// Shows that text in an information box under "EKSPORT DO PLIKU".
void showExportError(const std::exception& error);

} // namespace trelimor
