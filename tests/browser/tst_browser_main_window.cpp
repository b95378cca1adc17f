// The browser as the real main window uses it: no engine and no GL driver
// until a link is clicked, and Quit (or closing the last window) ends the
// program with the browser window. Endings run in a child process, so the
// test can watch the program end on its own.

#include "browser/browser_link.h"
#include "browser_windows.h"
#include "main_window/sundial_input.h"
#include "support/loaded_libraries.h"
#include "support/named_child.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QOpenGLContext>
#include <QProcess>
#include <QTcpServer>
#include <QTest>
#include <QTimer>

#include <cstdio>

namespace {

constexpr int kTimeoutMs = 60000;
constexpr char kScenarioSwitch[] = "--scenario";

// The link labels name real web sites and the tests run offline: every
// request goes to a proxy on a loopback port where nobody listens.
QByteArray offlineFlags()
{
    QTcpServer probe;
    if (!probe.listen(QHostAddress::LocalHost))
        qFatal("no loopback port free");
    return "--proxy-server=127.0.0.1:" + QByteArray::number(probe.serverPort());
}

void click(QWidget *window, const char *name)
{
    QTest::mouseClick(orvane::test::namedChild<QWidget>(window, name), Qt::LeftButton);
}

// Fills in a site the calculation accepts: New York on midsummer day.
void fillAcceptedInput(QWidget *window)
{
    QTest::keyClicks(orvane::test::namedChild<QLineEdit>(window, "txtDate"), QStringLiteral("06/21/2024"));
    orvane::test::namedChild<QComboBox>(window, "lstTimeZone")->setCurrentIndex(6);
    QTest::keyClicks(orvane::test::namedChild<QLineEdit>(window, "txtLatitude"), QStringLiteral("40.7"));
    QTest::keyClicks(orvane::test::namedChild<QLineEdit>(window, "txtLongitude"), QStringLiteral("74"));
    click(window, "OptWest");
    click(window, "optStandardinput");
}

bool browserShown()
{
    QWidget *browser = browserWindow();
    return browser && browser->isVisible();
}

void say(const char *what)
{
    std::printf("%s\n", what);
    std::fflush(stdout);
}

// One way of ending the program, run in a child process. It prints what it
// saw along the way; the exit code is the program's own.
int runScenario(const QString &name)
{
    orvane::Sundial_Input window;
    window.show();
    // Connected before the browser exists, so this looks before the
    // browser's own clean-up at the end.
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, &window, [&window] {
        if (!window.isVisible())
            say("main window closed");
        if (!browserShown())
            say("no browser shown");
    });
    QTimer::singleShot(0, &window, [&window, name] {
        if (name != QLatin1String("quit, browser never opened")) {
            click(&window, "lblbrowser");
            if (QTest::qWaitFor(browserShown, kTimeoutMs))
                say("browser shown");
        }
        if (name == QLatin1String("quit, browser closed by the user"))
            browserWindow()->close();
        if (name == QLatin1String("main window closed, then the browser")) {
            window.close();
            // The program must go on while the browser window is open.
            QTest::qWait(500);
            if (browserShown())
                say("browser still shown");
            browserWindow()->close();
            return;
        }
        click(&window, "CmdQuit");
    });
    const int code = QApplication::exec();
    if (!orvane::browserModuleLoaded() && !webEngineMapped())
        say("no engine loaded");
    return code;
}

} // namespace

class TestBrowserMainWindow : public QObject {
    Q_OBJECT

private slots:
    // Must run first in this process.
    void calculatingLoadsNoEngineUntilALinkClick()
    {
        orvane::Sundial_Input window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY2(heavyFilesMapped().isEmpty(), qPrintable(heavyFilesMapped()));

        fillAcceptedInput(&window);
        click(&window, "CmdCalculate");
        QVERIFY(!QApplication::activeModalWidget());
        QVERIFY(!orvane::test::namedChild<QLabel>(&window, "lblResult")->text().isEmpty());
        QVERIFY2(heavyFilesMapped().isEmpty(), qPrintable(heavyFilesMapped()));
        QVERIFY(!orvane::browserModuleLoaded());
        QVERIFY(!QOpenGLContext::globalShareContext());

        click(&window, "lblbrowser");
        QVERIFY(webEngineMapped());
        // The engine ends the program without one.
        QVERIFY(QOpenGLContext::globalShareContext());
        QTRY_VERIFY(browserShown());
        QWidget *browser = browserWindow();
        // Offline, the page cannot load: the view shows its error page and the
        // program says nothing.
        const auto spy = loadFinishedSpy(orvane::test::namedChild<QWidget>(browser, "WebBrowser1"));
        QTRY_VERIFY_WITH_TIMEOUT(!spy->isEmpty(), kTimeoutMs);
        QCOMPARE(spy->first().first().toBool(), false);
        QVERIFY(browserShown());
        QVERIFY(!QApplication::activeModalWidget());

        // The other link reuses the same window, which the main window does not own.
        click(&window, "lblTarnwick");
        QCOMPARE(browserWindows().size(), 1);
        QCOMPARE(browserWindow(), browser);
        QVERIFY(!browser->parentWidget());
        QVERIFY(window.isVisible());
        orvane::closeBrowser();
    }

    // The GL driver checks above can only fail where OpenGL works; here the
    // click must have brought the driver in, so the checks could see it.
    void glDriverChecksCouldFail()
    {
        if (!shareContextValid())
            QSKIP("no OpenGL on this platform and display: the GL driver checks could not fail "
                  "(run under xvfb-run)");
        QVERIFY(!glDriverFiles().isEmpty());
    }

    void endings_data()
    {
        QTest::addColumn<QString>("scenario");
        QTest::addColumn<QStringList>("seen");
        const QString ended = QStringLiteral("main window closed");
        const QString gone = QStringLiteral("no browser shown");
        const QString shown = QStringLiteral("browser shown");

        QTest::newRow("quit, browser open") << QStringLiteral("quit, browser open") << QStringList{shown, ended, gone};
        QTest::newRow("quit, browser never opened") << QStringLiteral("quit, browser never opened")
                                                    << QStringList{ended, gone, QStringLiteral("no engine loaded")};
        QTest::newRow("quit, browser closed by the user")
            << QStringLiteral("quit, browser closed by the user") << QStringList{shown, ended, gone};
        QTest::newRow("main window closed, then the browser")
            << QStringLiteral("main window closed, then the browser")
            << QStringList{shown, QStringLiteral("browser still shown"), ended, gone};
    }

    void endings()
    {
        QFETCH(QString, scenario);
        QFETCH(QStringList, seen);
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(kScenarioSwitch), scenario});
        QVERIFY(child.waitForStarted());
        const bool finished = child.waitForFinished(kTimeoutMs);
        if (!finished)
            child.kill();
        QVERIFY2(finished, "the program did not end");
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QCOMPARE(child.exitCode(), 0);
        const QStringList said = QString::fromUtf8(child.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(said, seen);
    }
};

int main(int argc, char **argv)
{
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", offlineFlags());
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    if (argc == 3 && qstrcmp(argv[1], kScenarioSwitch) == 0)
        return runScenario(QString::fromLocal8Bit(argv[2]));
    TestBrowserMainWindow test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_browser_main_window.moc"
