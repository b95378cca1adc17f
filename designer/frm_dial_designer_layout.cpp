// Building the Dial Designer's controls and their keyboard walk.
#include "frm_dial_designer.h"

#include "field/dial_choices.h"
#include "field/dial_setting_table.h"

#include "dial/dial_kinds.h"

#include "card_graph.h"
#include "check_plot.h"
#include "check_tab.h"
#include "dial_preview.h"
#include "plane_side_view.h"

#include "forms/named_controls.h"
#include "forms/spoken_text.h"
#include "text/translation.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QEvent>
#include <QTabBar>
#include <QTimer>

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QSlider>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace orvane {

namespace {

QLineEdit *numberBox(QWidget *parent, const char *name, const QString &text)
{
    auto *box = namedWidget<QLineEdit>(parent, name);
    box->setText(text);
    box->setMaximumWidth(90);
    return box;
}

// The form's order of the settings' boxes: the face's orientation above
// its side view, then its size, the nodus first.
constexpr DialSetting kAboveSideView[] = {DialSetting::Facing, DialSetting::Tilt};
constexpr DialSetting kBelowSideView[] = {
    DialSetting::NodusHeight, DialSetting::PlateWidth,     DialSetting::PlateHeight,
    DialSetting::HalfWidth,   DialSetting::ApertureHeight, DialSetting::ApertureDiameter,
    DialSetting::MarkTime,    DialSetting::XWire,          DialSetting::YWire};

// "txtFacing", "lblFacingProblem": a setting's widget by its row's name.
QByteArray widgetName(const char *prefix, const SettingRow &row, const char *suffix = "")
{
    return QByteArray(prefix) + row.name + suffix;
}

// Where a refused number is explained, beside its box.
QLabel *problemLabel(QWidget *parent, const char *name)
{
    auto *label = namedWidget<QLabel>(parent, name);
    showAsRefused(label);
    label->setWordWrap(true);
    label->hide();
    return label;
}

// A table to read, not edit: whole rows selected, Tab leaving it, its
// columns as wide as their contents.
QTableWidget *readingTable(QWidget *parent, const char *name, const QStringList &headers, const QString &accessibleName)
{
    auto *table = namedWidget<QTableWidget>(parent, name);
    table->setColumnCount(int(headers.size()));
    if (!headers.isEmpty())
        table->setHorizontalHeaderLabels(headers);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setTabKeyNavigation(false);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->setAccessibleName(accessibleName);
    return table;
}

// The preview, the card's graph and the side view are pictures, described
// in words. The tables' pages lie in a stack that Qt calls a layered pane,
// which a reader names before every table in it: a plain filler instead.
QAccessibleInterface *designerFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String(DialPreview::staticMetaObject.className()) ||
        className == QLatin1String(CardGraph::staticMetaObject.className()) ||
        className == QLatin1String(CheckPlot::staticMetaObject.className()) ||
        className == QLatin1String(PlaneSideView::staticMetaObject.className()))
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Graphic);
    if (className == QLatin1String("QStackedWidget") && object->parent() &&
        object->parent()->objectName() == QLatin1String("tabTables"))
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Client);
    return nullptr;
}

// A tab's access key opens the tab and moves the focus into it, as it
// would for a page of controls under a heading.
class TabKeysFocusPage : public QObject {
public:
    explicit TabKeysFocusPage(QTabWidget *tabs) : QObject(tabs), tabs_(tabs) {}
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Shortcut)
            QTimer::singleShot(0, tabs_, [tabs = tabs_] {
                // The page itself, or the first of its controls that Tab reaches.
                QWidget *page = tabs->currentWidget();
                QWidget *to = page;

                for (QWidget *w = page->nextInFocusChain(); !(to->focusPolicy() & Qt::TabFocus) && w != page;
                     w = w->nextInFocusChain())
                    if (page->isAncestorOf(w) && w->isVisible() && (w->focusPolicy() & Qt::TabFocus))
                        to = w;
                to->setFocus(Qt::ShortcutFocusReason);
            });
        return false;
    }

