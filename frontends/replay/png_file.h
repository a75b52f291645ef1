// Writes the pond's pixels as a PNG file, where the build has an image library.
#pragma once

#include <string>
#include <system_error>

#include "core/render/image_surface.h"

namespace movra::replay {

// False in a build without an image library, which refuses --png and --gif.
bool ImageFilesSupported();

// Makes the folder dir for the PNG files, and any it lies in: why it cannot
// be written into, if it cannot.
std::error_code MakePngFolder(const std::string& dir);

// path: UTF-8. False when the file could not be written.
bool WritePng(const std::string& path, const ImageSurface& pond);

}  // namespace movra::replay
