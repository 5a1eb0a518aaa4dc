'use strict';
// The light motion option: the scrollers' steps played by Web Animations that the compositor runs, which at
// every step instant show what the timers show; the fader, and browsers without Web Animations, run the steps
// from animation frames; browsers without frames or observers keep the timers.

const { describe, it } = require('node:test');
const assert = require('node:assert/strict');
const { ASYMMETRIC_DESIGN, DEFAULT_DESIGN, EVEN_LINES, evenMessages } = require('./support/design');
const { describeInEngines } = require('./support/suite');

const FRAME = 16;
const NO_ANIMATIONS = 'delete Element.prototype.animate;';

const SCROLLERS = [
    ['Wait to finish mode', { effectStyle: 0, scrollMode: 0 }],
    ['Page by page mode', { effectStyle: 0, scrollMode: 1 }],
    ['Continuous mode', { effectStyle: 0, scrollMode: 2 }],
];

// Each trace runs past the first pass from below the box and a whole cycle of the column after it.
const DESIGNS = [
    ['default', DEFAULT_DESIGN, 70],
    ['asymmetric', ASYMMETRIC_DESIGN, 120],
    ['six-message', { ...DEFAULT_DESIGN, ...EVEN_LINES, height: '100', pause: '1', messages: evenMessages(6) }, 40],
];

// What the reader sees, in the page: the rendered tops of both columns and of every message.
function places() {
    const top = (element) => (element ? Math.round(element.getBoundingClientRect().top) : '-');
    const tops = [top(document.getElementById('enuzun')), top(document.getElementById('enuzun2'))];
    for (let i = 0; i < mc; i++) tops.push(top(document.getElementById(`d${i}`)));
    return tops.join(' ');
}

// The timers' steps on the fake clock for `seconds`: the time of each and what it shows.
function timerSteps(seconds, seen) {
    const rows = [];
    while (window.__clock.now < seconds * 1000 && window.__clock.countTimers() > 0) {
        window.__clock.next();
        rows.push([window.__clock.now, seen()]);
    }
    return rows;
}

// Runs the clock until the light box has animations, then pauses them and seeks them to each instant (ms after
// that first step); what is seen there.
function seekedSteps(instants, seen) {
    while (document.getAnimations().length === 0 && window.__clock.countTimers() > 0) window.__clock.next();
    const animations = document.getAnimations();
    for (const animation of animations) animation.pause();
    return instants.map((instant) => {
        for (const animation of animations) animation.currentTime = instant;
        return seen();
    });
}

// Runs the page's clock frame by frame for `seconds` and reports what the reader sees at each frame instant.
function framesSeen(seconds, frame, seen) {
    const rows = [];
    for (let now = frame; now <= seconds * 1000; now += frame) {
        window.__clock.tick(now - window.__clock.now);
        rows.push(seen());
    }
    return rows;
}

// What the fader's reader sees: which messages are shown, and where.
function pagesShown() {
    const shown = [];
    for (let i = 0; i < mc; i++) {
        const message = document.getElementById(`d${i}`);
        if (getComputedStyle(message).visibility === 'visible')
            shown.push(`${i}@${Math.round(message.getBoundingClientRect().top)}`);
    }
    return shown.join(',');
}

function firstDifference(expected, actual, label = (i) => `row ${i}`) {
    const at = expected.findIndex((row, i) => row !== actual[i]);
    return at < 0 ? 'none' : `${label(at)}: ${expected[at]} / ${actual[at]}`;
}

