// Writes the pond's pixels as a PNG file, where the build has an image library.
#pragma once

#include <string>

#include "core/render/image_surface.h"

namespace movra::replay {

// False in a build without an image library, which refuses --png and --gif.
bool ImageFilesSupported();

// path: UTF-8. False when the file could not be written.
bool WritePng(const std::string& path, const ImageSurface& pond);

}  // namespace movra::replay
