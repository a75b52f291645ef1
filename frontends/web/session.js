// The session on the pond, kept as a script from the start in the desktop's
// recording format, by the core's own recorder; and a script played on a
// fresh pond, its presses landing on their ticks as real ones.
import {duePresses, readScript} from './script.js';

export function createSession(core) {
  let pond = null;
  let lines = '';  // the script so far, as the recorder handed it out

  const pressDue = (ticks) => { for (const [x, y, button] of duePresses(core, ticks)) pond.pressTwips(x, y, button); };

  // What the pond tells the session, see createPond. A press is recorded
  // after any ticks its wake-up counts, and a played press after its tick.
  const observer = {
    pressed: (x, y, button) => core._movra_session_pressed(button, x, y),
    ticked() {
      core._movra_session_ticked();
      pressDue(1);
    },
    resting: (skippedSoFar) => core._movra_session_resting(skippedSoFar),
    woke: (skipped) => core._movra_session_woke(skipped),
    // A press still to come must find the timer on its tick.
    awake: () => core._movra_play_pending() === 1,
  };

  core._movra_session_start();
  return {
    observer,
    attach(toPond) { pond = toPond; },

    // The script so far, its ticks counted up to now.
    text() {
      if (pond.asleep) core._movra_session_resting(pond.skippedTicks());
      lines += core.UTF8ToString(core._movra_session_lines());
      return lines;
    },

    // Plays a script on a fresh calm pond, the session starting afresh with
    // it, as movra --play --record does. A bad script throws a ScriptError
    // and leaves the pond as it was; once Movra has ended nothing plays.
    play(script) {
      if (pond.ended) return;
      readScript(core, script);
      core._movra_reset();
      core._movra_play();
      lines = '';
      pond.restart();
      pressDue(0);
    },
  };
}
