#pragma once
// The Dial Designer window: a dial for the main window's site, drawn to
// scale as its inputs change, printed at full size or, laid out on the
// ground, as a staking sheet.

#include "designer_request.h"

#include "field/dial_design.h"
#include "print/page_printer.h"

#include <QWidget>

#include <functional>
#include <map>
#include <optional>

class QCheckBox;
class QComboBox;
class QListWidget;
class QDateEdit;
class QSlider;
class QTimeEdit;
class QGridLayout;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QTableWidget;

namespace orvane {

class CardGraph;
class CheckTab;
class SpokenLabel;
class DialPreview;
class PlaneSideView;

class FrmDialDesigner : public QWidget {
    Q_OBJECT
public:
    explicit FrmDialDesigner(QWidget *parent = nullptr);

    void setRequest(const DesignerRequest &request);
    const DesignerRequest &request() const { return request_; }
    // A wall's facing measured elsewhere: the dial becomes a vertical one.
    void setWallFacing(double degrees);

    // The inputs as typed, or none while one of them is refused.
    std::optional<DialSettings> settings() const;
    // The dial last drawn.
    const DialDesign &design() const;

    // The correction card for the site's year and the dial's time.
    const DesignCard &card() const;

    // Writes the dial as SVG to the file; false when it cannot. By default
    // the full-scale drawing with the card beside it; Save as SVG stays
    // disabled while none is set.
    void setSvgWriter(std::function<bool(const QString &fileName, const DialDesign &design)> writer);

    // The dial's full-size pages as one print job: asks first when they are
    // many, shows its progress, and can be stopped between pages.
    PageJob pageJob();

private slots:
    void redraw();

private:
    void buildControls();
    void buildInputs();
    QGridLayout *inputForm();
    void buildTables();
    QWidget *cardPage();
    void buildMoment();
    QGridLayout *momentForm();
    // The hour systems' boxes and the special dates' list.
    void buildOldHours();
    QGridLayout *oldHoursForm();
    void readOldHours(DialSettings &s) const;
    void addDateLine();
    // The date and clock time in the site's clock now, in the design's year.
    void setMomentToNow();
    // The shadow and the reading at the date and time in the boxes.
    void showMoment();
    void buildButtons();
    QHBoxLayout *buttonRow();
    QHBoxLayout *bodyLayout(const QFont &bold);
    void setKeyboardOrder();
    // The kind's boxes, its face's orientation in those it has no say in,
    // and its own table and side view.
    void showKind(const dial::DialKind &kind, const DialSettings &typedIn);
    void showOwnTable(bool ground);
    void showProblems(const std::vector<SettingProblem> &problems);
    void showFigures(const DialDesign &design);
    // Typed numbers, NaN where one cannot be read.
    DialSettings typedSettings() const;
    void saveFile(const QString &kind, const std::function<bool(const QString &, const DialDesign &)> &writer);
    void showProblem(QWidget *box, QLabel *label, const QString &problem);
    void showCard(const DesignCard &card);
    void fillHourTable(const DialDesign &design);
    void showStaking(const DialDesign &design);
    void showRefused(const QString &why, const QString &spoken);
    void say(SpokenLabel *label, const QString &shown, const QString &spoken = QString());

    DesignerRequest request_;
    std::function<bool(const QString &, const DialDesign &)> svgWriter_;

    QLabel *lblSite = nullptr;
    QLabel *lblCompass = nullptr;
    QComboBox *cboType = nullptr;
    // A box for each number of the settings' table, its refusal beside it.
    struct SettingBox {
        QLineEdit *box = nullptr;
        QLabel *problem = nullptr;
    };
    std::map<DialSetting, SettingBox> settingBoxes;
    QLineEdit *box(DialSetting setting) const { return settingBoxes.at(setting).box; }
    PlaneSideView *sideView = nullptr;
    QComboBox *cboStep = nullptr;
    QComboBox *cboTime = nullptr;
    QComboBox *cboDateLines = nullptr;
    QCheckBox *chkEqualHours = nullptr;
    QCheckBox *chkItalianHours = nullptr;
    QCheckBox *chkBabylonianHours = nullptr;
    QCheckBox *chkUnequalHours = nullptr;
    QDateEdit *dteDateLine = nullptr;
    QLineEdit *txtDateLineLabel = nullptr;
    QPushButton *btnAddDateLine = nullptr;
    QPushButton *btnRemoveDateLine = nullptr;
    QListWidget *lstDateLines = nullptr;
    QLabel *lblStyleHeight = nullptr;
    QLabel *lblRoot = nullptr;
    QLabel *lblLean = nullptr;
    SpokenLabel *lblSummary = nullptr;
    SpokenLabel *lblStatus = nullptr;
    QTabWidget *tabTables = nullptr;
    QTableWidget *tblHours = nullptr;
    QWidget *tabStaking = nullptr;
    QLabel *lblStakingSteps = nullptr;
    QTableWidget *tblStaking = nullptr;
    QLabel *lblClock = nullptr;
    CardGraph *cardGraph = nullptr;
    QTableWidget *tblCard = nullptr;
    CheckTab *checkTab = nullptr;
    DialPreview *preview = nullptr;
    QDateEdit *dteMoment = nullptr;
    QTimeEdit *tmeMoment = nullptr;
    QSlider *sldMomentYear = nullptr;
    QSlider *sldMomentDay = nullptr;
    SpokenLabel *lblMoment = nullptr;
    QPushButton *cmdPrintDial = nullptr;
    QPushButton *cmdSavePdf = nullptr;
    QPushButton *cmdSaveSvg = nullptr;
    QPushButton *cmdSaveDxf = nullptr;
    QPushButton *cmdCloseDesigner = nullptr;
};

} // namespace orvane
