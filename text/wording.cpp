#include "wording.h"
#include "translation.h"

#include <cstdlib>

namespace orvane {

QString compassName(Compass c)
{
    switch (c) {
    case Compass::North:
        return QStringLiteral("north");
    case Compass::East:
        return QStringLiteral("east");
    case Compass::South:
        return QStringLiteral("south");
    case Compass::West:
        break;
    }
    return QStringLiteral("west");
}

QString compassWords(Compass c)
{
    switch (c) {
    case Compass::North:
        return translate("text", "north");
    case Compass::East:
        return translate("text", "east");
    case Compass::South:
        return translate("text", "south");
    case Compass::West:
        break;
    }
    return translate("text", "west");
}

QString compassLetter(Compass c) { return compassName(c).left(1).toUpper(); }

Compass latitudeSide(double latitude) { return latitude >= 0 ? Compass::North : Compass::South; }

Compass equatorSide(double latitude) { return latitude >= 0 ? Compass::South : Compass::North; }

QString firstUpper(QString s)
{
    if (!s.isEmpty())
        s[0] = s[0].toUpper();
    return s;
}

QLocale plainLocale(QLocale locale)
{
    locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    return locale;
}

QString signedNumberText(double value, int decimals, const QLocale &locale, NegativeZero negativeZero)
{
    const QLocale plain = plainLocale(locale);
    const QString zero = plain.toString(0.0, 'f', decimals);
    const QString text = plain.toString(value, 'f', decimals);
    if (negativeZero == NegativeZero::Dropped && text == plain.negativeSign() + zero)
        return zero;
    return value > 0 && text != zero ? plain.positiveSign() + text : text;
}

QString utcOffsetText(int minutes)
{
    const int m = std::abs(minutes);
    return QStringLiteral("%1%2:%3")
        .arg(QChar(minutes < 0 ? u'-' : u'+'))
        .arg(m / 60, 2, 10, QLatin1Char('0'))
        .arg(m % 60, 2, 10, QLatin1Char('0'));
}

QString utcOffsetName(int minutes)
{
    const int m = std::abs(minutes);
    QString text = QStringLiteral("UTC") + QChar(minutes < 0 ? u'-' : u'+') + QString::number(m / 60);
    if (m % 60)
        text += QStringLiteral(":%1").arg(m % 60, 2, 10, QLatin1Char('0'));
    return text;
}

} // namespace orvane
