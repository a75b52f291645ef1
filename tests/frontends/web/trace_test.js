// The compiled core under Node.js: run through its C interface, it must give
// exactly the trace movra-replay gives for the same scripts.
// Run with: node --no-experimental-fetch trace_test.js
'use strict';

const assert = require('node:assert/strict');
const {execFileSync} = require('node:child_process');
const fs = require('node:fs');
const path = require('node:path');
const test = require('node:test');

const root = path.resolve(__dirname, '../../..');
const createMovra = require(path.join(root, 'build/web/movra.js'));
const scriptsDir = path.join(__dirname, 'scripts');
const scripts = fs.readdirSync(scriptsDir).filter((name) => name.endsWith('.txt')).sort();

function FindReplay() {
  const candidates = [process.env.MOVRA_REPLAY, 'build/default/frontends/replay/movra-replay',
    'build/core/frontends/replay/movra-replay'].filter(Boolean).map((p) => path.resolve(root, p));
  return candidates.find((p) => fs.existsSync(p));
}

// The script language of movra-replay: 'press X Y [BUTTON]', 'tick [N]', '#' comments.
function ReadScript(text) {
  const commands = [];
  for (const line of text.split('\n')) {
    const words = line.split('#')[0].trim().split(/\s+/).filter(Boolean);
    if (words.length === 0) continue;
    if (words[0] === 'press' && words.length >= 3 && words.length <= 4)
      commands.push({press: [Number(words[1]), Number(words[2]), Number(words[3] ?? 1)]});
    else if (words[0] === 'tick' && words.length <= 2)
      commands.push({ticks: Number(words[1] ?? 1)});
    else
      throw new Error(`not a script line: ${line}`);
  }
  return commands;
}

// Runs a script through the C interface the page uses, returning the trace in
// movra-replay's format.
function Run(core, commands) {
  const lines = [];
  let ticks = 0;
  for (const command of commands) {
    if (command.press) {
      if (core._movra_press(...command.press)) lines.push('popup');
      continue;
    }
    for (let i = 0; i < command.ticks; ++i) {
      const count = core._movra_tick();
      assert.ok(count >= 0, `run-time error ${-count} at tick ${ticks + 1}`);
      lines.push(`tick ${++ticks}`);
      const first = core._movra_boxes() / 4;
      for (let b = 0; b < count; ++b)
        lines.push(`box ${Array.from(core.HEAP32.subarray(first + b * 5, first + b * 5 + 5)).join(' ')}`);
    }
  }
  return lines;
}

async function Fresh() {
  const core = await createMovra();
  assert.equal(core._movra_reset(), 0);
  return core;
}

const Script = (name) => ReadScript(fs.readFileSync(path.join(scriptsDir, name), 'utf8'));

test('the compiled core gives movra-replay\'s trace', async (t) => {
  const replay = FindReplay();
  assert.ok(replay, 'movra-replay not built: build it (cmake --preset default) or set MOVRA_REPLAY');
  for (const name of scripts) {
    await t.test(name, async () => {
      const expected = execFileSync(replay, [path.join(scriptsDir, name)], {encoding: 'utf8'})
          .split('\n').filter(Boolean);
      const actual = Run(await Fresh(), Script(name));
      assert.ok(expected.length > 0);
      assert.deepEqual(actual, expected);
    });
  }
});

test('the road of one press: the calm pond, then the first ripple at column 17, row 9', async () => {
  const lines = Run(await Fresh(), Script('one_press.txt'));
  const calm = 200 * 65536;
  const firstPass = Array.from({length: 29}, (_, i) => `box ${i * 60} 0 ${(i + 1) * 60} 1740 ${calm}`);
  assert.deepEqual(lines, ['tick 1', ...firstPass, 'tick 2', `box 960 480 1020 540 ${235 * 65536}`]);
});

test('the C interface', async (t) => {
  await t.test('a second reset starts the same as a fresh module', async () => {
    const core = await Fresh();
    const first = Run(core, Script('busy.txt'));
    assert.equal(core._movra_reset(), 0);
    assert.deepEqual(Run(core, Script('busy.txt')), first);
  });

  await t.test('the shown colours are those of the last box over each cell', async () => {
    const core = await Fresh();
    const lines = Run(core, Script('busy.txt'));
    const painted = new Map();
    for (const line of lines.filter((l) => l.startsWith('box '))) {
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

  await t.test('the press mapping: ties to even and the outermost pixel', async () => {
    // Each press alone on a calm pond; its cell is the one box of the second tick.
    const samples = [[0, 1], [15, 1], [30, 2], [90, 2], [150, 4], [1755, 30]];
    for (const [twips, col] of samples) {
      const core = await Fresh();
      assert.equal(core._movra_press(twips, 455, 1), 0);
      const lines = Run(core, [{ticks: 2}]);
      if (col <= 29) assert.equal(lines.at(-1), `box ${(col - 1) * 60} 480 ${col * 60} 540 ${235 * 65536}`, `X ${twips}`);
      else assert.equal(lines.at(-1), 'tick 2', `X ${twips}: column 30 is not drawn`);
    }
    // 1785 twips gives 31, taken as 30: the source sits in the undrawn corner
    // cell and its first ring reaches the drawn cell (29, 29).
    const core = await Fresh();
    core._movra_press(1785, 1770, 1);
    const lines = Run(core, [{ticks: 3}]);
    assert.deepEqual(lines.slice(-2), ['tick 3', `box 1680 1680 1740 1740 ${235 * 65536}`]);
  });

  await t.test('the right button alone opens the menu and places nothing', async () => {
    const core = await Fresh();
    assert.equal(core._movra_press(935, 455, 2), 1);
    for (const button of [1, 3, 4, 5, 6, 7]) assert.equal(core._movra_press(935, 455, button), 0);
    const lines = Run(core, [{ticks: 2}]);
    // Six sources on one cell: the level passes 255 and paints at the limit.
    assert.equal(lines.at(-1), `box 960 480 1020 540 ${255 * 65536}`);
  });

  await t.test('at rest, where the page stops its timer, ticks paint nothing until a press', async () => {
    const core = await Fresh();
    assert.equal(core._movra_at_rest(), 0, 'the first full repaint is still to come');
    let restingTicks = 0;
    for (const command of [...Script('busy.txt'), {ticks: 40}]) {
      if (command.press) {
        core._movra_press(...command.press);
        continue;
      }
      for (let i = 0; i < command.ticks; ++i) {
        const atRest = core._movra_at_rest();
        const painted = core._movra_tick();
        if (atRest) assert.equal(painted, 0, 'a tick at rest painted');
        restingTicks += atRest;
      }
    }
    assert.ok(restingTicks > 0, 'never at rest');
    core._movra_press(935, 455, 2);  // the menu: nothing to wake
    assert.equal(core._movra_at_rest(), 1);
    core._movra_press(935, 455, 1);
    assert.equal(core._movra_at_rest(), 0);
  });

  await t.test('a run-time error is reported, not an abort', async () => {
    const core = await Fresh();
    core._movra_press(-60, 0, 1);  // no page sends this: column 0 is outside the tables
    assert.equal(core._movra_tick(), -9);
    assert.equal(core.UTF8ToString(core._movra_error_message()), 'インデックスが有効範囲にありません。');
  });
});
