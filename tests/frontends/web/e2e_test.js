// The served page in headless Chromium: the pond on the canvas, presses by
// mouse and touch, the popup menu, the about box, the help, and the end.
'use strict';

const assert = require('node:assert/strict');
const fs = require('node:fs');
const test = require('node:test');
const {Serve, Launch} = require('./browser.js');

const CALM = 200;

// Runs in the page: the canvas read back cell by cell, and every device pixel
// checked against the colour the model says the cell shows; with the
// keyboard's cursor at [col, row], the yellow frame one pixel wide round that cell.
function ReadPond(cursor = null) {
  const canvas = document.getElementById('pond');
  const scale = canvas.width / 120;
  const pixels = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data;
  const rgb = (x, y) => Array.from(pixels.subarray((y * canvas.width + x) * 4, (y * canvas.width + x) * 4 + 3));
  const edge = (px) => Math.round(px * scale);
  const wrong = [];
  const blue = [];  // blue[col][row] as read from the canvas
  for (let col = 1; col <= 29; ++col) {
    blue[col] = [];
    for (let row = 1; row <= 29; ++row) {
      const c = movraPage.shownColour(col, row);
      const want = [c & 255, (c >> 8) & 255, (c >> 16) & 255];
      blue[col][row] = rgb(edge((col - 1) * 4), edge((row - 1) * 4))[2];
      const framed = cursor && cursor[0] === col && cursor[1] === row;
      const inside = (p, cell) => p >= edge((cell - 1) * 4 + 1) && p < edge(cell * 4 - 1);
      for (let x = edge((col - 1) * 4); x < edge(col * 4); ++x)
        for (let y = edge((row - 1) * 4); y < edge(row * 4); ++y) {
          const colour = framed && !(inside(x, col) && inside(y, row)) ? [255, 255, 0] : want;
          if (rgb(x, y).join() !== colour.join()) wrong.push(`cell ${col},${row} pixel ${x},${y}: ${rgb(x, y)}`);
        }
    }
  }
  // The strip right of and below the 29 by 29 cells is never painted.
  for (let x = 0; x < canvas.width; ++x)
    for (let y = 0; y < canvas.height; ++y)
      if ((x >= edge(116) || y >= edge(116)) && rgb(x, y).join() !== '240,240,240')
        wrong.push(`strip pixel ${x},${y}: ${rgb(x, y)}`);
  return {width: canvas.width, height: canvas.height, wrong: wrong.slice(0, 5), wrongCount: wrong.length, blue};
}

// Cells of a blue other than calm, with their distance from (col, row) in cells.
function Disturbed(blue, col, row) {
  const found = [];
  for (let c = 1; c <= 29; ++c)
    for (let r = 1; r <= 29; ++r)
      if (blue[c][r] !== CALM) found.push(Math.max(Math.abs(c - col), Math.abs(r - row)));
  return found;
}

// The tick count and the colour of cell (col, row) at the first instant the
// count reaches until: a press's ring shows there on its second tick.
const ringOn = async (page, col, row, until) => (await page.waitForFunction(([col, row, until]) =>
  movraPage.ticks >= until && [movraPage.ticks, movraPage.shownColour(col, row)], [col, row, until])).jsonValue();

