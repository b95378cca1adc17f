#include "language.h"
#include "translation.h"

#include "translations/translation_data.h"

#include <QCoreApplication>
#include <QHash>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QTranslator>

namespace orvane {

QStringList spokenLanguages()
{
    return {QStringLiteral("en"), QStringLiteral("de"), QStringLiteral("es"),
            QStringLiteral("fr"), QStringLiteral("it"), QStringLiteral("nl")};
}

QString spokenLanguage(const QString &code)
{
    const QString lang = code.section(u'.', 0, 0).section(u'@', 0, 0).section(u'_', 0, 0).section(u'-', 0, 0).toLower();
    return spokenLanguages().contains(lang) ? lang : QString();
}

QString desktopLanguage()
{
    const QString all = qEnvironmentVariable("LC_ALL");
    const QString messages = all.isEmpty() ? qEnvironmentVariable("LC_MESSAGES") : all;
    const QString locale = messages.isEmpty() ? qEnvironmentVariable("LANG") : messages;
    // As gettext does, LANGUAGE counts only where the locale is not "C".
    if (locale != QLatin1String("C") && locale != QLatin1String("POSIX"))
        for (const QString &code : qEnvironmentVariable("LANGUAGE").split(u':', Qt::SkipEmptyParts))
            if (const QString lang = spokenLanguage(code); !lang.isEmpty())
                return lang;
    const QString lang = spokenLanguage(locale);
    return lang.isEmpty() ? QStringLiteral("en") : lang;
}

namespace {

QSettings settings() { return QSettings(QStringLiteral("Orvane"), QStringLiteral("Orvane")); }

} // namespace

QString keptWindowLanguage() { return spokenLanguage(settings().value(QStringLiteral("language")).toString()); }

void keepWindowLanguage(const QString &language)
{
    QSettings s = settings();
    if (language.isEmpty())
        s.remove(QStringLiteral("language"));
    else
        s.setValue(QStringLiteral("language"), language);
}

bool useLanguage(const QString &language)
{
    if (!spokenLanguages().contains(language))
        return false;
    // What an earlier call loaded goes first, so that a second call switches.
    static std::vector<QTranslator *> loaded;
    for (QTranslator *t : loaded) {
        if (QCoreApplication::instance())
            QCoreApplication::removeTranslator(t);
        delete t;
    }
    loaded.clear();
    setOwnTranslators(QStringLiteral("en"), {});
    std::vector<QTranslator *> translators;
    if (language != QLatin1String("en")) {
        const TranslationData own = translationData(language.toLatin1().constData());
        auto *mine = new QTranslator;
        if (own.size > 0 && mine->load(own.data, int(own.size)))
            translators.push_back(mine);
        else
            delete mine;
        // Qt's own words for the standard dialogs and buttons, where Debian
        // installed them; the command line shows none.
        auto *qt = new QTranslator;
        if (QCoreApplication::instance() &&
            qt->load(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            translators.push_back(qt);
        else
            delete qt;
        if (QCoreApplication::instance())
            for (QTranslator *t : translators)
                QCoreApplication::installTranslator(t);
    }
    loaded = translators;
    setOwnTranslators(language, std::move(translators));
    return true;
}

QLocale localeSpeaking(const QString &language, const QLocale &locale)
{
    const QLocale::Language wanted = QLocale(language).language();
    if (language == QLatin1String("en") || !spokenLanguages().contains(language) || wanted == locale.language())
        return locale;
    return QLocale(wanted, locale.territory());
}

QString languageName(const QString &language)
{
    // As each language names itself, without a region.
    static const QHash<QString, QString> names{
        {QStringLiteral("en"), QStringLiteral("English")},  {QStringLiteral("de"), QStringLiteral("Deutsch")},
        {QStringLiteral("es"), QStringLiteral("Español")},  {QStringLiteral("fr"), QStringLiteral("Français")},
        {QStringLiteral("it"), QStringLiteral("Italiano")}, {QStringLiteral("nl"), QStringLiteral("Nederlands")}};
    return names.value(language, language);
}

QString takeLanguageOption(QStringList &args)
{
    QString code;
    for (qsizetype i = 0; i < args.size();) {
        if (args[i] == QLatin1String("--language")) {
            code = i + 1 < args.size() ? args[i + 1] : QStringLiteral("?");
            args.remove(i, std::min<qsizetype>(2, args.size() - i));
        } else if (args[i].startsWith(QLatin1String("--language="))) {
            code = args[i].mid(11);
            if (code.isEmpty())
                code = QStringLiteral("?");
            args.remove(i);
        } else {
            ++i;
        }
    }
    return code;
}

} // namespace orvane
