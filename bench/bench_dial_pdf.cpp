// The full-size PDF of a 2000 x 1500 mm wall dial, as a user runs it:
// `orvane ... --plate 2000x1500 ... --pdf FILE`, timed from start to exit,
// with the file's size and its page count beside the time.
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

void BM_WallDialPdf(benchmark::State &bs, const QString &plate, const QString &nodus)
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("big.pdf"));
    const QStringList args{"--date",
                           "6/21/2027",
                           "--latitude",
                           "40.655",
                           "--longitude",
                           "72.855W",
                           "--zone",
                           "America/New_York",
                           "--dial",
                           "vertical",
                           "--facing",
                           "200",
                           "--plate",
                           plate,
                           "--nodus-height",
                           nodus,
                           "--hour-step",
                           "15",
                           "--date-lines",
                           "months",
                           "--card",
                           "--pdf",
                           pdf};
    QString said;
    for (auto _ : bs) {
        QProcess run;
        run.start(QStringLiteral(ORVANE_PROGRAM), args);
        if (!run.waitForFinished(600000) || run.exitCode() != 0) {
            bs.SkipWithError("orvane failed");
            return;
        }
        said = QString::fromLocal8Bit(run.readAllStandardError());
    }
    bs.counters["MB"] = double(QFileInfo(pdf).size()) / 1e6;
    // "--pdf "big.pdf": 90 pages" on stderr.
    const auto pages = QRegularExpression(QStringLiteral(": (\\d+) pages")).match(said);
    bs.counters["pages"] = pages.hasMatch() ? pages.captured(1).toDouble() : 0;
}
// The time is the child's, so wall-clock time, a few runs each.
BENCHMARK_CAPTURE(BM_WallDialPdf, plate_2000x1500, QStringLiteral("2000x1500"), QStringLiteral("400"))
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(10);
BENCHMARK_CAPTURE(BM_WallDialPdf, plate_5000x5000, QStringLiteral("5000x5000"), QStringLiteral("1000"))
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3);

} // namespace

BENCHMARK_MAIN();
