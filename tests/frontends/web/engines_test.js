// The served page in Firefox and in WebKitGTK: it loads without an error,
// ripples under a click, opens the menu and the about box in the design's
// colours, and registers its service worker.
'use strict';

const assert = require('node:assert/strict');
const {spawn} = require('node:child_process');
const fs = require('node:fs');
const path = require('node:path');
const test = require('node:test');
const {Serve, FreePort} = require('./browser.js');

// Runs in the page: what the test checks, read in one go.
function PageState() {
  if (!window.movraPage) return null;  // still loading
  const shown = [];
  for (let col = 1; col <= 29; ++col)
    for (let row = 1; row <= 29; ++row) shown.push((movraPage.shownColour(col, row) >> 16) & 255);
  const visible = (id) => getComputedStyle(document.getElementById(id)).display !== 'none' &&
                          document.getElementById(id).offsetWidth > 0;
  return {
    ticks: movraPage.ticks,
    stirred: shown.filter((blue) => blue !== 200).length,
    menu: visible('menu'),
    about: visible('about'),
    ok: ((style) => [style.appearance, style.color, style.backgroundColor])(
        getComputedStyle(document.getElementById('about-ok'))),
    errors: window.movraErrors || [],
  };
}

// The page's pond, in CSS pixels of the viewport.
function PondBox() {
  const box = document.getElementById('pond').getBoundingClientRect();
  return {x: box.x, y: box.y};
}

async function Until(what, read, check) {
  for (let i = 0; i < 100; ++i) {
    const state = await read();
    if (check(state)) return state;
    await new Promise((r) => setTimeout(r, 100));
  }
  throw new Error(`timed out waiting for ${what}`);
}

// One engine's run through the page, driven by the engine's own calls.
async function Visit(engine) {
  await engine.goto();
  const read = () => engine.evaluate(PageState);
  await Until('the first ticks', read, (s) => s && s.ticks >= 2);
  const pond = await engine.evaluate(PondBox);
  await engine.click(pond.x + 64.5, pond.y + 36.5, 'left');
  await Until('a ring', read, (s) => s.stirred > 0);
  await engine.click(pond.x + 64.5, pond.y + 36.5, 'right');
  await Until('the menu', read, (s) => s.menu);
  await engine.key('a');
  const state = await Until('the about box', read, (s) => s.about);
  // The page's own button, not the engine's, in the design's colours.
  assert.deepEqual(state.ok, ['none', 'rgb(0, 0, 0)', 'rgb(192, 192, 192)']);
  const registered = await engine.evaluate(() => navigator.serviceWorker.ready.then((r) => !!r.active));
  assert.ok(registered, 'no service worker');
  assert.deepEqual(state.errors, []);
}

// Firefox ESR over WebDriver BiDi, by puppeteer-core.
async function Firefox(url) {
  const puppeteer = require('puppeteer-core');
  const browser = await puppeteer.launch({browser: 'firefox', executablePath: '/usr/bin/firefox-esr', headless: true});
  const page = await browser.newPage();
  const errors = [];
  page.on('console', (message) => message.type() === 'error' && errors.push(message.text()));
  page.on('pageerror', (error) => errors.push(error.message));
  return {
    goto: () => page.goto(url),
    evaluate: async (fn) => {
      const result = await page.evaluate(fn);
      return result && result.errors ? {...result, errors: result.errors.concat(errors)} : result;
    },
    click: (x, y, button) => page.mouse.click(x, y, {button}),
    key: (key) => page.keyboard.press(key),
    close: () => browser.close(),
  };
}

// The MiniBrowser of webkit2gtk-driver's WebKitGTK, in the architecture's folder.
function MiniBrowser() {
  for (const lib of fs.readdirSync('/usr/lib')) {
    const binary = path.join('/usr/lib', lib, 'webkit2gtk-4.1/MiniBrowser');
    if (fs.existsSync(binary)) return binary;
  }
  throw new Error('no MiniBrowser under /usr/lib/*/webkit2gtk-4.1');
}

// WebKitGTK's MiniBrowser under its WebDriver, by selenium-webdriver; it
// needs a display, which xvfb-run gives.
async function WebKit(url) {
  const {Builder, Button} = require('selenium-webdriver');
  const port = await FreePort();
  const server = spawn('WebKitWebDriver', [`--port=${port}`], {stdio: 'ignore'});
  await new Promise((r) => setTimeout(r, 500));
  const driver = await new Builder().usingServer(`http://127.0.0.1:${port}`).withCapabilities({
    'browserName': 'MiniBrowser',
    'webkitgtk:browserOptions': {binary: MiniBrowser(), args: ['--automation']},
  }).build();
  const at = (x, y) => ({x: Math.round(x), y: Math.round(y), origin: 'viewport'});
  return {
    goto: async () => {
      await driver.get(url);
      // No console of the page to read here: uncaught errors from now on.
      await driver.executeScript(() => {
        window.movraErrors = [];
        window.addEventListener('error', (e) => window.movraErrors.push(e.message));
      });
    },
    evaluate: (fn) => driver.executeScript(fn),
    click: (x, y, button) => {
      const which = button === 'right' ? Button.RIGHT : Button.LEFT;
      return driver.actions({async: true}).move(at(x, y)).press(which).release(which).perform();
    },
    key: (key) => driver.actions({async: true}).sendKeys(key).perform(),
    close: async () => {
      await driver.quit();
      server.kill();
    },
  };
}

for (const [name, open] of [['Firefox', Firefox], ['WebKitGTK', WebKit]]) {
  test(`the page in ${name}`, async () => {
    const server = await Serve();
    const engine = await open(server.url);
    try {
      await Visit(engine);
    } finally {
      await engine.close();
      server.stop();
    }
  });
}
