#pragma once
// A small JSON writer that keeps the members in the order written (a reader
// finds "event" first, not sorted in among the angles). Containers indent by
// two blanks; an inline container puts its members on one line.

#include <QString>

#include <vector>

namespace orvane {

class JsonWriter {
public:
    // `key` is nullptr for an element of an array.
    void beginObject(const char *key = nullptr, bool inlined = false);
    void endObject();
    void beginArray(const char *key = nullptr, bool inlined = false);
    void endArray();

    void null(const char *key);
    void value(const char *key, const QString &text);
    // Without it a literal would be taken for a bool.
    void value(const char *key, const char *text) { value(key, QString::fromUtf8(text)); }
    void value(const char *key, bool b);
    void value(const char *key, int n);
    // Rounded to `decimals`, written in its shortest form; never "-0".
    void value(const char *key, double x, int decimals);

    QString text() const { return text_ + u'\n'; }

private:
    struct Level {
        bool inlined = false;
        bool empty = true;
    };
    void member(const char *key);
    void close(QChar bracket);

    QString text_;
    std::vector<Level> levels_;
};

} // namespace orvane
