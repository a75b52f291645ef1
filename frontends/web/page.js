// The page around the compiled core (movra.js): it wires the pond and its
// presses, the popup menu, the session and its commands, and the window's
// enlargement together.
import {watchEnlargement} from './layout.js';
import {createMenu} from './menu.js';
import {createPond} from './pond.js';
import {watchPresses} from './presses.js';
import {createSession} from './session.js';
import {createSessionBar} from './session_bar.js';

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
  const pond = createPond(core, canvas, {observer: session.observer, onMenu: menu.open, onEnd: ended});
  session.attach(pond);
  watchEnlargement((zoom) => pond.setZoom(zoom), createSessionBar(session).element);
  watchPresses(canvas, pond);

  // For tests and the curious: how far the pond has run.
  window.movraPage = {
    get ticks() { return pond.ticks; },
    get ended() { return pond.ended; },
    shownColour: pond.shownColour,
  };
}
