#pragma once
// The DXF's tags and the R2000 frame around the entities: the header, the
// tables (linetype, layers, text style, the model and paper space blocks),
// and the dictionaries and layouts that AutoCAD and its like look for.
// Every object carries a handle and names its owner.
#include "dial/dial_input.h"

#include <string>
#include <vector>

namespace orvane::dial {

class DxfTags {
public:
    void pair(int code, const std::string &value);
    void pair(int code, double value);
    void pair(int code, int value);
    void point(PlatePoint p, int base = 10);
    // A new handle as code 5 (105 for a DIMSTYLE).
    void handle(int code = 5);
    // An entity's head in model space: its type, handle, owner and layer.
    void entity(const char *type, const std::string &layer);

    std::string out;
    unsigned next = 0x100; // the fixed objects' handles lie below
};

struct DxfLayer {
    std::string name;
    int colour = 7; // AutoCAD's colour index
};

// The text style every TEXT names.
inline constexpr const char *kDxfTextStyle = "Labels";

// The whole file: the frame around `entities`, whose tags carry on
// `entities.next` for the handles of the layers.
std::string dxfDocument(DxfTags entities, const std::vector<DxfLayer> &layers, const PlateRect &extent);

} // namespace orvane::dial
