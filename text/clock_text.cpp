#include "clock_text.h"

#include <QRegularExpression>

namespace orvane {

std::optional<QTime> readClockText(const QString &text, const QLocale &locale)
{
    static const QRegularExpression re(
        QStringLiteral("^(\\d{1,2})[:.](\\d{2})(?:[:.](\\d{2}))?\\s*(?:([AaPp])\\.?[Mm]\\.?)?$"));
    const QString t = text.simplified();
    if (const QRegularExpressionMatch m = re.match(t); m.hasMatch()) {
        int h = m.captured(1).toInt();
        const int min = m.captured(2).toInt(), s = m.captured(3).isEmpty() ? 0 : m.captured(3).toInt();
        if (const QString half = m.captured(4).toUpper(); !half.isEmpty()) {
            if (h < 1 || h > 12)
                return std::nullopt;
            h = h % 12 + (half == u'P' ? 12 : 0);
        }
        const QTime time(h, min, s);
        return time.isValid() ? std::optional<QTime>(time) : std::nullopt;
    }
    for (QLocale::FormatType f : {QLocale::LongFormat, QLocale::ShortFormat})
        if (const QTime time = locale.toTime(t, f); time.isValid())
            return time;
    return std::nullopt;
}

} // namespace orvane
