// Keeps Velmora on a tablet that opened it once from the school's server:
// every file of the folder is kept, and the page is served from what was
// kept, never half from the network. A new release brings a new worker
// (the browser compares it with the server's at each opening), which
// fills a new store with the release's files and then drops the old one,
// so the page a tablet keeps is always one whole build.
'use strict';
const store = 'velmora-@VELMORA_BUILD@';
const files = ['./', 'index.html', 'manifest.webmanifest', 'velmora-128.png', 'velmora-256.png'];

self.addEventListener('install', (event) => {
  // Past the browser's HTTP cache: a plain file server lets the browser
  // keep the old release's page for days, and the new store would be
  // filled with it.
  const fresh = files.map((file) => new Request(file, { cache: 'reload' }));
  event.waitUntil(caches.open(store).then((cache) => cache.addAll(fresh))
      .then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys()
      .then((names) => Promise.all(names.filter((n) => n.startsWith('velmora-') && n !== store)
          .map((n) => caches.delete(n))))
      .then(() => self.clients.claim()));
});

self.addEventListener('fetch', (event) => {
  if (event.request.method !== 'GET') return;
  event.respondWith(caches.open(store).then((cache) =>
    cache.match(event.request, { ignoreSearch: true }).then((kept) =>
      kept || fetch(event.request))));
});
