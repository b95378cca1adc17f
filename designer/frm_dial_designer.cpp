#include "frm_dial_designer.h"

#include "card_graph.h"
#include "dial_preview.h"
#include "dial_svg_file.h"
#include "dial_words.h"

#include "angles/angles.h"
#include "forms/spoken_text.h"
#include "text/dial_measure.h"
#include "text/report_text.h"
#include "text/window_texts.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>
#include <QTableWidget>

#include <algorithm>
#include <cmath>

namespace orvane {

namespace {

// The number in [low, high], or the problem to show beside its box.
std::optional<double> readWithin(const QString &text, MeasureUnit unit, double low, double high, const QString &what,
                                 const QString &unitWords, QString *problem)
{
    const QLocale locale;
    const std::optional<double> v = readDialMeasure(text, unit, locale);
    if (v && *v >= low && *v <= high)
        return v;
    *problem = QStringLiteral("Type %1 from %2 to %3 %4.")
                   .arg(what, reportNumberText(low, locale), reportNumberText(high, locale), unitWords);
    return std::nullopt;
}

} // namespace

FrmDialDesigner::FrmDialDesigner(QWidget *parent) : QWidget(parent)
{
    buildControls();
    for (QLineEdit *e : {txtFacing, txtNodus, txtWidth, txtHeight})
        connect(e, &QLineEdit::textChanged, this, &FrmDialDesigner::redraw);
    for (QComboBox *c : {cboType, cboStep, cboTime, cboDateLines})
        connect(c, &QComboBox::currentIndexChanged, this, &FrmDialDesigner::redraw);
    connect(cmdPrintDial, &QPushButton::clicked, this, [this] { say(lblStatus, printPage(this, pageJob())); });
    connect(cmdSavePdf, &QPushButton::clicked, this, [this] { say(lblStatus, savePageAsPdf(this, pageJob())); });
    connect(cmdSaveSvg, &QPushButton::clicked, this, &FrmDialDesigner::saveSvg);
    connect(cmdCloseDesigner, &QPushButton::clicked, this, &QWidget::close);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &QWidget::close);
    cboType->setFocus();
    svgWriter_ = [this](const QString &fileName, const DialDrawing &drawing) {
        const dial::CardDrawing card = cardDrawing(card_, CardRows::HalfMonthly, QLocale());
        return writeDialSvg(fileName, drawing, &card);
    };
    redraw();
}

void FrmDialDesigner::setRequest(const DesignerRequest &request)
{
    request_ = request;
    lblSite->setText(dialTitle(request_, DialSettings{}, QLocale()).section(QStringLiteral(", "), 1) +
                     QStringLiteral(", ") + QLocale().toString(request_.date, QLocale::LongFormat));
    redraw();
}

void FrmDialDesigner::setWallFacing(double degrees)
{
    txtFacing->setText(reportNumberText(degrees, QLocale()));
    cboType->setCurrentIndex(static_cast<int>(dial::DialType::Vertical));
}

void FrmDialDesigner::setSvgWriter(std::function<bool(const QString &, const DialDrawing &)> writer)
{
    svgWriter_ = std::move(writer);
    redraw();
}

std::optional<DialSettings> FrmDialDesigner::settings() const
{
    DialSettings s;
    s.type = static_cast<dial::DialType>(cboType->currentIndex());
    s.stepMinutes = cboStep->currentData().toInt();
    s.time = static_cast<dial::DialTime>(cboTime->currentIndex());
    s.dateLines = static_cast<DateLineChoice>(cboDateLines->currentIndex());
    QString problem;
    const auto width = readWithin(txtWidth->text(), MeasureUnit::Millimetres, dial::kMinPlateSide, dial::kMaxPlateSide,
                                  QStringLiteral("a width"), QStringLiteral("mm"), &problem);
    const auto height = readWithin(txtHeight->text(), MeasureUnit::Millimetres, dial::kMinPlateSide,
                                   dial::kMaxPlateSide, QStringLiteral("a height"), QStringLiteral("mm"), &problem);
    const double side = std::min(width.value_or(dial::kMaxPlateSide), height.value_or(dial::kMaxPlateSide));
    const auto nodus = readWithin(txtNodus->text(), MeasureUnit::Millimetres, dial::kMinNodusHeight, side,
                                  QStringLiteral("a height"), QStringLiteral("mm"), &problem);
    std::optional<double> facing = 180.0;
    if (s.type == dial::DialType::Vertical)
        facing = readWithin(txtFacing->text(), MeasureUnit::Degrees, 0, 360, QStringLiteral("a facing"),
                            QStringLiteral("degrees"), &problem);
    if (!width || !height || !nodus || !facing)
        return std::nullopt;
    s.plateWidth = *width;
    s.plateHeight = *height;
    s.nodusHeight = *nodus;
    s.facing = angles::wrap360(*facing);
    return s;
}

