#include "translation.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>
#include <QTranslator>
#include <QVariant>

#include <vector>

namespace orvane {

namespace {

struct Own {
    QString language = QStringLiteral("en");
    std::vector<QTranslator *> translators;
};

Own &own()
{
    static Own o;
    return o;
}

} // namespace

QString translate(const char *context, const char *english, const char *disambiguation, int n)
{
    if (QCoreApplication::instance())
        return QCoreApplication::translate(context, english, disambiguation, n);
    for (const QTranslator *t : own().translators) {
        const QString s = t->translate(context, english, disambiguation, n);
        if (!s.isNull())
            return n >= 0 ? QString(s).replace(QLatin1String("%n"), QString::number(n)) : s;
    }
    QString s = QString::fromUtf8(english);
    return n >= 0 ? s.replace(QLatin1String("%n"), QString::number(n)) : s;
}

QString translate(const char *context, const std::string &english)
{
    const QString text = translate(context, english.c_str());
    if (text != QString::fromStdString(english) || english.find_first_of("0123456789") == std::string::npos)
        return text;
    // A text written with its numbers in it ("21 Jun", "true noon on
    // 2027-06-21") is found by its shape, each number or ISO date a %n, and
    // gets them back.
    static const QRegularExpression number(QStringLiteral("\\d{4}-\\d\\d-\\d\\d|\\d+(?:\\.\\d+)?"));
    QString shape;
    QStringList numbers;
    qsizetype from = 0;
    for (QRegularExpressionMatchIterator it = number.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        numbers << m.captured();
        shape += text.mid(from, m.capturedStart() - from) + u'%' + QString::number(numbers.size());
        from = m.capturedEnd();
    }
    shape += text.mid(from);
    if (numbers.size() > 9)
        return text;
    const QByteArray key = shape.toUtf8();
    QString found = translate(context, key.constData());
    if (found == shape)
        return text;
    for (qsizetype i = numbers.size(); i > 0; --i)
        found.replace(u'%' + QString::number(i), numbers[i - 1]);
    return found;
}

QString languageInUse()
{
    if (QCoreApplication::instance()) {
        const QVariant v = QCoreApplication::instance()->property("orvaneLanguage");
        if (v.isValid())
            return v.toString();
    }
    return own().language;
}

void setOwnTranslators(const QString &language, std::vector<QTranslator *> translators)
{
    own().language = language;
    own().translators = std::move(translators);
    if (QCoreApplication::instance())
        QCoreApplication::instance()->setProperty("orvaneLanguage", language);
}

} // namespace orvane
