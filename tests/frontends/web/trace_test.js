// The compiled form under Node.js, on stubs of the page's functions: the
// scripts played through its C interface must give exactly the trace
// movra-replay gives, and presses at any density land where movra-replay
// puts the twips the press rule makes of them.
// Run with: node --no-experimental-fetch trace_test.js
'use strict';

const assert = require('node:assert/strict');
const {execFileSync} = require('node:child_process');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const test = require('node:test');

const root = path.resolve(__dirname, '../../..');
const createMovra = require(path.join(root, 'build/web/movra.js'));
const wasmBinary = fs.readFileSync(path.join(root, 'build/web/movra.wasm'));
const scriptsDir = path.join(__dirname, 'scripts');
const scripts = fs.readdirSync(scriptsDir).filter((name) => name.endsWith('.txt')).sort();
const CALM = 200 * 65536;
const RING = 235 * 65536;

function FindReplay() {
  const candidates = [process.env.MOVRA_REPLAY, 'build/default/frontends/replay/movra-replay',
    'build/core/frontends/replay/movra-replay'].filter(Boolean).map((p) => path.resolve(root, p));
  return candidates.find((p) => fs.existsSync(p));
}
const replay = FindReplay();

// movra-replay's trace of a script's text, as lines.
function ReplayTrace(text) {
  assert.ok(replay, 'movra-replay not built: build it (cmake --preset default) or set MOVRA_REPLAY');
  const file = path.join(fs.mkdtempSync(path.join(os.tmpdir(), 'movra-trace-')), 'script.txt');
  fs.writeFileSync(file, text);
  try {
    return execFileSync(replay, [file], {encoding: 'utf8', maxBuffer: 1 << 26}).split('\n').filter(Boolean);
  } finally {
    fs.rmSync(path.dirname(file), {recursive: true});
  }
}

// The page's clock, which runs only when a test says.
let now = 0;
// Node 18 (Debian 12's) makes performance.now read-only to plain assignment.
Object.defineProperty(performance, 'now', {value: () => now, configurable: true, writable: true});

// A fresh module on stubs of the page's functions, on a canvas of density
// device pixels per logical pixel. Its trace is movra-replay's: the
// rectangles filled, as box lines in twips, and 'popup'; a rectangle over
// the whole canvas is 'blank'.
async function Fresh(density = 1) {
  const page = {density, lines: [], ticks: 0, timers: [], error: null, ended: false, helps: 0, versions: 0, placed: {}};
  // The form's Timer1 (id 0); the rain's is id 1.
  Object.defineProperty(page, 'timer', {get: () => page.timers[0] ?? null});
  const twips = (device) => (device * 15) / page.density;
  const core = await createMovra({
    wasmBinary,  // the page's module is for browsers, which fetch it themselves
    fillRect(left, top, width, height, colour) {
      if (left === 0 && top === 0 && width === Math.round(120 * page.density)) page.lines.push('blank');
      else page.lines.push(`box ${twips(left)} ${twips(top)} ${twips(left + width)} ${twips(top + height)} ${colour}`);
    },
    setTimer(id, intervalMs) { page.timers[id] = {intervalMs, due: now + intervalMs}; },
    killTimer(id) { page.timers[id] = null; },
    popup() { page.lines.push('popup'); },
    openHelp() { ++page.helps; },
    showVersion() { ++page.versions; },
    place(id, ...at) { page.placed[id] = at; },
    showError(text) { page.error = text; },
    end() { page.ended = true; },
  });
  core._movra_start(density);
  page.lines = [];
  // A 100 ms step of the clock, as movra-replay's tick: the timers fire when due.
  page.tick = (count = 1) => {
    for (let i = 0; i < count; ++i) {
      now += 100;
      page.lines.push(`tick ${++page.ticks}`);
      for (const [id, timer] of page.timers.entries()) {
        if (timer && now >= timer.due) {
          timer.due += timer.intervalMs;
          core._movra_timer(id);
        }
      }
    }
  };
  // Plays a script, its ticks counted afresh; null, or the reader's reason.
  page.play = (script) => {
    const size = core.lengthBytesUTF8(script);
    const address = core._malloc(size + 1);
    core.stringToUTF8(script, address, size + 1);
    const error = core._movra_play(address, size);
    core._free(address);
    page.ticks = 0;
    return error ? core.UTF8ToString(error) : null;
  };
  page.recording = () => core.UTF8ToString(core._movra_recording());
  return {core, page};
}

const Script = (name) => fs.readFileSync(path.join(scriptsDir, name), 'utf8');
const lastTick = (trace) => Number(trace.filter((line) => line.startsWith('tick ')).at(-1).split(' ')[1]);

// Plays a script in a fresh module to movra-replay's last tick.
async function Played(text) {
  const run = await Fresh();
  assert.equal(run.page.play(text), null);
  assert.equal(run.page.lines.shift(), 'blank');
  run.page.tick(lastTick(ReplayTrace(text)));
  return run;
}

