#include "frm_dial_designer.h"

#include "card_graph.h"
#include "check_tab.h"
#include "dial_preview.h"
#include "dial_words.h"
#include "held_box.h"
#include "plane_side_view.h"

#include "angles/angles.h"
#include "dial/dxf_writer.h"
#include "dial/svg_writer.h"
#include "field/compass_words.h"
#include "field/dial_setting_table.h"
#include "field/ground_staking.h"
#include "field/report_words.h"
#include "forms/spoken_text.h"
#include "print/dial_pages.h"
#include "text/dial_measure.h"
#include "text/input_parsing.h"
#include "text/report_text.h"
#include "text/translation.h"
#include "text/whole_files.h"
#include "text/window_texts.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrinter>
#include <QProgressDialog>
#include <QPushButton>
#include <QShortcut>
#include <QTableWidget>

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>

namespace orvane {

namespace {

double typed(const QLineEdit *box, MeasureUnit unit)
{
    return readDialMeasure(typedText(box), unit, QLocale()).value_or(std::numeric_limits<double>::quiet_NaN());
}

// "Type a width from 50 to 5000 mm.": what the box takes, from the check's range.
QString problemText(const SettingProblem &problem)
{
    const QLocale locale;
    const SettingRow &row = settingRow(problem.setting);
    return translate("designer", "Type %1 from %2 to %3 %4.")
        .arg(translate("field", row.typeWhat), reportNumberText(problem.range.low, locale),
             reportNumberText(problem.range.high, locale), translate("field", row.typeUnit));
}

// Each row's cells, the first `leftColumns` aligned left. A reader names the
// column on its own as the focus moves across: a cell is its figure alone.
void fillRows(QTableWidget *table, const QList<QStringList> &rows, int leftColumns = 1)
{
    table->setRowCount(int(rows.size()));
    for (int i = 0; i < int(rows.size()); ++i)
        for (int c = 0; c < rows[i].size(); ++c) {
            auto *item = new QTableWidgetItem(rows[i][c]);
            item->setTextAlignment((c < leftColumns ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
            table->setItem(i, c, item);
        }
}

} // namespace

FrmDialDesigner::FrmDialDesigner(QWidget *parent) : QWidget(parent)
{
    buildControls();
    for (const auto &[setting, b] : settingBoxes)
        connect(b.box, &QLineEdit::textChanged, this, &FrmDialDesigner::redraw);
    for (QComboBox *c : {cboType, cboStep, cboTime, cboDateLines})
        connect(c, &QComboBox::currentIndexChanged, this, &FrmDialDesigner::redraw);
    connect(cmdPrintDial, &QPushButton::clicked, this, [this] { say(lblStatus, printPage(this, pageJob())); });
    connect(cmdSavePdf, &QPushButton::clicked, this, [this] { say(lblStatus, savePageAsPdf(this, pageJob())); });
    connect(cmdSaveSvg, &QPushButton::clicked, this, [this] { saveFile(QStringLiteral("SVG"), svgWriter_); });
    connect(cmdSaveDxf, &QPushButton::clicked, this, [this] {
        saveFile(QStringLiteral("DXF"), [](const QString &fileName, const DialDesign &design) {
            return writeWholeFile(fileName, dial::dxfText(design.drawing));
        });
    });
    connect(cmdCloseDesigner, &QPushButton::clicked, this, &QWidget::close);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &QWidget::close);
    cboType->setFocus();
    svgWriter_ = [](const QString &fileName, const DialDesign &design) {
        return writeWholeFile(fileName, dial::svgText(design.drawing));
    };
    redraw();
}

void FrmDialDesigner::setRequest(const DesignerRequest &request)
{
    request_ = request;
    lblSite->setText(siteText(request_.latitude, request_.longitude, QLocale()) + QStringLiteral(", ") +
                     QLocale().toString(request_.date, QLocale::LongFormat));
    lblCompass->setText(compassLine(compassReading(request_.latitude, request_.longitude, request_.date), QLocale()));
    redraw();
    setMomentToNow();
}

void FrmDialDesigner::setWallFacing(double degrees)
{
    // The kind first: a greyed box would not keep the facing.
    cboType->setCurrentIndex(cboType->findData(QString::fromLatin1(dial::wallDialKind().commandName)));
    box(DialSetting::Facing)->setText(reportNumberText(degrees, QLocale()));
}

void FrmDialDesigner::setSvgWriter(std::function<bool(const QString &, const DialDesign &)> writer)
{
    svgWriter_ = std::move(writer);
    redraw();
}

DialSettings FrmDialDesigner::typedSettings() const
{
    DialSettings s;
    const dial::DialKind *kind = dial::findDialKind(cboType->currentData().toString().toStdString());
    s.type = (kind ? *kind : dial::dialKinds().front()).type;
    s.stepMinutes = cboStep->currentData().toInt();
    s.time = cboTime->currentData().value<dial::DialTime>();
    s.dateLines = cboDateLines->currentData().value<DateLineChoice>();
    readOldHours(s);
    for (const SettingRow &row : settingRows())
        s.*row.value = typed(box(row.setting), row.unit);
    return s;
}

std::optional<DialSettings> FrmDialDesigner::settings() const
{
    DialSettings s = typedSettings();
    if (!checkDialSettings(s).empty())
        return std::nullopt;
    s.facing = dial::dialKind(s.type).takes(DialSetting::Facing) ? angles::wrap360(s.facing) : DialSettings{}.facing;
    return s;
}

const DialDesign &FrmDialDesigner::design() const { return preview->design(); }

const DesignCard &FrmDialDesigner::card() const
{
    static const DesignCard none;
    return design().card ? *design().card : none;
}

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
    const DialSettings typedIn = typedSettings();
    showKind(dial::dialKind(typedIn.type), typedIn);
    const std::vector<SettingProblem> problems = checkDialSettings(typedIn);
    showProblems(problems);

