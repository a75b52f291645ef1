// The rain command, on until pressed again. Raining in full screen, the page
// is a screen saver: it keeps the screen on.

export function watchRain(button, core) {
  let lock = null;  // the screen's wake lock
  const raining = () => button.getAttribute('aria-pressed') === 'true';
  async function keepAwake() {
    if (!raining() || !document.fullscreenElement) lock?.release();
    else if (!lock || lock.released) lock = await navigator.wakeLock?.request('screen').catch(() => null);
  }
  button.addEventListener('click', () => {
    button.setAttribute('aria-pressed', !raining());
    core._movra_rain(raining());
    keepAwake();
  });
  // A hidden page loses its lock, to ask again when shown.
  for (const type of ['fullscreenchange', 'visibilitychange']) document.addEventListener(type, keepAwake);
}
