#include "dial_options.h"

#include "dial/dial_input.h"
#include "text/dial_measure.h"
#include "text/input_parsing.h"

#include <QRegularExpression>

namespace orvane {

namespace {

// Options that shape the dial or its files, refused without --dial.
constexpr const char *kDialOnly[] = {"facing", "nodus-height", "plate",      "hour-step", "dial-time",
                                     "svg",    "pdf",          "date-lines", "card",      "card-svg"};
// The field data's own options; with --dial no field data is printed.
constexpr const char *kFieldOnly[] = {"days", "mark", "bearing", "altitude", "wall-reading"};

QString opt(const char *name) { return QStringLiteral("--") + QLatin1String(name); }

std::optional<double> number(const QString &text) { return convertNumberText(text, QLocale::c()); }

// One of `choices` for the option's value, by position.
std::optional<int> choice(const QCommandLineParser &p, const char *name, const QStringList &choices)
{
    const qsizetype i = choices.indexOf(p.value(QLatin1String(name)));
    return i < 0 ? std::nullopt : std::optional<int>(int(i));
}

QString refused(const QCommandLineParser &p, const char *name, const QString &wanted)
{
    return QStringLiteral("%1 \"%2\": %3").arg(opt(name), p.value(QLatin1String(name)), wanted);
}

std::optional<QString> readShape(const QCommandLineParser &p, DialOptions &d)
{
    if (d.type == dial::DialType::Vertical) {
        if (!p.isSet(QStringLiteral("facing")))
            return QStringLiteral("--dial vertical needs --facing DEG, the direction the wall faces from north "
                                  "through east (180 = south)");
        const std::optional<double> facing = readFacing(p.value(QStringLiteral("facing")), QLocale::c());
        if (!facing)
            return refused(p, "facing", QStringLiteral("give degrees from 0 to 360, from north through east"));
        d.facing = *facing;
    } else if (p.isSet(QStringLiteral("facing"))) {
        return QStringLiteral("--facing is for --dial vertical; a horizontal dial faces the sky");
    }

    if (p.isSet(QStringLiteral("plate"))) {
        static const QRegularExpression re(
            QStringLiteral("^\\s*([0-9.]+)\\s*(?:mm)?\\s*[xX]\\s*([0-9.]+)\\s*(?:mm)?\\s*$"));
        const QRegularExpressionMatch m = re.match(p.value(QStringLiteral("plate")));
        const auto side = [&m](int i) { return m.hasMatch() ? number(m.captured(i)) : std::optional<double>(); };
        const std::optional<double> w = side(1), h = side(2);
        if (!w || !h)
            return refused(p, "plate", QStringLiteral("give the width and height in mm, such as 300x300"));
        if (*w < dial::kMinPlateSide || *w > dial::kMaxPlateSide || *h < dial::kMinPlateSide ||
            *h > dial::kMaxPlateSide)
            return refused(p, "plate", QStringLiteral("each side must lie between 50 mm and 5 m (5000)"));
        d.plateWidth = *w;
        d.plateHeight = *h;
    }
    if (p.isSet(QStringLiteral("nodus-height"))) {
        const std::optional<double> h =
            readDialMeasure(p.value(QStringLiteral("nodus-height")), MeasureUnit::Millimetres, QLocale::c());
        const double most = std::min(d.plateWidth, d.plateHeight);
        if (!h || *h < dial::kMinNodusHeight || *h > most)
            return refused(p, "nodus-height",
                           QStringLiteral("give mm from 5 to the plate's smaller side (%1)").arg(most));
        d.nodusHeight = *h;
    } else if (d.nodusHeight > std::min(d.plateWidth, d.plateHeight)) {
        return QStringLiteral("--plate \"%1\": the nodus height (%2 mm) must not exceed the plate's smaller side; "
                              "give --nodus-height")
            .arg(p.value(QStringLiteral("plate")))
            .arg(d.nodusHeight);
    }
    return std::nullopt;
}

} // namespace

std::optional<QString> readDialOptions(const QCommandLineParser &p, std::optional<DialOptions> &into)
{
    if (!p.isSet(QStringLiteral("dial"))) {
        for (const char *name : kDialOnly)
            if (p.isSet(QLatin1String(name)))
                return QStringLiteral("%1 goes with --dial horizontal or --dial vertical").arg(opt(name));
        return std::nullopt;
    }
    for (const char *name : kFieldOnly)
        if (p.isSet(QLatin1String(name)))
            return QStringLiteral("%1 is for the field data, which --dial does not print").arg(opt(name));

    DialOptions d;
    const std::optional<int> type = choice(p, "dial", {QStringLiteral("horizontal"), QStringLiteral("vertical")});
    if (!type)
        return refused(p, "dial", QStringLiteral("give horizontal or vertical"));
    d.type = *type == 0 ? dial::DialType::Horizontal : dial::DialType::Vertical;
    if (const std::optional<QString> message = readShape(p, d))
        return message;

    if (p.isSet(QStringLiteral("hour-step"))) {
        const std::optional<int> step = choice(p, "hour-step", {"60", "30", "15"});
        if (!step)
            return refused(p, "hour-step", QStringLiteral("give 60, 30 or 15 minutes"));
        d.stepMinutes = 60 >> *step;
    }
    if (p.isSet(QStringLiteral("dial-time"))) {
        const std::optional<int> time = choice(p, "dial-time", {"sun", "zone"});
        if (!time)
            return refused(p, "dial-time", QStringLiteral("give sun or zone"));
        d.time = *time == 0 ? dial::DialTime::Sun : dial::DialTime::Zone;
    }
    if (p.isSet(QStringLiteral("date-lines"))) {
        const std::optional<int> lines = choice(p, "date-lines", {"none", "solstices", "months"});
        if (!lines)
            return refused(p, "date-lines", QStringLiteral("give none, solstices or months"));
        d.dateLines = DateLineChoice(*lines);
    }
    d.card = p.isSet(QStringLiteral("card"));
    d.svgFile = p.value(QStringLiteral("svg"));
    d.pdfFile = p.value(QStringLiteral("pdf"));
    d.cardSvgFile = p.value(QStringLiteral("card-svg"));
    for (const char *name : {"svg", "pdf", "card-svg"})
        if (p.isSet(QLatin1String(name)) && p.value(QLatin1String(name)).isEmpty())
            return QStringLiteral("%1 needs a file name").arg(opt(name));
    into = d;
    return std::nullopt;
}

} // namespace orvane
