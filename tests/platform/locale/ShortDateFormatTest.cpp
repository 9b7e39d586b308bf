#include "platform/locale/ShortDateFormat.h"
#include "platform/locale/DatePattern.h"
#include "support/QtPrinters.h"
#include "support/ScopedEnv.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace trelimor::locale {
namespace {

// Each test has a configuration folder of its own.
class ShortDateFormat : public ::testing::Test
{
protected:
    QTemporaryDir config;
    test::ScopedEnv configHome{"XDG_CONFIG_HOME", config.path()};
};

TEST_F(ShortDateFormat, LivesInTheConfigurationFolder)
{
    EXPECT_EQ(regionalSettingsFile(), config.filePath(QStringLiteral("Trelimor/regional.ini")));
}

TEST_F(ShortDateFormat, StartsFromTheSystemLocaleAndKeepsIt)
{
    ASSERT_FALSE(QFile::exists(regionalSettingsFile()));
    const QString initial = shortDateFormat();
    EXPECT_EQ(initial, windowsPatternFromQt(QLocale::system().dateFormat(QLocale::ShortFormat)));
    EXPECT_FALSE(initial.isEmpty());
    EXPECT_EQ(QSettings(regionalSettingsFile(), QSettings::IniFormat)
                  .value(QStringLiteral("sShortDate"))
                  .toString(),
              initial);
}

TEST_F(ShortDateFormat, SetPatternIsReadBackAndUsedForDates)
{
    ASSERT_TRUE(setShortDateFormat(QStringLiteral("yyyy-MM-dd")));
    EXPECT_EQ(shortDateFormat(), QStringLiteral("yyyy-MM-dd"));
    EXPECT_EQ(formatShortDate(QDate(2022, 3, 5)), QStringLiteral("2022-03-05"));

    ASSERT_TRUE(setShortDateFormat(QStringLiteral("dd.MM.yyyy")));
    EXPECT_EQ(shortDateFormat(), QStringLiteral("dd.MM.yyyy"));
    EXPECT_EQ(formatShortDate(QDate(2022, 3, 5)), QStringLiteral("05.03.2022"));
}

TEST_F(ShortDateFormat, PatternsWithCommasAndQuotesSurviveTheFile)
{
    const QString pattern = QStringLiteral("d MMM, yyyy 'r.'");
    ASSERT_TRUE(setShortDateFormat(pattern));
    EXPECT_EQ(shortDateFormat(), pattern);
}

TEST_F(ShortDateFormat, FolderThatCannotBeWrittenIsReported)
{
    QFile blocker(config.filePath(QStringLiteral("Trelimor")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly)); // a file where the folder should be
    blocker.close();
    EXPECT_FALSE(setShortDateFormat(QStringLiteral("dd.MM.yyyy")));
}

} // namespace
} // namespace trelimor::locale
