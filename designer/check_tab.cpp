#include "check_tab.h"

#include "check_plot.h"

#include "field/dial_check.h"
#include "forms/named_controls.h"
#include "forms/spoken_text.h"
#include "text/clock_text.h"
#include "text/input_parsing.h"
#include "text/translation.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace orvane {

namespace {

enum Column { DateColumn, ClockColumn, DialColumn };

QString cellText(const QTableWidget *table, int row, int column)
{
    const QTableWidgetItem *item = table->item(row, column);
    return item ? item->text().trimmed() : QString();
}

// A time typed into a cell, in seconds after midnight; or why it is refused:
// `empty` when there is none, `unread` with the text for %1.
std::optional<double> readTime(const QString &text, const QString &empty, const QString &unread, QString &why)
{
    if (text.isEmpty()) {
        why = empty;
        return std::nullopt;
    }
    const std::optional<QTime> t = readClockText(text, QLocale());
    if (!t)
        why = unread.arg(text);
    return t ? std::optional<double>(t->msecsSinceStartOfDay() / 1000.0) : std::nullopt;
}

// Heard by its text, as it stands; what it is comes after, as its
// description (a fixed name would be read instead of the text).
QLabel *wrappedLabel(QWidget *parent, const char *name, const QString &what)
{
    auto *label = namedWidget<QLabel>(parent, name);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setAccessibleDescription(what);
    // Reached by the keyboard and read as it stands, like the staking steps.
    label->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    label->setFocusPolicy(Qt::StrongFocus);
    return label;
}

} // namespace

CheckTab::CheckTab(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("tabCheck"));
    tblReadings = namedWidget<QTableWidget>(this, "tblCheckReadings");
    tblReadings->setColumnCount(3);
    tblReadings->setHorizontalHeaderLabels(
        {translate("designer", "Date"), translate("designer", "Clock"), translate("designer", "Dial showed")});
    tblReadings->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    tblReadings->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    // The arrows move between cells, typing over one replaces it, F2 edits it.
    tblReadings->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                                 QAbstractItemView::AnyKeyPressed);
    tblReadings->setSelectionMode(QAbstractItemView::SingleSelection);
    // Tab leaves the table; the arrows walk its cells and typing fills one.
    tblReadings->setTabKeyNavigation(false);
    // Wide enough for its headings whole, which run longer in some languages:
    // the columns share the width alike.
    int widest = 0;
    for (int c = 0; c < tblReadings->columnCount(); ++c)
        widest = std::max(widest, tblReadings->horizontalHeader()->sectionSizeHint(c));
    tblReadings->setMinimumWidth(std::max(250, tblReadings->columnCount() * widest +
                                                   tblReadings->verticalHeader()->sizeHint().width() +
                                                   2 * tblReadings->frameWidth()));
    tblReadings->setAccessibleName(translate("designer", "Readings of the standing dial"));
    tblReadings->setAccessibleDescription(translate(
        "designer", "Each row a reading: the date, the clock's time and what the dial showed then, as HH:MM or "
                    "HH:MM:SS. Type into a cell to change it."));
    btnAdd = namedWidget<QPushButton>(this, "btnAddReading");
    btnAdd->setText(translate("designer", "Add readin&g"));
    btnAdd->setAccessibleName(translate("designer", "Add reading"));
    btnRemove = namedWidget<QPushButton>(this, "btnRemoveReading");
    btnRemove->setText(translate("designer", "Re&move"));
    btnRemove->setAccessibleName(translate("designer", "Remove the chosen reading"));
    for (QPushButton *b : {btnAdd, btnRemove})
        b->setAutoDefault(false);
    lblProblem = namedWidget<SpokenLabel>(this, "lblCheckProblem");
    lblProblem->setAccessibleName(translate("designer", "Refused reading"));
    lblProblem->setWordWrap(true);
    showAsRefused(lblProblem);
    lblProblem->hide();
    lblFit = wrappedLabel(this, "lblCheckFit", translate("designer", "How the dial stands"));
    lblAdvice = wrappedLabel(this, "lblCheckAdvice", translate("designer", "What to do"));
    plot = namedWidget<CheckPlot>(this, "checkPlot");
    plot->setAccessibleName(translate("designer", "Each reading's error before and after the fit"));
    plot->setFocusPolicy(Qt::StrongFocus);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(btnAdd);
    buttons->addWidget(btnRemove);
    buttons->addStretch(1);
    auto *left = new QVBoxLayout;
    left->addWidget(tblReadings, 1);
    left->addLayout(buttons);
    left->addWidget(lblProblem);
    // The plot beside the readings; the figures and the advice under them,
    // where their lines have room to grow.
    auto *grid = new QGridLayout(this);
    grid->addLayout(left, 0, 0);
    grid->addWidget(plot, 0, 1);
    grid->addWidget(lblFit, 1, 0);
    grid->addWidget(lblAdvice, 1, 1);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(0, 1);

    connect(btnAdd, &QPushButton::clicked, this, &CheckTab::addReading);
    connect(btnRemove, &QPushButton::clicked, this, &CheckTab::removeReading);
    connect(tblReadings, &QTableWidget::cellChanged, this, &CheckTab::check);
    check();
}