const DialDrawing &FrmDialDesigner::drawing() const { return preview->drawing(); }

void FrmDialDesigner::showProblem(QWidget *box, QLabel *label, const QString &problem)
{
    label->setText(problem);
    label->setVisible(!problem.isEmpty());
    // The refusal is the box's description while it stands.
    if (!box->property("plainDescription").isValid())
        box->setProperty("plainDescription", box->accessibleDescription());
    box->setAccessibleDescription(problem.isEmpty() ? box->property("plainDescription").toString() : problem);
}

void FrmDialDesigner::say(SpokenLabel *label, const QString &shown, const QString &spoken)
{
    const QString before = label->spokenText();
    label->setSpokenText(shown, spoken);
    if (!label->spokenText().isEmpty() && label->spokenText() != before)
        label->announce();
}

void FrmDialDesigner::redraw()
{
    const bool vertical = cboType->currentIndex() == static_cast<int>(dial::DialType::Vertical);
    txtFacing->setEnabled(vertical);

    // Each box's own problem beside it; the nodus's bound follows the plate.
    QString problem;
    auto check = [&](QLineEdit *box, QLabel *label, double low, double high, const QString &what, const QString &unit) {
        problem.clear();
        const MeasureUnit measure = box == txtFacing ? MeasureUnit::Degrees : MeasureUnit::Millimetres;
        const auto v = readWithin(box->text(), measure, low, high, what, unit, &problem);
        showProblem(box, label, problem);
        return v;
    };
    const auto width = check(txtWidth, lblWidthProblem, dial::kMinPlateSide, dial::kMaxPlateSide,
                             QStringLiteral("a width"), QStringLiteral("mm"));
    const auto height = check(txtHeight, lblHeightProblem, dial::kMinPlateSide, dial::kMaxPlateSide,
                              QStringLiteral("a height"), QStringLiteral("mm"));
    const double side = std::min(width.value_or(dial::kMaxPlateSide), height.value_or(dial::kMaxPlateSide));
    check(txtNodus, lblNodusProblem, dial::kMinNodusHeight, side, QStringLiteral("a height"),
          QStringLiteral("mm (the plate's smaller side)"));
    if (vertical)
        check(txtFacing, lblFacingProblem, 0, 360, QStringLiteral("a facing"), QStringLiteral("degrees"));
    else
        showProblem(txtFacing, lblFacingProblem, QString());

    const std::optional<DialSettings> s = settings();
    for (QPushButton *b : {cmdPrintDial, cmdSavePdf})
        b->setEnabled(s.has_value());
    cmdSaveSvg->setEnabled(s.has_value() && svgWriter_);
    if (!s) {
        // Nothing of the last dial stays in view as if it were this one.
        const QString refused = QStringLiteral("Not drawn: a setting is refused (see the message beside its box).");
        preview->showRefused(refused);
        preview->setAccessibleDescription(refused);
        lblStyleHeight->setText(QStringLiteral("Style height: not shown while a setting is refused"));
        lblRoot->setText(refused);
        QStringList problems;
        for (QLabel *l : {lblFacingProblem, lblNodusProblem, lblWidthProblem, lblHeightProblem})
            if (!l->text().isEmpty())
                problems << l->text();
        say(lblSummary, QString(), problems.join(u' '));
        tblHours->setRowCount(0);
        return;
    }

    updateCard(s->time);
    const DialDrawing d = makeDialDrawing(request_, *s, &card_);
    preview->setDrawing(d);
    const QLocale locale;
    lblStyleHeight->setText(QStringLiteral("Style height: %1°").arg(locale.toString(d.layout.styleHeight, 'f', 2)));
    if (d.layout.root) {
        const dial::PlatePoint r = *d.layout.root;
        lblRoot->setText(QStringLiteral("Root: %1 mm from the nodus's foot (x %2, y %3 mm)")
                             .arg(locale.toString(std::hypot(r.x, r.y), 'f', 1), locale.toString(r.x, 'f', 1),
                                  locale.toString(r.y, 'f', 1)));
    } else {
        lblRoot->setText(QStringLiteral("No root: the style runs parallel to the face, and so do the hour lines."));
    }
    if (d.layout.hourLines.empty())
        lblRoot->setText(lblRoot->text() + QStringLiteral("\nNo hour line falls on this plate."));

    const std::vector<HourRow> rows = hourRows(d);
    preview->setAccessibleDescription(dialDescription(d, rows, locale));
    say(lblSummary, rows.empty() ? QString() : QStringLiteral("%1 hour lines").arg(rows.size()),
        dialSummary(d, rows, locale));
    fillHourTable(rows, s->type);
}

