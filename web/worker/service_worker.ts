// The service worker of the page served from a web server: it keeps every
// file of the folder in a cache named by their content, so that after one
// visit the page opens and works with no network and no server. A new build
// brings a worker with another cache's name: the browser installs it at the
// next visit, it takes over at once, and the old cache goes.

const worker = self as unknown as ServiceWorkerGlobalScope;
// Written in front of this script by the build.
declare const pernamCacheName: string;
declare const pernamFiles: string[];

worker.addEventListener("install", (event) => {
    event.waitUntil(
        caches
            .open(pernamCacheName)
            .then((cache) => cache.addAll(pernamFiles))
            .then(() => worker.skipWaiting()),
    );
});

worker.addEventListener("activate", (event) => {
    event.waitUntil(
        caches
            .keys()
            .then((names) => Promise.all(names.filter((name) => name !== pernamCacheName).map((name) => caches.delete(name))))
            .then(() => worker.clients.claim()),
    );
});

// What the cache holds comes from it; anything else from the network.
worker.addEventListener("fetch", (event) => {
    if (event.request.method !== "GET") {
        return;
    }
    event.respondWith(
        caches
            .open(pernamCacheName)
            .then((cache) => cache.match(event.request, { ignoreSearch: true }))
            .then((kept) => kept ?? fetch(event.request)),
    );
});