    const std::optional<DialSettings> s = settings();
    for (QPushButton *b : {cmdPrintDial, cmdSavePdf, cmdSaveDxf})
        b->setEnabled(s.has_value());
    cmdSaveSvg->setEnabled(s.has_value() && svgWriter_);
    if (!s) {
        QStringList texts;
        for (const SettingProblem &p : problems)
            texts << problemText(p);
        showRefused(translate("designer", "Not drawn: a setting is refused (see the message beside its box)."),
                    texts.join(u' '));
        return;
    }
    // A kind that cannot be laid out at the site's latitude.
    if (const QString where = dialLatitudeProblem(*s, request_.latitude); !where.isEmpty()) {
        for (QPushButton *b : {cmdPrintDial, cmdSavePdf, cmdSaveSvg, cmdSaveDxf})
            b->setEnabled(false);
        showRefused(translate("designer", "Not drawn: %1.").arg(where), where + u'.');
        return;
    }

    // A kind that cannot be drawn to the dial time or in the hours chosen.
    if (QString why = dialTimeProblem(*s); !why.isEmpty() || !(why = hourSystemsProblem(*s)).isEmpty()) {
        for (QPushButton *b : {cmdPrintDial, cmdSavePdf, cmdSaveSvg, cmdSaveDxf})
            b->setEnabled(false);
        showRefused(translate("designer", "Not drawn: %1.").arg(why), why + u'.');
        return;
    }

