// What the main window tells assistive technology, and the keys that reach
// the web links.
#include "sundial_input.h"

#include "forms/spoken_text.h"
#include "link_label.h"
#include "text/translation.h"
#include "text/window_texts.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace orvane {

void Sundial_Input::describeControls()
{
    // A label's buddy lends it its text as name; none of these captions
    // carries an "&", so nothing changes on screen.
    lblDate->setBuddy(txtDate);
    lblLatitude->setBuddy(txtLatitude);
    lblLongitude->setBuddy(txtLongitude);
    txtLatitude->setAccessibleDescription(lblNorthSouth->text());
    for (QLineEdit *box : {txtDate, txtLatitude, txtLongitude})
        tellFocusFirst(box);
    // The pictures, in words for those who do not see them.
    image2->setAccessibleName(QStringLiteral("Tarnwick"));
    image1->setAccessibleName(translate("window",
                                        "A plumb line hung from a post's arm, its bob in a dish of water, and "
                                        "its shadow on the ground"));

    // The list has no label on screen. Qt on Linux names a combo box by its
    // current text and looks for the label in a relation, so it gets one
    // that stays hidden; other platforms read the accessible name.
    const QString zoneName = translate("text", kTimeZoneName);
    auto *zoneLabel = new QLabel(zoneName, lstTimeZone->parentWidget());
    zoneLabel->setObjectName("lblTimeZoneName");
    zoneLabel->setBuddy(lstTimeZone);
    zoneLabel->hide();
    lstTimeZone->setAccessibleName(zoneName);
    lstTimeZone->lineEdit()->setAccessibleName(zoneName);

    // The links stay out of the Tab walk, so Enter keeps meaning Calculate
    // wherever the focus is; these keys follow them instead.
    lblBrowser->setAccessKey(QKeySequence(Qt::ALT | Qt::Key_W));
    lblTarnwick->setAccessKey(QKeySequence(Qt::ALT | Qt::Key_T));
}

} // namespace orvane
