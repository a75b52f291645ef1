// The pond on its canvas: the timer that ticks the core, each tick's boxes
// painted in device pixels, presses mapped to twips, and the rest.

export const TWIPS_PER_PIXEL = 15;
export const POND_WIDTH = 120;  // the pond's inner area, CSS px
export const POND_HEIGHT = 119;
export const TICK_MS = 100;
const UNPAINTED = '#f0f0f0';  // the control colour where no cell is painted
const DRAWN_CELLS = 29;
const CELL_TWIPS = 60;

const cssColour = (c) => `rgb(${c & 255}, ${(c >> 8) & 255}, ${(c >> 16) & 255})`;

// The boxes of the core's last tick: x1, y1, x2, y2 (twips) and colour each.
export function* tickBoxes(core, count) {
  const first = core._movra_boxes() / 4;
  for (let i = 0; i < count; ++i) yield core.HEAP32.subarray(first + i * 5, first + i * 5 + 5);
}

export const runTimeError = (core, number) =>
  `実行時エラー '${number}':\n${core.UTF8ToString(core._movra_error_message())}`;

// observer: pressed(x, y, button) for each press in twips, ticked() after
// each tick, resting(skippedSoFar) before a press while the timer sleeps,
// woke(skipped) when it starts again, and awake() true while it may not rest.
// onMenu(clientX, clientY): a press opened the popup menu; onEnd(error): the
// program has ended, by the end command or by a run-time error's text.
export function createPond(core, canvas, {observer, onMenu, onEnd}) {
  const context = canvas.getContext('2d');
  let ticks = 0;     // ticks run, and at rest the ticks skipped, see wake()
  let lastTick = 0;  // when the last tick ran, performance.now() ms
  let timer = 0;     // the timer's id; 0 while the pond is at rest
  let ended = false;
  let zoom = 1;   // the client area's whole enlargement
  let scale = 0;  // device pixels per logical pixel of the pond; 0 until sized

  // Box edges land on whole device pixels, so cells stay sharp at any ratio.
  const toDevice = (twips) => Math.round((twips / TWIPS_PER_PIXEL) * scale);

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

  function tick() {
    checkScale();
    const count = core._movra_tick();
    if (count < 0) {
      end(runTimeError(core, -count));
      return;
    }
    for (const box of tickBoxes(core, count)) fillBox(...box);
    ++ticks;
    observer.ticked();
  }

  // At rest every tick would paint nothing until the next press, so the timer
  // stops rather than wake the machine ten times a second for nothing.
  function onTimer() {
    lastTick = performance.now();
    tick();
    if (!ended && core._movra_at_rest() && !observer.awake()) {
      clearInterval(timer);
      timer = 0;
    }
  }

  function startTimer() {
    lastTick = performance.now();
    timer = setInterval(onTimer, TICK_MS);
  }

  // The ticks skipped since the last one ran, had the timer gone on.
  const skippedTicks = () => (timer || ended ? 0 : Math.floor((performance.now() - lastTick) / TICK_MS));

  // A press that stirs a pond at rest starts the timer again on its old 100 ms
  // grid: the first tick comes when the running timer would have fired, and
  // the skipped ticks, which would have painted nothing, are counted.
  function wake(skipped) {
    if (timer || ended || core._movra_at_rest()) return;
    ticks += skipped;
    lastTick += skipped * TICK_MS;
    observer.woke(skipped);
    timer = setTimeout(() => {
      timer = setInterval(onTimer, TICK_MS);
      onTimer();
    }, lastTick + TICK_MS - performance.now());
  }

  // A press at (x, y) twips; the clock is read once, so that the ticks the
  // rest counts before it and those its wake-up counts agree.
  function press(x, y, button, menuAt) {
    if (ended) return;
    const skipped = skippedTicks();
    if (!timer) observer.resting(skipped);
    observer.pressed(x, y, button);
    if (core._movra_press(x, y, button)) onMenu(...menuAt);
    else wake(skipped);
  }

  const canvasRect = () => canvas.getBoundingClientRect();

  // The press lands on the logical pixel under it, as on the desktop, where
  // positions arrive as whole pixels of 15 twips; an enlarged pond's CSS
  // pixels are divided by its enlargement.
  function pressAt(clientX, clientY, button) {
    const rect = canvasRect();
    const x = Math.min(Math.max(Math.floor(((clientX - rect.left) * POND_WIDTH) / rect.width), 0), POND_WIDTH - 1);
    const y = Math.min(Math.max(Math.floor(((clientY - rect.top) * POND_HEIGHT) / rect.height), 0), POND_HEIGHT - 1);
    press(x * TWIPS_PER_PIXEL, y * TWIPS_PER_PIXEL, button, [clientX, clientY]);
  }

  // A press in twips from elsewhere than the pointer (a recording): a menu it
  // opens opens where it was pressed.
  function pressTwips(x, y, button) {
    const rect = canvasRect();
    press(x, y, button, [rect.left + (x / TWIPS_PER_PIXEL) * (rect.width / POND_WIDTH),
      rect.top + (y / TWIPS_PER_PIXEL) * (rect.height / POND_HEIGHT)]);
  }

  // Ending stops everything at once.
  function end(error) {
    ticks += skippedTicks();
    ended = true;
    clearInterval(timer);
    onEnd(error);
  }

  // A fresh calm pond, its ticks counted from 0 on a new grid; the core has
  // been reset by the caller.
  function restart() {
    clearInterval(timer);  // a timeout's id too: they share one pool
    ticks = 0;
    sizeCanvas();
    startTimer();
  }

  const status = core._movra_reset();
  watchPixelRatio();
  startTimer();
  if (status < 0) end(runTimeError(core, -status));

  return {
    pressAt,
    pressTwips,
    restart,
    end,
    setZoom(factor) {
      zoom = factor;
      checkScale();
    },
    // True while the timer sleeps at rest; skippedTicks() counts its sleep.
    get asleep() { return !timer && !ended; },
    skippedTicks,
    get ticks() { return ticks + skippedTicks(); },
    get ended() { return ended; },
    shownColour: (col, row) => core._movra_shown_colour(col, row),
  };
}
