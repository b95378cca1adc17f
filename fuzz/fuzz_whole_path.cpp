// Fuzzes the whole way from the window's input texts and choices through
// Calculate to the result text, in the real window (offscreen), with every
// message box answered (Yes to the far-from-zone question, OK otherwise).
//
// For each input: the window accepts it exactly when every text function
// and choice does; an accepted input leaves a sound result text (no nan or
// inf, plain clock times, no "60 seconds") and stored values in range; no
// input brings up the out-of-range error box.

#include "fuzz_locales.h"
#include "main_window/input_parsing.h"
#include "main_window/sundial_input.h"
#include "message_box_answerer.h"
#include "result_shape.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

struct Window {
    orvane::Sundial_Input form;
    QLineEdit *txtDate = nullptr;
    QLineEdit *txtLatitude = nullptr;
    QLineEdit *txtLongitude = nullptr;
    QComboBox *lstTimeZone = nullptr;
    QRadioButton *OptEast = nullptr;
    QRadioButton *OptWest = nullptr;
    QRadioButton *optStandardinput = nullptr;
    QRadioButton *optDstinput = nullptr;
    QPushButton *CmdCalculate = nullptr;
    QLabel *lblResult = nullptr;
    orvane::fuzz::MessageBoxAnswerer answerer;

    template <class T>
    T *control(const char *name)
    {
        auto *w = form.findChild<T *>(QString::fromLatin1(name));
        if (!w) {
            std::fprintf(stderr, "fuzz_whole_path: no control %s\n", name);
            std::abort();
        }
        return w;
    }

    Window()
    {
        form.setEndProgram([] {});
        txtDate = control<QLineEdit>("txtDate");
        txtLatitude = control<QLineEdit>("txtLatitude");
        txtLongitude = control<QLineEdit>("txtLongitude");
        lstTimeZone = control<QComboBox>("lstTimeZone");
        OptEast = control<QRadioButton>("OptEast");
        OptWest = control<QRadioButton>("OptWest");
        optStandardinput = control<QRadioButton>("optStandardinput");
        optDstinput = control<QRadioButton>("optDstinput");
        CmdCalculate = control<QPushButton>("CmdCalculate");
        lblResult = control<QLabel>("lblResult");
        form.show();
    }
};

Window *window = nullptr;

// 0: neither selected (as on a fresh window), 1: first, 2: second. A user
// cannot clear an exclusive pair; a fresh window has it clear.
void choose(QRadioButton *first, QRadioButton *second, int choice)
{
    QButtonGroup *group = first->group();
    if (group)
        group->setExclusive(false);
    first->setAutoExclusive(false);
    second->setAutoExclusive(false);
    first->setChecked(choice == 1);
    second->setChecked(choice == 2);
    first->setAutoExclusive(true);
    second->setAutoExclusive(true);
    if (group)
        group->setExclusive(true);
}

[[noreturn]] void fail(const QString &what)
{
    std::fprintf(stderr, "fuzz_whole_path: %s\n  date \"%s\" latitude \"%s\" longitude \"%s\" zone %d "
                         "standard %d dst %d east %d west %d locale %s\n",
                 what.toUtf8().constData(), window->txtDate->text().toUtf8().constData(),
                 window->txtLatitude->text().toUtf8().constData(),
                 window->txtLongitude->text().toUtf8().constData(), window->lstTimeZone->currentIndex(),
                 window->optStandardinput->isChecked(), window->optDstinput->isChecked(),
                 window->OptEast->isChecked(), window->OptWest->isChecked(),
                 QLocale().name().toUtf8().constData());
    std::abort();
}

// Whether every check of the window should pass, from the text functions
// and the choices alone (the far-from-zone question is answered Yes).
bool shouldAccept(const QLocale &locale)
{
    const Window &w = *window;
    return orvane::ParseDateText(w.txtDate->text(), locale) &&
           w.optStandardinput->isChecked() != w.optDstinput->isChecked() &&
           orvane::InRange(w.txtLatitude->text(), 90, locale) &&
           orvane::InRange(w.txtLongitude->text(), 180, locale) &&
           w.OptEast->isChecked() != w.OptWest->isChecked() && w.lstTimeZone->currentIndex() != -1;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The offscreen platform warns on every box it shows; the checks here
    // report for themselves.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    // Both live until the process ends; destroying them after libFuzzer's
    // exit would run Qt's teardown after its thread storage is gone.
    new QApplication(*argc, *argv);
    window = new Window;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzedDataProvider in(data, size);
    const QLocale locale = orvane::fuzz::LocaleFor(in.ConsumeIntegral<std::uint8_t>());
    QLocale::setDefault(locale);
    Window &w = *window;
    w.lstTimeZone->setCurrentIndex(in.ConsumeIntegralInRange(-1, 23));
    choose(w.optStandardinput, w.optDstinput, in.ConsumeIntegralInRange(0, 2));
    choose(w.OptEast, w.OptWest, in.ConsumeIntegralInRange(0, 2));
    if (w.optStandardinput->isChecked() && w.optDstinput->isChecked())
        fail(QStringLiteral("both clock modes selected at once"));
    if (w.OptEast->isChecked() && w.OptWest->isChecked())
        fail(QStringLiteral("both hemispheres selected at once"));
    w.txtDate->setText(QString::fromStdString(in.ConsumeRandomLengthString(64)));
    w.txtLatitude->setText(QString::fromStdString(in.ConsumeRandomLengthString(64)));
    w.txtLongitude->setText(QString::fromStdString(in.ConsumeRandomLengthString(64)));

    w.lblResult->clear();
    w.answerer.clear();
    const bool expected = shouldAccept(locale);
    w.CmdCalculate->click();

    const QString result = w.lblResult->text();
    const bool accepted = !result.isEmpty();
    if (w.answerer.errorBoxes > 0)
        fail(QStringLiteral("error box shown: ") + w.answerer.texts.join(QStringLiteral(" | ")));
    if (accepted != expected)
        fail(QStringLiteral("window %1 an input the text functions %2; boxes: %3")
                 .arg(accepted ? "accepted" : "refused", expected ? "accept" : "refuse",
                      w.answerer.texts.join(QStringLiteral(" | "))));
    if (!accepted)
        return 0;

    const orvane::SolarState &s = w.form.state();
    if (!std::isfinite(s.Latitude) || std::fabs(s.Latitude) > 90 || !std::isfinite(s.Longitude) ||
        std::fabs(s.Longitude) > 180)
        fail(QStringLiteral("stored site out of range: %1, %2").arg(s.Latitude).arg(s.Longitude));
    const QStringList problems = orvane::robustness::ResultTextProblems(result, locale);
    if (!problems.isEmpty())
        fail(problems.join(QStringLiteral("; ")) + QStringLiteral("\n  result:\n") + result);
    return 0;
}
