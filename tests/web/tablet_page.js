// The release page on a tablet, in headless Chromium with real touch:
// opened from file:// with nothing fetched, in landscape and portrait the
// window fills the screen, the texts are in the page's own faces, every
// button takes a finger of 34 CSS pixels (an option as much as its
// neighbours leave it), and a tap on the metal
// starts the heat where the finger is. Then, as a child would, every
// shape from the menu (by finger and by mouse in turn), the metal pressed
// until the heat has spread, もう一度 and もどる, and おわり, checked by
// the pixels of screenshots.
//   node tablet_page.js PAGE.html OUTPUT-FOLDER
'use strict';
const fs = require('fs');
const path = require('path');
const {
  Chromium, decodePng, sleep, lookUntil, heatedAround, shapes, backButton, retryButton, fastOption,
  endButton, coldMetal, coloursAround, titled, onMenu, retryShown, pageHelpers,
} = require('./chromium');

const [page, out] = process.argv.slice(2);
const [rod] = shapes;

const helpers = `
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

const { check, run } = require('./checks');

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
    await browser.evaluate(pageHelpers + helpers);

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

    await browser.page.touchscreen.tap(...(await browser.evaluate(`onScreen(${rod.button})`)));
    await browser.until(titled(rod.caption));
    check(await browser.evaluate(fills), `${size}: the rod window fills the screen`);
    const small = await browser.evaluate('smallTargets()');
    check(small.length === 0,
      `${size}: every option and button of the rod window takes a 34 px finger (${small})`);
    check(await browser.evaluate(sharp), `${size}: the metal is drawn at the screen's own pixels`);
    const finger = await browser.evaluate(`onScreen(${rod.press})`);
    await browser.page.touchscreen.tap(...finger);
    const heat = await browser.until('heatCentre()');
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
    // Turned back, and a touch screen again for the walk below.
    await browser.send('Emulation.setDeviceMetricsOverride',
      { width, height, deviceScaleFactor: 1, mobile: false });
    await browser.send('Emulation.setTouchEmulationEnabled', { enabled: true, maxTouchPoints: 5 });
    await browser.until(`innerWidth === ${width}`);
    await sleep(300);  // the window fitted to the screen again
    await browser.until(`innerWidth === ${width}`);
    await walkEveryShape(browser, size);
  } finally {
    await browser.close();
  }
}

// From the rod window every shape in turn, the even ones by mouse and the
// odd ones by finger, as the desktop walk does, with the window scaled to
// the screen: the screenshot grey where the burner goes, light red round it
// once the heat has spread, grey again after もう一度; then おわり.
async function walkEveryShape(browser, size) {
  const { mouse, touchscreen } = browser.page;
  const at = (point) => browser.evaluate(`onScreen(${point})`);
  const click = async (point) => mouse.click(...(await at(point)));
  const tap = async (point) => touchscreen.tap(...(await at(point)));
  // The screenshot's colours within `radius` pixels of the window's own
  // round a point of its client area (twips); the page is at one device
  // pixel to a CSS pixel.
  const colours = async (point, radius) => {
    await sleep(100);  // the next frame paints what was drawn
    const shot = decodePng(await browser.screenshot());
    const scale = await browser.evaluate('client().scale');
    return { count: coloursAround(shot, await at(point), radius * scale), scale };
  };
  const share = ({ count }, rgb) =>
    (count.get(rgb) || 0) / [...count.values()].reduce((a, b) => a + b, 0);

  await tap(backButton);
  await browser.until(onMenu);
  for (const [index, shape] of shapes.entries()) {
    const press = index % 2 ? tap : click;
    const by = index % 2 ? 'finger' : 'mouse';
    await press(shape.button);
    await browser.until(titled(shape.caption));
    if (index === 0) await click(fastOption);
    check(share(await colours(shape.press, 4), coldMetal) === 1,
      `${size}: ${shape.name} opened by ${by}, the screenshot grey where the burner goes`);
    await press(shape.press);
    await sleep(shape.wait);
    const warm = await lookUntil(() => colours(shape.press, 12),
      ({ count, scale }) => heatedAround(count, scale));
    check(heatedAround(warm.count, warm.scale),
      `${size}: ${shape.name} pressed by ${by}, the screenshot light red round the burner, no grey`);
    await browser.until(retryShown, 60000);
    await press(retryButton);
    await browser.until('!' + retryShown);
    check(share(await colours(shape.press, 4), coldMetal) === 1,
      `${size}: ${shape.name} after もう一度, the screenshot grey again where the burner was`);
    await press(backButton);
    await browser.until(onMenu);
  }
  await tap(endButton);
  await browser.until('document.body.classList.contains("vm-ended")');
  check(await browser.evaluate('front() === undefined'), `${size}: おわり leaves the calm end page`);
}

async function main() {
  fs.mkdirSync(out, { recursive: true });
  // Side by side: the walks mostly wait for the heat to spread.
  await Promise.all([onTablet(1024, 768), onTablet(768, 1024)]);
}

run(main);
