// The compiled-in pictures: their size and transparency, their sameness
// with the drawn GIFs, and that reading them loads no image plugin.
#include "resources/orvane_resources.h"

#include <QFile>
#include <QImage>
#include <QTest>

using orvane::resourcePicture;

namespace {

const char *const kAllPictures[] = {"icon.png", "hand.png", "image1.png", "image2.png"};

int mappedImagePlugins()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly))
        return -1;
    return int(maps.readAll().count("/imageformats/"));
}

QImage argb(const QImage &image) { return image.convertToFormat(QImage::Format_ARGB32_Premultiplied); }

} // namespace

class TestResourcePictures : public QObject {
    Q_OBJECT
private slots:
    // First: the later functions read GIFs and so load the gif plugin.
    void readingLoadsNoImagePlugin();
    void pictureShape_data();
    void pictureShape();
    void sameAsDrawnGif_data();
    void sameAsDrawnGif();
};

void TestResourcePictures::readingLoadsNoImagePlugin()
{
    QCOMPARE(mappedImagePlugins(), 0);
    for (const char *name : kAllPictures)
        QVERIFY2(!resourcePicture(name).isNull(), name);
    QCOMPARE(mappedImagePlugins(), 0);
}

void TestResourcePictures::pictureShape_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QPoint>("transparentAt");
    QTest::addColumn<QPoint>("opaqueAt");
    QTest::addColumn<qreal>("ratio"); // the screen's device pixel ratio

    // Sizes as the window's description gives them; the points are a
    // corner outside the drawing and a point on it.
    QTest::newRow("window icon, red disc") << "icon.png" << QSize(32, 32) << QPoint(0, 0) << QPoint(16, 16) << 1.0;
    QTest::newRow("hand pointer") << "hand.png" << QSize(32, 32) << QPoint(0, 0) << QPoint(16, 16) << 1.0;
    QTest::newRow("plumb-line picture") << "image1.png" << QSize(210, 229) << QPoint(0, 0) << QPoint(-1, -1) << 1.0;
    QTest::newRow("banner") << "image2.png" << QSize(524, 68) << QPoint(0, 0) << QPoint(262, 34) << 1.0;
    // Drawn twice the size for a screen of twice the density, in the same room.
    QTest::newRow("plumb-line picture, 2x") << "image1.png" << QSize(210, 229) << QPoint(0, 0) << QPoint(-1, -1) << 2.0;
    QTest::newRow("banner, 2x") << "image2.png" << QSize(524, 68) << QPoint(0, 0) << QPoint(262, 34) << 2.0;
}

void TestResourcePictures::pictureShape()
{
    QFETCH(QString, name);
    QFETCH(QSize, size);
    QFETCH(QPoint, transparentAt);
    QFETCH(QPoint, opaqueAt);
    QFETCH(qreal, ratio);

    const QImage image = resourcePicture(name.toLatin1().constData(), ratio).toImage();
    QCOMPARE(image.deviceIndependentSize().toSize(), size);
    QCOMPARE(image.size(), size * ratio);
    transparentAt *= ratio;
    opaqueAt = opaqueAt == QPoint(-1, -1) ? opaqueAt : opaqueAt * ratio;
    QVERIFY(image.hasAlphaChannel());
    QCOMPARE(qAlpha(image.pixel(transparentAt)), 0);
    if (opaqueAt != QPoint(-1, -1))
        QCOMPARE(qAlpha(image.pixel(opaqueAt)), 255);
}

void TestResourcePictures::sameAsDrawnGif_data()
{
    QTest::addColumn<QString>("png");
    QTest::addColumn<QString>("gif");
    QTest::newRow("plumb-line picture") << "image1.png"
                                        << "image1.gif";
    QTest::newRow("banner") << "image2.png"
                            << "image2.gif";
}

void TestResourcePictures::sameAsDrawnGif()
{
    QFETCH(QString, png);
    QFETCH(QString, gif);

    const QImage reference(QStringLiteral(ORVANE_RESOURCE_DIR "/") + gif);
    QVERIFY2(!reference.isNull(), qPrintable(gif));
    const QImage shown = resourcePicture(png.toLatin1().constData()).toImage();
    // Every pixel, colour and transparency alike.
    QCOMPARE(argb(shown), argb(reference));
}

QTEST_MAIN(TestResourcePictures)
#include "tst_resource_pictures.moc"
