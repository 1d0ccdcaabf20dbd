// The page from the web zip, unpacked and opened from file:// as a teacher
// double-clicks it: its faces load, the menu paints, and the console stays
// clean (a file the page missed would show there). That it fetches nothing
// is the tablet test's, on the same page.
//   node web_zip_page.js PAGE.html
'use strict';
const path = require('path');
const { Chromium, colours } = require('../web/chromium');
const { check, run } = require('../web/checks');

const [page] = process.argv.slice(2);
const { menuBackground } = colours;

async function main() {
  const browser = await Chromium.open('file://' + path.resolve(page));
  try {
    await browser.until('document.querySelector(".vm-window") !== null && document.fonts.ready');
    await browser.until('[...document.fonts].some((f) => f.status === "loaded")');
    const shot = await browser.pixels();
    let background = 0;
    for (let i = 0; i < shot.rgb.length; i += 3) {
      background += ((shot.rgb[i] << 16) | (shot.rgb[i + 1] << 8) | shot.rgb[i + 2]) === menuBackground;
    }
    // The menu, 524 x 311 CSS pixels, fits a 1024 x 768 page at least
    // twice as large, mostly in its pale background.
    check(background > 0.2 * shot.width * shot.height, 'the menu paints from file://');
    check(browser.consoleLines.length === 0, `the console stays clean: ${browser.consoleLines}`);
  } finally {
    await browser.close();
  }
}

run(main);