test('the page in headless Chromium', async (t) => {
  const server = await Serve();
  const browser = await Launch({viewport: {width: 900, height: 500}, deviceScaleFactor: 2, hasTouch: true});
  const {page} = browser;
  const errors = [];
  page.on('pageerror', (error) => errors.push(error.message));
  page.on('console', (message) => message.type() === 'error' && errors.push(message.text()));
  const ticks = () => page.evaluate(() => movraPage.ticks);
  const waitTicks = async (n) => {
    const start = await ticks();
    await page.waitForFunction((until) => movraPage.ticks >= until, start + n);
  };
  const menuVisible = () => page.locator('#menu').isVisible();

  try {
    await page.goto(server.url);
    await page.waitForFunction(() => window.movraPage && movraPage.ticks >= 2);
    const pond = await page.locator('#pond').boundingBox();
    // A point inside the pond, in CSS pixels from its inner top-left corner.
    const at = (x, y) => [pond.x + x + 0.5, pond.y + y + 0.5];

    await t.test('the calm pond, painted in device pixels', async () => {
      assert.equal(await page.title(), 'Movra Ver0.61');
      assert.equal(await page.locator('#main-window .title-bar').textContent(), 'Movra Ver0.61');
      assert.deepEqual([pond.width, pond.height], [120, 119]);
      assert.equal(await page.locator('#main-client').evaluate((e) => `${e.offsetWidth}x${e.offsetHeight}`), '123x121');
      const state = await page.evaluate(ReadPond);
      assert.deepEqual([state.width, state.height], [240, 238]);
      assert.equal(state.wrongCount, 0, state.wrong.join('\n'));
      assert.deepEqual(Disturbed(state.blue, 1, 1), []);
    });

    await t.test('the right button opens the menu at the mouse and drops nothing', async () => {
      await page.evaluate(() => window.addEventListener('contextmenu', (e) => { window.suppressed = e.defaultPrevented; }));
      const [x, y] = at(64, 36);
      await page.mouse.click(x, y, {button: 'right'});
      assert.ok(await menuVisible());
      assert.equal(await page.evaluate(() => window.suppressed), true, 'the browser\'s own menu is not suppressed');
      const menu = await page.locator('#menu').boundingBox();
      // Mouse events carry whole CSS pixels.
      assert.ok(Math.abs(menu.x - x) <= 1 && Math.abs(menu.y - y) <= 1, `menu at ${menu.x}, ${menu.y}`);
      const items = await page.locator('#menu [role=menuitem]').evaluateAll((list) => list.map((item) =>
        [item.textContent, item.querySelector('u').textContent]));
      assert.deepEqual(items, [['Movraﾍﾙﾌﾟ(H)', 'H'], ['ﾊﾞｰｼﾞｮﾝ情報(A)', 'A'], ['終了(X)', 'X']]);
      assert.equal(await page.locator('#menu [role=separator]').count(), 1);
      await page.keyboard.press('Escape');
      assert.ok(!(await menuVisible()));
      await waitTicks(4);
      const state = await page.evaluate(ReadPond);
      assert.deepEqual(Disturbed(state.blue, 17, 10), []);
    });

    await t.test('a click drops a source and a ring spreads round it', async () => {
      await page.mouse.click(...at(64, 36));  // column 17, row 10
      // The pond takes the focus for its keys, without the keyboard's ring.
      assert.deepEqual(await page.evaluate(() => [document.activeElement.id, document.activeElement.matches(':focus-visible')]),
          ['pond', false]);
      await waitTicks(6);
      const state = await page.evaluate(ReadPond);
      assert.equal(state.wrongCount, 0, state.wrong.join('\n'));
      const distances = Disturbed(state.blue, 17, 10);
      assert.ok(distances.length > 0, 'no ring');
      assert.ok(Math.max(...distances) <= 12, `disturbed cells as far as ${Math.max(...distances)} cells`);
    });

    await t.test('a touch drops a source', async () => {
      await page.touchscreen.tap(...at(20, 92));  // column 6, row 24
      await waitTicks(6);
      const state = await page.evaluate(ReadPond);
      assert.equal(state.wrongCount, 0, state.wrong.join('\n'));
      assert.ok(Disturbed(state.blue, 6, 24).some((d) => d <= 3), 'no ring round the touched cell');
    });

    await t.test('the middle button, and left and right together, drop sources', async () => {
      const fresh = await page.context().newPage();
      try {
        await fresh.goto(server.url);
        await fresh.waitForFunction(() => window.movraPage && movraPage.ticks >= 2);
        const box = await fresh.locator('#pond').boundingBox();
        const ringNear = async (col, row) => {
          const start = await fresh.evaluate(() => movraPage.ticks);
          await fresh.waitForFunction((until) => movraPage.ticks >= until, start + 4);
          return Disturbed((await fresh.evaluate(ReadPond)).blue, col, row);
        };
        await fresh.mouse.move(box.x + 104.5, box.y + 104.5);  // column 27, row 27
        await fresh.mouse.down({button: 'middle'});
        await fresh.mouse.up({button: 'middle'});
        const middle = await ringNear(27, 27);
        assert.ok(middle.length > 0 && Math.max(...middle) <= 4, `middle: ${middle}`);

        await fresh.mouse.move(box.x + 8.5, box.y + 8.5);  // column 3, row 3
        await fresh.mouse.down({button: 'left'});
        await fresh.mouse.down({button: 'right'});  // the code is 3, not 2
        await fresh.mouse.up({button: 'right'});
        await fresh.mouse.up({button: 'left'});
        assert.ok(!(await fresh.locator('#menu').isVisible()), 'left and right together opened the menu');
        assert.ok((await ringNear(3, 3)).some((d) => d <= 2), 'no ring round the chord press');
      } finally {
        await fresh.close();
      }
    });

    await t.test('by keyboard: Tab reaches the pond first, keys move its cursor, drop there and open the menu', async () => {
      const fresh = await page.context().newPage();
      const session = await fresh.context().newCDPSession(fresh);
      const shots = process.env.MOVRA_SHOTS;  // a folder for the pictures, if set
      // The cursor drawn sharp at the browser's zoom (which divides the
      // viewport as it multiplies the ratio), seen (where asked) in a screenshot.
      const seen = async (ratio, name) => {
        await session.send('Emulation.setDeviceMetricsOverride',
            {width: 900 / ratio, height: 600 / ratio, deviceScaleFactor: ratio, mobile: false});
        await fresh.waitForFunction((width) => document.getElementById('pond').width === width, 120 * ratio);
        const state = await fresh.evaluate(ReadPond, [18, 17]);
        assert.equal(state.wrongCount, 0, state.wrong.join('\n'));
        // By the protocol itself: Playwright's screenshot puts its own ratio back.
        const shot = shots && await session.send('Page.captureScreenshot', {clip: {x: 0, y: 0, width: 150, height: 150, scale: 1}});
        if (shots) fs.writeFileSync(`${shots}/cursor-${name}-${ratio}x.png`, Buffer.from(shot.data, 'base64'));
      };
      const status = () => fresh.locator('#pond-status').textContent();
      try {
        await fresh.goto(server.url);
        await fresh.waitForFunction(() => window.movraPage && movraPage.ticks >= 2);
        await fresh.keyboard.press('Tab');
        assert.deepEqual(await fresh.evaluate(() => [document.activeElement.id, document.activeElement.matches(':focus-visible')]),
            ['pond', true]);
        // Whether the pond's keys were kept from the browser (which would scroll or open its menu).
        await fresh.evaluate(() => {
          window.keptKeys = [];
          document.addEventListener('keydown', (e) => e.target.id === 'pond' && !['Shift', 'Control'].includes(e.key) &&
              keptKeys.push(e.defaultPrevented || e.key));
        });
        for (const key of ['ArrowRight', 'ArrowRight', 'ArrowRight', 'ArrowDown', 'ArrowDown']) await fresh.keyboard.press(key);
        assert.equal(await status(), 'column 18, row 17');
        for (const ratio of [1, 3]) await seen(ratio, 'calm');
        const ticks = await fresh.evaluate(() => movraPage.ticks);
        await fresh.keyboard.press('Space');
        assert.equal(await status(), 'drop, column 18, row 17');
        assert.deepEqual(await ringOn(fresh, 18, 17, ticks + 2), [ticks + 2, 235 * 65536], 'no ring on the cursor\'s cell');
        for (const ratio of [3, 1]) await seen(ratio, 'stirred');

        await fresh.keyboard.press('Shift+F10');
        assert.equal(await status(), 'menu open');
        const menu = await fresh.locator('#menu').boundingBox();
        const box = await fresh.locator('#pond').boundingBox();
        assert.deepEqual([menu.x, menu.y], [box.x + 17 * 4 + 1, box.y + 16 * 4 + 1], 'the menu not at the cursor\'s cell');
        const focused = () => fresh.evaluate(() => document.activeElement.dataset.command ?? document.activeElement.id);
        assert.equal(await focused(), 'help');
        await fresh.keyboard.press('ArrowDown');
        assert.equal(await focused(), 'version');
        await fresh.keyboard.press('Escape');
        assert.ok(!(await fresh.locator('#menu').isVisible()));
        assert.equal(await focused(), 'pond');
        await fresh.keyboard.press('ContextMenu');
        await fresh.keyboard.press('ArrowDown');
        await fresh.keyboard.press('Enter');
        assert.equal(await focused(), 'about-ok');
        await fresh.keyboard.press('Enter');
        assert.equal(await focused(), 'pond', 'the about box did not give the focus back');
        for (const key of ['End', 'PageDown']) await fresh.keyboard.press(key);
        assert.equal(await status(), 'column 29, row 29');
        for (const key of ['Home', 'PageUp', 'Control+ArrowRight', 'Shift+ArrowDown']) await fresh.keyboard.press(key);
        assert.equal(await status(), 'column 6, row 6');
        assert.deepEqual(await fresh.evaluate(() => keptKeys), Array(14).fill(true));

        const presses = (await fresh.evaluate(() => movraPage.recording())).split('\n').filter((line) => line.startsWith('press'));
        // A quarter of a cell into the cell, twips: a drop, then the two menus' right presses.
        assert.deepEqual(presses, ['press 1035 975 1', 'press 1035 975 2', 'press 1035 975 2']);
      } finally {
        await fresh.close();
      }
    });

    await t.test('full screen: the pond alone at the largest whole factor, centred on black, pressed on the right cell', async () => {
      await page.locator('#full-screen').click();
      await page.waitForFunction(() => document.fullscreenElement);
      const screen = await page.evaluate(() => {
        const main = document.querySelector('main');
        return {ratio: devicePixelRatio, width: main.clientWidth * devicePixelRatio, height: main.clientHeight * devicePixelRatio,
          background: getComputedStyle(main).backgroundColor};
      });
      const factor = Math.min(Math.floor(screen.width / 120), Math.floor(screen.height / 119));
      await page.waitForFunction((width) => document.getElementById('pond').width === width, 120 * factor);
      const box = await page.locator('#pond').boundingBox();
      const device = [box.x, box.y, box.width, box.height].map((css) => css * screen.ratio);
      assert.deepEqual(device, [Math.floor((screen.width - 120 * factor) / 2), Math.floor((screen.height - 119 * factor) / 2),
        120 * factor, 119 * factor], `${JSON.stringify(screen)}: factor ${factor}`);
      assert.equal(screen.background, 'rgb(0, 0, 0)');
      const perPixel = box.width / 120;  // CSS px per logical pixel
      const ticks = await page.evaluate(() => movraPage.ticks);
      // The cell's first pixel: the press rule is centred on cell corners.
      await page.mouse.click(box.x + (21 * 4 + 0.5) * perPixel, box.y + (18 * 4 + 0.5) * perPixel);  // column 22, row 19
      assert.deepEqual(await ringOn(page, 22, 19, ticks + 2), [ticks + 2, 235 * 65536], 'no ring on the pressed cell');
      const state = await page.evaluate(ReadPond);
      assert.equal(state.wrongCount, 0, state.wrong.join('\n'));
      if (process.env.MOVRA_SHOTS) await page.screenshot({path: `${process.env.MOVRA_SHOTS}/full-screen.png`});
      await page.evaluate(() => document.exitFullscreen());
      await page.waitForFunction(() => document.getElementById('pond').width === 240);
      assert.deepEqual(await page.locator('#pond').boundingBox(), pond);
    });

    await t.test('the rain command drops by itself until pressed again', async () => {
      const rain = page.locator('#rain');
      await rain.click();
      assert.equal(await rain.getAttribute('aria-pressed'), 'true');
      // A drop is due within 19 ticks, recorded as a left press; its ring on the canvas as in the model.
      const pressed = await page.evaluate(() => movraPage.recording().split('\npress ').length);
      await page.waitForFunction((before) => movraPage.recording().split('\npress ').length > before, pressed);
      await waitTicks(3);
      assert.equal((await page.evaluate(ReadPond)).wrongCount, 0);
      await rain.click();
      assert.equal(await rain.getAttribute('aria-pressed'), 'false');
    });

    await t.test('a new pixel ratio repaints the pond sharp from the model', async () => {
      // Ticks running: an emulated ratio alone fires no event for a pond at rest.
      await page.mouse.click(...at(64, 36));
      const session = await page.context().newCDPSession(page);
      await session.send('Emulation.setDeviceMetricsOverride',
          {width: 900, height: 500, deviceScaleFactor: 1.5, mobile: false});
      await page.waitForFunction(() => document.getElementById('pond').width === 180);
      const state = await page.evaluate(ReadPond);
      assert.deepEqual([state.width, state.height], [180, 179]);
      assert.equal(state.wrongCount, 0, state.wrong.join('\n'));
      assert.ok(Disturbed(state.blue, 17, 10).length > 0, 'the ripples were not repainted');
      await session.detach();
    });

    await t.test('a press while the menu is open only closes it', async () => {
      await page.mouse.click(...at(100, 100), {button: 'right'});
      assert.ok(await menuVisible());
      await page.mouse.click(...at(10, 10));
      assert.ok(!(await menuVisible()));
    });

    await t.test('the version item shows the about box, key A or a click', async () => {
      await page.mouse.click(...at(100, 20), {button: 'right'});
      await page.keyboard.press('a');
      assert.ok(!(await menuVisible()));
      const about = page.locator('#about');
      assert.ok(await about.isVisible());
      assert.equal(await about.locator('.title-bar span').textContent(), 'MovraVer0.61のﾊﾞｰｼﾞｮﾝ情報');
      const labels = await about.locator('.label').evaluateAll((list) => list.map((l) => l.textContent));
      assert.deepEqual(labels, [
        'MovraVer0.61',
        '企画・製造：Movra\u3000\u3000設計：Movra',
        '質問等は以下のメールアドレスまたは掲示板まで。',
        '[メール]\u3000 movra@example.invalid',
        '[掲示板]\u3000https://example.invalid/movra/',
      ]);
      const cut = await about.locator('.label').evaluateAll((list) =>
        list.filter((l) => l.scrollWidth > l.clientWidth).map((l) => l.id));
      assert.deepEqual(cut, [], 'labels cut off');
      assert.equal(await page.evaluate(() => document.activeElement.textContent), 'ＯＫ');
      assert.equal(await about.locator('.client').evaluate((e) => `${e.offsetWidth}x${e.offsetHeight}`), '331x207');
      await page.keyboard.press('Escape');
      assert.ok(await about.isVisible(), 'Esc closed the about box');
      await page.keyboard.press('Enter');
      assert.ok(!(await about.isVisible()));

      await page.mouse.click(...at(100, 20), {button: 'right'});
      await page.locator('#menu [data-command=version]').click();
      assert.ok(await about.isVisible());
      await about.locator('button.ok').click();
      assert.ok(!(await about.isVisible()));
    });

    await t.test('the help item shows the help document, key H', async () => {
      await page.mouse.click(...at(100, 20), {button: 'right'});
      await page.keyboard.press('h');
      assert.ok(await page.locator('#help').isVisible());
      const heading = page.frameLocator('#help iframe').locator('h1');
      assert.equal(await heading.textContent(), 'Movra ヘルプ');
      assert.match(await page.frameLocator('#help iframe').locator('body').textContent(), /Shift\+F10/, 'no keys in the help');
    });

    await t.test('the end item stops the timer and says that Movra has ended', async () => {
      await page.mouse.click(...at(100, 20), {button: 'right'});
      await page.locator('#menu [data-command=end]').click();
      assert.ok(await page.locator('#ended').isVisible());
      assert.equal((await page.locator('#ended').innerText()).trim(), 'Movraは終了しました。');
      for (const panel of ['#main-window', '#help', '#about', '#menu'])
        assert.ok(!(await page.locator(panel).isVisible()), `${panel} still shown`);
      const stopped = await ticks();
      await page.waitForTimeout(600);
      assert.equal(await ticks(), stopped);
      await page.evaluate(() => document.getElementById('pond').dispatchEvent(
          new MouseEvent('mousedown', {buttons: 2, button: 2, bubbles: true})));
      assert.ok(!(await menuVisible()), 'a press still acts after the end');
    });

    assert.deepEqual(errors, []);
  } finally {
    await browser.close();
    server.stop();
  }
});

