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

TEST(TextLines, UnmarkedUtf8IsToldFromWindows1250ByItsBytes)
{
    // Valid UTF-8 beyond ASCII, without the mark: UTF-8. "Bydło" must stay "Bydło".
    EXPECT_EQ(splitTextLines("1|Byd\xC5\x82o\r\n\xC5\x81\xC3\xB3\x64\xC5\xBA"),
              (QStringList{QStringLiteral("1|Bydło"), QStringLiteral("Łódź")}));
    // More bytes that UTF-8 cannot read than sequences it can: Windows-1250, the lines before
    // them too, and capitals that happen to pair up as a UTF-8 sequence ("ÓŁ").
    EXPECT_EQ(splitTextLines("\xC5\x82\r\n\xB3\xF3\x64\x9F"),
              (QStringList{QStringLiteral("Ĺ‚"), QStringLiteral("łódź")}));
    EXPECT_EQ(splitTextLines("W\xD3\xA3 \xA3\xA5KA"), QStringList{QStringLiteral("WÓŁ ŁĄKA")});
    // A few stray bytes in a UTF-8 text: UTF-8, each stray byte one replacement character (a
    // sequence cut short too), the letters around them kept.
    EXPECT_EQ(
        splitTextLines("1|Byd\xC5\x82o|\xFF|\r\nw\xC4\x85tpliwy \xE2\x82|\xC5\xBC"
                       "e\xC5\x84ska"),
        (QStringList{QStringLiteral("1|Bydło|\uFFFD|"), QStringLiteral("wątpliwy \uFFFD\uFFFD|żeńska")}));
    // Windows-1250 bytes that happen to pair up as UTF-8 lead and continuation bytes are still
    // refused as UTF-8 when they form an overlong or out-of-range sequence.
    EXPECT_EQ(splitTextLines("\xC1\xA1 \xF5\x80\x80\x80"), QStringList{QStringLiteral("Áˇ ő€€€")});
    // A sequence cut short by the line end is no UTF-8 either.
    EXPECT_EQ(splitTextLines("Byd\xC5\r\n\x82o"),
              (QStringList{QStringLiteral("BydĹ"), QStringLiteral("‚o")}));
    EXPECT_TRUE(TextLineReader(QByteArray("a\xC5\x82\xE2\x82\xAC\xF0\x9F\x98\x80")).isUtf8());
    for (const char* invalid :
         {"\xC0\xAF", "\xE0\x80\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\x82", "\xE2\x82"})
        EXPECT_FALSE(TextLineReader(QByteArray(invalid)).isUtf8()) << QByteArray(invalid).toHex().constData();
}

TEST(TextLines, LinesAndLineEndsAcrossThePiecesAFileIsReadIn)
{
    // A CR LF split between two pieces of 64 KiB, and a UTF-8 letter split between them at the
    // end of a line as long as a line may be: the same lines from the bytes and from the file.
    QByteArray bytes(65535, 'a');
    bytes += "\r\nb";
    bytes += QByteArray(65536 - bytes.size() % 65536 - 1, 'c') + "\xC5\x82\r";
    const QStringList expected{QString(65535, u'a'), u'b' + QString(65533, u'c') + u'ł'};
    ASSERT_EQ(expected.at(1).toUtf8().size(), kMaxTextLineBytes);
    EXPECT_EQ(splitTextLines(bytes), expected);
    test::ProgramFolderScope folders;
    const QString path = folders.path(QStringLiteral("duzy.txt"));
    test::writeFile(path, bytes);
    TextLineReader reader(path);
    EXPECT_TRUE(reader.isUtf8());
    EXPECT_EQ(reader.lineCount(), 2);
    EXPECT_EQ(reader.all(), expected);

    // One byte more, and the file is refused, naming the line, before a line of it is given.
    bytes.insert(65537, 'b');
    test::writeFile(path, bytes);
    try {
        TextLineReader longer(path);
        FAIL() << "no refusal";
    } catch (const TextFileRefused& e) {
        EXPECT_TRUE(e.message().startsWith(QStringLiteral("Linia 2 pliku ") + path + QStringLiteral(" jest")))
            << e.message().toStdString();
    }
}

TEST(TextLines, AFileThatCannotBeReadSaysWhich)
{
    test::ProgramFolderScope folders;
    const QString path = folders.path(QStringLiteral("brak.txt"));
    try {
        TextLineReader reader(path);
        FAIL() << "no error";
    } catch (const PlatformError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("Nie można otworzyć pliku %1: plik nie istnieje.").arg(path));
    }
    test::writeFile(path, "a\r\nb");
    EXPECT_EQ(TextLineReader(path).all(), (QStringList{QStringLiteral("a"), QStringLiteral("b")}));
}
