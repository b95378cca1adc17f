// The cheap parts of the browser link: where the module is looked for and
// how the sandbox is switched off for root. Nothing here loads the engine.

#include "browser/sandbox_flags.h"
#include "modules/module_loader.h"

#include <QFileInfo>
#include <QTemporaryFile>
#include <QTest>

#include <cstdio>
#include <unistd.h>

class TestBrowserSupport : public QObject {
    Q_OBJECT

private slots:
    void withNoSandbox_data()
    {
        QTest::addColumn<QByteArray>("flags");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("no flags") << QByteArray() << QByteArray("--no-sandbox");
        QTest::newRow("blanks only") << QByteArray("   ") << QByteArray("--no-sandbox");
        QTest::newRow("other flags kept in front")
            << QByteArray(" --disable-gpu  --foo=1 ") << QByteArray("--disable-gpu  --foo=1 --no-sandbox");
        QTest::newRow("already there, not doubled")
            << QByteArray("--disable-gpu --no-sandbox") << QByteArray("--disable-gpu --no-sandbox");
        QTest::newRow("a longer flag with the same start is another flag")
            << QByteArray("--no-sandbox-for-x") << QByteArray("--no-sandbox-for-x --no-sandbox");
    }

    void withNoSandbox()
    {
        QFETCH(QByteArray, flags);
        QFETCH(QByteArray, expected);
        QCOMPARE(orvane::withNoSandbox(flags), expected);
    }

    // Root gets the flag and exactly one line on standard error, however
    // often the link asks; anyone else gets neither.
    void disableSandboxOnlyForRoot()
    {
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu");
        const bool root = geteuid() == 0;

        QTemporaryFile capture;
        QVERIFY(capture.open());
        std::fflush(stderr);
        const int saved = dup(STDERR_FILENO);
        QVERIFY(saved >= 0);
        QVERIFY(dup2(capture.handle(), STDERR_FILENO) >= 0);
        const bool first = orvane::disableSandboxIfRoot();
        const bool second = orvane::disableSandboxIfRoot();
        std::fflush(stderr);
        dup2(saved, STDERR_FILENO);
        close(saved);

        QCOMPARE(first, root);
        QCOMPARE(second, root);
        capture.seek(0);
        const QByteArray said = capture.readAll();
        const QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
        if (root) {
            QCOMPARE(said.count('\n'), 1);
            QVERIFY(said.contains("sandbox"));
            QCOMPARE(flags, QByteArray("--disable-gpu --no-sandbox"));
        } else {
            QVERIFY(said.isEmpty());
            QCOMPARE(flags, QByteArray("--disable-gpu"));
        }
    }

    void moduleCandidates()
    {
        const auto browserModuleCandidates = [](const QString &appDir) {
            return orvane::moduleCandidates(appDir, ORVANE_MODULE_PLACES(BROWSER));
        };
        const QStringList withApp = browserModuleCandidates(QStringLiteral("/opt/app/bin"));
        QCOMPARE(withApp.size(), 4);
        // An installed program's own module comes first: lib/.../orvane beside bin.
        const QString file = QFileInfo(withApp.at(1)).fileName();
        QVERIFY2(withApp.at(0).startsWith(QStringLiteral("/opt/app/lib")), qPrintable(withApp.at(0)));
        QVERIFY(withApp.at(0).endsWith(QStringLiteral("/orvane/") + file));
        // Then the build tree's module, which is really there.
        QVERIFY2(QFileInfo(withApp.at(1)).isFile(), qPrintable(withApp.at(1)));
        QVERIFY(withApp.at(2).endsWith(QStringLiteral("/orvane/") + file));
        QVERIFY(QFileInfo(withApp.at(2)).isAbsolute());
        QCOMPARE(withApp.at(3), QStringLiteral("/opt/app/bin/") + file);

        QCOMPARE(browserModuleCandidates(QString()), withApp.mid(1, 2));
    }
};

QTEST_GUILESS_MAIN(TestBrowserSupport)
#include "tst_browser_support.moc"
