// The page around the compiled core (movra.js): it wires the pond, the popup
// menu and the window's enlargement together.
import {createMenu} from './menu.js';
import {createPond} from './pond.js';

const CLIENT_WIDTH = 123;  // the main window's client area round the pond, CSS px
const CLIENT_HEIGHT = 121;

createMovra().then(start);

// Kept by the service worker, the site starts without the network too. Where
// none can run (a file: address, plain HTTP) the page works all the same.
if ('serviceWorker' in navigator)
  navigator.serviceWorker.register('sw.js').catch((error) => console.warn(`No offline copy: ${error}`));

function start(core) {
  const canvas = document.getElementById('pond');
  const client = document.getElementById('main-client');
  const standalone = matchMedia('(display-mode: standalone)');
  const menu = createMenu({onEnd: () => pond.end()});
  const idle = {pressed() {}, ticked() {}, resting() {}, woke() {}, awake: () => false};

  // Ending stops everything at once; the page only says that Movra has ended.
  function ended(error) {
    menu.hideAll();
    document.getElementById('main-window').hidden = true;
    if (error) {
      const text = document.getElementById('error-text');
      text.textContent = error;
      text.hidden = false;
    }
    document.getElementById('ended').hidden = false;
  }

  const pond = createPond(core, canvas, {observer: idle, onMenu: menu.open, onError: ended});

  // Installed, the page is the program's window: the client area grows by the
  // largest whole factor that fits it, so that cells stay whole pixels. In a
  // tab it stays as it is, and the browser's zoom enlarges it.
  function layout() {
    const zoom = standalone.matches
      ? Math.max(1, Math.floor(Math.min(window.innerWidth / CLIENT_WIDTH, window.innerHeight / CLIENT_HEIGHT)))
      : 1;
    client.style.zoom = zoom === 1 ? '' : String(zoom);
    pond.setZoom(zoom);
  }
  standalone.addEventListener('change', layout);
  window.addEventListener('resize', layout);
  layout();

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
  canvas.addEventListener('touchstart', (event) => {
    event.preventDefault();  // no emulated mouse press after it, and no scrolling
    for (const touch of event.changedTouches) pond.pressAt(touch.clientX, touch.clientY, 1);
  }, {passive: false});
  document.addEventListener('contextmenu', (event) => event.preventDefault());

  // For tests and the curious: how far the pond has run.
  window.movraPage = {
    get ticks() { return pond.ticks; },
    get ended() { return pond.ended; },
    shownColour: pond.shownColour,
  };
}
