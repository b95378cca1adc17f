#pragma once
// The Dial Designer window: a plane dial for the main window's site, drawn
// to scale as its inputs change, printed at full size.

#include "designer_request.h"
#include "dial_drawing.h"
#include "print/page_printer.h"

#include <QWidget>

#include <functional>
#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace orvane {

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

    // Writes the dial as SVG to the file; false when it cannot. Save as
    // SVG stays disabled until one is set.
    void setSvgWriter(std::function<bool(const QString &fileName, const DialDrawing &drawing)> writer);

    // The dial's full-size pages as one print job.
    PageJob pageJob() const;

private slots:
    void redraw();

private:
    void buildControls();
    void saveSvg();
    void showProblem(QLabel *label, const QString &problem);

    DesignerRequest request_;
    std::function<bool(const QString &, const DialDrawing &)> svgWriter_;

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
    QTableWidget *tblHours = nullptr;
    DialPreview *preview = nullptr;
    QPushButton *cmdPrintDial = nullptr;
    QPushButton *cmdSavePdf = nullptr;
    QPushButton *cmdSaveSvg = nullptr;
    QPushButton *cmdCloseDesigner = nullptr;
};

} // namespace orvane
