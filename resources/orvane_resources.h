#pragma once
// The compiled-in pictures live in a static library; nothing would pull
// them into the program unless someone calls this first.

namespace orvane {

// Registers the ":/orvane/..." files. Safe to call more than once.
void InitResources();

} // namespace orvane
