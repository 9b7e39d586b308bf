#include "ShellTables.h"
#include "StaleFixture.h"

#include "shell/FormUzytkownik.h"
#include "shell/UserRecord.h"

#include "common/ModLabor.h"
#include "common/ProgramState.h"
#include "common/YearlyDatabase.h"

#include "support/YearShapes.h"

#include "platform/paths/Folders.h"

#include <QDir>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

using namespace trelimor;
using namespace trelimor::test;

namespace {

TEST(UserRecordChecks, MailsThenPlaceThenTheActiveCountyCode)
{
    UserRecordFrame frame;
    frame.mailPIW = QStringLiteral("piw@radom.pl");
    frame.mailLab = QStringLiteral("zhw@radom.pl");
    frame.miejsc = QStringLiteral("Radom");
    frame.kodPIW1 = QStringLiteral("1401");
    EXPECT_FALSE(checkUserRecord(frame));

    const auto failure = [](UserRecordFrame f) {
        const auto check = checkUserRecord(f);
        return check ? check->focus + QLatin1Char('|') + check->text.section(QLatin1Char('\r'), 0, 0)
                     : QString();
    };
    UserRecordFrame f = frame;
    f.mailPIW.clear();
    f.mailLab.clear();
    f.miejsc.clear();
    EXPECT_EQ(failure(f), QStringLiteral("TextMailPIW|Wprowadź adres Powiatowego Inspektoratu Weterynarii!"));
    f.mailPIW = QStringLiteral(" "); // a blank is a character: the box is not empty
    EXPECT_EQ(failure(f), QStringLiteral("TextMailLab|Wprowadź adres ZHW!"));
    f.mailLab = frame.mailLab;
    EXPECT_EQ(failure(f), QStringLiteral("TextMiejsc|Wprowadź miejscowość pobrania próbek!"));

    f = frame;
    f.kodPIW1.clear();
    EXPECT_EQ(failure(f), QStringLiteral("TextKodPIW1|Wprowadź 4 cyfrowy nr powiatu!"));
    f.kod2Aktywny = true;
    f.kodPIW2 = QStringLiteral("1465");
    EXPECT_TRUE(failure(f).startsWith(QStringLiteral("TextKodPIW1|Aby wprowadzić kod powiatu nr 2")));
    f.kodPIW1 = QStringLiteral("1401");
    f.kodPIW2.clear();
    EXPECT_EQ(
        failure(f),
        QStringLiteral("TextKodPIW2|Jako aktywny został zaznaczony kod powiatu nr 2, który jest pusty."));

    for (const char* bad : {"140", "14O1", " 140"}) {
        f = frame;
        f.kodPIW1 = QString::fromLatin1(bad);
        EXPECT_EQ(failure(f), QStringLiteral("TextKodPIW1|Kod powiatu musi składać się z 4 cyfr!")) << bad;
    }
    f = frame;
    f.kod2Aktywny = true;
    f.kodPIW2 = QStringLiteral("12");
    EXPECT_EQ(failure(f), QStringLiteral("TextKodPIW2|Kod powiatu musi składać się z 4 cyfr!"));
}

class FormUzytkownikTest : public StaleFixture
{
protected:
    void SetUp() override
    {
        StaleFixture::SetUp();
        addRow(stale(), QStringLiteral("PODATNIK"),
               {{QStringLiteral("TX2"), QStringLiteral("Powiatowy Lekarz Weterynarii w Radomiu")},
                {QStringLiteral("TX3"), QStringLiteral("ul. Lubelska 1")},
                {QStringLiteral("KodPIW1"), QStringLiteral("1401")},
                {QStringLiteral("KodPIW2"), QStringLiteral("1465")},
                {QStringLiteral("KodPIW"), QStringLiteral("1401")},
                {QStringLiteral("MailWIW"), QStringLiteral("wiw@radom.pl")},
                {QStringLiteral("MailPIW"), QStringLiteral("piw@radom.pl")},
                {QStringLiteral("MailLab"), QStringLiteral("zhw@radom.pl")},
                {QStringLiteral("Miejsc"), QStringLiteral("Radom")},
                {QStringLiteral("Uzytkownik"), QStringLiteral("LEKARZ")},
                {QStringLiteral("PodpisLewy"), QStringLiteral("lewy")}});
        programState().setCountyCode(QStringLiteral("1401"));
    }

