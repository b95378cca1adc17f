#include "json_writer.h"

#include <QLocale>

#include <cmath>

namespace orvane {

namespace {

QString quoted(const QString &s)
{
    QString out = QStringLiteral("\"");
    for (const QChar c : s) {
        switch (c.unicode()) {
        case '"':
            out += QStringLiteral("\\\"");
            break;
        case '\\':
            out += QStringLiteral("\\\\");
            break;
        case '\n':
            out += QStringLiteral("\\n");
            break;
        case '\r':
            out += QStringLiteral("\\r");
            break;
        case '\t':
            out += QStringLiteral("\\t");
            break;
        default:
            if (c.unicode() < 0x20)
                out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
            else
                out += c;
        }
    }
    return out + u'"';
}

} // namespace

void JsonWriter::member(const char *key)
{
    if (!levels_.empty()) {
        Level &l = levels_.back();
        if (!l.empty)
            text_ += u',';
        if (l.inlined)
            text_ += l.empty ? QString() : QStringLiteral(" ");
        else
            text_ += u'\n' + QString(2 * static_cast<int>(levels_.size()), u' ');
        l.empty = false;
    }
    if (key)
        text_ += quoted(QString::fromUtf8(key)) + QStringLiteral(": ");
}

void JsonWriter::close(QChar bracket)
{
    const Level l = levels_.back();
    levels_.pop_back();
    if (!l.inlined && !l.empty)
        text_ += u'\n' + QString(2 * static_cast<int>(levels_.size()), u' ');
    text_ += bracket;
}

void JsonWriter::beginObject(const char *key, bool inlined)
{
    member(key);
    text_ += u'{';
    // Inside an inline container everything stays on its line.
    levels_.push_back(Level{inlined || (!levels_.empty() && levels_.back().inlined), true});
}

void JsonWriter::endObject() { close(u'}'); }

void JsonWriter::beginArray(const char *key, bool inlined)
{
    member(key);
    text_ += u'[';
    levels_.push_back(Level{inlined || (!levels_.empty() && levels_.back().inlined), true});
}

void JsonWriter::endArray() { close(u']'); }

void JsonWriter::null(const char *key)
{
    member(key);
    text_ += QStringLiteral("null");
}

void JsonWriter::value(const char *key, const QString &text)
{
    member(key);
    text_ += quoted(text);
}

void JsonWriter::value(const char *key, bool b)
{
    member(key);
    text_ += b ? QStringLiteral("true") : QStringLiteral("false");
}

void JsonWriter::value(const char *key, int n)
{
    member(key);
    text_ += QString::number(n);
}

void JsonWriter::value(const char *key, double x, int decimals)
{
    if (!std::isfinite(x)) {
        null(key);
        return;
    }
    const double scale = std::pow(10.0, decimals);
    double r = std::round(x * scale) / scale;
    if (r == 0)
        r = 0; // no "-0"
    member(key);
    text_ += QString::number(r, 'g', QLocale::FloatingPointShortest);
}

} // namespace orvane
