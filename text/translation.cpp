#include "translation.h"

#include <QCoreApplication>
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

QString translate(const char *context, const std::string &english) { return translate(context, english.c_str()); }

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
