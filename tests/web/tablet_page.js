// The release page on a tablet, in headless Chromium with real touch:
// opened from file:// with nothing fetched, in landscape and portrait the
// window fills the screen, the texts are in the page's own faces, every
// button takes a finger of 34 CSS pixels (an option as much as its
// neighbours leave it), and a tap on the metal
// starts the heat where the finger is.
//   node tablet_page.js PAGE.html OUTPUT-FOLDER
'use strict';
const fs = require('fs');
const path = require('path');
const { Chromium, sleep } = require('./chromium');

const [page, out] = process.argv.slice(2);
const rodButton = [3240, 2300];  // twips of the menu's client area
const rodMetal = [2400, 2347];  // twips of the rod window's client area

const helpers = `
  window.front = () => [...document.querySelectorAll('.vm-window')]
      .filter((w) => w.style.display !== 'none')
      .sort((a, b) => b.style.zIndex - a.style.zIndex)[0];
  // A point of the front window's client area in twips, on the screen.
  window.onScreen = (x, y) => {
    const client = front().querySelector('.vm-client');
    const r = client.getBoundingClientRect();
    const scale = r.width / client.offsetWidth;
    return [r.left + x / 15 * scale, r.top + y / 15 * scale];
  };
  // Buttons and options whose finger-high strip through their middle
  // (17 CSS pixels above and below) is not all theirs. Options stacked
  // closer than that share the strip between them half and half, less
  // the pixel their drawn boxes overlap.
  window.smallTargets = () => {
    const shown = [...front().querySelectorAll('.vm-button, .vm-option')]
        .filter((c) => c.offsetParent !== null);
    const middle = (c) => {
      const r = c.getBoundingClientRect();
      return [r.left + r.width / 2, r.top + r.height / 2];
    };
    return shown.filter((c) => {
      const [x, y] = middle(c);
      let reach = 16.5;
      for (const other of shown) {
        const [ox, oy] = middle(other);
        if (other !== c && Math.abs(ox - x) < 1) reach = Math.min(reach, Math.abs(oy - y) / 2 - 2);
      }
      return [-reach, reach].some((dy) => {
        const hit = document.elementFromPoint(x, y + dy);
        return !hit || hit.closest('.vm-button, .vm-option') !== c;
      });
    }).map((c) => c.textContent);
  };
  // Where the heated metal of the front window lies, on the screen: the
  // middle of its light-red pixels.
  window.heatCentre = () => {
    let sx = 0, sy = 0, n = 0;
    for (const canvas of front().querySelectorAll('.vm-drawing')) {
      if (canvas.offsetParent === null) continue;
      const r = canvas.getBoundingClientRect();
      const data = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data;
      for (let i = 0; i < data.length; i += 4) {
        if (data[i] !== 0xff || data[i + 1] !== 0x80 || data[i + 2] !== 0x80) continue;
        const p = i / 4;
        sx += r.left + (p % canvas.width + 0.5) * r.width / canvas.width;
        sy += r.top + (Math.floor(p / canvas.width) + 0.5) * r.height / canvas.height;
        n++;
      }
    }
    return n ? [sx / n, sy / n] : null;
  };
  true;`;

let failures = 0;
function check(ok, what) {
  console.log(`${ok ? 'ok  ' : 'FAIL'} ${what}`);
  if (!ok) failures++;
}

async function onTablet(width, height) {
  const size = `${width}×${height}`;
  const browser = await Chromium.open('file://' + path.resolve(page), { width, height });
  try {
    const fetched = [];
    browser.on('Network.requestWillBeSent', (params) => fetched.push(params.request.url));
    await browser.send('Network.enable');
    await browser.send('Network.emulateNetworkConditions',
      { offline: true, latency: 0, downloadThroughput: -1, uploadThroughput: -1 });
    await browser.until('document.querySelector(".vm-window") !== null');
    await browser.evaluate(helpers);

    const fills = `(() => {
      const r = front().getBoundingClientRect();
      const w = innerWidth, h = innerHeight;
      const centred = Math.abs(r.left + r.width / 2 - w / 2) < 1 &&
          Math.abs(r.top + r.height / 2 - h / 2) < 1;
      return centred && r.width <= w + 0.5 && r.height <= h + 0.5 &&
          (Math.abs(r.width - w) < 1 || Math.abs(r.height - h) < 1);
    })()`;
    // Sharp: the metal's canvases have a pixel for each pixel of the screen.
    const sharp = `[...front().querySelectorAll('.vm-drawing')]
        .filter((c) => c.offsetParent !== null)
        .every((c) => Math.abs(c.width - c.getBoundingClientRect().width * devicePixelRatio) <= 1)`;
    check(await browser.evaluate(fills), `${size}: the menu fills the screen, in its middle`);
    check((await browser.evaluate('smallTargets()')).length === 0,
      `${size}: every option and button of the menu takes a 34 px finger`);

    await browser.page.touchscreen.tap(...(await browser.evaluate(`onScreen(${rodButton})`)));
    await browser.until('document.title === "Velmora：ぼう"');
    check(await browser.evaluate(fills), `${size}: the rod window fills the screen`);
    const small = await browser.evaluate('smallTargets()');
    check(small.length === 0,
      `${size}: every option and button of the rod window takes a 34 px finger (${small})`);
    check(await browser.evaluate(sharp), `${size}: the metal is drawn at the screen's own pixels`);
    const finger = await browser.evaluate(`onScreen(${rodMetal})`);
    await browser.page.touchscreen.tap(...finger);
    await sleep(400);
    const heat = await browser.evaluate('heatCentre()');
    // The rod warms from the burner both ways: the heat's middle stays
    // within a few pixels of the finger while the front is short.
    check(heat !== null && Math.hypot(heat[0] - finger[0], heat[1] - finger[1]) < 12,
      `${size}: a tap on the metal heats it where the finger is ` +
      `(finger ${finger.map(Math.round)}, heat ${heat && heat.map(Math.round)})`);

    const faces = await browser.evaluate(`document.fonts.ready.then(() => [...document.fonts]
        .filter((f) => f.status === 'loaded').map((f) => f.family.replace(/["']/g, '')))`);
    check(faces.includes('Velmora Gothic') && faces.includes('Velmora P Gothic'),
      `${size}: the texts are in the page's own faces (${faces.join(', ')})`);
    const elsewhere = fetched.filter((url) => !url.startsWith('data:') &&
        !url.startsWith('blob:') && url !== 'file://' + path.resolve(page));
    check(elsewhere.length === 0, `${size}: nothing fetched (${elsewhere.join(' ')})`);

    await sleep(1200);
    const { data } = await browser.send('Page.captureScreenshot', { format: 'png' });
    fs.writeFileSync(path.join(out, `tablet-${width}x${height}.png`), Buffer.from(data, 'base64'));

    // The tablet turned: the window fits the new screen, still sharp.
    await browser.send('Emulation.setDeviceMetricsOverride',
      { width: height, height: width, deviceScaleFactor: 1, mobile: false });
    await browser.until(`innerWidth === ${height}`);
    await sleep(300);
    check(await browser.evaluate(fills) && await browser.evaluate(sharp),
      `${size} turned: the window fills the screen, drawn at its pixels`);
  } finally {
    await browser.close();
  }
}

async function main() {
  fs.mkdirSync(out, { recursive: true });
  await onTablet(1024, 768);
  await onTablet(768, 1024);
  if (failures) {
    console.log(`${failures} check(s) failed`);
    process.exit(1);
  }
}

main().catch((error) => {
  console.error(error);
  process.exit(1);
});
