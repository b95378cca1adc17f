#pragma once
// The Field Sheet window: everything the person at the plumb line needs for
// the inputs of the main window's last calculation.

#include "field/field_data.h"
#include "print/page_printer.h"
#include "sheet_request.h"

#include <QDateTime>
#include <QWidget>

#include <functional>
#include <optional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLayout;
class QLineEdit;
class QPushButton;
class QTimeEdit;
class QTimer;
class QVBoxLayout;

namespace orvane {

class BearingBlock;
class EventBlock;
class LinkButton;
class SheetTable;
class SpokenLabel;
class PlanView;
class WallPanel;

class FrmFieldSheet : public QWidget {
    Q_OBJECT
public:
    explicit FrmFieldSheet(QWidget *parent = nullptr);

    void setRequest(const SheetRequest &request);
    const FieldData &data() const { return data_; }
    double plumbHeightM() const { return heightM_; }

    // What the time link does.
    void setTimeLink(std::function<void()> openTimePage) { timeLink_ = std::move(openTimePage); }
    // Told the wall's facing in degrees (none when the readings give none)
    // whenever the wall readings change.
    void setWallListener(std::function<void(std::optional<double>)> listener) { wallListener_ = std::move(listener); }
    // The present instant and the tick's sound; the computer's clock and
    // QApplication::beep unless replaced (tests replace them).
    void setNow(std::function<QDateTime()> now) { now_ = std::move(now); }
    void setBeep(std::function<void()> beep) { beep_ = std::move(beep); }

    // The sheet as one printed page.
    PageJob pageJob() const;

public slots:
    // Reads the clock again: the clock line, the countdown and the tick.
    void refreshClock();

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    // The controls, one part of the window at a time.
    void buildControls();
    void buildHeader(QVBoxLayout *main);
    QLayout *buildPlanColumn();
    void buildClock(QVBoxLayout *column);
    QLayout *buildEvents();
    QLayout *buildAroundColumn();
    QLayout *buildDaysColumn();
    QLayout *buildButtons();
    void setKeyboardWalk();
    void showFigures();
    void fillAroundTable();
    void showMark();
    void readHeight();
    void readBearing();
    void readWall();
    void showWarnings();
    void fitHeight();
    void centreChosenRow();

    SheetRequest request_;
    FieldInputs inputs_;
    FieldData data_;
    double heightM_ = 1;
    int lastTick_ = 0;
    std::function<void()> timeLink_;
    std::function<void(std::optional<double>)> wallListener_;
    std::function<QDateTime()> now_;
    std::function<void()> beep_;

    QLabel *lblSite = nullptr;
    QLabel *lblDate = nullptr;
    QLabel *lblClockMode = nullptr;
    QLabel *lblCompass = nullptr;
    QLabel *lblWarnings = nullptr;
    PlanView *plan = nullptr;
    QLineEdit *txtHeight = nullptr;
    QLabel *lblShadowless = nullptr;
    QLineEdit *txtBearing = nullptr;
    WallPanel *wallPanel = nullptr;
    EventBlock *blocks[3] = {};
    BearingBlock *bearingBlock = nullptr;
    QComboBox *cboAroundEvent = nullptr;
    SheetTable *tblAround = nullptr;
    QTimeEdit *timMark = nullptr;
    SpokenLabel *lblMarkResult = nullptr;
    SheetTable *tblDays = nullptr;
    QGroupBox *grpToday = nullptr;
    QLabel *lblNow = nullptr;
    QLabel *lblCountdown = nullptr;
    QCheckBox *chkTick = nullptr;
    LinkButton *cmdTimeLink = nullptr;
    QPushButton *cmdPrintSheet = nullptr;
    QPushButton *cmdSavePdf = nullptr;
    QPushButton *cmdCloseSheet = nullptr;
    QTimer *clockTimer = nullptr;
};

} // namespace orvane
