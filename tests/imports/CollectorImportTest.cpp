#include "ImportFixture.h"

#include "support/TestFiles.h"

#include <QApplication>

using namespace trelimor;
using namespace trelimor::test;

namespace {

class CollectorImportTest : public ImportFixture
{
protected:
    // The hidden "&Wczytaj nagłówek partii z pliku kolektora" with a file of these lines; the
    // boxes it showed.
    std::vector<DialogCall> wczytajKolektor(const QByteArray& tresc, const QByteArray& koniecLinii)
    {
        const QString plik = folders.path(QStringLiteral("partia.SER"));
        writeFile(plik, QByteArray(tresc).replace("\n", koniecLinii));
        const std::size_t przed = dialogs->calls().size();
        dialogs->answerFile(plik);
        okno().ComWczytKolektor->click();
        EXPECT_EQ(okno().CommonDialog1Tag, plik);
        return {dialogs->calls().begin() + qsizetype(przed) + 1, dialogs->calls().end()};
    }
};

TEST_F(CollectorImportTest, AHeaderOfTheCountyAndMonthOpensTheBatchFrame)
{
    otworzOknoPartii();
    FormPartia& w = okno();
    // Sample lines come before the header line, which is found though indented.
    const std::size_t przed = dialogs->calls().size();
    EXPECT_TRUE(wczytajKolektor("[Probka]|1|PL005467389121\n  [Partia]|1465|001|15.03.2022\n"
                                "[Probka]|2|PL005467389122\n",
                                "\r\n")
                    .empty());
    EXPECT_EQ(dialogs->calls().at(przed).filter, QStringLiteral("All Files (*.*)|*.*|Tekst (*.SER)|*.SER"));
    EXPECT_EQ(dialogs->calls().at(przed).filterIndex, 2);
    ASSERT_FALSE(w.FramePartia->isHidden());
    EXPECT_EQ(w.FramePartia->title(), QStringLiteral("NOWA PARTIA"));
    EXPECT_EQ(w.TextPowiat->text(), QStringLiteral("1465"));
    EXPECT_EQ(w.TextDataPobr->text(), QStringLiteral("15.03.2022"));
    EXPECT_TRUE(w.TrybWczytywania.isEmpty()); // completed and saved by hand
    EXPECT_FALSE(w.ComDodajPr->isEnabled());
}

TEST_F(CollectorImportTest, AHeaderOfAnotherMonthYearOrCountyIsRefused)
{
    otworzOknoPartii();
    FormPartia& w = okno();
    const QString innyPowiat = QStringLiteral("Wczytywany plik zawiera dane z kodem powiatu 1402.\r"
                                              "Zmień kod powiatu z którym aktualnie chcesz pracować!");

    std::vector<DialogCall> okna = wczytajKolektor("[Partia]|1465|001|15.02.2022\n", "\n");
    ASSERT_EQ(okna.size(), 1u);
    EXPECT_EQ(okna[0].title, QStringLiteral("INFORMACJA"));
    EXPECT_EQ(okna[0].text, QStringLiteral("Wczytywany plik zawiera dane z miesiąca 02 (Luty)\r"
                                           "W oknie głównym programu zmień datę na miesiąc Luty i wczytaj "
                                           "ponownie!"));
    EXPECT_TRUE(w.FramePartia->isHidden());
    EXPECT_TRUE(w.ComDodajPr->isEnabled());

    // The working month of another year.
    okna = wczytajKolektor("[Partia]|1465|001|2021-03-15|\n", "\n");
    ASSERT_EQ(okna.size(), 1u);
    EXPECT_EQ(okna[0].text,
              QStringLiteral("Wczytywany plik zawiera dane z miesiąca 03 (Marzec) roku 2021\r"
                             "W oknie głównym programu zmień datę na miesiąc Marzec 2021 i wczytaj "
                             "ponownie!"));
    EXPECT_TRUE(w.FramePartia->isHidden());

    // Another county in the working month: told twice, the frame stays for a cancel.
    okna = wczytajKolektor("[Partia]|1402|001|15.03.2022\n", "\n");
    ASSERT_EQ(okna.size(), 2u);
    EXPECT_EQ(okna[0].text, innyPowiat);
    EXPECT_EQ(okna[0].icon, ui::Icon::Information);
    EXPECT_EQ(okna[1].title, QStringLiteral("INFORMACJA"));
    EXPECT_EQ(okna[1].icon, ui::Icon::Warning);
    EXPECT_EQ(okna[1].text,
              QStringLiteral("Aktualnie program ustawiony jest na pracę z powiatem o kodzie: 1465\r"
                             "Próbujesz zapisać dane przeznaczone dla powiatu: 1402\r"
                             "Zmień kod powiatu z którym aktualnie chcesz pracować\r"
                             "lub Anuluj proces zapisywania!"));
    EXPECT_FALSE(w.FramePartia->isHidden());
    EXPECT_EQ(QApplication::focusWidget(), w.ComAnulujFr);
    w.ComAnulujFr->click();

    // A tag in lower case is no header; neither is a header without a sampling date.
    for (const QByteArray& tresc :
         {QByteArray("[partia]|1465|001|15.03.2022\n"), QByteArray("[Partia]|1465\n")}) {
        okna = wczytajKolektor(tresc, "\r");
        ASSERT_EQ(okna.size(), 1u);
        EXPECT_EQ(okna[0].title, QStringLiteral("WCZYTYWANIE"));
        EXPECT_EQ(okna[0].text, QStringLiteral("Niepoprawny format wczytywanego pliku!\r"
                                               "Sprawdź plik i wczytaj ponownie!"));
        EXPECT_TRUE(w.FramePartia->isHidden());
    }
}

} // namespace
