#include "InstalledRegisterTest.h"

#include "common/ModLabor.h"
#include "common/YearlyDatabase.h"
#include "registers/FormNumery.h"

#include "platform/paths/Folders.h"

#include "support/RecordingOpener.h"
#include "support/TypePolish.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace trelimor;
using namespace trelimor::test;

namespace {

const QString kDate = QStringLiteral("31.03.2022");

QString refusalOf(const QString& daily, const QString& general, const QString& date = kDate)
{
    const auto refusal = sprawdzNumeryProbek(daily, general, date);
    if (!refusal)
        return {};
    EXPECT_EQ(refusal->icon, ui::Icon::Warning);
    return refusal->title + u'|' + refusal->text + u'|' + refusal->focus;
}

const QString kBadDaily =
    QStringLiteral("Popraw|Nieprawidłowy numer dzienny!\rWprowadź ponownie.|TextNrDziennyF");
const QString kBadGeneral =
    QStringLiteral("Popraw|Nieprawidłowy numer ogólny!\rWprowadź ponownie.|TextNrOgolnyF");

class FormNumeryTest : public InstalledRegisterTest
{
protected:
    // A yearly database whose samples carry the entry date and both numbers, with one sample
    // entered on 31.03.2022 as daily number 7 and general number 120.
    void yearlySamples()
    {
        const QString path = paths::join(paths::dataFolder(), QStringLiteral("Trelimor1465PIW2022.sqlite"));
        ASSERT_TRUE(TworzBaze(path));
        db::Database& rok = ModLabor().BazaRok = db::Database::open(path);
        rok.addColumn(QStringLiteral("Badanie"),
                      db::Field::of(QStringLiteral("DataWprowadzenia"), db::DataType::Date));
        rok.addColumn(QStringLiteral("Badanie"),
                      db::Field::of(QStringLiteral("NrDzien"), db::DataType::Integer));
        rok.addColumn(QStringLiteral("Badanie"),
                      db::Field::of(QStringLiteral("NrOgolny"), db::DataType::Long));
        rok.execute(QStringLiteral("INSERT INTO Badanie (Partia, DataWprowadzenia, NrDzien, NrOgolny) "
                                   "VALUES (1, ?, 7, 120)"),
                    {QDate(2022, 3, 31)});
    }
};

TEST_F(FormNumeryTest, BothNumbersMustBeWholeNumbersOfTheirSize)
{
    EXPECT_EQ(refusalOf(QString(), QStringLiteral("1")), kBadDaily);
    EXPECT_EQ(refusalOf(QStringLiteral("12a"), QStringLiteral("1")), kBadDaily);
    EXPECT_EQ(refusalOf(QStringLiteral("1,5"), QStringLiteral("1")), kBadDaily);
    EXPECT_EQ(refusalOf(QStringLiteral("40000"), QStringLiteral("1")), kBadDaily); // beyond 16 bits
    EXPECT_EQ(refusalOf(QStringLiteral(" 7 "), QStringLiteral("x")), kBadGeneral);
    EXPECT_EQ(refusalOf(QStringLiteral(" 7 "), QStringLiteral("3000000000")), kBadGeneral);
    EXPECT_EQ(refusalOf(QStringLiteral(" 7 "), QStringLiteral("70000")), QString());
}

TEST_F(FormNumeryTest, ANumberAlreadyUsedIsRefusedAsTyped)
{
    yearlySamples();
    EXPECT_EQ(refusalOf(QStringLiteral(" 7 "), QStringLiteral("1")),
              QStringLiteral("KONTROLA POPRAWNOŚCI|Nr dzienny:  7  już istnieje! Popraw!|TextNrDziennyF"));
    // The daily number counts only on its own date; the general one in the whole year.
    EXPECT_EQ(refusalOf(QStringLiteral("7"), QStringLiteral("1"), QStringLiteral(" 30.03.2022 ")), QString());
    EXPECT_EQ(refusalOf(QStringLiteral("8"), QStringLiteral("120"), QStringLiteral("30.03.2022")),
              QStringLiteral("KONTROLA POPRAWNOŚCI|Nr ogólny: 120 już istnieje! Popraw!|TextNrOgolnyF"));
    EXPECT_EQ(refusalOf(QStringLiteral("8"), QStringLiteral("121")), QString());
}

TEST_F(FormNumeryTest, EnterMovesOnWithoutPressingOkAndTheNumbersGoBackAsTyped)
{
    yearlySamples();
    const int before = int(boxes().size()); // the announcement of the new yearly file
    Installed<RecordingOpener> opener;
    opener->onOpen(QStringLiteral("FormNumery"), [&](QDialog& w) {
        auto& dialog = static_cast<FormNumery&>(w);
        EXPECT_EQ(QApplication::focusWidget(), dialog.TextNrDziennyF);
        typePolish(dialog.TextNrDziennyF, QStringLiteral("7"));
        QTest::keyClick(dialog.TextNrDziennyF, Qt::Key_Return);
        EXPECT_EQ(QApplication::focusWidget(), dialog.TextNrOgolnyF);
        typePolish(dialog.TextNrOgolnyF, QStringLiteral("121"));
        QTest::keyClick(dialog.TextNrOgolnyF, Qt::Key_Return);
        EXPECT_EQ(QApplication::focusWidget(), dialog.ComOk);
        EXPECT_EQ(boxes().size(), before);

        dialog.ComOk->click();
        EXPECT_EQ(boxes().mid(before),
                  QStringList{QStringLiteral("KONTROLA POPRAWNOŚCI|Nr dzienny: 7 już istnieje! Popraw!")});
        EXPECT_TRUE(dialog.isVisible());
        dialog.TextNrDziennyF->setText(QStringLiteral("8 "));
        dialog.ComOk->click();
        EXPECT_FALSE(dialog.isVisible());
    });
    const auto numbers = podajNumeryProbek(kDate);
    ASSERT_TRUE(numbers.has_value());
    EXPECT_EQ(numbers->nrDzienny, QStringLiteral("8 "));
    EXPECT_EQ(numbers->nrOgolny, QStringLiteral("121"));

    opener->onOpen(QStringLiteral("FormNumery"),
                   [](QDialog& w) { static_cast<FormNumery&>(w).ComAnulujFr->click(); });
    EXPECT_FALSE(podajNumeryProbek(kDate).has_value());
}

} // namespace
