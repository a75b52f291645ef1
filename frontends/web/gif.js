// An animated GIF of the session, 100 ms a frame: the form's own frames,
// as movra-replay --gif writes them, encoded here one by one.
import {GIFEncoder} from './gifenc.js';
import {POND_HEIGHT, POND_WIDTH} from './pond.js';

export const MAX_FRAMES = 18000;  // half an hour: a bigger file helps nobody
const FRAME_MS = 100;  // a tick

// scale: device pixels per logical pixel of the pond, a whole number.
export async function makeGif(core, scale) {
  const frames = core._movra_gif_open(scale, MAX_FRAMES);
  if (!frames) throw new Error(`more than ${MAX_FRAMES} ticks`);
  try {
    const width = POND_WIDTH * scale, height = POND_HEIGHT * scale;
    const encoder = GIFEncoder();
    for (let tick = 1, pixels; (pixels = core._movra_gif_frame(frames)); ++tick) {
      const [index, palette] = indexed(core.HEAPU32.subarray(pixels / 4, pixels / 4 + width * height));
      encoder.writeFrame(index, width, height, {palette, delay: FRAME_MS, repeat: 0});
      if (tick % 50 === 0) await nextTask();
    }
    encoder.finish();
    return new Blob([encoder.bytes()], {type: 'image/gif'});
  } finally {
    core._movra_gif_close(frames);
  }
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
// than 256), so nothing is dithered or approximated. Pixels: 0xAARRGGBB.
function indexed(pixels) {
  const index = new Uint8Array(pixels.length);
  const slots = new Map();
  const palette = [];
  for (let i = 0; i < pixels.length; ++i) {
    let slot = slots.get(pixels[i]);
    if (slot === undefined) {
      slot = palette.length;
      slots.set(pixels[i], slot);
      palette.push([(pixels[i] >> 16) & 255, (pixels[i] >> 8) & 255, pixels[i] & 255]);
    }
    index[i] = slot;
  }
  return [index, palette];
}