test('played in the page, the scripts give movra-replay\'s trace', async (t) => {
  for (const name of scripts) {
    await t.test(name, async () => {
      const expected = ReplayTrace(Script(name));
      assert.ok(expected.length > 0);
      assert.deepEqual((await Played(Script(name))).page.lines, expected);
    });
  }
});

test('the road of one press: the calm pond, then the first ripple at column 17, row 9', async () => {
  const {page} = await Played(Script('one_press.txt'));
  const firstPass = Array.from({length: 29}, (_, i) => `box ${i * 60} 0 ${(i + 1) * 60} 1740 ${CALM}`);
  assert.deepEqual(page.lines, ['tick 1', ...firstPass, 'tick 2', `box 960 480 1020 540 ${RING}`]);
});

test('the C interface', async (t) => {
  await t.test('playing again starts afresh on a blank canvas and gives the same trace', async () => {
    const {core, page} = await Played(Script('busy.txt'));
    const [first, ticks] = [page.lines, page.ticks];
    page.lines = [];
    assert.equal(page.play(Script('busy.txt')), null);
    assert.equal(page.lines.shift(), 'blank', 'the old pond stays on the canvas');
    page.tick(ticks);
    assert.deepEqual(page.lines, first);
    assert.equal(core._movra_ticks(), ticks);
  });

  await t.test('the shown colours are those of the last box over each cell', async () => {
    const {core, page} = await Played(Script('busy.txt'));
    const painted = new Map();
    for (const line of page.lines.filter((l) => l.startsWith('box '))) {
      const [x1, y1, x2, y2, colour] = line.split(' ').slice(1).map(Number);
      for (let col = x1 / 60 + 1; col <= x2 / 60; ++col)
        for (let row = y1 / 60 + 1; row <= y2 / 60; ++row) painted.set(`${col},${row}`, colour);
    }
    assert.equal(painted.size, 29 * 29);
    for (let col = 1; col <= 29; ++col)
      for (let row = 1; row <= 29; ++row)
        assert.equal(core._movra_shown_colour(col, row), painted.get(`${col},${row}`), `cell ${col}, ${row}`);
    assert.equal(core._movra_shown_colour(30, 1), -1);
    assert.equal(core._movra_shown_colour(1, 0), -1);
  });

  await t.test('a canvas sized afresh is blanked and every painted cell painted again', async () => {
    const {core, page} = await Played(Script('one_press.txt'));
    page.lines = [];
    page.density = 2;
    core._movra_resize(2);
    assert.equal(page.lines[0], 'blank');
    assert.equal(page.lines.length, 1 + 29 * 29);
    assert.ok(page.lines.includes(`box 960 480 1020 540 ${RING}`), 'cell 17, 9 not painted again');
  });

  await t.test('the press rule: a device pixel at any density lands where movra-replay puts its twips', async () => {
    for (const density of [1.25, 1.5, 2, 3]) {
      // Inside the pond near each corner and in the middle, and the last device pixel.
      const last = [Math.round(120 * density) - 1, Math.round(119 * density) - 1];
      for (const [x, y] of [[7, 7], [Math.round(60 * density) + 1, 3], last]) {
        const {core, page} = await Fresh(density);
        core._movra_press(1, x, y, density);
        page.tick(3);
        // The twips of the press rule: device pixels times 15 over the density.
        const [tx, ty] = [(x * 15) / density, (y * 15) / density];
        const expected = ReplayTrace(`press ${tx} ${ty}\ntick 3\n`);
        assert.deepEqual(page.lines, expected, `device pixel ${x}, ${y} at ${density}`);
        assert.match(page.recording(), new RegExp(`\npress ${tx} ${ty} 1\n`));
      }
    }
    // At ratio 2, device pixel 7 is 52.5 twips: no longer floored to a whole logical pixel.
    const {core, page} = await Fresh(2);
    core._movra_press(1, 7, 7, 2);
    assert.match(page.recording(), /\npress 52\.5 52\.5 1\n/);
    // Off the inner area nothing lands, and nothing is recorded.
    for (const [x, y] of [[-1, 5], [5, -1], [240, 5], [5, 238]]) core._movra_press(1, x, y, 2);
    assert.equal(page.recording().match(/press/g).length, 1);
  });

  await t.test('the press mapping: ties to even and the outermost pixel', async () => {
    // At density 3 a device pixel is 5 twips. Each press alone on a calm
    // pond; its cell is the one box of the second tick.
    const samples = [[0, 1], [15, 1], [30, 2], [90, 2], [150, 4], [1755, 30]];
    for (const [twips, col] of samples) {
      const {core, page} = await Fresh(3);
      core._movra_press(1, twips / 5, 455 / 5, 3);
      page.tick(2);
      if (col <= 29) assert.equal(page.lines.at(-1), `box ${(col - 1) * 60} 480 ${col * 60} 540 ${RING}`, `X ${twips}`);
      else assert.equal(page.lines.at(-1), 'tick 2', `X ${twips}: column 30 is not drawn`);
    }
    // 1785 twips gives 31, taken as 30: the source sits in the undrawn corner
    // cell and its first ring reaches the drawn cell (29, 29).
    const {core, page} = await Fresh(3);
    core._movra_press(1, 1785 / 5, 1770 / 5, 3);
    page.tick(3);
    assert.deepEqual(page.lines.slice(-2), ['tick 3', `box 1680 1680 1740 1740 ${RING}`]);
  });

  await t.test('the right button alone opens the menu and places nothing', async () => {
    const {core, page} = await Fresh(3);
    core._movra_press(2, 187, 91, 3);  // 935, 455 twips
    assert.deepEqual(page.lines, ['popup']);
    for (const button of [1, 3, 4, 5, 6, 7]) core._movra_press(button, 187, 91, 3);
    page.tick(2);
    assert.equal(page.lines.filter((line) => line === 'popup').length, 1);
    // Six sources on one cell: the level passes 255 and paints at the limit.
    assert.equal(page.lines.at(-1), `box 960 480 1020 540 ${255 * 65536}`);
  });

  await t.test('the menu\'s items reach the form: help, version, and the end stops the timer', async () => {
    const {core, page} = await Fresh();
    core._movra_menu(0);
    core._movra_menu(1);
    assert.deepEqual([page.helps, page.versions, page.ended], [1, 1, false]);
    // The about box laid out from its design: twips / 15 px, points * 4 / 3 px, blue RGB(128, 128, 255).
    assert.deepEqual(page.placed.label1, [96, 22, 211, 41, 35, 1, 0, 0xff8080]);
    assert.deepEqual(page.placed['about-ok'], [224, 178, 91, 23, 12, 0, 1, 0]);
    assert.deepEqual(page.placed.line1, [10, 170, 314, 2, 0, 0, 0, 0]);
    assert.ok(page.timer);
    core._movra_menu(2);
    assert.deepEqual([page.ended, page.timer, page.error], [true, null, null]);
    const ticks = core._movra_ticks();
    page.tick(5);
    core._movra_press(2, 50, 50, 1);
    assert.equal(core._movra_ticks(), ticks, 'ticks counted after the end');
    assert.ok(!page.lines.includes('popup'), 'a press acted after the end');
  });

  await t.test('at rest the timer is killed; a press sets it on its old grid, the skipped ticks counted', async () => {
    const {core, page} = await Fresh();
    page.tick(2);
    assert.equal(page.timer, null, 'the calm pond is at rest after its first full repaint');
    now += 1050;  // ten ticks and half a period
    assert.equal(core._movra_ticks(), 12);
    core._movra_press(2, 60, 30, 1);  // the menu: nothing to wake
    assert.equal(page.timer, null);
    core._movra_press(1, 60, 30, 1);
    assert.deepEqual(page.timer, {intervalMs: 50, due: now + 50});
    assert.match(page.recording(), /\ntick 12\npress 900 450 2\npress 900 450 1\n$/);
    now += 50;
    core._movra_timer(0);
    assert.equal(page.timer.intervalMs, 100, 'a whole period again after the first tick');
    assert.equal(core._movra_ticks(), 13);
  });

  await t.test('a press at a density no screen has is refused, not taken off the pond', async () => {
    const {core, page} = await Fresh();
    for (const density of [0, -1]) core._movra_press(1, 4, 0, density);
    page.tick(2);
    assert.equal(page.error, null);
    assert.equal(page.ended, false);
    assert.equal(page.timer, null, 'nothing placed: the calm pond rests');
  });

  await t.test('a bad script is refused in the reader\'s words and changes nothing', async () => {
    const {core, page} = await Played(Script('one_press.txt'));
    const before = page.recording();
    assert.equal(page.play('press 935 455\ntcik 3\n'), 'line 2: unknown command \'tcik\'');
    assert.equal(page.recording(), before);
    assert.equal(core._movra_shown_colour(17, 9), RING);
  });

  await t.test('live presses join a played recording, which starts the session afresh', async () => {
    const {core, page} = await Fresh();
    core._movra_press(1, 10, 10, 1);
    assert.equal(page.play('tick 5\npress 935 455\n'), null);
    core._movra_press(1, 20, 20, 1);
    page.tick(5);
    const presses = page.recording().split('\n').filter((line) => !line.startsWith('#'));
    assert.deepEqual(presses, ['press 300 300 1', 'tick 5', 'press 935 455 1', '']);
  });

  await t.test('rain drops presses by itself, which replay to the pond it showed, on over a recording, until stopped', async () => {
    const {core, page} = await Fresh();
    const drops = () => (page.recording().match(/^press .* 1$/gm) ?? []).length;
    page.tick(2);  // at rest: the rain's own timer wakes the pond for each drop
    core._movra_rain(true);
    page.tick(150);
    assert.ok(drops() >= 5, `${drops()} drops in 150 ticks, one due every 1 to 19`);
    assert.deepEqual(page.lines, ReplayTrace(page.recording()));
    assert.equal(page.play('tick 5\n'), null);
    page.tick(60);
    assert.ok(drops() >= 2, 'no rain over the recording played');
    core._movra_rain(false);
    const stopped = drops();
    page.tick(60);
    assert.equal(drops(), stopped, 'rain after it stopped');
  });
});
