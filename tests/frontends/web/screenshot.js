// Takes a picture of the page after a few presses, with the about box and the
// popup menu open: node screenshot.js OUT.png
'use strict';

const {Serve, Launch} = require('./browser.js');

(async () => {
  const out = process.argv[2] || 'screenshot.png';
  const server = await Serve();
  const browser = await Launch({viewport: {width: 610, height: 250}, deviceScaleFactor: 2});
  try {
    const {page} = browser;
    await page.goto(server.url);
    await page.waitForFunction(() => window.movraPage && movraPage.ticks >= 2);
    const pond = await page.locator('#pond').boundingBox();
    const at = (x, y) => [pond.x + x, pond.y + y];
    await page.mouse.click(...at(100, 20), {button: 'right'});
    await page.keyboard.press('a');
    for (const [x, y] of [[40, 40], [85, 75], [30, 95]]) {
      await page.mouse.click(...at(x, y));
      await page.waitForTimeout(400);
    }
    await page.mouse.click(...at(70, 95), {button: 'right'});
    await page.screenshot({path: out});
  } finally {
    await browser.close();
    server.stop();
  }
})();
