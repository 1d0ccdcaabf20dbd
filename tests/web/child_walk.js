// The page as a child uses it, in Chromium, Firefox or WebKit (chromium.js)
// with trusted input through the browser's own pipeline (page.mouse,
// page.touchscreen, page.keyboard): the menu, every shape window pressed by
// mouse or by finger until the heat covers the whole metal, もう一度, もどる
// and the close box, the speed options, then a keyboard-only run to おわり. Checks what the browser
// shows by the pixels of its screenshots (and the page's canvases), and
// writes a screenshot of each step.
//   node child_walk.js PAGE.html OUTPUT-FOLDER [RATIO]
'use strict';
const fs = require('fs');
const path = require('path');
const {
  Chromium, decodePng, sleep, lookUntil, heatedAround, shapes, backButton, retryButton, fastOption,
  endButton, coldMetal, heatedMetal, coloursAround, colours: looks, titled, onMenu, retryShown,
  twipsPerPixel, engine, pageHelpers,
} = require('./chromium');

const [page, out, ratioArgument] = process.argv.slice(2);
const ratio = Number(ratioArgument || 1);


// Inside the page, beside the shared helpers: the front window's client
// area and outer box, and what its metal shows.
const helpers = `
  window.clientBox = () => {
    const w = front();
    const r = w.querySelector('.vm-client').getBoundingClientRect();
    const o = w.getBoundingClientRect();
    return { left: r.left, top: r.top, outer: [o.left, o.top, o.width, o.height] };
  };
  // Pixels of every shown picture box of the window by colour: cold grey, heated light red,
  // and the black rim of the front.
  window.metal = async () => {
    // What was drawn reaches the page's canvases at its next frame.
    await new Promise((resolve) => requestAnimationFrame(() => resolve()));
    const count = { grey: 0, heated: 0, rim: 0, other: 0 };
    for (const canvas of front().querySelectorAll('.vm-drawing')) {
      // The markers are picture boxes too; a hidden one shows nothing.
      if (canvas.offsetParent === null) continue;
      const data = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data;
      for (let i = 0; i < data.length; i += 4) {
        const rgb = (data[i] << 16) | (data[i + 1] << 8) | data[i + 2];
        if (rgb === ${coldMetal}) count.grey++;
        else if (rgb === ${heatedMetal}) count.heated++;
        else if (rgb === 0) count.rim++;
        else count.other++;
      }
    }
    return count;
  };
  // What the last press was, as the page saw it: a trusted mouse or touch.
  window.lastPress = '';
  addEventListener('pointerdown',
    (e) => { lastPress = (e.isTrusted ? 'trusted ' : 'untrusted ') + e.pointerType; }, true);
  true;`;

const { check, run } = require('./checks');

