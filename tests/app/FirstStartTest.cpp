// A user's first start lays out the program folder with the templates that came with the
// program; a folder that is there is left alone, and one that cannot be laid out is reported.

#include "app/FirstStart.h"

#include "platform/paths/Folders.h"

#include "support/Installed.h"
#include "support/ScriptedDialogs.h"
#include "support/TempProgramFolder.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

using namespace trelimor;
using namespace Qt::StringLiterals;

namespace {

class FirstStartTest : public test::TempProgramFolder
{
protected:
    QString inProgramFolder(const QString& relative) const
    {
        return paths::join(folders.programFolder(), relative);
    }

    // Shipped templates: one at the top, one in a subfolder.
    QString shippedTemplates() const
    {
        const QString shipped = folders.path(u"share/reports"_s);
        test::writeFile(shipped + u"/Protokol.html"_s, "<p>{{Partia}}</p>");
        test::writeFile(shipped + u"/parts/styl.html"_s, "<style></style>");
        return shipped;
    }
};

TEST_F(FirstStartTest, LaysOutAMissingFolderOnceAndTellsTheFirstLogin)
{
    test::Installed<test::ScriptedDialogs> dialogs;
    const QString shipped = shippedTemplates();

    ASSERT_TRUE(layOutProgramFolderIfMissing(shipped));
    for (const char* made : {"Trelimor.ini", "Dane/Stale.sqlite", "Dane/Robot.sqlite", "Eksport", "Archiwum",
                             "Raporty/Protokol.html", "Raporty/parts/styl.html"})
        EXPECT_TRUE(QFileInfo::exists(inProgramFolder(QString::fromLatin1(made)))) << made;
    ASSERT_EQ(dialogs->calls().size(), 1u);
    EXPECT_EQ(dialogs->last().title, u"INFORMACJA"_s);
    EXPECT_EQ(dialogs->last().icon, ui::Icon::Information);
    EXPECT_TRUE(dialogs->last().text.contains(folders.programFolder())) << dialogs->last().text.toStdString();
    EXPECT_TRUE(dialogs->last().text.contains(u"login \"admin\", hasło \"admin\""_s))
        << dialogs->last().text.toStdString();

    // Every later start finds the folder: a template the user changed stays as it is.
    test::writeFile(inProgramFolder(u"Raporty/Protokol.html"_s), "zmieniony");
    EXPECT_TRUE(layOutProgramFolderIfMissing(shipped));
    EXPECT_EQ(test::readFile(inProgramFolder(u"Raporty/Protokol.html"_s)), "zmieniony");
    EXPECT_EQ(dialogs->calls().size(), 1u);
}

// The templates are not where the program was installed with them: the start ends after saying
// so, and nothing is made.
TEST_F(FirstStartTest, MissingTemplatesAreReportedAndNothingIsMade)
{
    test::Installed<test::ScriptedDialogs> dialogs;
    const QString missing = folders.path(u"share/brak"_s);
    EXPECT_FALSE(layOutProgramFolderIfMissing(missing));
    ASSERT_EQ(dialogs->calls().size(), 1u);
    EXPECT_EQ(dialogs->last().title, u"INSTALACJA"_s);
    EXPECT_EQ(dialogs->last().icon, ui::Icon::Critical);
    EXPECT_TRUE(dialogs->last().text.contains(missing)) << dialogs->last().text.toStdString();
    EXPECT_TRUE(QDir(folders.programFolder()).isEmpty());
}

} // namespace
