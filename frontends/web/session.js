// The session on the pond, kept in the page by the form's own recorder in
// the desktop's recording format; and a script played on a fresh pond, its
// presses landing on their ticks as real ones.
import {makeGif} from './gif.js';

// A script refused by the reader; the message is the reader's, "line N: ...".
export class ScriptError extends Error {}

// Calls use(address, size) with text as UTF-8 in the core's memory.
function withText(core, text, use) {
  const size = core.lengthBytesUTF8(text);
  const address = core._malloc(size + 1);  // and the terminating zero stringToUTF8 writes
  try {
    core.stringToUTF8(text, address, size + 1);
    return use(address, size);
  } finally {
    core._free(address);
  }
}

export function createSession(core) {
  return {
    // The script so far, its ticks counted up to now.
    text: () => core.UTF8ToString(core._movra_recording()),

    // Plays a script on a fresh calm pond, the session starting afresh with
    // it, as movra --play --record does. A bad script throws a ScriptError
    // and leaves the pond as it was; once Movra has ended nothing plays.
    play(script) {
      const error = withText(core, script, (address, size) => core._movra_play(address, size));
      if (!error) return;
      const message = core.UTF8ToString(error);
      core._free(error);
      throw new ScriptError(message);
    },

    // The GIF of the script so far, at scale device pixels per logical pixel.
    gif: (scale) => makeGif(core, scale),
  };
}
