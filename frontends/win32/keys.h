// The window's keys as the shared form and the zoom take them.
#pragma once

#include <windows.h>

#include <optional>

#include "forms/pond_cursor.h"
#include "forms/zoom.h"

namespace movra::win32 {

// The keys that play the pond: arrows, Home, End, Page Up and Down, and
// Space or Enter for a drop.
std::optional<forms::PondKey> PondKeyOf(UINT key);

// With Ctrl: plus on the main keys (shifted or not) or the keypad, minus
// either way, and 0.
std::optional<forms::ZoomStep> ZoomStepOf(UINT key);

}  // namespace movra::win32
