#pragma once
// Finds a link label in a picture of a window by its underline: the longest
// horizontal run of link-blue pixels.

#include <functional>

namespace bench {

struct Rgb {
    int r = 0, g = 0, b = 0;
};

struct LinkSpot {
    bool found = false;
    int x = 0; // the middle of the underline, in window coordinates
    int y = 0;
    int length = 0;
};

using PixelAt = std::function<Rgb(int x, int y)>;

// Runs shorter than minLength (stray glyph pixels) do not count.
LinkSpot findLinkUnderline(int width, int height, const PixelAt &pixel, Rgb linkColour = {0, 0, 192},
                           int tolerance = 48, int minLength = 40);

} // namespace bench
