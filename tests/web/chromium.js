// Debian's headless Chromium, driven over its DevTools pipe (no network
// port, no npm package): open a page, send real mouse, touch and key input
// through the browser's own input pipeline, read values, take screenshots.
'use strict';
const { spawn } = require('child_process');

const flags = ['--headless=new', '--no-sandbox', '--disable-gpu', '--disable-background-networking',
  '--disable-component-update', '--disable-sync', '--no-first-run', '--remote-debugging-pipe'];

class Chromium {
  // `size`: the window in CSS pixels; `ratio`: device pixels per CSS pixel.
  static async open(url, { width = 1024, height = 768, ratio = 1 } = {}) {
    const browser = new Chromium(width, height);
    await browser.attach(url, width, height, ratio);
    return browser;
  }

  constructor(width, height) {
    this.process = spawn(process.env.CHROMIUM || '/usr/bin/chromium',
      [...flags, `--window-size=${width},${height}`, 'about:blank'],
      { stdio: ['ignore', 'ignore', 'ignore', 'pipe', 'pipe'] });
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

  async attach(url, width, height, ratio) {
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

  async screenshot() {
    const { data } = await this.send('Page.captureScreenshot', { format: 'png' });
    return Buffer.from(data, 'base64');
  }

  close() {
    this.process.kill();
  }
}

function sleep(ms) {
  return new Promise((resolve) => setTimeout(resolve, ms));
}

module.exports = { Chromium, sleep };
