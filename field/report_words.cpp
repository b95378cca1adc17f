#include "report_words.h"

#include "ground_staking.h"

#include "text/result_text.h"
#include "text/translation.h"
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

// The pattern read once: %12 is the twelfth value where there are twelve,
// and a value's own words are not read again, whatever they hold.
QString wordsText(const dial::Value &v, const QLocale &locale)
{
    const QString pattern = translate("dial", v.text);
    QString text;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        std::size_t n = 0;
        qsizetype end = i + 1;
        while (pattern[i] == u'%' && end < pattern.size() && pattern[end].isDigit() &&
               n * 10 + pattern[end].digitValue() <= v.items.size())
            n = n * 10 + pattern[end++].digitValue();
        if (n == 0) {
            text += pattern[i];
            continue;
        }
        text += valueText(v.items[n - 1].value, locale);
        i = end - 1;
    }
    return text;
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
        return translate("dial", v.text);
    case dial::Value::Type::Words:
        return wordsText(v, locale);
    case dial::Value::Type::Date: {
        // The C locale names days and months in English: in another
        // language, that language's names.
        const QLocale words = locale.language() == QLocale::C && languageInUse() != QLatin1String("en")
                                  ? QLocale(languageInUse())
                                  : locale;
        return words.toString(QDate::fromString(QString::fromStdString(v.text), Qt::ISODate), QLocale::LongFormat);
    }
    case dial::Value::Type::Clock:
        return timeText(v.number, locale);
    case dial::Value::Type::Truth:
        return v.number != 0 ? translate("field", "yes") : translate("field", "no");
    }
    return {};
}

QList<QStringList> tableText(const dial::Table &table, const QLocale &locale)
{
    QList<QStringList> rows;
    QStringList headings;
    for (const std::string &h : table.headings)
        headings << translate("dial", h);
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
