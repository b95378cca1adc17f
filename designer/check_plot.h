#pragma once
// The check's plot: each reading's error against the clock time, before
// the fit and after it, about a zero line.

#include <QWidget>

#include <optional>
#include <vector>

namespace orvane {

struct CheckPoint {
    double clockHours = 0;             // the reading's clock time, hours after midnight
    double errorMin = 0;               // what the dial showed less what it should, minutes
    std::optional<double> residualMin; // left after the fit, when there is one
};

class CheckPlot : public QWidget {
    Q_OBJECT
public:
    explicit CheckPlot(QWidget *parent = nullptr);

    // The points, and the description a reader hears in their place;
    // `none` says why there are none.
    void setPoints(const std::vector<CheckPoint> &points, const QString &none = QStringLiteral("No readings yet"));

    QSize sizeHint() const override { return QSize(360, 170); }
    QSize minimumSizeHint() const override { return QSize(220, 120); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    std::vector<CheckPoint> points_;
    QString none_;
};

} // namespace orvane