    const QLocale locale;
    preview->setDesign(designDial(request_, *s, DesignChoices{}, locale));
    const DialDesign &d = preview->design();
    sideView->setPlane(d.faces.front().input.facing, d.faces.front().input.tilt, d.faces.front().input.latitude);
    showCard(card());
    showFigures(d);
    checkTab->setDesign(&d);
    preview->setAccessibleDescription(valueText(d.report.description, locale));
    say(lblSummary, valueText(d.report.count, locale), valueText(d.report.summary, locale));
    if (d.kind->paper == dial::Paper::ScalePlan)
        showStaking(d);
    else
        fillHourTable(d);
    showMoment();
}

void FrmDialDesigner::showKind(const dial::DialKind &kind, const DialSettings &typedIn)
{
    // A box the kind has no say in shows the face the kind makes (an
    // equatorial dial's upper face, a polar dial's tilt from its facing), or
    // nothing where the dial has no such figure: no facing for a level face.
    const dial::DialInput face = dialFaces(request_, typedIn).front().input;
    const QLocale locale;
    const auto figure = [&locale](double v) { return reportNumberText(std::round(v * 100) / 100, locale); };
    const bool level = std::fabs(std::sin(angles::radians(face.tilt))) < 1e-9;
    for (const SettingRow &row : settingRows()) {
        const bool shown = row.faceValue && !(row.compass && level); // a level face looks nowhere
        holdBox(box(row.setting), kind.takes(row.setting), shown ? figure(face.*row.faceValue) : QString());
    }
    // A kind drawn to a time of its own (the noon mark's clock) takes no other.
    cboTime->setEnabled(!kind.ownTime);
    const bool ground = kind.paper == dial::Paper::ScalePlan;
    showOwnTable(ground);
    lblStakingSteps->setVisible(ground);
    sideView->setVisible(!ground); // no face or style to show
}

// Each box's own problem beside it, from the one check.
void FrmDialDesigner::showProblems(const std::vector<SettingProblem> &problems)
{
    for (const auto &[setting, b] : settingBoxes) {
        const DialSetting which = setting; // clang 14 captures no structured binding
        const auto problem = std::find_if(problems.begin(), problems.end(),
                                          [which](const SettingProblem &p) { return p.setting == which; });
        showProblem(b.box, b.problem, problem == problems.end() ? QString() : problemText(*problem));
    }
}

// The style height, the root, the face's notes and the lean, under the inputs.
void FrmDialDesigner::showFigures(const DialDesign &d)
{
    const QLocale locale;
    lblStyleHeight->setText(valueText(d.report.caption, locale));
    lblRoot->setText(valueText(d.report.figures, locale));
    for (const QString &note : d.faceNotes)
        lblRoot->setText(lblRoot->text() + u'\n' + note + u'.');
    lblLean->setText(d.leanNote.isEmpty() ? QString() : d.leanNote + u'.');
    lblLean->setVisible(!d.leanNote.isEmpty());
}

void FrmDialDesigner::showRefused(const QString &why, const QString &spoken)
{
    checkTab->setDesign(nullptr);
    // Nothing of the last dial stays in view as if it were this one.
    preview->showRefused(why);
    preview->setAccessibleDescription(why);
    lblStyleHeight->setText(translate("designer", "Style height: not shown while a setting is refused"));
    lblRoot->setText(why);
    lblLean->hide();
    say(lblSummary, QString(), spoken);
    tblHours->setRowCount(0);
    tblStaking->setRowCount(0);
    lblStakingSteps->clear();
    showMoment();
}

void FrmDialDesigner::showStaking(const DialDesign &d)
{
    const QLocale locale;
    QStringList steps;
    int n = 0;
    for (const QString &step : stakingSteps(d, locale))
        steps << QStringLiteral("%1. %2").arg(++n).arg(step);
    lblStakingSteps->setText(steps.join(u'\n'));
    const StakingTable staking = stakingTable(d, locale);
    tblStaking->setColumnCount(int(staking.headings.size()));
    tblStaking->setHorizontalHeaderLabels(staking.headings);
    fillRows(tblStaking, staking.rows);
}

void FrmDialDesigner::fillHourTable(const DialDesign &design)
{
    const QLocale locale;
    // A dial of two faces names each row's face first.
    const bool named = design.faces.size() > 1;
    QStringList headers{translate("designer", "Hour"), translate("dial", design.kind->angleHeading),
                        translate("designer", "Distance from the foot to the line (mm)")};
    if (named)
        headers.prepend(translate("designer", "Face"));
    // Long headings take two lines on screen, so that the table fits its
    // pane; a reader hears them whole.
    tblHours->setColumnCount(int(headers.size()));
    for (int c = 0; c < int(headers.size()); ++c) {
        QString shown = headers[c];
        const qsizetype middle = shown.lastIndexOf(u' ', shown.size() / 2);
        if (shown.size() > 16 && middle > 0)
            shown[middle] = u'\n';
        auto *header = new QTableWidgetItem(shown);
        header->setData(Qt::AccessibleTextRole, headers[c]);
        tblHours->setHorizontalHeaderItem(c, header);
    }
    QList<QStringList> cells;
    for (const dial::DialFace &face : design.faces)
        for (const dial::HourLineRow &r : face.hourLines) {
            cells << QStringList{QString::fromStdString(r.label),
                                 std::isnan(r.angleDeg) ? translate("designer", "figure-8")
                                                        : locale.toString(r.angleDeg, 'f', 2),
                                 locale.toString(r.distanceMm, 'f', 1)};
            if (named)
                cells.back().prepend(translate("dial", face.name));
        }
    fillRows(tblHours, cells, named ? 2 : 1);
}

void FrmDialDesigner::showCard(const DesignCard &card)
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    lblClock->setText(!design().noCard.isEmpty()
                          ? design().noCard
                          : translate("designer", "%1. Add the figure to the time the dial shows to get the clock "
                                                  "time; negative: subtract.")
                                .arg(card.clockNote));
    cardGraph->setDrawing(drawingParts(design().drawing, {dial::Part::Card}));
    cardGraph->setAccessibleDescription(cardDescription(card, locale));
    const std::vector<CardDay> rows = weeklyRows(card);
    tblCard->setRowCount(static_cast<int>(rows.size()));
    for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
        const CardDay &day = rows[static_cast<std::size_t>(i)];
        const QStringList cells{dayMonth(day.date.day(), day.date.month(), locale),
                                QString::fromStdString(dial::minutesSeconds(day.addSeconds)),
                                locale.toString(day.addSeconds, 'f', 1)};
        for (int c = 0; c < cells.size(); ++c) {
            auto *item = new QTableWidgetItem(cells[c]);
            item->setTextAlignment(c == 0 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignRight | Qt::AlignVCenter);
            // The row's first cell heard as a sentence, "2 July: add 4
            // minutes 32 seconds"; the figures after it as they stand.
            if (c == 0)
                item->setData(Qt::AccessibleTextRole, cardRowSentence(day, locale));
            tblCard->setItem(i, c, item);
        }
    }
}

