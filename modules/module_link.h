#pragma once
// The main window's side of a run-time window module: loads it on first use,
// resolves its entry points into their typed struct and tells the user when
// it cannot be had.

#include "module_api.h"
#include "module_loader.h"

#include <QString>

#include <tuple>
#include <type_traits>
#include <utility>
#include <vector>

namespace orvane {

class ModuleLinkBase {
protected:
    ModuleLinkBase(ModulePlaces places, QString what) : places_(std::move(places)), what_(std::move(what)) {}
    // The addresses of `symbols` in their order; empty when the module cannot
    // be had, after a box that says so. The module is looked for only once;
    // it stays loaded for the process's life.
    const std::vector<QFunctionPointer> &resolve(const std::vector<const char *> &symbols);
    bool resolved() const { return !addresses_.empty(); }

private:
    ModulePlaces places_;
    QString what_; // "field sheet", as in "The field sheet cannot be opened: ..."
    bool tried_ = false;
    std::vector<QFunctionPointer> addresses_;
};

// `Api` is a struct of function pointers with a tuple `symbols` of
// ModuleSymbol entries (see module_api.h).
template <typename Api>
class ModuleLink : ModuleLinkBase {
public:
    ModuleLink(ModulePlaces places, QString what) : ModuleLinkBase(std::move(places), std::move(what)) {}

    // The entry points, loading the module on the first call; null, after a
    // box that says so, when it cannot be had.
    const Api *open()
    {
        if (resolved())
            return &api_;
        const std::vector<QFunctionPointer> &f =
            resolve(std::apply([](const auto &...s) { return std::vector<const char *>{s.name...}; }, Api::symbols));
        if (f.empty())
            return nullptr;
        std::apply(
            [this, &f](const auto &...s) {
                std::size_t i = 0;
                ((api_.*s.entry = reinterpret_cast<std::remove_reference_t<decltype(api_.*s.entry)>>(f[i++])), ...);
            },
            Api::symbols);
        return &api_;
    }

    // The entry points if the module is loaded; loads nothing.
    const Api *loaded() const { return resolved() ? &api_ : nullptr; }

private:
    Api api_{};
};

} // namespace orvane
