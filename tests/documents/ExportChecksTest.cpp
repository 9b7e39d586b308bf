#include "BatchDocumentsFixture.h"

#include "common/ModLabor.h"
#include "documents/BatchDocuments.h"

#include <gtest/gtest.h>

using namespace trelimor;
using namespace trelimor::test;

namespace {

using Kind = DialogCall::Kind;

class ExportChecksTest : public BatchDocumentsFixture
{
protected:
    static QVariant declaredCount()
    {
        return ModLabor().BazaRok.scalar(QStringLiteral("SELECT IlProbek FROM Partia WHERE Partia = 12"));
    }
    QStringList texts() const
    {
        QStringList list;
        for (const DialogCall& call : dialogs->calls())
            list << call.text;
        return list;
    }
};

const QString kMissingCount = QStringLiteral(
    "Brak zdefiniowanej ilości próbek w całej partii!\rRzeczywista ilość próbek wpisanych do zaznaczonej "
    "partii wynosi: 3\rCzy wpisać do pola ilość próbek: 3?");

TEST_F(ExportChecksTest, FallenAnimalsWithoutDistrictCodeStopBeforeAnyQuestion)
{
    addBatch({{QStringLiteral("IlProbek"), 9}});
    addSample(1,
              {{QStringLiteral("RodzajUboju"), QStringLiteral("P")}, {QStringLiteral("KodPIW"), QString()}});
    addSample(2,
              {{QStringLiteral("RodzajUboju"), QStringLiteral("P")}, {QStringLiteral("KodPIW"), QVariant()}});
    addSample(3,
              {{QStringLiteral("RodzajUboju"), QStringLiteral("p")}, {QStringLiteral("KodPIW"), QVariant()}});
    okno.select(12);

    ComMail_Click(okno);

    ASSERT_EQ(dialogs->calls().size(), 1u);
    EXPECT_EQ(dialogs->last().text, QStringLiteral("Stwierdzono brak kodu powiatu w 2 próbkach!\rUzupełnij "
                                                   "4-cyfrowy kod PIW i wyślij ponownie!"));
    EXPECT_EQ(dialogs->last().title, QStringLiteral("INFORMACJA"));
    EXPECT_EQ(dialogs->last().icon, ui::Icon::Warning);
    EXPECT_EQ(declaredCount(), QVariant(9));
    EXPECT_FALSE(okno.waiting());
}

TEST_F(ExportChecksTest, AFailingCheckStopsTheExport)
{
    addBatch();
    addSample(1);
    okno.select(12);
    ModLabor().BazaRok.execute(QStringLiteral("ALTER TABLE Badanie RENAME TO BadanieStare"));

    ComMail_Click(okno);

    ASSERT_EQ(dialogs->calls().size(), 1u) << "no question and no save dialog follow";
    EXPECT_TRUE(dialogs->last().text.startsWith(QStringLiteral("Błąd eksportu! ")))
        << dialogs->last().text.toStdString();
    EXPECT_EQ(dialogs->last().title, QStringLiteral("EKSPORT DO PLIKU"));
    EXPECT_TRUE(declaredCount().isNull());
    EXPECT_FALSE(okno.waiting());
}

TEST_F(ExportChecksTest, WithoutADeclaredCountNoStopsAndYesStoresTheRealCount)
{
    addBatch();
    addSample(1);
    addSample(2, {{QStringLiteral("LiczebnoscStada"), QVariant()}});
    addSample(3, {{QStringLiteral("Gatunek"), QStringLiteral("Jeleniowate")},
                  {QStringLiteral("Uzytkowosc"), QVariant()}});
    okno.select(12);

    dialogs->answerNo();
    ComMail_Click(okno);
    EXPECT_EQ(texts(),
              (QStringList{kMissingCount,
                           QStringLiteral("Brak ilości próbek!\rUzupełnij przed wysłaniem pliku!")}));
    EXPECT_TRUE(dialogs->calls()[0].yesIsDefault);
    EXPECT_EQ(dialogs->calls()[0].title, QStringLiteral("Kontrola poprawności!"));
    EXPECT_TRUE(declaredCount().isNull());

    dialogs->answerYes().answerCancel();
    ComMail_Click(okno);
    ASSERT_EQ(dialogs->calls().size(), 5u);
    EXPECT_EQ(declaredCount(), QVariant(3));
    EXPECT_EQ(
        dialogs->calls()[3].text,
        QStringLiteral("W zaznaczonej partii występują próbki z brakiem informacji (użytkowość / objawy "
                       "chorobowe / liczebność stada) w ilości: 1\rInformacje te wymagane są przez "
                       "Centralną Bazę Danych!\rPrzed wysłaniem uzupełnij pola: użytkowość, objawy "
                       "chorobowe, liczebność stada!"))
        << "the deer does not count; the warning does not stop the export";
    EXPECT_EQ(dialogs->last().kind, Kind::SaveFile);
}

TEST_F(ExportChecksTest, ACountThatDiffersStopsUnlessCorrected)
{
    addBatch({{QStringLiteral("IlProbek"), 4}});
    addSample(1);
    addSample(2);
    addSample(3);
    okno.select(12);

    dialogs->answerNo();
    ComMail_Click(okno);
    EXPECT_EQ(texts(),
              (QStringList{QStringLiteral("Niezgodność pomiędzy zadeklarowaną ilością próbek a rzeczywiście "
                                          "wpisaną do zaznaczonej partii!\rRzeczywista ilość próbek "
                                          "wpisanych do programu wynosi: 3\rCzy wpisać do pola ilość "
                                          "próbek: 3?"),
                           QStringLiteral("Przerwanie wysyłania z powodu niezgodności zadeklarowanej i "
                                          "rzeczywistej iliści próbek!\rPopraw!")}));
    EXPECT_EQ(declaredCount(), QVariant(4));

    dialogs->answerYes().answerCancel();
    ComMail_Click(okno);
    EXPECT_EQ(declaredCount(), QVariant(3));
    EXPECT_EQ(dialogs->last().kind, Kind::SaveFile);
}

TEST_F(ExportChecksTest, AWrongKindOfSlaughterAnywhereInTheYearStopsTheExport)
{
    addBatch({{QStringLiteral("IlProbek"), 1}});
    addSample(1);
    addBatch({{QStringLiteral("Partia"), 13}});
    addSample(1, {{QStringLiteral("Partia"), 13}, {QStringLiteral("RodzajUboju"), QStringLiteral("p")}});
    okno.select(12);

    ComMail_Click(okno);
    EXPECT_EQ(texts(),
              QStringList{QStringLiteral("Zidentyfikowano nieprawidłowy rodzaj uboju: p\rPrzed wysłaniem "
                                         "popraw na zgodny z listą wyboru!")});

    ModLabor().BazaRok.execute(QStringLiteral("UPDATE Badanie SET RodzajUboju = NULL WHERE Partia = 13"));
    ComMail_Click(okno);
    EXPECT_EQ(dialogs->last().text,
              QStringLiteral("Zidentyfikowano nieprawidłowy rodzaj uboju: \rPrzed wysłaniem "
                             "popraw na zgodny z listą wyboru!"));

    ModLabor().BazaRok.execute(QStringLiteral("UPDATE Badanie SET RodzajUboju = 'BSEP' WHERE Partia = 13"));
    dialogs->answerCancel();
    ComMail_Click(okno);
    EXPECT_EQ(dialogs->last().kind, Kind::SaveFile) << "every code of the list passes";
}

} // namespace
