#include "block_clock.h"

#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

#include <algorithm>

namespace orvane {

namespace {

// Narrow enough for four blocks across, wide enough for the time.
int clockWidth(const QLabel *clock)
{
    return QFontMetrics(clock->font()).horizontalAdvance(QStringLiteral("12:59:59 PM")) + 30;
}

} // namespace

QLabel *addBlockClock(QGroupBox *block, QVBoxLayout *layout)
{
    auto *clock = new QLabel(block);
    clock->setObjectName(QStringLiteral("lblClock"));
    QFont big = clock->font();
    big.setPointSizeF(big.pointSizeF() * 2.2);
    big.setBold(true);
    clock->setFont(big);
    block->setMinimumWidth(clockWidth(clock));
    layout->addWidget(clock);
    return clock;
}

void fitBlockWidth(QGroupBox *block, const QLabel *clock)
{
    block->setMinimumWidth(std::max(clockWidth(clock), block->QGroupBox::minimumSizeHint().width()));
}

} // namespace orvane
