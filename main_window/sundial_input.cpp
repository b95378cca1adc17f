#include "sundial_input.h"

#include "accessibility.h"
#include "accessibility_live_label.h"
#include "browser/browser_link.h"
#include "calc/crossings.h"
#include "calc/date_value.h"
#include "calc/trig_functions.h"
#include "designer/dial_designer_link.h"
#include "link_label.h"
#include "place_search.h"
#include "print/report.h"
#include "sheet/field_sheet_link.h"
#include "text/coordinate_text.h"
#include "text/input_check.h"
#include "text/input_parsing.h"
#include "text/language.h"
#include "text/result_text.h"
#include "text/time_zones.h"
#include "text/translation.h"
#include "text/web_addresses.h"
#include "text/window_texts.h"

#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QWindow>

namespace orvane {

Sundial_Input::Sundial_Input(QWidget *parent)
    : QWidget(parent), endProgram_([] { QCoreApplication::exit(0); }), openPage_(openBrowser)
{
    // Before any control exists, so that none is described the plain way.
    installAccessibility();
    buildControls();
    describeControls();

    connect(cmdCalculate, &QPushButton::clicked, this, &Sundial_Input::onCalculateClicked);
    connect(cmdQuit, &QPushButton::clicked, this, &Sundial_Input::onQuitClicked);
    connect(cmdPrint, &QPushButton::clicked, this, &Sundial_Input::onPrintClicked);
    connect(cmdFieldSheet, &QPushButton::clicked, this, &Sundial_Input::onFieldSheetClicked);
    connect(cmdDial, &QPushButton::clicked, this, &Sundial_Input::onDialClicked);
    connect(txtLatitude, &QLineEdit::editingFinished, this, &Sundial_Input::splitCoordinatePair);
    connect(cboLanguage, &QComboBox::activated, this, &Sundial_Input::onLanguageChosen);
    connect(lblBrowser, &LinkLabel::clicked, this, &Sundial_Input::onTimeLinkClicked);
    connect(lblTarnwick, &LinkLabel::clicked, this, &Sundial_Input::onMakerLinkClicked);

    // Calculate is the default button and Quit the cancel button: Enter
    // and Escape work wherever the focus is in this window.
    cmdCalculate->setDefault(true);
    for (const QKeySequence &key : {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)})
        connect(new QShortcut(key, this), &QShortcut::activated, this, &Sundial_Input::onEnterPressed);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, cmdQuit, &QPushButton::click);

    // The buttons' own access keys animate a press and click a moment
    // later; the same keys (Alt+Q, Alt+P, Alt+F and Alt+D in English) act
    // at once instead. Each follows its caption's "&" in the language in use.
    for (QPushButton *button : {cmdQuit, cmdPrint, cmdFieldSheet, cmdDial}) {
        const QKeySequence key = QKeySequence::mnemonic(button->text());
        button->setShortcut(QKeySequence());
        connect(new QShortcut(key, this), &QShortcut::activated, button, &QPushButton::click);
    }

    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_L), this), &QShortcut::activated, this,
            &Sundial_Input::onFindPlace);
    // A clock chosen by hand is no longer the place's zone's.
    const auto dropPlaceZone = [this] {
        if (placeZone_)
            placeText_ += translate("window", ": its zone's rules dropped, the clock was changed by hand");
        placeZone_.reset();
    };
    connect(lstTimeZone, &QComboBox::activated, this, dropPlaceZone);
    for (QRadioButton *clock : {optStandardInput, optDstInput})
        connect(clock, &QRadioButton::clicked, this, dropPlaceZone);
    setErrorReporter([this](const std::string &text) {
        QMessageBox box(QMessageBox::Critical, QString::fromLatin1(kMessageTitle), QString::fromStdString(text),
                        QMessageBox::Ok, this);
        box.exec();
    });

    loadForm();
    txtDate->setFocus();
}

Sundial_Input::~Sundial_Input()
{
    setErrorReporter(nullptr);
    // Hiding the dying window takes the focus from the latitude box, whose
    // editingFinished must not reach this half-destroyed window.
    disconnect(txtLatitude, nullptr, this, nullptr);
    delete placeSearch_;
    // The sheet's time link and wall readings call back into this window.
    closeFieldSheet();
    closeDialDesigner();
}

void Sundial_Input::setEndProgram(std::function<void()> endProgram) { endProgram_ = std::move(endProgram); }

void Sundial_Input::setOpenPage(std::function<void(const QString &)> openPage) { openPage_ = std::move(openPage); }

void Sundial_Input::loadForm()
{
    initConstants(state_);
    lblText->setText(translate("text", kInstructionText));
    for (int i = 0; i < timeZoneCount(); ++i) {
        if (i == kTimeZoneSeparator)
            lstTimeZone->insertSeparator(i);
        else
            lstTimeZone->insertItem(i, translate("text", timeZoneText(i)));
    }
    lstTimeZone->setCurrentIndex(-1);
    lstTimeZone->setEditText(translate("text", kTimeZonePrompt));
    initConstants(state_);
    optWest->setFocusPolicy(Qt::ClickFocus);
    fitResultLabel();
}

