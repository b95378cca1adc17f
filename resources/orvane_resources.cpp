#include "orvane_resources.h"

#include <QImageReader>

static void initOrvaneResources() { Q_INIT_RESOURCE(resources); }

namespace orvane {

void initResources()
{
    static const bool done = (initOrvaneResources(), true);
    Q_UNUSED(done);
}

namespace {

QImage readPicture(const QString &fileName)
{
    QImageReader reader(QStringLiteral(":/orvane/") + fileName, "png");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

} // namespace

QPixmap resourcePicture(const char *fileName)
{
    initResources();
    return QPixmap::fromImage(readPicture(QString::fromLatin1(fileName)));
}

QPixmap resourcePicture(const char *fileName, qreal devicePixelRatio)
{
    if (devicePixelRatio <= 1)
        return resourcePicture(fileName);
    initResources();
    QString twice = QString::fromLatin1(fileName);
    twice.insert(twice.lastIndexOf(u'.'), QStringLiteral("@2x"));
    QImage image = readPicture(twice);
    if (image.isNull())
        return resourcePicture(fileName);
    image.setDevicePixelRatio(2);
    return QPixmap::fromImage(image);
}

} // namespace orvane
