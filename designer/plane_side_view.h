#pragma once
// The face seen edge-on, from the side: the level ground with its compass
// points, the face at its tilt, its front (the lit side) and the style
// along the Earth's axis, each named, so that a maker can see which way a
// tilt leans before cutting.

#include <QWidget>

namespace orvane {

class PlaneSideView : public QWidget {
    Q_OBJECT
public:
    explicit PlaneSideView(QWidget *parent = nullptr);

    // Degrees: the face's facing and tilt, and the site's latitude.
    void setPlane(double facing, double tilt, double latitude);

    QSize sizeHint() const override { return QSize(260, 110); }
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    double facing_ = 180, tilt_ = 90, latitude_ = 0;
};

// "south-west" for 225 degrees, to the nearest of eight points; "SW" short.
QString compassPoint(double degrees, bool shortForm = false);

} // namespace orvane
