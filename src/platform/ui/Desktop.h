#pragma once

#include <QFont>

class QComboBox;
class QTranslator;

namespace trelimor::ui {

// The font every window is laid out for. Positions and sizes of the controls were made for an
// 8-point MS Sans Serif; Liberation Sans has Arial's widths, so captions fit their controls at
// the same point size where a wider face (DejaVu Sans, the usual default) would be clipped.
QFont windowFont();
// Makes windowFont() the font of every window of the application.
void useWindowFont();

// The program's desktop as a whole: the window font, combo lists as wide as their items and
// Qt's own texts in Polish (each below).
void useDesktopLook();

// From now on the list of every combo box opens at least as wide as its longest item, however
// narrow the combo box itself was laid out; a longer item added later widens it too.
void widenComboPopups();
// The same for one combo box, at once (widenComboPopups() does it when a combo box is polished).
void widenPopupToItems(QComboBox& combo);

// Qt's own texts (the file, print and page dialogs, the standard buttons) in Polish, from Qt's
// translations, and Polish as the default locale. Returns the installed translator, which the
// application owns (deleting it takes the translations back); null when the translations are
// not installed: the dialogs then speak English and everything else works as before.
QTranslator* usePolishLanguage();

} // namespace trelimor::ui
