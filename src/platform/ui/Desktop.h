#pragma once

#include <QFont>

class QTranslator;

namespace trelimor::ui {

// The font every window is laid out for. Positions and sizes of the controls were made for an
// 8-point MS Sans Serif; Liberation Sans has Arial's widths, so captions fit their controls at
// the same point size where a wider face (DejaVu Sans, the usual default) would be clipped.
QFont windowFont();
// Makes windowFont() the font of every window of the application.
void useWindowFont();

// Qt's own texts (the file, print and page dialogs, the standard buttons) in Polish, from Qt's
// translations, and Polish as the default locale. Returns the installed translator, which the
// application owns (deleting it takes the translations back); null when the translations are
// not installed: the dialogs then speak English and everything else works as before.
QTranslator* usePolishLanguage();

} // namespace trelimor::ui
