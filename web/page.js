// The page around the compiled core: the timer, presses on the pond, the popup
// menu and its panels. The ripples themselves come from movra.js.
'use strict';

const TWIPS_PER_PIXEL = 15;
const POND_WIDTH = 120;  // the pond's inner area, CSS px
const POND_HEIGHT = 119;
const CLIENT_WIDTH = 123;  // the main window's client area round it, CSS px
const CLIENT_HEIGHT = 121;
const UNPAINTED = '#f0f0f0';  // the control colour where no cell is painted
const TICK_MS = 100;
const DRAWN_CELLS = 29;
const CELL_TWIPS = 60;

createMovra().then(start);

// Kept by the service worker, the site starts without the network too. Where
// none can run (a file: address, plain HTTP) the page works all the same.
if ('serviceWorker' in navigator)
  navigator.serviceWorker.register('sw.js').catch((error) => console.warn(`No offline copy: ${error}`));

function start(core) {
  const canvas = document.getElementById('pond');
  const context = canvas.getContext('2d');
  const menu = document.getElementById('menu');
  const about = document.getElementById('about');
  const help = document.getElementById('help');
  const client = document.getElementById('main-client');
  const standalone = matchMedia('(display-mode: standalone)');
  let ticks = 0;     // ticks run, and at rest the ticks skipped, see wake()
  let lastTick = 0;  // when the last tick ran, performance.now() ms
  let timer = 0;     // the timer's id; 0 while the pond is at rest
  let ended = false;
  let zoom = 1;   // the client area's whole enlargement in an app window
  let scale = 0;  // device pixels per logical pixel of the pond; 0 until sized

  // Box edges land on whole device pixels, so cells stay sharp at any ratio.
  const toDevice = (twips) => Math.round((twips / TWIPS_PER_PIXEL) * scale);
  const cssColour = (c) => `rgb(${c & 255}, ${(c >> 8) & 255}, ${(c >> 16) & 255})`;

  function fillBox(x1, y1, x2, y2, colour) {
    const left = toDevice(x1), top = toDevice(y1);
    context.fillStyle = cssColour(colour);
    context.fillRect(left, top, toDevice(x2) - left, toDevice(y2) - top);
  }

  const pixelScale = () => (window.devicePixelRatio || 1) * zoom;

  // A canvas sized afresh is blank, and the drawing pass repaints only changed
  // cells, so what the pond shows is repainted from the model.
  function sizeCanvas() {
    scale = pixelScale();
    canvas.width = Math.round(POND_WIDTH * scale);
    canvas.height = Math.round(POND_HEIGHT * scale);
    context.fillStyle = UNPAINTED;
    context.fillRect(0, 0, canvas.width, canvas.height);
    if (ticks === 0) return;
    for (let col = 1; col <= DRAWN_CELLS; ++col)
      for (let row = 1; row <= DRAWN_CELLS; ++row)
        fillBox((col - 1) * CELL_TWIPS, (row - 1) * CELL_TWIPS, col * CELL_TWIPS, row * CELL_TWIPS,
                core._movra_shown_colour(col, row));
  }

  // Zooming or moving to another screen changes the ratio. Checked on every
  // tick, as not every browser reports it as an event, and on the event where
  // there is one, as the timer sleeps while the pond is at rest.
  const checkScale = () => { if (pixelScale() !== scale) sizeCanvas(); };
  function watchPixelRatio() {
    matchMedia(`(resolution: ${window.devicePixelRatio || 1}dppx)`).addEventListener('change', () => {
      checkScale();
      watchPixelRatio();
    }, {once: true});
  }

  // Installed, the page is the program's window: the client area grows by the
  // largest whole factor that fits it, so that cells stay whole pixels. In a
  // tab it stays as it is, and the browser's zoom enlarges it.
  function layout() {
    zoom = standalone.matches
      ? Math.max(1, Math.floor(Math.min(window.innerWidth / CLIENT_WIDTH, window.innerHeight / CLIENT_HEIGHT)))
      : 1;
    client.style.zoom = zoom === 1 ? '' : String(zoom);
    checkScale();
  }
  standalone.addEventListener('change', layout);
  window.addEventListener('resize', layout);

  function tick() {
    checkScale();
    const count = core._movra_tick();
    if (count < 0) {
      end(`実行時エラー '${-count}':\n${core.UTF8ToString(core._movra_error_message())}`);
      return;
    }
    const first = core._movra_boxes() / 4;
    const values = core.HEAP32;
    for (let i = 0; i < count; ++i) {
      const at = first + i * 5;
      fillBox(values[at], values[at + 1], values[at + 2], values[at + 3], values[at + 4]);
    }
    ++ticks;
  }

  // At rest every tick would paint nothing until the next press, so the timer
  // stops rather than wake the machine ten times a second for nothing.
  function onTimer() {
    lastTick = performance.now();
    tick();
    if (!ended && core._movra_at_rest()) {
      clearInterval(timer);
      timer = 0;
    }
  }

  // The ticks skipped since the last one ran, had the timer gone on.
  const skippedTicks = () => (timer || ended ? 0 : Math.floor((performance.now() - lastTick) / TICK_MS));

  // A press that stirs a pond at rest starts the timer again on its old 100 ms
  // grid: the first tick comes when the running timer would have fired, and
  // the skipped ticks, which would have painted nothing, are counted.
  function wake() {
    if (timer || ended || core._movra_at_rest()) return;
    const skipped = skippedTicks();
    ticks += skipped;
    lastTick += skipped * TICK_MS;
    timer = setTimeout(() => {
      timer = setInterval(onTimer, TICK_MS);
      onTimer();
    }, lastTick + TICK_MS - performance.now());
  }

  // The press lands on the logical pixel under it, as on the desktop, where
  // positions arrive as whole pixels of 15 twips; an enlarged pond's CSS
  // pixels are divided by its enlargement.
  function press(clientX, clientY, button) {
    const rect = canvas.getBoundingClientRect();
    const x = Math.min(Math.max(Math.floor(((clientX - rect.left) * POND_WIDTH) / rect.width), 0), POND_WIDTH - 1);
    const y = Math.min(Math.max(Math.floor(((clientY - rect.top) * POND_HEIGHT) / rect.height), 0), POND_HEIGHT - 1);
    if (core._movra_press(x * TWIPS_PER_PIXEL, y * TWIPS_PER_PIXEL, button)) openMenu(clientX, clientY);
    else wake();
  }

  // Button code: 1 left, 2 right, 4 middle, summed over the buttons held; the
  // back and forward buttons are none of these and press nothing.
  function buttonCode(event) {
    if (event.button > 2) return 0;
    return event.buttons & 7 || [1, 4, 2][event.button];
  }

  canvas.addEventListener('mousedown', (event) => {
    event.preventDefault();
    const button = buttonCode(event);
    if (!ended && button) press(event.clientX, event.clientY, button);
  });
  canvas.addEventListener('touchstart', (event) => {
    event.preventDefault();  // no emulated mouse press after it, and no scrolling
    if (ended) return;
    for (const touch of event.changedTouches) press(touch.clientX, touch.clientY, 1);
  }, {passive: false});
  document.addEventListener('contextmenu', (event) => event.preventDefault());

  function openMenu(x, y) {
    menu.hidden = false;
    const width = menu.offsetWidth, height = menu.offsetHeight;
    menu.style.left = `${Math.max(0, Math.min(x, window.innerWidth - width))}px`;
    menu.style.top = `${Math.max(0, Math.min(y, window.innerHeight - height))}px`;
  }
  const closeMenu = () => { menu.hidden = true; };

  // While the menu is open, a press elsewhere only closes it, as a popup menu
  // takes the press that dismisses it.
  for (const type of ['mousedown', 'touchstart']) {
    document.addEventListener(type, (event) => {
      if (menu.hidden || menu.contains(event.target)) return;
      closeMenu();
      event.stopPropagation();
      event.preventDefault();
    }, {capture: true, passive: false});
  }
  document.addEventListener('keydown', (event) => {
    if (menu.hidden) return;
    if (event.key === 'Escape') {
      closeMenu();
      return;
    }
    const item = menu.querySelector(`[data-key="${event.key.toLowerCase()}"]`);
    if (item) {
      event.preventDefault();
      choose(item.dataset.command);
    }
  });
  menu.addEventListener('click', (event) => {
    const item = event.target.closest('[data-command]');
    if (item) choose(item.dataset.command);
  });

  function choose(command) {
    closeMenu();
    if (command === 'help') showHelp();
    else if (command === 'version') showAbout();
    else if (command === 'end') end();
  }

  function showHelp() {
    const frame = help.querySelector('iframe');
    if (!frame.getAttribute('src')) frame.src = 'help.html';
    help.hidden = false;
  }

  // One about box: asked for again while open, the same box comes forward.
  function showAbout() {
    about.hidden = false;
    fitLabels();
    document.getElementById('about-ok').focus();
  }

  // The fonts here may run wider than those the labels were sized for: a
  // label's text is made smaller until it fits, rather than cut off.
  function fitLabels() {
    for (const label of about.querySelectorAll('.label')) {
      label.style.fontSize = '';
      let size = parseFloat(getComputedStyle(label).fontSize);
      while (label.scrollWidth > label.clientWidth && size > 6) label.style.fontSize = `${size -= 0.5}px`;
    }
  }
  document.getElementById('about-ok').addEventListener('click', () => { about.hidden = true; });
  for (const panel of [about, help])
    panel.querySelector('.close').addEventListener('click', () => { panel.hidden = true; });

  // Ending stops everything at once; the page only says that Movra has ended.
  function end(error) {
    ticks += skippedTicks();
    ended = true;
    clearInterval(timer);
    for (const element of [menu, about, help, document.getElementById('main-window')])
      element.hidden = true;
    if (error) {
      const text = document.getElementById('error-text');
      text.textContent = error;
      text.hidden = false;
    }
    document.getElementById('ended').hidden = false;
  }

  // For tests and the curious: how far the pond has run.
  window.movraPage = {
    get ticks() { return ticks + skippedTicks(); },
    get ended() { return ended; },
    shownColour: (col, row) => core._movra_shown_colour(col, row),
  };

  const status = core._movra_reset();
  layout();
  watchPixelRatio();
  lastTick = performance.now();
  timer = setInterval(onTimer, TICK_MS);
  if (status < 0) end(`実行時エラー '${-status}':\n${core.UTF8ToString(core._movra_error_message())}`);
}
