#include "check_output.h"

#include "text/translation.h"
#include "text_table.h"

#include "field/field_data.h"

namespace orvane {

namespace {

// A fitted figure, or nothing where the readings cannot tell it.
void figure(JsonWriter &w, const char *key, const DialCheck &c, double v, int decimals)
{
    if (c.fit.told())
        w.value(key, v, decimals);
    else
        w.null(key);
}

} // namespace

void writeCheckJson(JsonWriter &w, const DialCheck &c)
{
    const dial::CheckFit &f = c.fit;
    w.beginObject("check");
    figure(w, "turn_deg", c, f.turnDeg, 3);
    figure(w, "turn_sd_deg", c, f.turnSdDeg, 3);
    figure(w, "lean_deg", c, f.leanDeg, 3);
    figure(w, "lean_sd_deg", c, f.leanSdDeg, 3);
    figure(w, "offset_min", c, f.offsetMin, 2);
    figure(w, "offset_sd_min", c, f.offsetSdMin, 2);
    figure(w, "rms_min", c, f.rmsMin, 2);
    w.beginArray("readings");
    for (std::size_t i = 0; i < c.entries.size(); ++i) {
        const DialCheckEntry &e = c.entries[i];
        w.beginObject(nullptr, true);
        w.value("date", e.date.toString(Qt::ISODate));
        w.value("clock", clockText(e.clock));
        w.value("dial", clockText(e.dial));
        w.value("expected_dial", clockText(c.expectedDial[i]));
        w.value("error_min", f.errorMin[i], 2);
        if (f.told())
            w.value("residual_min", f.residualMin[i], 2);
        else
            w.null("residual_min");
        w.endObject();
    }
    w.endArray();
    w.beginArray("advice");
    for (const QString &line : c.advice)
        w.value(nullptr, line);
    w.endArray();
    w.endObject();
}

QString checkText(const DialCheck &c)
{
    const dial::CheckFit &f = c.fit;
    QString text = u'\n' + translate("cli", "Check against the clock (%1 readings)").arg(c.entries.size()) + u'\n';
    if (f.told()) {
        const auto pm = [](double v, double sd, int decimals) {
            return signedFixed(v, decimals) + QStringLiteral(" ± ") + fixed(sd, decimals);
        };
        text += labelled(
            {{translate("cli", "turn (clockwise from above)"), pm(f.turnDeg, f.turnSdDeg, 3) + u'°'},
             {translate("cli", "lean (more tilt from the zenith)"), pm(f.leanDeg, f.leanSdDeg, 3) + u'°'},
             {translate("cli", "offset (dial late)"), pm(f.offsetMin, f.offsetSdMin, 2) + QStringLiteral(" min")},
             {translate("cli", "rms after the fit"), fixed(f.rmsMin, 2) + QStringLiteral(" min")}});
    }
    for (const QString &line : c.advice)
        text += line + u'\n';
    Rows rows{{translate("cli", "date"), translate("cli", "clock"), translate("cli", "dial"),
               translate("cli", "expected"), translate("cli", "error min"), translate("cli", "residual min")}};
    for (std::size_t i = 0; i < c.entries.size(); ++i)
        rows << QStringList{c.entries[i].date.toString(Qt::ISODate),
                            clockText(c.entries[i].clock),
                            clockText(c.entries[i].dial),
                            clockText(c.expectedDial[i]),
                            signedFixed(f.errorMin[i], 2),
                            f.told() ? signedFixed(f.residualMin[i], 2) : QStringLiteral("-")};
    return text + columns(rows);
}

QString checkCsv(const DialCheck &c)
{
    QString text = QStringLiteral("date,clock,dial,expected_dial,error_min,residual_min\n");
    for (std::size_t i = 0; i < c.entries.size(); ++i)
        text += QStringList{c.entries[i].date.toString(Qt::ISODate),
                            clockText(c.entries[i].clock),
                            clockText(c.entries[i].dial),
                            clockText(c.expectedDial[i]),
                            fixed(c.fit.errorMin[i], 2),
                            c.fit.told() ? fixed(c.fit.residualMin[i], 2) : QString()}
                    .join(u',') +
                u'\n';
    return text;
}

} // namespace orvane
