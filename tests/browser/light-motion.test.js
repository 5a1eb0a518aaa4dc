'use strict';
// The light motion option: the scrollers' steps and the fader's pages played by Web Animations that the
// compositor runs, which at every step instant show what the timers show; browsers without Web Animations run
// the steps from animation frames; browsers without frames or observers keep the timers.

const { describe } = require('node:test');
const assert = require('node:assert/strict');
const { ASYMMETRIC_DESIGN, DEFAULT_DESIGN, EVEN_LINES, evenMessages } = require('./support/design');
const { describeInEngines, it } = require('./support/suite');
const { generateNewsBox } = require('./support/newsBox');

const FRAME = 16;
const NO_ANIMATIONS = 'delete Element.prototype.animate;';

// What the reader sees, in the page: the rendered tops of both columns and of every message.
function places() {
    const top = (element) => (element ? Math.round(element.getBoundingClientRect().top) : '-');
    const tops = [top(document.getElementById('enuzun')), top(document.getElementById('enuzun2'))];
    for (let i = 0; i < mc; i++) tops.push(top(document.getElementById(`d${i}`)));
    return tops.join(' ');
}

// What the fader's reader sees: which messages are shown inside the box, and where; and which message the
// pointer would hover or click at three heights of the box.
function pagesShown() {
    const box = document.getElementById('spagens').getBoundingClientRect();
    const shown = [];
    for (let i = 0; i < mc; i++) {
        const message = document.getElementById(`d${i}`);
        const { top, bottom } = message.getBoundingClientRect();
        if (getComputedStyle(message).visibility === 'visible' && top < box.bottom && bottom > box.top)
            shown.push(`${i}@${Math.round(top)}`);
    }
    const hits = [0.15, 0.5, 0.85].map((part) => {
        const hit = document.elementFromPoint(box.left + box.width / 2, box.top + box.height * part);
        return hit?.closest('[id^="d"]')?.id ?? '-';
    });
    return `${shown.join(',')} under the pointer ${hits.join(',')}`;
}

const FADER = { ...DEFAULT_DESIGN, ...EVEN_LINES, height: '100', pause: '1', effectStyle: 1, messages: evenMessages(7) };

// Each trace runs past the first pass from below the box and a whole cycle of the column (or of the pages) after it.
const SEEKED = [
    ['Wait to finish mode', 'asymmetric', { ...ASYMMETRIC_DESIGN, effectStyle: 0, scrollMode: 0 }, 60, places],
    [
        'Page by page mode',
        'three-message',
        { ...DEFAULT_DESIGN, ...EVEN_LINES, height: '100', pause: '1', effectStyle: 0, scrollMode: 1, messages: evenMessages(3) },
        25,
        places,
    ],
    ['Continuous mode', 'default', { ...DEFAULT_DESIGN, effectStyle: 0, scrollMode: 2 }, 35, places],
    ['News fader', 'seven-message', FADER, 25, pagesShown],
];

// The timers' steps on the fake clock for `seconds`: the time of each and what it shows.
function timerSteps(seconds, seen) {
    const rows = [];
    while (window.__clock.now < seconds * 1000 && window.__clock.countTimers() > 0) {
        window.__clock.next();
        rows.push([window.__clock.now, seen()]);
    }
    return rows;
}

// Runs the clock until the light box has its animations, then pauses them and seeks them to each
// step instant after the first (and to the millisecond before it): what is seen there, and when they start.
function seekedSteps(stepTimes, seen) {
    while (document.getAnimations().length === 0 && window.__clock.countTimers() > 0) window.__clock.next();
    const animations = document.getAnimations();
    const origin = animations[0].startTime;
    for (const animation of animations) animation.pause();
    const rows = [];
    for (const time of stepTimes.slice(1).filter((t) => t > origin)) {
        for (const instant of [time - 1, time]) {
            for (const animation of animations) animation.currentTime = instant - origin;
            rows.push(seen());
        }
    }
    return { origin, rows };
}

