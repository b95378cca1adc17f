// What a start of the window costs in loaded code: the pictures are read
// by the built-in PNG reader, so no image-format plugin is loaded, and
// nothing of the printer is touched before Print.
#include "main_window/sundial_input.h"

#include <QApplication>
#include <QFile>
#include <QTest>

namespace {
QStringList mappedPaths(const QString &needle)
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly | QIODevice::Text))
        qFatal("cannot read /proc/self/maps");
    QStringList found;
    for (const QByteArray &line : maps.readAll().split('\n')) {
        const QString text = QString::fromUtf8(line);
        const qsizetype path = text.indexOf(QLatin1Char('/'));
        if (path >= 0 && text.contains(needle) && !found.contains(text.mid(path)))
            found << text.mid(path);
    }
    return found;
}
} // namespace

class TestStartupFootprint : public QObject {
    Q_OBJECT
private slots:
    void readerSeesMappedFiles()
    {
        // The check below can fail: Qt's own core library is found.
        QVERIFY(!mappedPaths(QStringLiteral("libQt6Core")).isEmpty());
    }

    void shownWindowLoadsNoPluginOfItsOwn_data()
    {
        QTest::addColumn<QString>("needle");
        QTest::newRow("image-format plugins") << QStringLiteral("/imageformats/");
        QTest::newRow("print-support plugins") << QStringLiteral("/printsupport/");
        QTest::newRow("web engine") << QStringLiteral("libQt6WebEngine");
    }
    void shownWindowLoadsNoPluginOfItsOwn()
    {
        QFETCH(QString, needle);
        orvane::Sundial_Input window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QStringList found = mappedPaths(needle);
        QVERIFY2(found.isEmpty(), qPrintable(found.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(TestStartupFootprint)
#include "tst_startup_footprint.moc"
