#include "field_output.h"

namespace orvane {

QString fieldCsv(const FieldData &d)
{
    QString text =
        QStringLiteral("date,east,meridian,west,precise_east,precise_meridian,precise_west,clock_offset_minutes");
    for (double b : d.inputs.bearings)
        text += QStringLiteral(",bearing_") + QString::number(b, 'g', 10);
    text += u'\n';
    for (const DayRow &row : d.days) {
        text += row.date.toString(Qt::ISODate);
        for (const auto *times : {&row.method, &row.precise})
            for (FieldEvent e : kFieldEvents) {
                const std::optional<double> &t = (*times)[static_cast<int>(e)];
                text += u',' + (t ? clockText(*t, times == &row.precise) : QString());
            }
        text += u',' + QString::number(row.clock.offsetSeconds() / 60);
        // A bearing's times on that day, blank-separated.
        for (const std::vector<double> &clocks : row.bearingClocks) {
            QStringList cells;
            for (double c : clocks)
                cells << clockText(c);
            text += u',' + cells.join(u' ');
        }
        text += u'\n';
    }
    return text;
}

} // namespace orvane
