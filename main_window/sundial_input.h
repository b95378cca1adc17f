#pragma once
// The main window: the inputs, the instructions and the result.

#include "calc/solar_state.h"

#include <QWidget>

#include <functional>
#include <vector>

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace orvane {

class LinkLabel;
class LiveLabel;

class Sundial_Input : public QWidget {
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
    void CmdCalculate_Click();
    void CmdQuit_Click();
    void cmdPrint_Click();
    void lblbrowser_Click();
    void lblTarnwick_Click();

private:
    void buildControls();
    void setTabOrder();
    // Names, descriptions and keys for assistive technology and the keyboard.
    void describeControls();
    void Form_Load();
    bool DateCheck();
    void highlight();
    void ShowEot();
    // lblResult keeps its size unless the text needs more height; then it
    // and everything below it move down.
    void fitResultLabel();
    void fitWindow();
    int message(const char *text, bool yesNo = false);

    SolarState state_;
    std::vector<QWidget *> tabOrder_;
    std::function<void()> endProgram_;
    std::function<void(const QString &)> openPage_;

    QLabel *lblTitle = nullptr;
    QLabel *Image2 = nullptr;
    LinkLabel *lblTarnwick = nullptr;
    QLabel *Image1 = nullptr;
    QLabel *lblText = nullptr;
    LinkLabel *lblbrowser = nullptr;
    QFrame *Frame1 = nullptr;
    QPushButton *CmdCalculate = nullptr;
    QPushButton *CmdQuit = nullptr;
    QPushButton *cmdPrint = nullptr;
    QLabel *lblSubscript = nullptr;
    QLineEdit *txtDate = nullptr;
    QLabel *lblDate = nullptr;
    QFrame *Frame2 = nullptr;
    QComboBox *lstTimeZone = nullptr;
    QLabel *lblLatitude = nullptr;
    QLabel *lblLongitude = nullptr;
    QRadioButton *OptWest = nullptr;
    QLineEdit *txtLatitude = nullptr;
    QLineEdit *txtLongitude = nullptr;
    QRadioButton *OptEast = nullptr;
    QLabel *lblNorthsouth = nullptr;
    LiveLabel *lblResult = nullptr;
    QRadioButton *optStandardinput = nullptr;
    QRadioButton *optDstinput = nullptr;
};

} // namespace orvane
