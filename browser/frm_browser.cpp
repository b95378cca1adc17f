#include "frm_browser.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QShortcut>
#include <QUrl>
#include <QVBoxLayout>
#include <QWebEngineLoadingInfo>
#include <QWebEnginePage>
#include <QWebEngineView>

namespace orvane {

namespace {
// Design client area in twips, 15 twips to the pixel.
constexpr int kTwipsPerPixel = 15;
constexpr int kClientWidthTwips = 11835;
constexpr int kClientHeightTwips = 7080;
} // namespace

FrmBrowser::FrmBrowser() : QWidget(nullptr), WebBrowser1(new QWebEngineView(this)), lblOffline(new QLabel(WebBrowser1))
{
    setObjectName(QStringLiteral("frmBrowser"));
    // A module of its own that links no Orvane library: the application's
    // translators serve it.
    setWindowTitle(QCoreApplication::translate("window", "Browser"));
    WebBrowser1->setObjectName(QStringLiteral("WebBrowser1"));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(WebBrowser1);

    // In the field there is often no network: instead of the engine's own
    // error page, what else sets a watch to the second.
    lblOffline->setObjectName(QStringLiteral("lblOffline"));
    lblOffline->setText(QCoreApplication::translate(
        "window", "This page needs an internet connection; without one, a phone's network time, a "
                  "GPS receiver or a radio time signal sets a watch to the second."));
    lblOffline->setWordWrap(true);
    lblOffline->setAlignment(Qt::AlignCenter);
    lblOffline->setMargin(24);
    lblOffline->setAutoFillBackground(true);
    lblOffline->hide();
    WebBrowser1->installEventFilter(this);
    connect(WebBrowser1->page(), &QWebEnginePage::loadingChanged, this, [this](const QWebEngineLoadingInfo &info) {
        if (info.status() == QWebEngineLoadingInfo::LoadStartedStatus)
            lblOffline->hide();
        else if (info.status() == QWebEngineLoadingInfo::LoadFailedStatus) {
            lblOffline->setGeometry(WebBrowser1->rect());
            lblOffline->show();
            lblOffline->raise();
        }
    });

    // Escape and Ctrl+W close this window; the main window stays.
    for (const QKeySequence &keys : {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)})
        connect(new QShortcut(keys, this), &QShortcut::activated, this, &QWidget::close);

    resize(kClientWidthTwips / kTwipsPerPixel, kClientHeightTwips / kTwipsPerPixel);
}

bool FrmBrowser::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == WebBrowser1 && event->type() == QEvent::Resize)
        lblOffline->setGeometry(WebBrowser1->rect());
    return QWidget::eventFilter(watched, event);
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
