#pragma once
// A button drawn and heard as a link: a screen reader says "link", its
// accessible name and its shortcut key.

#include <QPushButton>

namespace orvane {

class LinkButton : public QPushButton {
    Q_OBJECT
public:
    explicit LinkButton(QWidget *parent = nullptr);
};

} // namespace orvane
