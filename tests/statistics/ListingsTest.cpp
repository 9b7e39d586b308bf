#include "StatisticsFixture.h"

#include "common/ModLabor.h"

#include "platform/paths/Folders.h"
#include "platform/report/Report.h"

#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QStringEncoder>

#include <gtest/gtest.h>

using namespace trelimor;
using namespace trelimor::test;
using namespace Qt::StringLiterals;

namespace {

class ListingsTest : public StatisticsFixture
{
protected:
    static void wybierz(FormZestawienieBSE& w, const char* opcja)
    {
        w.findChild<QRadioButton*>(QString::fromLatin1(opcja))->setChecked(true);
    }
    static QByteArray cp1250(const QString& text)
    {
        QStringEncoder encode("windows-1250");
        return encode.encode(text);
    }
    static QString folderDnia() { return paths::join(paths::exportFolder(), u"20220331"_s); }
    // Three rows as the last listing left them: dates out of order, one tie, a value holding a
    // TAB and a line break, an empty age and a fractional one.
    static void wierszeListy()
    {
        robot().execute(
            u"INSERT INTO IloscZak (KodPIW, PiwNazwa, NrKolczyka, DataUboju, Wiek, DataWyniku, RodzajUboju, "
            "Wynik, DataWprow, Uwagi, Gatunek, Opis, KodZakladu, TypWNI, IDProbki, DataPobr) VALUES "
            "('1465', 'Warszawa', 'PL000000000002', '2022-03-02 00:00:00', '23,5', '2022-03-05 00:00:00', "
            "'N', "
            "'ujemny', NULL, 'pierwsza' || char(13, 10) || 'druga' || char(9) || 'kolumna', 'Bydło', 'pień "
            "mózgu', "
            "'14650001', 'Rzeźnia', '17', '2022-03-01 00:00:00'), "
            "('1412', 'Mińsk Mazowiecki', 'PL000000000001', '2022-03-01 00:00:00', '', NULL, 'K', NULL, "
            "'2022-03-02 00:00:00', NULL, 'Kozy', NULL, NULL, NULL, NULL, NULL), "
            "('0261', NULL, 'DE000000001xxx', '2022-03-02 00:00:00', NULL, NULL, NULL, NULL, NULL, NULL, "
            "NULL, "
            "NULL, NULL, NULL, NULL, NULL)"_s);
    }
};

TEST_F(ListingsTest, ListingsStopWithTheirOwnReportOnAYearWithoutTheirColumnsAndTheReportFollows)
{
    zaloguj();
    ModLabor().BazaStale.execute(u"INSERT INTO PIW (IDPIW, Miasto) VALUES ('1465', 'Warszawa')"_s);
    partia(1, u"14650001"_s, {{u"DataUboju"_s, QDate(2022, 3, 1)}, {u"DataWyniku"_s, QDate(2022, 3, 4)}});
    partia(2, QVariant(), {{u"DataUboju"_s, QDate(2022, 3, 2)}});
    probka(1, {{u"NrKolczyka"_s, u"PL000000000001"_s}, {u"Wiek"_s, 23.5}, {u"Gatunek"_s, u"Bydło"_s}});
    probka(2, {{u"NrKolczyka"_s, u"PL000000000002"_s}});
    const QStringList listing = {
        u"1465|Warszawa|PL000000000001|2022-03-01T00:00:00.000|23,5|2022-03-04T00:00:00.000"_s,
        u"||PL000000000002|2022-03-02T00:00:00.000||-"_s};
    otworz([&](FormZestawienieBSE& w) {
        const std::vector<std::pair<const char*, QString>> cases = {
            {"OptNrKolczykaWiek", QString()},
            {"OptNrKolczykaWNI", u"3265Nie znaleziono elementu 'Opis' w tej kolekcji."_s},
            {"OptGIW1", u"3265Nie znaleziono elementu 'NrOgolny' w tej kolekcji."_s},
            {"OptIloscAnalizPowtorzonych", u"3061Za mało parametrów. Oczekiwano 1. (BadaniaPowtorzone)"_s},
            {"OptIloscAnalizWykonanych", u"3061Za mało parametrów. Oczekiwano 1. (BadaniaPowtorzone)"_s},
        };
        for (const auto& [opcja, blad] : cases) {
            const std::size_t before = dialogs->calls().size();
            const qsizetype opened = opener->opened().size();
            wybierz(w, opcja);
            drukuj(w, u"01.03.2022"_s, u"31.03.2022"_s);
            EXPECT_EQ(opener->opened().mid(opened), QStringList{u"FormDrukRap"_s}) << opcja;
            if (blad.isEmpty()) {
                EXPECT_EQ(dialogs->calls().size(), before) << opcja;
                EXPECT_EQ(wiersze(robot(),
                                  u"SELECT KodPIW, PiwNazwa, NrKolczyka, DataUboju, Wiek, DataWyniku FROM "
                                  "IloscZak ORDER BY rowid"_s),
                          listing);
                EXPECT_EQ(ModLabor().RaportBiezacy->orientation(), QPageLayout::Landscape);
                continue;
            }
            ASSERT_EQ(dialogs->calls().size(), before + 1) << opcja;
            EXPECT_EQ(dialogs->last().title, u"EKSPORT DO PLIKU"_s);
            EXPECT_EQ(dialogs->last().icon, ui::Icon::Information);
            EXPECT_EQ(dialogs->last().text, u"Błąd eksportu! "_s + blad);
            EXPECT_EQ(wiersze(robot(), u"SELECT * FROM IloscZak"_s), QStringList()) << opcja;
        }
        // A period without samples meets no missing column: an empty listing, no box.
        const std::size_t before = dialogs->calls().size();
        wybierz(w, "OptGIW1");
        drukuj(w, u"01.04.2022"_s, u"30.04.2022"_s);
        EXPECT_EQ(dialogs->calls().size(), before);
    });
}

TEST_F(ListingsTest, EachExportWritesTheLastRowsByDateAsTabSeparatedWindows1250)
{
    zaloguj();
    wierszeListy();
    const QString nr =
        u"Lp\tKodPIW\tPowiat\tNrKolczyka\tDataUboju\tWiek_m-c\tDataZakończeniaBadania\tRodzajUboju\t"
        "Wynik\tDataPrzyjęcia\tUwagi\tGatunek\t\r\n"
        "1\t1412\tMińsk Mazowiecki\tPL000000000001\t01.03.2022\t\t\tK\t\t02.03.2022\t\tKozy\t\r\n"
        "2\t1465\tWarszawa\tPL000000000002\t02.03.2022\t23,5\t05.03.2022\tN\tujemny\t\tpierwsza "
        "druga kolumna\tBydło\t\r\n"
        "3\t0261\t\tDE000000001xxx\t02.03.2022\t\t\t\t\t\t\t\t\r\n"_s;
    const QString wni =
        u"Lp\tKod PIW\tPowiat\tNr Kolczyka\tWiek [m-c]\tData uboju\tRodzaj uboju\tOpis próbki\tNr "
        "weterynaryjny zleceniodawcy\tTyp zleceniodawcy\tUwagi\tGatunek\t\r\n"
        "1\t1412\tMińsk Mazowiecki\tPL000000000001\t\t01.03.2022\tK\t\t\t\t\tKozy\t\r\n"
        "2\t1465\tWarszawa\tPL000000000002\t23,5\t02.03.2022\tN\tpień mózgu\t14650001\tRzeźnia\t"
        "pierwsza druga kolumna\tBydło\t\r\n"
        "3\t0261\t\tDE000000001xxx\t\t02.03.2022\t\t\t\t\t\t\t\r\n"_s;
    const QString giw =
        u"Lp\tKOD POWIATU MIEJSCA POBRANIA PRÓBY\tNUMER WETERYNARYJNY ZAKAŁADU (UBOJNIA, ZBIORNICA "
        "PADLINY, ZAKŁAD POŚREDNI)\tNR KOLCZYKA ZWIERZĘCIA\tWIEK ZWIERZĘCIA OKRESLONY W PROTOKOLE "
        "POBRANIA PRÓBY\tNUMER PRÓBY\tDATA POBRANIA PRÓBY\tDATA DOSTARCZENIA PRÓBY\tDATA ZBADANIA "
        "PRÓBY \tRODZAJ UBOJU\tGatunek\tWynik\t\r\n"
        "1\t1412\t\tPL000000000001\t\t\t\t02.03.2022\t\tK\tKozy\t\t\r\n"
        "2\t1465\t14650001\tPL000000000002\t23,5\t17\t01.03.2022\t\t05.03.2022\tN\tBydło\tujemny\t\r\n"
        "3\t0261\t\tDE000000001xxx\t\t\t\t\t\t\t\t\t\r\n"_s;
    otworz([&](FormZestawienieBSE& w) {
        const std::vector<std::tuple<QPushButton*, QString, QString>> exports = {
            {w.ComXlsOptNrKolczykaWiek, u"Zestawienie_NrKolczyka_Wiek_20220331g1000"_s, nr},
            {w.ComXlsOptNrKolczykaWNI, u"Zestawienie_NrKolczyka_WNI_20220331g1000"_s, wni},
            {w.ComXlsOptGIW1, u"Zestawienie_RaportGIW1_20220331g1000"_s, giw},
        };
        for (const auto& [button, name, expected] : exports) {
            const QString path = folders.path(name + u".xls"_s);
            dialogs->answerFile(path);
            button->click();
            ASSERT_GE(dialogs->calls().size(), 2u);
            const DialogCall& save = dialogs->calls()[dialogs->calls().size() - 2];
            EXPECT_EQ(save.kind, DialogCall::Kind::SaveFile);
            EXPECT_EQ(save.path, paths::join(folderDnia(), name)) << "the working date's folder is made";
            EXPECT_EQ(save.filter, u"All Files (*.*)|*.*|Plik Excel (*.xls)|*.xls"_s);
            EXPECT_EQ(save.filterIndex, 2);
            EXPECT_EQ(dialogs->last().title + u": "_s + dialogs->last().text,
                      u"INFORMACJA: Zapis do pliku zakończony powodzeniem!"_s);
            EXPECT_EQ(readFile(path), cp1250(expected)) << name.toStdString();
        }

        // An empty table gives the header line only; a file of the name is replaced.
        robot().execute(u"DELETE FROM IloscZak"_s);
        const QString path = folders.path(u"pusty.xls"_s);
        writeFile(path, "stara treść");
        dialogs->answerFile(path);
        w.ComXlsOptNrKolczykaWiek->click();
        EXPECT_EQ(readFile(path), cp1250(nr.left(nr.indexOf(u'\n') + 1)));
    });
}

TEST_F(ListingsTest, ACancelledOrFailedExportLeavesNoFileAndTheFailureIsTold)
{
    zaloguj();
    wierszeListy();
    otworz([&](FormZestawienieBSE& w) {
        const std::size_t before = dialogs->calls().size();
        dialogs->answerCancel();
        w.ComXlsOptGIW1->click();
        EXPECT_EQ(dialogs->calls().size(), before + 1) << "cancelling says nothing";
        EXPECT_EQ(QDir(folderDnia()).entryList(QDir::Files), QStringList());

        // A folder nobody may write in (a read-only one, or the kernel's own where the tests
        // run with every right).
        QString readOnly = folders.path(u"tylko_do_odczytu"_s);
        QDir().mkpath(readOnly);
        QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::ExeOwner);
        if (QFileInfo(readOnly).isWritable())
            readOnly = u"/proc/self"_s;
        const QString target = paths::join(readOnly, u"lista.xls"_s);
        dialogs->answerFile(target);
        w.ComXlsOptGIW1->click();
        EXPECT_EQ(dialogs->last().title, u"EKSPORT DO PLIKU"_s);
        EXPECT_TRUE(
            dialogs->last().text.startsWith(u"Błąd dostępu do ścieżki/pliku!\rSpróbuj ponownie!\r75"_s))
            << dialogs->last().text.toStdString();
        EXPECT_FALSE(QFileInfo::exists(target));
        EXPECT_EQ(QDir(readOnly).entryList(QDir::Files | QDir::Hidden).filter(u"lista"_s), QStringList());

        // Only the working date's folder is made: without Eksport the export cannot start.
        QDir(folderDnia()).removeRecursively();
        QDir(paths::exportFolder()).removeRecursively();
        w.ComXlsOptGIW1->click();
        EXPECT_TRUE(dialogs->last().text.startsWith(u"Błąd eksportu! Nie można utworzyć folderu "_s))
            << dialogs->last().text.toStdString();
        EXPECT_FALSE(QFileInfo::exists(paths::exportFolder()));
    });
}

} // namespace
