// Velmora in headless Chromium beside the floor pages, alternating the two
// run by run: the first contentful paint of the menu against a page with
// the menu's question in the same embedded face; the CPU of a whole spiral
// run at はやい and a whole plate run at ゆっくり against a page that paints
// one growing disc every 50 ms into a box of the metal's size for as long;
// the tick periods of our runs. Writes every round's figures to
// chromium-rounds.json, from which chromium_report.py writes the report's
// section.
//   node chromium_bench.js PAGE.html REPORT-FOLDER [--quick] [--runs N]
// (NODE_PATH holding puppeteer-core: bench/web/run.sh sets it.)
'use strict';
const fs = require('fs');
const path = require('path');
const {
  Chromium, sleep, shapes, backButton, fastOption, facts,
} = require('../../tests/web/chromium');

const args = process.argv.slice(2);
const quick = args.includes('--quick');
const runsAt = args.indexOf('--runs');
const runs = quick ? 1 : runsAt >= 0 ? Number(args[runsAt + 1]) : 5;
const [pagePath, reportFolder] = args.filter((a, i) => !a.startsWith('--') && args[i - 1] !== '--runs');
if (!pagePath || !reportFolder || !(runs >= 1)) {
  console.error('usage: chromium_bench.js PAGE.html REPORT-FOLDER [--quick] [--runs N]');
  process.exit(2);
}
const page = path.resolve(pagePath);

// The box that holds a window's whole metal, in CSS pixels.
function metalBox(name) {
  const { pieces } = facts.windows[name];
  const extent = (edge, size) => (Math.max(...pieces.map((p) => p[edge] + p[size])) -
    Math.min(...pieces.map((p) => p[edge]))) / facts.twipsPerPixel;
  return { width: extent('left', 'width'), height: extent('top', 'height') };
}
// The heat runs measured.
const heatRuns = [
  { name: 'spiral', title: 'spiral (うず形) at はやい', speed: fastOption },
  { name: 'plate', title: 'plate (長方形) at ゆっくり', speed: facts.windows.plate.speedOptions[0].press },
].map((run) => ({ ...run, ...metalBox(run.name), shape: shapes.find((s) => s.name === run.name) }));
const viewport = { width: 720, height: 520 };

// The floor of the first paint: the menu's question in the page's own faces.
function writeFloorText() {
  const faces = fs.readFileSync(path.join(path.dirname(page), 'velmora-faces', 'faces.css'), 'utf8');
  const template = fs.readFileSync(path.join(__dirname, 'floor_text.html'), 'utf8');
  const folder = path.join(path.dirname(page), 'bench-floor');
  fs.mkdirSync(folder, { recursive: true });
  const floor = path.join(folder, 'floor_text.html');
  fs.writeFileSync(floor, template.replace('/*@VELMORA_FACES@*/', () => faces));
  return floor;
}
const floorText = writeFloorText();
const floorDisc = path.join(__dirname, 'floor_disc.html');

// CPU seconds (user + system) of a process and all its descendants, from
// /proc: Chromium's browser, GPU, utility and renderer processes.
const clockTicks = 100;  // USER_HZ on Linux
// The fields of /proc/PID/stat after the command's name (state first), or
// null for a process gone meanwhile.
function statFields(pid) {
  try {
    return fs.readFileSync(`/proc/${pid}/stat`, 'utf8').split(') ')[1].split(' ');
  } catch (error) {
    return null;
  }
}
function processTree(root) {
  const children = new Map();
  for (const entry of fs.readdirSync('/proc')) {
    const fields = /^\d+$/.test(entry) && statFields(entry);
    if (!fields) continue;
    const parent = Number(fields[1]);
    if (!children.has(parent)) children.set(parent, []);
    children.get(parent).push(Number(entry));
  }
  const tree = [];
  for (let queue = [root]; queue.length;) {
    const pid = queue.shift();
    tree.push(pid);
    queue.push(...(children.get(pid) || []));
  }
  return tree;
}
function treeCpuSeconds(root) {
  let ticks = 0;
  for (const fields of processTree(root).map(statFields).filter(Boolean)) {
    ticks += Number(fields[11]) + Number(fields[12]);  // utime, stime
  }
  return ticks / clockTicks;
}
// Proportional set size of the whole tree (shared pages split between the
// processes that share them), in MB.
function treePssMB(root) {
  let kb = 0;
  for (const pid of processTree(root)) {
    try {
      const rollup = fs.readFileSync(`/proc/${pid}/smaps_rollup`, 'utf8');
      kb += Number(/^Pss:\s+(\d+)/m.exec(rollup)[1]);
    } catch (error) { /* gone meanwhile */ }
  }
  return kb / 1024;
}

async function metrics(browser) {
  const { metrics: list } = await browser.send('Performance.getMetrics');
  return Object.fromEntries(list.map(({ name, value }) => [name, value]));
}