QList<QWidget *> CheckTab::keyboardOrder() const { return {tblReadings, btnAdd, btnRemove, lblFit, lblAdvice, plot}; }

void CheckTab::setDesign(const DialDesign *design)
{
    design_ = design;
    check();
}

void CheckTab::addReading()
{
    const int row = tblReadings->rowCount();
    // The day of the reading before, or the site's: readings come a few to a day.
    QString date = row > 0 ? cellText(tblReadings, row - 1, DateColumn) : QString();
    if (date.isEmpty() && design_)
        date = design_->site.date.toString(Qt::ISODate);
    {
        const QSignalBlocker quiet(tblReadings);
        tblReadings->insertRow(row);
        tblReadings->setItem(row, DateColumn, new QTableWidgetItem(date));
        for (int c : {ClockColumn, DialColumn})
            tblReadings->setItem(row, c, new QTableWidgetItem);
    }
    check();
    // Straight into the clock's cell: the day is usually the one before.
    tblReadings->setFocus(Qt::OtherFocusReason);
    tblReadings->setCurrentCell(row, ClockColumn);
    tblReadings->editItem(tblReadings->item(row, ClockColumn));
}

void CheckTab::removeReading()
{
    const int row = tblReadings->currentRow();
    if (row < 0)
        return;
    tblReadings->removeRow(row);
    check();
}

