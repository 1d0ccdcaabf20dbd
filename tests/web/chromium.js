// Debian's headless Chromium, or its Firefox ESR (VELMORA_ENGINE=firefox,
// over WebDriver BiDi), driven by puppeteer-core (pinned by
// package-lock.json here): real mouse, touch and key input through the
// browser's own input pipeline (`page.mouse`, `page.touchscreen`,
// `page.keyboard`), screenshots, values read from the page, and in
// Chromium the few DevTools commands puppeteer has no call for (the
// page's focus). VELMORA_ENGINE=webkit hands the same calls to WebKitGTK's
// WebDriver (webkit.js).
'use strict';
const fs = require('fs');
const puppeteer = require('puppeteer-core');

// The browser engine the tests drive: chromium, firefox or webkit.
const engine = process.env.VELMORA_ENGINE || 'chromium';

const flags = ['--headless=new', '--no-sandbox', '--disable-gpu', '--disable-background-networking',
  '--disable-component-update', '--disable-sync', '--no-first-run'];

// What every engine's driver does the same way, through its own
// evaluate() and screenshot().
class PageDriver {
  // Waits until the expression is true in the page, and gives its value.
  async until(expression, timeoutMs = 5000) {
    const end = Date.now() + timeoutMs;
    for (;;) {
      const value = await this.evaluate(expression);
      if (value) return value;
      if (Date.now() > end) throw new Error(`Timed out waiting for ${expression}`);
      await sleep(20);
    }
  }

  // The screenshot decoded: width, height and 0xRRGGBB bytes row by row.
  async pixels(clip) {
    return decodePng(await this.screenshot(clip));
  }
}

class Chromium extends PageDriver {
  // `width`, `height`: the page in CSS pixels; `ratio`: device pixels per
  // CSS pixel; `args`: more of the browser's own flags. The page takes
  // touch as an iPad's does.
  // `preload`: a script run in the page before its own.
  static async open(url, { width = 1024, height = 768, ratio = 1, exposed = {}, args = [], preload = '' } = {}) {
    if (engine === 'webkit') return require('./webkit').WebKit.open(url, { width, height, ratio, exposed, preload });
    const viewport = { width, height, deviceScaleFactor: ratio, hasTouch: true };
    const browser = await puppeteer.launch(engine === 'firefox'
      ? { browser: 'firefox', executablePath: process.env.FIREFOX || '/usr/bin/firefox-esr',
        headless: true, defaultViewport: viewport }
      : { executablePath: process.env.CHROMIUM || '/usr/bin/chromium', headless: true, pipe: true,
        args: [...flags, ...args, `--window-size=${width},${height}`], defaultViewport: viewport });
    // Firefox's first tab never holds the focus: the page gets a tab of its
    // own, in front, as a child's page in front does.
    const page = (engine === 'chromium' && (await browser.pages())[0]) || (await browser.newPage());
    if (engine === 'firefox') await page.bringToFront();
    const chromium = new Chromium(browser, page, viewport);
    page.on('console', (message) => chromium.consoleLines.push(message.text()));
    page.on('pageerror', (error) => chromium.consoleLines.push('exception: ' + error.message));
    for (const [name, answer] of Object.entries(exposed)) await page.exposeFunction(name, answer);
    if (preload) await page.evaluateOnNewDocument(preload);
    if (engine === 'chromium') {
      chromium.session = await page.createCDPSession();
      // The page behaves as the focused one, as a child's page in front is.
      await chromium.send('Emulation.setFocusEmulationEnabled', { enabled: true });
    }
    await page.goto(url, { waitUntil: 'load' });
    return chromium;
  }

  constructor(browser, page, viewport) {
    super();
    this.browser = browser;
    this.page = page;
    this.viewport = viewport;
    this.consoleLines = [];
  }

  // A DevTools command, and a DevTools event's handler.
  send(method, params = {}) {
    return this.session.send(method, params);
  }

