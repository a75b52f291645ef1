// How soon a first visit shows the pond: build/web/ served on localhost,
// opened in headless Chromium with a fresh profile (no cache, no service
// worker yet), five times on the loopback and five on a slow phone network;
// the median of each, in milliseconds from the navigation's start to the
// first animation frame after the form painted the pond.
// Usage: node first_frame.js (after scripts/build-web.sh); not a test.
'use strict';

const {Serve, Launch} = require('./browser.js');

const RUNS = 5;
// Chromium's own "Fast 3G": 1.6 Mbit/s down, 750 kbit/s up, 150 ms round trip,
// each scaled as its developer tools scale them.
const SLOW_NETWORK = {
  offline: false,
  latency: 150 * 3.75,
  downloadThroughput: (1.6 * 1024 * 1024 / 8) * 0.9,
  uploadThroughput: (750 * 1024 / 8) * 0.9,
};

// In the page before its scripts: the page sets movraPage right after the
// form's first paint of the pond, which the next animation frame shows.
function WatchFirstFrame() {
  Object.defineProperty(window, 'movraPage', {
    configurable: true,
    set(value) {
      Object.defineProperty(window, 'movraPage', {value, configurable: true, writable: true});
      requestAnimationFrame(() => { window.movraFirstFrameMs = performance.now(); });
    },
  });
}

async function FirstFrameMs(url, network) {
  const browser = await Launch({viewport: {width: 900, height: 500}});
  try {
    const {page, context} = browser;
    if (network) {
      const session = await context.newCDPSession(page);
      await session.send('Network.enable');
      await session.send('Network.emulateNetworkConditions', network);
    }
    await page.addInitScript(WatchFirstFrame);
    await page.goto(url);
    return await (await page.waitForFunction(() => window.movraFirstFrameMs, null, {timeout: 120000})).jsonValue();
  } finally {
    await browser.close();
  }
}

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

(async () => {
  const server = await Serve();
  try {
    for (const [name, network] of [['loopback', null], ['fast 3G', SLOW_NETWORK]]) {
      const times = [];
      for (let run = 0; run < RUNS; ++run) times.push(await FirstFrameMs(server.url, network));
      console.log(`${name}: median ${Math.round(median(times))} ms of ${times.map(Math.round).join(', ')}`);
    }
  } finally {
    server.stop();
  }
})().catch((error) => {
  console.error(error);
  process.exitCode = 1;
});
