#pragma once
// The main window: the inputs, the instructions and the result.

#include "calc/crossings.h"
#include "sheet/field_sheet_link.h"
#include "text/accepted_site.h"

#include <QPointer>
#include <QTimeZone>

#include <QWidget>

#include <optional>

#include <functional>
#include <vector>

class QComboBox;
class QCursor;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace orvane {

class LinkLabel;
class LiveLabel;
class PlaceSearch;
struct Place;
struct InputCheck;
struct CoordinatePair;

// Every control carries its form name as objectName ("CmdCalculate",
// "OptWest", ...): tests, accessibility and other programs find it so.
class Sundial_Input : public QWidget, private FieldSheetListener {
    Q_OBJECT
public:
    explicit Sundial_Input(QWidget *parent = nullptr);
    ~Sundial_Input() override;

    // The accepted inputs and the latest calculation.
    const SolarState &state() const { return state_; }

    // What Quit does after closing the windows; ends the application unless
    // replaced (tests keep their process alive this way).
    void setEndProgram(std::function<void()> endProgram);
    // What the two links do with their address; opens the browser window
    // unless replaced (tests stay off the network this way).
    void setOpenPage(std::function<void(const QString &)> openPage);

protected:
    bool focusNextPrevChild(bool next) override;

private slots:
    void onCalculateClicked();
    void onQuitClicked();
    void onPrintClicked();
    void onFieldSheetClicked();
    void onDialClicked();
    void onTimeLinkClicked();
    void onMakerLinkClicked();
    void onEnterPressed();
    // Ctrl+L: finding a place by name, which fills the site and the clock.
    void onFindPlace();
    void onPlaceChosen(const orvane::Place &place);
    // Kept for the next start: the texts are loaded once, before the window.
    void onLanguageChosen(int index);

private:
    // What the Field Sheet tells: its time link does what this window's
    // does, and a wall measured on it is the Dial Designer's facing.
    void sheetTimeLinkFollowed() override;
    void sheetWallFacingChanged(std::optional<double> facingDeg) override;
    void buildControls();
    void buildHeader(const QCursor &hand);
    void buildButtons();
    void buildInputs();
    void buildLanguageChoice();
    // Another language's captions may be longer than the English the
    // places were made for: each control grows to its text, never cut.
    void growToCaptions();
    void setTabOrder();
    // Names, descriptions and keys for assistive technology and the keyboard.
    void describeControls();
    void loadForm();
    bool dateCheck();
    // A latitude and longitude pasted together into the latitude box go to
    // their own boxes, the longitude's side to its buttons.
    void splitCoordinatePair();
    void showCoordinatePair(const CoordinatePair &pair);
    // Shows a refusal: its box, then the focus and selection it asks for.
    void showRefusal(const InputCheck &check);
    void highlight();
    Crossings showEot();
    // Shows the calculation's inputs in the field sheet and the designer, if open.
    void updateOpenWindows();
    // lblResult keeps its size unless the text needs more height; then it
    // and everything below it move down.
    void fitResultLabel();
    QString placeFilledText(const QString &place, bool zoneFilled) const;
    void fitWindow();
    int message(const char *text, bool yesNo = false);

    SolarState state_;
    AcceptedSite site_;                // the inputs of the latest calculation
    std::optional<double> wallFacing_; // from the Field Sheet's wall readings
    // The zone of the place last chosen by name, whose rules the coming days,
    // the card and the pages follow; dropped when the list entry or the
    // clock is changed by hand.
    std::optional<QTimeZone> placeZone_;
    QString placeText_; // "Zürich, Zurich, Switzerland (Europe/Zurich)"
    QPointer<PlaceSearch> placeSearch_;
    std::vector<QWidget *> tabOrder_;
    std::function<void()> endProgram_;
    std::function<void(const QString &)> openPage_;

    QLabel *lblTitle = nullptr;
    QLabel *image2 = nullptr;
    LinkLabel *lblTarnwick = nullptr;
    QLabel *image1 = nullptr;
    QLabel *lblText = nullptr;
    LinkLabel *lblBrowser = nullptr;
    QFrame *frame1 = nullptr;
    QPushButton *cmdCalculate = nullptr;
    QPushButton *cmdQuit = nullptr;
    QPushButton *cmdPrint = nullptr;
    QPushButton *cmdFieldSheet = nullptr;
    QPushButton *cmdDial = nullptr;
    QLabel *lblSubscript = nullptr;
    QLineEdit *txtDate = nullptr;
    QLabel *lblDate = nullptr;
    QFrame *frame2 = nullptr;
    QComboBox *lstTimeZone = nullptr;
    QLabel *lblLatitude = nullptr;
    QLabel *lblLongitude = nullptr;
    QRadioButton *optWest = nullptr;
    QLineEdit *txtLatitude = nullptr;
    QLineEdit *txtLongitude = nullptr;
    QRadioButton *optEast = nullptr;
    QLabel *lblNorthSouth = nullptr;
    LiveLabel *lblResult = nullptr;
    QRadioButton *optStandardInput = nullptr;
    QRadioButton *optDstInput = nullptr;
    QLabel *lblLanguage = nullptr;
    QComboBox *cboLanguage = nullptr;
};

} // namespace orvane
