'use strict';
// Live messages: a published box served over HTTP takes the messages of a changed file beside it at its
// runtime's next boundary, keeps what it shows for every file it must not take, and never runs a file's script.

const { describe, it, before, after } = require('node:test');
const assert = require('node:assert/strict');
const fs = require('node:fs');
const http = require('node:http');
const path = require('node:path');
const { DEFAULT_DESIGN, EVEN_LINES, evenMessages } = require('./support/design');
const { describeInEngines } = require('./support/suite');
const { sharedNewsBox } = require('./support/newsBox');

const EVERY = 10;
// Box 100 high, top margin 4, messages 36 high with 10 between them; five old messages "T0".."T4".
const BOX = {
    ...DEFAULT_DESIGN,
    ...EVEN_LINES,
    height: '100',
    pause: '1',
    messages: evenMessages(5),
    liveMessages: true,
    liveSeconds: EVERY,
};
const MODES = [
    ['Wait to finish mode', { scrollMode: 0 }],
    ['Page by page mode', { scrollMode: 1 }],
    ['Continuous mode', { scrollMode: 2 }],
    ['News fader', { effectStyle: 1 }],
];
const FILE = 'scroller_messages.json';
const fileOf = (messages) => JSON.stringify({ version: 1, messages });
const NEW = fileOf(evenMessages(3, (i) => ({ title: `N${i}` })));

// A server of the test's own: each box's folder under a prefix of its own, and in place of a messages file what
// the test puts there, always with a long max-age that a box must look past.
class BoxServer {
    constructor() {
        this.requests = [];
        this.answers = new Map();
        this.folders = [];
    }

    async start() {
        this.server = http.createServer((request, response) => this.answer(request, response));
        await new Promise((resolve) => this.server.listen(0, '127.0.0.1', resolve));
        this.origin = `http://127.0.0.1:${this.server.address().port}`;
    }

    mount(box) {
        this.folders.push(box.folder);
        return `${this.origin}/${this.folders.length - 1}/`;
    }

    answer(request, response) {
        this.requests.push(request.url);
        const [, index, name] = request.url.split('?')[0].split('/');
        const put = this.answers.get(`${index}/${name}`);
        if (put === 'drop') return request.socket.destroy();
        const file = path.join(this.folders[index] ?? '', name ?? '');
        const body = put ?? (this.folders[index] && fs.existsSync(file) ? fs.readFileSync(file) : null);
        const type = { html: 'text/html', js: 'text/javascript', json: 'application/json' }[name?.split('.').at(-1)];
        const headers = { 'Cache-Control': 'max-age=3600', 'Content-Type': type ?? 'text/plain' };
        response.writeHead(body === null ? (request.url === '/favicon.ico' ? 204 : 404) : 200, headers);
        response.end(body ?? '');
    }

    close() {
        return new Promise((resolve) => this.server.close(resolve));
    }
}

// In the page: the title and top, in the message area, of each message that shows inside the box.
function seen() {
    const area = document.getElementById('spagens').getBoundingClientRect();
    const shown = [];
    for (const message of document.querySelectorAll('#spagens div[id^="d"]')) {
        const box = message.getBoundingClientRect();
        if (getComputedStyle(message).visibility === 'visible' && box.bottom > area.top && box.top < area.bottom)
            shown.push(`${message.querySelector('[id^="hgd"]').firstChild.data}@${Math.round(box.top - area.top)}`);
    }
    return shown.join(' ');
}

// Fires the timers until the messages change, then for `ms` more: what shows after each, and when it changed.
function acrossSwap(ms, look) {
    const count = mc;
    const rows = [];
    while (mc === count && rows.length < 20000) {
        window.__clock.next();
        rows.push([window.__clock.now, look()]);
    }
    const swapped = window.__clock.now;
    const at = rows.length - 1;
    while (window.__clock.now < swapped + ms && document.getAnimations().length === 0) {
        window.__clock.next();
        rows.push([window.__clock.now, look()]);
    }
    return { swapped, at, rows };
}

// The light box, paused at each step time of the timers' trace after the swap, and a millisecond before it.
function seekedAfter(times, look) {
    const animations = document.getAnimations();
    for (const animation of animations) animation.pause();
    const origin = animations[0].startTime;
    return times.flatMap((time) =>
        [time - 1, time].map((instant) => {
            for (const animation of animations) animation.currentTime = instant - origin;
            return look();
        }),
    );
}

describeInEngines('Live messages', (session) => {
    const server = new BoxServer();
    before(() => server.start());
    after(() => server.close());

    // Opens a box over HTTP once its design's first look at its unchanged file is done, with `file` put there next.
    async function open(t, design, file = NEW, { viewport } = {}) {
        const base = server.mount(sharedNewsBox(design));
        const page = await session.engine.open(`${base}scroller_newstic.html`, { viewport });
        t.after(() => page.close());
        await page.tick(0);
        await page.evaluate(() => live_fetched);
        server.answers.set(`${base.split('/').at(-2)}/${FILE}`, file);
        return { page, base };
    }

    async function nextLook(page) {
        await page.tick(EVERY * 1000);
        await page.evaluate(() => live_fetched);
    }

    describe('a changed file replaces the messages at the next boundary, without a jump or an empty frame', () => {
        for (const [mode, settings] of MODES) {
            it(mode, async (t) => {
                const { page } = await open(t, { ...BOX, ...settings });
                await page.tick(600);
                await nextLook(page);
                const { swapped, at, rows } = await page.evaluate(`(${acrossSwap})(4000, ${seen})`);
                assert.ok(rows.slice(0, at).every(([, shown]) => !/N\d/.test(shown)), 'the old messages until the swap');
                assert.ok(rows.slice(at).every(([, shown]) => !/T\d/.test(shown)), 'only new ones from the swap on');
                const first = rows.slice(at).find(([, shown]) => shown !== '');
                // Wait mode starts the column again below the box (its message area is 98 high); the others show the first new message at the
                // top margin at once, the continuous column's copy following the new column's end at 4 + 3 * 46.
                const expected = { 0: 'N0@97', 1: 'N0@4', 2: 'N0@4 N1@50 N2@96', 3: 'N0@4 N1@50' };
                assert.equal(first[1], expected[settings.effectStyle ? 3 : settings.scrollMode]);
                if (!settings.effectStyle) {
                    const tops = rows.slice(at).map(([, shown]) => Number(shown.split(' ')[0].split('@')[1] ?? NaN));
                    assert.ok(tops.every((top, i) => i === 0 || Number.isNaN(top) || Number.isNaN(tops[i - 1]) || tops[i - 1] - top <= 1 || top > tops[i - 1]), 'one pixel a step');
                }

                const { page: light } = await open(t, { ...BOX, ...settings, lightMotion: true });
                await light.tick(600);
                await nextLook(light);
                const lit = await light.evaluate(`(${acrossSwap})(0, ${seen})`);
                assert.equal(lit.swapped, swapped, 'the light box swaps at the same time');
                const after = rows.slice(at + 1, at + 80);
                const seekedRows = await light.evaluate(`(${seekedAfter})(${JSON.stringify(after.map(([time]) => time))}, ${seen})`);
                const expectedRows = after.flatMap(([, shown], i) => [i === 0 ? rows[at][1] : after[i - 1][1], shown]);
                assert.deepEqual(seekedRows, expectedRows);
                assert.deepEqual([...page.errors, ...light.errors], []);
            });
        }
    });
});
