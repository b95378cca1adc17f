#pragma once
// The clock time in large type at the head of a sheet block (an event's or
// a bearing's); it also sets how narrow the block may be.

class QGroupBox;
class QLabel;
class QVBoxLayout;

namespace orvane {

QLabel *addBlockClock(QGroupBox *block, QVBoxLayout *layout);
// After new texts: wider than the time where the title or a line needs it,
// as a longer language's may.
void fitBlockWidth(QGroupBox *block, const QLabel *clock);

} // namespace orvane
