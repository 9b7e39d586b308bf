#include "platform/ui/FileFilter.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace trelimor::ui {
namespace {

TEST(FileFilter, ConvertsPairsAndSelectsByIndexFromOne)
{
    const QtFileFilters result =
        toQtFileFilters(QStringLiteral("All Files (*.*)|*.*|Excel (*.xls)|*.xls"), 2);
    EXPECT_EQ(result.filters,
              QStringList({QStringLiteral("All Files (*)"), QStringLiteral("Excel (*.xls *.XLS)")}));
    EXPECT_EQ(result.selected, QStringLiteral("Excel (*.xls *.XLS)"));
}

TEST(FileFilter, MatchesExtensionsWhateverTheirCase)
{
    const QtFileFilters result = toQtFileFilters(QStringLiteral("Tekst (*.SER)|*.SER"), 1);
    EXPECT_EQ(result.filters, QStringList(QStringLiteral("Tekst (*.SER *.ser)")));
}

TEST(FileFilter, SplitsSeveralPatternsAndAddsThemToABareDescription)
{
    const QtFileFilters result = toQtFileFilters(QStringLiteral("Arkusze|*.xls;*.csv"), 1);
    EXPECT_EQ(result.filters, QStringList(QStringLiteral("Arkusze (*.xls *.XLS *.csv *.CSV)")));
}

TEST(FileFilter, IndexOutOfRangeSelectsTheFirstAndEmptyGivesNone)
{
    EXPECT_EQ(toQtFileFilters(QStringLiteral("Plik PDF (*.pdf)|*.pdf"), 0).selected,
              QStringLiteral("Plik PDF (*.pdf *.PDF)"));
    EXPECT_EQ(toQtFileFilters(QStringLiteral("A|*.a|B|*.b"), 3).selected, QStringLiteral("A (*.a *.A)"));
    const QtFileFilters empty = toQtFileFilters(QString(), 1);
    EXPECT_TRUE(empty.filters.isEmpty());
    EXPECT_TRUE(empty.selected.isEmpty());
}

TEST(FileFilter, DescriptionWithoutPatternsMatchesEverything)
{
    EXPECT_EQ(toQtFileFilters(QStringLiteral("Wszystko"), 1).filters,
              QStringList(QStringLiteral("Wszystko (*)")));
}

} // namespace
} // namespace trelimor::ui
