// Serving build/web/ on a free localhost port and driving Debian's Chromium
// headless with a fresh profile, for the end-to-end test and the screenshot.
'use strict';

const {spawn} = require('node:child_process');
const fs = require('node:fs');
const http = require('node:http');
const net = require('node:net');
const os = require('node:os');
const path = require('node:path');
const {chromium} = require('playwright-core');

const root = path.resolve(__dirname, '../../..');

// Without the networking flags Chromium keeps calling out of this closed network.
const CHROMIUM_FLAGS = ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
  '--disable-background-networking', '--disable-component-update', '--disable-sync'];

function FreePort() {
  return new Promise((resolve, reject) => {
    const server = net.createServer().once('error', reject);
    server.listen(0, '127.0.0.1', () => {
      const {port} = server.address();
      server.close(() => resolve(port));
    });
  });
}

function Answers(url) {
  return new Promise((resolve) => {
    http.get(url, (response) => { response.resume(); resolve(response.statusCode === 200); })
        .on('error', () => resolve(false));
  });
}

// Starts scripts/serve-web.sh and waits until it answers.
async function Serve() {
  const port = await FreePort();
  const server = spawn(path.join(root, 'scripts/serve-web.sh'), [String(port)], {stdio: 'ignore'});
  const url = `http://127.0.0.1:${port}/`;
  for (let i = 0; i < 100 && !(await Answers(url)); ++i) {
    if (server.exitCode !== null) throw new Error('scripts/serve-web.sh ended at once');
    await new Promise((r) => setTimeout(r, 100));
  }
  return {url, stop: () => server.kill()};
}

// A browser context on an empty user data dir, removed again by close().
async function Launch(options) {
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'movra-chromium-'));
  const context = await chromium.launchPersistentContext(profile, {
    executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
    headless: true,
    args: CHROMIUM_FLAGS,
    ...options,
  });
  const page = context.pages()[0] || (await context.newPage());
  return {
    context,
    page,
    close: async () => {
      await context.close();
      fs.rmSync(profile, {recursive: true, force: true});
    },
  };
}

module.exports = {Serve, Launch, FreePort};
