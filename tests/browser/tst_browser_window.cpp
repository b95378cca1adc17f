// The browser window driven through the link as the main window drives it.
// The test links no web engine itself, so the module is what maps it.

#include "browser/browser_link.h"
#include "browser_windows.h"
#include "page_server.h"
#include "support/loaded_libraries.h"

#include <QApplication>
#include <QLabel>
#include <QOpenGLContext>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

namespace {
// The engine's first start can take a while on a loaded machine.
constexpr int kLoadTimeoutMs = 60000;
} // namespace

class TestBrowserWindow : public QObject {
    Q_OBJECT

private:
    PageServer server_;
    QTemporaryDir dir_;

    // Opens `url` and waits for the load to end; returns whether it succeeded.
    bool openAndWait(const QString &url, bool *ok)
    {
        QWidget *view = webView();
        std::unique_ptr<QSignalSpy> spy;
        if (view)
            spy = loadFinishedSpy(view);
        orvane::openBrowser(url);
        if (!view) {
            // First open: the view exists now, and loading has not yet begun.
            view = webView();
            if (!view)
                return false;
            spy = loadFinishedSpy(view);
        }
        if (!spy->wait(kLoadTimeoutMs) && spy->isEmpty())
            return false;
        *ok = spy->first().first().toBool();
        return true;
    }

    static QString pageTitle() { return webView()->property("title").toString(); }
    static QUrl pageUrl() { return webView()->property("url").toUrl(); }

private slots:
    void initTestCase()
    {
        QVERIFY(server_.start());
        QVERIFY(dir_.isValid());
    }

    // Must run first: nothing may have opened the browser yet.
    void closeBeforeOpenLoadsNothing()
    {
        // The check itself must be able to see a library that is there.
        QVERIFY(libraryMapped(QStringLiteral("libQt6Core")));
        QVERIFY2(heavyFilesMapped().isEmpty(), qPrintable(heavyFilesMapped()));
        QVERIFY(!QOpenGLContext::globalShareContext());
        orvane::closeBrowser();
        QVERIFY(!orvane::browserModuleLoaded());
        QVERIFY2(heavyFilesMapped().isEmpty(), qPrintable(heavyFilesMapped()));
        QVERIFY(!QOpenGLContext::globalShareContext());
        QVERIFY(browserWindows().isEmpty());
    }

    void opensPage_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<QString>("title");

        QTest::newRow("http page on loopback")
            << server_.url(QStringLiteral("/first")) << PageServer::titleFor(QStringLiteral("/first"));

        QFile file(dir_.filePath(QStringLiteral("local.html")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("<html><head><title>Local file page</title></head><body>here</body></html>");
        file.close();
        QTest::newRow("local file page") << QUrl::fromLocalFile(file.fileName()).toString()
                                         << QStringLiteral("Local file page");
    }

    void opensPage()
    {
        QFETCH(QString, url);
        QFETCH(QString, title);
        bool ok = false;
        QVERIFY(openAndWait(url, &ok));
        QVERIFY(ok);
        QTRY_COMPARE_WITH_TIMEOUT(pageTitle(), title, kLoadTimeoutMs);
        QCOMPARE(pageUrl(), QUrl(url));

        QVERIFY(orvane::browserModuleLoaded());
        QVERIFY(webEngineMapped());
        // Made on the first open; where OpenGL works, that brings the driver.
        QVERIFY(QOpenGLContext::globalShareContext());
        QCOMPARE(!glDriverFiles().isEmpty(), shareContextValid());
    }

    void windowIsOneOwnerlessModelessWebView()
    {
        QWidget *window = browserWindow();
        QVERIFY(window);
        QVERIFY(window->isVisible());
        QCOMPARE(window->windowTitle(), QStringLiteral("Browser"));
        QVERIFY(!window->parentWidget());
        QCOMPARE(window->windowModality(), Qt::NonModal);
        QVERIFY(window->testAttribute(Qt::WA_QuitOnClose));
        // 11835 x 7080 twips at 15 twips to the pixel.
        QCOMPARE(window->size(), QSize(789, 472));
        // The view fills the window and is its only control.
        QCOMPARE(webView()->geometry(), window->rect());
        const QList<QWidget *> children = window->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly);
        QCOMPARE(children.size(), 1);
    }

