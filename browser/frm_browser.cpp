#include "frm_browser.h"

#include <QUrl>
#include <QVBoxLayout>
#include <QWebEngineView>

namespace orvane {

namespace {
// Design client area in twips, 15 twips to the pixel.
constexpr int kTwipsPerPixel = 15;
constexpr int kClientWidthTwips = 11835;
constexpr int kClientHeightTwips = 7080;
} // namespace

FrmBrowser::FrmBrowser() : QWidget(nullptr), WebBrowser1(new QWebEngineView(this))
{
    setObjectName(QStringLiteral("frmBrowser"));
    setWindowTitle(QStringLiteral("Browser"));
    WebBrowser1->setObjectName(QStringLiteral("WebBrowser1"));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(WebBrowser1);

    resize(kClientWidthTwips / kTwipsPerPixel, kClientHeightTwips / kTwipsPerPixel);
}

void FrmBrowser::showAndNavigate(const QUrl &url)
{
    // Shown before navigating, so the window appears at once with the
    // previous page until the new one arrives.
    if (isMinimized())
        setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
    // load() also reloads when the same page is already shown.
    WebBrowser1->load(url);
}

} // namespace orvane