void Sundial_Input::onEnterPressed()
{
    // A focused command button is pressed by Enter, as on any desktop;
    // everywhere else Enter means Calculate.
    if (auto *button = qobject_cast<QPushButton *>(focusWidget()))
        button->click();
    else
        cmdCalculate->click();
}

int Sundial_Input::message(const char *text, bool yesNo)
{
    QMessageBox box(QMessageBox::NoIcon, QString::fromLatin1(kMessageTitle), translate("text", text),
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

void Sundial_Input::showRefusal(const InputCheck &check)
{
    QWidget *field = nullptr;
    switch (check.focus) {
    case InputField::Date:
        field = txtDate;
        break;
    case InputField::Latitude:
        field = txtLatitude;
        break;
    case InputField::Longitude:
        field = txtLongitude;
        break;
    case InputField::TimeZone:
        field = lstTimeZone;
        break;
    case InputField::None:
        break;
    }
    if (!field)
        return;
    field->setFocus();
    if (check.selectText)
        highlight();
}

void Sundial_Input::splitCoordinatePair()
{
    if (const std::optional<CoordinatePair> pair = readCoordinatePair(txtLatitude->text(), QLocale()))
        showCoordinatePair(*pair);
}

void Sundial_Input::showCoordinatePair(const CoordinatePair &pair)
{
    txtLatitude->setText(QString::number(pair.latitude.degrees, 'g', 12));
    txtLongitude->setText(QString::number(std::fabs(pair.longitude.degrees), 'g', 12));
    (pair.longitude.degrees < 0 ? optWest : optEast)->setChecked(true);
}

bool Sundial_Input::dateCheck()
{
    InputTexts in;
    in.date = txtDate->text();
    in.latitude = txtLatitude->text();
    in.longitude = txtLongitude->text();
    in.standardTime = optStandardInput->isChecked();
    in.daylightSaving = optDstInput->isChecked();
    in.east = optEast->isChecked();
    in.west = optWest->isChecked();
    in.zoneIndex = lstTimeZone->currentIndex();
    const InputCheck check = checkInputs(in, QLocale());

    // Each value that passed its own test is kept, also on a refusal.
    const CheckedValues &v = check.values;
    if (v.date)
        state_.inputDate = dateSerial(v.date->year(), v.date->month(), v.date->day());
    state_.latitude = v.latitude.value_or(state_.latitude);
    state_.longitude = v.longitude.value_or(state_.longitude);
    if (v.clock)
        state_.zoneMeridian = v.clock->zoneMeridian();
    if (check.pastedPair)
        showCoordinatePair(*check.pastedPair);
    if (check.eastFromLetter)
        (*check.eastFromLetter ? optEast : optWest)->setChecked(true);

    // The place's zone gives the days after this one their clock; this
    // day's is the one chosen, as for a list entry's region.
    const auto accept = [this](AcceptedSite site) {
        if (placeZone_) {
            site.clock.zone = placeZone_;
            site.clock.entryRegion = true;
        }
        site_ = site;
    };
    switch (check.verdict) {
    case CheckVerdict::Accepted:
        accept(*check.site);
        return true;
    case CheckVerdict::AskFarFromZone:
        if (message(check.message, true) == QMessageBox::Yes) {
            accept(*check.site);
            return true;
        }
        break;
    case CheckVerdict::Refused:
        message(check.message);
        break;
    }
    showRefusal(check);
    return false;
}

Crossings Sundial_Input::showEot()
{
    const QLocale locale;
    const QString before = lblResult->text();
    const Crossings crossings = methodCrossings(site_, state_);
    lblResult->setText(resultText(site_.date, crossings, locale));
    fitResultLabel();
    lblResult->announceChange(before);
    return crossings;
}

void Sundial_Input::updateOpenWindows()
{
    updateFieldSheet(site_);
    updateDialDesigner(site_);
}

void Sundial_Input::onCalculateClicked()
{
    if (!dateCheck())
        return;
    showEot();
    updateOpenWindows();
}

void Sundial_Input::onFieldSheetClicked()
{
    if (!dateCheck())
        return;
    showEot();
    updateDialDesigner(site_);
    openFieldSheet(site_, *this);
}

void Sundial_Input::sheetTimeLinkFollowed() { onTimeLinkClicked(); }

void Sundial_Input::sheetWallFacingChanged(std::optional<double> facingDeg)
{
    wallFacing_ = facingDeg;
    if (facingDeg)
        setDialDesignerWallFacing(*facingDeg);
}

void Sundial_Input::onDialClicked()
{
    if (!dateCheck())
        return;
    showEot();
    updateFieldSheet(site_);
    openDialDesigner(site_);
    if (wallFacing_)
        setDialDesignerWallFacing(*wallFacing_);
}

void Sundial_Input::onPrintClicked()
{
    if (!dateCheck())
        return;
    const Crossings crossings = showEot();
    updateOpenWindows();
    ReportInputs report;
    report.latitude = site_.latitude;
    report.longitude = site_.longitude;
    report.west = site_.west;
    report.standardTime = !site_.clock.daylightSaving;
    report.date = site_.date;
    report.crossings = crossings;
    printReport(this, report);
}

void Sundial_Input::onQuitClicked()
{
    close();
    if (placeSearch_)
        placeSearch_->close();
    closeBrowser();
    closeFieldSheet();
    closeDialDesigner();
    endProgram_();
}

void Sundial_Input::onFindPlace()
{
    if (!placeSearch_) {
        // A window of its own: the window's Enter and Escape are not its keys.
        placeSearch_ = new PlaceSearch;
        placeSearch_->setAttribute(Qt::WA_QuitOnClose, false);
        connect(placeSearch_, &PlaceSearch::placeChosen, this, &Sundial_Input::onPlaceChosen);
        placeSearch_->winId();
        placeSearch_->windowHandle()->setTransientParent(window()->windowHandle());
    }
    placeSearch_->setRemembered(placeText_.isEmpty() ? QString()
                                                     : translate("window", "Last chosen: %1").arg(placeText_));
    placeSearch_->show();
    placeSearch_->raise();
    placeSearch_->activateWindow();
}

void Sundial_Input::onPlaceChosen(const Place &place)
{
    CoordinatePair pair;
    pair.latitude.degrees = place.latitude;
    pair.longitude.degrees = place.longitude;
    showCoordinatePair(pair);
    const QTimeZone zone(place.zone.toUtf8());
    // The clock the zone keeps on the date typed, or today while none is.
    const QDate date = parseDateText(txtDate->text(), QLocale()).value_or(QDate::currentDate());
    const SiteClock clock = zoneClockOn(zone, date);
    placeText_ = QStringLiteral("%1 (%2)").arg(placeDisplayText(place), place.zone);
    if (clock.zoneIndex >= 0) {
        lstTimeZone->setCurrentIndex(clock.zoneIndex);
        (clock.daylightSaving ? optDstInput : optStandardInput)->setChecked(true);
        placeZone_ = zone;
    } else {
        placeZone_.reset();
        placeText_ += translate("window", ": no time zone entry has its offset; choose the clock by hand");
    }
    // The focus shows the latitude alone: the rest filled is said once, in
    // the result's place, whose times were for the last site.
    const QString before = lblResult->text();
    lblResult->setText(placeFilledText(placeDisplayText(place), clock.zoneIndex >= 0));
    fitResultLabel();
    lblResult->announceChange(before);
    txtLatitude->setFocus();
    txtLatitude->selectAll();
}

// "Filled from Paris, France: latitude 48.85341 N, longitude 2.3488 E,
// GMT+1hrs Middle European Time, Standard Time."
QString Sundial_Input::placeFilledText(const QString &place, bool zoneFilled) const
{
    const QString latitude = txtLatitude->text();
    const bool south = latitude.startsWith(u'-');
    const QString ns = south ? translate("window", "S", "south") : translate("window", "N", "north");
    const QString ew = optWest->isChecked() ? translate("window", "W", "west") : translate("window", "E", "east");
    const QString lat = south ? latitude.mid(1) : latitude, lon = txtLongitude->text();
    if (!zoneFilled)
        return translate("window", "Filled from %1: latitude %2 %3, longitude %4 %5; no time zone entry has its "
                                   "offset: choose the clock by hand.")
            .arg(place, lat, ns, lon, ew);
    const QString zone = lstTimeZone->currentText().simplified();
    return (optDstInput->isChecked()
                ? translate("window", "Filled from %1: latitude %2 %3, longitude %4 %5, %6, Daylight Savings Time.")
                : translate("window", "Filled from %1: latitude %2 %3, longitude %4 %5, %6, Standard Time."))
        .arg(place, lat, ns, lon, ew, zone);
}

void Sundial_Input::onLanguageChosen(int index)
{
    keepWindowLanguage(cboLanguage->itemData(index).toString());
    // Said where the window says what it did, as for a place filled in.
    const QString before = lblResult->text();
    lblResult->setText(translate("window", "The language changes the next time Orvane starts."));
    fitResultLabel();
    lblResult->announceChange(before);
}

void Sundial_Input::onTimeLinkClicked() { openPage_(QString::fromLatin1(kTimeStandardUrl)); }

void Sundial_Input::onMakerLinkClicked() { openPage_(QString::fromLatin1(kMakerUrl)); }

} // namespace orvane
