#include "dial/report.h"
#include "dial/noop.h"

namespace orvane::dial {

Value Value::truth(bool yes)
{
    Value v;
    v.type = Type::Truth;
    v.number = yes ? 1 : 0;
    return v;
}

Value Value::num(double x, int decimals, Form form)
{
    Value v;
    v.type = Type::Number;
    v.number = x;
    v.decimals = decimals;
    v.form = form;
    return v;
}

Value Value::word(std::string text)
{
    Value v;
    v.type = Type::Text;
    v.text = std::move(text);
    return v;
}

Value Value::words(std::string pattern, std::vector<Value> args)
{
    Value v = word(std::move(pattern));
    v.type = Type::Words;
    for (Value &a : args)
        v.items.push_back({std::string(), std::move(a)});
    return v;
}

Value Value::date(std::string iso)
{
    Value v = word(std::move(iso));
    v.type = Type::Date;
    return v;
}

Value Value::clock(double fractionOfDay)
{
    Value v;
    v.type = Type::Clock;
    v.number = fractionOfDay;
    return v;
}

Value Value::list(bool oneLine)
{
    Value v;
    v.type = Type::List;
    v.oneLine = oneLine;
    return v;
}

Value Value::record(bool oneLine)
{
    Value v = list(oneLine);
    v.type = Type::Record;
    return v;
}

Value &Value::add(Value v) &
{
    items.push_back({std::string(), std::move(v)});
    return *this;
}

Value &Value::add(std::string key, Value v) &
{
    items.push_back({std::move(key), std::move(v)});
    return *this;
}

Value &&Value::add(Value v) && { return std::move(add(std::move(v))); }

Value &&Value::add(std::string key, Value v) && { return std::move(add(std::move(key), std::move(v))); }

std::string trueNoonOn(const std::string &day)
{
    [[maybe_unused]] static const char *const shape = ORVANE_NOOP("dial", "true noon on %1");
    return "true noon on " + day;
}

Value faceWords(const DialFace &face)
{
    if (face.name == "upper")
        return Value::word(ORVANE_NOOP("dial", "the upper face"));
    if (face.name == "lower")
        return Value::word(ORVANE_NOOP("dial", "the lower face"));
    if (face.name.empty())
        return Value::word(ORVANE_NOOP("dial", "the face"));
    return Value::word("the " + face.name + " face");
}

void addLitNote(std::vector<Value> &notes, const DialFace &face)
{
    if (face.lit.empty())
        return;
    // Whole sentences, so that each reads as one text in every language.
    static const char *const sentences[][3] = {
        {"upper", "lit from the March to the September equinox",
         ORVANE_NOOP("dial", "The upper face is lit from the March to the September equinox")},
        {"upper", "lit from the September to the March equinox",
         ORVANE_NOOP("dial", "The upper face is lit from the September to the March equinox")},
        {"lower", "lit from the March to the September equinox",
         ORVANE_NOOP("dial", "The lower face is lit from the March to the September equinox")},
        {"lower", "lit from the September to the March equinox",
         ORVANE_NOOP("dial", "The lower face is lit from the September to the March equinox")},
    };
    for (const auto &s : sentences)
        if (face.name == s[0] && face.lit == s[1]) {
            notes.push_back(Value::words(s[2], {}));
            return;
        }
    notes.push_back(Value::words("T" + faceWords(face).text.substr(1) + " is " + face.lit, {}));
}

} // namespace orvane::dial
