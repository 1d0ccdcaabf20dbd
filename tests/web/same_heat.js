// The heat on the page, tick for tick and pixel for pixel as the toolkit
// draws it on its virtual clock, in Chromium, Firefox and WebKit alike
// (chromium.js): each shape window is opened and its metal pressed with
// real input, the page's clock is let run exactly so many ticks, and every
// piece of metal the page shows is compared with what toolkit_heat draws
// for the same clicks and ticks. The page's clock is one the test moves:
// its intervals, the only timers the page keeps, fire when the test lets
// time pass, never by the wall clock of a busy machine.
//   node same_heat.js PAGE.html TOOLKIT_HEAT.js
'use strict';
const path = require('path');
const { execFileSync } = require('child_process');
const { Chromium, shapes, backButton, onMenu, twipsPerPixel, pageHelpers } = require('./chromium');
const { check, run } = require('./checks');

// Put in front of the page's scripts: setInterval on a clock that moves
// only by velmoraClock(ms), every interval due then firing in time order.
const clock = `(() => {
  let now = 0;
  let next = 1;
  const intervals = new Map();
  window.setInterval = (run, ms) => {
    const id = next++;
    intervals.set(id, { run, ms: Math.max(ms, 1), due: now + Math.max(ms, 1) });
    return id;
  };
  window.clearInterval = (id) => intervals.delete(id);
  window.velmoraClock = (ms) => {
    const end = now + ms;
    for (;;) {
      let first = null;
      for (const [id, interval] of intervals) {
        if (interval.due <= end && (!first || interval.due < first[1].due)) first = [id, interval];
      }
      if (!first) break;
      now = first[1].due;
      first[1].due += first[1].ms;
      first[1].run();
    }
    now = end;
    return true;
  };
})();`;

const [page, toolkitHeat] = process.argv.slice(2);

// The walk's card and press for each shape (twips of the client area), and
// the ticks let run: in the shapes of several pieces, until the front has
// turned its corners and is still on its way in the pieces beyond them.
const ticks = { rod: 25, plate: 30, t: 100, concave: 120, h: 160, spiral: 160 };
// Firefox and WebKit deliver a press on a whole CSS pixel, so every press
// lands on one, the toolkit's too.
const onWholePixel = (point) => point.map((v) => Math.round(v / twipsPerPixel) * twipsPerPixel);
const trials = shapes.map((shape) =>
  ({ ...shape, press: onWholePixel(shape.press), ticks: ticks[shape.name] }));

// Inside the page: every shown piece of metal of the front window, as
// toolkit_heat prints it.
const pieces = `(() => {
  Page.flush();
  const client = front().querySelector('.vm-client').getBoundingClientRect();
  const lines = [];
  for (const box of front().querySelectorAll('.vm-picture-box')) {
    if (box.offsetParent === null || box.querySelector(':scope > .vm-picture')) continue;
    const canvas = box.querySelector(':scope > .vm-drawing');
    const r = box.getBoundingClientRect();
    const data = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data;
    let hash = 2166136261;
    for (let i = 0; i < data.length; i += 4) {
      for (let c = 0; c < 3; ++c) hash = Math.imul(hash ^ data[i + c], 16777619) >>> 0;
    }
    lines.push([Math.round(r.left - client.left), Math.round(r.top - client.top), canvas.width,
      canvas.height, hash.toString(16).padStart(8, '0')].join(' '));
  }
  return lines.sort().join('\\n');
})()`;

async function main() {
  const browser = await Chromium.open('file://' + path.resolve(page) + '?actual-size',
    { width: 720, height: 520, preload: clock });
  try {
    await browser.until(onMenu);
    await browser.evaluate(pageHelpers);
    const click = async ([x, y]) =>
      browser.page.mouse.click(...(await browser.evaluate(`onScreen(${x}, ${y})`)));
    for (const trial of trials) {
      await click(trial.button);
      await click(trial.press);
      await browser.evaluate(`velmoraClock(${trial.ticks * 50 + 25})`);
      const shown = await browser.evaluate(pieces);
      const drawn = execFileSync(process.execPath, [toolkitHeat, ...trial.button.map(String),
        ...trial.press.map(String), String(trial.ticks)], { encoding: 'utf8' })
        .trim().split('\n').sort().join('\n');
      const same = shown === drawn && shown.length > 0;
      check(same, `${trial.name}: after ${trial.ticks} ticks the page shows the same heat as the ` +
        'toolkit draws');
      if (!same) console.log(`  page:\n${shown}\n  toolkit:\n${drawn}`);
      await click(backButton);
    }
  } finally {
    await browser.close();
  }
}

run(main);