PageJob FrmDialDesigner::pageJob()
{
    PageJob job = dialPageJob(design());
    const DialDesign d = design();
    job.confirm = [this, d](QPrinter &printer) {
        setDialPaper(printer);
        const QPageSize paper = printer.pageLayout().pageSize();
        const int pages = planDialPages(d, paper).pages();
        if (pages <= kPagesWithoutAsking)
            return true;
        const QString act = printer.outputFormat() == QPrinter::PdfFormat
                                ? translate("designer", "Save them as a PDF file?")
                                : translate("designer", "Print them?");
        return QMessageBox::question(
                   this, QString::fromLatin1(kMessageTitle),
                   translate("designer", "This dial takes %1 pages of %2 paper. %3")
                       .arg(pages)
                       .arg(paper.id() == QPageSize::Letter ? translate("designer", "Letter") : paper.name(), act),
                   QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) == QMessageBox::Yes;
    };
    auto stopped = std::make_shared<bool>(false);
    job.stopped = [stopped] { return *stopped; };
    job.paint = [this, d, stopped](QPrinter &printer) {
        setDialPaper(printer);
        const int total = planDialPages(d, printer.pageLayout().pageSize()).pages();
        // Page by page, the window served between them; at once for a job
        // that was asked about, as it takes a while.
        QProgressDialog progress(translate("designer", "Painting the dial's pages..."), translate("designer", "Stop"),
                                 0, total, this);
        progress.setWindowModality(Qt::WindowModal);
        progress.setMinimumDuration(total > kPagesWithoutAsking ? 0 : 500);
        const PrintedDial out = paintDialPages(printer, d, [&progress](int done, int all) {
            progress.setValue(done);
            progress.setLabelText(translate("designer", "Painting page %1 of %2...").arg(done + 1).arg(all));
            QCoreApplication::processEvents();
            return !progress.wasCanceled();
        });
        *stopped = out.stopped;
        return out.pages > 0;
    };
    return job;
}

void FrmDialDesigner::saveFile(const QString &kind,
                               const std::function<bool(const QString &, const DialDesign &)> &writer)
{
    if (!writer || !preview->hasDesign())
        return;
    const QString suffix = kind.toLower();
    QFileDialog dialog(this, translate("designer", "Save Dial as %1").arg(kind), QString(),
                       translate("designer", "%1 files (*.%2)").arg(kind, suffix));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(suffix);
    dialog.selectFile(QDir::home().filePath(QStringLiteral("Orvane dial.") + suffix));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString fileName = dialog.selectedFiles().constFirst();
    if (!writer(fileName, design()))
        QMessageBox::warning(this, QString::fromLatin1(kMessageTitle),
                             translate("designer", "The dial could not be saved as %1.").arg(fileName));
    else
        say(lblStatus, translate("designer", "Saved the dial as %1.").arg(QDir::toNativeSeparators(fileName)));
}

} // namespace orvane
