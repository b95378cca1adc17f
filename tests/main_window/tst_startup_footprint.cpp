// What a start of the window costs in loaded code: the pictures are read
// by the built-in PNG reader, so no image-format plugin is loaded, and
// nothing of the printer is touched before Print.
#include "main_window/sundial_input.h"
#include "support/loaded_libraries.h"

#include <QApplication>
#include <QTest>

class TestStartupFootprint : public QObject {
    Q_OBJECT
private slots:
    void readerSeesMappedFiles()
    {
        // The check below can fail: Qt's own core library is found.
        QVERIFY(!mappedFiles(QStringLiteral("libQt6Core")).isEmpty());
    }

    void shownWindowLoadsNoPluginOfItsOwn_data()
    {
        QTest::addColumn<QString>("needle");
        QTest::newRow("image-format plugins") << QStringLiteral("imageformats/");
        QTest::newRow("print-support plugins") << QStringLiteral("printsupport/");
        QTest::newRow("web engine") << QStringLiteral("libQt6WebEngine");
    }
    void shownWindowLoadsNoPluginOfItsOwn()
    {
        QFETCH(QString, needle);
        orvane::Sundial_Input window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QStringList found = mappedFiles(needle);
        QVERIFY2(found.isEmpty(), qPrintable(found.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(TestStartupFootprint)
#include "tst_startup_footprint.moc"
