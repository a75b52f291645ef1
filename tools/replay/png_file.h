// Writes the pond's pixels as a PNG file; a build without an image library
// may provide one that always fails.
#pragma once

#include <string>

#include "image_surface.h"

namespace movra::replay {

// path: UTF-8. False when the file could not be written.
bool WritePng(const std::string& path, const ImageSurface& pond);

}  // namespace movra::replay
