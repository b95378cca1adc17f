// Building the Field Sheet's controls and their keyboard walk.
#include "frm_field_sheet.h"

#include "bearing_block.h"
#include "event_block.h"
#include "forms/spoken_text.h"
#include "link_button.h"
#include "mark_time_edit.h"
#include "plan_view.h"
#include "sheet_table.h"
#include "sheet_text.h"
#include "wall_panel.h"

#include "forms/named_controls.h"
#include "text/result_text.h"
#include "text/translation.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleValidator>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimeEdit>
#include <QVBoxLayout>

namespace orvane {

void FrmFieldSheet::buildControls()
{
    setObjectName(QStringLiteral("frmFieldSheet"));
    setWindowTitle(translate("sheet", "Field Sheet"));

    // Built in reading order, which is also the order a screen reader
    // lists the controls in.
    auto *main = new QVBoxLayout(this);
    buildHeader(main);
    auto *body = new QHBoxLayout;
    body->addLayout(buildPlanColumn());
    // Right of the plan and the clock: the events, then the tables.
    auto *right = new QVBoxLayout;
    right->addLayout(buildEvents());
    auto *tables = new QHBoxLayout;
    tables->addLayout(buildAroundColumn(), 1);
    tables->addLayout(buildDaysColumn(), 1);
    right->addLayout(tables, 1);
    body->addLayout(right, 1);
    main->addLayout(body, 1);
    main->addLayout(buildButtons());
    setKeyboardWalk();
}

void FrmFieldSheet::buildHeader(QVBoxLayout *main)
{
    lblSite = namedWidget<QLabel>(this, "lblSite");
    QFont bold = font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.2);
    lblSite->setFont(bold);
    lblDate = namedWidget<QLabel>(this, "lblDate");
    lblClockMode = namedWidget<QLabel>(this, "lblClockMode");
    lblCompass = namedWidget<QLabel>(this, "lblCompass");
    lblCompass->setWordWrap(true);
    lblWarnings = namedWidget<QLabel>(this, "lblWarnings");
    lblWarnings->setWordWrap(true);
    showAsRefused(lblWarnings);
    for (QLabel *l : {lblSite, lblDate, lblClockMode, lblCompass, lblWarnings})
        main->addWidget(l);
}

QLayout *FrmFieldSheet::buildPlanColumn()
{
    // The plan, its plumb line and what it cannot show.
    plan = namedWidget<PlanView>(this, "planView");
    txtHeight = namedWidget<QLineEdit>(this, "txtHeight");
    auto *validator = new QDoubleValidator(0.01, 1000, 2, txtHeight);
    validator->setNotation(QDoubleValidator::StandardNotation);
    txtHeight->setValidator(validator);
    txtHeight->setText(heightText(heightM_, QLocale()));
    txtHeight->setMaximumWidth(80);
    QLabel *lblHeight = labelFor(this, "lblHeight", translate("sheet", "Plumb line &height (m):"), txtHeight);
    txtBearing = namedWidget<QLineEdit>(this, "txtBearing");
    auto *bearingValidator = new QDoubleValidator(0, 360, 3, txtBearing);
    bearingValidator->setNotation(QDoubleValidator::StandardNotation);
    txtBearing->setValidator(bearingValidator);
    txtBearing->setMaximumWidth(80);
    txtBearing->setAccessibleDescription(
        translate("sheet", "Degrees from north through east; empty for no fourth event"));
    QLabel *lblBearing = labelFor(this, "lblBearing", translate("sheet", "Sun at &bearing (°):"), txtBearing);
    lblShadowless = namedWidget<QLabel>(this, "lblShadowless");
    lblShadowless->setWordWrap(true);

    auto *left = new QVBoxLayout;
    left->addWidget(plan);
    for (auto [label, box] : {std::pair{lblHeight, txtHeight}, std::pair{lblBearing, txtBearing}}) {
        auto *row = new QHBoxLayout;
        row->addWidget(label);
        row->addWidget(box);
        row->addStretch();
        left->addLayout(row);
    }
    left->addWidget(lblShadowless);
    left->addStretch();
    buildClock(left);
    return left;
}

