#include "name_folding.h"

namespace orvane {

namespace {

// Letters that decomposition leaves whole but a reader takes for plain ones.
QStringView plainLetters(char16_t c)
{
    switch (c) {
    case u'ß':
        return u"ss";
    case u'ø':
        return u"o";
    case u'ł':
        return u"l";
    case u'đ':
    case u'ð':
        return u"d";
    case u'æ':
        return u"ae";
    case u'œ':
        return u"oe";
    case u'þ':
        return u"th";
    case u'ı':
        return u"i";
    default:
        return {};
    }
}

bool isAscii(QStringView s)
{
    for (QChar c : s)
        if (c.unicode() >= 0x80)
            return false;
    return true;
}

} // namespace

QString foldName(QStringView name)
{
    // Most names are plain letters already: no decomposition for them.
    const QString lower = isAscii(name) ? name.toString().toLower()
                                        : name.toString().normalized(QString::NormalizationForm_KD).toCaseFolded();
    QString out;
    out.reserve(lower.size());
    bool blank = true; // drops leading blanks and runs of them
    for (QChar c : lower) {
        if (c.isMark())
            continue;
        if (c.isSpace() || c == u'-' || c == u'\'' || c == u'’' || c == u'.') {
            if (!blank)
                out += u' ';
            blank = true;
            continue;
        }
        const QStringView plain = plainLetters(c.unicode());
        if (plain.isEmpty())
            out += c;
        else
            out += plain;
        blank = false;
    }
    if (out.endsWith(u' '))
        out.chop(1);
    return out;
}

} // namespace orvane
