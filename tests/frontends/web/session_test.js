// The page's session in headless Chromium, against movra-replay: saved, shared
// as a link, played from a link or a dropped file, made into a GIF; and the
// messages for a bad link and a bad file. The page's clock is Playwright's,
// so that every tick comes when the test says.
'use strict';

const assert = require('node:assert/strict');
const {execFileSync} = require('node:child_process');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const test = require('node:test');
const zlib = require('node:zlib');
const {Serve, Launch} = require('./browser.js');

const root = path.resolve(__dirname, '../../..');
const replay = path.resolve(root, process.env.MOVRA_REPLAY || 'build/default/frontends/replay/movra-replay');
const work = fs.mkdtempSync(path.join(os.tmpdir(), 'movra-session-'));

// The colour each drawn cell shows after the last tick of movra-replay's
// trace of a script, and how many ticks it ran.
function ReplayPond(script) {
  const trace = execFileSync(replay, [script], {encoding: 'utf8', maxBuffer: 1 << 26});
  const shown = {};
  let ticks = 0;
  for (const line of trace.split('\n')) {
    const words = line.split(' ');
    if (words[0] === 'tick') ticks = Number(words[1]);
    if (words[0] !== 'box') continue;
    const [x1, y1, x2, y2, colour] = words.slice(1).map(Number);
    for (let col = x1 / 60 + 1; col <= x2 / 60; ++col)
      for (let row = y1 / 60 + 1; row <= y2 / 60; ++row) shown[`${col},${row}`] = colour;
  }
  return {ticks, shown};
}

// Runs in the page: its tick count and what each cell shows, read at one instant.
function PagePond() {
  const shown = {};
  for (let col = 1; col <= 29; ++col)
    for (let row = 1; row <= 29; ++row) shown[`${col},${row}`] = movraPage.shownColour(col, row);
  return {ticks: movraPage.ticks, shown};
}

// Runs in the page: a file dropped on the pond.
function Drop([name, text]) {
  const transfer = new DataTransfer();
  transfer.items.add(new File([text], name, {type: 'text/plain'}));
  document.getElementById('pond').dispatchEvent(new DragEvent('drop', {dataTransfer: transfer, bubbles: true, cancelable: true}));
}

// Runs in the page: each frame of a GIF as RGBA bytes, decoded by the browser.
async function GifFrames(bytes) {
  const decoder = new ImageDecoder({data: new Uint8Array(bytes), type: 'image/gif'});
  await decoder.tracks.ready;
  const frames = [];
  for (let i = 0; i < decoder.tracks.selectedTrack.frameCount; ++i) {
    const {image} = await decoder.decode({frameIndex: i});
    const canvas = new OffscreenCanvas(image.displayWidth, image.displayHeight);
    canvas.getContext('2d').drawImage(image, 0, 0);
    const header = `${canvas.width}x${canvas.height}:${image.duration}:`;  // microseconds
    image.close();
    frames.push(header + canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data.join());
  }
  return frames;
}

const downloaded = async (page, command) => {
  const [file] = await Promise.all([page.waitForEvent('download'), page.locator(`[data-command=${command}]`).click()]);
  return fs.readFileSync(await file.path());
};

