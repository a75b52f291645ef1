// The page around the compiled form (movra.js): it hands the form its
// canvas, timers, menu and panels, and wires the presses and keys, the
// session and its commands, rain, full screen and the window's enlargement
// together.
import {watchFullScreen} from './full_screen.js';
import {watchKeys} from './keys.js';
import {watchEnlargement} from './layout.js';
import {createMenu} from './menu.js';
import {createPond} from './pond.js';
import {watchPresses} from './presses.js';
import {watchRain} from './rain.js';
import {createSession} from './session.js';
import {createSessionBar} from './session_bar.js';

// Kept by the service worker, the site starts without the network too. Where
// none can run (a file: address, plain HTTP) the page works all the same.
if ('serviceWorker' in navigator)
  navigator.serviceWorker.register('sw.js').catch((error) => console.warn(`No offline copy: ${error}`));

const canvas = document.getElementById('pond');
const pond = createPond(canvas);
let core = null;
const menu = createMenu({onChoose: (item) => core._movra_menu(item), home: canvas});
const status = document.getElementById('pond-status');

function showError(text) {
  const paragraph = document.getElementById('error-text');
  paragraph.textContent = text;
  paragraph.hidden = false;
}

// Ending stops everything at once; the page only says that Movra has ended.
function end() {
  menu.hideAll();
  for (const id of ['main-window', 'session']) document.getElementById(id).hidden = true;
  document.getElementById('ended').hidden = false;
}

createMovra({
  ...pond.controls,
  popup(x, y, byKeyboard) {
    menu.open(...pond.clientPoint(x, y), byKeyboard);
    status.textContent = 'menu open';
  },
  openHelp: menu.showHelp,
  showVersion: menu.showAbout,
  place: menu.place,
  showError,
  end,
}).then((module) => {
  core = module;
  pond.start(core);
  watchEnlargement((zoom) => pond.setZoom(zoom), createSessionBar(createSession(core)).element);
  watchPresses(canvas, pond);
  watchKeys(canvas, pond, status);
  watchFullScreen(document.getElementById('full-screen'), document.querySelector('main'), canvas, pond,
      (width, height) => core._movra_fitting_factor(width, height));
  watchRain(document.getElementById('rain'), core);

  // For tests and the curious: how far the pond has run.
  window.movraPage = {
    get ticks() { return core._movra_ticks(); },
    shownColour: (col, row) => core._movra_shown_colour(col, row),
    recording: () => core.UTF8ToString(core._movra_recording()),
  };
});
