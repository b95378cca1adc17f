#include "link_finder.h"

#include <cstdlib>

namespace bench {

namespace {

bool near(const Rgb &a, const Rgb &b, int tolerance)
{
    return std::abs(a.r - b.r) <= tolerance && std::abs(a.g - b.g) <= tolerance && std::abs(a.b - b.b) <= tolerance;
}

} // namespace

LinkSpot findLinkUnderline(int width, int height, const PixelAt &pixel, Rgb linkColour, int tolerance, int minLength)
{
    LinkSpot best;
    for (int y = 0; y < height; ++y) {
        int start = -1;
        // One step past the edge closes a run that reaches it.
        for (int x = 0; x <= width; ++x) {
            const bool blue = x < width && near(pixel(x, y), linkColour, tolerance);
            if (blue && start < 0)
                start = x;
            if (!blue && start >= 0) {
                const int length = x - start;
                if (length >= minLength && length > best.length)
                    best = LinkSpot{true, start + length / 2, y, length};
                start = -1;
            }
        }
    }
    return best;
}

} // namespace bench