void FrmFieldSheet::buildClock(QVBoxLayout *column)
{
    grpToday = namedWidget<QGroupBox>(this, "grpToday");
    grpToday->setTitle(translate("sheet", "Today"));
    lblNow = namedWidget<QLabel>(grpToday, "lblNow");
    QFont clockFont = font();
    clockFont.setPointSizeF(clockFont.pointSizeF() * 1.3);
    clockFont.setBold(true);
    lblNow->setFont(clockFont);
    lblCountdown = namedWidget<QLabel>(grpToday, "lblCountdown");
    lblCountdown->setFont(clockFont);
    lblCountdown->setWordWrap(true);
    chkTick = namedWidget<QCheckBox>(grpToday, "chkTick");
    chkTick->setText(translate("sheet", "&Tick in the last five seconds"));
    auto *todayLayout = new QVBoxLayout(grpToday);
    todayLayout->addWidget(lblNow);
    todayLayout->addWidget(lblCountdown);
    todayLayout->addWidget(chkTick);

    auto *lblClockNote = namedWidget<QLabel>(this, "lblClockNote");
    lblClockNote->setText(translate("sheet",
                                    "The times are only as good as the clock you read: set your watch and this "
                                    "computer's clock exactly."));
    lblClockNote->setWordWrap(true);
    // The main window's time link, as a flat button that the Tab key reaches.
    cmdTimeLink = namedWidget<LinkButton>(this, "cmdTimeLink");
    cmdTimeLink->setText(translate("sheet", "Click here to set your watch to atomic standard via internet"));
    cmdTimeLink->setAccessibleName(translate("sheet", "Set your watch to atomic standard via internet"));
    cmdTimeLink->setShortcut(QKeySequence(Qt::ALT | Qt::Key_W));
    connect(cmdTimeLink, &QPushButton::clicked, this, [this] {
        if (timeLink_)
            timeLink_();
    });

    column->addWidget(grpToday);
    column->addWidget(lblClockNote);
    column->addWidget(cmdTimeLink);
}

QLayout *FrmFieldSheet::buildEvents()
{
    auto *blockRow = new QHBoxLayout;
    for (FieldEvent e : kFieldEvents) {
        blocks[static_cast<int>(e)] = new EventBlock(e, this);
        blockRow->addWidget(blocks[static_cast<int>(e)], 1);
    }
    bearingBlock = new BearingBlock(this);
    bearingBlock->hide();
    blockRow->addWidget(bearingBlock, 1);
    return blockRow;
}

QLayout *FrmFieldSheet::buildAroundColumn()
{
    cboAroundEvent = namedWidget<SpokenComboBox>(this, "cboAroundEvent");
    QLabel *lblAround = labelFor(this, "lblAround", translate("sheet", "&Every 30 seconds around:"), cboAroundEvent);
    tblAround = namedWidget<SheetTable>(this, "tblAround");
    tblAround->setAccessibleName(translate("sheet", "Every 30 seconds around the chosen event"));
    timMark = namedWidget<MarkTimeEdit>(this, "timMark");
    timMark->setDisplayFormat(clockTimeFormat(QLocale()));
    QLabel *lblMark = labelFor(this, "lblMark", translate("sheet", "I &marked the shadow at:"), timMark);
    lblMarkResult = namedWidget<SpokenLabel>(this, "lblMarkResult");
    lblMarkResult->setWordWrap(true);

    auto *column = new QVBoxLayout;
    auto *aroundRow = new QHBoxLayout;
    aroundRow->addWidget(lblAround);
    aroundRow->addWidget(cboAroundEvent, 1);
    column->addLayout(aroundRow);
    column->addWidget(tblAround, 1);
    auto *markRow = new QHBoxLayout;
    markRow->addWidget(lblMark);
    markRow->addWidget(timMark, 1);
    column->addLayout(markRow);
    column->addWidget(lblMarkResult);
    return column;
}

QLayout *FrmFieldSheet::buildDaysColumn()
{
    tblDays = namedWidget<SheetTable>(this, "tblDays");
    QLabel *lblDays = labelFor(this, "lblDays", translate("sheet", "The &next 14 days:"), tblDays);
    // A week in view above the wall panel.
    tblDays->setMinimumHeight(9 * (fontMetrics().lineSpacing() + 6));
    wallPanel = new WallPanel(this);

    auto *column = new QVBoxLayout;
    column->addWidget(lblDays);
    column->addWidget(tblDays, 1);
    column->addWidget(wallPanel);
    return column;
}

QLayout *FrmFieldSheet::buildButtons()
{
    cmdPrintSheet = namedWidget<QPushButton>(this, "cmdPrintSheet");
    cmdPrintSheet->setText(translate("sheet", "&Print"));
    cmdSavePdf = namedWidget<QPushButton>(this, "cmdSavePdf");
    cmdSavePdf->setText(translate("sheet", "&Save as PDF"));
    cmdCloseSheet = namedWidget<QPushButton>(this, "cmdCloseSheet");
    cmdCloseSheet->setText(translate("sheet", "&Close"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton *b : {cmdPrintSheet, cmdSavePdf, cmdCloseSheet}) {
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    return buttons;
}

void FrmFieldSheet::setKeyboardWalk()
{
    // The keyboard walks the sheet as the eye reads it.
    QWidget *order[] = {plan,      txtHeight, txtBearing, wallPanel->table(), chkTick,    cmdTimeLink,  cboAroundEvent,
                        tblAround, timMark,   tblDays,    cmdPrintSheet,      cmdSavePdf, cmdCloseSheet};
    for (std::size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

} // namespace orvane
