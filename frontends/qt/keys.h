// Qt's keys as the pond's and the window's: the cursor's keys, the zoom's and full screen's.
#pragma once

#include <QKeyEvent>
#include <optional>

#include "forms/pond_cursor.h"
#include "forms/zoom.h"

namespace movra::qt {

// Arrows, Home, End, Page Up and Down, Space and Enter, Shift+F10. The Menu
// key comes as a context menu event instead, which the platform makes of it.
std::optional<forms::PondKey> PondKeyOf(const QKeyEvent& event);
// Ctrl or Shift held: the cursor moves five cells.
bool FastKey(const QKeyEvent& event);
// Ctrl with plus or equals (the keypad's plus too), with minus, or with 0.
std::optional<forms::ZoomStep> ZoomStepOf(const QKeyEvent& event);

}  // namespace movra::qt
