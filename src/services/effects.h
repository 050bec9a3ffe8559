// The image effects three screens use: a grey copy (the mosaic), a copy that
// leaves a key colour out (the dress-up's garments) and a turned copy (a
// cube's face). Arguments come in the order the screens have always passed
// them: destination first, then size, then source.
#pragma once

#include "platform/surface.h"

namespace bafo {

// The destination rectangle gets a grey copy of the source rectangle of the
// same size. Grey = 0.299 red + 0.587 green + 0.114 blue (the television
// weights, so a red and a green of equal brightness stay apart from white).
void FoxGreyScale(Surface& dst, int dx, int dy, int w, int h, const Surface& src, int sx, int sy);

// The source rectangle laid over the destination at (dx, dy), leaving out the
// pixels of the key colour (a packed colour: red + 256 × green + 65536 × blue).
// Opacity 255 copies; lower opacities mix linearly with what lies below.
// Clipped at both surfaces' edges. `mode` is kept for the callers; 1 is the only one.
void FoxAlphaBlend(Surface& dst, int dx, int dy, int w, int h, const Surface& src, int sx, int sy, int opacity,
                   uint32_t key, int mode);

// The source rectangle (w × h at sx, sy) turned by `angle` degrees clockwise on
// the screen, centred on (cx, cy) of the destination; nearest pixels, so right
// angles are exact. Pixels outside the turned rectangle are left as they were.
void FoxRotate(Surface& dst, int cx, int cy, int w, int h, const Surface& src, int sx, int sy, double angle);

}  // namespace bafo
