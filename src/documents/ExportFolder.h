#pragma once

#include <QString>

namespace trelimor {

// Eksport/<yyyymmdd of the working date> below the program folder, where the exports propose
// their files. It is made when missing, but only that one level: a missing Eksport folder throws
// PlatformError.
QString folderEksportuDnia();

} // namespace trelimor
