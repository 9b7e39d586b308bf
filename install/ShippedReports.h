#pragma once

#include <QString>

namespace trelimor::install {

// The report templates that come with the program, copied into each new program folder.
//
// An installed program finds them beside itself, in <prefix>/share/trelimor/reports (the path
// is taken from the executable's own folder, so an installation under any prefix, the
// package's or a temporary one, finds its own). A program run from its build tree takes the
// reports/ folder of the source tree it was built from. Anywhere else the installed path is
// given even though it is missing: laying out a folder from it then says what is wrong.
QString shippedReportsFolder();
// The same for an executable in executableFolder.
QString shippedReportsFolder(const QString& executableFolder);

} // namespace trelimor::install
