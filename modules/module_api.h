#pragma once
// How a run-time module's entry points are declared once for both sides: a
// struct of typed function pointers whose `symbols` table names each one.
// The loader fills the struct from the table; the module checks its own
// functions against the struct's types. No Qt.

namespace orvane {

// One entry point: its exported name and the struct member it fills.
template <typename Api, typename Fn>
struct ModuleSymbol {
    const char *name;
    Fn Api::*entry;
};
template <typename Api, typename Fn>
ModuleSymbol(const char *, Fn Api::*) -> ModuleSymbol<Api, Fn>;

} // namespace orvane
