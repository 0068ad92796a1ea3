#pragma once
// Smooth resizing of a decoded picture, for displays whose scaling differs from the one a
// picture was made for.
#include "gfx/Picture.h"
#include "platform/Scale.h"

namespace pendra {

// The picture at the new size (each at least 1), every target pixel a weighted average of
// the source pixels beneath it: a tent filter as wide as one source pixel when enlarging and
// as one target pixel when shrinking. Premultiplied colours average correctly at soft edges.
Picture ResizePicture(const Picture& source, int width, int height);

// A picture made for one scale (the design's 120 dpi unless told), at another.
Picture ScalePicture(const Picture& source, Scale to, Scale from = {});

}  // namespace pendra
