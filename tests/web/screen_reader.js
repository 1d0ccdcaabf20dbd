// What a screen reader hears of the page, read from Chromium's own
// accessibility tree (DevTools Accessibility.getFullAXTree): in the menu
// and in every shape window, each node the keyboard can reach and each
// picture has exactly the name and description the program gives it
// (describe-velmora reads them from the very windows) and a role other
// than generic; a run on the rod says, through the page's live region,
// that the burner is lit and then that the whole shape is warm.
//   node screen_reader.js PAGE.html
'use strict';
const path = require('path');
const { Chromium, facts, shapes, backButton, fastOption, titled, onMenu, twipsPerPixel, sleep } =
  require('./chromium');

const [page] = process.argv.slice(2);

const { check, run } = require('./checks');

// The nodes a screen reader meets: those the browser does not ignore.
async function heard(browser) {
  const { nodes } = await browser.send('Accessibility.getFullAXTree');
  const value = (field) => (field && field.value !== undefined ? String(field.value) : '');
  const property = (node, name) => {
    const found = (node.properties || []).find((p) => p.name === name);
    return found ? found.value.value : undefined;
  };
  return nodes.filter((node) => !node.ignored).map((node) => ({
    role: value(node.role), name: value(node.name), description: value(node.description),
    focusable: property(node, 'focusable') === true, live: property(node, 'live'),
  }));
}

// What a window should say: every control the keyboard reaches (a shown
// one: "もう一度" waits for the end of a run) and every picture, with its
// role, and the frame's close box.
function expected(described, reachable, pictures) {
  return [
    ...reachable,
    ...pictures.map((c) => ({ ...c, role: 'image' })),
    { accessibleName: described.closeBoxName, description: '', role: 'button' },
    // The page's own button beside it, where the browser has full screen.
    { accessibleName: facts.fullScreenCommand, description: '', role: 'button' },
  ];
}

function checkWindow(nodes, where, wanted) {
  const generic = new Set(['generic', 'none', 'GenericContainer', '']);
  const focusable = nodes.filter((n) => n.focusable && n.role !== 'RootWebArea');
  for (const node of focusable) {
    const known = wanted.some((w) => w.accessibleName === node.name && w.role === node.role);
    check(known && !generic.has(node.role),
      `${where}: the reachable ${node.role} "${node.name}" is one the program named`);
  }
  for (const w of wanted) {
    const found = nodes.filter((n) => n.name === w.accessibleName && n.role === w.role);
    check(found.length > 0 && found.every((n) => n.description === w.description),
      `${where}: a ${w.role} "${w.accessibleName}"` +
      (w.description ? ` described "${w.description}"` : ''));
  }
}

async function main() {
  const browser = await Chromium.open('file://' + path.resolve(page) + '?actual-size',
    { width: 720, height: 520 });
  try {
    await browser.until(onMenu);
    const at = async ([x, y]) => {
      const r = await browser.evaluate(`(() => { const w = [...document.querySelectorAll(
          '.vm-window')].find((e) => e.style.display !== 'none');
          const c = w.querySelector('.vm-client').getBoundingClientRect();
          return { left: c.left, top: c.top }; })()`);
      return [r.left + x / twipsPerPixel, r.top + y / twipsPerPixel];
    };
    const click = async (point) => browser.page.mouse.click(...(await at(point)));

    const menu = facts.menu;
    checkWindow(await heard(browser), 'the menu', expected(menu,
      [{ ...menu.controls.finishButton, role: 'button' },
        ...menu.cards.map((card) => ({ ...card.button, role: 'button' }))],
      [menu.controls.lampPicture]));

    for (const shape of shapes) {
      await click(shape.button);
      await browser.until(titled(shape.caption));
      const described = facts.windows[shape.name];
      checkWindow(await heard(browser), shape.caption, expected(described,
        [{ ...described.controls.backButton, role: 'button' },
          ...described.speedOptions.map((option) => ({ ...option, role: 'radio' })),
          ...described.pieces.map((piece) => ({ ...piece, role: 'button' }))], []));
      if (shape.name === 'rod') {
        // The two moments, in order, each said once the live region has
        // them; the fast speed keeps the wait short.
        await click(fastOption);
        await click(shape.press);
        const said = [];
        const end = Date.now() + 20000;
        while (said.length < 2 && Date.now() < end) {
          const text = await browser.evaluate(
            `document.querySelector('[aria-live="polite"]').textContent`);
          if (text && text !== said[said.length - 1]) said.push(text);
          await sleep(20);
        }
        check(JSON.stringify(said) ===
              JSON.stringify([facts.announcements.heatStarted, facts.announcements.wholeShapeWarm]),
        `the live region said, in order: ${said.join(' / ')}`);
        const region = (await heard(browser)).filter((n) => n.live === 'polite');
        check(region.length === 1 && region[0].role === 'status',
          'the page has one polite live region, a status, that a screen reader follows');
        const nodes = await heard(browser);
        check(nodes.some((n) => n.role === 'StaticText' && n.name === facts.announcements.wholeShapeWarm),
          'the tree holds what the live region said last');
        check(nodes.some((n) => n.role === 'image' && n.name === described.controls.burner.accessibleName),
          'the burner, shown during the run, is a named picture');
        check(nodes.some((n) => n.focusable && n.role === 'button' &&
                                n.name === described.controls.retryButton.accessibleName),
          '"もう一度", shown at the end of the run, is a reachable named button');
      }
      await click(backButton);
      await browser.until(onMenu);
    }
    check(browser.consoleLines.length === 0, `a clean console (${browser.consoleLines.join(' | ')})`);
  } finally {
    await browser.close();
  }
}

run(main);
