// Building and sizing the main window's controls.
#include "sundial_input.h"

#include "accessibility_live_label.h"
#include "link_label.h"
#include "resources/orvane_resources.h"
#include "text/language.h"
#include "text/translation.h"
#include "text/web_addresses.h"
#include "text/window_texts.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>

#include <algorithm>
#include <cmath>
#include <utility>

namespace orvane {

namespace {

// Positions come in twips, 15 to the (logical) pixel.
int px(int twips) { return static_cast<int>(std::lround(twips / 15.0)); }
QRect twips(int left, int top, int width, int height) { return QRect(px(left), px(top), px(width), px(height)); }

QFont makeFont(const char *family, double points, bool bold = false, bool underline = false)
{
    QFont f(QString::fromLatin1(family));
    f.setPointSizeF(points);
    f.setBold(bold);
    f.setUnderline(underline);
    // Where the named face is missing, any face of the same kind will do.
    f.setStyleHint(QString::fromLatin1(family).contains("Times") ? QFont::Serif : QFont::SansSerif);
    return f;
}

template <class W>
W *place(QWidget *parent, const char *name, const QRect &geometry, const QFont &f)
{
    auto *w = new W(parent);
    w->setObjectName(QString::fromLatin1(name));
    w->setGeometry(geometry);
    w->setFont(f);
    return w;
}

void setColours(QWidget *w, const QColor &text, const QColor &background = QColor())
{
    QPalette pal = w->palette();
    pal.setColor(QPalette::WindowText, text);
    if (background.isValid()) {
        pal.setColor(QPalette::Window, background);
        w->setAutoFillBackground(true);
    }
    w->setPalette(pal);
}

const QColor kLightGrey(224, 224, 224);
const QColor kLinkBlue(0, 0, 192);

// Design heights that the auto-sized and growing labels start from.
const int kResultHeight = px(1935);
const int kFrame1Height = px(2295);
const int kTextTop = px(2400);
const int kBrowserTop = px(4920);
const int kGap = 4;

} // namespace

void Sundial_Input::buildControls()
{
    setWindowTitle(translate("text", kWindowTitle));
    setWindowIcon(QIcon(resourcePicture("icon.png")));
    setFont(makeFont("Arial", 8.25));
    const QCursor hand(resourcePicture("hand.png"), 6, 1);
    buildHeader(hand);
    buildButtons();
    buildInputs();
    buildLanguageChoice();

    // The frames' own font serves only captions they never draw. Given
    // last, so that no control inside measures its text with it while it
    // is being made: every one has a font of its own.
    const QFont frameFont = makeFont("MS Sans Serif", 8.25);
    frame1->setFont(frameFont);
    frame2->setFont(frameFont);

    setTabOrder();
    growToCaptions();
}

// The title, the pictures, the maker's link, the instructions and the time link.
void Sundial_Input::buildHeader(const QCursor &hand)
{
    lblTitle = place<QLabel>(this, "lblTitle", twips(108, 0, 11976, 816), makeFont("Times New Roman", 36, false, true));
    lblTitle->setText(translate("window", "Orvane Calculator"));
    lblTitle->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblTitle->setWordWrap(true);
    setColours(lblTitle, QColor(192, 64, 0));

    image2 = place<QLabel>(this, "Image2", twips(3048, 840, 6108, 972), QFont());
    image2->setPixmap(resourcePicture("image2.png", devicePixelRatio()));
    image2->setScaledContents(true);

    lblTarnwick = place<LinkLabel>(this, "lblTarnwick", twips(4416, 1800, 3372, 492),
                                   makeFont("Times New Roman", 13.5, true, true));
    lblTarnwick->setText(QString::fromLatin1(kMakerAddress));
    setColours(lblTarnwick, kLinkBlue, kLightGrey);
    lblTarnwick->setCursor(hand);

    image1 = place<QLabel>(this, "Image1", twips(8760, 1680, 3150, 3435), QFont());
    image1->setPixmap(resourcePicture("image1.png", devicePixelRatio()));

    lblText = place<QLabel>(this, "lblText", twips(225, 2400, 8490, 225), makeFont("Arial", 10.5));
    lblText->setWordWrap(true);
    lblText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setColours(lblText, Qt::black, kLightGrey);

    lblBrowser = place<LinkLabel>(this, "lblbrowser", twips(240, 4920, 4080, 195), makeFont("Arial", 7.5, false, true));
    lblBrowser->setText(translate("window", "Click here to set your watch to atomic standard via internet"));
    setColours(lblBrowser, kLinkBlue);
    lblBrowser->setCursor(hand);
    lblBrowser->adjustSize();
}

// The input frame and the command buttons under it.
void Sundial_Input::buildButtons()
{
    frame1 = place<QFrame>(this, "Frame1", twips(360, 5280, 11172, 2295), QFont());
    frame1->setFrameStyle(QFrame::Box | QFrame::Sunken);

    cmdCalculate = place<QPushButton>(this, "CmdCalculate", twips(2640, 7680, 2052, 372), makeFont("Arial", 7.5));
    cmdCalculate->setText(translate("window", "Calculate"));
    cmdQuit = place<QPushButton>(this, "CmdQuit", twips(5640, 7680, 852, 372), makeFont("Arial", 7.5));
    cmdQuit->setText(translate("window", "&Quit"));
    cmdPrint = place<QPushButton>(this, "cmdPrint", twips(7440, 7680, 852, 372), makeFont("Arial", 7.5));
    cmdPrint->setText(translate("window", "&Print"));
    cmdFieldSheet = place<QPushButton>(this, "cmdFieldSheet", twips(9240, 7680, 1452, 372), makeFont("Arial", 7.5));
    cmdFieldSheet->setText(translate("window", "&Field Sheet"));
    // Right of the Field Sheet button, within the window's width.
    cmdDial = place<QPushButton>(this, "cmdDial", twips(10800, 7680, 852, 372), makeFont("Arial", 7.5));
    cmdDial->setText(translate("window", "&Dial"));
    for (QPushButton *b : {cmdQuit, cmdPrint, cmdFieldSheet, cmdDial}) {
        QPalette pal = b->palette();
        pal.setColor(QPalette::Button, kLightGrey);
        b->setPalette(pal);
    }

    lblSubscript = place<QLabel>(this, "lblSubscript", twips(240, 7800, 1800, 255), makeFont("Arial", 7.5));
    lblSubscript->setText(translate("window", "by E. Marrow, 2003"));
}

// Inside the input frame: date, clock, zone, latitude and longitude, result.
void Sundial_Input::buildInputs()
{
    txtDate = place<QLineEdit>(frame1, "txtDate", twips(240, 240, 972, 288), makeFont("Arial", 7.5));
    lblDate = place<QLabel>(frame1, "lblDate", twips(1320, 240, 1692, 372), makeFont("Arial", 7.5));
    lblDate->setText(translate("window", "Date(mm/dd/yyyy)"));
    lblDate->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    frame2 = place<QFrame>(frame1, "Frame2", twips(2760, 120, 3135, 612), QFont());
    frame2->setFrameStyle(QFrame::NoFrame);

    lstTimeZone = place<QComboBox>(frame1, "lstTimeZone", twips(240, 840, 4215, 315), makeFont("Arial", 7.5));
    lstTimeZone->setEditable(true);
    // Only the selected position counts; typed text never becomes an entry.
    lstTimeZone->setInsertPolicy(QComboBox::NoInsert);

    lblLatitude = place<QLabel>(frame1, "lblLatitude", twips(240, 1320, 1515, 255), makeFont("Arial", 7.5));
    lblLatitude->setText(translate("window", "Latitude (decimal)"));
    lblLongitude = place<QLabel>(frame1, "lblLongitude", twips(1800, 1320, 1455, 255), makeFont("Arial", 7.5));
    lblLongitude->setText(translate("window", "Longitude (decimal)"));

    optWest = place<QRadioButton>(frame1, "OptWest", twips(3240, 1440, 2412, 312), makeFont("Arial", 7.5));
    optWest->setText(translate("window", "West of Greenwich (e.g. USA)"));
    txtLatitude = place<QLineEdit>(frame1, "txtLatitude", twips(240, 1560, 972, 288), makeFont("Arial", 7.5));
    txtLongitude = place<QLineEdit>(frame1, "txtLongitude", twips(1800, 1560, 972, 288), makeFont("Arial", 7.5));
    optEast = place<QRadioButton>(frame1, "OptEast", twips(3240, 1680, 2532, 312), makeFont("Arial", 7.5));
    optEast->setText(translate("window", "East of Greenwich (e.g. USSR)"));

    lblNorthSouth = place<QLabel>(frame1, "lblNorthsouth", twips(240, 1920, 1455, 255), makeFont("Arial", 6.75));
    lblNorthSouth->setText(translate("window", "(North +, South -)"));

    lblResult = place<LiveLabel>(frame1, "lblResult", twips(6000, 240, 5055, 1935), makeFont("Arial", 8.25));
    lblResult->setWordWrap(true);
    lblResult->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    optStandardInput = place<QRadioButton>(frame2, "optStandardinput", twips(0, 0, 3132, 252), makeFont("Arial", 7.5));
    optStandardInput->setText(translate("window", "Standard Time (October to April)"));
    optDstInput = place<QRadioButton>(frame2, "optDstinput", twips(0, 240, 3132, 252), makeFont("Arial", 7.5));
    optDstInput->setText(translate("window", "Daylight Savings (April to October)"));

    // Qt's automatic exclusivity reaches into Frame2 and would couple the
    // two pairs; explicit groups keep them apart.
    for (auto pair : {std::pair{optEast, optWest}, std::pair{optStandardInput, optDstInput}}) {
        auto *group = new QButtonGroup(this);
        group->addButton(pair.first);
        group->addButton(pair.second);
    }
}

// Under the command buttons, out of the Tab walk that the buttons close:
// Alt+L (in English) reaches it.
void Sundial_Input::buildLanguageChoice()
{
    cboLanguage = place<QComboBox>(this, "cboLanguage", QRect(), makeFont("Arial", 7.5));
    cboLanguage->addItem(translate("window", "Desktop's language"), QString());
    for (const QString &code : spokenLanguages())
        cboLanguage->addItem(languageName(code), code);
    cboLanguage->setCurrentIndex(std::max(0, cboLanguage->findData(keptWindowLanguage())));
    cboLanguage->setAccessibleName(translate("window", "Language"));
    cboLanguage->setFocusPolicy(Qt::StrongFocus);
    cboLanguage->adjustSize();

    lblLanguage = place<QLabel>(this, "lblLanguage", QRect(), makeFont("Arial", 7.5));
    lblLanguage->setText(translate("window", "&Language:"));
    lblLanguage->setBuddy(cboLanguage);
    lblLanguage->adjustSize();
}

void Sundial_Input::growToCaptions()
{
    // English keeps its places to the pixel.
    if (languageInUse() == QLatin1String("en"))
        return;
    const auto grow = [](QWidget *w, int width) {
        if (width > w->width())
            w->resize(width, std::max(w->height(), w->sizeHint().height()));
    };
    for (QLabel *l : findChildren<QLabel *>())
        if (!l->wordWrap() && l->pixmap().isNull())
            grow(l, l->sizeHint().width());
    for (QRadioButton *r : findChildren<QRadioButton *>())
        grow(r, r->sizeHint().width());
    // A button's caption with the room the style gives its text.
    for (QPushButton *b : findChildren<QPushButton *>()) {
        const int text = b->fontMetrics().horizontalAdvance(QString(b->text()).remove(u'&'));
        grow(b, text + 2 * b->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, b) + 4);
    }
    // The option pairs share Frame2's width; the frame takes the wider.
    frame2->resize(std::max({frame2->width(), optStandardInput->width(), optDstInput->width()}), frame2->height());
    // The buttons' row keeps its order and gaps; it pushes the links' row's
    // end further right only when it has to.
    QPushButton *const row[] = {cmdCalculate, cmdQuit, cmdPrint, cmdFieldSheet, cmdDial};
    for (std::size_t i = 1; i < std::size(row); ++i)
        row[i]->move(std::max(row[i]->x(), row[i - 1]->geometry().right() + 1 + px(120)), row[i]->y());
    lblSubscript->resize(std::min(lblSubscript->width(), cmdCalculate->x() - lblSubscript->x() - kGap),
                         lblSubscript->height());
    if (lblSubscript->sizeHint().width() > lblSubscript->width()) {
        lblSubscript->setWordWrap(true);
        lblSubscript->resize(lblSubscript->width(), lblSubscript->heightForWidth(lblSubscript->width()));
    }
}

