#include "BatchRows.h"
#include "SampleFixture.h"

using namespace trelimor;
using namespace trelimor::test;

namespace {

class EarTagSearchTest : public SampleFixture
{
};

TEST_F(EarTagSearchTest, FindsTheHerdSeatOfTheSampleAndClosesTheSearchFrame)
{
    zaloguj();
    dodajPartie(rok(), 1, 2);
    dodajPartie(rok(), 2, 1);
    // The older layout in which an order's samples belong to herd seats.
    rok().execute(
        QStringLiteral("CREATE TABLE PARTIAG (PARTIAG INTEGER, PARTIA INTEGER, NRGOSPOD VARCHAR(20))"));
    rok().execute(QStringLiteral("ALTER TABLE Badanie ADD COLUMN PARTIAG INTEGER"));
    rok().execute(QStringLiteral("INSERT INTO PARTIAG VALUES (10, 1, 'PL0123456789001'), (11, 1, 'PL9')"));
    rok().execute(QStringLiteral(
        "UPDATE Badanie SET PARTIAG = 11, NrKolczyka = 'DE123' WHERE Partia = 1 AND NrProbki = 2"));
    otworzOkno();
    FormPartia& w = okno();

    w.TextNrKolczyka->clear();
    w.SzukajKolczyk();
    EXPECT_EQ(dialogs->last().text, QStringLiteral("Wpisz numer kolczyka!"));
    EXPECT_EQ(dialogs->last().title, QStringLiteral("INFORMACJA"));

    w.ComSzukaj_Click();
    EXPECT_FALSE(w.ComZamk->isEnabled());
    EXPECT_TRUE(w.LabData->isEnabled());
    w.TextNrKolczyka->setText(QStringLiteral(" PL999"));
    w.SzukajKolczyk();
    EXPECT_EQ(dialogs->last().text,
              QStringLiteral("W bieżącym miesiącu brak próbki o numerze kolczyka:  PL999"));
    EXPECT_EQ(dialogs->last().title, QStringLiteral("SZUKANIE"));
    EXPECT_EQ(fokus(), QStringLiteral("TextNrKolczyka"));
    EXPECT_EQ(w.TextNrKolczyka->selectedText(), QStringLiteral(" PL999"));

    // Found however it is typed; the seat's order becomes current and lists its seats.
    w.TextNrKolczyka->setText(QStringLiteral(" de123 "));
    w.SzukajKolczyk();
    EXPECT_EQ(dialogs->last().text,
              QStringLiteral("Próbka z numerem kolczyka:  de123 \rznajduje się w partii: 1, "
                             "nr siedziby stada: PL9, nr próbki: 2"));
    EXPECT_EQ(w.DataPartia->recordset().value(QStringLiteral("Partia")).toInt(), 1);
    EXPECT_EQ(w.DataProbka->recordCount(), 2);
    EXPECT_EQ(w.DataProbka->currentRow(), 1);
    EXPECT_EQ(w.sampleCaption(), QStringLiteral("SIEDZIBY STAD NALEŻĄCE DO ZLECENIA 1"));
    EXPECT_TRUE(w.FrameSzukaj->isHidden());
    EXPECT_TRUE(w.ComZamk->isEnabled());

    // A sample whose seat is gone: nothing is said and nothing moves.
    rok().execute(QStringLiteral("DELETE FROM PARTIAG WHERE PARTIAG = 11"));
    const std::size_t shown = dialogs->calls().size();
    w.SzukajKolczyk();
    EXPECT_EQ(dialogs->calls().size(), shown);
}

} // namespace
