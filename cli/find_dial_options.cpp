#include "find_dial_options.h"

#include "cli_options.h"
#include "text/translation.h"

#include "text/input_parsing.h"

namespace orvane {

namespace {

constexpr int kMostLines = 96; // every quarter hour of a day

// "horizontal or vertical": the kinds whose lines can be traced back.
QString findableNames()
{
    QStringList names;
    for (const dial::DialKind &k : dial::dialKinds())
        if (dial::findableKind(k))
            names << QString::fromLatin1(k.commandName);
    const QString last = names.isEmpty() ? QString() : names.takeLast();
    return names.isEmpty() ? last : translate("cli", "%1 or %2").arg(names.join(QStringLiteral(", ")), last);
}

std::optional<QString> readLine(const QString &value, std::vector<dial::MeasuredLine> &lines)
{
    const QString given = QStringLiteral("--line-angle \"%1\": ").arg(value);
    const qsizetype at = value.indexOf(u'=');
    const std::optional<double> hour = at < 0 ? std::nullopt : convertNumberText(value.left(at), QLocale::c());
    const std::optional<double> angle = at < 0 ? std::nullopt : convertNumberText(value.mid(at + 1), QLocale::c());
    if (!hour || !angle)
        return given + translate("cli", "give the hour in sun time and the angle in degrees, such as 9=-37.5");
    if (!(*hour >= 0 && *hour < 24))
        return given + translate("cli", "the hour must be from 0 to under 24");
    if (!(std::fabs(*angle) < 90))
        return given + translate("cli", "the angle must lie between -90 and 90 degrees: a line at the root makes "
                                        "less than a right angle with the noon line");
    for (const dial::MeasuredLine &l : lines)
        if (l.hour == *hour)
            return given + translate("cli", "hour %1 is given twice").arg(*hour);
    lines.push_back({*hour, *angle});
    return std::nullopt;
}

} // namespace

bool asksToFindDial(const QCommandLineParser &p)
{
    return p.isSet(QStringLiteral("find-dial")) || p.isSet(QStringLiteral("line-angle"));
}

std::optional<QString> readFindDial(const QCommandLineParser &p, CliRequest &r)
{
    if (!p.isSet(QStringLiteral("find-dial")))
        return translate("cli", "--line-angle goes with --find-dial %1").arg(findableNames());
    for (const QString &name : p.optionNames())
        if (name != QLatin1String("find-dial") && name != QLatin1String("line-angle") &&
            name != QLatin1String("format"))
            return translate("cli", "--%1 is not taken by --find-dial: the hour lines alone give the latitude and "
                                    "the facing")
                .arg(name);

    const QString kindName = p.value(QStringLiteral("find-dial"));
    const dial::DialKind *kind = dial::findDialKind(kindName.toStdString());
    if (!kind || !dial::findableKind(*kind))
        return translate("cli", "--find-dial \"%1\": give %2").arg(kindName, findableNames());
    FindDialOptions find{kind, {}};
    const QStringList values = p.values(QStringLiteral("line-angle"));
    if (values.size() > kMostLines)
        return translate("cli", "--line-angle may be given at most %1 times").arg(kMostLines);
    for (const QString &value : values)
        if (const std::optional<QString> message = readLine(value, find.lines))
            return message;
    // The noon line lies on the meridian's plane whatever the latitude and
    // the facing: it tells nothing.
    const int unknowns = dial::unknownsOf(*kind);
    const auto telling =
        std::count_if(find.lines.begin(), find.lines.end(), [](const dial::MeasuredLine &l) { return l.hour != 12; });
    if (telling < unknowns)
        return unknowns == 1 ? translate("cli", "--find-dial %1 needs a line besides noon's, one --line-angle "
                                                "HOUR=DEG each, for the latitude")
                                   .arg(kindName)
                             : translate("cli", "--find-dial %1 needs %2 lines besides noon's, one --line-angle "
                                                "HOUR=DEG each, for the latitude and the facing")
                                   .arg(kindName)
                                   .arg(unknowns);

    r.findDial = std::move(find);
    return std::nullopt;
}

} // namespace orvane
