// The menu before its program runs: with the WebAssembly module held
// back, the page already shows the menu (its first look), and once the
// module runs and takes the elements over, not a pixel, not an element
// and nothing a screen reader hears has changed; a press on a card or
// Tab and Enter made while it was held back open their window once it
// runs. On the release page fitted to a screen of a fractional scale, at
// 100 % and at 150 % (where the driver can set the screen's ratio), and
// at its actual size; in Chromium, Firefox or WebKit (VELMORA_ENGINE), the
// screen reader's tree where DevTools gives it (Chromium). WebKitGTK draws
// the text of a region it paints again a little differently each time
// (the page's own window hidden and shown again differs so), so there the
// pixels are not compared.
//   node first_look.js PAGE.html OUT-FOLDER
'use strict';
const fs = require('fs');
const path = require('path');
const { Chromium, decodePng, engine, facts, titled, onMenu, twipsPerPixel } = require('./chromium');
const { check, run } = require('./checks');

const [page, out] = process.argv.slice(2);

// Before the page's scripts: its module is compiled only once the test
// calls letModuleGo(); and whether the page's faces were all loaded when
// the first look's window came, before it was first laid out.
const holdModule = `(() => {
  const instantiate = WebAssembly.instantiate;
  let letGo;
  const held = new Promise((resolve) => { letGo = resolve; });
  window.letModuleGo = () => letGo();
  WebAssembly.instantiate = (...args) => held.then(() => instantiate.apply(WebAssembly, args));
  new MutationObserver((changes, observer) => {
    if (!document.querySelector('.vm-window')) return;
    observer.disconnect();
    window.facesReadyForWindow = document.fonts.size > 0 &&
      [...document.fonts].every((face) => face.status === 'loaded');
  }).observe(document, { childList: true, subtree: true });
})();`;
const running = 'document.documentElement.classList.contains("vm-running")';
// The faces loaded and two frames shown since.
const settled = `document.fonts.ready.then(() => new Promise((done) =>
  requestAnimationFrame(() => requestAnimationFrame(() => done(true)))))`;

async function openHeld(query, size) {
  const browser = await Chromium.open('file://' + path.resolve(page) + query,
    { ...size, preload: holdModule });
  await browser.until(onMenu);
  await browser.evaluate(settled);
  return browser;
}

// The nodes a screen reader meets, as role, name and description.
async function heard(browser) {
  if (engine !== 'chromium') return null;
  const { nodes } = await browser.send('Accessibility.getFullAXTree');
  const value = (field) => (field && field.value !== undefined ? String(field.value) : '');
  return nodes.filter((node) => !node.ignored)
    .map((node) => [value(node.role), value(node.name), value(node.description)].join(' | '));
}

