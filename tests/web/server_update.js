// A new release reaching a tablet, as a school updates its plain file
// server: the old release's files dated a month back (so the browser keeps
// its page as fresh for days), the new one's dated now. The tablet must
// show the new release by its second reload and keep it offline. And the
// same folder over plain http from the school's network: no service worker
// there (only secure pages have one), and the page runs without a word.
//   node server_update.js SERVER-FOLDER
'use strict';
const fs = require('fs');
const os = require('os');
const path = require('path');
const { Chromium } = require('./chromium');
const { serve, activeWorker } = require('./file_server');

const [folder] = process.argv.slice(2);

const { check, run } = require('./checks');

const buildMark = 'document.querySelector("meta[name=velmora-build]").content';
const monthAgo = new Date(Date.now() - 30 * 24 * 3600 * 1000);

// The served copy with every file dated `when`.
function copyDated(from, to, when) {
  fs.cpSync(from, to, { recursive: true });
  for (const name of fs.readdirSync(to, { recursive: true })) fs.utimesSync(path.join(to, name), when, when);
}

// The next release, as far as a tablet can tell: the page's build mark and
// the worker's store name change, and both files are new.
function publishNextRelease(served, oldBuild, newBuild) {
  for (const name of ['index.html', 'sw.js']) {
    const file = path.join(served, name);
    const text = fs.readFileSync(file, 'utf8');
    if (!text.includes(oldBuild)) throw new Error(`${name} does not name the build ${oldBuild}`);
    fs.writeFileSync(file, text.replaceAll(oldBuild, newBuild));
  }
}

async function reload(browser) {
  await browser.evaluate('window.velmoraBeforeReload = true');
  await browser.page.reload({ waitUntil: 'load', timeout: 15000 });
  await browser.until('window.velmoraBeforeReload === undefined && ' +
    'document.querySelector(".vm-window") !== null');
  return browser.evaluate(buildMark);
}

async function updateReachesTheTablet(served) {
  const server = await serve(served);
  const browser = await Chromium.open(server.url);
  try {
    await browser.until('document.querySelector(".vm-window") !== null');
    check(await activeWorker(browser) === 'activated', 'the old release is kept by its worker');
    const oldBuild = await browser.evaluate(buildMark);
    const newBuild = [...oldBuild].reverse().join('');
    publishNextRelease(served, oldBuild, newBuild);
    const askedBefore = server.requests.length;

    const first = await reload(browser);
    // The tablet's first reload is still served by the old worker, which
    // meanwhile finds the new one; that one takes over once it holds the
    // whole new release.
    await browser.until(`caches.keys().then((names) => names.join() === 'velmora-${newBuild}')`,
      10000);
    const second = await reload(browser);
    check(second === newBuild,
      `the tablet shows the new release by its second reload (saw ${first}, then ${second})`);
    const asked = server.requests.slice(askedBefore);
    check(asked.some((p) => p === '/' || p === '/index.html'),
      `the new worker asked the server for the page (asked: ${asked.join(' ')})`);

    await server.stop();
    check(await reload(browser) === newBuild, 'with the server gone, the new release opens');
    check(browser.consoleLines.length === 0, `the console stays clean: ${browser.consoleLines}`);
  } finally {
    await server.stop();
    await browser.close();
  }
}

async function quietOverPlainHttp(served) {
  const server = await serve(served);
  // The school's server by its name on the network: not the machine
  // itself, so not a secure page.
  const url = `http://velmora.school.example:${server.port}/`;
  const browser = await Chromium.open(url, {
    args: ['--host-resolver-rules=MAP velmora.school.example 127.0.0.1',
      '--disable-features=HttpsUpgrades'],
  });
  try {
    await browser.until('document.querySelector(".vm-window") !== null');
    check(await browser.evaluate('!window.isSecureContext && !navigator.serviceWorker'),
      'over plain http the page has no service worker');
    check(browser.consoleLines.length === 0 && !server.requests.includes('/sw.js'),
      `over plain http the page runs and says nothing: ${browser.consoleLines}`);
  } finally {
    await server.stop();
    await browser.close();
  }
}

async function main() {
  const work = fs.mkdtempSync(path.join(os.tmpdir(), 'velmora-update-'));
  try {
    copyDated(folder, path.join(work, 'update'), monthAgo);
    await updateReachesTheTablet(path.join(work, 'update'));
    copyDated(folder, path.join(work, 'plain'), monthAgo);
    await quietOverPlainHttp(path.join(work, 'plain'));
  } finally {
    fs.rmSync(work, { recursive: true, force: true });
  }
}

run(main);
