#pragma once
// The face seen edge-on, from the side: the ground, the face at its tilt,
// its outward normal and the style along the Earth's axis, so that a maker
// can see which way a tilt leans before cutting.

#include <QWidget>

namespace orvane {

class PlaneSideView : public QWidget {
    Q_OBJECT
public:
    explicit PlaneSideView(QWidget *parent = nullptr);

    // Degrees: the face's facing and tilt, and the site's latitude.
    void setPlane(double facing, double tilt, double latitude);

    QSize sizeHint() const override { return QSize(150, 70); }
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    double facing_ = 180, tilt_ = 90, latitude_ = 0;
};

} // namespace orvane
