// An animated GIF of a script, 100 ms a frame: a fresh core plays it, and
// each tick's boxes are painted into the pond's pixels enlarged by a whole
// factor, as movra-replay --gif paints them.
import {GIFEncoder} from './gifenc.js';
import {POND_HEIGHT, POND_WIDTH, TICK_MS, TWIPS_PER_PIXEL, runTimeError, tickBoxes} from './pond.js';
import {duePresses, readScript} from './script.js';

export const MAX_FRAMES = 18000;  // half an hour: a bigger file helps nobody
const UNPAINTED = 0xf0f0f0;  // 0xRRGGBB, as where the window shows no cell

export async function makeGif(script, scale) {
  const core = await createMovra();
  core._movra_reset();
  const ticks = readScript(core, script);
  if (ticks > MAX_FRAMES) throw new Error(`more than ${MAX_FRAMES} ticks`);
  core._movra_play();
  const width = POND_WIDTH * scale, height = POND_HEIGHT * scale;
  const pixels = new Uint32Array(width * height).fill(UNPAINTED);
  // A box covers its near edges but not its far ones.
  const device = (twips, limit) => Math.floor(Math.min(Math.max((twips * scale) / TWIPS_PER_PIXEL, 0), limit) + 0.5);
  const press = (due) => { for (const [x, y, button] of due) core._movra_press(x, y, button); };

  const encoder = GIFEncoder();
  press(duePresses(core, 0));
  for (let tick = 1; tick <= ticks; ++tick) {
    const count = core._movra_tick();
    if (count < 0) throw new Error(runTimeError(core, -count));
    for (const [x1, y1, x2, y2, colour] of tickBoxes(core, count)) {
      const rgb = ((colour & 255) << 16) | (colour & 0xff00) | ((colour >> 16) & 255);
      const right = device(x2, width), bottom = device(y2, height);
      for (let y = device(y1, height); y < bottom; ++y) pixels.fill(rgb, y * width + device(x1, width), y * width + right);
    }
    const [index, palette] = indexed(pixels);
    encoder.writeFrame(index, width, height, {palette, delay: TICK_MS, repeat: 0});
    press(duePresses(core, 1));
    if (tick % 50 === 0) await nextTask();
  }
  encoder.finish();
  return new Blob([encoder.bytes()], {type: 'image/gif'});
}

// Lets the page's own events in, its pond's ticks among them, between frames.
function nextTask() {
  const channel = new MessageChannel();
  return new Promise((resolve) => {
    channel.port1.onmessage = resolve;
    channel.port2.postMessage(null);
  });
}

// Each frame has a palette of exactly its colours (the pond has far fewer
// than 256), so nothing is dithered or approximated.
function indexed(pixels) {
  const index = new Uint8Array(pixels.length);
  const slots = new Map();
  const palette = [];
  for (let i = 0; i < pixels.length; ++i) {
    let slot = slots.get(pixels[i]);
    if (slot === undefined) {
      slot = palette.length;
      slots.set(pixels[i], slot);
      palette.push([pixels[i] >> 16, (pixels[i] >> 8) & 255, pixels[i] & 255]);
    }
    index[i] = slot;
  }
  return [index, palette];
}
