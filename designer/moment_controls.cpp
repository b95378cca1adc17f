// The Dial Designer's moment: a date and a clock time, each with a slider,
// and the shadow and the dial's reading then.
#include "frm_dial_designer.h"

#include "dial_preview.h"

#include "field/moment.h"
#include "forms/named_controls.h"
#include "forms/spoken_text.h"
#include "text/translation.h"

#include <QDateEdit>
#include <QDateTime>
#include <QGridLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QSlider>
#include <QTimeEdit>

#include <algorithm>

namespace orvane {

namespace {

constexpr int kSliderMinutes = 5;
constexpr int kSliderSteps = 24 * 60 / kSliderMinutes;

} // namespace

void FrmDialDesigner::buildMoment()
{
    dteMoment = namedWidget<QDateEdit>(this, "dteMoment");
    dteMoment->setAccessibleDescription(translate("designer", "The date whose shadow the dial shows"));
    tmeMoment = namedWidget<QTimeEdit>(this, "tmeMoment");
    tmeMoment->setDisplayFormat(QStringLiteral("HH:mm"));
    tmeMoment->setAccessibleDescription(translate("designer", "The clock's time whose shadow the dial shows"));
    sldMomentYear = namedWidget<QSlider>(this, "sldMomentYear");
    sldMomentYear->setOrientation(Qt::Horizontal);
    sldMomentYear->setAccessibleName(translate("designer", "Day of the year"));
    sldMomentYear->setPageStep(7);
    sldMomentDay = namedWidget<QSlider>(this, "sldMomentDay");
    sldMomentDay->setOrientation(Qt::Horizontal);
    sldMomentDay->setAccessibleName(translate("designer", "Time of day, every 5 minutes"));
    sldMomentDay->setRange(0, kSliderSteps - 1);
    sldMomentDay->setPageStep(60 / kSliderMinutes);
    lblMoment = namedWidget<SpokenLabel>(this, "lblMoment");
    lblMoment->setWordWrap(true);
    lblMoment->setAccessibleDescription(translate("designer", "What the dial reads at the chosen moment"));

    // The boxes hold the moment; each slider follows its box, and moves it.
    connect(dteMoment, &QDateEdit::dateChanged, this, [this](const QDate &date) {
        const QSignalBlocker quiet(sldMomentYear);
        sldMomentYear->setValue(date.dayOfYear() - 1);
        showMoment();
    });
    connect(sldMomentYear, &QSlider::valueChanged, this,
            [this](int day) { dteMoment->setDate(dteMoment->minimumDate().addDays(day)); });
    connect(tmeMoment, &QTimeEdit::timeChanged, this, [this](const QTime &time) {
        const QSignalBlocker quiet(sldMomentDay);
        sldMomentDay->setValue(time.msecsSinceStartOfDay() / (kSliderMinutes * 60000));
        showMoment();
    });
    connect(sldMomentDay, &QSlider::valueChanged, this,
            [this](int step) { tmeMoment->setTime(QTime(0, 0).addSecs(step * kSliderMinutes * 60)); });
}

QGridLayout *FrmDialDesigner::momentForm()
{
    // The boxes side by side, each slider across the width under them.
    auto *form = new QGridLayout;
    form->addWidget(labelFor(this, "lblMomentDate", translate("designer", "Shadow &on:"), dteMoment), 0, 0);
    form->addWidget(dteMoment, 0, 1);
    form->addWidget(labelFor(this, "lblMomentTime", translate("designer", "Time of da&y:"), tmeMoment), 0, 2);
    form->addWidget(tmeMoment, 0, 3);
    form->addWidget(labelFor(this, "lblMomentYear", translate("designer", "Day &by day:"), sldMomentYear), 1, 0);
    form->addWidget(sldMomentYear, 1, 1, 1, 4);
    form->addWidget(labelFor(this, "lblMomentDay", translate("designer", "Every &5 minutes:"), sldMomentDay), 2, 0);
    form->addWidget(sldMomentDay, 2, 1, 1, 4);
    form->addWidget(lblMoment, 3, 0, 1, 5);
    form->setColumnStretch(4, 1);
    return form;
}

void FrmDialDesigner::setMomentToNow()
{
    const SiteClock &clock = request_.clock;
    const QDateTime utc = QDateTime::currentDateTimeUtc();
    const QDateTime now = clock.zone ? utc.toTimeZone(*clock.zone) : utc.addSecs(clock.offsetSeconds());
    // Today's day and month in the design's year (28 February for the 29th).
    const int year = request_.date.year();
    QDate today(year, now.date().month(), std::min(now.date().day(), QDate(year, now.date().month(), 1).daysInMonth()));
    {
        const QSignalBlocker quietDate(dteMoment), quietYear(sldMomentYear);
        dteMoment->setDateRange(QDate(year, 1, 1), QDate(year, 12, 31));
        sldMomentYear->setRange(0, QDate(year, 1, 1).daysInYear() - 1);
    }
    dteMoment->setDate(today);
    tmeMoment->setTime(QTime(now.time().hour(), now.time().minute()));
    showMoment();
}

void FrmDialDesigner::showMoment()
{
    if (!preview->hasDesign() || !request_.date.isValid()) {
        preview->setSun(std::nullopt);
        say(lblMoment, QString());
        return;
    }
    const DialMoment m =
        dialMoment(design(), dteMoment->date(), tmeMoment->time().msecsSinceStartOfDay() / 1000.0, QLocale());
    preview->setSun(m.lit ? m.sun : std::nullopt);
    say(lblMoment, m.words);
}

} // namespace orvane
