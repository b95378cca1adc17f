#pragma once
// The browser window: one web view filling the window, nothing else.

#include <QWidget>

class QUrl;
class QWebEngineView;

namespace orvane {

class FrmBrowser : public QWidget {
    Q_OBJECT
public:
    FrmBrowser();

    // Shows the window (or brings it to the front) and loads `url` anew.
    void showAndNavigate(const QUrl &url);

private:
    QWebEngineView *WebBrowser1;
};

} // namespace orvane
