#include "mark_time_edit.h"

#include "text/clock_text.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpression>

namespace orvane {

QValidator::State MarkTimeEdit::validate(QString &input, int &pos) const
{
    const QValidator::State sections = QTimeEdit::validate(input, pos);
    if (sections == QValidator::Acceptable || readClockText(input, locale()))
        return QValidator::Acceptable;
    // A time on its way: digits, separators, blanks and the start of AM/PM.
    static const QRegularExpression partial(
        QStringLiteral("^\\s*\\d{0,2}([:.]\\d{0,2}){0,2}\\s*([AaPp]\\.?[Mm]?\\.?)?$"));
    return partial.match(input).hasMatch() ? QValidator::Intermediate : sections;
}

QDateTime MarkTimeEdit::dateTimeFromText(const QString &text) const
{
    if (const std::optional<QTime> t = readClockText(text, locale()))
        return QDateTime(date(), *t, timeSpec());
    return QTimeEdit::dateTimeFromText(text);
}

bool MarkTimeEdit::event(QEvent *event)
{
    const bool tab = event->type() == QEvent::KeyPress && (static_cast<QKeyEvent *>(event)->key() == Qt::Key_Tab ||
                                                           static_cast<QKeyEvent *>(event)->key() == Qt::Key_Backtab);
    tabbing_ = tab;
    const bool done = QTimeEdit::event(event);
    tabbing_ = false;
    return done;
}

bool MarkTimeEdit::focusNextPrevChild(bool next)
{
    return tabbing_ ? QWidget::focusNextPrevChild(next) : QTimeEdit::focusNextPrevChild(next);
}

void MarkTimeEdit::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::SelectAll)) {
        typed_ = QString();
        lineEdit()->selectAll();
        return;
    }
    const QString text = event->text();
    const bool printable = !text.isEmpty() && text.front().isPrint() &&
                           !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if (printable && !typed_ && lineEdit()->selectedText() == lineEdit()->text())
        typed_ = QString();
    if (typed_ && (printable || event->key() == Qt::Key_Backspace)) {
        if (printable)
            *typed_ += text;
        else
            typed_->chop(1);
        showTyped();
        return;
    }
    typed_.reset();
    QTimeEdit::keyPressEvent(event);
}

void MarkTimeEdit::focusOutEvent(QFocusEvent *event)
{
    typed_.reset();
    QTimeEdit::focusOutEvent(event);
}

// The time follows the text as soon as it reads whole; the text stays as typed.
void MarkTimeEdit::showTyped()
{
    if (const std::optional<QTime> t = readClockText(*typed_, locale()))
        setTime(*t);
    lineEdit()->setText(*typed_);
}

} // namespace orvane
