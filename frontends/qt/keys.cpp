#include "frontends/qt/keys.h"

namespace movra::qt {
namespace {

// Alt and the logo key belong to the window system's own shortcuts.
bool SystemKey(const QKeyEvent& event) { return event.modifiers() & (Qt::AltModifier | Qt::MetaModifier); }

}  // namespace

std::optional<forms::PondKey> PondKeyOf(const QKeyEvent& event) {
    using forms::PondKey;
    if (SystemKey(event)) return std::nullopt;
    switch (event.key()) {
    case Qt::Key_Left: return PondKey::Left;
    case Qt::Key_Right: return PondKey::Right;
    case Qt::Key_Up: return PondKey::Up;
    case Qt::Key_Down: return PondKey::Down;
    case Qt::Key_Home: return PondKey::Home;
    case Qt::Key_End: return PondKey::End;
    case Qt::Key_PageUp: return PondKey::PageUp;
    case Qt::Key_PageDown: return PondKey::PageDown;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter: return PondKey::Drop;
    case Qt::Key_F10:
        if (event.modifiers() & Qt::ShiftModifier) return PondKey::Menu;
        return std::nullopt;
    default: return std::nullopt;
    }
}

bool FastKey(const QKeyEvent& event) { return event.modifiers() & (Qt::ControlModifier | Qt::ShiftModifier); }

std::optional<forms::ZoomStep> ZoomStepOf(const QKeyEvent& event) {
    using forms::ZoomStep;
    if (!(event.modifiers() & Qt::ControlModifier) || SystemKey(event)) return std::nullopt;
    switch (event.key()) {
    // Plus is Shift with equals on many layouts: Ctrl with either will do.
    case Qt::Key_Plus:
    case Qt::Key_Equal: return ZoomStep::In;
    case Qt::Key_Minus: return ZoomStep::Out;
    case Qt::Key_0: return ZoomStep::Reset;
    default: return std::nullopt;
    }
}

}  // namespace movra::qt
