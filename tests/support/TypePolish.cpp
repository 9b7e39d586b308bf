#include "support/TypePolish.h"

#include <QTest>

namespace trelimor::test {

void typePolish(QWidget* widget, const QString& text)
{
    for (const QChar ch : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(ch), Qt::NoModifier);
}

} // namespace trelimor::test
