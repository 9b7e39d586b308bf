#include "platform/ui/Desktop.h"
#include "platform/paths/Folders.h"
#include "platform/ui/QtDialogService.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFontInfo>
#include <QLineEdit>
#include <QLocale>
#include <QPrinter>
#include <QTest>
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

TEST(Desktop, AComboListOpensAsWideAsItsLongestItem)
{
    widenComboPopups();
    QComboBox combo;
    combo.setEditable(true); // the lists whose text may also be typed
    combo.setFixedWidth(60);
    combo.addItems({u"BSE"_s, u"badanie w kierunku gąbczastej encefalopatii"_s});
    combo.show(); // polished here: the list is measured
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&combo));
    const QFontMetrics fm(combo.view()->font());
    const auto popupWidth = [&combo] {
        combo.showPopup();
        const int width = combo.view()->window()->width();
        combo.hidePopup();
        return width;
    };
    EXPECT_GE(popupWidth(), fm.horizontalAdvance(u"badanie w kierunku gąbczastej encefalopatii"_s));

    // A longer item added later, one of many (the list then scrolls), widens it again.
    for (int i = 0; i < 20; ++i)
        combo.addItem(QString::number(i));
    combo.addItem(u"badanie w kierunku gąbczastej encefalopatii bydła, pasażowalnej"_s);
    QCoreApplication::processEvents();
    EXPECT_GE(popupWidth(),
              fm.horizontalAdvance(u"badanie w kierunku gąbczastej encefalopatii bydła, pasażowalnej"_s));
}

TEST(Desktop, QtsOwnDialogsSpeakPolishAndEachPrintProposesItsOwnPdf)
{
    const QLocale before;
    QTranslator* translator = usePolishLanguage();
    ASSERT_NE(translator, nullptr) << "qt6-translations-l10n is installed";
    EXPECT_EQ(QLocale().language(), QLocale::Polish);
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), u"Anuluj"_s);

    // One printer serves the run: each opening proposes the report printed now, in the folder
    // of the last file printed to, or in Eksport after a print on paper.
    QPrinter printer;
    const QString otherFolder = QDir::temp().absoluteFilePath(u"wydruki"_s);
    const auto proposal = [&printer](const QString& report) {
        printer.setDocName(report);
        const auto dialog = buildPrintDialog(printer);
        auto* fileName = dialog->findChild<QLineEdit*>(u"filename"_s);
        if (!fileName)
            return u"no name box"_s;
        dialog->show(); // Qt sets its controls again as it shows the dialog
        const QString proposed = fileName->text();
        dialog->hide();
        return proposed;
    };
    const QString first = proposal(u"Protokół 2/2022 20220331"_s);
    EXPECT_EQ(first, paths::join(paths::exportFolder(), u"Protokół 2-2022 20220331.pdf"_s));
    printer.setOutputFileName(first); // printed to that file
    EXPECT_EQ(proposal(u"Protokół 3/2022 20220331"_s),
              paths::join(paths::exportFolder(), u"Protokół 3-2022 20220331.pdf"_s));
    printer.setOutputFileName(paths::join(otherFolder, u"inny.pdf"_s)); // the user's own folder
    EXPECT_EQ(proposal(u"Pismo przewodnie 3/2022 20220331"_s),
              paths::join(otherFolder, u"Pismo przewodnie 3-2022 20220331.pdf"_s));
    printer.setOutputFileName(QString()); // printed on paper
    EXPECT_EQ(proposal(u"Zestawienie 20220331"_s),
              paths::join(paths::exportFolder(), u"Zestawienie 20220331.pdf"_s));

    delete translator; // the translations go with it
    QLocale::setDefault(before);
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), u"Cancel"_s);
}

} // namespace
} // namespace trelimor::ui
