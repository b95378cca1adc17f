#pragma once
// Finds the browser window and its web view among the application's
// windows, without linking the web engine into the test.

#include <QApplication>
#include <QSignalSpy>
#include <QWidget>

inline QList<QWidget *> BrowserWindows() {
  QList<QWidget *> found;
  for (QWidget *w : QApplication::topLevelWidgets()) {
    if (w->objectName() == QLatin1String("frmBrowser"))
      found << w;
  }
  return found;
}

inline QWidget *BrowserWindow() {
  const QList<QWidget *> windows = BrowserWindows();
  return windows.size() == 1 ? windows.first() : nullptr;
}

inline QWidget *WebView() {
  QWidget *window = BrowserWindow();
  return window ? window->findChild<QWidget *>(QStringLiteral("WebBrowser1")) : nullptr;
}

// The web view's loadFinished(bool), caught by name.
inline std::unique_ptr<QSignalSpy> LoadFinishedSpy(QWidget *view) {
  return std::make_unique<QSignalSpy>(view, SIGNAL(loadFinished(bool)));
}
