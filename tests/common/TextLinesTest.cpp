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

// The message of the refusal the reading throws; empty when it reads the text.
template <class Reading>
QString refusalOf(Reading read)
{
    try {
        read();
    } catch (const TextFileRefused& e) {
        return e.message();
    }
    return {};
}

} // namespace

TEST(TextLines, TextsOfEitherEncodingReadRightWithoutTheMark)
{
    // Real texts of both sides, each read as it was written: lower-case Polish, names in capitals
    // as official lists write them (in Windows-1250 "ÓŁ", "ÓŹ", "ĘŚ" and "ĘŻ" are also UTF-8
    // sequences, of Cyrillic and IPA letters), quotes, dashes, the euro and the degree sign.
    const QStringList texts{
        u"1|Bydło|żeńska|wątpliwy"_s,
        u"SPÓŁDZIELNIA MLECZARSKA;GRAJEWO"_s,
        u"AGRO SPÓŁKA JAWNA"_s,
        u"ZAKŁAD MIĘSNY;SOKÓŁKA"_s,
        u"UBOJNIA DROBIU PÓŁNOCNA"_s,
        u"GWÓŹDŹ; CZĘŚĆ; KSIĘŻYC; PRÓŻNIA; ŻÓŁW"_s,
        u"Uwagi: „próbka nr 2” – koszt 5 €"_s,
        u"„ŁÓDŹ” — PÓŁNOC… 4 °C ± 0,5"_s,
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
    EXPECT_EQ(splitTextLines("Byd\xC5\r\n\x82o"), (QStringList{u"BydĹ"_s, u"‚o"_s}));
}

TEST(TextLines, PolishWordsReadRightInEitherEncodingAndEitherCase)
{
    const QStringList words{
        u"źdźbło"_s,
        u"gęś"_s,
        u"żółć"_s,
        u"łódź"_s,
        u"pięść"_s,
        u"ćma"_s,
        u"żołądź"_s,
        u"książę"_s,
        u"mąż"_s,
        u"źrebię"_s,
        u"ósemka"_s,
        u"jaźń"_s,
        u"dżdżownica"_s,
        u"gżegżółka"_s,
        u"chrząszcz"_s,
        u"więź"_s,
        u"koń"_s,
        u"sól"_s,
        u"łąka"_s,
        u"mężny"_s,
        u"spółdzielnia"_s,
        u"północna"_s,
        u"próżnia"_s,
        u"gwóźdź"_s,
        u"część"_s,
        u"księżyc"_s,
        u"ćmielów"_s,
        u"łańcut"_s,
        u"świętochłowice"_s,
        u"ełk"_s,
        u"ząbkowice śląskie"_s,
        u"oświęcim"_s,
        u"źródła"_s,
        u"zażółć gęślą jaźń"_s,
    };
    for (const QString& word : words) {
        for (const QString& text : {word, word.toUpper()}) {
            SCOPED_TRACE(text.toStdString());
            EXPECT_EQ(splitTextLines(inCp1250(text)), QStringList{text});
            EXPECT_EQ(splitTextLines(text.toUtf8()), QStringList{text});
        }
    }
}

TEST(TextLines, AnyLineKeepsItsPolishLettersBesideOtherScriptsSignsAndStrayBytes)
{
    // Signs, other scripts, an emoji and decomposed accents in UTF-8, each read right alone and as a
    // line of a Windows-1250 file; Windows-1250 lines with its signs and capitals, each read right
    // alone and as a line of a UTF-8 file.
    const QStringList utf8Lines{
        u"Bydło|≤0,12"_s,
        u"Bydło|μg"_s,
        u"EKO™ Spółka"_s,
        u"uwaga ✓ Zakład"_s,
        u"Zakład 🐄"_s,
        u"Sklep № 7, ul. Ełcka"_s,
        u"Сергій Коваленко, Łódź"_s,
        u"Łódź"_s.normalized(QString::NormalizationForm_D),
        u"Müller & Søn, Gdańsk ≥ 5 ‰"_s,
        u"Ferma 养猪场, Oława"_s,
        u"שלום, Żyrardów"_s,
    };
    const QStringList cp1250Lines{
        u"Uwagi: „próbka nr 2” – koszt 5 €"_s,
        u"SPÓŁDZIELNIA „PÓŁNOC” — MĘŻNY"_s,
        u"ŻÓŁW – GWÓŹDŹ"_s,
        u"Temperatura 4 °C, próbka nr 7…"_s,
        u"Cena 5 € – ŁÓDŹ"_s,
        u"Księżyc § 5"_s,
    };
    const QByteArray cp1250Neighbour = inCp1250(u"\r\nżeńska, ŁÓDŹ"_s);
    const QByteArray utf8Neighbour = u"\r\nżeńska, ŁÓDŹ"_s.toUtf8();
    for (const QString& line : utf8Lines) {
        SCOPED_TRACE(line.toStdString());
        EXPECT_EQ(splitTextLines(line.toUtf8()), QStringList{line});
        EXPECT_EQ(splitTextLines(line.toUtf8() + cp1250Neighbour), (QStringList{line, u"żeńska, ŁÓDŹ"_s}));
    }
    for (const QString& line : cp1250Lines) {
        SCOPED_TRACE(line.toStdString());
        EXPECT_EQ(splitTextLines(inCp1250(line)), QStringList{line});
        EXPECT_EQ(splitTextLines(inCp1250(line) + utf8Neighbour), (QStringList{line, u"żeńska, ŁÓDŹ"_s}));
    }
    // Bytes that are neither UTF-8 nor a Polish letter or sign of Windows-1250 (FF, a letter cut
    // short) speak for neither: the line's other letters decide, or else the whole file.
    EXPECT_EQ(splitTextLines("Byd\xC5\x82o|\xFF\xFF" + cp1250Neighbour),
              (QStringList{u"Bydło|\uFFFD\uFFFD"_s, u"żeńska, ŁÓDŹ"_s}));
    EXPECT_EQ(splitTextLines("Kowalski Pawe\xC5" + utf8Neighbour),
              (QStringList{u"Kowalski Pawe\uFFFD"_s, u"żeńska, ŁÓDŹ"_s}));
    EXPECT_EQ(splitTextLines("Kowalski Pawe\xC5" + cp1250Neighbour),
              (QStringList{u"Kowalski PaweĹ"_s, u"żeńska, ŁÓDŹ"_s}));
}

TEST(TextLines, OnlyAWellFormedUtf8SequenceSpeaksForUtf8)
{
    // Each sequence alone in a line of a Windows-1250 file, whose reading a line without evidence
    // takes: the well-formed ones at the edges of UTF-8 make their line UTF-8, the overlong,
    // surrogate, out-of-range, lone and cut ones leave it to the file.
    const QByteArray file = inCp1250(u"żeńska\r\n"_s);
    for (const char* wellFormed : {"\xC2\x80", "\xDF\xBF", "\xE0\xA0\x80", "\xED\x9F\xBF", "\xEE\x80\x80",
                                   "\xEF\xBF\xBD", "\xF0\x90\x80\x80", "\xF4\x8F\xBF\xBF"}) {
        SCOPED_TRACE(QByteArray(wellFormed).toHex().constData());
        EXPECT_EQ(splitTextLines(file + wellFormed).value(1), QString::fromUtf8(wellFormed));
    }
    for (const char* malformed :
         {"\xC0\x80", "\xC1\xBF", "\xE0\x9F\xBF", "\xED\xA0\x80", "\xED\xBF\xBF", "\xF0\x8F\xBF\xBF",
          "\xF4\x90\x80\x80", "\xF5\x80\x80\x80", "\x80", "\xE2\x82", "\xF0\x9F\x90"}) {
        SCOPED_TRACE(QByteArray(malformed).toHex().constData());
        QString expected;
        for (const char byte : QByteArray(malformed))
            expected += cp1250::character(static_cast<unsigned char>(byte));
        EXPECT_EQ(splitTextLines(file + malformed).value(1), expected);
    }
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

    // A line with as much evidence either way (a UTF-8 letter and a Windows-1250 one) takes the
    // reading of the whole text: UTF-8 in a text that speaks for it, Windows-1250 in one that
    // speaks for that ...
    const QByteArray even = "l\xC5\x82 \xB3";
    EXPECT_EQ(splitTextLines(u"żeńska\r\n"_s.toUtf8() + even), (QStringList{u"żeńska"_s, u"lł \uFFFD"_s}));
    EXPECT_EQ(splitTextLines(inCp1250(u"żeńska\r\n"_s) + even), (QStringList{u"żeńska"_s, u"lĹ‚ ł"_s}));
    // ... and a text as even as its line is Windows-1250, in which every byte is a character.
    EXPECT_FALSE(TextLineReader(even).isUtf8());
    EXPECT_EQ(splitTextLines(even), QStringList{u"lĹ‚ ł"_s});
    // With the byte-order mark every line is UTF-8, whatever it holds.
    EXPECT_EQ(splitTextLines("\xEF\xBB\xBF" + inCp1250(u"łódź\r\n"_s) + even),
              (QStringList{u"\uFFFD\uFFFDd\uFFFD"_s, u"lł \uFFFD"_s}));
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
    const QString refusal = refusalOf([&] { TextLineReader longer(path); });
    EXPECT_TRUE(refusal.startsWith(QStringLiteral("Linia 2 pliku ") + path + QStringLiteral(" jest")))
        << refusal.toStdString();
}

TEST(TextLines, AFileAtEachBoundIsReadWholeAndOneMoreIsRefused)
{
    test::ProgramFolderScope folders;
    const QString path = folders.path(u"granice.txt"_s);
    const auto refusal = [&] { return refusalOf([&] { TextLineReader reader(path); }); };

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

TEST(TextLines, TheByteOrderMarkIsNoPartOfTheFirstLinesLength)
{
    // A first line as long as a line may be after the mark is read whole, from the bytes and from
    // the file; one byte more is refused as the first line's.
    const QByteArray longest(kMaxTextLineBytes, 'a');
    QByteArray bytes = "\xEF\xBB\xBF" + longest + "\r\nb";
    const QStringList expected{QString::fromLatin1(longest), u"b"_s};
    EXPECT_EQ(splitTextLines(bytes), expected);
    test::ProgramFolderScope folders;
    const QString path = folders.path(u"znacznik.txt"_s);
    test::writeFile(path, bytes);
    EXPECT_EQ(TextLineReader(path).all(), expected);

    bytes.insert(3, 'a');
    test::writeFile(path, bytes);
    const QString refusal = refusalOf([&] { TextLineReader longer(path); });
    EXPECT_TRUE(refusal.startsWith(u"Linia 1 pliku "_s + path + u" jest dłuższa niż 64 KB"_s))
        << refusal.toStdString();
}

TEST(TextLines, RefusalsOfBytesAtHandNameNoFile)
{
    const auto refusal = [](const QByteArray& bytes) { return refusalOf([&] { splitTextLines(bytes); }); };
    EXPECT_EQ(refusal(QByteArray(kMaxTextFileBytes + 1, '\n')),
              u"Plik jest większy niż 32 MB, a tak dużego pliku z danymi program nie wczytuje. Plik nie "
              u"został wczytany."_s);
    EXPECT_EQ(refusal(QByteArray("1\n").repeated(kMaxTextLines + 1)),
              u"Plik ma więcej niż 200\u00a0000 linii, a tylu linii nie ma w plikach z danymi, które program "
              u"wczytuje. Plik nie został wczytany."_s);
    EXPECT_EQ(refusal("a\n" + QByteArray(kMaxTextLineBytes + 1, 'b')),
              u"Linia 2 pliku jest dłuższa niż 64 KB, a tak długich linii nie ma w plikach z danymi, które "
              u"program wczytuje. Plik nie został wczytany."_s);
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
