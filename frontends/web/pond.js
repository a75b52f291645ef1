// The pond's canvas and timers under the compiled form: the rectangles it
// fills, in device pixels, the timers it sets, and the presses and keys
// handed to it, a press as the device pixel under the pointer.

export const POND_WIDTH = 120;  // the pond's inner area, logical pixels
export const POND_HEIGHT = 119;
const TWIPS_PER_PIXEL = 15;

const cssColour = (c) => `rgb(${c & 255}, ${(c >> 8) & 255}, ${(c >> 16) & 255})`;

export function createPond(canvas) {
  const context = canvas.getContext('2d');
  let core = null;
  const timers = [];  // the intervals' ids, by the form's ids of its timers
  let zoom = 1;   // the client area's whole enlargement
  let full = 0;   // in full screen: device pixels per logical pixel
  let scale = 0;  // device pixels per logical pixel, as the canvas was sized for

  const pixelScale = () => full || (window.devicePixelRatio || 1) * zoom;
  // Device pixels per logical pixel of the pond, as the canvas has them.
  const density = () => canvas.width / POND_WIDTH;

  function sizeCanvas() {
    scale = pixelScale();
    canvas.width = Math.round(POND_WIDTH * scale);
    canvas.height = Math.round(POND_HEIGHT * density());
  }

  // Zooming or moving to another screen changes the ratio. Checked on every
  // tick, as not every browser reports it as an event, and on the event where
  // there is one, as the timer sleeps while the pond is at rest.
  // A canvas sized afresh is blank: the form paints it again.
  function checkScale() {
    if (pixelScale() === scale) return;
    sizeCanvas();
    core._movra_resize(density());
  }
  function watchPixelRatio() {
    matchMedia(`(resolution: ${window.devicePixelRatio || 1}dppx)`).addEventListener('change', () => {
      checkScale();
      watchPixelRatio();
    }, {once: true});
  }

  // What the form calls on the page (see browser_controls.cpp).
  const controls = {
    fillRect(left, top, width, height, colour) {
      context.fillStyle = cssColour(colour);
      context.fillRect(left, top, width, height);
    },
    setTimer(id, intervalMs) {
      clearInterval(timers[id]);
      timers[id] = setInterval(() => {
        checkScale();
        core._movra_timer(id);
      }, intervalMs);
    },
    killTimer: (id) => clearInterval(timers[id]),
  };

  return {
    controls,
    start(module) {
      core = module;
      sizeCanvas();
      core._movra_start(density());
      watchPixelRatio();
    },
    // The device pixel under the pointer; the form turns it into twips.
    pressAt(clientX, clientY, button) {
      const rect = canvas.getBoundingClientRect();
      const perCss = canvas.width / rect.width;  // the enlargement and the ratio both
      core._movra_press(button, Math.floor((clientX - rect.left) * perCss), Math.floor((clientY - rect.top) * perCss),
          density());
    },
    // Where (x, y) twips on the pond are in the viewport, CSS px.
    clientPoint(x, y) {
      const rect = canvas.getBoundingClientRect();
      const perPixel = rect.width / POND_WIDTH;
      return [rect.left + (x / TWIPS_PER_PIXEL) * perPixel, rect.top + (y / TWIPS_PER_PIXEL) * perPixel];
    },
    // A key of the form's (see movra_key); returns the cursor's [column, row].
    key(code, fast) {
      const cell = core._movra_key(code, fast);
      return [cell >> 5, cell & 31];
    },
    setZoom(factor) {
      zoom = factor;
      checkScale();
    },
    // factor: whole device pixels per logical pixel in full screen, or 0.
    setFullScreen(factor) {
      full = factor;
      checkScale();
    },
  };
}
