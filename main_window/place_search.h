#pragma once
// Finding a place by name (Ctrl+L in the main window): a box to type in,
// the best matches as one types, and the one chosen handed back.

#include "places/place.h"

#include <QDialog>

class QLineEdit;
class QListWidget;
class QPushButton;

namespace orvane {

class SpokenLabel;

class PlaceSearch : public QDialog {
    Q_OBJECT
public:
    explicit PlaceSearch(QWidget *parent = nullptr);

    // What the window last did with a chosen place, shown under the box.
    void setRemembered(const QString &text);

signals:
    void placeChosen(const orvane::Place &place);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void search();
    void tellCurrent();
    void choose();

    QList<Place> found_;
    QString remembered_;
    QLineEdit *txtPlaceName = nullptr;
    QListWidget *lstPlaces = nullptr;
    SpokenLabel *lblPlaceStatus = nullptr;
    QPushButton *cmdChoosePlace = nullptr;
    QPushButton *cmdClosePlaces = nullptr;
};

} // namespace orvane
