#include "orvane_resources.h"

#include <QImageReader>

static void initOrvaneResources() { Q_INIT_RESOURCE(resources); }

namespace orvane {

void InitResources()
{
    static const bool done = (initOrvaneResources(), true);
    Q_UNUSED(done);
}

QPixmap ResourcePicture(const char *fileName)
{
    InitResources();
    QImageReader reader(QStringLiteral(":/orvane/") + QString::fromLatin1(fileName), "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

} // namespace orvane
