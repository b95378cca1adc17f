#include "sundial_input.h"

#include "accessibility.h"
#include "accessibility_live_label.h"
#include "browser/browser_link.h"
#include "calc/crossings.h"
#include "calc/trig_functions.h"
#include "input_parsing.h"
#include "link_label.h"
#include "report.h"
#include "result_text.h"
#include "web_addresses.h"
#include "window_texts.h"

#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>

#include <cmath>
#include <optional>

namespace orvane {

namespace {

// The numeric and range tests together; the value when both pass.
std::optional<double> numberInRange(const QString &text, double bound, const QLocale &locale)
{
    return InRange(text, bound, locale) ? ConvertNumberText(text, locale) : std::nullopt;
}

} // namespace

Sundial_Input::Sundial_Input(QWidget *parent)
    : QWidget(parent), endProgram_([] { QCoreApplication::exit(0); }), openPage_(OpenBrowser)
{
    // Before any control exists, so that none is described the plain way.
    InstallAccessibility();
    buildControls();
    describeControls();

    connect(CmdCalculate, &QPushButton::clicked, this, &Sundial_Input::CmdCalculate_Click);
    connect(CmdQuit, &QPushButton::clicked, this, &Sundial_Input::CmdQuit_Click);
    connect(cmdPrint, &QPushButton::clicked, this, &Sundial_Input::cmdPrint_Click);
    connect(lblbrowser, &LinkLabel::clicked, this, &Sundial_Input::lblbrowser_Click);
    connect(lblTarnwick, &LinkLabel::clicked, this, &Sundial_Input::lblTarnwick_Click);

    // Calculate is the default button and Quit the cancel button: Enter
    // and Escape work wherever the focus is in this window.
    for (const QKeySequence &key : {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)})
        connect(new QShortcut(key, this), &QShortcut::activated, CmdCalculate, &QPushButton::click);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, CmdQuit,
            &QPushButton::click);

    // The buttons' own access keys animate a press and click a moment
    // later; Alt+Q and Alt+P act at once instead.
    CmdQuit->setShortcut(QKeySequence());
    cmdPrint->setShortcut(QKeySequence());
    connect(new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Q), this), &QShortcut::activated, CmdQuit,
            &QPushButton::click);
    connect(new QShortcut(QKeySequence(Qt::ALT | Qt::Key_P), this), &QShortcut::activated, cmdPrint,
            &QPushButton::click);

    SetErrorReporter([this](const std::string &text) {
        QMessageBox box(QMessageBox::Critical, QString::fromLatin1(kMessageTitle), QString::fromStdString(text),
                        QMessageBox::Ok, this);
        box.exec();
    });

    Form_Load();
    txtDate->setFocus();
}

Sundial_Input::~Sundial_Input() { SetErrorReporter(nullptr); }

void Sundial_Input::setEndProgram(std::function<void()> endProgram) { endProgram_ = std::move(endProgram); }

void Sundial_Input::setOpenPage(std::function<void(const QString &)> openPage) { openPage_ = std::move(openPage); }

void Sundial_Input::Form_Load()
{
    InitConstants(state_);
    lblText->setText(QString::fromLatin1(kInstructionText));
    for (int i = 0; i < static_cast<int>(kTimeZones.size()); ++i)
        lstTimeZone->insertItem(i, QString::fromLatin1(kTimeZones[i]));
    lstTimeZone->setCurrentIndex(-1);
    lstTimeZone->setEditText(QString::fromLatin1(kTimeZonePrompt));
    InitConstants(state_);
    OptWest->setFocusPolicy(Qt::ClickFocus);
    fitResultLabel();
}

int Sundial_Input::message(const char *text, bool yesNo)
{
    QMessageBox box(QMessageBox::NoIcon, QString::fromLatin1(kMessageTitle), QString::fromLatin1(text),
                    yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, this);
    box.setDefaultButton(yesNo ? QMessageBox::No : QMessageBox::Ok);
    return box.exec();
}

void Sundial_Input::highlight()
{
    // Whatever has the focus now; the callers have just put it on a text box.
    if (auto *edit = qobject_cast<QLineEdit *>(focusWidget()))
        edit->setSelection(0, static_cast<int>(edit->text().size()));
}

bool Sundial_Input::DateCheck()
{
    const QLocale locale;

    const std::optional<double> date = ParseDateText(txtDate->text(), locale);
    if (!date) {
        message(kMsgDate);
        txtDate->setFocus();
        highlight();
        return false;
    }
    state_.InputDate = *date;

    if (optStandardinput->isChecked() == optDstinput->isChecked()) {
        message(kMsgClockMode);
        return false;
    }

    const std::optional<double> latitude = numberInRange(txtLatitude->text(), 90, locale);
    if (!latitude) {
        message(kMsgLatitude);
        txtLatitude->setFocus();
        highlight();
        return false;
    }
    state_.Latitude = *latitude;

    const std::optional<double> longitude = numberInRange(txtLongitude->text(), 180, locale);
    if (!longitude) {
        message(kMsgLongitude);
        txtLongitude->setFocus();
        highlight();
        return false;
    }
    // The hemisphere comes from the option pair, never from a typed sign.
    state_.Longitude = std::fabs(*longitude);

    if (OptEast->isChecked() == OptWest->isChecked()) {
        message(kMsgHemisphere);
        return false;
    }
    if (OptWest->isChecked())
        state_.Longitude = -state_.Longitude;

    const int zone = lstTimeZone->currentIndex();
    if (zone == -1) {
        message(kMsgTimeZone);
        lstTimeZone->setFocus();
        return false;
    }
    state_.ZoneMeridian = 15.0 * (zone - 11);

    if (std::fabs(state_.Longitude - state_.ZoneMeridian) > 15 && message(kMsgFarFromZone, true) != QMessageBox::Yes) {
        txtLongitude->setFocus();
        highlight();
        return false;
    }
    return true;
}

void Sundial_Input::ShowEot()
{
    const QLocale locale;
    const QString before = lblResult->text();
    lblResult->setText(DateLineText(state_.InputDate, locale));
    const Crossings crossings = ComputeCrossings(state_, optDstinput->isChecked());
    lblResult->setText(lblResult->text() + EventsText(crossings, state_.RadToDeg, locale));
    fitResultLabel();
    lblResult->announceChange(before);
}

void Sundial_Input::CmdCalculate_Click()
{
    if (DateCheck())
        ShowEot();
}

void Sundial_Input::cmdPrint_Click()
{
    if (!DateCheck())
        return;
    ShowEot();
    PrintReport(this, ReportInputs{state_.Latitude, state_.Longitude, OptWest->isChecked(),
                                   optStandardinput->isChecked(), lblResult->text()});
}

void Sundial_Input::CmdQuit_Click()
{
    close();
    CloseBrowser();
    endProgram_();
}

void Sundial_Input::lblbrowser_Click() { openPage_(QString::fromLatin1(kTimeStandardUrl)); }

void Sundial_Input::lblTarnwick_Click() { openPage_(QString::fromLatin1(kMakerUrl)); }

} // namespace orvane
