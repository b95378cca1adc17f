#pragma once
// What assistive technology needs beyond Qt's own accessible widgets: the
// web links as links that can be followed, and a result line that is read
// out when it changes.

namespace orvane {

// Makes every LinkLabel a link with a press action and every LiveLabel a
// readable status line. Safe to call more than once.
void installAccessibility();

} // namespace orvane
