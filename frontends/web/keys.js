// The pond's keys, handed to the form, and a polite status of where they went.

// In the form's order: the moves, then the drop (8) and the menu (9).
const MOVES = ['ArrowLeft', 'ArrowRight', 'ArrowUp', 'ArrowDown', 'Home', 'End', 'PageUp', 'PageDown'];

const pondKey = ({key, shiftKey}) => (key === ' ' || key === 'Enter' ? 8
  : key === 'ContextMenu' || (key === 'F10' && shiftKey) ? 9 : MOVES.indexOf(key));

export function watchKeys(canvas, pond, status) {
  canvas.addEventListener('keydown', (event) => {
    const key = pondKey(event);
    // Alt and the system key's combinations are the browser's: Alt+Left goes back.
    if (key < 0 || event.altKey || event.metaKey) return;
    event.preventDefault();  // no scrolling
    const [column, row] = pond.key(key, event.ctrlKey || event.shiftKey);
    if (key < 9) status.textContent = `${key === 8 ? 'drop, ' : ''}column ${column}, row ${row}`;
  });
}
