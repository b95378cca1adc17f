#pragma once
// Reading a clock time as people type or paste it.

#include <QLocale>
#include <QString>
#include <QTime>

#include <optional>

namespace orvane {

// "8:55:10", "08:55", "20:55:10", "8:55:10 AM", "8:55 pm", "8.55" and the
// locale's own short and long time forms. Seconds are optional; with AM or
// PM the hour runs from 1 to 12. Anything not read whole is refused.
std::optional<QTime> readClockText(const QString &text, const QLocale &locale);

} // namespace orvane
