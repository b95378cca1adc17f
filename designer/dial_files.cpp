#include "dial_files.h"

#include <QSaveFile>

namespace orvane {

bool writeWholeFile(const QString &fileName, const std::string &text)
{
    QSaveFile out(fileName);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    if (out.write(text.data(), qint64(text.size())) != qint64(text.size())) {
        out.cancelWriting();
        return false;
    }
    return out.commit();
}

} // namespace orvane
