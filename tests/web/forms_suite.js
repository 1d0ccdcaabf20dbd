// Runs the toolkit's conformance suite inside its page in headless
// Chromium, answering the page's probe: screenshots of what the browser
// shows, and the screen's pixel ratio. Prints the suite's output and ends
// with its result.
//   node forms_suite.js FORMS_SUITE.html [RATIO]
'use strict';
const path = require('path');
const { Chromium } = require('./chromium');

const [page, ratioArgument] = process.argv.slice(2);
const ratio = Number(ratioArgument || 1);
const size = { width: 1024, height: 768 };

async function main() {
  const browser = await Chromium.open('file://' + path.resolve(page),
    { ...size, ratio, bindings: ['velmoraProbe'] });
  let printed = 0;
  const answer = (text) => browser.send('Runtime.evaluate',
    { expression: `velmoraProbeAnswer(${JSON.stringify(text)})` });
  browser.listeners.push(async (m) => {
    if (m.method !== 'Runtime.bindingCalled' || m.params.name !== 'velmoraProbe') return;
    const question = JSON.parse(m.params.payload);
    if (question.what === 'screenshot') {
      const { width, height, rgb } = await browser.pixels(question);
      await answer(`${width} ${height} ${rgb.toString('base64')}`);
    } else if (question.what === 'ratio') {
      await browser.send('Emulation.setDeviceMetricsOverride',
        { ...size, deviceScaleFactor: question.ratio, mobile: false });
      await answer('ok');
    }
  });
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
