#pragma once
// The compiled-in pictures live in a static library; nothing would pull
// them into the program unless someone calls this first.

#include <QPixmap>

namespace orvane {

// Registers the ":/orvane/..." files. Safe to call more than once.
void initResources();

// One of the compiled-in PNG pictures by file name ("hand.png"), read with
// Qt's built-in PNG reader alone: a plain QPixmap(path) first asks every
// image-format plugin whether it knows the file, and loading them all
// costs start-up time.
QPixmap resourcePicture(const char *fileName);

// The same picture for a screen of `devicePixelRatio`: above 1, its copy
// drawn at twice the size ("image1@2x.png") where there is one, with that
// ratio set, so that it takes the same room and stays sharp.
QPixmap resourcePicture(const char *fileName, qreal devicePixelRatio);

} // namespace orvane
