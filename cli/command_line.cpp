#include "command_line.h"

#include "cli_options.h"
#include "dial_files.h"
#include "dial_output.h"
#include "field_output.h"
#include "find_dial_output.h"
#include "places/place.h"
#include "text/language.h"
#include "text/translation.h"

#include <QLocale>

namespace orvane {

namespace {

constexpr int kBadInput = 2;
constexpr int kCannotWrite = 1;
// Above this many pages the count is worth a line, as the window asks then.
constexpr int kPagesToMention = 20;

// The files first: one that cannot be written leaves stdout empty.
int runDial(const CliRequest &r, const QLocale &locale, QTextStream &out, QTextStream &err)
{
    DialData d = computeDialData(r.inputs, r.zoneName, *r.dial, locale);
    d.place = r.place;
    d.compass = r.compass;
    if (!d.check.refusal.isEmpty()) {
        const int i = d.check.refusedIndex;
        if (i < 0)
            err << QStringLiteral("--check-reading: %1").arg(d.check.refusal) << Qt::endl;
        else
            err << translate("cli", "--check-reading \"%1\" (reading %2): %3")
                       .arg(r.dial->readings[std::size_t(i)].given)
                       .arg(i + 1)
                       .arg(d.check.refusal)
                << Qt::endl;
        return kBadInput;
    }
    int pdfPages = 0;
    if (const QString error = writeDialFiles(d, &pdfPages); !error.isEmpty()) {
        err << error << Qt::endl;
        return kCannotWrite;
    }
    if (pdfPages > kPagesToMention)
        err << translate("cli", "--pdf \"%1\": %2 pages").arg(r.dial->pdfFile).arg(pdfPages) << Qt::endl;
    switch (r.format) {
    case OutputFormat::Text:
        out << dialText(d);
        break;
    case OutputFormat::Json:
        out << dialJson(d);
        break;
    case OutputFormat::Csv:
        out << dialCsv(d);
        break;
    }
    out.flush();
    return 0;
}

} // namespace

int runCommandLine(const QStringList &givenArgs, QTextStream &out, QTextStream &err)
{
    QStringList args = givenArgs;
    const QString asked = takeLanguageOption(args);
    if (asked.isEmpty()) {
        useLanguage(desktopLanguage());
    } else if (!useLanguage(spokenLanguage(asked))) {
        useLanguage(QStringLiteral("en"));
        err << translate("cli", "--language %1: not one of %2; the answer is in English")
                   .arg(asked, spokenLanguages().join(QStringLiteral(", ")))
            << Qt::endl;
    }
    // The user's, from LANG and LC_ALL; a language asked for by name names
    // the days and months too.
    const QLocale locale = asked.isEmpty() ? QLocale() : localeSpeaking(languageInUse(), QLocale());
    const CliParse parse = parseCommandLine(args, locale);
    if (!parse.request) {
        err << parse.error << Qt::endl;
        return parse.status;
    }
    const CliRequest &r = *parse.request;
    switch (r.action) {
    case CliRequest::Action::Help:
        out << usageText();
        break;
    case CliRequest::Action::Version:
        out << QStringLiteral("orvane " ORVANE_VERSION "\n") << QLatin1String(kPlaceNamesCredit) << QStringLiteral("\n")
            << QLatin1String(kMagneticModelCredit) << QStringLiteral("\n");
        break;
    case CliRequest::Action::Compute: {
        if (r.dial)
            return runDial(r, locale, out, err);
        if (r.findDial) {
            out << findDialAnswer(*r.findDial, r.format);
            break;
        }
        const FieldData d = computeFieldData(r.inputs);
        if (!d.wallRefusals.empty()) {
            const WallReadingRefusal &refusal = d.wallRefusals.front();
            const FieldInputs::WallReading &reading = r.inputs.wallReadings[std::size_t(refusal.index)];
            err << translate("cli", "--wall-reading %1 (reading %2): %3")
                       .arg(clockText(reading.clock))
                       .arg(refusal.index + 1)
                       .arg(refusal.sunBelowHorizon ? translate("cli", "the sun is below the horizon then")
                                                    : translate("cli", "the angle must lie between -90 and 90 degrees"))
                << Qt::endl;
            return kBadInput;
        }
        switch (r.format) {
        case OutputFormat::Text:
            out << fieldText(d, r.zoneName, locale, r.place, r.compass);
            break;
        case OutputFormat::Json:
            out << fieldJson(d, r.zoneName, locale, r.place, r.compass);
            break;
        case OutputFormat::Csv:
            out << fieldCsv(d);
            break;
        }
        break;
    }
    }
    out.flush();
    return 0;
}

} // namespace orvane
