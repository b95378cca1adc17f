#include "event_block.h"

#include "forms/named_controls.h"

#include "block_clock.h"
#include "sheet_text.h"

#include "text/translation.h"

#include <QLabel>
#include <QVBoxLayout>

namespace orvane {

EventBlock::EventBlock(FieldEvent event, QWidget *parent) : QGroupBox(parent)
{
    // Named in English whatever the language, for the tests and the tools.
    const char *groups[3] = {"grpEast", "grpMeridian", "grpWest"};
    setObjectName(QString::fromLatin1(groups[static_cast<int>(event)]));
    auto *layout = new QVBoxLayout(this);
    layout->setSpacing(2);
    clock_ = addBlockClock(this, layout);
    const char *names[5] = {"lblPrecise", "lblAltitude", "lblShadow", "lblTurn", "lblOffLine"};
    for (int i = 0; i < 5; ++i) {
        details_[i] = new QLabel(this);
        details_[i]->setObjectName(QString::fromLatin1(names[i]));
        details_[i]->setWordWrap(true);
        layout->addWidget(details_[i]);
    }
    notes_ = new QLabel(this);
    notes_->setObjectName(QStringLiteral("lblNotes"));
    notes_->setWordWrap(true);
    layout->addWidget(notes_);
    layout->addStretch();
}

void EventBlock::setEvent(const EventField &f, double plumbHeightM)
{
    const QString title = translate("sheet", "%1: %2").arg(eventTitle(f.event), eventAim(f));
    setTitle(title);
    const EventTexts t = eventTexts(f, plumbHeightM, QLocale());
    clock_->setText(t.clock);
    // The title is painted by the box, not a label: the time says it too,
    // so that a reader going line by line hears what the time is of.
    clock_->setAccessibleName(title + QStringLiteral(", ") + t.clock);
    QStringList whole{clock_->accessibleName()};
    const QString lines[5] = {t.precise, t.altitude, t.shadow, t.turn, t.offLine};
    for (int i = 0; i < 5; ++i) {
        details_[i]->setText(lines[i]);
        details_[i]->setVisible(!lines[i].isEmpty());
        if (!lines[i].isEmpty())
            whole << lines[i];
    }
    whole << t.notes;
    setAccessibleDescription(whole.join(QStringLiteral(", ")));
    // A moment without a shadow is no moment to mark: it stands out in red.
    QPalette pal = palette();
    if (t.unusable)
        pal.setColor(QPalette::WindowText, refusedColour());
    clock_->setPalette(pal);
    notes_->setPalette(pal);
    QFont notesFont = font();
    notesFont.setBold(t.unusable);
    notes_->setFont(notesFont);
    notes_->setText(t.notes.join(QLatin1Char('\n')));
    notes_->setVisible(!t.notes.isEmpty());
    fitBlockWidth(this, clock_);
}

} // namespace orvane
