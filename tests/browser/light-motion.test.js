'use strict';
// The light motion option: the standards runtime's steps run from animation frames on the timeline its timers
// keep, so at every frame the reader sees what the timers would have shown; it rests while it cannot be seen.

const { describe, it } = require('node:test');
const assert = require('node:assert/strict');
const { ASYMMETRIC_DESIGN, DEFAULT_DESIGN, EVEN_LINES, evenMessages } = require('./support/design');
const { describeInEngines } = require('./support/suite');

const FRAME = 16;
const SECONDS = 120;

const MODES = [
    ['Wait to finish mode', { effectStyle: 0, scrollMode: 0 }],
    ['Page by page mode', { effectStyle: 0, scrollMode: 1 }],
    ['Continuous mode', { effectStyle: 0, scrollMode: 2 }],
    ['News fader', { effectStyle: 1 }],
];

const DESIGNS = [
    ['default', DEFAULT_DESIGN],
    ['asymmetric', ASYMMETRIC_DESIGN],
    ['1,000 messages', { ...DEFAULT_DESIGN, ...EVEN_LINES, messages: evenMessages(1000) }],
];

// Runs the page's clock frame by frame for `seconds` and reports what the reader sees at each frame instant: the
// rendered tops of the columns and of the first and last message, and which messages are shown. The pointer
// events ([time, type, id]) happen at their times, between frames.
function framesSeen(seconds, frame, events) {
    const top = (id) => {
        const element = document.getElementById(id);
        return element ? Math.round(element.getBoundingClientRect().top) : null;
    };
    const shown = () => {
        const ids = [];
        for (let i = 0; i < mc; i++) if (document.getElementById(`d${i}`).style.visibility === 'visible') ids.push(i);
        return ids.length > 20 ? ids.length : ids.join(',');
    };
    const rows = [];
    let next = 0;
    for (let now = frame; now <= seconds * 1000; now += frame) {
        while (next < events.length && events[next][0] < now) {
            const [at, type, id] = events[next++];
            window.__clock.tick(at - window.__clock.now);
            document.getElementById(id).dispatchEvent(new MouseEvent(type, { bubbles: true }));
        }
        window.__clock.tick(now - window.__clock.now);
        rows.push([top('enuzun'), top('enuzun2'), top('d0'), top(`d${mc - 1}`), shown()].join(' '));
    }
    return rows;
}

async function seen(session, t, design, events) {
    const { page } = await session.open(t, design);
    return page.evaluate(`(${framesSeen})(${SECONDS}, ${FRAME}, ${JSON.stringify(events)})`);
}

function firstDifference(expected, actual) {
    const at = expected.findIndex((row, i) => row !== actual[i]);
    return at < 0 ? 'none' : `frame ${at + 1} (${(at + 1) * FRAME} ms): ${expected[at]} / ${actual[at]}`;
}

