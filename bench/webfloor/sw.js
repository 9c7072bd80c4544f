// SPDX-License-Identifier: MIT
// The floor keeps its files for offline use as the page does, so that a warm start
// goes through a service worker on both.
const cacheName = 'floor';
const files = ['./', 'floor.js'];

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(cacheName).then((cache) => cache.addAll(files)).then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => event.waitUntil(self.clients.claim()));

// A page's address may carry a query; its files' never do, and a lookup that ignores
// the query has to go through every entry kept.
self.addEventListener('fetch', (event) => {
  const ignoreSearch = event.request.mode === 'navigate';
  event.respondWith(caches.match(event.request, {ignoreSearch}).then((kept) => kept || fetch(event.request)));
});
