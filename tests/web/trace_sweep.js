// Same heat to the last tick: runs heat-trace compiled to WebAssembly and
// the native heat-trace for the same presses, and checks that their
// answers (the JSON, the error text, the exit status) are byte-identical.
// The presses are a seeded random sweep over every piece of every window
// at every speed, plus every corner of every piece; the windows and their
// pieces are the program's, as describe-velmora prints them to the file
// VELMORA_FACTS names.
//   node trace_sweep.js NATIVE-HEAT-TRACE WASM-HEAT-TRACE.js [SEED] [PRESSES-PER-WINDOW-AND-SPEED]
'use strict';
const fs = require('fs');
const path = require('path');
const vm = require('vm');
const { spawnSync } = require('child_process');
const { check, run } = require('./checks');

const [native, wasm, seedArgument, countArgument] = process.argv.slice(2);
const seed = Number(seedArgument || 20261207);
const pressesPerWindowAndSpeed = Number(countArgument || 150);
const { windows } = JSON.parse(fs.readFileSync(process.env.VELMORA_FACTS, 'utf8'));
const speeds = ['20', '50', '100'];

// mulberry32: a small generator, so one seed replays one sweep.
function generator(state) {
  return () => {
    state = (state + 0x6d2b79f5) | 0;
    let t = Math.imul(state ^ (state >>> 15), 1 | state);
    t = (t + Math.imul(t ^ (t >>> 7), 61 | t)) ^ t;
    return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
  };
}

function runNative(args) {
  const result = spawnSync(native, args, { encoding: 'utf8' });
  return { out: result.stdout, err: result.stderr, status: result.status };
}

// The WebAssembly tool, loaded once; each press is one call of its main.
function loadWasm() {
  return new Promise((resolve) => {
    const file = path.resolve(wasm);
    const Module = {
      noInitialRun: true,
      print: (line) => Module.out.push(line + '\n'),
      printErr: (line) => Module.err.push(line + '\n'),
      onRuntimeInitialized: () => resolve(Module),
    };
    const wrapped = vm.runInThisContext(
      '(function (Module, require, __filename, __dirname) {' + fs.readFileSync(file, 'utf8') + '\n})',
      { filename: file });
    wrapped(Module, require, file, path.dirname(file));
  });
}

function runWasm(Module, args) {
  Module.out = [];
  Module.err = [];
  const status = Module.callMain(args);
  return { out: Module.out.join(''), err: Module.err.join(''), status };
}

async function main() {
  const Module = await loadWasm();
  const random = generator(seed);
  const presses = [];
  for (const [window, { pieces }] of Object.entries(windows)) {
    for (const speed of speeds) {
      pieces.forEach(({ width, height }, piece) => {
        for (const [x, y] of [[0, 0], [width, 0], [0, height], [width, height]]) {
          presses.push([window, String(piece), String(x), String(y), speed]);
        }
      });
      for (let i = 0; i < pressesPerWindowAndSpeed; ++i) {
        const piece = Math.floor(random() * pieces.length);
        const { width, height } = pieces[piece];
        // Whole twips as a mouse at 100 % gives them, and fractions as a
        // zoomed page or a finger does.
        const fraction = i % 2 ? 1000 : 1;
        const x = Math.floor(random() * width * fraction) / fraction;
        const y = Math.floor(random() * height * fraction) / fraction;
        presses.push([window, String(piece), String(x), String(y), speed]);
      }
    }
  }
  // Wrong arguments are answered alike too.
  presses.push(['simulation7', '0', '0', '0', '50'], ['simulation1', '0', '-1', '0', '50'],
    ['simulation1', '0', '0', '0', '30']);

  let differing = 0;
  for (const args of presses) {
    const a = runNative(args);
    const b = runWasm(Module, args);
    if (a.out !== b.out || a.err !== b.err || a.status !== b.status) {
      if (++differing <= 5) {
        console.log(`DIFFERS: heat-trace ${args.join(' ')}`);
        console.log(`  native (${a.status}): ${(a.out + a.err).slice(0, 400)}`);
        console.log(`  wasm   (${b.status}): ${(b.out + b.err).slice(0, 400)}`);
      }
    }
  }
  check(!differing, `${presses.length} presses (seed ${seed}): ` +
    (differing ? `${differing} differ` : 'native and WebAssembly heat-trace byte-identical'));
}

run(main);
