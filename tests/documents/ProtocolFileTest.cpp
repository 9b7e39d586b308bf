#include "BatchDocumentsFixture.h"

#include "common/ModLabor.h"
#include "common/ProgramState.h"
#include "documents/BatchDocuments.h"
#include "documents/ProtocolFile.h"

#include "platform/paths/Folders.h"

#include "support/RecordingMailCommand.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QStringDecoder>
#include <QTest>

#include <gtest/gtest.h>

using namespace trelimor;
using namespace trelimor::test;

namespace {

using Kind = DialogCall::Kind;

class ProtocolFileTest : public BatchDocumentsFixture
{
protected:
    // The file's lines, decoded from Windows-1250; fails when a line does not end in CR LF.
    static QStringList lines(const QString& path)
    {
        const QByteArray bytes = readFile(path);
        EXPECT_TRUE(bytes.endsWith("\r\n"));
        QStringList result =
            QStringDecoder("windows-1250").decode(bytes).operator QString().split(QStringLiteral("\r\n"));
        result.removeLast();
        for (const QString& line : result)
            EXPECT_FALSE(line.contains(QLatin1Char('\r')) || line.contains(QLatin1Char('\n')))
                << line.toStdString();
        return result;
    }
};

TEST_F(ProtocolFileTest, OneSampleGivesTheProtocolFileByteForByte)
{
    addBatch();
    addSample(1, {{QStringLiteral("Uwagi"), QStringLiteral("Kulawizna\r\nprawa tylna")}});
    okno.select(12);
    const QString path = folders.path(QStringLiteral("protokol.xls"));
    dialogs->answerFile(path).answerNo();

    EksportProtokolu(okno);

    ASSERT_EQ(dialogs->calls().size(), 2u);
    const DialogCall& save = dialogs->calls()[0];
    EXPECT_EQ(save.kind, Kind::SaveFile);
    EXPECT_EQ(save.path, paths::exportFolder() + QStringLiteral("/20220331/14650001_dn_31-03-2022_g_10-00"));
    EXPECT_EQ(save.filter, QStringLiteral("All Files (*.*)|*.*|Plik tekstowy (*.txt)|*.txt|Plik csv "
                                          "(*.csv)|*.csv|Plik Excel (*.xls)|*.xls"));
    EXPECT_EQ(save.filterIndex, 4);
    EXPECT_EQ(readFile(path), readFile(QStringLiteral(TRELIMOR_TEST_DATA_DIR "/protokol_jedna_probka.txt")));
    EXPECT_EQ(dialogs->last().kind, Kind::YesNo);
    EXPECT_EQ(dialogs->last().text,
              QStringLiteral("Plik przygotowany do wysłania!\rCzy wysłać jako załącznik e-mail teraz?"));
    EXPECT_EQ(dialogs->last().title, QStringLiteral("Wysyłanie!"));
    EXPECT_FALSE(dialogs->last().yesIsDefault);
    EXPECT_EQ(ModLabor().BazaRok.scalar(QStringLiteral("SELECT Uwagi FROM Badanie")),
              QVariant(QStringLiteral("Kulawizna\r\nprawa tylna")))
        << "the stored remark is not changed";
    EXPECT_FALSE(okno.waiting()) << "the hourglass is gone";
    EXPECT_EQ(QDir(folders.root()).entryList({QStringLiteral("*.xls*")}, QDir::Files),
              QStringList{QStringLiteral("protokol.xls")})
        << "no temporary file is left beside it";
}

TEST_F(ProtocolFileTest, ThreeSamplesKeepTheirColumnsWhateverTheValuesHold)
{
    addBatch({{QStringLiteral("Pobral"), QStringLiteral("Anna\tNowak")},
              {QStringLiteral("DataWysylki"), QVariant()},
              {QStringLiteral("DataUboju"), QVariant()}});
    addSample(1, {{QStringLiteral("Uwagi"), QStringLiteral("\r\n")}});
    addSample(2, {{QStringLiteral("Gatunek"), QStringLiteral("Owca")},
                  {QStringLiteral("Uwagi"), QStringLiteral("linia 1\nlinia 2\tkolumna")}});
    addSample(3, {{QStringLiteral("Gatunek"), QStringLiteral("Owca")}, {QStringLiteral("Wiek"), 2.5}});
    okno.select(12, 1); // the kind follows the selected sample, a sheep
    const QString path = folders.path(QStringLiteral("protokol"));
    dialogs->answerFile(path).answerNo();

    EksportProtokolu(okno);

    const QStringList l = lines(path);
    ASSERT_EQ(l.size(), 17 + 3 + 22);
    EXPECT_EQ(l[1], QStringLiteral(" - badania w kierunku TSE"));
    EXPECT_TRUE(l[6].endsWith(QStringLiteral("NR WEWNĘTRZNY ZHW: TSE/")));
    EXPECT_EQ(l[2], QStringLiteral("\t\t\t\t\t\t\tWarszawa dn.  r."));
    EXPECT_EQ(l[11], QStringLiteral("\t\tData uboju:\t\t\t\tData pobrania próbek:\t30.03.2022"));
    for (int i = 17; i < 20; ++i) {
        EXPECT_EQ(l[i].count(QLatin1Char('\t')), 31) << l[i].toStdString();
        EXPECT_TRUE(l[i].startsWith(QString::number(i - 16) + QLatin1Char('\t')));
    }
    EXPECT_EQ(l[17].split(QLatin1Char('\t'))[8], QString())
        << "a remark of CR LF alone is written as nothing";
    EXPECT_EQ(l[18].split(QLatin1Char('\t'))[8], QStringLiteral("linia 1 linia 2 kolumna"));
    EXPECT_EQ(l[19].split(QLatin1Char('\t'))[5], QStringLiteral("2,5"));
    EXPECT_EQ(l[20 + 12], QStringLiteral("..........Anna Nowak") + QString(90, QLatin1Char('.')));
    EXPECT_EQ(l.last(),
              QStringLiteral("podpis osoby odbierającej próbki w laboratorium\t\t\t\t\t\tdata i godzina "
                             "dostarczenia próbek do laboratorium"));
}

TEST_F(ProtocolFileTest, TheFileIsMailedToTheLaboratoryAndTheInspectorate)
{
    // The folder follows the working date, the name the clock.
    programState().setWorkingDate(QDate(2022, 12, 31));
    clock->set(QDateTime(QDate(2023, 1, 1), QTime(0, 5)));
    addBatch();
    addSample(1);
    okno.select(12);
    RecordingMailCommand mail(0);
    setMailProgram({mail.path(), {}});
    const QString path = paths::exportFolder() + QStringLiteral("/20221231/14650001_dn_01-01-2023_g_00-05");
    dialogs->answerFile(path).answerYes();

    EksportProtokolu(okno);

    EXPECT_EQ(dialogs->calls()[0].path, path);
    EXPECT_TRUE(QFileInfo::exists(path));
    ASSERT_TRUE(QTest::qWaitFor([&mail] { return mail.ran(); }, 10000));
    EXPECT_EQ(
        mail.arguments(),
        (QStringList{QStringLiteral("--subject"), QStringLiteral("WNI: 14650001, data pobrania: 30.03.2022"),
                     QStringLiteral("--body"), QStringLiteral(" "), QStringLiteral("--attach"), path,
                     QStringLiteral("lab@zhw.example.pl"), QStringLiteral("piw@piw.example.pl")}));
}

TEST_F(ProtocolFileTest, NothingIsWrittenWithoutSamplesOnCancelOrWhenTheFileCannotBeMade)
{
    addBatch();
    okno.select(12);
    EksportProtokolu(okno);
    ASSERT_EQ(dialogs->calls().size(), 1u);
    EXPECT_EQ(dialogs->last().text, QStringLiteral("Brak wyników badań!"));
    EXPECT_EQ(dialogs->last().title, QStringLiteral("EKSPORT"));

    addSample(1);
    okno.select(12);
    dialogs->answerCancel();
    EksportProtokolu(okno);
    EXPECT_EQ(dialogs->calls().size(), 2u) << "a cancelled dialog says nothing";

    const QString unreachable = folders.path(QStringLiteral("brak/protokol.txt"));
    dialogs->answerFile(unreachable);
    EksportProtokolu(okno);
    ASSERT_EQ(dialogs->calls().size(), 4u);
    EXPECT_TRUE(dialogs->last().text.startsWith(
        QStringLiteral("Błąd dostępu do ścieżki/pliku!\rSpróbuj ponownie!\r75")))
        << dialogs->last().text.toStdString();
    EXPECT_EQ(dialogs->last().title, QStringLiteral("EKSPORT DO PLIKU"));
    EXPECT_FALSE(QFileInfo::exists(unreachable));
    EXPECT_FALSE(okno.waiting());
}

} // namespace
