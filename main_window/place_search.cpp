#include "place_search.h"

#include "forms/named_controls.h"
#include "forms/spoken_text.h"
#include "places/places.h"
#include "text/translation.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace orvane {

namespace {

// Enough to tell the places of one name apart.
constexpr int kShown = 12;

QString entryText(const Place &p)
{
    return QStringLiteral("%1 (%2, %3)").arg(placeDisplayText(p), populationText(p.population), p.zone);
}

} // namespace

PlaceSearch::PlaceSearch(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("dlgPlaceSearch"));
    setWindowTitle(translate("window", "Find a Place"));
    txtPlaceName = namedWidget<QLineEdit>(this, "txtPlaceName");
    txtPlaceName->setAccessibleDescription(
        translate("window", "A town's name, then a comma and its country or region if you like: Paris, Texas. The up "
                            "and down arrows go through the places found, Enter chooses one"));
    tellFocusFirst(txtPlaceName);
    lstPlaces = namedWidget<QListWidget>(this, "lstPlaces");
    lstPlaces->setAccessibleName(translate("window", "Places found"));
    lblPlaceStatus = namedWidget<SpokenLabel>(this, "lblPlaceStatus");
    lblPlaceStatus->setWordWrap(true);
    cmdChoosePlace = namedWidget<QPushButton>(this, "cmdChoosePlace");
    cmdChoosePlace->setText(translate("window", "&Choose"));
    cmdChoosePlace->setDefault(true);
    cmdClosePlaces = namedWidget<QPushButton>(this, "cmdClosePlaces");
    cmdClosePlaces->setText(translate("window", "Close"));
    auto *credit = new QLabel(translate("text", kPlaceNamesCredit), this);
    credit->setObjectName(QStringLiteral("lblPlaceCredit"));
    QFont small = credit->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    credit->setFont(small);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(credit, 1);
    buttons->addWidget(cmdChoosePlace);
    buttons->addWidget(cmdClosePlaces);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(labelFor(this, "lblPlaceName", translate("window", "&Place name:"), txtPlaceName));
    layout->addWidget(txtPlaceName);
    layout->addWidget(lstPlaces, 1);
    layout->addWidget(lblPlaceStatus);
    layout->addLayout(buttons);
    resize(520, 360);

    txtPlaceName->installEventFilter(this);
    connect(txtPlaceName, &QLineEdit::textChanged, this, &PlaceSearch::search);
    connect(lstPlaces, &QListWidget::currentRowChanged, this, &PlaceSearch::tellCurrent);
    connect(lstPlaces, &QListWidget::itemActivated, this, &PlaceSearch::choose);
    connect(cmdChoosePlace, &QPushButton::clicked, this, &PlaceSearch::choose);
    connect(cmdClosePlaces, &QPushButton::clicked, this, &QDialog::reject);
}

void PlaceSearch::setRemembered(const QString &text)
{
    remembered_ = text;
    if (txtPlaceName->text().trimmed().isEmpty())
        lblPlaceStatus->setSpokenText(text);
}

void PlaceSearch::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    txtPlaceName->selectAll();
    txtPlaceName->setFocus();
    // The places are read on the first look: say at once when they cannot be.
    if (const QString error = placesError(); !error.isEmpty()) {
        txtPlaceName->setEnabled(false);
        cmdChoosePlace->setEnabled(false);
        lblPlaceStatus->setSpokenText(translate("window", "The place search is unavailable: %1").arg(error));
        lblPlaceStatus->announce();
        cmdClosePlaces->setFocus();
    }
}

bool PlaceSearch::eventFilter(QObject *watched, QEvent *event)
{
    // The arrows go through the places while the caret stays in the box.
    if (watched == txtPlaceName && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if ((key == Qt::Key_Down || key == Qt::Key_Up) && lstPlaces->count() > 0) {
            const int row = lstPlaces->currentRow() + (key == Qt::Key_Down ? 1 : -1);
            lstPlaces->setCurrentRow(std::clamp(row, 0, lstPlaces->count() - 1));
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void PlaceSearch::search()
{
    const QString query = txtPlaceName->text().trimmed().left(200);
    found_ = query.isEmpty() ? QList<Place>() : findPlaces(query, kShown);
    lstPlaces->clear();
    for (const Place &p : found_)
        lstPlaces->addItem(entryText(p));
    cmdChoosePlace->setEnabled(!found_.isEmpty());
    if (query.isEmpty()) {
        lblPlaceStatus->setSpokenText(remembered_);
        return;
    }
    if (found_.isEmpty()) {
        const QStringList near = nearestPlaceNames(query);
        lblPlaceStatus->setSpokenText(
            near.isEmpty()
                ? translate("window", "No place of that name.")
                : translate("window", "No place of that name; nearest: %1.").arg(near.join(QStringLiteral(", "))));
        lblPlaceStatus->announce();
        return;
    }
    lstPlaces->setCurrentRow(0);
}

void PlaceSearch::tellCurrent()
{
    const int row = lstPlaces->currentRow();
    if (row < 0 || row >= found_.size())
        return;
    // Shown, not announced: a reader already says the list's new row, and a
    // notification would say the place again with the dialog's credit line.
    lblPlaceStatus->setSpokenText(translate("window", "%1 of %2: %3", "place found, of the places found")
                                      .arg(row + 1)
                                      .arg(found_.size())
                                      .arg(entryText(found_[row])));
}

void PlaceSearch::choose()
{
    const int row = lstPlaces->currentRow();
    if (row < 0 || row >= found_.size())
        return;
    emit placeChosen(found_[row]);
    accept();
}

} // namespace orvane