describeInEngines('Light motion', (session) => {
    describe('the animations show what the timers show at each step and just before it', () => {
        for (const [designName, base, seconds] of DESIGNS) {
            for (const [modeName, mode] of SCROLLERS) {
                it(`${modeName}, ${designName} design`, async (t) => {
                    const design = { ...base, ...mode };
                    const { page: timers } = await session.open(t, design);
                    const steps = await timers.evaluate(`(${timerSteps})(${seconds}, ${places})`);
                    const { page: light } = await session.open(t, { ...design, lightMotion: true });
                    const first = steps[0][0];
                    // Before each step the previous one shows, also when the step comes a millisecond after it.
                    const instants = steps.flatMap(([time]) => [time - first - 1, time - first]);
                    const expected = steps.flatMap(([, seen], i) => [i > 0 ? steps[i - 1][1] : seen, seen]);
                    const seen = await light.evaluate(`(${seekedSteps})(${JSON.stringify(instants)}, ${places})`);
                    const label = (i) => `${instants[i]} ms after the first step`;
                    assert.equal(firstDifference(expected.slice(2), seen.slice(2), (i) => label(i + 2)), 'none');
                    assert.ok(steps.at(-1)[0] - first > seconds * 1000 - 2000, 'the trace runs its whole time');
                    assert.ok(new Set(expected).size > 100, 'the box moves within the trace');
                    assert.deepEqual(light.errors, []);
                });
            }
        }
    });

    describe('animation frames where the compositor does not play the motion', () => {
        const cases = [
            ['News fader', { effectStyle: 1, ...EVEN_LINES, height: '100', messages: evenMessages(6) }, undefined, pagesShown],
            ['Wait to finish mode without Web Animations', SCROLLERS[0][1], NO_ANIMATIONS, places],
            ['Page by page mode without Web Animations', SCROLLERS[1][1], NO_ANIMATIONS, places],
        ];
        for (const [name, mode, beforeScripts, seen] of cases) {
            it(`${name}: at every frame what the timers show`, async (t) => {
                const design = { ...DEFAULT_DESIGN, ...mode };
                const traces = [];
                for (const lightMotion of [false, true]) {
                    const { page } = await session.open(t, { ...design, lightMotion }, { beforeScripts });
                    traces.push(await page.evaluate(`(${framesSeen})(20, ${FRAME}, ${seen})`));
                    assert.equal(await page.evaluate(() => document.getAnimations().length), 0, 'no animations');
                }
                assert.equal(firstDifference(...traces, (i) => `frame ${i + 1}`), 'none');
                assert.ok(new Set(traces[0]).size > 2, 'the box changes within the trace');
            });
        }
    });

    it('keeps the timers where animation frames or intersection observers are missing', async (t) => {
        const wait = { ...DEFAULT_DESIGN, ...SCROLLERS[0][1] };
        const traces = [];
        for (const beforeScripts of [undefined, 'delete window.IntersectionObserver;', 'delete window.requestAnimationFrame;']) {
            const { page } = await session.open(t, { ...wait, lightMotion: beforeScripts !== undefined }, { beforeScripts });
            traces.push(await page.evaluate(`(${framesSeen})(20, ${FRAME}, ${places})`));
        }
        assert.equal(firstDifference(traces[0], traces[1]), 'none');
        assert.equal(firstDifference(traces[0], traces[2]), 'none');
    });

    describe('rests', () => {
        const wait = { ...DEFAULT_DESIGN, ...SCROLLERS[0][1], lightMotion: true };
        const state = () =>
            document.getAnimations().map((animation) => `${animation.playState} ${Math.round(animation.currentTime)}`);
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
                },
                (page) => page.page.bringToFront(),
            ],
        ];
        for (const [why, shownIn, hide, show] of ways) {
            it(`pauses the animations while ${why} and plays them on from where they stood`, async (t) => {
                const { page: outer } = await session.open(t, wait, { page: shownIn });
                const page = shownIn === 'host' ? outer : outer.hostFrame();
                await page.tick(600);
                await hide(outer, t);
                await until(page, () => document.getAnimations().every((a) => a.playState === 'paused'), 'a pause');
                const stood = await page.evaluate(state);
                await new Promise((resolve) => setTimeout(resolve, 300));
                assert.deepEqual(await page.evaluate(state), stood, 'nothing moves while it cannot be seen');

                await show(outer, t);
                await until(page, () => document.getAnimations().every((a) => a.playState === 'running'), 'a play');
                const resumed = await page.evaluate(() => document.getAnimations().map((a) => a.currentTime));
                const stoodAt = Number(stood[0].split(' ')[1]);
                assert.ok(resumed.every((time) => time >= stoodAt - 1 && time < stoodAt + 1000), `${stoodAt}: ${resumed}`);
            });
        }
    });
});

async function until(page, condition, what) {
    const deadline = Date.now() + 10000;
    while (!(await page.evaluate(condition))) {
        if (Date.now() > deadline) throw new Error(`timed out waiting for ${what}`);
        await new Promise((resolve) => setTimeout(resolve, 50));
    }
}
