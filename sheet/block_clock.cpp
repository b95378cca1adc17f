#include "block_clock.h"

#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

namespace orvane {

QLabel *addBlockClock(QGroupBox *block, QVBoxLayout *layout)
{
    auto *clock = new QLabel(block);
    clock->setObjectName(QStringLiteral("lblClock"));
    QFont big = clock->font();
    big.setPointSizeF(big.pointSizeF() * 2.2);
    big.setBold(true);
    clock->setFont(big);
    // Narrow enough for four blocks across, wide enough for the time.
    block->setMinimumWidth(QFontMetrics(big).horizontalAdvance(QStringLiteral("12:59:59 PM")) + 30);
    layout->addWidget(clock);
    return clock;
}

} // namespace orvane
