// The popup menu and the panels its commands open: the help and the about box.
import {keepInside, viewHeight, viewWidth} from './layout.js';

// The items in the form's order: onChoose(index) is told which was chosen.
const ITEMS = ['help', 'version', 'end'];

// home: what has the focus again once the menu or a panel closes.
export function createMenu({onChoose, home}) {
  const menu = document.getElementById('menu');
  const about = document.getElementById('about');
  const help = document.getElementById('help');
  const items = [...menu.querySelectorAll('[role=menuitem]')];

  // byKeyboard: opened by a key, with its first item selected.
  function open(x, y, byKeyboard) {
    menu.hidden = false;
    const width = menu.offsetWidth, height = menu.offsetHeight;
    menu.style.left = `${Math.max(0, Math.min(x, viewWidth() - width))}px`;
    menu.style.top = `${Math.max(0, Math.min(y, viewHeight() - height))}px`;
    if (byKeyboard) items[0].focus();
  }
  const close = () => {
    menu.hidden = true;
    home.focus();
  };
  // The arrows move the selection round the items; Enter and Space choose it.
  const focused = () => items.indexOf(document.activeElement);  // -1: none
  const chooseFocused = () => focused() >= 0 && choose(items[focused()].dataset.command);
  const KEYS = {
    'Escape': close,
    'ArrowDown': () => items[(focused() + 1) % items.length].focus(),
    'ArrowUp': () => items.at(Math.max(focused(), 0) - 1).focus(),
    'Enter': chooseFocused,
    ' ': chooseFocused,
    'Tab': () => {},
  };

  // While the menu is open, a press elsewhere only closes it, as a popup menu
  // takes the press that dismisses it.
  for (const type of ['mousedown', 'touchstart']) {
    document.addEventListener(type, (event) => {
      if (menu.hidden || menu.contains(event.target)) return;
      close();
      event.stopPropagation();
      event.preventDefault();
    }, {capture: true, passive: false});
  }
  // While it is open the menu takes the keys, as a popup menu does.
  document.addEventListener('keydown', (event) => {
    if (menu.hidden) return;
    event.stopPropagation();
    const item = menu.querySelector(`[data-key="${event.key.toLowerCase()}"]`);
    const action = item ? () => choose(item.dataset.command) : KEYS[event.key];
    if (!action) return;
    event.preventDefault();
    action();
  }, {capture: true});
  menu.addEventListener('click', (event) => {
    const item = event.target.closest('[data-command]');
    if (item) choose(item.dataset.command);
  });

  function choose(command) {
    close();
    onChoose(ITEMS.indexOf(command));
  }

  function showHelp() {
    const frame = help.querySelector('iframe');
    if (!frame.getAttribute('src')) frame.src = 'help.html';
    help.hidden = false;
    keepInside(help);
    help.querySelector('.close').focus();
  }

  // One about box: asked for again while open, the same box comes forward.
  function showAbout() {
    about.hidden = false;
    keepInside(about);
    fitLabels();
    document.getElementById('about-ok').focus();
  }

  // One control of the about box where its design puts it: CSS px, and a
  // font of its own where fontPx is not 0 (colour: blue * 65536 + green * 256 + red).
  function place(id, left, top, width, height, fontPx, bold, gothic, colour) {
    const style = document.getElementById(id).style;
    Object.assign(style, {left: `${left}px`, top: `${top}px`, width: `${width}px`, height: `${height}px`});
    if (!fontPx) return;
    style.font = `${bold ? 'bold ' : ''}${fontPx}px var(--${gothic ? 'gothic' : 'mincho'})`;
    style.color = `rgb(${colour & 255}, ${(colour >> 8) & 255}, ${(colour >> 16) & 255})`;
    document.getElementById(id).dataset.fontSize = fontPx;
  }

  // The fonts here may run wider than those the labels were sized for: a
  // label's text is made smaller until it fits, rather than cut off.
  function fitLabels() {
    for (const label of about.querySelectorAll('.label')) {
      let size = Number(label.dataset.fontSize);
      label.style.fontSize = `${size}px`;
      while (label.scrollWidth > label.clientWidth && size > 6) label.style.fontSize = `${size -= 0.5}px`;
    }
  }
  const hide = (panel) => {
    panel.hidden = true;
    home.focus();
  };
  document.getElementById('about-ok').addEventListener('click', () => hide(about));
  for (const panel of [about, help]) panel.querySelector('.close').addEventListener('click', () => hide(panel));
  window.addEventListener('resize', () => {
    for (const panel of [about, help]) if (!panel.hidden) keepInside(panel);
  });

  return {
    open,
    showHelp,
    showAbout,
    place,
    // Everything closes at the end.
    hideAll() {
      for (const element of [menu, about, help]) element.hidden = true;
    },
  };
}
