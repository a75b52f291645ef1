// The served page in headless Chromium: the pond on the canvas, presses by
// mouse and touch, the popup menu, the about box, the help, and the end.
'use strict';

const assert = require('node:assert/strict');
const test = require('node:test');
const {Serve, Launch} = require('./browser.js');

const CALM = 200;

// Runs in the page: the canvas read back cell by cell, and every device pixel
// checked against the colour the model says the cell shows.
function ReadPond() {
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
      for (let x = edge((col - 1) * 4); x < edge(col * 4); ++x)
        for (let y = edge((row - 1) * 4); y < edge(row * 4); ++y)
          if (rgb(x, y).join() !== want.join()) wrong.push(`cell ${col},${row} pixel ${x},${y}: ${rgb(x, y)}`);
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

    await t.test('a new pixel ratio repaints the pond sharp from the model', async () => {
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
