// The server folder in headless Chromium: the page opened once from a web
// server registers its service worker and manifest, and comes back whole
// when the server has gone.
//   node server_offline.js SERVER-FOLDER
'use strict';
const { Chromium } = require('./chromium');
const { serve, activeWorker } = require('./file_server');

const [folder] = process.argv.slice(2);

const { check, run } = require('./checks');

async function main() {
  const server = await serve(folder);
  const browser = await Chromium.open(server.url, { width: 1024, height: 768 });
  try {
    await browser.until('document.querySelector(".vm-window") !== null');
    check(await activeWorker(browser) === 'activated', 'the service worker is active');
    const manifest = await browser.evaluate(`fetch(document.querySelector('link[rel=manifest]').href)
        .then((r) => r.json())`);
    check(manifest.icons.length > 0 && manifest.start_url === './', 'the manifest names the lamp');
    await server.stop();
    // A mark on the old page proves the menu below is the reloaded one.
    await browser.evaluate('window.velmoraBeforeReload = true');
    await browser.page.reload({ waitUntil: 'load', timeout: 15000 });
    await browser.until('window.velmoraBeforeReload === undefined && ' +
      'document.querySelector(".vm-window") !== null && document.fonts.ready');
    check(await browser.evaluate('document.title') === 'Velmora',
      'with the server gone, the page comes back with its menu');
  } finally {
    await server.stop();
    await browser.close();
  }
}

run(main);
