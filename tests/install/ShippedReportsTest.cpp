// The templates a new program folder is laid out with: an installed program's own, found from
// the executable's folder under any prefix; the source tree's for a program in the build tree.

#include "install/ShippedReports.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace trelimor::install;
using namespace Qt::StringLiterals;

TEST(ShippedReports, AnInstalledProgramTakesItsOwnAndABuildTreeProgramTheSourceTrees)
{
    QTemporaryDir prefix; // outside the build tree, as an installation is
    ASSERT_TRUE(prefix.isValid());
    const QString bin = prefix.filePath(QStringLiteral(TRELIMOR_INSTALL_BINDIR));
    const QString installed = prefix.filePath(QStringLiteral(TRELIMOR_INSTALL_REPORTS_DIR));
    ASSERT_TRUE(QDir().mkpath(bin));
    ASSERT_TRUE(QDir().mkpath(installed));
    EXPECT_EQ(shippedReportsFolder(bin), QDir::cleanPath(installed));

    // A broken installation is never helped out by the source tree: the missing folder is named.
    ASSERT_TRUE(QDir(installed).removeRecursively());
    EXPECT_EQ(shippedReportsFolder(bin), QDir::cleanPath(installed));

    const QString sourceReports = QStringLiteral(TRELIMOR_SOURCE_DIR "/reports");
    EXPECT_EQ(shippedReportsFolder(QStringLiteral(TRELIMOR_BINARY_DIR "/src/app")), sourceReports);
    EXPECT_EQ(shippedReportsFolder(QStringLiteral(TRELIMOR_BINARY_DIR "/install")), sourceReports);
    // This test program lies in the build tree too.
    EXPECT_EQ(shippedReportsFolder(), sourceReports);
    EXPECT_TRUE(QFileInfo::exists(sourceReports + u"/Protokol.html"_s));
}
