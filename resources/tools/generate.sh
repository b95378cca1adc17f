#!/usr/bin/env bash
# Rebuilds the files in resources/ from draw_resources.cpp.
# Needs qt6-base-dev and imagemagick.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
res=$(dirname "$here")
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
g++ -std=c++20 -fPIC -o "$tmp/draw" "$here/draw_resources.cpp" $(pkg-config --cflags --libs Qt6Gui)
QT_QPA_PLATFORM=offscreen "$tmp/draw" "$tmp"
cp "$tmp/icon.png" "$tmp/hand.png" "$res/"
convert "$tmp/image1@2x.png" -strip "$res/image1@2x.png"
convert "$tmp/image2@2x.png" -strip "$res/image2@2x.png"
# Qt reads GIF but cannot write it; one transparent colour is kept.
convert "$tmp/image1.png" -channel A -threshold 50% +channel "$res/image1.gif"
convert "$tmp/image2.png" -channel A -threshold 50% +channel "$res/image2.gif"
# The program shows the pictures from PNG copies of the GIFs, pixel for
# pixel the same: Qt reads PNG without loading an image-format plugin.
# No time stamps, so that a rerun gives the same files.
for n in 1 2; do
  convert "$res/image$n.gif" -strip "$res/image$n.png"
done
