// The server folder in headless Chromium: the page opened once from a web
// server registers its service worker and manifest, and comes back whole
// when the server has gone.
//   node server_offline.js SERVER-FOLDER
'use strict';
const { spawn } = require('child_process');
const path = require('path');
const { Chromium } = require('./chromium');

const [folder] = process.argv.slice(2);

let failures = 0;
function check(ok, what) {
  console.log(`${ok ? 'ok  ' : 'FAIL'} ${what}`);
  if (!ok) failures++;
}

// Python's own file server on a free port, which it names when it starts.
function serve() {
  const server = spawn('/usr/bin/python3',
    ['-u', '-m', 'http.server', '0', '--bind', '127.0.0.1', '-d', path.resolve(folder)],
    { stdio: ['ignore', 'pipe', 'ignore'] });
  return new Promise((resolve, reject) => {
    let said = '';
    server.stdout.on('data', (chunk) => {
      said += chunk;
      const port = /port (\d+)/.exec(said);
      if (port) resolve({ server, url: `http://127.0.0.1:${port[1]}/` });
    });
    server.on('exit', () => reject(new Error('the file server ended: ' + said)));
  });
}

async function main() {
  const { server, url } = await serve();
  const browser = await Chromium.open(url, { width: 1024, height: 768 });
  try {
    await browser.until('document.querySelector(".vm-window") !== null');
    // ready hands over the worker as soon as it starts activating; going
    // offline before it has finished would find nothing in its cache.
    check(await browser.evaluate(`navigator.serviceWorker.ready.then((r) => new Promise((done) => {
        const worker = r.active;
        if (worker.state === 'activated') return done(worker.state);
        worker.addEventListener('statechange', () => {
          if (worker.state === 'activated') done(worker.state);
        });
        setTimeout(() => done(worker.state), 5000);
      }))`) === 'activated', 'the service worker is active');
    const manifest = await browser.evaluate(`fetch(document.querySelector('link[rel=manifest]').href)
        .then((r) => r.json())`);
    check(manifest.icons.length > 0 && manifest.start_url === './', 'the manifest names the lamp');
    server.kill();
    await new Promise((resolve) => server.on('exit', resolve));
    // A mark on the old page proves the menu below is the reloaded one.
    await browser.evaluate('window.velmoraBeforeReload = true');
    await browser.page.reload({ waitUntil: 'load', timeout: 15000 });
    await browser.until('window.velmoraBeforeReload === undefined && ' +
      'document.querySelector(".vm-window") !== null && document.fonts.ready');
    check(await browser.evaluate('document.title') === 'Velmora',
      'with the server gone, the page comes back with its menu');
  } finally {
    server.kill();
    await browser.close();
  }
  if (failures) process.exit(1);
}

main().catch((error) => {
  console.error(error);
  process.exit(1);
});
