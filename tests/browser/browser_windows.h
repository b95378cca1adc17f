#pragma once
// Finds the browser window and its web view among the application's
// windows, without linking the web engine into the test.

#include <QApplication>
#include <QSignalSpy>
#include <QWidget>

inline QList<QWidget *> browserWindows()
{
    QList<QWidget *> found;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->objectName() == QLatin1String("frmBrowser"))
            found << w;
    }
    return found;
}

inline QWidget *browserWindow()
{
    const QList<QWidget *> windows = browserWindows();
    return windows.size() == 1 ? windows.first() : nullptr;
}

inline QWidget *webView()
{
    QWidget *window = browserWindow();
    return window ? window->findChild<QWidget *>(QStringLiteral("WebBrowser1")) : nullptr;
}

// The web view's loadFinished(bool), caught by name.
inline std::unique_ptr<QSignalSpy> loadFinishedSpy(QWidget *view)
{
    return std::make_unique<QSignalSpy>(view, SIGNAL(loadFinished(bool)));
}
