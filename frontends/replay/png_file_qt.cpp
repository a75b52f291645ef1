// The PNG files written through Qt's image classes.
#include <QImage>
#include <QString>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "frontends/replay/png_file.h"

namespace movra::replay {

bool ImageFilesSupported() { return true; }

std::error_code MakePngFolder(const std::string& dir) {
    std::error_code error;
    std::filesystem::create_directories(dir, error);
    if (!error && access(dir.c_str(), W_OK) != 0) error.assign(errno, std::generic_category());
    return error;
}

bool WritePng(const std::string& path, const ImageSurface& pond) {
    const QImage image(reinterpret_cast<const uchar*>(pond.pixels()), pond.width(), pond.height(),
                       QImage::Format_RGB32);
    return image.save(QString::fromStdString(path), "PNG");
}

}  // namespace movra::replay
