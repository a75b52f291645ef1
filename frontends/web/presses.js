// Presses on the pond from the mouse and from touch, with their button codes.

const LONG_PRESS_MS = 500;
const LONG_PRESS_SLOP = 10;  // CSS px a finger may wander and still hold

// Button code: 1 left, 2 right, 4 middle, summed over the buttons held; the
// back and forward buttons are none of these and press nothing.
function buttonCode(event) {
  if (event.button > 2) return 0;
  return event.buttons & 7 || [1, 4, 2][event.button];
}

export function watchPresses(canvas, pond) {
  canvas.addEventListener('mousedown', (event) => {
    event.preventDefault();
    canvas.focus({preventScroll: true, focusVisible: false});  // the pond takes the focus, and so its keys
    const button = buttonCode(event);
    if (button) pond.pressAt(event.clientX, event.clientY, button);
  });

  // A touch drops a source at once, as a left press does. Held still, it is
  // then also a right press: the only way to the menu on a touch screen, where
  // the browser's own long-press menu is suppressed with the rest.
  const holds = new Map();  // touch identifier -> [timer, x, y]
  const release = (touch) => {
    clearTimeout(holds.get(touch.identifier)?.[0]);
    holds.delete(touch.identifier);
  };
  canvas.addEventListener('touchstart', (event) => {
    event.preventDefault();  // no emulated mouse press after it, and no scrolling
    for (const {identifier, clientX, clientY} of event.changedTouches) {
      pond.pressAt(clientX, clientY, 1);
      holds.set(identifier, [setTimeout(() => {
        holds.delete(identifier);
        pond.pressAt(clientX, clientY, 2);
      }, LONG_PRESS_MS), clientX, clientY]);
    }
  }, {passive: false});
  canvas.addEventListener('touchmove', (event) => {
    for (const touch of event.changedTouches) {
      const [, x, y] = holds.get(touch.identifier) ?? [];
      if (x !== undefined && Math.hypot(touch.clientX - x, touch.clientY - y) > LONG_PRESS_SLOP) release(touch);
    }
  });
  for (const type of ['touchend', 'touchcancel'])
    canvas.addEventListener(type, (event) => { for (const touch of event.changedTouches) release(touch); });
  document.addEventListener('contextmenu', (event) => event.preventDefault());
}
