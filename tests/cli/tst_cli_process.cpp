// The built program run from a shell with no display at all: no DISPLAY,
// no WAYLAND_DISPLAY, no QT_QPA_PLATFORM.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class TestCliProcess : public QObject {
    Q_OBJECT
private slots:
    void noDisplay_data()
    {
        QTest::addColumn<QString>("latitude");
        QTest::addColumn<int>("status");
        QTest::newRow("answers in JSON") << "40.655" << 0;
        QTest::newRow("refuses latitude 91 with nothing on stdout") << "91" << 2;
    }
    void noDisplay()
    {
        QFETCH(QString, latitude);
        QFETCH(int, status);
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(QLatin1String(name));
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(ORVANE_EXE), {"--date", "6/21/2027", "--latitude", latitude, "--longitude", "72.855W",
                                             "--utc-offset", "-5", "--daylight-saving", "--format", "json"});
        QVERIFY(p.waitForFinished(30000));
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QCOMPARE(p.exitCode(), status);
        const QByteArray out = p.readAllStandardOutput();
        if (status != 0) {
            QVERIFY(out.isEmpty());
            QVERIFY(!p.readAllStandardError().isEmpty());
            return;
        }
        const QJsonObject o = QJsonDocument::fromJson(out).object();
        QCOMPARE(o["site"].toObject()["latitude"].toDouble(), 40.655);
        QCOMPARE(o["site"].toObject()["longitude"].toDouble(), -72.855);
        QCOMPARE(o["events"].toArray().size(), 3);
    }

    // A damaged place names file: one line on stderr, status 1, no answer.
    void damagedGazetteer()
    {
        QTemporaryDir dir;
        QFile bad(dir.filePath(QStringLiteral("gazetteer.tsv.qz")));
        QVERIFY(bad.open(QIODevice::WriteOnly) && bad.write(QByteArray(4000, '\x11')) == 4000);
        bad.close();
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("ORVANE_GAZETTEER"), bad.fileName());
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(ORVANE_EXE), {"--date", "6/21/2027", "--place", "Zurich"});
        QVERIFY(p.waitForFinished(30000));
        QCOMPARE(p.exitCode(), 1);
        QVERIFY(p.readAllStandardOutput().isEmpty());
        QVERIFY(p.readAllStandardError().startsWith("--place: the place names file " + bad.fileName().toUtf8() +
                                                    " is damaged"));
    }

    // The dial's full-scale pages need Qt Gui, which the program maps only
    // for them, still without a display.
    void dialPdfWithoutDisplay()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("dial.pdf"));
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(QLatin1String(name));
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(ORVANE_EXE),
                {"--date", "6/21/2027", "--latitude", "40.655", "--longitude", "72.855W", "--utc-offset", "-5",
                 "--daylight-saving", "--dial", "horizontal", "--pdf", file, "--format", "json"});
        QVERIFY(p.waitForFinished(60000));
        QCOMPARE(p.exitCode(), 0);
        QVERIFY(p.readAllStandardError().isEmpty());
        QVERIFY(QJsonDocument::fromJson(p.readAllStandardOutput()).object().contains("dial"));
        QFile pdf(file);
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QVERIFY(pdf.read(5) == "%PDF-");
    }

    // No display and nothing asked: say what to do, instead of Qt's abort.
    void noDisplayNoArguments()
    {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(QLatin1String(name));
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(ORVANE_EXE), QStringList());
        QVERIFY(p.waitForFinished(30000));
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QCOMPARE(p.exitCode(), 1);
        const QString err = QString::fromUtf8(p.readAllStandardError());
        QCOMPARE(err.count(u'\n'), 1);
        QVERIFY2(err.contains("orvane --help") && err.contains("QT_QPA_PLATFORM"), qPrintable(err));
    }

    // A computer on New York's time shows daylight saving in June: a clock
    // chosen by hand as standard time there is worth a warning.
    void computerZoneWarning_data()
    {
        QTest::addColumn<QString>("clock");
        QTest::addColumn<bool>("warned");
        QTest::newRow("standard time, as the computer does not show") << "--standard" << true;
        QTest::newRow("daylight saving, as the computer shows") << "--daylight-saving" << false;
    }
    void computerZoneWarning()
    {
        QFETCH(QString, clock);
        QFETCH(bool, warned);
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("TZ"), QStringLiteral("America/New_York"));
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(ORVANE_EXE), {"--date", "6/21/2027", "--latitude", "40.655", "--longitude", "72.855W",
                                             "--utc-offset", "-5", clock, "--format", "json"});
        QVERIFY(p.waitForFinished(30000));
        const QJsonArray warnings = QJsonDocument::fromJson(p.readAllStandardOutput()).object()["warnings"].toArray();
        QCOMPARE(warnings.size(), warned ? 1 : 0);
        if (warned)
            QVERIFY(warnings[0].toString().contains(QStringLiteral("other clock")));
    }
};

QTEST_GUILESS_MAIN(TestCliProcess)
#include "tst_cli_process.moc"