async function main() {
  fs.mkdirSync(out, { recursive: true });
  const browser = await Chromium.open('file://' + path.resolve(page) + '?actual-size',
    { width: 720, height: 520, ratio });
  try {
    const fetched = [];
    browser.page.on('request', (request) => fetched.push(request.url()));
    await browser.until('document.querySelector(".vm-window") !== null');
    await browser.evaluate(pageHelpers + helpers);
    const at = async ([x, y]) => {
      const box = await browser.evaluate('clientBox()');
      return [box.left + x / twipsPerPixel, box.top + y / twipsPerPixel];
    };
    const { mouse, touchscreen, keyboard } = browser.page;
    const click = async (point) => mouse.click(...(await at(point)));
    // WebKitGTK's driver has no finger: its walk presses by mouse only.
    const tap = touchscreen ? async (point) => touchscreen.tap(...(await at(point))) : click;
    const byFinger = (index) => index % 2 && touchscreen;
    // A screenshot of the window in front, written to the output folder and
    // decoded, with the window's client area at `client` (CSS pixels).
    const shoot = async (name) => {
      const box = await browser.evaluate('clientBox()');
      const [x, y, width, height] = box.outer;
      await sleep(100);  // the next frame paints what was drawn
      const png = await browser.screenshot({ x, y, width, height });
      fs.writeFileSync(path.join(out, name + '.png'), png);
      return { ...decodePng(png), client: [box.left - x, box.top - y] };
    };
    // How many screenshot pixels of each colour lie within `radius` CSS
    // pixels of a point of the client area (twips).
    const colours = (shot, [x, y], radius) => coloursAround(shot,
      [(shot.client[0] + x / twipsPerPixel) * ratio, (shot.client[1] + y / twipsPerPixel) * ratio], radius * ratio);
    const share = (count, rgb) =>
      (count.get(rgb) || 0) / [...count.values()].reduce((a, b) => a + b, 0);

    // In the first shape window: the keys as on the desktop, and the
    // flame-and-cross cursor over the metal with its hot spot at the
    // crossing.
    const keyboardAndCursor = async (shape) => {
      const focused = 'document.activeElement.className';
      const selected = `[...front().querySelectorAll('.vm-option')]
          .findIndex((o) => o.getAttribute('aria-checked') === 'true')`;
      check(await browser.evaluate(`${focused}`) === 'vm-button vm-system',
        'the window opens with the focus on もどる');
      // もどる, the metal, then the chosen speed.
      await keyboard.press('Tab');
      check(await browser.evaluate(`${focused}`) === 'vm-picture-box',
        'Tab takes the focus to the metal');
      await keyboard.press('Tab');
      check(await browser.evaluate(`${focused} === 'vm-option vm-system'`),
        'Tab takes the focus on to the speed options');
      const before = await browser.evaluate(selected);
      await keyboard.press('ArrowUp');
      check(await browser.evaluate(selected) === before - 1, 'the up arrow selects the speed above');
      await keyboard.press('ArrowDown');
      check(await browser.evaluate(selected) === before, 'the down arrow selects it back');
      const cursor = await browser.evaluate(
        'getComputedStyle(front().querySelector(".vm-picture-box")).cursor');
      check(/^url\("data:image\/png;base64,.*"\) 16 16, auto$/.test(cursor),
        'the metal shows the flame-and-cross cursor, its hot spot at the crossing');
      await keyboard.down('Shift');
      await keyboard.press('Tab');
      await keyboard.press('Tab');
      await keyboard.up('Shift');
      await keyboard.press(' ');
      await browser.until(onMenu);
      check(true, 'Shift+Tab and Space press もどる');
      await click(shape.button);
      await browser.until(titled(shape.caption));
    };

    // A child who uses only the keyboard: Tab to the plate's card and
    // Enter, Tab to the metal (the focus mark and the aiming cross show),
    // the arrows move the cross, Space lights the burner there and the heat
    // spreads from it, もう一度 by Space puts the cross back where it was,
    // もどる, and Space on おわり ends the program.
    const keyboardOnly = async () => {
      const plate = shapes.find((shape) => shape.name === 'plate');
      // The screenshot's pixel (0xRRGGBB) under a point of the client area (twips).
      const pixel = (shot, [x, y]) => {
        const px = Math.floor((shot.client[0] + x / twipsPerPixel) * ratio);
        const py = Math.floor((shot.client[1] + y / twipsPerPixel) * ratio);
        const i = (py * shot.width + px) * 3;
        return (shot.rgb[i] << 16) | (shot.rgb[i + 1] << 8) | shot.rgb[i + 2];
      };
      await keyboard.press('Tab');
      await keyboard.press('Tab');
      await keyboard.press('Enter');
      await browser.until(titled(plate.caption));
      // The focused element's box, in twips of the client area.
      const focusedBox = async () => browser.evaluate(`(() => {
        const r = document.activeElement.getBoundingClientRect(), c = clientBox();
        return [(r.left - c.left), (r.top - c.top), r.width, r.height].map((v) => v * ${twipsPerPixel}); })()`);
      await keyboard.press('Tab');
      const [left, top, width, height] = await focusedBox();
      const edge = [left + twipsPerPixel, top + height / 2];
      const centre = [left + width / 2, top + height / 2];
      const aimed = [centre[0] + 1500, centre[1]];
      const far = [left + 300, top + height / 2];
      let shot = await shoot('keys-metal');
      const cross = pixel(shot, centre);
      check(pixel(shot, edge) !== coldMetal && cross !== coldMetal,
        'keys: Tab to the metal shows the focus mark round it and the aiming cross at its centre');
      for (let i = 0; i < 10; ++i) await keyboard.press('ArrowRight');
      shot = await shoot('keys-aimed');
      check(pixel(shot, aimed) === cross && pixel(shot, centre) === coldMetal,
        'keys: ten presses of the right arrow move the cross 1500 twips to the right');
      await keyboard.press(' ');
      const warm = await lookUntil(async () => colours(await shoot('keys-heating'), aimed, 12),
        (count) => heatedAround(count, ratio));
      check(heatedAround(warm, ratio) && pixel(await shoot('keys-far'), far) === coldMetal,
        'keys: Space lights the burner at the cross, the far end still cold');
      await browser.until(retryShown, 60000);
      await keyboard.press('Tab');
      await keyboard.press(' ');
      await browser.until(`!${retryShown}`);
      shot = await shoot('keys-again');
      check(pixel(shot, far) === coldMetal && pixel(shot, aimed) === cross,
        'keys: もう一度 by Space cools the metal, the cross back where it was');
      await keyboard.down('Shift');
      await keyboard.press('Tab');
      await keyboard.up('Shift');
      await keyboard.press(' ');
      await browser.until(onMenu);
      check(true, 'keys: Shift+Tab and Space press もどる');
      // From the plate's card back past the rod's to おわり.
      await keyboard.down('Shift');
      await keyboard.press('Tab');
      await keyboard.press('Tab');
      await keyboard.up('Shift');
      await keyboard.press(' ');
    };

    // The page zoomed (or dragged onto a denser screen) in the middle of a
    // run: the metal is drawn again at the new density, heat and all.
    const zoomDuringRun = async () => {
      const widths = `[...front().querySelectorAll('.vm-drawing')]
          .filter((c) => c.offsetParent !== null).map((c) => c.width)`;
      const before = await browser.evaluate(widths);
      const other = ratio === 2 ? 1 : 2;
      await browser.setRatio(other);
      await sleep(200);
      const after = await browser.evaluate(widths);
      const heat = await browser.evaluate('metal()');
      check(after.every((w, i) => Math.abs(w - before[i] * other / ratio) <= 1) && heat.heated > 0,
        `at a pixel ratio of ${other} the metal is drawn again at that density, heat and all`);
      await browser.setRatio(ratio);
    };

    await browser.until(onMenu);
    // The title's bold face may show a moment after the rest (WebKit).
    const menuShown = (count) => share(count, looks.menuBackground) > 0.4 &&
      count.get(looks.title) >= 200 * ratio * ratio && count.get(looks.titleHeat) >= 200 * ratio * ratio;
    const wholeMenuOf = (shot) => colours(shot, [0, 0], Math.max(shot.width, shot.height) / ratio);
    let menu = null;
    const wholeMenu = await lookUntil(async () => wholeMenuOf(menu = await shoot('menu')), menuShown, 5000);
    check(menuShown(wholeMenu),
      'the menu shows its grey face, the title in blue and 熱 in the light red of the heat');
    check(shapes.every((shape) => {
      const card = colours(menu, shape.button, 30);
      return share(card, looks.card) > 0.1 && card.get(coldMetal) > 0;
    }), 'each shape\'s card shows its grey pictogram on pale yellow');
    check(await browser.evaluate('front().querySelectorAll(".vm-picture-box").length') === 6,
      'the menu shows six picture buttons');

    let first = true;
    for (const [index, shape] of shapes.entries()) {
      // Every other shape is chosen, pressed, started again and left by a finger.
      const press = byFinger(index) ? tap : click;
      await press(shape.button);
      await browser.until(titled(shape.caption));
      check(true, `${shape.name}: its window opens from the menu`);
      if (first) {
        await keyboardAndCursor(shape);
        await click(fastOption);
        first = false;
      }
      const idle = await browser.evaluate('metal()');
      check(idle.heated === 0 && idle.grey > 0, `${shape.name}: the metal is cold and grey`);
      const cold = colours(await shoot(`${shape.name}-cold`), shape.press, 4);
      check(share(cold, coldMetal) === 1,
        `${shape.name}: the screenshot shows grey metal where the burner goes`);
      await press(shape.press);
      const pressedBy = byFinger(index) ? 'trusted touch' : 'trusted mouse';
      check(await browser.evaluate('lastPress') === pressedBy,
        `${shape.name}: the page sees the press as a ${pressedBy}`);
      // Long enough for the front to reach a corner, before the run ends.
      await sleep(shape.wait);
      const warm = await lookUntil(
        async () => colours(await shoot(`${shape.name}-heating`), shape.press, 12),
        (count) => heatedAround(count, ratio));
      const heating = await browser.evaluate('metal()');
      check(heating.heated > 0 && heating.rim > 0, `${shape.name}: the heat spreads from the press`);
      check(heatedAround(warm, ratio),
        `${shape.name}: the screenshot shows light red round the burner, no grey`);
      if (shape.name === 't') fs.writeFileSync(path.join(out, 'page.png'), await browser.screenshot());
      // (WebKitGTK's driver cannot change the pixel ratio.)
      if (shape.name === 'plate' && engine !== 'webkit') await zoomDuringRun();
      await browser.until(retryShown, 60000);
      const done = await browser.evaluate('metal()');
      check(done.grey === 0, `${shape.name}: the heat covers the whole metal (${done.grey} grey left)`);
      await shoot(`${shape.name}-covered`);
      await press(retryButton);
      await browser.until('!' + retryShown);
      const again = await browser.evaluate('metal()');
      check(again.heated === 0 && again.rim === 0, `${shape.name}: もう一度 makes the metal cold again`);
      const cooled = colours(await shoot(`${shape.name}-again`), shape.press, 4);
      check(share(cooled, coldMetal) === 1,
        `${shape.name}: after もう一度 the screenshot shows grey metal where the burner was`);
      if (index === 2) {
        // The frame's close box does what もどる does.
        const closeBox = await browser.evaluate(`(() => {
          const r = front().querySelector('.vm-close-box').getBoundingClientRect();
          return [r.left + r.width / 2, r.top + r.height / 2]; })()`);
        await mouse.click(...closeBox);
      } else {
        await press(backButton);
      }
      await browser.until(onMenu);
      check(true, `${shape.name}: back to the menu`);
    }
    check(await browser.evaluate('front().querySelector(".vm-option") === null'),
      'the menu is in front again');
    await keyboardOnly();
    await browser.until('document.body.classList.contains("vm-ended")');
    check(await browser.evaluate('front() === undefined'), 'おわり closes every window');
    const png = await browser.screenshot();
    fs.writeFileSync(path.join(out, 'ended.png'), png);
    const network = fetched.filter((url) => !url.startsWith('data:'));
    check(network.length === 0, `nothing fetched while the page runs ${network.join(' ')}`);
    const errors = browser.consoleLines.filter((l) => /exception|error|abort/i.test(l));
    check(errors.length === 0, `no error in the page's console ${errors.join(' | ')}`);
  } finally {
    await browser.close();
  }
}

run(main);