void FrmDialDesigner::fillHourTable(const std::vector<HourRow> &rows, dial::DialType type)
{
    const QLocale locale;
    const QStringList headers{QStringLiteral("Hour"), angleHeading(type),
                              QStringLiteral("Distance from the foot to the line (mm)")};
    // Long headings take two lines on screen, so that the table fits its pane.
    QStringList shown;
    for (QString h : headers) {
        const qsizetype middle = h.lastIndexOf(u' ', h.size() / 2);
        if (h.size() > 16 && middle > 0)
            h[middle] = u'\n';
        shown << h;
    }
    tblHours->setHorizontalHeaderLabels(shown);
    tblHours->setRowCount(static_cast<int>(rows.size()));
    for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
        const HourRow &r = rows[static_cast<std::size_t>(i)];
        const QStringList cells{r.label, locale.toString(r.angle, 'f', 2), locale.toString(r.distance, 'f', 1)};
        for (int c = 0; c < cells.size(); ++c) {
            auto *item = new QTableWidgetItem(cells[c]);
            item->setTextAlignment(c == 0 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignRight | Qt::AlignVCenter);
            // Heard with its column's name, also from row to row.
            item->setData(Qt::AccessibleTextRole, headers[c] + QStringLiteral(": ") + cells[c]);
            tblHours->setItem(i, c, item);
        }
    }
}

void FrmDialDesigner::updateCard(dial::DialTime time)
{
    const CardKey key{request_.date.year(),
                      request_.latitude,
                      request_.longitude,
                      request_.clock.utcOffsetMinutes,
                      request_.clock.daylightSaving,
                      time};
    if (cardKey_ == key)
        return;
    cardKey_ = key;
    card_ = computeDialCard(request_, time);

    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    lblClock->setText(card_.clockNote + QStringLiteral(". Add the figure to the time the dial shows to get the "
                                                       "clock time; negative: subtract."));
    cardGraph->setCard(cardDrawing(card_, CardRows::Weekly, locale));
    cardGraph->setAccessibleDescription(cardDescription(card_, locale));
    const std::vector<CardDay> rows = weeklyRows(card_);
    tblCard->setRowCount(static_cast<int>(rows.size()));
    for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
        const CardDay &day = rows[static_cast<std::size_t>(i)];
        const QStringList cells{dayMonth(day.date.day(), day.date.month(), locale),
                                QString::fromStdString(dial::minutesSeconds(day.addSeconds)),
                                locale.toString(day.addSeconds, 'f', 1)};
        for (int c = 0; c < cells.size(); ++c) {
            auto *item = new QTableWidgetItem(cells[c]);
            item->setTextAlignment(c == 0 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignRight | Qt::AlignVCenter);
            // The row heard as a sentence, "2 July: add 4 minutes 32 seconds",
            // then each figure with its column's name.
            item->setData(Qt::AccessibleTextRole,
                          c == 0 ? cardRowSentence(day, locale)
                                 : tblCard->horizontalHeaderItem(c)->text() + QStringLiteral(": ") + cells[c]);
            tblCard->setItem(i, c, item);
        }
    }
}

PageJob FrmDialDesigner::pageJob() const { return dialPageJob(drawing()); }

void FrmDialDesigner::saveSvg()
{
    if (!svgWriter_)
        return;
    QFileDialog dialog(this, QStringLiteral("Save Dial as SVG"), QString(), QStringLiteral("SVG files (*.svg)"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("svg"));
    dialog.selectFile(QDir::home().filePath(QStringLiteral("Orvane dial.svg")));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString fileName = dialog.selectedFiles().constFirst();
    if (!svgWriter_(fileName, drawing()))
        QMessageBox::warning(this, QString::fromLatin1(kMessageTitle),
                             QStringLiteral("The dial could not be saved as %1.").arg(fileName));
    else
        say(lblStatus, QStringLiteral("Saved the dial as %1.").arg(QDir::toNativeSeparators(fileName)));
}

} // namespace orvane
