// Fuzzes the whole way from the window's input texts and choices through
// Calculate to the result text, in the real window (offscreen), with every
// message box answered (Yes to the far-from-zone question, OK otherwise).
//
// For each input: the window decides exactly as the plain input checks do
// (same verdict, same message) and shows the text that the plain functions
// give for the accepted values; an accepted input leaves a sound result
// text (no nan or inf, plain clock times, no "60 seconds") and stored
// values in range; no input brings up the out-of-range error box.

#include "calc/crossings.h"
#include "fuzz_locales.h"
#include "main_window/sundial_input.h"
#include "support/modal_answerer.h"
#include "support/result_shape.h"
#include "text/input_check.h"
#include "text/result_text.h"

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
    QRadioButton *optEast = nullptr;
    QRadioButton *optWest = nullptr;
    QRadioButton *optStandardInput = nullptr;
    QRadioButton *optDstInput = nullptr;
    QPushButton *cmdCalculate = nullptr;
    QLabel *lblResult = nullptr;
    // Yes to the far-from-zone question, OK to everything else.
    orvane::test::ModalAnswerer answerer{QMessageBox::Yes};

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
        optEast = control<QRadioButton>("OptEast");
        optWest = control<QRadioButton>("OptWest");
        optStandardInput = control<QRadioButton>("optStandardinput");
        optDstInput = control<QRadioButton>("optDstinput");
        cmdCalculate = control<QPushButton>("CmdCalculate");
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
    std::fprintf(stderr,
                 "fuzz_whole_path: %s\n  date \"%s\" latitude \"%s\" longitude \"%s\" zone %d "
                 "standard %d dst %d east %d west %d locale %s\n",
                 what.toUtf8().constData(), window->txtDate->text().toUtf8().constData(),
                 window->txtLatitude->text().toUtf8().constData(), window->txtLongitude->text().toUtf8().constData(),
                 window->lstTimeZone->currentIndex(), window->optStandardInput->isChecked(),
                 window->optDstInput->isChecked(), window->optEast->isChecked(), window->optWest->isChecked(),
                 QLocale().name().toUtf8().constData());
    std::abort();
}

orvane::InputCheck plainCheck(const QLocale &locale)
{
    const Window &w = *window;
    orvane::InputTexts in;
    in.date = w.txtDate->text();
    in.latitude = w.txtLatitude->text();
    in.longitude = w.txtLongitude->text();
    in.standardTime = w.optStandardInput->isChecked();
    in.daylightSaving = w.optDstInput->isChecked();
    in.east = w.optEast->isChecked();
    in.west = w.optWest->isChecked();
    in.zoneIndex = w.lstTimeZone->currentIndex();
    return orvane::checkInputs(in, locale);
}

// The result text of the plain functions for accepted values.
QString plainResult(const orvane::InputCheck &c, const QLocale &locale)
{
    return orvane::resultText(c.site->date, orvane::methodCrossings(*c.site), locale);
}

QString seenTexts()
{
    QStringList texts;
    for (const auto &box : window->answerer.seen)
        texts << box.text;
    return texts.join(QStringLiteral(" | "));
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
    const QLocale locale = orvane::fuzz::localeFor(in.ConsumeIntegral<std::uint8_t>());
    QLocale::setDefault(locale);
    Window &w = *window;
    w.lstTimeZone->setCurrentIndex(in.ConsumeIntegralInRange(-1, 37));
    choose(w.optStandardInput, w.optDstInput, in.ConsumeIntegralInRange(0, 2));
    choose(w.optEast, w.optWest, in.ConsumeIntegralInRange(0, 2));
    if (w.optStandardInput->isChecked() && w.optDstInput->isChecked())
        fail(QStringLiteral("both clock modes selected at once"));
    if (w.optEast->isChecked() && w.optWest->isChecked())
        fail(QStringLiteral("both hemispheres selected at once"));
    w.txtDate->setText(QString::fromStdString(in.ConsumeRandomLengthString(64)));
    w.txtLatitude->setText(QString::fromStdString(in.ConsumeRandomLengthString(64)));
    w.txtLongitude->setText(QString::fromStdString(in.ConsumeRandomLengthString(64)));

    w.lblResult->clear();
    w.answerer.seen.clear();
    const orvane::InputCheck check = plainCheck(locale);
    const bool expected = check.verdict != orvane::CheckVerdict::Refused;
    w.cmdCalculate->click();

    const QString result = w.lblResult->text();
    const bool accepted = !result.isEmpty();
    for (const auto &box : w.answerer.seen)
        if (box.icon == QMessageBox::Critical)
            fail(QStringLiteral("error box shown: ") + seenTexts());
    if (accepted != expected)
        fail(QStringLiteral("window %1 an input the plain checks %2; boxes: %3")
                 .arg(accepted ? "accepted" : "refused", expected ? "accept" : "refuse", seenTexts()));
    if (check.message && (w.answerer.seen.empty() || w.answerer.seen.back().text != QLatin1String(check.message)))
        fail(QStringLiteral("window said \"%1\", the plain checks \"%2\"").arg(seenTexts(), check.message));
    if (!accepted)
        return 0;
    if (result != plainResult(check, locale))
        fail(QStringLiteral("window shows a text the plain functions do not give:\n") + result);

    const orvane::SolarState &s = w.form.state();
    if (!std::isfinite(s.latitude) || std::fabs(s.latitude) > 90 || !std::isfinite(s.longitude) ||
        std::fabs(s.longitude) > 180)
        fail(QStringLiteral("stored site out of range: %1, %2").arg(s.latitude).arg(s.longitude));
    const QStringList problems = orvane::robustness::resultTextProblems(result, locale);
    if (!problems.isEmpty())
        fail(problems.join(QStringLiteral("; ")) + QStringLiteral("\n  result:\n") + result);
    return 0;
}