  on(event, handler) {
    this.session.on(event, handler);
  }

  // The screen's pixel ratio, as when the page is zoomed or dragged onto a
  // denser screen.
  async setRatio(ratio) {
    this.viewport = { ...this.viewport, deviceScaleFactor: ratio };
    await this.page.setViewport(this.viewport);
  }

  // The value of a JavaScript expression in the page.
  evaluate(expression) {
    return this.page.evaluate(expression);
  }

  // What the browser shows, as a PNG: all of the page, or a rectangle of it
  // (CSS pixels) in device pixels.
  async screenshot(clip) {
    return Buffer.from(await this.page.screenshot({ type: 'png', captureBeyondViewport: false,
      ...(clip ? { clip: { ...clip, scale: 1 } } : {}) }));
  }

  async close() {
    await this.browser.close();
  }
}

// A PNG as Chromium writes it (8 bits a channel, RGB or RGBA, not
// interlaced) to its RGB bytes.
function decodePng(png) {
  const zlib = require('zlib');
  let width = 0;
  let height = 0;
  let channels = 0;
  const compressed = [];
  for (let at = 8; at < png.length;) {
    const length = png.readUInt32BE(at);
    const type = png.toString('latin1', at + 4, at + 8);
    const body = png.subarray(at + 8, at + 8 + length);
    if (type === 'IHDR') {
      width = body.readUInt32BE(0);
      height = body.readUInt32BE(4);
      if (body[8] !== 8 || body[12] !== 0) throw new Error('an unexpected PNG');
      channels = { 2: 3, 6: 4 }[body[9]];
      if (!channels) throw new Error('an unexpected PNG colour type');
    } else if (type === 'IDAT') {
      compressed.push(body);
    }
    at += 12 + length;
  }
  const raw = zlib.inflateSync(Buffer.concat(compressed));
  const stride = width * channels;
  const rows = Buffer.alloc(stride * height);
  for (let y = 0; y < height; ++y) {
    const filter = raw[y * (stride + 1)];
    const line = raw.subarray(y * (stride + 1) + 1, (y + 1) * (stride + 1));
    for (let x = 0; x < stride; ++x) {
      const left = x >= channels ? rows[y * stride + x - channels] : 0;
      const up = y > 0 ? rows[(y - 1) * stride + x] : 0;
      const upLeft = x >= channels && y > 0 ? rows[(y - 1) * stride + x - channels] : 0;
      let value = line[x];
      if (filter === 1) value += left;
      else if (filter === 2) value += up;
      else if (filter === 3) value += (left + up) >> 1;
      else if (filter === 4) {
        const p = left + up - upLeft;
        const pa = Math.abs(p - left);
        const pb = Math.abs(p - up);
        const pc = Math.abs(p - upLeft);
        value += pa <= pb && pa <= pc ? left : pb <= pc ? up : upLeft;
      }
      rows[y * stride + x] = value & 255;
    }
  }
  const rgb = Buffer.alloc(width * height * 3);
  for (let i = 0, j = 0; i < rows.length; i += channels, j += 3) rows.copy(rgb, j, i, i + 3);
  return { width, height, rgb };
}

// The program's layout, captions and colours as describe-velmora prints
// them (the build writes them to the file VELMORA_FACTS names): points in
// twips of a window's client area, colours as the browser shows them
// (0xRRGGBB).
const facts = JSON.parse(fs.readFileSync(process.env.VELMORA_FACTS, 'utf8'));
const colours = Object.fromEntries(Object.entries(facts.colours)
  .map(([name, [r, g, b]]) => [name, (r << 16) | (g << 8) | b]));
const { coldMetal, heatedMetal } = colours;
const { twipsPerPixel } = facts;
const { controls } = Object.values(facts.windows)[0];
const backButton = controls.backButton.press;
const retryButton = controls.retryButton.press;
const fastOption = Object.values(facts.windows)[0].speedOptions[2].press;
const endButton = facts.menu.controls.finishButton.press;
// A test waits for these titles: the menu's, or a shape window's.
const titled = (caption) => `document.title === ${JSON.stringify(caption)}`;
const onMenu = titled(facts.menu.caption);
// ... and for もう一度, shown by the page's shownButton(text).
const retryShown = `shownButton(${JSON.stringify(controls.retryButton.caption)})`;

