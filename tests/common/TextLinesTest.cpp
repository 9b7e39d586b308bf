#include "common/TextLines.h"

#include "common/Cp1250.h"

#include "support/TempProgramFolder.h"
#include "support/TestFiles.h"

#include "platform/PlatformError.h"

#include <gtest/gtest.h>

using namespace trelimor;
using namespace Qt::StringLiterals;

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

namespace {

QByteArray inCp1250(const QString& text)
{
    QByteArray bytes;
    cp1250::appendEncoded(text, bytes);
    return bytes;
}

} // namespace

TEST(TextLines, TextsOfEitherEncodingReadRightWithoutTheMark)
{
    // Real texts of both sides, each read as it was written: lower-case Polish, names in capitals
    // as official lists write them (in Windows-1250 "ÓŁ", "ÓŹ", "ĘŚ" and "ĘŻ" are also UTF-8
    // sequences, of Cyrillic and IPA letters), quotes, dashes and the euro sign.
    const QStringList texts{
        u"1|Bydło|żeńska|wątpliwy"_s,
        u"SPÓŁDZIELNIA MLECZARSKA;GRAJEWO"_s,
        u"AGRO SPÓŁKA JAWNA"_s,
        u"ZAKŁAD MIĘSNY;SOKÓŁKA"_s,
        u"UBOJNIA DROBIU PÓŁNOCNA"_s,
        u"GWÓŹDŹ; CZĘŚĆ; KSIĘŻYC"_s,
        u"Uwagi: „próbka nr 2” – koszt 5 €"_s,
    };
    for (const QString& text : texts) {
        SCOPED_TRACE(text.toStdString());
        EXPECT_EQ(splitTextLines(inCp1250(text)), QStringList{text});
        EXPECT_FALSE(TextLineReader(inCp1250(text)).isUtf8());
        EXPECT_EQ(splitTextLines(text.toUtf8()), QStringList{text});
        EXPECT_TRUE(TextLineReader(text.toUtf8()).isUtf8());
    }
    // A few stray bytes in a UTF-8 text: UTF-8, each stray byte one replacement character (a
    // sequence cut short too), the letters around them kept.
    EXPECT_EQ(splitTextLines("1|Byd\xC5\x82o|\xFF|\r\nw\xC4\x85tpliwy \xE2\x82|\xC5\xBC"
                             "e\xC5\x84ska"),
              (QStringList{u"1|Bydło|\uFFFD|"_s, u"wątpliwy \uFFFD\uFFFD|żeńska"_s}));
    // UTF-8 that is no Latin text (Cyrillic, an emoji), overlong or out-of-range forms, a lone
    // continuation byte and a sequence cut short, by the line end too: Windows-1250.
    for (const char* other : {"\xD0\x96\xD0\xB0", "\xF0\x9F\x98\x80", "\xC0\xAF", "\xC1\xA1", "\xE0\x80\xAF",
                              "\xED\xA0\x80", "\xF4\x90\x80\x80", "\x82", "\xE2\x82"})
        EXPECT_FALSE(TextLineReader(QByteArray(other)).isUtf8()) << QByteArray(other).toHex().constData();
    EXPECT_EQ(splitTextLines("Byd\xC5\r\n\x82o"), (QStringList{u"BydĹ"_s, u"‚o"_s}));
}

TEST(TextLines, EachLineIsReadByItsOwnEvidenceAndAnEvenLineByTheWholeText)
{
    // A UTF-8 file with a remark typed in Windows-1250, which holds more Polish letters than the
    // rest, and the other way round: every line right.
    const QString remark = u"Uwagi: próbki dostarczył kierowca, część zbyt późno"_s;
    const QByteArray utf8 = u"1|Bydło\r\n"_s.toUtf8() + inCp1250(remark) + "\r\n2|Łódź";
    EXPECT_EQ(splitTextLines(utf8), (QStringList{u"1|Bydło"_s, remark, u"2|Łódź"_s}));
    const QByteArray cp1250 =
        inCp1250(u"SPÓŁKA ŁĄKA\r\n"_s) + u"Bydło"_s.toUtf8() + inCp1250(u"\r\nżeńska"_s);
    EXPECT_EQ(splitTextLines(cp1250), (QStringList{u"SPÓŁKA ŁĄKA"_s, u"Bydło"_s, u"żeńska"_s}));

    // A line with as much evidence either way (a letter and a stray byte) takes the reading of the
    // whole text: UTF-8 in a text that speaks for it, Windows-1250 in one that speaks for that ...
    const QByteArray even = "l\xC5\x82\xFF";
    EXPECT_EQ(splitTextLines(u"żeńska\r\n"_s.toUtf8() + even), (QStringList{u"żeńska"_s, u"lł\uFFFD"_s}));
    EXPECT_EQ(splitTextLines(inCp1250(u"żeńska\r\n"_s) + even), (QStringList{u"żeńska"_s, u"lĹ‚˙"_s}));
    // ... and a text as even as its line is Windows-1250, in which every byte is a character.
    EXPECT_FALSE(TextLineReader(even).isUtf8());
    EXPECT_EQ(splitTextLines(even), QStringList{u"lĹ‚˙"_s});
    // With the byte-order mark every line is UTF-8, whatever it holds.
    EXPECT_EQ(splitTextLines("\xEF\xBB\xBF" + inCp1250(u"łódź\r\n"_s) + even),
              (QStringList{u"\uFFFD\uFFFDd\uFFFD"_s, u"lł\uFFFD"_s}));
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

TEST(TextLines, AFileAtEachBoundIsReadWholeAndOneMoreIsRefused)
{
    test::ProgramFolderScope folders;
    const QString path = folders.path(u"granice.txt"_s);
    const auto refusal = [&] {
        try {
            TextLineReader reader(path);
        } catch (const TextFileRefused& e) {
            return e.message();
        }
        return QString();
    };

    const QByteArray lines = QByteArray("1\n").repeated(kMaxTextLines);
    test::writeFile(path, lines);
    EXPECT_EQ(TextLineReader(path).all().size(), kMaxTextLines);
    test::writeFile(path, lines + "1");
    EXPECT_TRUE(refusal().startsWith(u"Plik %1 ma więcej niż 200\u00a0000 linii"_s.arg(path)))
        << refusal().toStdString();

    // As large as a file may be: lines of 64 KiB with their line ends.
    const QByteArray longest(kMaxTextLineBytes - 1, 'a');
    const QByteArray largest = (longest + '\n').repeated(kMaxTextFileBytes / kMaxTextLineBytes);
    ASSERT_EQ(largest.size(), kMaxTextFileBytes);
    test::writeFile(path, largest);
    TextLineReader reader(path);
    EXPECT_EQ(reader.lineCount(), 512);
    const QStringList read = reader.all();
    ASSERT_EQ(read.size(), 512);
    EXPECT_EQ(read.last(), QString::fromLatin1(longest));
    test::writeFile(path, largest + "a");
    EXPECT_EQ(refusal(),
              u"Plik %1 jest większy niż 32 MB, a tak dużego pliku z danymi program nie wczytuje. Plik nie "
              u"został wczytany."_s.arg(path));
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
