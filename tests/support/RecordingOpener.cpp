#include "support/RecordingOpener.h"

#include <QDialog>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

namespace trelimor::test {

RecordingOpener::RecordingOpener(bool failOnOpen)
    : m_failOnOpen(failOnOpen)
    , m_defaultResult(QDialog::Rejected)
{}

RecordingOpener& RecordingOpener::onOpen(const QString& objectName, Handler handler)
{
    m_handlers.insert(objectName, std::move(handler));
    return *this;
}

RecordingOpener& RecordingOpener::setDefaultResult(int result)
{
    m_defaultResult = result;
    return *this;
}

int RecordingOpener::open(QDialog& window)
{
    m_opened.append(window.objectName());
    if (m_failOnOpen)
        ADD_FAILURE() << "Window \"" << window.objectName().toStdString()
                      << "\" was opened modally, but the test installed no RecordingOpener";
    const auto handler = m_handlers.constFind(window.objectName());
    if (handler == m_handlers.constEnd())
        return m_defaultResult;

    window.setResult(QDialog::Rejected);
    window.show();
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window))
        ADD_FAILURE() << "Window \"" << window.objectName().toStdString() << "\" did not become active";
    (*handler)(window);
    if (window.isVisible())
        window.hide();
    // As the window manager does when a window closes, the window it was opened from becomes
    // the active one again.
    QWindow* below = window.windowHandle() ? window.windowHandle()->transientParent() : nullptr;
    if (below && below->isVisible()) {
        below->requestActivate();
        if (!QTest::qWaitForWindowActive(below))
            ADD_FAILURE() << "The window below \"" << window.objectName().toStdString()
                          << "\" did not become active";
    }
    return window.result();
}

} // namespace trelimor::test