// Put into the page by every walk (evaluate it once the first window is
// there): the window in front, its client area in CSS pixels with the
// scale it is drawn at, a point of that client area (twips) on the screen,
// and whether the front window shows a button of that caption (retryShown
// asks it).
const pageHelpers = `
  window.front = () => [...document.querySelectorAll('.vm-window')]
      .filter((w) => w.style.display !== 'none')
      .sort((a, b) => b.style.zIndex - a.style.zIndex)[0];
  window.client = () => {
    const c = front().querySelector('.vm-client');
    const r = c.getBoundingClientRect();
    return { left: r.left, top: r.top, width: r.width, height: r.height,
             scale: r.width / c.offsetWidth };
  };
  window.onScreen = (x, y) => {
    const c = client();
    return [c.left + x / ${twipsPerPixel} * c.scale, c.top + y / ${twipsPerPixel} * c.scale];
  };
  window.shownButton = (text) => [...front().querySelectorAll('.vm-button')]
      .some((b) => b.textContent === text && b.style.display !== 'none');
  true;`;

// The walk a child takes through the page, shared by the desktop and
// tablet walks: each shape's card in the menu's order, where the walk
// presses its metal (twips of the client area), and how long its front
// takes to turn a corner.
const walk = {
  rod: { press: [2400, 2347], wait: 1000 },
  plate: { press: [2400, 2200], wait: 1000 },
  t: { press: [900, 1260], wait: 1800 },
  concave: { press: [1300, 1300], wait: 2600 },
  h: { press: [1400, 1300], wait: 2000 },
  spiral: { press: [1560, 1100], wait: 3000 },
};
const shapes = facts.menu.cards.map((card) =>
  ({ name: card.shape, caption: card.window, button: card.press, ...walk[card.shape] }));

// How many pixels of each colour (0xRRGGBB) a decoded screenshot holds
// within `radius` pixels of a point (its pixels).
function coloursAround(shot, [cx, cy], radius) {
  const count = new Map();
  for (let py = Math.round(cy - radius); py <= cy + radius; ++py) {
    for (let px = Math.round(cx - radius); px <= cx + radius; ++px) {
      if (px < 0 || py < 0 || px >= shot.width || py >= shot.height) continue;
      const i = (py * shot.width + px) * 3;
      const rgb = (shot.rgb[i] << 16) | (shot.rgb[i + 1] << 8) | shot.rgb[i + 2];
      count.set(rgb, (count.get(rgb) || 0) + 1);
    }
  }
  return count;
}

// Light red round the burner and no grey left there: `count` from
// coloursAround within 12 pixels of it, `scale` screen pixels a CSS pixel.
function heatedAround(count, scale) {
  return (count.get(heatedMetal) || 0) >= 100 * scale * scale && !count.has(coldMetal);
}

function sleep(ms) {
  return new Promise((resolve) => setTimeout(resolve, ms));
}

// Looks again (`look`, async) until what it sees passes `done` or the time
// is up, and gives the last look: a busy machine ticks later than a quiet
// one, and heat only ever spreads.
async function lookUntil(look, done, timeoutMs = 15000) {
  const end = Date.now() + timeoutMs;
  for (;;) {
    const seen = await look();
    if (done(seen) || Date.now() > end) return seen;
    await sleep(100);
  }
}

module.exports = {
  engine, PageDriver, Chromium, decodePng, sleep, lookUntil, heatedAround, shapes, backButton, retryButton, fastOption,
  endButton, coldMetal, heatedMetal, coloursAround, facts, colours, titled, onMenu, retryShown,
  twipsPerPixel, pageHelpers,
};
