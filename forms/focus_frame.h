#pragma once
// The focus frame of a widget that paints itself, such as a picture that
// the keyboard can reach, so that the eye sees where the focus is.

class QPainter;
class QWidget;

namespace orvane {

void paintFocusFrame(QPainter &painter, const QWidget *widget);

} // namespace orvane
