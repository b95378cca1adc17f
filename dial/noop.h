#pragma once
// Marks a text a person reads where it is written in plain C++: it stays
// English here, and whoever writes it out passes it through translate() with
// the same context. lupdate reads ORVANE_NOOP as QT_TRANSLATE_NOOP.
#define ORVANE_NOOP(context, text) text