    void laterOpensReuseTheWindow_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("another page") << QStringLiteral("/second");
        QTest::newRow("the same page again navigates anew") << QStringLiteral("/second");
        QTest::newRow("back to the first page") << QStringLiteral("/first");
    }

    void laterOpensReuseTheWindow()
    {
        QFETCH(QString, path);
        QWidget *before = browserWindow();
        QVERIFY(before);
        bool ok = false;
        QVERIFY(openAndWait(server_.url(path), &ok));
        QVERIFY(ok);
        QCOMPARE(browserWindows().size(), 1);
        QCOMPARE(browserWindow(), before);
        QTRY_COMPARE_WITH_TIMEOUT(pageTitle(), PageServer::titleFor(path), kLoadTimeoutMs);
    }

    void openRaisesOverAnotherWindow()
    {
        QWidget other;
        other.setWindowTitle(QStringLiteral("other"));
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        orvane::openBrowser(server_.url(QStringLiteral("/raised")));
        QTRY_COMPARE(QApplication::activeWindow(), browserWindow());
        QTRY_COMPARE_WITH_TIMEOUT(pageTitle(), PageServer::titleFor(QStringLiteral("/raised")), kLoadTimeoutMs);
    }

    void unreachableAddressKeepsWindowOpen()
    {
        // A port that was free a moment ago and has nobody listening now.
        QTcpServer probe;
        QVERIFY(probe.listen(QHostAddress::LocalHost));
        const quint16 port = probe.serverPort();
        probe.close();

        bool ok = true;
        QVERIFY(openAndWait(QStringLiteral("http://127.0.0.1:%1/").arg(port), &ok));
        QVERIFY(!ok);
        QVERIFY(browserWindow()->isVisible());
        QVERIFY(!QApplication::activeModalWidget());
        // Instead of the engine's error page, what else sets a watch.
        auto *offline = browserWindow()->findChild<QLabel *>(QStringLiteral("lblOffline"));
        QTRY_VERIFY(offline && offline->isVisible());
        QVERIFY(offline->text().contains(QStringLiteral("internet connection")));

        // The engine is still fine afterwards.
        QVERIFY(openAndWait(server_.url(QStringLiteral("/after-error")), &ok));
        QVERIFY(ok);
        QTRY_COMPARE_WITH_TIMEOUT(pageTitle(), PageServer::titleFor(QStringLiteral("/after-error")), kLoadTimeoutMs);
        QVERIFY(!offline->isVisible());
    }

    void closeThenOpenShowsTheSameWindowAgain()
    {
        QWidget *window = browserWindow();
        QVERIFY(window);
        orvane::closeBrowser();
        QVERIFY(!window->isVisible());
        QCOMPARE(browserWindow(), window);

        bool ok = false;
        QVERIFY(openAndWait(server_.url(QStringLiteral("/reopened")), &ok));
        QVERIFY(ok);
        QVERIFY(window->isVisible());
        QCOMPARE(browserWindow(), window);
        QTRY_COMPARE_WITH_TIMEOUT(pageTitle(), PageServer::titleFor(QStringLiteral("/reopened")), kLoadTimeoutMs);
        orvane::closeBrowser();
        QVERIFY(!window->isVisible());
    }

    // Its own keys close it; the application goes on.
    void keysCloseTheWindow_data()
    {
        QTest::addColumn<QKeySequence>("keys");
        QTest::newRow("Escape") << QKeySequence(Qt::Key_Escape);
        QTest::newRow("Ctrl+W") << QKeySequence(Qt::CTRL | Qt::Key_W);
    }
    void keysCloseTheWindow()
    {
        QFETCH(QKeySequence, keys);
        bool ok = false;
        QVERIFY(openAndWait(server_.url(QStringLiteral("/keys")), &ok));
        QWidget *window = browserWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        QTest::keySequence(window, keys);
        QTRY_VERIFY(!window->isVisible());
    }
};

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    TestBrowserWindow test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_browser_window.moc"
