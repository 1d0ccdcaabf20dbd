// A teacher's run of the release page in full screen on a 1920 × 1080
// projector, with trusted input in headless Chromium: the page's own
// full-screen button (F11 the second time), the menu filling the screen's
// height, centred on the dark surround; the T opened, its metal pressed,
// the heat spreading from the pointer round its inner corner; もどる still
// full screen; Escape leaving it, the window back in its frame. Checked by
// the pixels of screenshots, which it writes to the output folder.
//   node full_screen_walk.js PAGE.html OUTPUT-FOLDER [RATIO]
'use strict';
const fs = require('fs');
const path = require('path');
const {
  Chromium, decodePng, sleep, lookUntil, shapes, backButton, coldMetal, heatedMetal, colours, facts,
  onMenu, titled, pageHelpers,
} = require('./chromium');

const [page, out, ratioArgument] = process.argv.slice(2);
const ratio = Number(ratioArgument || 1);
const [width, height] = [1920, 1080];
const { fullScreenSurround: surround, card: paleYellowCard } = colours;
const tee = shapes.find((shape) => shape.name === 't');
// On the menu, a card's pale face below its pictogram; on the T, a point
// of the stem (its tallest piece) just past the inner corner, and the
// stem's far end.
const cardFace = [facts.menu.cards[0].left + 60, facts.menu.cards[0].top + 1160];
const stem = facts.windows.t.pieces.reduce((a, b) => (b.height > a.height ? b : a));
const pastCorner = [stem.left + 140, stem.top + 620];
const stemEnd = [stem.left + 440, stem.top + stem.height - 15];

const { check, run } = require('./checks');

async function main() {
  fs.mkdirSync(out, { recursive: true });
  const browser = await Chromium.open('file://' + path.resolve(page), { width, height, ratio });
  try {
    await browser.until(onMenu);
    await browser.evaluate(pageHelpers);
    const { mouse, keyboard } = browser.page;
    const click = async ([x, y]) => mouse.click(...(await browser.evaluate(`onScreen(${x}, ${y})`)));
    // The colour on the screen at a point (CSS pixels).
    const shot = async (name) => {
      await sleep(150);
      const png = await browser.screenshot();
      fs.writeFileSync(path.join(out, `${name}-${ratio}.png`), png);
      const image = decodePng(png);
      return ([x, y]) => {
        const i = (Math.round(y * ratio) * image.width + Math.round(x * ratio)) * 3;
        return (image.rgb[i] << 16) | (image.rgb[i + 1] << 8) | image.rgb[i + 2];
      };
    };
    const at = async (point) => browser.evaluate(`onScreen(${point[0]}, ${point[1]})`);

    // The button beside the close box.
    const button = await browser.evaluate(`(() => {
      const b = front().querySelector('.vm-full-screen-box');
      const r = b.getBoundingClientRect();
      return r.width > 0 ? [r.left + r.width / 2, r.top + r.height / 2, b.title] : null; })()`);
    check(button !== null && button[2] === facts.fullScreenCommand,
      'the menu\'s title bar has the full-screen button beside its close box');
    await mouse.click(button[0], button[1]);
    await browser.until('document.documentElement.classList.contains("vm-full-screen")');
    await sleep(300);
    const menu = await browser.evaluate('client()');
    check(Math.abs(menu.height - height) < 1 && Math.abs(menu.left + menu.width / 2 - width / 2) < 1,
      `the menu fills the screen's height, centred (${menu.width.toFixed(1)} × ${menu.height.toFixed(1)})`);
    check(await browser.evaluate('document.fullscreenElement !== null'),
      'the browser shows the page on its whole screen');
    let look = await shot('menu');
    check(look([5, height / 2]) === surround && look(await at(cardFace)) === paleYellowCard,
      'beside it the dark surround; the cards pale yellow');

    await click(tee.button);
    await browser.until(titled(tee.caption));
    check(await browser.evaluate('client().height') > height - 1, 'the T opens full screen');
    look = await shot('t-cold');
    check(look(await at(tee.press)) === coldMetal, 'its metal is cold and grey');
    await click(tee.press);
    const near = await at([tee.press[0] + 60, tee.press[1]]);
    const corner = await at(pastCorner);
    const far = await at(stemEnd);
    look = await lookUntil(() => shot('t-plate'), (seen) => seen(corner) === heatedMetal);
    check(look(near) === heatedMetal, 'the heat spreads from the pointer\'s point');
    check(look(corner) === heatedMetal && look(far) === coldMetal,
      'it turns the inner corner into the stem, whose far end is still cold');

    await click(backButton);
    await browser.until(onMenu);
    look = await shot('menu-again');
    check(await browser.evaluate('client().height') > height - 1 && look([5, height / 2]) === surround,
      'もどる: the menu, still full screen');

    await keyboard.press('Escape');
    await browser.until('!document.documentElement.classList.contains("vm-full-screen")');
    await sleep(300);
    look = await shot('left');
    const frame = await browser.evaluate(
      'front().querySelector(".vm-title-bar").getBoundingClientRect().height');
    check(frame > 0 && look([5, height / 2]) !== surround,
      'Escape leaves full screen: the window in its frame on the page again');
    await keyboard.press('F11');
    await browser.until('document.documentElement.classList.contains("vm-full-screen")');
    check(true, 'F11 enters it again');
    const errors = browser.consoleLines.filter((l) => /exception|error|abort/i.test(l));
    check(errors.length === 0, `no error in the page's console ${errors.join(' | ')}`);
  } finally {
    await browser.close();
  }
}

run(main);
