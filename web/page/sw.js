'use strict';
// The page's service worker: it keeps the page's own files for offline use, and serves each live preview's
// box from memory, as the page handed it over, under preview/PAGE/VERSION/NAME.
// The build fills in VERSION, a hash of the page's files, and SHELL, their names but the catalogues, of which
// the page names the one it speaks. The files are kept once the page's first box has drawn, so that keeping
// them delays neither the worker's start nor the first box.
const VERSION = '@VERSION@';
const SHELL = ['./', @SHELL@];
const CACHE = `marquetto-page-${VERSION}`;
const BOX_TYPES = { html: 'text/html', js: 'text/javascript', jpg: 'image/jpeg', jpeg: 'image/jpeg', png: 'image/png', gif: 'image/gif' };
// How long a request for a box waits for the page's message before asking the pages for it, and then for
// their answer.
const ASK_PAGES_AFTER_MS = 500;
const WAIT_FOR_BOX_MS = 5000;

// page -> { version, files: Map(name -> bytes) }, the latest two versions of each page.
const boxes = new Map();
const waiting = new Map();

self.addEventListener('install', () => self.skipWaiting());

// The page's files and its catalogue; answers 'kept', or why they could not be kept.
async function keep(catalogue) {
    try {
        await (await caches.open(CACHE)).addAll([...SHELL, catalogue]);
        return 'kept';
    } catch (error) {
        return String(error);
    }
}

self.addEventListener('activate', (event) => {
    event.waitUntil(caches.keys()
        .then((names) => Promise.all(names.filter((n) => n.startsWith('marquetto-page-') && n !== CACHE).map((n) => caches.delete(n))))
        .then(() => self.clients.claim()));
});

self.addEventListener('message', (event) => {
    const { type, page, version, files, catalogue } = event.data || {};
    if (type === 'keep') {
        event.waitUntil(keep(catalogue).then((answer) => event.ports[0]?.postMessage(answer)));
        return;
    }
    if (type !== 'box') return;
    const kept = (boxes.get(page) || []).filter((box) => box.version >= version - 1 && box.version !== version);
    kept.push({ version, files: new Map(files.map((file) => [file.name, file.bytes])) });
    boxes.set(page, kept);
    for (const resolve of waiting.get(`${page}/${version}`) || []) resolve();
    waiting.delete(`${page}/${version}`);
    event.ports[0]?.postMessage('stored');
});

function findBox(page, version) {
    return (boxes.get(page) || []).find((box) => box.version === version);
}

// A box that has not come yet is waited for: its frame may ask before the page's message arrives. One that
// does not come soon is asked of the pages, as the worker may have restarted and forgotten it.
function arrival(page, version, milliseconds) {
    return new Promise((resolve) => {
        const key = `${page}/${version}`;
        waiting.set(key, [...(waiting.get(key) || []), resolve]);
        setTimeout(resolve, milliseconds);
    });
}

async function boxFor(page, version) {
    if (!findBox(page, version)) await arrival(page, version, ASK_PAGES_AFTER_MS);
    if (findBox(page, version)) return findBox(page, version);
    const asked = arrival(page, version, WAIT_FOR_BOX_MS);
    for (const client of await self.clients.matchAll({ type: 'window' })) client.postMessage({ type: 'box-wanted', page, version });
    await asked;
    return findBox(page, version);
}

async function boxFile(page, version, name) {
    const box = await boxFor(page, version);
    const bytes = box && box.files.get(name);
    if (!bytes) return new Response('Not found', { status: 404, headers: { 'Content-Type': 'text/plain' } });
    const type = BOX_TYPES[name.split('.').pop().toLowerCase()] || 'application/octet-stream';
    return new Response(bytes, { headers: { 'Content-Type': type, 'Cache-Control': 'no-store' } });
}

function fileName(inPath) {
    try {
        return decodeURIComponent(inPath);
    } catch {
        return inPath;
    }
}

async function shellFile(request) {
    const cached = await caches.match(request, { ignoreSearch: true });
    return cached || fetch(request);
}

self.addEventListener('fetch', (event) => {
    const url = new URL(event.request.url);
    const scope = new URL(self.registration.scope);
    if (url.origin !== scope.origin || !url.pathname.startsWith(scope.pathname) || event.request.method !== 'GET') return;
    const path = url.pathname.slice(scope.pathname.length);
    const box = /^preview\/([^/]+)\/(\d+)\/(.+)$/.exec(path);
    if (box) {
        event.respondWith(boxFile(box[1], Number(box[2]), fileName(box[3])));
        return;
    }
    event.respondWith(shellFile(event.request));
});
