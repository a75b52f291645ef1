// What follows the main window's events without changing them: a recorder, a player.
#pragma once

namespace movra::win32 {

// Told after the window's own handler of each event, in the order followers
// were added.
class FormFollower {
public:
    virtual void Ticked() {}                // Timer1 ticked
    virtual void Woke(int /*skipped*/) {}   // Timer1 woke, having skipped so many ticks
    virtual void Pressed(int /*button*/, float /*x*/, float /*y*/) {}  // twips, as the pond's handler got them
    virtual void Closing() {}               // the window goes: no tick follows

protected:
    ~FormFollower() = default;
};

}  // namespace movra::win32
