#include "json_writer.h"

#include <QLocale>

#include <algorithm>
#include <cmath>

namespace orvane {

namespace {

bool needsEscape(QChar c) { return c.unicode() < 0x20 || c == u'"' || c == u'\\'; }

// Appends `s` as a JSON string; most texts need no escape at all.
void appendQuoted(QString &out, const QString &s)
{
    out += u'"';
    if (std::none_of(s.begin(), s.end(), needsEscape)) {
        out += s;
        out += u'"';
        return;
    }
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
    out += u'"';
}

// A line break and two blanks a level.
void appendIndent(QString &out, std::size_t levels)
{
    out += u'\n';
    out.resize(out.size() + 2 * static_cast<qsizetype>(levels), u' ');
}

} // namespace

void JsonWriter::member(const char *key)
{
    if (!levels_.empty()) {
        Level &l = levels_.back();
        if (!l.empty)
            text_ += u',';
        if (l.inlined) {
            if (!l.empty)
                text_ += u' ';
        } else {
            appendIndent(text_, levels_.size());
        }
        l.empty = false;
    }
    if (key) {
        // Keys are the program's own ASCII names: nothing to escape.
        text_ += u'"';
        text_ += QLatin1String(key);
        text_ += QLatin1String("\": ");
    }
}

void JsonWriter::close(QChar bracket)
{
    const Level l = levels_.back();
    levels_.pop_back();
    if (!l.inlined && !l.empty)
        appendIndent(text_, levels_.size());
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
    appendQuoted(text_, text);
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
