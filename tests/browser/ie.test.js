'use strict';
// The IE runtimes, run in Chromium on the IE markup of the host page under an emulation of what they take
// from Internet Explorer (support/ieShim.js).

const { describe } = require('node:test');
const assert = require('node:assert/strict');
const { EVEN_LINES, design, evenMessages } = require('./support/design');
const { sampleMessages } = require('./support/messages');
const { describeInEngines, it, waitsAfter } = require('./support/suite');

const IE = { ie: true };
const LONG_LINK = 'http://www.marquetto.example/';

const DESIGNS = [
    ['News fader with a background image (outer box and filtered area)', { effectStyle: 1, bgImageOn: 1 }],
    ['News fader without a background image (filtered area only)', { effectStyle: 1, bgImageOn: 0 }],
    ['Wait to finish mode', { scrollMode: 0 }],
    ['Page by page mode', { scrollMode: 1 }],
    ['Continuous mode', { scrollMode: 2 }],
];

function evenDesign(extra, count = 3) {
    return design({ ...EVEN_LINES, height: '120', messages: evenMessages(count), ...extra });
}

const measuring = () => ({ measured: heightarr.length, visible: __probes.visibleMessages().length });

describeInEngines(
    'IE runtimes under emulation',
    (session) => {
        describe('every design runs without errors', () => {
            for (const [name, style] of DESIGNS) {
                for (const count of [0, 1, 3, 12]) {
                    it(`${name} with ${count} messages`, async (t) => {
                        const { page } = await session.open(
                            t,
                            design({ ...style, messages: sampleMessages(count) }),
                            IE,
                        );
                        await page.tick(20000);
                        const built = await page.evaluate(() => spageie.querySelectorAll('div[id^="d"]').length);
                        assert.equal(
                            built,
                            count * (style.scrollMode === 2 ? 2 : 1),
                            'the runtime built every message',
                        );
                        await page.tick(20000);
                        assert.deepEqual(page.errors, []);
                    });
                }
            }
        });

        describe('waiting for layout', () => {
            const cases = [
                ['Wait to finish mode', { scrollMode: 0 }, 'd1', 2535],
                ['Continuous mode, second copy', { scrollMode: 2 }, 'dz1', 2535],
                ['News fader', { effectStyle: 1 }, 'd2', 2500 + 4000],
            ];
            for (const [name, style, hidden, nextAfterStart] of cases) {
                it(`${name}: retries every second while ${hidden} has no height`, async (t) => {
                    const { page } = await session.open(t, evenDesign(style), IE);
                    await page.evaluate((id) => (document.getElementById(id).style.display = 'none'), hidden);
                    const waiting = await page.run(2, measuring);
                    assert.deepEqual(waiting, [
                        { time: 500, measured: 0, visible: 0 },
                        { time: 1500, measured: 0, visible: 0 },
                    ]);
                    await page.evaluate((id) => (document.getElementById(id).style.display = ''), hidden);
                    const started = await page.run(2, measuring);
                    assert.deepEqual(
                        started.map((row) => [row.time, row.measured]),
                        [
                            [2500, 3],
                            [nextAfterStart, 3],
                        ],
                    );
                    assert.ok(started[0].visible > 0, 'messages show once measured');
                });
            }

            it('Page by page mode does not measure, so a message without height does not hold it up', async (t) => {
                const { page } = await session.open(t, evenDesign({ scrollMode: 1 }), IE);
                await page.evaluate(() => (document.getElementById('d1').style.display = 'none'));
                const rows = await page.run(2, measuring);
                assert.deepEqual(
                    rows.map((row) => [row.time, row.visible]),
                    [
                        [500, 3],
                        [535, 3],
                    ],
                );
            });
        });

        describe('fader transitions', () => {
            const faderDesign = (extra) =>
                design({
                    ...EVEN_LINES,
                    effectStyle: 1,
                    height: '160',
                    pause: '3',
                    transitionSpeed: 2,
                    messages: evenMessages(5),
                    ...extra,
                });
            const filterCalls = (page) => page.evaluate(() => window.__filterCalls);

            for (const [form, bgImageOn] of [
                ['without', 0],
                ['with', 1],
            ]) {
                it(`${form} a background image: apply() on the old page, play() on the new, once per page change`, async (t) => {
                    const { page } = await session.open(t, faderDesign({ bgImageOn }), IE);
                    const rows = await page.run(3, () => __probes.visibleMessages());
                    assert.deepEqual(
                        rows.map((row) => row.time),
                        [500, 4100, 7700],
                        'pause 3 s plus 600 ms for the fast transition',
                    );
                    const page0 = ['d0', 'd1', 'd2'];
                    const page1 = ['d3', 'd4'];
                    assert.deepEqual(await filterCalls(page), [
                        { call: 'apply', element: 'spageie', time: 500, shown: [] },
                        { call: 'play', element: 'spageie', time: 500, shown: page0 },
                        { call: 'apply', element: 'spageie', time: 4100, shown: page0 },
                        { call: 'play', element: 'spageie', time: 4100, shown: page1 },
                        { call: 'apply', element: 'spageie', time: 7700, shown: page1 },
                        { call: 'play', element: 'spageie', time: 7700, shown: page0 },
                    ]);
                    assert.deepEqual(page.errors, []);
                });
            }

            it('keeps the filter in MSIE 5.5', async (t) => {
                const userAgent = 'Mozilla/4.0 (compatible; MSIE 5.5; Windows 98)';
                const { page } = await session.open(t, faderDesign(), { ...IE, userAgent });
                await page.run(2);
                assert.equal((await filterCalls(page)).length, 4);
            });

            it('replays the transition for a single message at every change', async (t) => {
                const { page } = await session.open(t, faderDesign({ messages: evenMessages(1) }), IE);
                await page.run(3);
                const calls = await filterCalls(page);
                assert.deepEqual(
                    calls.map((c) => `${c.call} ${c.time}`),
                    ['apply 500', 'play 500', 'apply 4100', 'play 4100', 'apply 7700', 'play 7700'],
                );
            });

            for (const userAgent of [
                'Mozilla/4.0 (compatible; MSIE 5.0; Windows 98)',
                'Mozilla/4.0 (compatible; MSIE 4.5; Mac_PowerPC)',
            ]) {
                it(`changes pages without the filter in ${userAgent}`, async (t) => {
                    const { page } = await session.open(t, faderDesign(), { ...IE, userAgent });
                    const rows = await page.run(2, () => __probes.visibleMessages());
                    assert.deepEqual(
                        rows.map((row) => [row.time, Object.values(row).filter((v) => typeof v === 'string')]),
                        [
                            [500, ['d0', 'd1', 'd2']],
                            [4100, ['d3', 'd4']],
                        ],
                    );
                    assert.deepEqual(await filterCalls(page), []);
                    assert.deepEqual(page.errors, []);
                });
            }
        });

        describe('holds', () => {
            const columnProbe = () => ({
                column: __probes.columnTops().first,
                d0: __probes.messageLayout(['d0'], { top: 0, bottom: 1e6 }).d0.top,
            });
            for (const [name, scrollMode] of [
                ['Wait to finish mode', 0],
                ['Continuous mode', 2],
            ]) {
                it(`${name}: a hold lasts the pause plus the scroll delay`, async (t) => {
                    const { page } = await session.open(
                        t,
                        evenDesign({ scrollMode, pause: '2', scrollDelay: '40' }),
                        IE,
                    );
                    const rows = await page.run(130, columnProbe);
                    const waits = waitsAfter(rows);
                    const hold = waits.find(({ row }) => row.column === 0);
                    assert.equal(hold.wait, 2040);
                    assert.equal(hold.row.d0, 4, 'message 0 on the top margin line');
                    assert.equal(hold.row.time, 500 + 119 * 40);
                    assert.ok(
                        waits
                            .filter(({ row }) => row.column !== 0 && row.column !== -46)
                            .every(({ wait }) => wait === 40),
                    );
                    assert.deepEqual(page.errors, []);
                });
            }

            for (const [transitionSpeed, expected] of [
                [1, 3000],
                [3, 2400],
            ]) {
                it(`Page by page mode: a hold lasts the pause plus ${expected - 2000} ms for transition speed ${transitionSpeed}`, async (t) => {
                    const { page } = await session.open(
                        t,
                        evenDesign({ scrollMode: 1, pause: '2', transitionSpeed }),
                        IE,
                    );
                    const rows = await page.run(130, () => __probes.messageLayout(['d0'], { top: 0, bottom: 1e6 }));
                    const waits = waitsAfter(rows);
                    const holds = waits.filter(({ wait }) => wait !== 35);
                    assert.deepEqual(
                        holds.map(({ row, wait }) => [row.d0.top, wait]),
                        [[4, expected]],
                    );
                    assert.deepEqual(page.errors, []);
                });
            }
        });

        describe('pointer', () => {
            const pointerDesign = (extra) =>
                evenDesign({
                    textHoverDecoration: 1,
                    ...extra,
                    messages: evenMessages(3, (i) => ({ link: [LONG_LINK, 'ab', ''][i] })),
                });
            const look = (ids) => ({
                colors: ids.map((id) => getComputedStyle(document.getElementById(id)).color),
                cursors: ids.map((id) => document.getElementById(id).style.cursor),
                decoration: getComputedStyle(document.getElementById(ids[0])).textDecorationLine,
                status: window.status,
                halted: typeof inoout === 'undefined' ? null : inoout,
            });

            for (const [name, extra, id, decoration, halts] of [
                ['Wait to finish mode', { scrollMode: 0 }, 'd', 'underline', true],
                ['Continuous mode, second copy', { scrollMode: 2 }, 'dz', 'underline', true],
                ['News fader', { effectStyle: 1, height: '200' }, 'd', 'none', null],
            ]) {
                it(`${name}: hand cursor and colours for a link, the status text for every message`, async (t) => {
                    const { page } = await session.open(t, pointerDesign(extra), IE);
                    await page.run(extra.scrollMode === 2 ? 230 : 130);
                    const ids = (i) => [`${id}${i}`, `hg${id}${i}`];

                    await page.hover(`${id}0`);
                    assert.deepEqual(await page.evaluate(look, ids(0)), {
                        colors: ['rgb(142, 6, 6)', 'rgb(185, 0, 0)'],
                        cursors: ['hand', 'hand'],
                        decoration,
                        status: LONG_LINK,
                        halted: halts,
                    });
                    await page.leave();
                    assert.deepEqual(await page.evaluate(look, ids(0)), {
                        colors: ['rgb(0, 0, 0)', 'rgb(65, 74, 118)'],
                        cursors: ['hand', 'hand'],
                        decoration: 'none',
                        status: '',
                        halted: halts === null ? null : false,
                    });

                    await page.hover(`${id}1`);
                    assert.deepEqual(await page.evaluate(look, ids(1)), {
                        colors: ['rgb(0, 0, 0)', 'rgb(65, 74, 118)'],
                        cursors: ['', ''],
                        decoration: 'none',
                        status: 'ab',
                        halted: halts,
                    });
                    await page.leave();
                    assert.deepEqual(await page.evaluate(() => window.__statusLog), [LONG_LINK, '', 'ab', '']);
                    assert.deepEqual(page.errors, []);
                });
            }
        });
    },
    ['chromium'],
);