// Runs in the page before its scripts: the callbacks of the timers pond.js
// sets, and the time and tick count of each press, for the rest checks; and
// any policy violation as a console error.
function Watch() {
  window.pageTimers = [];
  for (const name of ['setTimeout', 'setInterval']) {
    const real = window[name];
    window[name] = (callback, ...rest) => (/\/pond\.js/.test(new Error().stack)
      ? real(() => { pageTimers.push(performance.now()); callback(); }, ...rest)
      : real(callback, ...rest));
  }
  document.addEventListener('mousedown', () => { window.pressedAt = [performance.now(), movraPage.ticks]; }, true);
  document.addEventListener('securitypolicyviolation', (e) => console.error(`policy: ${e.violatedDirective}`));
}

test('the page as an app: structure, installing, resting, the app window, offline', async (t) => {
  const server = await Serve();
  const browser = await Launch({viewport: {width: 400, height: 300}});
  const {context, page} = browser;
  const errors = [];
  context.on('weberror', (error) => errors.push(error.error().message));
  context.on('console', (message) => message.type() === 'error' && errors.push(message.text()));
  await context.addInitScript(Watch);
  const started = (p) => p.waitForFunction(() => window.movraPage && movraPage.ticks >= 2);
  const cell = (box, col, row, zoom = 1) => [box.x + ((col - 1) * 4 + 0.5) * zoom, box.y + ((row - 1) * 4 + 0.5) * zoom];

  try {
    await page.goto(server.url);
    await started(page);
    const pond = await page.locator('#pond').boundingBox();

    await t.test('an audit finds nothing but the about title\'s chosen colour', async () => {
      await page.evaluate(fs.readFileSync(require.resolve('axe-core/axe.min.js'), 'utf8'));
      const audit = () => page.evaluate(async () => (await axe.run()).violations.map((v) => [v.id, v.nodes.map((n) => `${n.target}`)]));
      await page.mouse.click(...cell(pond, 20, 20), {button: 'right'});
      assert.deepEqual(await audit(), []);
      await page.keyboard.press('a');
      assert.deepEqual(await audit(), [['color-contrast', ['#label1']]]);
      await page.keyboard.press('Enter');
      assert.equal(await page.getByRole('application', {name: 'Movra pond'}).count(), 1);
    });

    await t.test('the manifest and its icons make the page installable', async () => {
      const manifest = await page.evaluate(async () => {
        const link = document.querySelector('link[rel=manifest]');
        const fields = await (await fetch(link.href)).json();
        for (const icon of fields.icons) {
          const image = new Image();
          image.src = new URL(icon.src, link.href);
          await image.decode();
          icon.drawn = `${image.naturalWidth}x${image.naturalHeight}`;
        }
        return fields;
      });
      assert.deepEqual([manifest.name, manifest.display, manifest.start_url, manifest.scope],
          ['Movra', 'standalone', './', './']);
      assert.deepEqual(manifest.icons.map((i) => [i.drawn, i.sizes, i.purpose ?? 'any']),
          [['192x192', '192x192', 'any'], ['512x512', '512x512', 'any'], ['512x512', '512x512', 'maskable']]);
      const session = await context.newCDPSession(page);
      assert.deepEqual((await session.send('Page.getInstallabilityErrors')).installabilityErrors, []);
    });

    await t.test('at rest no timer runs, and a press restarts ticks on the old grid', async () => {
      const timers = () => page.evaluate(() => pageTimers.length);
      const resting = await timers();
      await page.waitForTimeout(2000);
      assert.equal(await timers(), resting, 'timer callbacks at rest');
      // A zoom to 200 % at rest: the ratio doubles and the viewport halves.
      const session = await context.newCDPSession(page);
      const emulate = (width, height, deviceScaleFactor) => session.send('Emulation.setDeviceMetricsOverride',
          {width, height, deviceScaleFactor, mobile: false});
      await emulate(200, 150, 2);
      await page.waitForFunction(() => document.getElementById('pond').width === 240);
      assert.equal((await page.evaluate(ReadPond)).wrongCount, 0);
      await emulate(400, 300, 1);
      await page.waitForFunction(() => document.getElementById('pond').width === 120);
      assert.equal(await timers(), resting, 'timer callbacks at rest');
      // Pressed halfway between two ticks, where a timer started afresh would be 50 ms off.
      await page.waitForFunction(() => (performance.now() - pageTimers.at(-1)) % 100 >= 45);
      await page.mouse.click(...cell(pond, 17, 10));
      const [pressed, ticks] = await page.evaluate(() => pressedAt);
      const shown = await (await page.waitForFunction((until) => movraPage.ticks >= until &&
          [movraPage.ticks, movraPage.shownColour(17, 10)], ticks + 2)).jsonValue();
      assert.deepEqual(shown, [ticks + 2, 235 * 65536], 'the ring on the second tick');
      const times = await page.evaluate((at) => [pageTimers.filter((when) => when < at).at(-1),
        pageTimers.find((when) => when > at)], pressed);
      const off = Math.abs(((times[1] - times[0] + 50) % 100) - 50);
      assert.ok(times[1] - pressed < 100 && off < 25, `first tick ${times[1] - pressed} ms after the press, ${off} ms off the grid`);
    });

    await t.test('installed, the pond grows by whole pixels and presses map through the factor', async () => {
      await (await context.newCDPSession(page)).send('PWA.install', {manifestId: server.url});
      const session = await context.browser().newBrowserCDPSession();
      await session.send('PWA.changeAppUserSettings', {manifestId: server.url, displayMode: 'standalone'});
      const [app] = await Promise.all([context.waitForEvent('page'), session.send('PWA.launch', {manifestId: server.url})]);
      try {
        await started(app);
        assert.ok(await app.evaluate(() => matchMedia('(display-mode: standalone)').matches));
        // 400 by 300 fits the client area (123 by 121) twice; no title bar or frame above it.
        const box = await app.locator('#pond').boundingBox();
        assert.deepEqual(box, {x: 4, y: 2, width: 240, height: 238});
        await app.mouse.click(...cell(box, 22, 19, 2));
        await app.waitForFunction(() => movraPage.ticks >= 2 + pressedAt[1]);
        const state = await app.evaluate(ReadPond);
        assert.deepEqual([state.width, state.height, state.wrongCount], [240, 238, 0], state.wrong.join('\n'));
        const ring = Disturbed(state.blue, 22, 19);
        assert.ok(ring.includes(0) && Math.max(...ring) <= 2, `disturbed cells ${ring} from the pressed one`);
      } finally {
        await app.close();
      }
    });

    await t.test('kept by the service worker, the page starts, rings and opens its panels offline', async () => {
      await page.waitForFunction(() => navigator.serviceWorker.controller);
      await page.reload();
      assert.ok(await page.evaluate(() => navigator.serviceWorker.controller !== null), 'no service worker');
      server.stop();
      await page.reload();
      await started(page);
      await page.mouse.click(...cell(pond, 6, 24));
      await page.waitForFunction(() => movraPage.ticks >= 4 + pressedAt[1]);
      const ring = Disturbed((await page.evaluate(ReadPond)).blue, 6, 24);
      assert.ok(ring.length > 0 && Math.max(...ring) <= 4, `disturbed cells ${ring} from the pressed one`);
      await page.mouse.click(...cell(pond, 20, 20), {button: 'right'});
      await page.keyboard.press('h');
      assert.equal(await page.frameLocator('#help iframe').locator('h1').textContent(), 'Movra ヘルプ');
      await page.locator('#help .close').click();  // kept inside the 400 px viewport, it covers the pond
      await page.mouse.click(...cell(pond, 20, 20), {button: 'right'});
      await page.keyboard.press('a');
      assert.ok(await page.locator('#about').isVisible());
    });

    assert.deepEqual(errors, []);
  } finally {
    await browser.close();
    server.stop();
  }
});

