#pragma once
// A number box that a kind of dial may have no say in: greyed, it shows
// the dial's own value (an equatorial face's tilt) or nothing, never the
// last kind's; what was typed comes back with a kind that takes it.

#include <QString>

class QLineEdit;

namespace orvane {

// What the user typed in the box: its text while it is enabled, else what
// it held when greyed.
QString typedText(const QLineEdit *box);

// Enables the box with what was typed, or greys it showing `shown`.
// Neither sends textChanged: only the user's typing redraws.
void holdBox(QLineEdit *box, bool takes, const QString &shown);

} // namespace orvane