// What the timers show at the step instants after origin and the millisecond before each.
function expectedAfter(steps, origin) {
    return steps.flatMap(([time, seen], i) => (i > 0 && time > origin ? [steps[i - 1][1], seen] : []));
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

function firstDifference(expected, actual, label = (i) => `row ${i}`) {
    const at = expected.findIndex((row, i) => row !== actual[i]);
    return at < 0 ? 'none' : `${label(at)}: ${expected[at]} / ${actual[at]}`;
}

describeInEngines('Light motion', (session) => {
    describe('the animations show what the timers show at each step and just before it', () => {
        for (const [modeName, designName, design, seconds, seen] of SEEKED) {
            it(`${modeName}, ${designName} design`, async (t) => {
                const { page: timers } = await session.open(t, design);
                const steps = await timers.evaluate(`(${timerSteps})(${seconds}, ${seen})`);
                const { page: light } = await session.open(t, { ...design, lightMotion: true });
                const stepTimes = JSON.stringify(steps.map(([time]) => time));
                const { origin, rows } = await light.evaluate(`(${seekedSteps})(${stepTimes}, ${seen})`);
                const expected = expectedAfter(steps, origin);
                assert.equal(firstDifference(expected, rows), 'none');
                assert.equal(origin, steps[0][0], 'the animations start with the first step');
                const [lastTime, lastSeen] = steps.at(-1);
                assert.ok(
                    steps.some(([time, places]) => places === lastSeen && time < lastTime - 10000),
                    'the trace holds a whole cycle',
                );
                assert.deepEqual(light.errors, []);
            });
        }
    });

    describe('fitting the page width: when the page narrows, the animations follow the new layout', () => {
        const sentence = 'Readers on a phone see every word of this message wrapped inside the narrower box. ';
        const fitting = { ...DEFAULT_DESIGN, width: '400', height: '160', fitPageWidth: true };
        // The page narrows during the hold of the first message in the column's cycle, or on the second page, whose
        // second message then stands lower; the fader shows its three pages.
        const cases = [
            [
                'Continuous mode',
                { ...fitting, effectStyle: 0, scrollMode: 2, messages: evenMessages(3, (i) => ({ text: sentence.repeat(2 + i) })) },
                500 + 200 * 35 + 10,
                places,
                101,
            ],
            [
                'News fader',
                { ...fitting, pause: '1', effectStyle: 1, messages: evenMessages(5, (i) => ({ text: sentence.repeat(2 - (i % 2)) })) },
                500 + 1000 + 10,
                pagesShown,
                3,
            ],
        ];
        for (const [name, design, narrowAt, seen, leastSeen] of cases) {
            it(name, async (t) => {
                const narrowed = async (lightMotion) => {
                    const viewport = { width: 420, height: 420 };
                    const { page } = await session.open(t, { ...design, lightMotion }, { page: 'preview', viewport });
                    const frame = page.hostFrame();
                    await frame.tick(narrowAt);
                    const wide = await frame.evaluate(() => document.getElementById('d0').offsetHeight);
                    await page.page.setViewport({ width: 320, height: 420 });
                    await until(frame, (h) => document.getElementById('d0').offsetHeight > h, 'the messages to wrap', wide);
                    return frame;
                };
                const steps = await (await narrowed(false)).evaluate(`(${timerSteps})(40, ${seen})`);
                const stepTimes = JSON.stringify(steps.map(([time]) => time));
                const light = await narrowed(true);
                const { origin, rows } = await light.evaluate(`(${seekedSteps})(${stepTimes}, ${seen})`);
                const expected = expectedAfter(steps, origin);
                assert.equal(firstDifference(expected, rows), 'none');
                assert.equal(origin, 500, 'the animations keep the time of the first step, 500 ms after the load');
                assert.ok(new Set(expected).size >= leastSeen, 'the box changes within the trace');
            });
        }
    });

    // The frames runtime where Web Animations are missing; the timers where animation frames or intersection
    // observers are missing.
    describe('at every frame what the timers show', () => {
        const wait = { ...DEFAULT_DESIGN, effectStyle: 0, scrollMode: 0 };
        const cases = [
            ['News fader without Web Animations, on animation frames', FADER, NO_ANIMATIONS, pagesShown],
            ['Wait to finish mode without Web Animations, on animation frames', wait, NO_ANIMATIONS, places],
            ['Wait to finish mode without intersection observers, on timers', wait, 'delete window.IntersectionObserver;', places],
            ['Wait to finish mode without animation frames, on timers', wait, 'delete window.requestAnimationFrame;', places],
        ];
        for (const [name, design, beforeScripts, seen] of cases) {
            it(name, async (t) => {
                const traces = [];
                for (const lightMotion of [false, true]) {
                    const { page } = await session.open(t, { ...design, lightMotion }, { beforeScripts });
                    traces.push(await page.evaluate(`(${framesSeen})(10, ${FRAME}, ${seen})`));
                    assert.equal(await page.evaluate(() => document.getAnimations().length), 0, 'no animations');
                }
                assert.equal(firstDifference(...traces, (i) => `frame ${i + 1}`), 'none');
                assert.ok(new Set(traces[0]).size > 2, 'the box changes within the trace');
            });
        }
    });

    // On the real clock, as the animations are: the page's timers and its animations' timeline must agree.
    describe('rests', () => {
        const wait = { ...DEFAULT_DESIGN, effectStyle: 0, scrollMode: 0, lightMotion: true };
        const state = () =>
            document.getAnimations().map((animation) => `${animation.playState} ${Math.round(animation.currentTime)}`);
        const ways = [
            [
                'the box is scrolled out of view',
                'farUrl',
                (page) => page.evaluate(() => window.scrollTo(0, 3000)),
                (page) => page.evaluate(() => window.scrollTo(0, 0)),
            ],
            [
                'the page is hidden',
                'hostUrl',
                async (page, t) => {
                    const other = await page.browser().newPage();
                    t.after(() => other.close());
                    await other.bringToFront();
                },
                (page) => page.bringToFront(),
            ],
        ];
        for (const [why, url, hide, show] of ways) {
            it(`pauses the animations while ${why} and plays them on from where they stood`, async (t) => {
                const page = await session.engine.browser.newPage();
                t.after(() => page.close());
                await page.goto(generateNewsBox(wait)[url], { waitUntil: 'load' });
                const box = page.frames().find((frame) => /newstic\.html$/.test(frame.url()));
                await until(box, () => document.getAnimations().some((a) => a.currentTime > 200), 'the motion');
                await hide(page, t);
                await until(box, () => document.getAnimations().every((a) => a.playState === 'paused'), 'a pause');
                const stood = await box.evaluate(state);
                await new Promise((resolve) => setTimeout(resolve, 300));
                assert.deepEqual(await box.evaluate(state), stood, 'nothing moves while it cannot be seen');

                await show(page, t);
                await until(box, () => document.getAnimations().every((a) => a.playState === 'running'), 'a play');
                const resumed = await box.evaluate(() => document.getAnimations().map((a) => a.currentTime));
                // The animations' time is that of the last frame, up to a frame behind the clock they resume on.
                const stoodAt = Number(stood[0].split(' ')[1]);
                assert.ok(resumed.every((time) => time >= stoodAt - 20 && time < stoodAt + 1000), `${stoodAt}: ${resumed}`);
            });
        }

        it('leaves the still layout alone while reduced motion is asked for and plays on from where it stood', async (t) => {
            if (session.name !== 'chromium') return t.skip('puppeteer emulates the motion preference in Chromium only');
            const page = await session.engine.browser.newPage();
            t.after(() => page.close());
            await page.goto(generateNewsBox({ ...wait, accessibleBox: true }).hostUrl, { waitUntil: 'load' });
            await until(page, () => document.getAnimations().some((a) => a.currentTime > 200), 'the motion');
            const before = await page.evaluate(() => document.getAnimations()[0].currentTime);
            await page.emulateMediaFeatures([{ name: 'prefers-reduced-motion', value: 'reduce' }]);
            await until(page, () => document.getElementById('spagens').style.overflow === 'auto', 'the still box');
            assert.equal(await page.evaluate(() => document.getAnimations().length), 0, 'no animation is left');
            const firstTop = () => {
                const area = document.getElementById('spagens');
                return document.getElementById('d0').getBoundingClientRect().top - area.getBoundingClientRect().top - area.clientTop;
            };
            assert.equal(await page.evaluate(firstTop), parseInt(DEFAULT_DESIGN.topMargin, 10), 'the first message at the top');

            await page.emulateMediaFeatures([{ name: 'prefers-reduced-motion', value: 'no-preference' }]);
            await until(page, () => document.getAnimations().some((a) => a.playState === 'running'), 'the motion again');
            const after = await page.evaluate(() => document.getAnimations().map((a) => a.currentTime));
            assert.ok(after.every((time) => time >= before - 20 && time < before + 2000), `${before}: ${after}`);
        });
    });

    // On the real clock: Chromium tells a message that a page turned away from under a resting pointer (Firefox
    // waits for the pointer to move), and the light fader, whose pages turn on the compositor, tells it in both.
    // The default fader hides the messages off its page, which the keyboard then passes over; the light fader
    // parks them outside the box, and must take the keyboard past them.
    it('News fader with links: Tab passes over the messages off the shown page, as the default fader lets it', async (t) => {
        const linked = evenMessages(7, () => ({ link: 'landing.html', target: '_top' }));
        const visits = [];
        for (const lightMotion of [false, true]) {
            const { page } = await session.open(t, { ...FADER, accessibleBox: true, messages: linked, lightMotion });
            await page.tick(2600);
            const focused = [];
            for (let i = 0; i < 6; i++) {
                await page.page.keyboard.press('Tab');
                focused.push(await page.evaluate(() => document.activeElement.closest('[id^="d"]')?.id ?? 'none'));
            }
            visits.push(focused.join(' '));
        }
        assert.equal(visits[1], visits[0]);
    });

    describe('a pointer resting on the fader while its pages turn', () => {
        for (const lightMotion of [false, true]) {
            it(`moves the hover colour to the message that comes under it, ${lightMotion ? 'light' : 'default'} fader`, async (t) => {
                if (!lightMotion && session.name !== 'chromium') return t.skip('Firefox keeps the hover until the pointer moves');
                const page = await session.engine.browser.newPage();
                t.after(() => page.close());
                const linked = evenMessages(5).map((message) => ({ ...message, link: 'http://www.marquetto.example/' }));
                const design = { ...FADER, messages: linked, lightMotion };
                await page.goto(generateNewsBox(design).hostUrl, { waitUntil: 'load' });
                await until(page, () => getComputedStyle(document.getElementById('d0')).visibility === 'visible', 'page 1');
                const point = await page.evaluate(() => {
                    const box = document.getElementById('spagens').getBoundingClientRect();
                    return { x: box.left + box.width / 2, y: box.top + 8, plain: document.getElementById('d1').style.color };
                });
                await page.mouse.move(point.x, point.y);
                const hovered = (at) => {
                    let message = document.elementFromPoint(at.x, at.y);
                    while (message && !/^d[0-9]+$/.test(message.id ?? '')) message = message.parentNode;
                    const colour = (id) => document.getElementById(id).style.color;
                    return message && message.id !== 'd0' && colour(message.id) !== at.plain && colour('d0') === at.plain;
                };
                await until(page, () => document.getElementById('d0').style.color !== '', 'the first message to be hovered');
                await until(page, hovered, 'the next page under the pointer to take the hover colour', point);
            });
        }
    });
});

// The whole page under DevTools virtual time, which moves timers, animation frames and the animations' timeline
// together. One step every 40 ms, holds of 2040 ms (2000 in page mode): every step falls 20 ms past a multiple
// of 40 after the page loaded, so the samples (on multiples of 40) and the reader's actions (10 past) never
// meet a step.
const VIRTUAL_STEP = { scrollDelay: '40', pause: '2', height: '100' };
const VIRTUAL = [
    [
        'Wait to finish mode: the pointer rests on a message while it moves and while it holds',
        { effectStyle: 0, scrollMode: 0 },
        [[2010, 'mouseover', '#d0'], [3050, 'mouseout', '#d0'], [4410, 'mouseover', '#d1'], [7090, 'mouseout', '#d1']],
        11000,
        places,
        40,
    ],
    [
        'Page by page mode: the pointer rests shortly, then across a hold',
        { effectStyle: 0, scrollMode: 1 },
        [[5010, 'mouseover', '#d0'], [5530, 'mouseout', '#d0'], [8410, 'mouseover', '#d1'], [10850, 'mouseout', '#d1']],
        13000,
        places,
        40,
    ],
    [
        "Continuous mode with the accessible box: a message's link focused before and after the first pass, Pause and Play, the pointer",
        { effectStyle: 0, scrollMode: 2, accessibleBox: true },
        [
            [2010, 'focus', '#d0 a'],
            [2530, 'blur', '#d0 a'],
            [5010, 'click', '#spagensbrd button'],
            [7050, 'click', '#spagensbrd button'],
            [8010, 'focus', '#d0 a'],
            [10050, 'blur', '#d0 a'],
            [11010, 'mouseover', '#dz1'],
            [11530, 'mouseout', '#dz1'],
        ],
        14000,
        places,
        40,
    ],
    [
        'News fader with the accessible box: Pause and Play across a page change, the pointer, which does not halt it',
        { ...EVEN_LINES, effectStyle: 1, accessibleBox: true, messages: evenMessages(5) },
        [[1010, 'click', '#spagensbrd button'], [3050, 'click', '#spagensbrd button'], [4010, 'mouseover', '#d2'], [7050, 'mouseout', '#d2']],
        10000,
        pagesShown,
        2,
    ],
];

// In the page, from its load on: what is seen at each sample time, and the reader's actions at theirs.
function planReader(samples, actions, seen) {
    window.addEventListener('load', () => {
        window.__trace = [];
        for (const at of samples) setTimeout(() => window.__trace.push(`${at} ms: ${seen()}`), at);
        for (const [at, action, selector] of actions) {
            setTimeout(() => {
                const element = document.querySelector(selector);
                if (action === 'click') element.click();
                else if (action === 'focus') element.focus();
                else if (action === 'blur') element.blur();
                else element.dispatchEvent(new MouseEvent(action, { bubbles: true }));
            }, at);
        }
    });
}

async function virtualTrace(engine, design, actions, milliseconds, seen) {
    const page = await engine.browser.newPage();
    const errors = [];
    page.on('pageerror', (error) => errors.push(error.message));
    try {
        const session = await page.createCDPSession();
        const samples = [];
        for (let at = 520; at < milliseconds; at += 40) samples.push(at);
        await page.evaluateOnNewDocument(`(${planReader})(${JSON.stringify(samples)}, ${JSON.stringify(actions)}, ${seen})`);
        await session.send('Emulation.setVirtualTimePolicy', { policy: 'pause' });
        const expired = new Promise((resolve) => session.once('Emulation.virtualTimeBudgetExpired', resolve));
        const loading = page.goto(generateNewsBox(design).hostUrl);
        await session.send('Emulation.setVirtualTimePolicy', {
            policy: 'pauseIfNetworkFetchesPending',
            budget: milliseconds + 100,
        });
        await Promise.all([expired, loading]);
        const result = await page.evaluate(() => ({ trace: window.__trace, animations: document.getAnimations().length }));
        return { ...result, errors };
    } finally {
        await page.close();
    }
}

describeInEngines(
    'Light motion under virtual time',
    (session) => {
        for (const [name, mode, actions, milliseconds, seen, leastSeen] of VIRTUAL) {
            it(`${name}: the whole page shows what the timers show`, async () => {
                const design = { ...DEFAULT_DESIGN, ...VIRTUAL_STEP, ...mode };
                const timers = await virtualTrace(session.engine, design, actions, milliseconds, seen);
                const light = await virtualTrace(session.engine, { ...design, lightMotion: true }, actions, milliseconds, seen);
                assert.ok(light.animations > 0, 'the light box plays animations');
                assert.deepEqual(light.errors, []);
                assert.equal(light.trace.length, timers.trace.length);
                assert.equal(firstDifference(timers.trace, light.trace), 'none');
                const places = new Set(timers.trace.map((row) => row.split(': ')[1]));
                assert.ok(places.size > leastSeen, `the box moves: ${places.size} places`);
            });
        }
    },
    ['chromium'],
);

async function until(page, condition, what, ...conditionArguments) {
    const deadline = Date.now() + 10000;
    while (!(await page.evaluate(condition, ...conditionArguments))) {
        if (Date.now() > deadline) throw new Error(`timed out waiting for ${what}`);
        await new Promise((resolve) => setTimeout(resolve, 50));
    }
}
