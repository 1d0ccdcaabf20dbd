// WebKit, which every iPad runs: Debian's WebKitGTK (its MiniBrowser on the
// virtual display DISPLAY names) driven through W3C WebDriver by
// WebKitWebDriver and selenium-webdriver (pinned by package-lock.json
// here), with the calls the tests make of Chromium (chromium.js): trusted
// mouse and key input through the browser's own pipeline, screenshots and
// values read from the page. WebKitGTK's driver hands touch pointer actions
// to the page as a mouse's, so this browser has no touchscreen, and it
// cannot change the screen's pixel ratio.
//
// WebDriver has no script of its own that runs before the page's, so the
// page is opened from a copy with one put in front: it keeps the console's
// lines and the page's loads for the driver, and lets the page call the
// driver's functions (`exposed`) by a queue the driver empties.
'use strict';
const fs = require('fs');
const net = require('net');
const os = require('os');
const path = require('path');
const zlib = require('zlib');
const { spawn } = require('child_process');
const { Builder, Origin } = require('selenium-webdriver');
const { PageDriver, decodePng, sleep } = require('./chromium');

const miniBrowser = process.env.WEBKIT_BROWSER || '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser';

const keys = {
  Tab: '\uE004', Enter: '\uE007', Shift: '\uE008', Escape: '\uE00C', Space: ' ', ArrowLeft: '\uE012',
  ArrowUp: '\uE013', ArrowRight: '\uE014', ArrowDown: '\uE015', F11: '\uE03B',
};

// Put in front of the page's own scripts.
const preload = (names) => `<script>(() => {
  const kept = window.velmoraDriver = { lines: [], calls: [], answers: new Map(), loads: [] };
  for (const level of ['log', 'info', 'warn', 'error']) {
    const original = console[level].bind(console);
    console[level] = (...parts) => { kept.lines.push(parts.map(String).join(' ')); original(...parts); };
  }
  addEventListener('error', (e) => kept.lines.push('exception: ' + e.message));
  addEventListener('unhandledrejection', (e) => kept.lines.push('exception: ' + e.reason));
  new PerformanceObserver((list) => { for (const e of list.getEntries()) kept.loads.push(e.name); })
    .observe({ type: 'resource', buffered: true });
  let next = 0;
  for (const name of ${JSON.stringify(names)}) {
    window[name] = (...args) => new Promise((resolve) => {
      const id = next++;
      kept.answers.set(id, resolve);
      kept.calls.push({ id, name, args });
    });
  }
})();</script>`;

// A TCP port nobody listens on now.
function freePort() {
  return new Promise((resolve) => {
    const server = net.createServer().listen(0, '127.0.0.1', () => {
      const { port } = server.address();
      server.close(() => resolve(port));
    });
  });
}

class WebKit extends PageDriver {
  static async open(url, { width = 1024, height = 768, ratio = 1, exposed = {}, preload: script = '' } = {}) {
    if (ratio !== 1) throw new Error('WebKitGTK\'s driver cannot set the pixel ratio');
    const port = await freePort();
    const server = spawn('WebKitWebDriver', [`--port=${port}`], { stdio: 'ignore' });
    let driver = null;
    for (let tries = 0; !driver; ++tries) {
      try {
        driver = await new Builder().usingServer(`http://127.0.0.1:${port}`).withCapabilities({
          browserName: 'MiniBrowser',
          'webkitgtk:browserOptions': { binary: miniBrowser, args: ['--automation'] },
        }).build();
      } catch (error) {
        if (tries > 50) { server.kill(); throw error; }
        await sleep(100);
      }
    }
    const webkit = new WebKit(driver, server, exposed);
    try {
      await webkit.setSize(width, height);
      // The page with the driver's script in front of its own, beside it.
      const [address, query = ''] = url.split('?');
      const original = fs.readFileSync(new URL(address), 'utf8');
      webkit.copy = fs.mkdtempSync(path.join(os.tmpdir(), 'velmora-webkit-'));
      const copy = path.join(webkit.copy, path.basename(address));
      fs.writeFileSync(copy, original.replace('<head>',
        () => '<head>' + preload(Object.keys(exposed)) + (script ? `<script>${script}</script>` : '')));
      await driver.manage().setTimeouts({ script: 120000 });
      await driver.get('file://' + copy + (query ? '?' + query : ''));
      webkit.watch();
    } catch (error) {
      await webkit.close();
      throw error;
    }
    return webkit;
  }