void CheckTab::check()
{
    const QLocale locale;
    btnAdd->setEnabled(tblReadings->rowCount() < kMaxCheckReadings);
    btnRemove->setEnabled(tblReadings->rowCount() > 0);
    std::vector<DialCheckEntry> entries;
    std::vector<int> rows;
    for (int r = 0; r < tblReadings->rowCount(); ++r) {
        const QString date = cellText(tblReadings, r, DateColumn), clock = cellText(tblReadings, r, ClockColumn),
                      dial = cellText(tblReadings, r, DialColumn);
        if (clock.isEmpty() && dial.isEmpty())
            continue; // a day alone is no reading yet
        QString why;
        const std::optional<QDate> day = parseDateText(date, locale);
        if (!day) {
            showProblem(r, DateColumn,
                        date.isEmpty()
                            ? translate("designer", "type the date, 2027-03-15 or in your locale's form")
                            : translate("designer", "the date \"%1\" cannot be read: type it as 2027-03-15 or in "
                                                    "your locale's form")
                                  .arg(date));
            return showNoFit(
                translate("designer", "Not checked: a reading is refused (see the message under the table)."),
                QString());
        }
        const std::optional<double> onClock =
            readTime(clock, translate("designer", "type the clock's time, HH:MM or HH:MM:SS"),
                     translate("designer", "the clock's time \"%1\" cannot be read: type HH:MM or HH:MM:SS"), why);
        const std::optional<double> onDial =
            onClock
                ? readTime(dial, translate("designer", "type what the dial showed, HH:MM or HH:MM:SS"),
                           translate("designer", "what the dial showed \"%1\" cannot be read: type HH:MM or HH:MM:SS"),
                           why)
                : std::nullopt;
        if (!onDial) {
            showProblem(r, onClock ? DialColumn : ClockColumn, why);
            return showNoFit(
                translate("designer", "Not checked: a reading is refused (see the message under the table)."),
                QString());
        }
        entries.push_back({*day, *onClock, *onDial, QStringLiteral("%1 %2=%3").arg(date, clock, dial)});
        rows.push_back(r);
    }
    if (!design_) {
        showProblem(-1, -1, QString());
        return showNoFit(translate("designer", "Not checked while the dial is not drawn."), QString());
    }
    const DialCheckResult result = checkDialReadings(*design_, entries, locale);
    if (!result.check) {
        if (result.refusedIndex >= 0) {
            showProblem(rows[std::size_t(result.refusedIndex)], -1, result.refusal);
            return showNoFit(
                translate("designer", "Not checked: a reading is refused (see the message under the table)."),
                QString());
        }
        showProblem(-1, -1, QString());
        return showNoFit(translate("designer", "Not checked: %1.").arg(result.refusal), QString());
    }
    showProblem(-1, -1, QString());
    const DialCheck &c = *result.check;
    const dial::CheckFit &f = c.fit;
    const auto deg = [&locale](double v) { return locale.toString(v, 'f', 2) + QChar(0xB0); };
    const auto minutes = [&locale](double v) { return locale.toString(v, 'f', 2); };
    if (f.told())
        lblFit->setText(QStringList{
            (f.turnDeg < 0 ? translate("designer", "Turn: %1 ± %2 anticlockwise, seen from above")
                           : translate("designer", "Turn: %1 ± %2 clockwise, seen from above"))
                .arg(deg(std::fabs(f.turnDeg)), deg(f.turnSdDeg)),
            translate("designer", "Lean: %1 ± %2, the face leaning %3")
                .arg(deg(std::fabs(f.leanDeg)), deg(f.leanSdDeg),
                     checkLeanWords(design_->faces.front().input, f.leanDeg)),
            (f.offsetMin < 0 ? translate("designer", "Offset: %1 ± %2 minutes, the dial behind the clock")
                             : translate("designer", "Offset: %1 ± %2 minutes, the dial ahead of the clock"))
                .arg(minutes(std::fabs(f.offsetMin)), minutes(f.offsetSdMin)),
            translate("designer", "Left after the fit: %1 minutes rms over %2 readings")
                .arg(minutes(f.rmsMin), locale.toString(qlonglong(entries.size())))}
                            .join(u'\n'));
    else
        lblFit->setText(entries.empty()
                            ? translate("designer", "No readings yet.")
                            : translate("designer", "Turn, lean and offset not found from these readings."));
    lblAdvice->setText(c.advice.join(u'\n'));
    lblAdvice->show();
    std::vector<CheckPoint> points;
    for (std::size_t i = 0; i < entries.size(); ++i)
        points.push_back({entries[i].clock / 3600, f.errorMin[i],
                          f.told() ? std::optional<double>(f.residualMin[i]) : std::nullopt});
    plot->setPoints(points);
}

void CheckTab::showProblem(int row, int column, const QString &why)
{
    {
        // Colouring a cell is no change of the readings.
        const QSignalBlocker quiet(tblReadings);
        for (int r = 0; r < tblReadings->rowCount(); ++r)
            for (int c = 0; c < tblReadings->columnCount(); ++c) {
                QTableWidgetItem *item = tblReadings->item(r, c);
                const bool refused = r == row && (column < 0 || c == column);
                if (!item && refused)
                    tblReadings->setItem(r, c, item = new QTableWidgetItem);
                if (item)
                    item->setForeground(refused ? QBrush(refusedColour()) : QBrush());
            }
    }
    const QString text = row < 0 ? QString() : translate("designer", "Reading %1: %2.").arg(row + 1).arg(why);
    const QString before = lblProblem->spokenText();
    lblProblem->setSpokenText(text);
    lblProblem->setVisible(!text.isEmpty());
    if (!text.isEmpty() && text != before)
        lblProblem->announce();
    // The refusal is the table's description while it stands, as a box's is.
    if (!tblReadings->property("plainDescription").isValid())
        tblReadings->setProperty("plainDescription", tblReadings->accessibleDescription());
    tblReadings->setAccessibleDescription(text.isEmpty() ? tblReadings->property("plainDescription").toString() : text);
}

void CheckTab::showNoFit(const QString &fit, const QString &advice)
{
    lblFit->setText(fit);
    lblAdvice->setText(advice);
    lblAdvice->setVisible(!advice.isEmpty());
    plot->setPoints({}, translate("designer", "Not checked"));
}

} // namespace orvane
