import { el } from './dom.js';

// The live preview beside the steps: each new box is handed to the service worker, which serves its files from
// memory under preview/PAGE/VERSION/ by the names they will have on the author's site, and is loaded into a
// frame of its own; the old box stays on the screen until the new one has drawn.
export class LivePreview {
    constructor({ container, note, frameTitle }) {
        this.container = container;
        this.note = note;
        this.frameTitle = frameTitle;
        this.page = globalThis.crypto?.randomUUID?.() ?? String(Math.random()).slice(2);
        this.version = 0;
        this.latest = null;
        this.frame = null;
        this.drawnListeners = [];
    }

    // The service worker, which the page's head has started; refuses where the browser has none.
    static register() {
        if (!('serviceWorker' in navigator)) return Promise.reject(new Error('no service workers'));
        return navigator.serviceWorker.register('sw.js', { scope: './' }).then(() => navigator.serviceWorker.ready);
    }

    // Resolves once a service worker serves this page's boxes; refuses where the browser has none.
    async start(registered) {
        navigator.serviceWorker.addEventListener('message', (event) => {
            if (event.data?.type === 'box-wanted' && event.data.page === this.page && this.latest) this.hand(this.latest);
        });
        this.worker = (await registered).active;
    }

    // Has the worker keep the page's files and its catalogue for offline use; resolves to 'kept' or why not.
    keepForOffline(catalogue) {
        return this.ask({ type: 'keep', catalogue });
    }

    // listener(version) runs when a box has drawn in the preview; with once, only the next time.
    onDrawn(listener, { once = false } = {}) {
        const entry = (version) => {
            if (once) this.drawnListeners = this.drawnListeners.filter((l) => l !== entry);
            listener(version);
        };
        this.drawnListeners.push(entry);
    }

    folder(version = this.version) {
        return `preview/${this.page}/${version}/`;
    }

    get pageUrl() {
        return new URL(`${this.folder()}preview.html`, location.href).href;
    }

    // The frame asks for the box at once: a request that comes before the box waits for it in the worker.
    show(files) {
        this.version += 1;
        this.latest = { version: this.version, files };
        this.note.textContent = '';
        this.hand(this.latest);
        this.load(this.version);
    }

    // Keeps the last box, with a line saying why it is not the design's.
    keepLast(why) {
        this.note.textContent = why;
    }

    hand({ version, files }) {
        return this.ask({ type: 'box', page: this.page, version, files });
    }

    ask(message) {
        const channel = new MessageChannel();
        const answered = new Promise((resolve) => {
            channel.port1.onmessage = (event) => resolve(event.data);
        });
        (navigator.serviceWorker.controller || this.worker).postMessage(message, [channel.port2]);
        return answered;
    }

    load(version) {
        const frame = el('iframe', { title: this.frameTitle, className: 'preview-frame loading' });
        frame.addEventListener('load', () => {
            if (version !== this.version) {
                frame.remove();
                return;
            }
            for (const old of this.container.querySelectorAll('iframe')) if (old !== frame) old.remove();
            frame.classList.remove('loading');
            this.frame = frame;
            this.container.dataset.drawn = String(version);
            performance.mark('marquetto-preview-drawn', { detail: version });
            for (const listener of [...this.drawnListeners]) listener(version);
        }, { once: true });
        frame.src = `${this.folder(version)}preview.html`;
        this.container.append(frame);
    }
}
