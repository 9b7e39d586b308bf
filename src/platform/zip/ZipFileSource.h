#pragma once

// Internal to the archive writer: the file libzip reads an archive from and writes it to.

#include <QString>

#include <zip.h>

namespace trelimor::zip::detail {

// A libzip source over the archive file at path. A changed archive is written to a temporary
// file beside it, named as paths::temporaryPathBeside names one, flushed to the disk and renamed
// over the archive: a run killed meanwhile leaves only a name the start-up clean-up knows, and
// the archive is whole once it is there. Nullptr, with error set, when it cannot be made.
zip_source_t* archiveFileSource(const QString& path, zip_error_t* error);

} // namespace trelimor::zip::detail
