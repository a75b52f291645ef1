#include "frontends/qt/zoom_setting.h"

#include <QSettings>

#include "forms/zoom.h"

namespace movra::qt {
namespace {

// Under the application's names: ~/.config/Movra/Movra.conf on Linux.
constexpr char ZoomKey[] = "zoom";

}  // namespace

std::optional<int> StoredZoom() {
    bool valid = false;
    const int factor = QSettings().value(ZoomKey).toInt(&valid);
    // A file edited by hand may say anything.
    if (!valid || !forms::ValidZoom(factor)) return std::nullopt;
    return factor;
}

void StoreZoom(int factor) { QSettings().setValue(ZoomKey, factor); }

}  // namespace movra::qt
