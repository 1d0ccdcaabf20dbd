// Debian's headless Chromium, driven over its DevTools pipe (no network
// port, no npm package): open a page, send real mouse, touch and key input
// through the browser's own input pipeline, read values, take screenshots.
'use strict';
const { spawn } = require('child_process');
const fs = require('fs');
const os = require('os');
const path = require('path');

const flags = ['--headless=new', '--no-sandbox', '--disable-gpu', '--disable-background-networking',
  '--disable-component-update', '--disable-sync', '--no-first-run', '--remote-debugging-pipe'];

class Chromium {
  // `size`: the window in CSS pixels; `ratio`: device pixels per CSS pixel.
  // `bindings`: functions the page may call to reach this driver
  // (Runtime.bindingCalled).
  static async open(url, { width = 1024, height = 768, ratio = 1, bindings = [] } = {}) {
    const browser = new Chromium(width, height);
    await browser.attach(url, width, height, ratio, bindings);
    return browser;
  }

  constructor(width, height) {
    // A profile of its own: a Chromium still closing from the run before
    // would otherwise take this one's page over.
    this.profile = fs.mkdtempSync(path.join(os.tmpdir(), 'velmora-chromium-'));
    this.process = spawn(process.env.CHROMIUM || '/usr/bin/chromium',
      [...flags, `--user-data-dir=${this.profile}`, `--window-size=${width},${height}`,
        'about:blank'],
      { stdio: ['ignore', 'ignore', 'ignore', 'pipe', 'pipe'] });
    this.exited = new Promise((resolve) => this.process.on('exit', resolve));
    this.nextId = 1;
    this.waiting = new Map();
    this.listeners = [];
    let buffered = '';
    this.process.stdio[4].on('data', (chunk) => {
      buffered += chunk.toString('utf8');
      let end;
      while ((end = buffered.indexOf('\0')) >= 0) {
        this.receive(JSON.parse(buffered.slice(0, end)));
        buffered = buffered.slice(end + 1);
      }
    });
  }

  receive(message) {
    if (message.id && this.waiting.has(message.id)) {
      const { resolve, reject } = this.waiting.get(message.id);
      this.waiting.delete(message.id);
      if (message.error) reject(new Error(JSON.stringify(message.error)));
      else resolve(message.result);
      return;
    }
    for (const listen of this.listeners) listen(message);
  }

  send(method, params = {}, sessionId = this.session) {
    const id = this.nextId++;
    const message = { id, method, params };
    if (sessionId) message.sessionId = sessionId;
    this.process.stdio[3].write(JSON.stringify(message) + '\0');
    return new Promise((resolve, reject) => this.waiting.set(id, { resolve, reject }));
  }

  async attach(url, width, height, ratio, bindings) {
    const { targetInfos } = await this.send('Target.getTargets', {}, null);
    const page = targetInfos.find((t) => t.type === 'page');
    ({ sessionId: this.session } = await this.send('Target.attachToTarget',
      { targetId: page.targetId, flatten: true }, null));
    await this.send('Page.enable');
    await this.send('Runtime.enable');
    this.consoleLines = [];
    this.listeners.push((m) => {
      if (m.method === 'Runtime.consoleAPICalled') {
        this.consoleLines.push(m.params.args.map((a) => a.value).join(' '));
      }
      if (m.method === 'Runtime.exceptionThrown') {
        this.consoleLines.push('exception: ' + JSON.stringify(m.params.exceptionDetails));
      }
    });
    await this.send('Emulation.setDeviceMetricsOverride',
      { width, height, deviceScaleFactor: ratio, mobile: false });
    for (const name of bindings) await this.send('Runtime.addBinding', { name });
    // The page behaves as the focused one, as a child's page in front is.
    await this.send('Emulation.setFocusEmulationEnabled', { enabled: true });
    const loaded = new Promise((resolve) => this.listeners.push((m) => {
      if (m.method === 'Page.loadEventFired') resolve();
    }));
    await this.send('Page.navigate', { url });
    await loaded;
  }

  // The value of a JavaScript expression in the page.
  async evaluate(expression) {
    const { result, exceptionDetails } = await this.send('Runtime.evaluate',
      { expression, returnByValue: true, awaitPromise: true });
    if (exceptionDetails) throw new Error(`${expression}: ${JSON.stringify(exceptionDetails)}`);
    return result.value;
  }

  async until(expression, timeoutMs = 5000) {
    const end = Date.now() + timeoutMs;
    for (;;) {
      const value = await this.evaluate(expression);
      if (value) return value;
      if (Date.now() > end) throw new Error(`Timed out waiting for ${expression}`);
      await sleep(20);
    }
  }

  async click(x, y, button = 'left') {
    const at = { x, y, button, clickCount: 1 };
    await this.send('Input.dispatchMouseEvent', { type: 'mouseMoved', x, y });
    await this.send('Input.dispatchMouseEvent', { type: 'mousePressed', ...at });
    await this.send('Input.dispatchMouseEvent', { type: 'mouseReleased', ...at });
  }

  async tap(x, y) {
    await this.send('Emulation.setTouchEmulationEnabled', { enabled: true, maxTouchPoints: 1 });
    await this.send('Input.dispatchTouchEvent', { type: 'touchStart', touchPoints: [{ x, y }] });
    await this.send('Input.dispatchTouchEvent', { type: 'touchEnd', touchPoints: [] });
  }

  async key(key, code, keyCode, shift = false) {
    const modifiers = shift ? 8 : 0;
    const text = key === ' ' ? ' ' : undefined;
    await this.send('Input.dispatchKeyEvent', { type: text ? 'keyDown' : 'rawKeyDown', key, code,
      windowsVirtualKeyCode: keyCode, modifiers, text });
    await this.send('Input.dispatchKeyEvent', { type: 'keyUp', key, code,
      windowsVirtualKeyCode: keyCode, modifiers });
  }

  // The page's pixels in a rectangle (CSS pixels), in device pixels: width,
  // height and 0xRRGGBB bytes row by row.
  async pixels(clip) {
    const { data } = await this.send('Page.captureScreenshot',
      { format: 'png', clip: { ...clip, scale: 1 } });
    return decodePng(Buffer.from(data, 'base64'));
  }

  async screenshot() {
    const { data } = await this.send('Page.captureScreenshot', { format: 'png' });
    return Buffer.from(data, 'base64');
  }

  // Ends the browser (asked to, so its helper processes end with it) and
  // waits for it, then removes its profile.
  async close() {
    const asked = this.send('Browser.close', {}, null).catch(() => {});
    const late = setTimeout(() => this.process.kill('SIGKILL'), 5000);
    await Promise.race([asked, this.exited]);
    await this.exited;
    clearTimeout(late);
    fs.rmSync(this.profile, { recursive: true, force: true, maxRetries: 10, retryDelay: 100 });
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

function sleep(ms) {
  return new Promise((resolve) => setTimeout(resolve, ms));
}

module.exports = { Chromium, sleep };
