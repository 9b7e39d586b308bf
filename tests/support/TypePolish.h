#pragma once

#include <QString>

class QWidget;

namespace trelimor::test {

// Types the text into the widget one character at a time. Use it instead of QTest::keyClicks,
// which aborts on letters outside Latin-1 (ą, ł, ż ...).
void typePolish(QWidget* widget, const QString& text);

} // namespace trelimor::test
