#include "bearing_block.h"

#include "block_clock.h"
#include "sun_at_text.h"

#include "text/translation.h"

#include <QLabel>
#include <QVBoxLayout>

namespace orvane {

BearingBlock::BearingBlock(QWidget *parent) : QGroupBox(parent)
{
    setObjectName(QStringLiteral("grpBearing"));
    auto *layout = new QVBoxLayout(this);
    layout->setSpacing(2);
    clock_ = addBlockClock(this, layout);
    details_ = new QLabel(this);
    details_->setObjectName(QStringLiteral("lblDetails"));
    details_->setWordWrap(true);
    layout->addWidget(details_);
    layout->addStretch();
}

void BearingBlock::setBearing(const BearingField &b, double plumbHeightM)
{
    const QLocale locale;
    const QString title = bearingTitle(b.bearingDeg, locale);
    setTitle(title);
    QStringList clocks;
    QStringList lines;
    for (const SunMoment &m : b.times) {
        const MomentTexts t = momentTexts(m, plumbHeightM, locale);
        clocks << t.clock;
        // Twice in the day: each time's lines under its own name.
        if (b.times.size() > 1)
            lines << translate("sheet", "At %1:").arg(t.clock);
        lines << t.precise << t.altitude << t.shadow << t.turn << t.notes;
    }
    QPalette pal = palette();
    if (b.times.empty()) {
        clocks << translate("sheet", "never seen");
        lines << bearingAbsentText(b.bearingDeg, locale);
        pal.setColor(QPalette::WindowText, QColor(170, 0, 0));
    }
    clock_->setPalette(pal);
    clock_->setText(clocks.join(QLatin1Char('\n')));
    clock_->setAccessibleName(title + QStringLiteral(", ") + clocks.join(translate("sheet", " and ")));
    details_->setText(lines.join(QLatin1Char('\n')));
    setAccessibleDescription(clock_->accessibleName() + QStringLiteral(", ") + lines.join(QStringLiteral(", ")));
    fitBlockWidth(this, clock_);
}

} // namespace orvane
