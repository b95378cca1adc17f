#pragma once
// The compiled translations, built into the program: one .qm image per
// language, made by lrelease from this folder's .ts files.
#include <cstddef>

namespace orvane {

struct TranslationData {
    const unsigned char *data = nullptr;
    std::size_t size = 0;
};

// The image for "de", "it", ...; empty for a language without one.
TranslationData translationData(const char *language);

} // namespace orvane
