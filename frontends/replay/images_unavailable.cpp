// For the Windows build, which has no PNG library: no PNG or GIF files, as its
// help says; the program refuses their options before it starts.
#include <system_error>

#include "frontends/replay/png_file.h"

namespace movra::replay {

bool ImageFilesSupported() { return false; }

std::error_code MakePngFolder(const std::string&) { return std::make_error_code(std::errc::not_supported); }

bool WritePng(const std::string&, const ImageSurface&) { return false; }

}  // namespace movra::replay
