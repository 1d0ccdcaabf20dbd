// Runs the toolkit's conformance suite inside its page in Chromium,
// Firefox or WebKit (chromium.js), answering the page's probe: screenshots
// of what the browser shows, and the screen's pixel ratio. Prints the suite's output and ends
// with its result.
//   node forms_suite.js FORMS_SUITE.html [RATIO]
'use strict';
const path = require('path');
const { Chromium, engine } = require('./chromium');

const [page, ratioArgument] = process.argv.slice(2);
const ratio = Number(ratioArgument || 1);
const size = { width: 1024, height: 768 };

async function main() {
  let browser = null;
  // The page's probe asks, the driver answers through velmoraProbeAnswer.
  const answer = (text) => browser.evaluate(`velmoraProbeAnswer(${JSON.stringify(text)})`);
  const velmoraProbe = async (payload) => {
    const question = JSON.parse(payload);
    if (question.what === 'screenshot') {
      const { width, height, rgb } = await browser.pixels(question);
      await answer(`${width} ${height} ${rgb.toString('base64')}`);
    } else if (question.what === 'ratio') {
      // WebKitGTK's driver has no screen of another ratio: the probe
      // finds the ratio unchanged.
      await browser.setRatio(question.ratio).then(() => answer('ok'), () => answer('none'));
    }
  };
  // WebKitGTK's driver cannot move the page to a screen of another pixel
  // ratio, nor give the page the user's gesture the browser's full screen
  // needs (the page then enlarges the window on its own): the cases that
  // need those are left out there.
  const webkitCannot = ['*screen of twice the scale*', '*F11 fills the screen*'];
  const excluded = engine === 'webkit' ? '?exclude=' + encodeURIComponent(webkitCannot.join(',')) : '';
  browser = await Chromium.open('file://' + path.resolve(page) + excluded,
    { ...size, ratio, exposed: { velmoraProbe } });
  let printed = 0;
  try {
    const end = Date.now() + 240000;
    let outcome = null;
    while (!outcome && Date.now() < end) {
      await new Promise((resolve) => setTimeout(resolve, 100));
      for (; printed < browser.consoleLines.length; ++printed) {
        const line = browser.consoleLines[printed];
        console.log(line);
        const found = /velmora forms suite: (passed|FAILED)/.exec(line);
        if (found) outcome = found[1];
        // An exception in the page ends the suite where it is.
        if (line.startsWith('exception: ')) outcome = 'broken';
      }
    }
    if (!outcome) console.log('the suite did not finish in time');
    process.exitCode = outcome === 'passed' ? 0 : 1;
  } finally {
    await browser.close();
  }
}

main().catch((error) => {
  console.error(error);
  process.exit(1);
});
