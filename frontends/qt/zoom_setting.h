// The zoom the user last chose, kept between runs in the user's settings.
#pragma once

#include <optional>

namespace movra::qt {

// The factor stored, when there is a valid one.
std::optional<int> StoredZoom();
void StoreZoom(int factor);

}  // namespace movra::qt
