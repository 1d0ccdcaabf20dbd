// Velmora's first moments in the engine VELMORA_ENGINE names (Chromium,
// Firefox or WebKit, as the browser tests drive them), beside the floor
// page with the menu's question in the same faces, alternating round by
// round, each in a fresh browser: the first contentful paint, the moment
// the menu is ready for input (the program running it: the menu's first
// look shows before, and keeps what is pressed on it until then),
// and how long a press on a card takes to open its window (from the
// press's event to the frame after the window's title changed). All from
// the page's own clock, kept by a script that runs before the page's.
// Writes the rounds to engine-ENGINE-rounds.json; engines_report.py sums
// the engines up.
//   node engines_bench.js PAGE.html REPORT-FOLDER [--runs N]
'use strict';
const fs = require('fs');
const path = require('path');
const { Chromium, engine, shapes, facts, sleep } = require('../../tests/web/chromium');

const args = process.argv.slice(2);
const runsAt = args.indexOf('--runs');
const runs = runsAt >= 0 ? Number(args[runsAt + 1]) : 3;
const [pagePath, reportFolder] = args.filter((a, i) => !a.startsWith('--') && args[i - 1] !== '--runs');
const page = path.resolve(pagePath);
const floor = path.join(path.dirname(page), 'bench-floor', 'floor_text.html');

// Before the page's scripts: the moment the program runs the menu, and
// each press and the frame after the title next changes.
const watch = `(() => {
  const marks = window.velmoraMarks = { presses: [] };
  let pressed = null;
  addEventListener('pointerdown', (e) => { pressed = e.timeStamp || performance.now(); }, true);
  new MutationObserver(() => {
    if (marks.menuReady === undefined && document.documentElement.classList.contains('vm-running') &&
        document.title === ${JSON.stringify(facts.menu.caption)}) marks.menuReady = performance.now();
    if (pressed !== null && document.title !== ${JSON.stringify(facts.menu.caption)}) {
      const at = pressed;
      pressed = null;
      requestAnimationFrame(() => marks.presses.push(performance.now() - at));
    }
  }).observe(document, { subtree: true, childList: true, characterData: true, attributes: true });
})();`;

const firstContentfulPaint = `(() => {
  const paint = performance.getEntriesByType('paint').find((e) => e.name === 'first-contentful-paint');
  return paint ? paint.startTime : false; })()`;

async function ours() {
  const browser = await Chromium.open('file://' + page + '?actual-size',
    { width: 720, height: 520, preload: watch });
  try {
    await browser.until('velmoraMarks.menuReady !== undefined', 20000);
    const fcp = await browser.until(firstContentfulPaint, 10000);
    const menuReady = await browser.evaluate('velmoraMarks.menuReady');
    const card = shapes.find((shape) => shape.name === 'plate');
    const box = await browser.evaluate(`(() => {
      const r = document.querySelector('.vm-window .vm-client').getBoundingClientRect();
      return [r.left, r.top]; })()`);
    await sleep(300);
    await browser.page.mouse.click(box[0] + card.button[0] / facts.twipsPerPixel,
      box[1] + card.button[1] / facts.twipsPerPixel);
    const pressToWindow = await browser.until('velmoraMarks.presses[0]', 10000);
    return { firstContentfulPaintMs: fcp, menuReadyMs: menuReady, pressToWindowMs: pressToWindow };
  } finally {
    await browser.close();
  }
}

async function floorPage() {
  const browser = await Chromium.open('file://' + floor, { width: 720, height: 520 });
  try {
    return { firstContentfulPaintMs: await browser.until(firstContentfulPaint, 10000) };
  } finally {
    await browser.close();
  }
}

async function main() {
  if (!fs.existsSync(floor)) throw new Error(`${floor} is written by chromium_bench.js first`);
  const rounds = [];
  for (let i = 0; i < runs; ++i) {
    rounds.push({ ours: await ours(), floor: await floorPage() });
    console.error(`${engine} bench: round ${i + 1} of ${runs} done`);
  }
  fs.mkdirSync(reportFolder, { recursive: true });
  fs.writeFileSync(path.join(reportFolder, `engine-${engine}-rounds.json`),
    JSON.stringify({ engine, rounds }, null, 1) + '\n');
}

main().catch((error) => {
  console.error(error);
  process.exit(1);
});
