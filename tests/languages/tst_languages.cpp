// The languages: which one the desktop asks for, --language and its
// fall-back to English, and the main window laid out in each without a
// text cut short.
#include "cli/cli_run.h"
#include "main_window/sundial_input.h"
#include "text/language.h"
#include "text/translation.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTest>

class TestLanguages : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { orvane::useLanguage(QStringLiteral("en")); }

    void desktopLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("lcAll");
        QTest::addColumn<QString>("lang");
        QTest::addColumn<QString>("expected");
        QTest::newRow("LANG with region and charset") << ""
                                                      << ""
                                                      << "de_CH.UTF-8"
                                                      << "de";
        QTest::newRow("LANGUAGE list, first spoken one") << "pt_BR:nl:fr"
                                                         << ""
                                                         << "en_US.UTF-8"
                                                         << "nl";
        QTest::newRow("LANGUAGE ignored under the C locale") << "it"
                                                             << ""
                                                             << "C"
                                                             << "en";
        QTest::newRow("LC_ALL before LANG") << ""
                                            << "es_ES.UTF-8"
                                            << "fr_FR.UTF-8"
                                            << "es";
        QTest::newRow("unspoken language falls back to English") << ""
                                                                 << ""
                                                                 << "pt_PT.UTF-8"
                                                                 << "en";
        QTest::newRow("nothing set") << ""
                                     << ""
                                     << ""
                                     << "en";
    }
    void desktopLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QString, lcAll);
        QFETCH(QString, lang);
        QFETCH(QString, expected);
        const QByteArray saved[] = {qgetenv("LANGUAGE"), qgetenv("LC_ALL"), qgetenv("LC_MESSAGES"), qgetenv("LANG")};
        qputenv("LANGUAGE", language.toUtf8());
        qputenv("LC_ALL", lcAll.toUtf8());
        qunsetenv("LC_MESSAGES");
        qputenv("LANG", lang.toUtf8());
        const QString got = orvane::desktopLanguage();
        qputenv("LANGUAGE", saved[0]);
        qputenv("LC_ALL", saved[1]);
        qputenv("LC_MESSAGES", saved[2]);
        qputenv("LANG", saved[3]);
        QCOMPARE(got, expected);
    }

    void languageOption_data()
    {
        QTest::addColumn<QStringList>("language");
        QTest::addColumn<bool>("english");
        QTest::newRow("German") << QStringList{"--language", "de"} << false;
        QTest::newRow("Italian, joined form") << QStringList{"--language=it_IT.UTF-8"} << false;
        QTest::newRow("Dutch") << QStringList{"--language", "nl"} << false;
        QTest::newRow("English asked for") << QStringList{"--language", "en"} << true;
        QTest::newRow("unspoken language") << QStringList{"--language", "pt"} << true;
    }
    void languageOption()
    {
        QFETCH(QStringList, language);
        QFETCH(bool, english);
        const QStringList refused{"--latitude", "91", "--longitude", "0", "--date", "2027-06-21", "--utc-offset", "0"};
        const CliRun plainHelp = runCli({"--language", "en", "--help"});
        const CliRun plainRefusal = runCli(QStringList{"--language", "en"} + refused);
        const CliRun help = runCli(language + QStringList{"--help"});
        const CliRun refusal = runCli(language + refused);
        QCOMPARE(help.status, 0);
        QCOMPARE(refusal.status, plainRefusal.status);
        QCOMPARE(help.out == plainHelp.out, english);
        QCOMPARE(refusal.err.endsWith(plainRefusal.err), english);
        // Only an unspoken language says why the answer is in English.
        QCOMPARE(help.err.isEmpty(), language.last() != QLatin1String("pt"));
    }

    // Each control shows its whole text: none is narrower or lower than
    // its text needs.
    void mainWindowFitsItsTexts_data()
    {
        QTest::addColumn<QString>("language");
        for (const QString &l : orvane::spokenLanguages())
            QTest::newRow(qPrintable(l)) << l;
    }
    void mainWindowFitsItsTexts()
    {
        QFETCH(QString, language);
        QVERIFY(orvane::useLanguage(language));
        orvane::Sundial_Input window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        for (QWidget *w : window.findChildren<QWidget *>()) {
            if (!w->isVisible())
                continue;
            QString text;
            if (auto *l = qobject_cast<QLabel *>(w); l && l->pixmap().isNull())
                text = l->text();
            else if (auto *b = qobject_cast<QAbstractButton *>(w))
                text = b->text();
            else if (auto *c = qobject_cast<QComboBox *>(w))
                text = c->currentText();
            if (text.isEmpty())
                continue;
            QSize hint = w->minimumSizeHint().expandedTo(w->sizeHint());
            // A push button's hint keeps the style's least width, which
            // the form's buttons are under: its text and margins count.
            if (qobject_cast<QPushButton *>(w)) {
                const int margins = 2 * (w->style()->pixelMetric(QStyle::PM_ButtonMargin) +
                                         w->style()->pixelMetric(QStyle::PM_DefaultFrameWidth));
                hint.setWidth(w->fontMetrics().horizontalAdvance(QString(text).remove(u'&')) + margins);
            }
            auto *label = qobject_cast<QLabel *>(w);
            const bool wraps = label && label->wordWrap();
            // Heights: the lines of text, not the hint's margins (the
            // form's radio buttons stand a pixel under their indicator's).
            const int need =
                wraps ? label->heightForWidth(w->width()) : w->fontMetrics().height() * int(text.count(u'\n') + 1);
            QVERIFY2(wraps || w->width() >= hint.width(), qPrintable(QStringLiteral("%1 \"%2\": %3 wide, needs %4")
                                                                         .arg(w->objectName(), text)
                                                                         .arg(w->width())
                                                                         .arg(hint.width())));
            QVERIFY2(w->height() >= need, qPrintable(QStringLiteral("%1 \"%2\": %3 high, needs %4")
                                                         .arg(w->objectName(), text)
                                                         .arg(w->height())
                                                         .arg(need)));
        }
    }
};

QTEST_MAIN(TestLanguages)
#include "tst_languages.moc"
