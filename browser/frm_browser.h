#pragma once
// The browser window: one web view filling the window, nothing else. When a
// page cannot load, a plain sentence over the view says what else will do.

#include <QWidget>

class QLabel;
class QUrl;
class QWebEngineView;

namespace orvane {

class FrmBrowser : public QWidget {
    Q_OBJECT
public:
    FrmBrowser();

    // Shows the window (or brings it to the front) and loads `url` anew.
    void showAndNavigate(const QUrl &url);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWebEngineView *WebBrowser1;
    QLabel *lblOffline;
};

} // namespace orvane
