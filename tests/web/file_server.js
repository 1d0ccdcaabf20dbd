// Python's own file server on 127.0.0.1, as a school's plain file server:
// it sends Last-Modified and no Cache-Control, and logs every request.
'use strict';
const { spawn } = require('child_process');
const path = require('path');

// Serves `folder` on a free port, which the server names when it starts.
// `requests` gathers the paths asked for, in order.
function serve(folder) {
  const server = spawn('/usr/bin/python3',
    ['-u', '-m', 'http.server', '0', '--bind', '127.0.0.1', '-d', path.resolve(folder)],
    { stdio: ['ignore', 'pipe', 'pipe'] });
  const requests = [];
  server.stderr.on('data', (chunk) => {
    for (const asked of String(chunk).matchAll(/"GET (\S+) HTTP/g)) requests.push(asked[1]);
  });
  const ended = new Promise((resolve) => server.on('exit', resolve));
  return new Promise((resolve, reject) => {
    let said = '';
    server.stdout.on('data', (chunk) => {
      said += chunk;
      const port = /port (\d+)/.exec(said);
      if (port) {
        resolve({
          port: Number(port[1]), url: `http://127.0.0.1:${port[1]}/`, requests,
          stop: () => { server.kill(); return ended; },
        });
      }
    });
    server.on('exit', () => reject(new Error('the file server ended: ' + said)));
  });
}

// The served page's service worker, once it has finished activating
// (`ready` hands it over as soon as it starts, and going offline before it
// has finished would find nothing kept). Its state after at most 5 s.
function activeWorker(browser) {
  return browser.evaluate(`navigator.serviceWorker.ready.then((r) => new Promise((done) => {
      const worker = r.active;
      if (worker.state === 'activated') return done(worker.state);
      worker.addEventListener('statechange', () => {
        if (worker.state === 'activated') done(worker.state);
      });
      setTimeout(() => done(worker.state), 5000);
    }))`);
}

module.exports = { serve, activeWorker };