  constructor(driver, server, exposed) {
    super();
    this.driver = driver;
    this.server = server;
    this.exposed = exposed;
    this.consoleLines = [];
    this.requestHandlers = [];
    this.held = [];
    // One WebDriver command at a time.
    this.queue = Promise.resolve();
    const at = (x, y) => ({ x: Math.round(x), y: Math.round(y), origin: Origin.VIEWPORT });
    const key = (name) => keys[name] || name;
    this.page = {
      mouse: {
        click: (x, y) => this.act((a) => a.move(at(x, y)).press().release()),
      },
      // The driver forgets a key held down once its actions are done: the
      // keys held go down again with each press.
      keyboard: {
        press: (name) => this.act((a) => this.held.reduce((b, held) => b.keyDown(held), a)
          .keyDown(key(name)).keyUp(key(name))),
        down: (name) => { this.held.push(key(name)); return Promise.resolve(); },
        up: (name) => {
          this.held = this.held.filter((held) => held !== key(name));
          return this.act((a) => a.keyUp(key(name)));
        },
      },
      touchscreen: null,
      on: (event, handler) => {
        if (event === 'request') this.requestHandlers.push(handler);
      },
    };
  }

  command(run) {
    const result = this.queue.then(run);
    this.queue = result.catch(() => {});
    return result;
  }

  act(build) {
    return this.command(() => build(this.driver.actions()).perform());
  }

  // The window sized so that the page gets `width` × `height` CSS pixels.
  async setSize(width, height) {
    const windowApi = this.driver.manage().window();
    await windowApi.setRect({ width, height });
    const [innerWidth, innerHeight] = await this.driver.executeScript('return [innerWidth, innerHeight]');
    await windowApi.setRect({ width: 2 * width - innerWidth, height: 2 * height - innerHeight });
  }

  // Takes the page's console lines and loads, and answers its calls of
  // the driver's functions, until the browser is closed.
  async watch() {
    while (!this.closed) {
      let news;
      try {
        news = await this.command(() => this.driver.executeScript(`const kept = window.velmoraDriver;
          if (!kept) return null;
          const news = { lines: kept.lines, calls: kept.calls, loads: kept.loads };
          kept.lines = []; kept.calls = []; kept.loads = [];
          return news;`));
      } catch (error) {
        if (!this.closed) this.consoleLines.push('exception: the driver lost the page: ' + error.message);
        return;
      }
      if (news) {
        this.consoleLines.push(...news.lines);
        for (const load of news.loads) for (const handler of this.requestHandlers) handler({ url: () => load });
        for (const call of news.calls) {
          const value = await this.exposed[call.name](...call.args);
          await this.command(() => this.driver.executeScript(
            'const kept = window.velmoraDriver; kept.answers.get(arguments[0])(arguments[1]);' +
            'kept.answers.delete(arguments[0]);', call.id, value === undefined ? null : value));
        }
      }
      await sleep(50);
    }
  }

  // The value of a JavaScript expression in the page (a promise's, once
  // it settles).
  async evaluate(expression) {
    const outcome = await this.command(() => this.driver.executeAsyncScript(`const done = arguments[1];
      Promise.resolve().then(() => (0, eval)(arguments[0]))
        .then((value) => done({ value }), (error) => done({ error: String(error && error.stack || error) }));`,
    expression));
    if (outcome.error) throw new Error(outcome.error);
    return outcome.value === null ? undefined : outcome.value;
  }

  async setRatio(ratio) {
    if (ratio !== 1) throw new Error('WebKitGTK\'s driver cannot set the pixel ratio');
  }

  // What the browser shows, as a PNG: all of the page, or a rectangle of it
  // (CSS pixels).
  async screenshot(clip) {
    const png = Buffer.from(await this.command(() => this.driver.takeScreenshot()), 'base64');
    if (!clip) return png;
    const whole = decodePng(png);
    const left = Math.round(clip.x);
    const top = Math.round(clip.y);
    const width = Math.min(Math.round(clip.width), whole.width - left);
    const height = Math.min(Math.round(clip.height), whole.height - top);
    const rows = Buffer.alloc((width * 3 + 1) * height);
    for (let y = 0; y < height; ++y) {
      whole.rgb.copy(rows, y * (width * 3 + 1) + 1, ((top + y) * whole.width + left) * 3,
        ((top + y) * whole.width + left + width) * 3);
    }
    return encodePng(width, height, rows);
  }

  async close() {
    this.closed = true;
    try {
      await this.queue;
      await this.driver.quit();
    } finally {
      this.server.kill();
      if (this.copy) fs.rmSync(this.copy, { recursive: true, force: true });
    }
  }
}

// RGB rows, each behind its filter byte (none), as a PNG.
function encodePng(width, height, rows) {
  const chunk = (type, body) => {
    const length = Buffer.alloc(4);
    length.writeUInt32BE(body.length);
    const typed = Buffer.concat([Buffer.from(type, 'latin1'), body]);
    const crc = Buffer.alloc(4);
    crc.writeUInt32BE(zlib.crc32(typed));
    return Buffer.concat([length, typed, crc]);
  };
  const header = Buffer.alloc(13);
  header.writeUInt32BE(width, 0);
  header.writeUInt32BE(height, 4);
  header[8] = 8;  // bits a channel
  header[9] = 2;  // RGB
  return Buffer.concat([Buffer.from([137, 80, 78, 71, 13, 10, 26, 10]), chunk('IHDR', header),
    chunk('IDAT', zlib.deflateSync(rows)), chunk('IEND', Buffer.alloc(0))]);
}

module.exports = { WebKit };
