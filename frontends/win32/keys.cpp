#include "frontends/win32/keys.h"

namespace movra::win32 {

std::optional<forms::PondKey> PondKeyOf(UINT key) {
    switch (key) {
    case VK_LEFT: return forms::PondKey::Left;
    case VK_RIGHT: return forms::PondKey::Right;
    case VK_UP: return forms::PondKey::Up;
    case VK_DOWN: return forms::PondKey::Down;
    case VK_HOME: return forms::PondKey::Home;
    case VK_END: return forms::PondKey::End;
    case VK_PRIOR: return forms::PondKey::PageUp;
    case VK_NEXT: return forms::PondKey::PageDown;
    case VK_SPACE:
    case VK_RETURN: return forms::PondKey::Drop;
    }
    return std::nullopt;
}

std::optional<forms::ZoomStep> ZoomStepOf(UINT key) {
    switch (key) {
    case VK_OEM_PLUS:
    case VK_ADD: return forms::ZoomStep::In;
    case VK_OEM_MINUS:
    case VK_SUBTRACT: return forms::ZoomStep::Out;
    case '0': return forms::ZoomStep::Reset;
    }
    return std::nullopt;
}

}  // namespace movra::win32
