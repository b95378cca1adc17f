#include "frm_field_sheet.h"

#include "bearing_block.h"
#include "countdown.h"
#include "event_block.h"
#include "forms/spoken_text.h"
#include "plan_view.h"
#include "sheet_page.h"
#include "sheet_table.h"
#include "sheet_text.h"
#include "sun_at_text.h"
#include "wall_panel.h"

#include "angles/angles.h"
#include "field/compass_words.h"
#include "text/result_text.h"
#include "text/translation.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTimeEdit>
#include <QTimer>

#include <cmath>

namespace orvane {

namespace {

using angles::kSecondsPerDay;
constexpr int kTickSeconds = 5;
// The chooser's value for the bearing's first time; the second follows.
constexpr int kBearingChoice = 10;

// "1:02:03", for the countdown.
QString durationText(long long seconds)
{
    return QStringLiteral("%1:%2:%3")
        .arg(seconds / 3600)
        .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

} // namespace

FrmFieldSheet::FrmFieldSheet(QWidget *parent)
    : QWidget(parent), now_([] { return QDateTime::currentDateTimeUtc(); }), beep_([] { QApplication::beep(); })
{
    buildControls();

    connect(txtHeight, &QLineEdit::textChanged, this, &FrmFieldSheet::readHeight);
    connect(txtBearing, &QLineEdit::textChanged, this, &FrmFieldSheet::readBearing);
    connect(wallPanel, &WallPanel::readingsChanged, this, &FrmFieldSheet::readWall);
    connect(cboAroundEvent, &QComboBox::currentIndexChanged, this, &FrmFieldSheet::fillAroundTable);
    connect(timMark, &QTimeEdit::timeChanged, this, &FrmFieldSheet::showMark);
    connect(cmdPrintSheet, &QPushButton::clicked, this, [this] { printPage(this, pageJob()); });
    connect(cmdSavePdf, &QPushButton::clicked, this, [this] { savePageAsPdf(this, pageJob()); });
    connect(cmdCloseSheet, &QPushButton::clicked, this, &QWidget::close);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &QWidget::close);

