#include "ShellTables.h"
#include "StaleFixture.h"

#include "shell/FormOpcje.h"

#include "support/TypePolish.h"

#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace trelimor;
using namespace trelimor::test;

namespace {

class FormOpcjeTest : public StaleFixture
{
protected:
    void SetUp() override
    {
        StaleFixture::SetUp();
        addRow(stale(), QStringLiteral("PODATNIK"),
               {{QStringLiteral("PodpisLewy"), QStringLiteral("dr Anna Lis")},
                {QStringLiteral("PodpisPrawy"), QStringLiteral("mgr Jan Bąk")}});
        addOption(QStringLiteral("NrZlecRok"), true);
        addOption(QStringLiteral("ExpWynWatp"), false);
        addOption(QStringLiteral("DrukBrKom"), true);
        addOption(QStringLiteral("MoveFile"), false, QStringLiteral("/nie/ma/takiego"));
        // NadzorBad has no row.
    }
    void addOption(const QString& key, bool value, const QString& comment = {})
    {
        addRow(stale(), QStringLiteral("PARAMETRY"),
               {{QStringLiteral("KLUCZ"), key},
                {QStringLiteral("PARAM3"), value},
                {QStringLiteral("KOMENT"), comment}});
    }
    FormOpcje& window()
    {
        FormOpcje& w = FormOpcje::instance();
        if (!w.isVisible())
            w.show();
        return w;
    }
    QVariant option(const QString& key, const QString& field = QStringLiteral("PARAM3"))
    {
        return scalar(QStringLiteral("SELECT %1 FROM PARAMETRY WHERE KLUCZ = ?").arg(field), {key});
    }
    QString signature(const char* field)
    {
        return scalar(QStringLiteral("SELECT %1 FROM PODATNIK").arg(QString::fromLatin1(field))).toString();
    }
};

TEST_F(FormOpcjeTest, OpeningShowsTheStoredValuesSoASaveKeepsThem)
{
    FormOpcje& w = window();
    EXPECT_EQ(w.TextPodpisLewy->text(), QStringLiteral("dr Anna Lis"));
    EXPECT_EQ(w.TextPodpisPrawy->text(), QStringLiteral("mgr Jan Bąk"));
    EXPECT_TRUE(w.CheckNrZlecRok->isChecked());
    EXPECT_FALSE(w.CheckExpWynWatp->isChecked());
    EXPECT_FALSE(w.CheckMoveFile->isChecked());
    EXPECT_FALSE(w.TextMoveFile->isEnabled());
    EXPECT_EQ(w.TextMoveFile->text(), QStringLiteral("/nie/ma/takiego"));
    EXPECT_FALSE(w.CheckNadzorBad->isChecked());
    EXPECT_FALSE(w.CheckNadzorBad->isEnabled()) << "an option without its row cannot be stored";

    w.CheckExpWynWatp->setChecked(true);
    QTest::mouseClick(w.ComZapisz, Qt::LeftButton);
    EXPECT_FALSE(w.isVisible());
    EXPECT_TRUE(dialogs->calls().empty());
    EXPECT_EQ(signature("PodpisLewy"), QStringLiteral("dr Anna Lis"));
    EXPECT_EQ(signature("PodpisPrawy"), QStringLiteral("mgr Jan Bąk"));
    EXPECT_TRUE(option(QStringLiteral("ExpWynWatp")).toBool());
    EXPECT_TRUE(option(QStringLiteral("NrZlecRok")).toBool());
    EXPECT_FALSE(option(QStringLiteral("MoveFile")).toBool());
    EXPECT_EQ(option(QStringLiteral("MoveFile"), QStringLiteral("KOMENT")).toString(),
              QStringLiteral("/nie/ma/takiego"))
        << "the folder is stored also while its option is off";
    EXPECT_EQ(scalar(QStringLiteral("SELECT count(*) FROM PARAMETRY")).toInt(), 4);

    // Cancelled edits are gone at the next opening.
    window();
    w.TextPodpisLewy->setText(QStringLiteral("ktoś inny"));
    QTest::mouseClick(w.ComZamk, Qt::LeftButton);
    EXPECT_EQ(signature("PodpisLewy"), QStringLiteral("dr Anna Lis"));
    EXPECT_EQ(window().TextPodpisLewy->text(), QStringLiteral("dr Anna Lis"));
}

TEST_F(FormOpcjeTest, MissingFolderIsRefusedBeforeAnythingIsStored)
{
    FormOpcje& w = window();
    w.CheckMoveFile->setChecked(true);
    EXPECT_TRUE(w.TextMoveFile->isEnabled());
    w.TextPodpisLewy->setText(QStringLiteral("zmieniony"));
    const QString missing = folders.path(QStringLiteral("brak"));
    w.TextMoveFile->setText(missing);
    QTest::mouseClick(w.ComZapisz, Qt::LeftButton);

    ASSERT_EQ(dialogs->calls().size(), 1u);
    EXPECT_EQ(dialogs->last().text, QStringLiteral("Brak folderu ") + missing + QStringLiteral("\rPopraw!"));
    EXPECT_EQ(dialogs->last().title, QStringLiteral("Kontrola poprawności"));
    EXPECT_EQ(dialogs->last().icon, ui::Icon::Warning);
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(signature("PodpisLewy"), QStringLiteral("dr Anna Lis"));
    EXPECT_FALSE(option(QStringLiteral("MoveFile")).toBool());

    w.TextMoveFile->clear();
    QTest::mouseClick(w.ComZapisz, Qt::LeftButton);
    EXPECT_EQ(dialogs->last().text, QStringLiteral("Brak folderu \rPopraw!"));

    ASSERT_TRUE(QDir().mkpath(missing));
    w.TextMoveFile->setText(missing);
    QTest::mouseClick(w.ComZapisz, Qt::LeftButton);
    EXPECT_EQ(dialogs->calls().size(), 2u);
    EXPECT_FALSE(w.isVisible());
    EXPECT_TRUE(option(QStringLiteral("MoveFile")).toBool());
    EXPECT_EQ(option(QStringLiteral("MoveFile"), QStringLiteral("KOMENT")).toString(), missing);
    EXPECT_EQ(signature("PodpisLewy"), QStringLiteral("zmieniony"));
}

} // namespace