describeInEngines('Light motion', (session) => {
    describe('shows at every frame what the timers show', () => {
        for (const [designName, base] of DESIGNS) {
            for (const [modeName, mode] of MODES) {
                it(`${modeName}, ${designName} design, pointer over a message between frames`, async (t) => {
                    const design = { ...base, ...mode };
                    // Each pointer event follows a step that came after the last frame: 1585 and 4105 for the default.
                    const hover = [
                        [1590, 'mouseover', 'd0'],
                        [4111, 'mouseout', 'd0'],
                        [30007, 'mouseover', 'd0'],
                        [30013, 'mouseout', 'd0'],
                    ];
                    const timers = await seen(session, t, design, hover);
                    const light = await seen(session, t, { ...design, lightMotion: true }, hover);
                    assert.equal(light.length, (SECONDS * 1000) / FRAME);
                    assert.equal(firstDifference(timers, light), 'none');
                    if (mode.effectStyle === 0) assert.ok(new Set(timers).size > 20, 'the box moves within the trace');
                });
            }
        }
    });

    // The default design in wait mode: the column starts at 215 - 1 at 500 ms and moves a pixel every 35 ms; its
    // first message stands on the top margin line, 4, during a hold.
    const wait = { ...DEFAULT_DESIGN, effectStyle: 0, scrollMode: 0, lightMotion: true };
    const columnTop = () => Math.round(document.getElementById('enuzun').getBoundingClientRect().top);

    // Steps the clock one callback at a time until the column has moved from where it stood; the time it moved.
    async function nextMove(page) {
        const rows = await page.evaluate(() => {
            const top = () => Math.round(document.getElementById('enuzun').getBoundingClientRect().top);
            const from = top();
            const fired = [];
            while (window.__clock.countTimers() > 0 && top() === from && fired.length < 1000)
                fired.push(window.__clock.next());
            return { fired, moved: top() !== from };
        });
        assert.ok(rows.moved, 'the column moves again');
        return rows.fired;
    }

    describe('rests', () => {
        it('wakes no more than once before the end of a hold, and not at all under the pointer', async (t) => {
            const { page } = await session.open(t, wait);
            await page.runUntil(
                () => window.__clock.now > 500 && __probes.messageLayout(['d0'], { top: 0, bottom: 1e6 }).d0.top === 4,
            );
            const holdFrom = await page.now();
            const fired = await nextMove(page);
            assert.ok(fired[0] >= holdFrom + 3035 - 2 * FRAME, `first callback of the hold at ${fired[0] - holdFrom} ms`);
            assert.equal(fired.at(-1), Math.ceil((holdFrom + 3035) / FRAME) * FRAME, 'it moves at the first frame after the hold');

            await page.hover('d0');
            assert.equal(await page.evaluate(() => window.__clock.countTimers()), 0, 'nothing is scheduled');
        });

        const ways = [
            [
                'the box is scrolled out of view',
                'far',
                (page) => page.evaluate(() => window.scrollTo(0, 3000)),
                (page) => page.evaluate(() => window.scrollTo(0, 0)),
            ],
            [
                'the page is hidden',
                'host',
                async (page, t) => {
                    const other = await page.page.browser().newPage();
                    t.after(() => other.close());
                    await other.bringToFront();
                    page.other = other;
                },
                (page) => page.page.bringToFront(),
            ],
        ];
        for (const [why, shownIn, hide, show] of ways) {
            it(`stops while ${why} and goes on from the same place and phase`, async (t) => {
                const { page: outer } = await session.open(t, wait, { page: shownIn });
                const page = shownIn === 'host' ? outer : outer.hostFrame();
                await page.tick(500 + 20 * 35 + 10);
                const stood = await page.evaluate(columnTop);
                await hide(outer, t);
                await until(page, () => window.__clock.countTimers() === 0, 'nothing scheduled');
                await page.tick(60000);
                assert.equal(await page.evaluate(columnTop), stood, 'no motion while it cannot be seen');
                assert.equal(await page.evaluate(() => window.__clock.countTimers()), 0, 'no callback waits');

                await show(outer, t);
                await until(page, () => window.__clock.countTimers() > 0, 'the motion to be scheduled again');
                const shownAt = await page.now();
                const fired = await nextMove(page);
                assert.equal(fired.at(-1), Math.ceil((shownAt + 25) / FRAME) * FRAME, 'the step due 25 ms later comes');
                assert.equal(await page.evaluate(columnTop), stood - 1);
            });
        }
    });

    it('keeps the timers where animation frames or intersection observers are missing', async (t) => {
        const traces = [];
        for (const beforeScripts of [undefined, 'delete window.IntersectionObserver;', 'delete window.requestAnimationFrame;']) {
            const { page } = await session.open(t, { ...wait, lightMotion: beforeScripts !== undefined }, { beforeScripts });
            traces.push(await page.evaluate(`(${framesSeen})(20, ${FRAME}, [])`));
        }
        assert.equal(firstDifference(traces[0], traces[1]), 'none');
        assert.equal(firstDifference(traces[0], traces[2]), 'none');
    });
});

async function until(page, condition, what) {
    const deadline = Date.now() + 10000;
    while (!(await page.evaluate(condition))) {
        if (Date.now() > deadline) throw new Error(`timed out waiting for ${what}`);
        await new Promise((resolve) => setTimeout(resolve, 50));
    }
}