    FormUzytkownik& window()
    {
        showActive(FormUzytkownik::instance());
        return FormUzytkownik::instance();
    }
    QString stored(const QString& field)
    {
        return scalar(QStringLiteral("SELECT %1 FROM PODATNIK").arg(field)).toString();
    }
};

TEST_F(FormUzytkownikTest, ChangedCountyCodeIsStoredAndAnnouncedOnce)
{
    QSignalSpy changed(&programState(), &ProgramState::countyCodeChanged);
    programState().setWorkingDate(QDate(2022, 3, 31));
    ASSERT_TRUE(QDir().mkpath(paths::dataFolder()));
    // The other county's year is there already: it is opened without a word.
    createProgramYear(yearlyDatabasePath(stale().name(), QStringLiteral("1465"), QDate(2022, 3, 31))).close();
    FormUzytkownik& w = window();
    EXPECT_TRUE(w.OptionPIW1->isChecked());
    EXPECT_TRUE(w.OptionUzytkLek->isChecked());
    EXPECT_EQ(w.Label[1]->text(), QStringLiteral("ul. Lubelska 1"));

    w.OptionPIW2->setChecked(true);
    retype(w.TextMiejsc, QStringLiteral("Wola O'Briena"));
    retype(w.Text[1], QStringLiteral("  ul. Nowa 2  "));
    QTest::mouseClick(w.ComZapisz, Qt::LeftButton);

    EXPECT_FALSE(w.isVisible());
    EXPECT_TRUE(dialogs->calls().empty());
    EXPECT_EQ(stored(QStringLiteral("KodPIW")), QStringLiteral("1465"));
    EXPECT_EQ(stored(QStringLiteral("Miejsc")), QStringLiteral("Wola O'Briena"));
    EXPECT_EQ(stored(QStringLiteral("TX3")), QStringLiteral("ul. Nowa 2"));
    EXPECT_EQ(stored(QStringLiteral("PodpisLewy")), QStringLiteral("lewy")) << "not this window's field";
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed.at(0).at(0).toString(), QStringLiteral("1465"));
    EXPECT_EQ(programState().userField(QStringLiteral("Miejsc")), QStringLiteral("Wola O'Briena"));
    EXPECT_EQ(programState().mailLab(), QStringLiteral("zhw@radom.pl"));
    EXPECT_EQ(ModLabor().BazaRok.name(), yearlyDatabasePath())
        << "the other county's yearly database is opened";
    const db::Database opened = ModLabor().BazaRok;

    // Opened again, the active code follows the program's; saving it unchanged announces nothing.
    window();
    EXPECT_TRUE(w.OptionPIW2->isChecked());
    QTest::mouseClick(w.ComZapisz, Qt::LeftButton);
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(changed.count(), 1);
    EXPECT_TRUE(ModLabor().BazaRok == opened);
}

TEST_F(FormUzytkownikTest, AnulujLeaksNothingAndTheStoredRowComesBack)
{
    QSignalSpy changed(&programState(), &ProgramState::countyCodeChanged);
    QSignalSpy mails(&programState(), &ProgramState::mailsChanged);
    FormUzytkownik& w = window();
    w.OptionPIW2->setChecked(true);
    retype(w.TextMailPIW, QStringLiteral("inny@radom.pl"));
    retype(w.Text[0], QStringLiteral("zmienione"));
    QTest::mouseClick(w.ComZamk, Qt::LeftButton);

    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(w.Label[0]->text(), QString());
    EXPECT_EQ(changed.count(), 0);
    EXPECT_EQ(mails.count(), 0);
    EXPECT_EQ(programState().countyCode(), QStringLiteral("1401"));
    EXPECT_TRUE(programState().userRecord().isEmpty());
    EXPECT_EQ(stored(QStringLiteral("MailPIW")), QStringLiteral("piw@radom.pl"));

    window();
    EXPECT_EQ(w.Text[0]->text(), QStringLiteral("Powiatowy Lekarz Weterynarii w Radomiu"));
    EXPECT_EQ(w.TextMailPIW->text(), QStringLiteral("piw@radom.pl"));
    EXPECT_TRUE(w.OptionPIW1->isChecked());
}

TEST_F(FormUzytkownikTest, ActiveCountyCodeOfFewerThanFourDigitsIsRefused)
{
    QSignalSpy changed(&programState(), &ProgramState::countyCodeChanged);
    FormUzytkownik& w = window();
    retype(w.TextKodPIW1, QStringLiteral("140"));
    QTest::mouseClick(w.ComZapisz, Qt::LeftButton);

    ASSERT_EQ(dialogs->calls().size(), 1u);
    EXPECT_EQ(dialogs->last().title, QStringLiteral("INFORMACJA"));
    EXPECT_TRUE(dialogs->last().text.startsWith(QStringLiteral("Kod powiatu musi składać się z 4 cyfr!")));
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(stored(QStringLiteral("KodPIW1")), QStringLiteral("1401"));
    EXPECT_EQ(changed.count(), 0);
}

TEST_F(FormUzytkownikTest, LeavingTheFirstCodeFillsEmptyAddressLinesFromTheRegister)
{
    addRow(stale(), QStringLiteral("PIW"),
           {{QStringLiteral("IDPIW"), QStringLiteral("1465")},
            {QStringLiteral("W"), QStringLiteral("Radomiu")},
            {QStringLiteral("Ulica"), QStringLiteral("ul. Wolska 3")},
            {QStringLiteral("KodPocztowy"), QStringLiteral("26-600")},
            {QStringLiteral("Miasto"), QStringLiteral("Radom")},
            {QStringLiteral("Email"), QStringLiteral("piw@radom.pl")}});
    FormUzytkownik& w = window();
    w.TextKodPIW1->setFocus();
    retype(w.TextKodPIW1, QStringLiteral("1465"));
    w.TextKodPIW2->setFocus();
    EXPECT_EQ(w.Text[1]->text(), QStringLiteral("ul. Lubelska 1")) << "the first line was not empty";

    w.Text[0]->setText(QStringLiteral("  "));
    w.TextKodPIW1->setFocus();
    w.TextKodPIW2->setFocus();
    EXPECT_EQ(w.Label[0]->text(), QStringLiteral("Powiatowy Lekarz Weterynarii w Radomiu"));
    EXPECT_EQ(w.Text[1]->text(), QStringLiteral("ul. Wolska 3"));
    EXPECT_EQ(w.Text[2]->text(), QStringLiteral("26-600 Radom"));
    EXPECT_EQ(w.Text[3]->text(), QStringLiteral("tel. ")) << "a missing telephone is empty text";
    EXPECT_EQ(w.Text[4]->text(), QStringLiteral("e-mail: piw@radom.pl"));
}

} // namespace
