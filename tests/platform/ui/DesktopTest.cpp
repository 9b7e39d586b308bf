#include "platform/ui/Desktop.h"
#include "platform/paths/Folders.h"
#include "platform/ui/QtDialogService.h"

#include <QCoreApplication>
#include <QFontInfo>
#include <QLineEdit>
#include <QLocale>
#include <QPrinter>
#include <QTranslator>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace trelimor::ui {
namespace {

TEST(Desktop, WindowsGetLiberationSansAtEightPoints)
{
    const QFontInfo found(windowFont());
    EXPECT_EQ(found.family(), u"Liberation Sans"_s)
        << "fonts-liberation2 is installed and found by fontconfig";
    EXPECT_EQ(found.pointSize(), 8);
}

TEST(Desktop, QtsOwnDialogsSpeakPolishAndAPdfGoesToEksport)
{
    const QLocale before;
    QTranslator* translator = usePolishLanguage();
    ASSERT_NE(translator, nullptr) << "qt6-translations-l10n is installed";
    EXPECT_EQ(QLocale().language(), QLocale::Polish);
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), u"Anuluj"_s);

    QPrinter printer;
    printer.setDocName(u"Protokół 2/2022 20220331"_s);
    const auto dialog = buildPrintDialog(printer);
    const auto* fileName = dialog->findChild<QLineEdit*>(u"filename"_s);
    ASSERT_NE(fileName, nullptr);
    EXPECT_EQ(fileName->text(), paths::join(paths::exportFolder(), u"Protokół 2-2022 20220331.pdf"_s));

    delete translator; // the translations go with it
    QLocale::setDefault(before);
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), u"Cancel"_s);
}

} // namespace
} // namespace trelimor::ui
