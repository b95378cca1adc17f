#include "orvane_resources.h"

#include <QImageReader>

static void initOrvaneResources() { Q_INIT_RESOURCE(resources); }

namespace orvane {

void initResources()
{
    static const bool done = (initOrvaneResources(), true);
    Q_UNUSED(done);
}

QPixmap resourcePicture(const char *fileName)
{
    initResources();
    QImageReader reader(QStringLiteral(":/orvane/") + QString::fromLatin1(fileName), "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

} // namespace orvane