private:
    QTabWidget *tabs_;
};

} // namespace

void FrmDialDesigner::buildControls()
{
    static const bool pictures = (QAccessible::installFactory(designerFactory), true);
    Q_UNUSED(pictures)
    setObjectName(QStringLiteral("frmDialDesigner"));
    setWindowTitle(translate("designer", "Dial Designer"));

    lblSite = namedWidget<QLabel>(this, "lblSite");
    QFont bold = font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.2);
    lblSite->setFont(bold);
    lblCompass = namedWidget<QLabel>(this, "lblCompass");
    lblCompass->setWordWrap(true);
    buildInputs();
    buildTables();
    preview = namedWidget<DialPreview>(this, "dialPreview");
    preview->setAccessibleName(translate("designer", "The dial, drawn to scale"));
    preview->setFocusPolicy(Qt::StrongFocus);
    buildMoment();
    buildOldHours();
    lblStakingSteps = namedWidget<QLabel>(this, "lblStakingSteps");
    lblStakingSteps->setWordWrap(true);
    lblStakingSteps->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    // Heard as it reads, step by step, when the keyboard reaches it.
    lblStakingSteps->setFocusPolicy(Qt::StrongFocus);
    lblStakingSteps->hide();
    buildButtons();

    auto *main = new QVBoxLayout(this);
    main->addWidget(lblSite);
    main->addWidget(lblCompass);
    main->addLayout(bodyLayout(bold), 1);
    main->addLayout(buttonRow());
    setKeyboardOrder();
    // Tall enough for the words under the boxes and the tabs' tables where
    // the screen allows, so the side view keeps its height.
    const QScreen *screen = this->screen();
    const int room = screen ? screen->availableGeometry().height() - 60 : 720;
    resize(1000, std::clamp(room, 720, 960));
}

void FrmDialDesigner::buildInputs()
{
    cboType = namedWidget<SpokenComboBox>(this, "cboType");
    for (const dial::DialKind &kind : dial::dialKinds())
        cboType->addItem(translate("dial", kind.windowName), QString::fromLatin1(kind.commandName));
    // Each setting's box with its default, the side view after the face's orientation.
    const auto addBoxes = [this](const auto &settings) {
        for (DialSetting setting : settings) {
            const SettingRow &row = settingRow(setting);
            SettingBox &b = settingBoxes[setting];
            // A setting whose default is the kind's own starts empty.
            const double start = DialSettings{}.*row.value;
            b.box = numberBox(this, widgetName("txt", row).constData(),
                              std::isnan(start) ? QString() : dialMeasureText(start, row.unit));
            if (row.description)
                b.box->setAccessibleDescription(translate("field", row.description));
            b.problem = problemLabel(this, widgetName("lbl", row, "Problem").constData());
            tellFocusFirst(b.box);
        }
    };
    addBoxes(kAboveSideView);
    sideView = namedWidget<PlaneSideView>(this, "planeSideView");
    addBoxes(kBelowSideView);
    cboStep = namedWidget<SpokenComboBox>(this, "cboStep");
    for (const auto &c : kHourSteps)
        cboStep->addItem(translate("field", c.shown), c.value);
    cboTime = namedWidget<SpokenComboBox>(this, "cboTime");
    for (const auto &c : kDialTimes)
        cboTime->addItem(translate("field", c.shown), QVariant::fromValue(c.value));
    cboTime->setAccessibleDescription(
        translate("designer",
                  "Sun time puts noon on the meridian; zone time differs from the clock by the equation of time only"));
    cboDateLines = namedWidget<SpokenComboBox>(this, "cboDateLines");
    for (const auto &c : kDateLineChoices)
        cboDateLines->addItem(translate("field", c.shown), QVariant::fromValue(c.value));
    cboDateLines->setCurrentIndex(cboDateLines->findData(QVariant::fromValue(DialSettings{}.dateLines)));
}

