#include "report_words.h"

#include "ground_staking.h"

#include "text/result_text.h"
#include "text/wording.h"

namespace orvane {

namespace {

QString numberText(const dial::Value &v, const QLocale &locale)
{
    const QLocale plain = plainLocale(locale);
    switch (v.form) {
    case dial::Value::Form::Fixed: {
        const QString zero = plain.toString(0.0, 'f', v.decimals);
        const QString text = plain.toString(v.number, 'f', v.decimals);
        return text == plain.negativeSign() + zero ? zero : text;
    }
    case dial::Value::Form::Grouped:
        return locale.toString(v.number, 'f', v.decimals);
    case dial::Value::Form::Signed:
        return signedNumberText(v.number, v.decimals, locale, NegativeZero::Dropped);
    case dial::Value::Form::Shortest:
        return plain.toString(v.number, 'g', v.decimals);
    case dial::Value::Form::Metres:
        return metresText(v.number, locale);
    case dial::Value::Form::MetresSigned: {
        const QString text = metresText(v.number, locale);
        return v.number > 0 && text != metresText(0, locale) ? plain.positiveSign() + text : text;
    }
    case dial::Value::Form::MetresUp:
        return heightNeededText(v.number, locale);
    }
    return {};
}

} // namespace

QString valueText(const dial::Value &v, const QLocale &locale)
{
    switch (v.type) {
    case dial::Value::Type::Null:
    case dial::Value::Type::List:
    case dial::Value::Type::Record:
        break;
    case dial::Value::Type::Number:
        return numberText(v, locale);
    case dial::Value::Type::Text:
        return QString::fromStdString(v.text);
    case dial::Value::Type::Words: {
        QString text = QString::fromStdString(v.text);
        // From the last, so that %1 does not take the start of %12.
        for (std::size_t i = v.items.size(); i-- > 0;)
            text.replace(QStringLiteral("%") + QString::number(i + 1), valueText(v.items[i].second, locale));
        return text;
    }
    case dial::Value::Type::Date:
        return locale.toString(QDate::fromString(QString::fromStdString(v.text), Qt::ISODate), QLocale::LongFormat);
    case dial::Value::Type::Clock:
        return timeText(v.number, locale);
    }
    return {};
}

QList<QStringList> tableText(const dial::Table &table, const QLocale &locale)
{
    QList<QStringList> rows;
    QStringList headings;
    for (const std::string &h : table.headings)
        headings << QString::fromStdString(h);
    rows << headings;
    for (const std::vector<dial::Value> &row : table.rows) {
        QStringList cells;
        for (const dial::Value &v : row)
            cells << valueText(v, locale);
        rows << cells;
    }
    return rows;
}

} // namespace orvane