test('recordings in the page', async (t) => {
  const server = await Serve();
  const browser = await Launch({viewport: {width: 500, height: 300}, permissions: ['clipboard-read', 'clipboard-write']});
  const {context, page} = browser;
  const errors = [];
  context.on('weberror', (error) => errors.push(error.error().message));
  context.on('console', (message) => message.type() === 'error' && errors.push(message.text()));
  const shots = process.env.MOVRA_SHOTS;  // a folder for the pictures, if set
  // The pages' time stands still but when the test runs it on.
  await context.clock.install();
  await context.clock.pauseAt(Date.now() + 1000);
  const open = async (p, url) => {
    await p.goto(url);
    await p.waitForFunction(() => window.movraPage);
  };
  // Runs the clock until the page has run tick n of its pond.
  const runToTick = async (p, n) => {
    const ticks = await p.evaluate(() => movraPage.ticks);
    assert.ok(ticks <= n, `already at tick ${ticks} of ${n}`);
    await context.clock.runFor(100 * (n - ticks));
  };
  const message = (p) => p.locator('#session-message').textContent();

  try {
    await open(page, server.url);
    const pond = await page.locator('#pond').boundingBox();
    const at = (col, row) => [pond.x + (col - 1) * 4 + 1.5, pond.y + (row - 1) * 4 + 2.5];
    let saved, savedPond;

    await t.test('a session saved from the page replays in movra-replay to the pond the page painted', async () => {
      await context.clock.runFor(300);
      await page.mouse.click(...at(8, 9));
      await context.clock.runFor(700);
      await page.mouse.click(...at(20, 14), {button: 'right'});
      await page.keyboard.press('Escape');
      await page.mouse.click(...at(21, 22));
      await context.clock.runFor(5000);  // the pond comes to rest and the timer sleeps
      await page.mouse.click(...at(12, 25));
      await context.clock.runFor(650);
      saved = await downloaded(page, 'save');
      savedPond = await page.evaluate(PagePond);
      fs.writeFileSync(path.join(work, 'saved.txt'), saved);
      // The right press is kept, and the ticks of the rest are counted.
      assert.match(saved.toString(), /^# movra [^\n]*\n(.|\n)*\npress 1155 810 2\n(.|\n)*\ntick [1-9]\d+\npress /);
      assert.deepEqual(ReplayPond(path.join(work, 'saved.txt')), savedPond);
    });

    await t.test('the GIF made in the page has the frames of movra-replay --gif', async () => {
      const made = await downloaded(page, 'gif');
      fs.writeFileSync(path.join(work, 'page.gif'), made);
      execFileSync(replay, ['--gif', path.join(work, 'replay.gif'), '--scale', '2', path.join(work, 'saved.txt')]);
      const frames = (bytes) => page.evaluate(GifFrames, Array.from(bytes));
      const ours = await frames(made);
      assert.equal(ours.length, savedPond.ticks);
      assert.ok(ours[0].startsWith('240x238:100000:'), ours[0].slice(0, 20));
      const theirs = await frames(fs.readFileSync(path.join(work, 'replay.gif')));
      assert.ok(ours.every((frame, i) => frame === theirs[i]), 'frames differ');
      assert.equal(ours.length, theirs.length);
    });

    await t.test('a link made by the page plays to the same pond at the same tick in a fresh page', async () => {
      await page.locator('[data-command=link]').click();
      await page.waitForFunction(() => /ｺﾋﾟｰしました/.test(document.getElementById('session-message').textContent));
      const link = await page.evaluate(() => navigator.clipboard.readText());
      assert.ok(link.startsWith(`${server.url}#play=`), link);
      const fragment = Buffer.from(link.split('#play=')[1], 'base64url');
      assert.equal(zlib.inflateRawSync(fragment).toString(), saved.toString());
      const fresh = await context.newPage();
      try {
        await open(fresh, link);
        await fresh.waitForFunction(() => /再生しています/.test(document.getElementById('session-message').textContent));
        await runToTick(fresh, savedPond.ticks);
        assert.deepEqual(await fresh.evaluate(PagePond), savedPond);
        if (shots) await fresh.screenshot({path: `${shots}/link-playing.png`});
      } finally {
        await fresh.close();
      }
    });

    await t.test('docs/rain.txt, dropped or through a link made elsewhere, plays to movra-replay\'s pond', async () => {
      const rain = fs.readFileSync(path.join(root, 'docs/rain.txt'), 'utf8');
      const expected = ReplayPond(path.join(root, 'docs/rain.txt'));
      await page.evaluate(Drop, ['rain.txt', rain]);
      await runToTick(page, expected.ticks);
      assert.equal(await message(page), 'rain.txtを再生しています。');
      assert.deepEqual(await page.evaluate(PagePond), expected);
      const link = `${server.url}#play=${zlib.deflateRawSync(rain).toString('base64url')}`;
      console.log(`# the link for docs/rain.txt: ${link.length} characters, fragment ${link.split('#')[1].length}`);
      await open(page, link);
      await page.waitForFunction(() => /再生しています/.test(document.getElementById('session-message').textContent));
      await runToTick(page, expected.ticks);
      assert.deepEqual(await page.evaluate(PagePond), expected);
    });

    await t.test('a bad link and a bad file are said, and leave the pond as it was', async () => {
      await page.mouse.click(...at(15, 15));
      await context.clock.runFor(500);
      const before = await page.evaluate(PagePond);
      const says = async (text) => {
        await page.waitForFunction((want) => document.getElementById('session-message').textContent === want, text);
        assert.deepEqual(await page.evaluate(PagePond), before);
      };
      await page.evaluate(() => { location.hash = '#play=not*base64'; });
      await says('ﾘﾝｸを再生できません。\nnot base64url');
      if (shots) await page.screenshot({path: `${shots}/bad-link.png`});
      await page.evaluate(() => { location.hash = '#play=AAAA'; });
      await says('ﾘﾝｸを再生できません。\nnot raw DEFLATE data');
      await page.evaluate(Drop, ['bad.txt', 'press 935 455\ntcik 3\n']);
      await says('bad.txtを再生できません。\nline 2: unknown command \'tcik\'');
      await page.locator('#script-file').setInputFiles(path.join(root, 'docs/rain.gif'));
      await page.waitForFunction(() => /rain\.gifを再生できません。\nline 1: unknown command/.test(document.getElementById('session-message').textContent));
      assert.deepEqual(await page.evaluate(PagePond), before);
    });

    await t.test('a session too long for a link is said so, and the file offered', async () => {
      const presses = Array.from({length: 3000}, (_, i) => `press ${(i * 7919) % 1800} ${(i * 104729) % 1785} 1\n`);
      await page.evaluate(Drop, ['long.txt', presses.join('')]);
      await page.locator('[data-command=link]').click();
      await page.waitForFunction(() => /長すぎてﾘﾝｸにできません/.test(document.getElementById('session-message').textContent));
      assert.equal(await page.evaluate(() => document.activeElement.dataset.command), 'save');
    });

    assert.deepEqual(errors, []);
  } finally {
    await browser.close();
    server.stop();
    fs.rmSync(work, {recursive: true, force: true});
  }
});