QGridLayout *FrmDialDesigner::inputForm()
{
    auto *form = new QGridLayout;
    int row = 0;
    auto add = [&](const char *name, const QString &caption, QWidget *input, QLabel *problem = nullptr) {
        form->addWidget(labelFor(this, name, caption, input), row, 0);
        form->addWidget(input, row, 1);
        if (problem)
            form->addWidget(problem, row, 2);
        ++row;
    };
    add("lblType", translate("designer", "Dial &type:"), cboType);
    const auto addBoxes = [&](const auto &settings) {
        for (DialSetting setting : settings) {
            const SettingRow &r = settingRow(setting);
            add(widgetName("lbl", r).constData(), translate("field", r.caption), box(setting),
                settingBoxes.at(setting).problem);
        }
    };
    addBoxes(kAboveSideView);
    form->addWidget(sideView, row++, 1, 1, 2, Qt::AlignLeft);
    addBoxes(kBelowSideView);
    add("lblStep", translate("designer", "&Hour lines every:"), cboStep);
    add("lblTime", translate("designer", "T&ime:"), cboTime);
    add("lblDateLines", translate("designer", "Date &lines:"), cboDateLines);
    form->setColumnStretch(2, 1);
    form->setColumnMinimumWidth(2, 160);
    return form;
}

// The dial's own table (the hour lines, or the staking out), then the card.
void FrmDialDesigner::buildTables()
{
    tblHours = readingTable(this, "tblHours", {}, translate("designer", "Hour lines"));
    tblHours->setColumnCount(3);
    QWidget *card = cardPage();
    // A dial on the ground: each hour's two tapes.
    tabStaking = namedWidget<QWidget>(this, "tabStaking");
    tblStaking = readingTable(tabStaking, "tblStaking", {},
                              translate("designer", "Two tapes to each hour mark, from C and from N"));
    auto *stakingLayout = new QVBoxLayout(tabStaking);
    stakingLayout->addWidget(tblStaking, 1);
    tabStaking->hide(); // until a dial on the ground takes the tab

    tabTables = namedWidget<QTabWidget>(this, "tabTables");
    tabTables->addTab(tblHours, translate("designer", "Hour line&s"));
    tabTables->addTab(card, translate("designer", "Correction c&ard"));
    // Readings of the dial once it stands; they stay whatever the settings.
    checkTab = new CheckTab(this);
    tabTables->addTab(checkTab, translate("designer", "Check &readings"));
    tabTables->tabBar()->installEventFilter(new TabKeysFocusPage(tabTables));
}

// The correction card: its clock, the graph over the year, the table by week.
QWidget *FrmDialDesigner::cardPage()
{
    auto *cardTab = namedWidget<QWidget>(this, "tabCard");
    lblClock = namedWidget<QLabel>(cardTab, "lblClock");
    lblClock->setWordWrap(true);
    cardGraph = namedWidget<CardGraph>(cardTab, "cardGraph");
    cardGraph->setAccessibleName(translate("designer", "What to add to the dial's reading, over the year"));
    cardGraph->setFocusPolicy(Qt::StrongFocus);
    tblCard = readingTable(
        cardTab, "tblCard",
        {translate("designer", "Date"), translate("designer", "Add (min:s)"), translate("designer", "Add (s)")},
        translate("designer", "Correction card by week"));
    auto *cardLayout = new QVBoxLayout(cardTab);
    cardLayout->addWidget(lblClock);
    cardLayout->addWidget(cardGraph);
    cardLayout->addWidget(tblCard, 1);
    return cardTab;
}

void FrmDialDesigner::buildButtons()
{
    cmdPrintDial = namedWidget<QPushButton>(this, "cmdPrintDial");
    cmdPrintDial->setText(translate("designer", "&Print"));
    cmdSavePdf = namedWidget<QPushButton>(this, "cmdSavePdf");
    cmdSavePdf->setText(translate("designer", "Save as P&DF"));
    cmdSaveSvg = namedWidget<QPushButton>(this, "cmdSaveSvg");
    cmdSaveSvg->setText(translate("designer", "Save as S&VG"));
    cmdSaveDxf = namedWidget<QPushButton>(this, "cmdSaveDxf");
    cmdSaveDxf->setText(translate("designer", "Save as D&XF"));
    cmdSaveDxf->setAccessibleDescription(translate("designer", "The same drawing for laser cutters and routers"));
    cmdCloseDesigner = namedWidget<QPushButton>(this, "cmdCloseDesigner");
    cmdCloseDesigner->setText(translate("designer", "&Close"));
    // Where a print or a save went, shown and read out.
    lblStatus = namedWidget<SpokenLabel>(this, "lblDesignerStatus");
    lblStatus->setWordWrap(true);
}