async function sameLook(name, query, size) {
  const browser = await openHeld(query, size);
  try {
    check(!(await browser.evaluate(running)), `${name}: the menu is shown before its module runs`);
    check(await browser.evaluate('facesReadyForWindow'),
      `${name}: the page's faces were loaded before its window came, so it is laid out once in them`);
    const shots = [await browser.screenshot()];
    const heardBefore = await heard(browser);
    const elements = await browser.evaluate(`(() => {
      const all = [...document.body.querySelectorAll('*')];
      all.forEach((el) => { el.firstLookElement = true; });
      // The focus stays where it is: a screen reader says nothing again.
      window.focusedBefore = document.activeElement;
      window.focusLeft = 0;
      document.addEventListener('focusout', () => ++window.focusLeft, true);
      return all.length; })()`);
    await browser.evaluate('letModuleGo()');
    await browser.until(running);
    await browser.evaluate(settled);
    shots.push(await browser.screenshot());
    const [before, after] = shots.map(decodePng);
    let differ = 0;
    for (let i = 0; i < after.rgb.length; i += 3) {
      if (after.rgb[i] !== before.rgb[i] || after.rgb[i + 1] !== before.rgb[i + 1] ||
          after.rgb[i + 2] !== before.rgb[i + 2]) ++differ;
    }
    if (engine !== 'webkit') {
      check(before.width === after.width && differ === 0,
        `${name}: the program shows the menu pixel for pixel as its first look (${differ} differ)`);
    }
    if (differ) {
      fs.mkdirSync(out, { recursive: true });
      fs.writeFileSync(path.join(out, `${name}-held.png`), shots[0]);
      fs.writeFileSync(path.join(out, `${name}-running.png`), shots[1]);
    }
    const kept = await browser.evaluate(`(() => {
      const all = [...document.body.querySelectorAll('*')];
      return { count: all.length, adopted: all.every((el) => el.firstLookElement),
        windows: document.querySelectorAll('.vm-window').length }; })()`);
    check(kept.adopted && kept.count === elements && kept.windows === 1,
      `${name}: the program took the first look's ${elements} elements over, made none anew`);
    check(await browser.evaluate(`focusLeft === 0 && document.activeElement === focusedBefore &&
        focusedBefore !== document.body`),
      `${name}: the focus stayed on the first look's button while the program took it over`);
    const heardAfter = await heard(browser);
    if (heardAfter) {
      check(JSON.stringify(heardAfter) === JSON.stringify(heardBefore),
        `${name}: a screen reader hears the same ${heardAfter.length} nodes before and after`);
    }
  } finally {
    await browser.close();
  }
}

// What a child does before the module runs, then the window it opens.
async function keptInput(name, act, window) {
  const browser = await openHeld('', { width: 900, height: 600 });
  try {
    await act(browser);
    check(!(await browser.evaluate(running)), `${name}: done before the module runs`);
    await browser.evaluate('letModuleGo()');
    await browser.until(running);
    await browser.until(titled(window), 5000).catch(() => false);
    check(await browser.evaluate(titled(window)), `${name}: ${window} opens once it runs`);
  } finally {
    await browser.close();
  }
}

// A press in the middle of where the browser shows the card that holds the
// card's press point: the screen is searched for the points the browser
// says that card lies under, so the press does not lean on how an engine
// reports the rectangle of an element it zooms (the fitted window).
async function pressCard(browser, card) {
  const [x, y] = await browser.evaluate(`(() => {
    const client = document.querySelector('.vm-window .vm-client');
    const x = ${card.press[0] / twipsPerPixel}, y = ${card.press[1] / twipsPerPixel};
    const box = [...client.children].find((b) => b.offsetLeft <= x && x < b.offsetLeft + b.offsetWidth &&
      b.offsetTop <= y && y < b.offsetTop + b.offsetHeight && b.matches('.vm-picture-box'));
    let sumX = 0, sumY = 0, found = 0;
    for (let py = 0; py < innerHeight; py += 4) {
      for (let px = 0; px < innerWidth; px += 4) {
        const under = document.elementFromPoint(px, py);
        if (under && under.closest('.vm-picture-box') === box) { sumX += px; sumY += py; ++found; }
      }
    }
    return [sumX / found, sumY / found]; })()`);
  await browser.page.mouse.click(x, y);
}

run(async () => {
  // 900 × 600 fits the menu at a fraction of a pixel: every edge is snapped.
  await sameLook('fitted-100', '', { width: 900, height: 600 });
  if (engine !== 'webkit') await sameLook('fitted-150', '', { width: 900, height: 600, ratio: 1.5 });
  await sameLook('actual-size', '?actual-size', { width: 720, height: 520 });
  const plate = facts.menu.cards.find((card) => card.shape === 'plate');
  await keptInput('a press on a card', (browser) => pressCard(browser, plate), plate.window);
  // おわり holds the focus; Tab moves it to the first card.
  const first = facts.menu.cards[0];
  await keptInput('Tab and Enter', async (browser) => {
    await browser.page.keyboard.press('Tab');
    await browser.page.keyboard.press('Enter');
  }, first.window);
});
