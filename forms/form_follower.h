// What follows the main form's events without changing them: a recorder, a player.
#pragma once

namespace movra::forms {

// Told after the form's own handler of each event, in the order followers
// were added.
class FormFollower {
public:
    virtual void Ticked() {}                // Timer1 ticked
    virtual void Woke(int /*skipped*/) {}   // Timer1 woke, having skipped so many ticks
    virtual void Pressed(int /*button*/, float /*x*/, float /*y*/) {}  // twips, as the pond's handler got them
    virtual void Closing() {}               // the form is unloaded: no event follows

protected:
    ~FormFollower() = default;
};

}  // namespace movra::forms
