// What every browser test does with what it sees: each check prints one
// line, ok or FAIL, and the test ends failing if any check failed or a
// step stopped on an error.
'use strict';

let failures = 0;

function check(ok, what) {
  console.log(`${ok ? 'ok  ' : 'FAIL'} ${what}`);
  if (!ok) failures++;
}

// Runs the test's steps, then ends the process: status 0 only when every
// check passed.
function run(steps) {
  steps().then(
    () => {
      console.log(failures ? `${failures} check(s) failed` : 'every check passed');
      process.exit(failures ? 1 : 0);
    },
    (error) => {
      console.error(error);
      process.exit(1);
    });
}

module.exports = { check, run };
