#pragma once

#include "platform/PlatformError.h"

namespace trelimor::report {

// A report that cannot be loaded, expanded or written; the message is Polish and names the file.
class ReportError : public PlatformError
{
public:
    using PlatformError::PlatformError;
};

} // namespace trelimor::report
