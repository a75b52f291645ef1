// The PNG files written through Qt's image classes.
#include <QImage>
#include <QString>

#include "frontends/replay/png_file.h"

namespace movra::replay {

bool ImageFilesSupported() { return true; }

bool WritePng(const std::string& path, const ImageSurface& pond) {
    const QImage image(reinterpret_cast<const uchar*>(pond.pixels()), pond.width(), pond.height(),
                       QImage::Format_RGB32);
    return image.save(QString::fromStdString(path), "PNG");
}

}  // namespace movra::replay
