// An animated GIF of the session, 100 ms a frame: the form's own frames,
// encoded by the form's code as movra-replay --gif encodes them.
export const MAX_FRAMES = 18000;  // half an hour: a bigger file helps nobody

// scale: device pixels per logical pixel of the pond, a whole number.
export async function makeGif(core, scale) {
  const gif = core._movra_gif_open(scale, MAX_FRAMES);
  if (!gif) throw new Error(`more than ${MAX_FRAMES} ticks`);
  try {
    for (let tick = 1; core._movra_gif_frame(gif); ++tick)
      if (tick % 50 === 0) await nextTask();
    const start = core._movra_gif_bytes(gif);
    return new Blob([core.HEAPU8.slice(start, start + core._movra_gif_size(gif))], {type: 'image/gif'});
  } finally {
    core._movra_gif_close(gif);
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
