#include "platform/locale/DatePattern.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace trelimor::locale {
namespace {

TEST(DatePattern, SystemFormatsBecomeWindowsPatterns)
{
    EXPECT_EQ(windowsPatternFromQt(QStringLiteral("dd.MM.yyyy")), QStringLiteral("dd.MM.yyyy"));
    EXPECT_EQ(windowsPatternFromQt(QStringLiteral("M/d/yy")), QStringLiteral("M/d/yy"));
    EXPECT_EQ(windowsPatternFromQt(QStringLiteral("yyyy. MM. dd.")), QStringLiteral("yyyy. MM. dd."));
    EXPECT_EQ(windowsPatternFromQt(QStringLiteral("d MMM yyyy")), QStringLiteral("d MMM yyyy"));
    // Quoted text keeps its letters out of the pattern, quotes inside it included.
    EXPECT_EQ(windowsPatternFromQt(QStringLiteral("d.MM.yy 'г'.")), QStringLiteral("d.MM.yy' г.'"));
    EXPECT_EQ(windowsPatternFromQt(QStringLiteral("dd 'o''clock' gg")), QStringLiteral("dd' o''clock gg'"));
}

TEST(DatePattern, WindowsPatternsBecomeQtFormats)
{
    EXPECT_EQ(qtFormatFromWindows(QStringLiteral("dd.MM.yyyy")), QStringLiteral("dd.MM.yyyy"));
    EXPECT_EQ(qtFormatFromWindows(QStringLiteral("d/M/y")), QStringLiteral("d/M/yy"));
    EXPECT_EQ(qtFormatFromWindows(QStringLiteral("yyyyy-MM-dd gg")), QStringLiteral("yyyy-MM-dd "));
    EXPECT_EQ(qtFormatFromWindows(QStringLiteral("dd 'de' MMMM")), QStringLiteral("dd' de 'MMMM"));
}

TEST(DatePattern, FormatsDatesTheWayTheDesktopWritesThem)
{
    const QDate date(2005, 3, 7);
    const QLocale polish(QLocale::Polish, QLocale::Poland);
    EXPECT_EQ(formatDate(date, QStringLiteral("dd.MM.yyyy"), polish), QStringLiteral("07.03.2005"));
    EXPECT_EQ(formatDate(date, QStringLiteral("d.M.y"), polish), QStringLiteral("7.3.5"));
    EXPECT_EQ(formatDate(date, QStringLiteral("yy-MM-dd"), polish), QStringLiteral("05-03-07"));
    EXPECT_EQ(formatDate(date, QStringLiteral("dddd, d MMMM yyyy 'r.'"), polish),
              QStringLiteral("poniedziałek, 7 marca 2005 r."));
    EXPECT_EQ(formatDate(date, QStringLiteral("dd''MM"), polish), QStringLiteral("07'03"));
    EXPECT_EQ(formatDate(QDate(), QStringLiteral("dd.MM.yyyy"), polish), QString());
}

} // namespace
} // namespace trelimor::locale