    txtHeight->setFocus();
    clockTimer = new QTimer(this);
    clockTimer->setInterval(200);
    connect(clockTimer, &QTimer::timeout, this, &FrmFieldSheet::refreshClock);
}

void FrmFieldSheet::setRequest(const SheetRequest &request)
{
    request_ = request;
    // The bearing and the wall readings stay as typed for the new site.
    static_cast<AcceptedSite &>(inputs_) = request;
    inputs_.days = 14;
    data_ = computeFieldData(inputs_);
    showFigures();
}

void FrmFieldSheet::showFigures()
{
    const QLocale locale;
    lblSite->setText(siteText(request_, locale));
    lblDate->setText(dateText(request_.date, locale));
    const QString summer = summerTimeLine(request_);
    lblClockMode->setText(clockDescription(request_) + (summer.isEmpty() ? QString() : u'\n' + summer));
    lblCompass->setText(compassLine(compassReading(request_.latitude, request_.longitude, request_.date), locale));
    showWarnings();

    plan->setPlan(data_, heightM_);
    const QStringList shadowless = shadowlessLines(data_);
    lblShadowless->setText(shadowless.join(QLatin1Char('\n')));
    lblShadowless->setVisible(!shadowless.isEmpty());
    for (const EventField &f : data_.events)
        blocks[static_cast<int>(f.event)]->setEvent(f, heightM_);
    bearingBlock->setVisible(!data_.bearings.empty());
    if (!data_.bearings.empty())
        bearingBlock->setBearing(data_.bearings.front(), heightM_);
    wallPanel->showResult(data_);

    // The chooser keeps its event across updates where it can.
    const QVariant chosen = cboAroundEvent->currentData();
    {
        const QSignalBlocker quiet(cboAroundEvent);
        cboAroundEvent->clear();
        for (const EventField &f : data_.events)
            if (f.seen)
                cboAroundEvent->addItem(eventTitle(f.event) + QStringLiteral(", ") +
                                            timeText(f.methodClock / kSecondsPerDay, locale),
                                        static_cast<int>(f.event));
        if (!data_.bearings.empty()) {
            const BearingField &b = data_.bearings.front();
            for (std::size_t i = 0; i < b.times.size(); ++i)
                cboAroundEvent->addItem(bearingTitle(b.bearingDeg, locale) + QStringLiteral(", ") +
                                            timeText(b.times[i].clock / kSecondsPerDay, locale),
                                        kBearingChoice + static_cast<int>(i));
        }
        const int again = cboAroundEvent->findData(chosen);
        cboAroundEvent->setCurrentIndex(again >= 0 ? again : 0);
    }
    fillAroundTable();

    QList<QStringList> days;
    for (const DayRow &r : data_.days)
        days << dayCells(r, locale);
    tblDays->setRows(dayHeaders(data_), days);
    refreshClock();
    fitHeight();
}

void FrmFieldSheet::fitHeight()
{
    // Wrapped lines need more height at a given width than the window's
    // minimum says: grow to what the layout asks for at this width.
    if (layout()->hasHeightForWidth() && isVisible())
        resize(size().expandedTo(QSize(width(), layout()->totalHeightForWidth(width()))));
}

void FrmFieldSheet::fillAroundTable()
{
    const QLocale locale;
    QList<QStringList> rows;
    int eventRow = -1;
    const QVariant chosen = cboAroundEvent->currentData();
    if (chosen.isValid() && chosen.toInt() >= kBearingChoice) {
        const BearingField &b = data_.bearings.front();
        const double at = b.times[std::size_t(chosen.toInt() - kBearingChoice)].clock;
        for (const AroundRow &r : b.around) {
            if (std::fabs(r.clock - at) > 300.5)
                continue;
            if (std::fabs(r.clock - at) < 0.5)
                eventRow = static_cast<int>(rows.size());
            rows << aroundCells(r, locale);
        }
        tblAround->setRows(aroundHeaders(), rows);
        if (eventRow >= 0)
            tblAround->markRow(eventRow, bearingTitle(b.bearingDeg, locale));
        const QSignalBlocker quiet(timMark);
        timMark->setTime(QTime(0, 0).addSecs(static_cast<int>(at)));
        showMark();
        return;
    }
    if (chosen.isValid()) {
        const EventField &f = data_.events[chosen.toInt()];
        for (const AroundRow &r : data_.around) {
            if (r.event != f.event)
                continue;
            if (std::fabs(r.clock - f.methodClock) < 0.5)
                eventRow = static_cast<int>(rows.size());
            rows << aroundCells(r, locale);
        }
        // A new event puts the mark at its own time.
        const QSignalBlocker quiet(timMark);
        timMark->setTime(QTime(0, 0).addSecs(static_cast<int>(f.methodClock)));
    }
    tblAround->setRows(aroundHeaders(), rows);
    if (eventRow >= 0)
        tblAround->markRow(eventRow, eventTitle(data_.events[chosen.toInt()].event));
    showMark();
}

void FrmFieldSheet::showMark()
{
    const double clock = timMark->time().msecsSinceStartOfDay() / 1000.0;
    const QString result = markText(markAt(inputs_, clock), QLocale());
    // Heard with the box, and read out as it changes under the typing.
    timMark->setAccessibleDescription(result);
    lblMarkResult->setSpokenText(result);
    if (timMark->hasFocus())
        lblMarkResult->announce();
}

void FrmFieldSheet::readHeight()
{
    bool ok = false;
    const double h = QLocale().toDouble(txtHeight->text(), &ok);
    if (!ok || h <= 0)
        return;
    heightM_ = h;
    plan->setPlan(data_, heightM_);
    for (const EventField &f : data_.events)
        blocks[static_cast<int>(f.event)]->setEvent(f, heightM_);
    if (!data_.bearings.empty())
        bearingBlock->setBearing(data_.bearings.front(), heightM_);
}

void FrmFieldSheet::readBearing()
{
    // Empty, or anything but a bearing from 0 to under 360: no fourth event.
    bool ok = false;
    const double b = QLocale().toDouble(txtBearing->text().trimmed(), &ok);
    std::vector<double> bearings;
    if (ok && b >= 0 && b < 360)
        bearings.push_back(b);
    if (bearings == inputs_.bearings)
        return;
    inputs_.bearings = bearings;
    data_ = computeFieldData(inputs_);
    showFigures();
}

void FrmFieldSheet::readWall()
{
    inputs_.wallReadings = wallPanel->readings();
    data_ = computeFieldData(inputs_);
    wallPanel->showResult(data_);
    showWarnings();
    fitHeight();
    if (wallListener_)
        wallListener_(data_.wall ? std::optional<double>(data_.wall->facingDeg) : std::nullopt);
}

void FrmFieldSheet::showWarnings()
{
    QStringList warnings;
    // The readings' own warning stands under them in the wall panel.
    for (FieldWarning w : data_.warnings)
        if (w != FieldWarning::WallSpread)
            warnings << noteText(fieldWarningText(w));
    lblWarnings->setText(warnings.join(QLatin1Char('\n')));
    lblWarnings->setVisible(!warnings.isEmpty());
}

void FrmFieldSheet::refreshClock()
{
    // The present on the sheet's clock: UTC moved by the clock's offset.
    const QDateTime onClock = now_().toUTC().addSecs(inputs_.clock.offsetSeconds());
    const bool today = request_.date.isValid() && onClock.date() == request_.date;
    grpToday->setVisible(today);
    if (!today)
        return;
    const double seconds = onClock.time().msecsSinceStartOfDay() / 1000.0;
    const QLocale locale;
    lblNow->setText(
        translate("sheet", "Computer's clock: %1").arg(timeText(std::floor(seconds) / kSecondsPerDay, locale)));

    const std::optional<NextEvent> next = nextEvent(data_, seconds);
    if (!next) {
        lblCountdown->setText(translate("sheet", "No more events today"));
        lastTick_ = 0;
        return;
    }
    const auto left = static_cast<long long>(std::ceil(next->secondsLeft));
    const EventField &f = data_.events[static_cast<int>(next->event)];
    const QString at = timeText(f.methodClock / kSecondsPerDay, locale);
    lblCountdown->setText(
        left > 0 ? translate("sheet", "Next: %1 at %2, in %3").arg(eventName(next->event), at, durationText(left))
                 : translate("sheet", "Next: %1 at %2, now").arg(eventName(next->event), at));
    // One tick for each of the last five seconds, when switched on.
    if (left >= 1 && left <= kTickSeconds) {
        if (left != lastTick_ && chkTick->isChecked())
            beep_();
        lastTick_ = static_cast<int>(left);
    } else {
        lastTick_ = 0;
    }
}

PageJob FrmFieldSheet::pageJob() const
{
    // File names stay as they are in every language.
    return PageJob{translate("sheet", "field sheet"), translate("sheet", "Save Field Sheet as PDF"),
                   QStringLiteral("Orvane field sheet.pdf"),
                   [request = request_, data = data_, height = heightM_](QPrinter &printer) {
                       return paintSheetPage(printer, request, data, height).painted;
                   }};
}

void FrmFieldSheet::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // The event's row in the middle once the table has its size; the table
    // may be refilled before then, so the row is looked up when it runs.
    QTimer::singleShot(0, this, &FrmFieldSheet::centreChosenRow);
    refreshClock();
    clockTimer->start();
    QTimer::singleShot(0, this, &FrmFieldSheet::fitHeight);
}

void FrmFieldSheet::centreChosenRow()
{
    if (QTableWidgetItem *chosen = tblAround->currentItem())
        tblAround->scrollToItem(chosen, QAbstractItemView::PositionAtCenter);
}

void FrmFieldSheet::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    clockTimer->stop();
}

} // namespace orvane
