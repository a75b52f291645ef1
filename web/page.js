// The page around the compiled core (movra.js): it wires the pond, the popup
// menu, the session and its commands, and the window's enlargement together.
import {watchEnlargement} from './layout.js';
import {createMenu} from './menu.js';
import {createPond} from './pond.js';
import {createSession} from './session.js';
import {createSessionBar} from './session_bar.js';

const LONG_PRESS_MS = 500;
const LONG_PRESS_SLOP = 10;  // CSS px a finger may wander and still hold

createMovra().then(start);

// Kept by the service worker, the site starts without the network too. Where
// none can run (a file: address, plain HTTP) the page works all the same.
if ('serviceWorker' in navigator)
  navigator.serviceWorker.register('sw.js').catch((error) => console.warn(`No offline copy: ${error}`));

function start(core) {
  const canvas = document.getElementById('pond');
  const menu = createMenu({onEnd: () => pond.end()});

  // Ending stops everything at once; the page only says that Movra has ended.
  function ended(error) {
    menu.hideAll();
    for (const id of ['main-window', 'session']) document.getElementById(id).hidden = true;
    if (error) {
      const text = document.getElementById('error-text');
      text.textContent = error;
      text.hidden = false;
    }
    document.getElementById('ended').hidden = false;
  }

  const session = createSession(core);
  const pond = createPond(core, canvas, {observer: session.observer, onMenu: menu.open, onError: ended});
  session.attach(pond);
  watchEnlargement((zoom) => pond.setZoom(zoom), createSessionBar(session).element);

  // Button code: 1 left, 2 right, 4 middle, summed over the buttons held; the
  // back and forward buttons are none of these and press nothing.
  function buttonCode(event) {
    if (event.button > 2) return 0;
    return event.buttons & 7 || [1, 4, 2][event.button];
  }

  canvas.addEventListener('mousedown', (event) => {
    event.preventDefault();
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
    for (const touch of event.changedTouches) {
      const {identifier, clientX, clientY} = touch;
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

  // For tests and the curious: how far the pond has run.
  window.movraPage = {
    get ticks() { return pond.ticks; },
    get ended() { return pond.ended; },
    shownColour: pond.shownColour,
  };
}
