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
        if (typeof put === 'number') return response.writeHead(put).end();
        const file = path.join(this.folders[index] ?? '', name ?? '');
        const body = put ?? (this.folders[index] && fs.existsSync(file) ? fs.readFileSync(file) : null);
        const type = { html: 'text/html', js: 'text/javascript', json: 'application/json' }[name?.split('.').at(-1)];
        const headers = { 'Cache-Control': 'max-age=3600', 'Content-Type': type ?? 'text/plain' };
        response.writeHead(body === null ? (request.url === '/favicon.ico' ? 204 : 404) : 200, headers);
        response.end(body ?? '');
    }

    close() {
        const closed = new Promise((resolve) => this.server.close(resolve));
        this.server.closeAllConnections();
        return closed;
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
    // With `early`, the file has changed before the page loads.
    async function open(t, design, file = NEW, { early = false, url } = {}) {
        const base = server.mount(sharedNewsBox(design));
        const put = (answer) => server.answers.set(`${base.split('/').at(-2)}/${FILE}`, answer);
        if (early) put(file);
        const page = await session.engine.open(url ?? `${base}scroller_newstic.html`);
        t.after(() => page.close());
        page.warnings = [];
        page.listen('console', (message) => /^News box:/.test(message.text()) && page.warnings.push(message.text()));
        await page.tick(0);
        await page.evaluate(() => live_fetched);
        put(file);
        return { page, base, put };
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

    // Each file is taken at the fader's next page: what it shows then, as markup, and how its links stand.
    const FADER = { ...BOX, effectStyle: 1, pause: '1' };
    function shownMarkup() {
        return [...document.querySelectorAll('#spagens > div')].map((message) => message.innerHTML.replace(/^<div[^>]*>/, '<title>'));
    }
    const HOSTILE = [
        [
            'markup and </script> in a title are text',
            { title: '<img src=x onerror="top.__ran=1"></script><script>top.__ran=1</script>&amp;', text: 'plain' },
            '<title>&lt;img src=x onerror="top.__ran=1"&gt;&lt;/script&gt;&lt;script&gt;top.__ran=1&lt;/script&gt;&amp;amp;<br></div>plain',
        ],
        [
            'a text keeps character formatting only, without attributes',
            {
                title: 'T',
                text:
                    '<b onclick="top.__ran=1" style="color:red">B</b><script>top.__ran=1</script><style>*{color:red}</style>' +
                    '<iframe src="javascript:top.__ran=1"></iframe><p onmouseover="top.__ran=1">P</p><a href="javascript:top.__ran=1">A</a>' +
                    '<svg><script>top.__ran=1</script></svg><template><img src=x onerror="top.__ran=1"></template>' +
                    '<object data="x"></object><i><u><s>x</s></u></i><br>y<img src=x onerror="top.__ran=1">',
            },
            '<title>T<br></div><b>B</b> P A<i><u><s>x</s></u></i><br>y',
        ],
        ['a javascript: link is no link', { title: 'J', text: 'j', link: 'javascript:top.__ran=1', target: '_top' }, '<title>J<br></div>j', ''],
        ['a data: link is no link', { title: 'D', text: 'd', link: 'data:text/html,<script>top.__ran=1</script>' }, '<title>D<br></div>d', ''],
        ["a link's quotes are escaped", { title: 'Q', text: 'q', link: "landing/'+(top.__ran=1)+'\\", target: ' _self ' }, '<title>Q<br></div>q', /\/landing\/%27\+\(top\.__ran=1\)\+%27\/$/, '_parent'],
        ['a mailto: link stays', { title: 'M', text: 'm', link: 'mailto:news@marquetto.example' }, '<title>M<br></div>m', 'mailto:news@marquetto.example'],
    ];

    it('a hostile file shows as text and formatting only, and runs no script, on load or on click', async (t) => {
        const { page, put, base } = await open(t, FADER);
        await page.tick(600);
        for (const [what, message, markup, link = '', target = ''] of HOSTILE) {
            put(fileOf([message, { title: what, text: 'next' }]));
            await nextLook(page);
            await page.tick(1000);
            const shown = await page.evaluate(shownMarkup);
            assert.equal(shown[0], markup, what);
            const [links, targets] = await page.evaluate(() => [linka, trgfrma]);
            assert.match(links[0], link instanceof RegExp ? link : new RegExp(`^${link.replace(/[.?+()]/g, '\\$&')}$`), what);
            assert.equal(targets[0], target || (message.target ?? '').trim(), what);
        }
        // The last file's first link opens in the top window: the address the server is asked for is the escaped one.
        put(fileOf([{ title: 'Go', text: 'go', link: "landing/'+(top.__ran=1)+'", target: '_top' }]));
        await nextLook(page);
        await page.tick(1000);
        assert.equal(await page.evaluate(() => window.__ran), undefined);
        await page.click('d0');
        await page.untilNavigated('the landing page', () => server.requests.some((url) => url.includes('/landing/')));
        assert.ok(server.requests.includes(`/${base.split('/').at(-2)}/landing/%27+(top.__ran=1)+%27`), server.requests.at(-1));
        assert.deepEqual(page.warnings, []);
    });

    // Each file, one after another, is refused: the box keeps its messages and warns once; a good file ends the run.
    const REFUSED = [
        ['a missing file', 404],
        ['a network error', 'drop'],
        ['broken JSON', '{"version":1,"messages":[{"title":"x"}'],
        ['bytes that are not UTF-8', Buffer.from('{"version":1,"messages":[{"title":"\xff"}]}', 'latin1')],
        ['another version', JSON.stringify({ version: 2, messages: [{ title: 'x' }] })],
        ['no list of messages', JSON.stringify({ version: 1, messages: { title: 'x' } })],
        ['no message', fileOf([])],
        ['1001 messages', fileOf(evenMessages(1001))],
        ['a message that is not an object', fileOf([null])],
        ['a title that is a number', fileOf([{ title: 7, text: 'x' }])],
        ['a link that is a list', fileOf([{ title: 'x', link: ['http://a.example/'] }])],
        ['more than 1 MiB', fileOf([{ title: 'x', text: 'y'.repeat(1024 * 1024) }])],
    ];

    it('a missing, broken or refused file keeps the messages shown and warns once, never with an error', async (t) => {
        const { page, put } = await open(t, FADER);
        await page.tick(600);
        const titles = () => titlea.join();
        const before = await page.evaluate(titles);
        for (const [what, answer] of REFUSED) {
            put(answer);
            await nextLook(page);
            await page.tick(1000);
            assert.equal(await page.evaluate(titles), before, what);
        }
        assert.equal(page.warnings.length, 1, page.warnings.join('\n'));
        put(NEW);
        await nextLook(page);
        put(404);
        await nextLook(page);
        assert.equal(page.warnings.length, 2, 'a file taken ends the warned run');
        assert.deepEqual(
            page.errors.filter((error) => !/Failed to load resource/.test(error)),
            [],
        );
    });

    it('does not look at the file while its page is hidden, and looks when it is shown again', async (t) => {
        const { page } = await open(t, FADER);
        const asked = () => server.requests.filter((url) => url.endsWith(FILE)).length;
        const other = await session.engine.browser.newPage();
        t.after(() => other.close());
        await other.bringToFront();
        await page.until('the hidden page', () => document.hidden);
        const before = asked();
        await page.tick(5 * EVERY * 1000);
        assert.equal(asked(), before, 'no look while hidden');
        await page.page.bringToFront();
        await page.until('the shown page', () => !document.hidden);
        await page.tick(0);
        await page.evaluate(() => live_fetched);
        assert.equal(asked(), before + 1, 'a look at once, as one was due');
    });

    it('with the other options on, the new messages get their links and hidden copies, and a file changed before the box starts is shown from the start', async (t) => {
        const options = { ...BOX, scrollMode: 2, accessibleBox: true, rightToLeft: true, fitPageWidth: true, lightMotion: true };
        const { page } = await open(t, options, NEW, { early: true });
        await page.tick(600);
        assert.match(await page.evaluate(seen), /^N0@4 N1@50 N2@96/);
        const decorated = () => [
            document.querySelectorAll('#enuzun a.acc_link[href="http://www.marquetto.example/"]').length,
            document.getElementById('enuzun2').getAttribute('aria-hidden'),
            [...document.querySelectorAll('#enuzun2 a')].every((link) => link.tabIndex === -1),
            getComputedStyle(document.getElementById('d0')).direction,
            document.getAnimations().length > 0,
        ];
        assert.deepEqual(await page.evaluate(decorated), [3, 'true', true, 'rtl', true]);
        assert.deepEqual(page.errors, []);
    });

    it('a box that stays still for reduced motion takes a changed file at once', async (t) => {
        if (session.name !== 'chromium') return t.skip('puppeteer emulates the motion preference in Chromium only');
        const { page } = await open(t, { ...BOX, scrollMode: 0, accessibleBox: true, lightMotion: true });
        await page.tick(600);
        await page.page.emulateMediaFeatures([{ name: 'prefers-reduced-motion', value: 'reduce' }]);
        await page.until('the still box', () => document.getElementById('spagens').style.overflow === 'auto');
        await nextLook(page);
        assert.equal(await page.evaluate(seen), 'N0@4 N1@50 N2@96');
        await page.page.emulateMediaFeatures([{ name: 'prefers-reduced-motion', value: 'no-preference' }]);
        await page.until('the moving box', () => document.getElementById('spagens').style.overflow !== 'auto');
        assert.ok(await page.evaluate(() => document.getAnimations().length > 0), 'it moves on with the new messages');
        assert.deepEqual(page.errors, []);
    });

    // Chromium fetches nothing for a page opened from a file; Firefox reads a file of the page's own folder.
    it('a page opened from a file keeps its messages with one warning where the file cannot be fetched', async (t) => {
        const design = { ...BOX, effectStyle: 1, pause: '2' };
        const box = sharedNewsBox(design);
        const { page } = await open(t, design, NEW, { url: box.hostUrl });
        fs.writeFileSync(box.file(FILE), NEW);
        await nextLook(page);
        await page.tick(2000);
        const fetches = session.name === 'firefox';
        assert.equal(await page.evaluate(() => titlea.join()), fetches ? 'N0,N1,N2' : 'T0,T1,T2,T3,T4');
        assert.equal(page.warnings.length, fetches ? 0 : 1);
        assert.deepEqual(page.errors.filter((error) => !/CORS policy|Failed to load/.test(error)), []);
    });
});
