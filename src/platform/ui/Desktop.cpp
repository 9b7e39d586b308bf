#include "platform/ui/Desktop.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

using namespace Qt::StringLiterals;

namespace trelimor::ui {

QFont windowFont()
{
    QFont font(u"Liberation Sans"_s, 8);
    // Should the face be missing, a sans-serif face of the same size stands in for it.
    font.setStyleHint(QFont::SansSerif);
    return font;
}

void useWindowFont()
{
    QApplication::setFont(windowFont());
}

QTranslator* usePolishLanguage()
{
    const QLocale polish(QLocale::Polish, QLocale::Poland);
    QLocale::setDefault(polish);
    // Kept for the whole run: the application only refers to an installed translator.
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(polish, u"qtbase"_s, u"_"_s, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return nullptr;
    }
    QCoreApplication::installTranslator(translator);
    return translator;
}

} // namespace trelimor::ui
