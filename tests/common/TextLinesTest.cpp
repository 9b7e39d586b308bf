#include "common/TextLines.h"

#include "support/TempProgramFolder.h"
#include "support/TestFiles.h"

#include "platform/PlatformError.h"

#include <gtest/gtest.h>

using namespace trelimor;

TEST(TextLines, AnyLineEndAndBothEncodings)
{
    // Windows-1250 with every kind of line end; empty lines inside are kept, the last end is not
    // a line.
    EXPECT_EQ(splitTextLines("\xa3\xf3\x64\x9f\r\nb\nc\r\rd\r\n"),
              (QStringList{QStringLiteral("Łódź"), QStringLiteral("b"), QStringLiteral("c"), QString(),
                           QStringLiteral("d")}));
    EXPECT_EQ(splitTextLines("bez konca"), QStringList{QStringLiteral("bez konca")});
    EXPECT_TRUE(splitTextLines("").isEmpty());
    // UTF-8 after its byte-order mark.
    EXPECT_EQ(splitTextLines("\xEF\xBB\xBF\xC5\x81\xC3\xB3\x64\xC5\xBA\nx"),
              (QStringList{QStringLiteral("Łódź"), QStringLiteral("x")}));
}

TEST(TextLines, AFileThatCannotBeReadSaysWhich)
{
    test::ProgramFolderScope folders;
    const QString path = folders.path(QStringLiteral("brak.txt"));
    try {
        readTextLines(path);
        FAIL() << "no error";
    } catch (const PlatformError& e) {
        EXPECT_TRUE(e.message().contains(path));
    }
    test::writeFile(path, "a\r\nb");
    EXPECT_EQ(readTextLines(path), (QStringList{QStringLiteral("a"), QStringLiteral("b")}));
}