// A fresh browser on a page; the first paints and memory once it shows what
// it shows: `shown` is true in the page when it does.
async function openAndMeasure(url, shown) {
  const browser = await Chromium.open(url, viewport);
  await browser.send('Performance.enable');
  await browser.until(shown, 10000);
  await browser.evaluate('document.fonts.ready.then(() => true)');
  // The first contentful paint is reported once it is presented.
  const paints = await browser.until(`(() => {
      const p = Object.fromEntries(performance.getEntriesByType('paint').map((e) => [e.name, e.startTime]));
      return p['first-contentful-paint'] !== undefined && p; })()`, 10000);
  await sleep(500);
  const pid = browser.browser.process().pid;
  const m = await metrics(browser);
  return {
    browser,
    pid,
    figures: {
      firstPaintMs: paints['first-paint'],
      firstContentfulPaintMs: paints['first-contentful-paint'],
      jsHeapMB: m.JSHeapUsedSize / 1048576,
      pssMB: treePssMB(pid),
    },
  };
}

// CPU from the run's start to its end line on the console: the renderer's
// main thread (tasks, and script within them) and the whole browser tree.
async function measureRun(browser, pid, start) {
  const ended = () => browser.consoleLines.filter((l) => l.startsWith('velmora-benchmark run-ended'));
  const before = ended().length;
  const m0 = await metrics(browser);
  const cpu0 = treeCpuSeconds(pid);
  const wall0 = Date.now();
  await start();
  while (ended().length === before) await sleep(50);
  const wallS = (Date.now() - wall0) / 1000;
  const m1 = await metrics(browser);
  const cpu1 = treeCpuSeconds(pid);
  const line = ended()[before];
  const started = browser.consoleLines.filter((l) => l.startsWith('velmora-benchmark run-started'))
    .pop();
  const periods = Object.fromEntries([...line.matchAll(/([a-z0-9-]+)=([\d.]+)/g)]
    .map(([, key, value]) => [key, Number(value)]));
  return {
    wallS,
    runMs: (Number(line.split(' ')[2]) - Number(started.split(' ')[2])) / 1e6,
    taskS: m1.TaskDuration - m0.TaskDuration,
    scriptS: m1.ScriptDuration - m0.ScriptDuration,
    treeCpuS: cpu1 - cpu0,
    periods,
  };
}

const inFront = `(() => [...document.querySelectorAll('.vm-window')]
    .filter((w) => w.style.display !== 'none')
    .sort((a, b) => b.style.zIndex - a.style.zIndex)[0])()`;

async function velmoraRound() {
  const { browser, pid, figures } = await openAndMeasure('file://' + page + '?actual-size',
    'document.documentElement.classList.contains("vm-running")');
  const at = async ([x, y]) => {
    const box = await browser.evaluate(`(() => {
        const r = ${inFront}.querySelector('.vm-client').getBoundingClientRect();
        return [r.left, r.top]; })()`);
    return [box[0] + x / 15, box[1] + y / 15];
  };
  const click = async (point) => browser.page.mouse.click(...(await at(point)));
  const title = () => browser.evaluate(`${inFront}.querySelector('.vm-title').textContent`);
  const result = { ...figures, runs: {} };
  try {
    for (const run of heatRuns) {
      await click(run.shape.button);
      await browser.until(`${inFront}.querySelector('.vm-title').textContent === ${JSON.stringify(run.shape.caption)}`);
      await click(run.speed);
      await sleep(300);
      result.runs[run.name] = await measureRun(browser, pid, () => click(run.shape.press));
      await click(backButton);
      await browser.until(`${inFront}.querySelector('.vm-title').textContent === 'Velmora'`);
    }
  } catch (error) {
    throw new Error(`${error.message} (window in front: ${await title()})`);
  } finally {
    await browser.close();
  }
  return result;
}

// The floor of the same round, its disc runs as long as our runs did: as
// many 50 ms ticks as our run's length (our pieces tick side by side).
async function floorRound(ours) {
  const text = await openAndMeasure('file://' + floorText, 'document.querySelector(".line") !== null');
  await text.browser.close();
  const result = { ...text.figures, runs: {} };
  for (const run of heatRuns) {
    const ticks = Math.round(ours.runs[run.name].runMs / 50);
    const url = `file://${floorDisc}?width=${run.width}&height=${run.height}&ticks=${ticks}`;
    const browser = await Chromium.open(url, viewport);
    try {
      await browser.send('Performance.enable');
      await sleep(300);
      const pid = browser.browser.process().pid;
      result.runs[run.name] = { ticks, ...await measureRun(browser, pid, () => browser.evaluate('startRun()')) };
    } finally {
      await browser.close();
    }
  }
  return result;
}

// Our round and the floor's, alternating; every round's raw figures go to
// chromium-rounds.json, which chromium_report.py sums up.
async function main() {
  const rounds = [];
  for (let i = 0; i < runs; ++i) {
    const ours = await velmoraRound();
    const floor = await floorRound(ours);
    rounds.push({ ours, floor });
    console.error(`chromium bench: round ${i + 1} of ${runs} done`);
  }
  const raw = {
    chromium: await chromiumVersion(),
    page,
    heatRuns: heatRuns.map(({ name, title }) => ({ name, title })),
    rounds,
  };
  fs.mkdirSync(reportFolder, { recursive: true });
  fs.writeFileSync(path.join(reportFolder, 'chromium-rounds.json'), JSON.stringify(raw, null, 1) + '\n');
}

async function chromiumVersion() {
  const browser = await Chromium.open('about:blank', viewport);
  const version = await browser.browser.version();
  await browser.close();
  return version;
}

main().catch((error) => {
  console.error(error);
  process.exit(1);
});
