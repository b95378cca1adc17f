#include "wall_panel.h"

#include "forms/spoken_text.h"
#include "sheet_text.h"
#include "sun_at_text.h"
#include "wall_diagram.h"

#include "text/clock_text.h"
#include "text/translation.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

namespace orvane {

namespace {

QString cellText(const QTableWidget *t, int row, int column)
{
    const QTableWidgetItem *item = t->item(row, column);
    return item ? item->text().trimmed() : QString();
}

// "-20", "+55", "12,5 °" in a German locale.
std::optional<double> readAngle(QString text, const QLocale &locale)
{
    text.remove(QChar(0x00B0));
    text = text.trimmed();
    if (text.startsWith(locale.positiveSign()))
        text.remove(0, locale.positiveSign().size());
    bool ok = false;
    const double value = locale.toDouble(text, &ok);
    return ok && std::isfinite(value) ? std::optional<double>(value) : std::nullopt;
}

} // namespace

WallPanel::WallPanel(QWidget *parent) : QGroupBox(parent)
{
    setObjectName(QStringLiteral("grpWall"));
    // The title's access key takes the focus to the table.
    setTitle(translate("sheet", "Which way does my w&all face?"));

    auto *diagram = new WallDiagram(this);
    table_ = new QTableWidget(1, 2, this);
    table_->setObjectName(QStringLiteral("tblWall"));
    table_->setHorizontalHeaderLabels({translate("sheet", "Clock time"), translate("sheet", "A (°)")});
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->verticalHeader()->setDefaultSectionSize(fontMetrics().lineSpacing() + 6);
    table_->setAccessibleName(translate("sheet", "Wall readings"));
    table_->setAccessibleDescription(wallDiagramDescription());
    table_->setToolTip(translate(
        "sheet", "One reading a row: the clock time and the angle A; Enter keeps a cell. Clear a row to drop it."));
    table_->setColumnWidth(0, 100);
    table_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // As in the sheet's other tables Tab leaves; the arrows move, typing
    // fills a cell and Enter keeps it.
    table_->setTabKeyNavigation(false);
    table_->setMinimumHeight(4 * table_->verticalHeader()->defaultSectionSize());
    result_ = new SpokenLabel(this);
    result_->setObjectName(QStringLiteral("lblWallResult"));
    result_->setWordWrap(true);
    // Room for the result and its warning: the window does not grow for
    // wrapped lines.
    result_->setMinimumHeight(4 * fontMetrics().lineSpacing());
    result_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    result_->setText(translate("sheet", "Type a clock time and the angle A in each row."));

    auto *top = new QHBoxLayout;
    top->addWidget(diagram);
    top->addWidget(table_, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(result_);

    connect(table_, &QTableWidget::itemChanged, this, &WallPanel::readTable);
}

void WallPanel::readTable()
{
    const QSignalBlocker quiet(table_);
    // Cleared rows go; one empty row stays last for the next reading.
    for (int r = table_->rowCount() - 1; r >= 0; --r)
        if (cellText(table_, r, 0).isEmpty() && cellText(table_, r, 1).isEmpty())
            table_->removeRow(r);
    table_->insertRow(table_->rowCount());

    const QLocale locale;
    readings_.clear();
    rowOf_.clear();
    unreadable_.clear();
    for (int r = 0; r + 1 < table_->rowCount(); ++r) {
        const QString clock = cellText(table_, r, 0);
        const QString angle = cellText(table_, r, 1);
        const std::optional<QTime> time = readClockText(clock, locale);
        const std::optional<double> a = readAngle(angle, locale);
        if (!clock.isEmpty() && !time)
            unreadable_
                << translate("sheet", "Reading %1: the clock time \"%2\" cannot be read.").arg(r + 1).arg(clock);
        if (!angle.isEmpty() && !a)
            unreadable_ << translate("sheet", "Reading %1: the angle \"%2\" cannot be read.").arg(r + 1).arg(angle);
        if (time && a) {
            readings_.push_back({time->msecsSinceStartOfDay() / 1000.0, *a});
            rowOf_.push_back(r + 1);
        }
    }
    emit readingsChanged();
}

void WallPanel::showResult(const FieldData &d)
{
    const QLocale locale;
    QStringList lines = unreadable_;
    for (const WallReadingRefusal &r : d.wallRefusals)
        if (r.index >= 0 && std::size_t(r.index) < readings_.size())
            lines << wallRefusalText(r, readings_[std::size_t(r.index)], rowOf_[std::size_t(r.index)], locale);
    const bool trouble = !lines.isEmpty();
    if (d.wall && !trouble)
        lines << wallResultText(*d.wall, d.inputs.latitude, locale);
    if (d.wall && std::find(d.warnings.begin(), d.warnings.end(), FieldWarning::WallSpread) != d.warnings.end())
        lines << noteText(fieldWarningText(FieldWarning::WallSpread));
    if (lines.isEmpty())
        lines << translate("sheet", "Type a clock time and the angle A in each row.");
    QPalette pal = palette();
    if (trouble)
        pal.setColor(QPalette::WindowText, QColor(170, 0, 0));
    result_->setPalette(pal);
    result_->setSpokenText(lines.join(QLatin1Char('\n')));
}

} // namespace orvane