test('on a phone: the pond enlarged, a long press opens the menu, panels inside the screen', async () => {
  const server = await Serve();
  const browser = await Launch({viewport: {width: 390, height: 844}, deviceScaleFactor: 2, isMobile: true, hasTouch: true});
  const {page} = browser;
  const errors = [];
  page.on('pageerror', (error) => errors.push(error.message));
  const shots = process.env.MOVRA_SHOTS;  // a folder for the pictures, if set
  const inside = async (selector) => {
    const box = await page.locator(selector).boundingBox();
    assert.ok(box.x >= 0 && box.y >= 0 && box.x + box.width <= 390 && box.y + box.height <= 844,
        `${selector} at ${JSON.stringify(box)}`);
  };
  try {
    await page.goto(server.url);
    await page.waitForFunction(() => window.movraPage && movraPage.ticks >= 2);
    // 390 px fit the client area three times beside the window's 3 px frame.
    const pond = await page.locator('#pond').boundingBox();
    assert.deepEqual([pond.width, pond.height], [360, 357]);
    const [x, y] = [pond.x + (21 * 4 + 2) * 3, pond.y + (18 * 4 + 2) * 3];  // column 22, row 19
    const tapped = await page.evaluate(() => movraPage.ticks);
    await page.touchscreen.tap(x, y);
    await page.waitForFunction((until) => movraPage.ticks >= until, tapped + 4);
    const state = await page.evaluate(ReadPond);
    assert.deepEqual([state.width, state.wrongCount], [720, 0], state.wrong.join('\n'));
    const ring = Disturbed(state.blue, 22, 19);
    assert.ok(ring.includes(0) && Math.max(...ring) <= 4, `disturbed cells ${ring} from the tapped one`);
    assert.ok(!(await page.locator('#menu').isVisible()), 'a tap opened the menu');

    const session = await page.context().newCDPSession(page);
    // Held until the menu shows; a tap that opened it would have failed above.
    const longPress = async (x, y) => {
      await session.send('Input.dispatchTouchEvent', {type: 'touchStart', touchPoints: [{x, y}]});
      await page.locator('#menu').waitFor();
      await session.send('Input.dispatchTouchEvent', {type: 'touchEnd', touchPoints: []});
    };
    await longPress(pond.x + 300, pond.y + 300);
    await inside('#menu');
    if (shots) await page.screenshot({path: `${shots}/phone-menu.png`});
    await page.locator('#menu [data-command=help]').tap();
    await inside('#help');
    if (shots) await page.screenshot({path: `${shots}/phone-help.png`});
    await page.locator('#help .close').tap();
    await longPress(pond.x + 30, pond.y + 30);
    await page.locator('#menu [data-command=version]').tap();
    await inside('#about');
    await inside('#about-ok');
    if (shots) await page.screenshot({path: `${shots}/phone-about.png`});
    assert.deepEqual(errors, []);
  } finally {
    await browser.close();
    server.stop();
  }
});
