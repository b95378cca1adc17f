// The Dial Designer's old hours: a box for each hour system, and a short
// list of special dates, each drawn as its date line.
#include "frm_dial_designer.h"

#include "forms/named_controls.h"
#include "text/translation.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace orvane {

namespace {

constexpr int kDateRole = Qt::UserRole;
constexpr int kLabelRole = Qt::UserRole + 1;

// The box shows the system's word alone, beside "Hours:"; a reader hears it whole.
QCheckBox *systemBox(QWidget *parent, const char *name, const QString &text, const QString &heard,
                     const QString &description)
{
    auto *box = namedWidget<QCheckBox>(parent, name);
    box->setText(text);
    box->setAccessibleName(heard);
    box->setAccessibleDescription(description);
    return box;
}

} // namespace

void FrmDialDesigner::buildOldHours()
{
    chkEqualHours = systemBox(this, "chkEqualHours", translate("designer", "Equal"),
                              translate("designer", "Equal hours"), translate("designer", "Today's hour lines"));
    chkEqualHours->setChecked(true);
    chkItalianHours =
        systemBox(this, "chkItalianHours", translate("designer", "Italian"), translate("designer", "Italian hours"),
                  translate("designer", "Hours since the previous sunset, 24 at sunset"));
    chkBabylonianHours =
        systemBox(this, "chkBabylonianHours", translate("designer", "Babylonian"),
                  translate("designer", "Babylonian hours"), translate("designer", "Hours since sunrise"));
    chkUnequalHours =
        systemBox(this, "chkUnequalHours", translate("designer", "Unequal"), translate("designer", "Unequal hours"),
                  translate("designer", "Twelfths of the daylight since sunrise"));
    dteDateLine = namedWidget<QDateEdit>(this, "dteDateLine");
    dteDateLine->setDisplayFormat(QStringLiteral("d MMM"));
    dteDateLine->setAccessibleName(translate("designer", "Special date"));
    txtDateLineLabel = namedWidget<QLineEdit>(this, "txtDateLineLabel");
    txtDateLineLabel->setMaxLength(kMaxSpecialLabel);
    txtDateLineLabel->setPlaceholderText(translate("designer", "Label (optional)"));
    txtDateLineLabel->setAccessibleName(translate("designer", "Special date's label"));
    btnAddDateLine = namedWidget<QPushButton>(this, "btnAddDateLine");
    btnAddDateLine->setText(translate("designer", "Add"));
    btnAddDateLine->setAccessibleName(translate("designer", "Add the special date"));
    btnRemoveDateLine = namedWidget<QPushButton>(this, "btnRemoveDateLine");
    btnRemoveDateLine->setText(translate("designer", "Remove"));
    btnRemoveDateLine->setAccessibleName(translate("designer", "Remove the chosen special date"));
    lstDateLines = namedWidget<QListWidget>(this, "lstDateLines");
    lstDateLines->setAccessibleName(translate("designer", "Special dates"));
    lstDateLines->setAccessibleDescription(
        translate("designer", "A date line each, for the sun's declination at noon on that day"));
    lstDateLines->setMaximumHeight(80);

    for (QCheckBox *b : {chkEqualHours, chkItalianHours, chkBabylonianHours, chkUnequalHours})
        connect(b, &QCheckBox::toggled, this, &FrmDialDesigner::redraw);
    connect(btnAddDateLine, &QPushButton::clicked, this, &FrmDialDesigner::addDateLine);
    connect(txtDateLineLabel, &QLineEdit::returnPressed, this, &FrmDialDesigner::addDateLine);
    connect(btnRemoveDateLine, &QPushButton::clicked, this, [this] {
        delete lstDateLines->currentItem();
        redraw();
    });
}

void FrmDialDesigner::addDateLine()
{
    const QString label = txtDateLineLabel->text().trimmed();
    if (lstDateLines->count() >= kMaxSpecialDates || !specialLabelProblem(label).isEmpty())
        return;
    const QDate date = dteDateLine->date();
    auto *item = new QListWidgetItem(QLocale().toString(date, QStringLiteral("d MMM")) +
                                     (label.isEmpty() ? QString() : QStringLiteral(": ") + label));
    item->setData(kDateRole, date);
    item->setData(kLabelRole, label);
    lstDateLines->addItem(item);
    txtDateLineLabel->clear();
    btnAddDateLine->setEnabled(lstDateLines->count() < kMaxSpecialDates);
    redraw();
}

QGridLayout *FrmDialDesigner::oldHoursForm()
{
    auto *form = new QGridLayout;
    auto *systems = new QHBoxLayout;
    for (QCheckBox *b : {chkEqualHours, chkItalianHours, chkBabylonianHours, chkUnequalHours})
        systems->addWidget(b);
    systems->addStretch(1);
    form->addWidget(labelFor(this, "lblHourSystems", translate("designer", "Hours:"), chkEqualHours), 0, 0);
    form->addLayout(systems, 0, 1, 1, 3);
    form->addWidget(labelFor(this, "lblDateLine", translate("designer", "Special dates:"), dteDateLine), 1, 0);
    form->addWidget(dteDateLine, 1, 1);
    form->addWidget(txtDateLineLabel, 1, 2);
    form->addWidget(btnAddDateLine, 1, 3);
    form->addWidget(lstDateLines, 2, 1, 1, 2);
    form->addWidget(btnRemoveDateLine, 2, 3, Qt::AlignTop);
    form->setColumnStretch(2, 1);
    return form;
}

void FrmDialDesigner::readOldHours(DialSettings &s) const
{
    s.equalHours = chkEqualHours->isChecked();
    const std::pair<QCheckBox *, dial::HourSystem> systems[] = {{chkItalianHours, dial::HourSystem::Italian},
                                                                {chkBabylonianHours, dial::HourSystem::Babylonian},
                                                                {chkUnequalHours, dial::HourSystem::Unequal}};
    for (const auto &[box, system] : systems)
        if (box->isChecked())
            s.hourSystems.push_back(system);
    for (int i = 0; i < lstDateLines->count(); ++i)
        s.specialDates.push_back(
            {lstDateLines->item(i)->data(kDateRole).toDate(), lstDateLines->item(i)->data(kLabelRole).toString()});
}

} // namespace orvane
