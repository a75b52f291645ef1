// The script format through the core: a script read in movra-replay's own
// words, and the presses its playback makes due.

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

// Reads a script whole for core._movra_play(); returns its number of ticks.
export function readScript(core, text) {
  const ticks = withText(core, text, (address, size) => core._movra_script_read(address, size));
  if (ticks < 0) throw new ScriptError(core.UTF8ToString(core._movra_script_error()));
  return ticks;
}

// The presses [x, y, button] (twips) due once this many more ticks have passed.
export function duePresses(core, ticks) {
  const count = core._movra_play_advance(ticks);
  const first = core._movra_play_presses() / 4;
  return Array.from({length: count}, (_, i) => Array.from(core.HEAPF32.subarray(first + i * 3, first + i * 3 + 3)));
}
