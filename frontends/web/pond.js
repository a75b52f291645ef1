// The pond's canvas and timer under the compiled form: the rectangles it
// fills, in device pixels, the timer it sets, and the presses handed to it
// as the device pixel under the pointer.

export const POND_WIDTH = 120;  // the pond's inner area, logical pixels
export const POND_HEIGHT = 119;
const TWIPS_PER_PIXEL = 15;

const cssColour = (c) => `rgb(${c & 255}, ${(c >> 8) & 255}, ${(c >> 16) & 255})`;

export function createPond(canvas) {
  const context = canvas.getContext('2d');
  let core = null;
  let timer = 0;  // the interval's id
  let zoom = 1;   // the client area's whole enlargement
  let scale = 0;  // devicePixelRatio times zoom, as the canvas was sized for

  const pixelScale = () => (window.devicePixelRatio || 1) * zoom;
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
    setTimer(intervalMs) {
      clearInterval(timer);
      timer = setInterval(() => {
        checkScale();
        core._movra_timer();
      }, intervalMs);
    },
    killTimer: () => clearInterval(timer),
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
    setZoom(factor) {
      zoom = factor;
      checkScale();
    },
  };
}
