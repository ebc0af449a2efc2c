#pragma once

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

// Runs the event loop until the window has been painted for the first time. On a real
// display the request to paint comes from the display server some time after the window
// is shown, so one pass of the loop may end before it; both start-up programs wait the
// same way. Gives up after five seconds (false).
inline bool waitForFirstPaint(QWidget& window)
{
    struct CWatch : QObject
    {
        bool painted = false;
        bool eventFilter(QObject*, QEvent* event) override
        {
            if (event->type() == QEvent::Paint) painted = true;
            return false;
        }
    } watch;
    bool timedOut = false;
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [&timedOut] { timedOut = true; });
    guard.start(5000);
    window.installEventFilter(&watch);
    QApplication::processEvents();
    while (!watch.painted && !timedOut) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    window.removeEventFilter(&watch);
    return watch.painted;
}
