// .BMP files: every depth SDL reads, converted to our XRGB surfaces.
#pragma once

#include "platform/surface.h"

#include <string>

namespace bafo {

// Error codes of a failed load, shown to the child's parents in the disc message.
enum BitmapError : int { kBitmapOk = 0, kBitmapMissing = 2, kBitmapUnreadable = 13, kBitmapInvalid = 22 };

// Loads into `out` (left untouched on failure); returns one of BitmapError.
int load_bitmap(const std::string& path, Surface& out);
// 24-bit BMP, written whole or not at all.
bool save_bitmap(const std::string& path, const Surface& s);
// The bytes save_bitmap writes; empty for an empty surface.
std::string encode_bitmap(const Surface& s);
// PNG, for pictures the family keeps outside the program.
std::string encode_png(const Surface& s);
// False (and `out` untouched) when the bytes are no PNG.
bool decode_png(const std::string& bytes, Surface& out);

}  // namespace bafo
