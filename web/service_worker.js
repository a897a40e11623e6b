// Keeps one build of the page for starts without the network. The build
// fills in its hash and files; a new build installs beside the running
// one and takes over only when a page that has not started a game asks it
// to, so no game ever runs on two builds.
'use strict';

const SITE = '@SITE@';
const CACHE = 'vantor-' + SITE.build;
const FILES = Object.keys(SITE.sizes).concat('site.json');

// Revalidated, not fetched again: the page has just loaded most of these.
self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(CACHE).then((cache) =>
    cache.addAll(FILES.map((name) => new Request(name, { cache: 'no-cache' })))));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys().then((names) => Promise.all(names
    .filter((name) => name.startsWith('vantor-') && name !== CACHE)
    .map((name) => caches.delete(name)))));
});

self.addEventListener('message', (event) => {
  if (event.data === 'take-over') self.skipWaiting();
});

// The page whatever options its address carries, and the rest of the build,
// as kept; anything else from the network.
self.addEventListener('fetch', (event) => {
  const request = event.request;
  const url = new URL(request.url);
  if (request.method !== 'GET' || url.origin !== location.origin) return;
  const page = request.mode === 'navigate' && /\/(index\.html)?$/.test(url.pathname);
  const kept = page ? caches.match(new URL('index.html', registration.scope).href, { cacheName: CACHE })
                    : caches.match(request, { cacheName: CACHE });
  event.respondWith(kept.then((response) => response || fetch(request)));
});
