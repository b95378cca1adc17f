#pragma once
// The Dial Designer window: a plane dial for the main window's site, drawn
// to scale as its inputs change, printed at full size.

#include "designer_request.h"
#include "dial_card.h"
#include "dial_drawing.h"
#include "print/page_printer.h"

#include <QWidget>

#include <functional>
#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QTableWidget;

namespace orvane {

class CardGraph;
class SpokenLabel;
class DialPreview;

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
    const DialDrawing &drawing() const;

    // The correction card for the site's year and the dial's time.
    const DialCard &card() const { return card_; }

    // Writes the dial as SVG to the file; false when it cannot. By default
    // the full-scale drawing with the card beside it; Save as SVG stays
    // disabled while none is set.
    void setSvgWriter(std::function<bool(const QString &fileName, const DialDrawing &drawing)> writer);

    // The dial's full-size pages as one print job.
    PageJob pageJob() const;

private slots:
    void redraw();

private:
    void buildControls();
    void saveSvg();
    void showProblem(QWidget *box, QLabel *label, const QString &problem);
    void updateCard(dial::DialTime time);
    void fillHourTable(const std::vector<HourRow> &rows, dial::DialType type);
    void say(SpokenLabel *label, const QString &shown, const QString &spoken = QString());

    DesignerRequest request_;
    std::function<bool(const QString &, const DialDrawing &)> svgWriter_;
    // What the card was computed for: its year of meridian passages is
    // worth keeping while only the plate changes.
    struct CardKey {
        int year = 0;
        double latitude = 0, longitude = 0;
        int utcOffsetMinutes = 0;
        bool daylightSaving = false;
        dial::DialTime time = dial::DialTime::Sun;
        bool operator==(const CardKey &) const = default;
    };
    std::optional<CardKey> cardKey_;
    DialCard card_;

    QLabel *lblSite = nullptr;
    QComboBox *cboType = nullptr;
    QLineEdit *txtFacing = nullptr;
    QLabel *lblFacingProblem = nullptr;
    QLineEdit *txtNodus = nullptr;
    QLabel *lblNodusProblem = nullptr;
    QLineEdit *txtWidth = nullptr;
    QLabel *lblWidthProblem = nullptr;
    QLineEdit *txtHeight = nullptr;
    QLabel *lblHeightProblem = nullptr;
    QComboBox *cboStep = nullptr;
    QComboBox *cboTime = nullptr;
    QComboBox *cboDateLines = nullptr;
    QLabel *lblStyleHeight = nullptr;
    QLabel *lblRoot = nullptr;
    SpokenLabel *lblSummary = nullptr;
    SpokenLabel *lblStatus = nullptr;
    QTabWidget *tabTables = nullptr;
    QTableWidget *tblHours = nullptr;
    QLabel *lblClock = nullptr;
    CardGraph *cardGraph = nullptr;
    QTableWidget *tblCard = nullptr;
    DialPreview *preview = nullptr;
    QPushButton *cmdPrintDial = nullptr;
    QPushButton *cmdSavePdf = nullptr;
    QPushButton *cmdSaveSvg = nullptr;
    QPushButton *cmdCloseDesigner = nullptr;
};

} // namespace orvane