void Sundial_Input::setTabOrder()
{
    // By tab index; labels, frames and pictures take no focus.
    tabOrder_ = {txtDate, lstTimeZone,      txtLatitude, txtLongitude, cmdCalculate,  cmdQuit, optWest,
                 optEast, optStandardInput, optDstInput, cmdPrint,     cmdFieldSheet, cmdDial};
    for (std::size_t i = 1; i < tabOrder_.size(); ++i)
        QWidget::setTabOrder(tabOrder_[i - 1], tabOrder_[i]);
}

bool Sundial_Input::focusNextPrevChild(bool next)
{
    // Qt gives only one option of a group a tab stop, and moves it as the
    // options get the focus; walk the tab indexes ourselves instead, where
    // every option but OptWest is a stop.
    const auto n = static_cast<int>(tabOrder_.size());
    int at = n - 1;
    for (QWidget *f = focusWidget(); f; f = f->parentWidget()) {
        const auto it = std::find(tabOrder_.begin(), tabOrder_.end(), f);
        if (it != tabOrder_.end()) {
            at = static_cast<int>(it - tabOrder_.begin());
            break;
        }
    }
    for (int step = 1; step <= n; ++step) {
        QWidget *w = tabOrder_[((at + (next ? step : -step)) % n + n) % n];
        if (w != optWest && w->isVisible() && w->isEnabled()) {
            w->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    }
    return false;
}

void Sundial_Input::fitResultLabel()
{
    // lblText grows with its text; whatever lies below it moves down when
    // it would otherwise run into the link label.
    lblText->setFixedHeight(lblText->heightForWidth(lblText->width()));
    const int textShift = std::max(0, kTextTop + lblText->height() + kGap - kBrowserTop);

    lblTitle->setFixedHeight(lblTitle->heightForWidth(lblTitle->width()));

    const int resultHeight = std::max(kResultHeight, lblResult->heightForWidth(lblResult->width()));
    const int resultShift = resultHeight - kResultHeight;
    lblResult->setFixedHeight(resultHeight);

    lblBrowser->move(px(240), px(4920) + textShift);
    frame1->setGeometry(px(360), px(5280) + textShift, px(11172), kFrame1Height + resultShift);
    const int below = textShift + resultShift;
    // Across, the buttons keep where growToCaptions() put them.
    for (QPushButton *b : {cmdCalculate, cmdQuit, cmdPrint, cmdFieldSheet, cmdDial})
        b->move(b->x(), px(7680) + below);
    lblSubscript->move(px(240), px(7800) + below);
    const int languageTop = cmdCalculate->geometry().bottom() + 1 + 2 * kGap;
    lblLanguage->move(px(240), languageTop + (cboLanguage->height() - lblLanguage->height()) / 2);
    cboLanguage->move(lblLanguage->geometry().right() + 1 + kGap, languageTop);
    fitWindow();
}

void Sundial_Input::fitWindow()
{
    QRect used;
    for (QWidget *w : findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
        used |= w->geometry();
    const QSize needed(used.right() + 1 + px(120), used.bottom() + 1 + px(120));
    setMinimumSize(needed);
    resize(size().expandedTo(needed));
}

} // namespace orvane
