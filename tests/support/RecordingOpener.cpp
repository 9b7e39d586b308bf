#include "support/RecordingOpener.h"

#include <QCoreApplication>
#include <QDialog>
#include <QGuiApplication>
#include <QTest>
#include <QWidget>
#include <QWindow>

#include <gtest/gtest.h>

namespace trelimor::test {

RecordingOpener::RecordingOpener(bool failOnOpen)
    : m_failOnOpen(failOnOpen)
    , m_defaultResult(QDialog::Rejected)
{}

RecordingOpener::~RecordingOpener() = default;

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
    passFocusOn(window);
    return window.result();
}

void RecordingOpener::passFocusOn(QDialog& closed)
{
    QWindow* hidden = closed.windowHandle();
    // Activations still on their way (the window's own, asked for at its showing) land first.
    QCoreApplication::processEvents();
    if (!hidden || QGuiApplication::focusWindow() != hidden)
        return;
    // A hidden window that keeps the focus makes the window it was opened from look active
    // (its transient child has the focus) and would itself get no activation when shown again.
    QWidget* next = nullptr;
    if (QWindow* below = hidden->transientParent())
        next = QWidget::find(below->winId());
    if (!next || !next->isVisible()) {
        if (!m_focusSink) {
            m_focusSink = std::make_unique<QWidget>(nullptr, Qt::FramelessWindowHint);
            m_focusSink->setObjectName(QStringLiteral("focusSink"));
            m_focusSink->setGeometry(-10, -10, 1, 1);
        }
        next = m_focusSink.get();
        next->show();
    }
    next->activateWindow();
    if (!QTest::qWaitFor([next] { return QGuiApplication::focusWindow() == next->windowHandle(); }))
        ADD_FAILURE() << "The focus did not leave the closed window \"" << closed.objectName().toStdString()
                      << "\"";
    if (next == m_focusSink.get())
        m_focusSink->hide();
}

} // namespace trelimor::test