QHBoxLayout *FrmDialDesigner::buttonRow()
{
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(lblStatus, 1);
    for (QPushButton *b : {cmdPrintDial, cmdSavePdf, cmdSaveSvg, cmdSaveDxf, cmdCloseDesigner}) {
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    return buttons;
}

// The inputs and the dial's figures and tables on the left, the preview on
// the right with the moment's shadow under it and, for a dial on the
// ground, how to stake it out.
QHBoxLayout *FrmDialDesigner::bodyLayout(const QFont &bold)
{
    lblStyleHeight = namedWidget<QLabel>(this, "lblStyleHeight");
    lblStyleHeight->setFont(bold);
    lblRoot = namedWidget<QLabel>(this, "lblRoot");
    lblRoot->setWordWrap(true);
    lblLean = namedWidget<QLabel>(this, "lblLean");
    lblLean->setWordWrap(true);
    lblSummary = namedWidget<SpokenLabel>(this, "lblDialSummary");
    lblSummary->setWordWrap(true);
    auto *left = new QVBoxLayout;
    left->addLayout(inputForm());
    left->addLayout(oldHoursForm());
    for (QWidget *w : std::initializer_list<QWidget *>{lblStyleHeight, lblRoot, lblLean, lblSummary})
        left->addWidget(w);
    left->addWidget(tabTables, 1);
    auto *right = new QVBoxLayout;
    right->addWidget(preview, 1);
    right->addLayout(momentForm());
    right->addWidget(lblStakingSteps);
    auto *body = new QHBoxLayout;
    body->addLayout(left);
    body->addLayout(right, 1);
    return body;
}

// The keyboard walks the inputs top to bottom, then the table and the buttons.
void FrmDialDesigner::setKeyboardOrder()
{
    std::vector<QWidget *> order{cboType};
    for (DialSetting setting : kAboveSideView)
        order.push_back(box(setting));
    order.push_back(sideView);
    for (DialSetting setting : kBelowSideView)
        order.push_back(box(setting));
    order.insert(order.end(), std::initializer_list<QWidget *>{
                                  cboStep, cboTime, cboDateLines, chkEqualHours, chkItalianHours, chkBabylonianHours,
                                  chkUnequalHours, dteDateLine, txtDateLineLabel, btnAddDateLine, lstDateLines,
                                  btnRemoveDateLine, tabTables, tblHours, tblStaking, cardGraph, tblCard});
    for (QWidget *w : checkTab->keyboardOrder())
        order.push_back(w);
    order.insert(order.end(), std::initializer_list<QWidget *>{preview, dteMoment, sldMomentYear, tmeMoment,
                                                               sldMomentDay, lblStakingSteps, cmdPrintDial, cmdSavePdf,
                                                               cmdSaveSvg, cmdSaveDxf, cmdCloseDesigner});
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void FrmDialDesigner::showOwnTable(bool ground)
{
    // One page for the dial's own table: the other kind's is taken out of
    // the tab bar, where the arrows and a screen reader would still find it
    // hidden, and keeps no rows of its own.
    QWidget *own = ground ? tabStaking : static_cast<QWidget *>(tblHours);
    QTableWidget *other = ground ? tblHours : tblStaking;
    other->setRowCount(0);
    if (tabTables->indexOf(own) >= 0)
        return;
    const bool inView = tabTables->currentIndex() == 0;
    tabTables->removeTab(0);
    tabTables->insertTab(0, own, ground ? translate("designer", "Sta&king out") : translate("designer", "Hour line&s"));
    if (inView)
        tabTables->setCurrentIndex(0);
}

} // namespace orvane
