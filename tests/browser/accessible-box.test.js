'use strict';
// The accessible box and right-to-left text, options of the standards runtime: what a keyboard, a screen reader,
// a reader who asked for reduced motion and a reader of a right-to-left language meet.

const { describe } = require('node:test');
const assert = require('node:assert/strict');
const fs = require('node:fs');
const { EVEN_LINES, EVEN_MESSAGE_HEIGHT, design, evenMessages } = require('./support/design');
const { describeInEngines, it } = require('./support/suite');

const axeSource = fs.readFileSync(require.resolve('axe-core/axe.min.js'), 'utf8');

// Box 120 high, margins 4, border 1, spaces 10: message tops in the column at 4, 50, 96, ...
const BOX_HEIGHT = 120;
const TOP_MARGIN = 4;
const STEP = EVEN_MESSAGE_HEIGHT + 10;
const SCROLL_DELAY = 35;
const HOLD = 3000 + SCROLL_DELAY;

const MODES = [
    ['Wait to finish mode', { scrollMode: 0 }],
    ['Page by page mode', { scrollMode: 1 }],
    ['Continuous mode', { scrollMode: 2 }],
    ['News fader', { effectStyle: 1 }],
];

// Both schedulers of the standards runtime on the fake clock: its timers, and animation frames with light motion
// where Web Animations are missing (light-motion.test.js runs its animations, which follow the real clock).
const RUNTIMES = [
    ['timers', {}],
    ['light motion', { lightMotion: true }, { beforeScripts: 'delete Element.prototype.animate;' }],
];

// The rendered top of the first message, in the message area.
const firstTop = () => __probes.messageLayout(['d0'], { top: 0, bottom: 1e6 }).d0.top;

// Steps the page's clock one callback at a time until the first message has moved; the time of the step that
// moved it.
async function nextMove(page) {
    return page.evaluate(() => {
        const top = () => __probes.messageLayout(['d0'], { top: 0, bottom: 1e6 }).d0.top;
        const from = top();
        let at = null;
        for (let i = 0; i < 1000 && window.__clock.countTimers() > 0 && top() === from; i++) at = window.__clock.next();
        return top() === from ? null : at;
    });
}

function box(mode, extra = {}) {
    return design({
        ...EVEN_LINES,
        height: String(BOX_HEIGHT),
        messages: evenMessages(3),
        ...mode,
        accessibleBox: true,
        ...extra,
    });
}

// What the reader sees: the place of every message and which are shown.
const sight = () => ({
    layout: __probes.messageLayout(['d0', 'd1', 'd2', 'dz0'], { top: 0, bottom: 1e6 }),
    shown: __probes.visibleMessages(),
});

const buttonName = (page) => page.evaluate(() => document.querySelector('#spagensbrd button').getAttribute('aria-label'));

// The focused element as a reader would name it: the button by its name, a message link by its message.
const focused = (page) =>
    page.evaluate(() => {
        const element = document.activeElement;
        if (element.tagName === 'BUTTON') return `button ${element.getAttribute('aria-label')}`;
        const message = element.closest('[id^="d"]');
        return `${element.tagName.toLowerCase()} ${message ? message.id : element.id}`.trim();
    });

async function pressTab(page, times) {
    const order = [];
    for (let i = 0; i < times; i++) {
        await page.page.keyboard.press('Tab');
        order.push(await focused(page));
    }
    return order;
}

// axe-core waits on timers of its own, so the frames go back to the real clock first; the pages are files, whose
// origins axe-core does not trust unless told to, and a frame it could not enter is a failure of its own.
async function seriousViolations(page) {
    for (const frame of page.page.frames()) {
        await frame.evaluate(() => window.__clock.uninstall());
        await frame.evaluate(axeSource);
        await frame.evaluate(() => axe.configure({ allowedOrigins: ['<unsafe_all_origins>'] }));
    }
    const results = await page.page.mainFrame().evaluate(() => axe.run(document));
    assert.deepEqual(
        results.incomplete.filter((check) => check.id === 'frame-tested').map((check) => check.id),
        [],
        'axe-core tested inside the frame',
    );
    return results.violations
        .filter((violation) => violation.impact === 'serious' || violation.impact === 'critical')
        .map((violation) => `${violation.id}: ${violation.nodes.map((node) => node.target.join(' ')).join(', ')}`);
}

describeInEngines('Accessible box', (session) => {
    describe('axe-core', () => {
        for (const [name, mode] of MODES) {
            for (const shownIn of ['host', 'preview']) {
                it(`${name}, ${shownIn} page: no serious or critical violation`, async (t) => {
                    const { page } = await session.open(t, box(mode, { rightToLeft: name === 'News fader' }), {
                        page: shownIn,
                    });
                    await (shownIn === 'host' ? page : page.hostFrame()).tick(600);
                    assert.deepEqual(await seriousViolations(page), []);
                });
            }
        }

        it('finds the violations of a box without the option, so that it sees into the frame', async (t) => {
            const { page } = await session.open(t, box({ scrollMode: 0 }, { accessibleBox: false }), {
                page: 'preview',
            });
            await page.hostFrame().tick(600);
            const found = (await seriousViolations(page)).map((violation) => violation.split(':')[0]);
            for (const rule of ['frame-title', 'html-has-lang']) assert.ok(found.includes(rule), `${rule} in ${found}`);
        });
    });

    describe('keyboard', () => {
        // Only links that the click code follows are links: a javascript: link is, one of three characters is not.
        const linked = (mode) =>
            box(mode, {
                messages: evenMessages(3, (i) => ({ link: ['page.html', 'x.h', 'javascript:void 0'][i] })),
            });

        for (const [name, mode] of MODES.slice(0, 3)) {
            it(`${name}: Tab reaches the button, then each linked message once`, async (t) => {
                const { page } = await session.open(t, linked(mode));
                await page.tick(600);
                const order = await pressTab(page, 4);
                assert.deepEqual(order.slice(0, 3), ['button Pause news', 'a d0', 'a d2']);
                assert.ok(!/^a d/.test(order[3]), `Tab leaves the box after the last link, not to ${order[3]}`);
            });
        }

        // A light box shows a step at the first animation frame (every 16 ms) from its time on.
        for (const [keyName, key, runtime, frame] of [
            ['Space', ' ', 'timers', 1],
            ['Enter', 'Enter', 'timers', 1],
            ['Space', ' ', 'light motion', 16],
        ]) {
            it(`${keyName} on the button pauses in a hold and Play keeps the hold time that remained, ${runtime}`, async (t) => {
                const [, design, options] = RUNTIMES.find(([name]) => name === runtime);
                const { page } = await session.open(t, box({ scrollMode: 0, ...design }), options);
                await page.runUntil(() => window.__clock.now > 500 && __probes.messageLayout(['d0'], { top: 0, bottom: 1e6 }).d0.top === 4);
                await page.tick(300);
                await pressTab(page, 1);
                await page.page.keyboard.press(key);
                assert.equal(await buttonName(page), 'Play news');
                await page.tick(20000);
                assert.equal(await page.evaluate(firstTop), TOP_MARGIN, 'paused where it stood');

                await page.page.keyboard.press(key);
                assert.equal(await buttonName(page), 'Pause news');
                const resumedAt = await page.now();
                assert.equal(await nextMove(page), Math.ceil((resumedAt + HOLD - 300) / frame) * frame);
                assert.equal(await page.evaluate(firstTop), TOP_MARGIN - 1);
            });
        }

        it('Escape in a message pauses; the box stays paused when the focus leaves until Play', async (t) => {
            const { page } = await session.open(t, box({ scrollMode: 0 }));
            await page.tick(600 + 40 * SCROLL_DELAY);
            await pressTab(page, 2);
            await page.page.keyboard.press('Escape');
            assert.equal(await buttonName(page), 'Play news');
            const stood = await page.evaluate(() => __probes.columnTops().first);
            await page.evaluate(() => document.activeElement.blur());
            await page.tick(10000);
            assert.equal(await page.evaluate(() => __probes.columnTops().first), stood);
            await page.evaluate(() => document.querySelector('#spagensbrd button').focus());
            await page.page.keyboard.press(' ');
            await page.tick(10 * SCROLL_DELAY);
            assert.equal(await page.evaluate(() => __probes.columnTops().first), stood - 10);
        });

        for (const [name, mode, runtime] of MODES.flatMap((m) => RUNTIMES.map((r) => [...m, r]))) {
            it(`${name}: focus on a message halts the motion and leaving the box resumes it, ${runtime[0]}`, async (t) => {
                const { page } = await session.open(t, box(mode, { messages: evenMessages(5), ...runtime[1] }), runtime[2]);
                await page.tick(600 + 30 * SCROLL_DELAY);
                await pressTab(page, 2);
                const halted = await page.evaluate(sight);
                await page.tick(4 * HOLD);
                assert.deepEqual(await page.evaluate(sight), halted, 'nothing moves while a message has the focus');
                assert.ok(
                    await page.evaluate(() => {
                        const own = document.activeElement.getBoundingClientRect();
                        const area = document.getElementById('spagens').getBoundingClientRect();
                        return own.top >= area.top && own.bottom <= area.bottom;
                    }),
                    'the focused message is in sight',
                );

                await page.evaluate(() => document.activeElement.blur());
                await page.tick(4 * HOLD);
                assert.notDeepEqual(await page.evaluate(sight), halted, 'the motion resumes');
            });
        }
    });

    describe('links', () => {
        const links = [
            ['javascript:window.clickedMessage=0;', '_top'],
            ['landing.html', '_parent'],
            ['landing.html', '_top'],
            ['landing.html', 'news'],
        ];
        const linkDesign = box(
            { effectStyle: 1 },
            { height: '300', messages: evenMessages(4, (i) => ({ link: links[i][0], target: links[i][1] })) },
        );

        const frameUrls = (page) => {
            const top = page.page.mainFrame();
            return { top: top.url().split('/').pop(), preview: top.childFrames()[0]?.url().split('/').pop() };
        };

        async function enterOn(t, id) {
            const { page } = await session.open(t, linkDesign, { page: 'framed' });
            const host = page.hostFrame();
            await host.tick(600);
            await host.evaluate(() => {
                window.opened = [];
                window.open = (url, name) => window.opened.push([url, name]);
            });
            const link = await host.evaluate((message) => {
                const anchor = document.querySelector(`#${message} a`);
                anchor.focus();
                return [anchor.getAttribute('href'), anchor.target];
            }, id);
            await page.page.keyboard.press('Enter');
            return { page, host, link };
        }

        it('Enter on a javascript: link runs it as script, as a click does', async (t) => {
            const { page, host, link } = await enterOn(t, 'd0');
            assert.deepEqual(link, links[0]);
            assert.equal(await host.evaluate(() => window.clickedMessage), 0);
            assert.deepEqual(frameUrls(page), { top: 'outer.html', preview: 'preview.html' });
        });

        for (const [id, frame] of [
            ['d1', 'preview'],
            ['d2', 'top'],
        ]) {
            it(`Enter on a ${links[Number(id[1])][1]} link loads it into the ${frame} window`, async (t) => {
                const { page } = await enterOn(t, id);
                await page.untilNavigated(`the ${frame} window to load the link`, () => frameUrls(page)[frame] === 'landing.html');
            });
        }

        it('Enter on a link with another target opens it through window.open with that name, once', async (t) => {
            const { page, host, link } = await enterOn(t, 'd3');
            assert.deepEqual(link, links[3]);
            assert.deepEqual(await host.evaluate(() => window.opened), [['landing.html', 'news']]);
            assert.deepEqual(frameUrls(page), { top: 'outer.html', preview: 'preview.html' });
        });
    });

    describe('motion', () => {
        for (const [name, mode] of MODES) {
            it(`${name}: moves exactly as the box without the option`, async (t) => {
                const traces = [];
                for (const extra of [{ accessibleBox: false }, {}]) {
                    const { page } = await session.open(t, box(mode, { messages: evenMessages(4), ...extra }));
                    traces.push(await page.run(400, sight));
                }
                assert.deepEqual(traces[1], traces[0]);
            });
        }

        it('Continuous mode: each title is once in the accessibility tree', async (t) => {
            if (session.name !== 'chromium') return t.skip('the accessibility tree is read through Chromium only');
            const counts = [];
            for (const accessibleBox of [false, true]) {
                const { page } = await session.open(t, box({ scrollMode: 2 }, { accessibleBox }));
                await page.tick(600);
                const tree = await page.page.accessibility.snapshot({ interestingOnly: false });
                const names = [];
                const walk = (node) => {
                    if (node.role === 'StaticText' || node.role === 'text') names.push(node.name);
                    (node.children ?? []).forEach(walk);
                };
                walk(tree);
                counts.push(['T0', 'T1', 'T2'].map((title) => names.filter((n) => n === title).length));
            }
            assert.deepEqual(counts, [
                [2, 2, 2],
                [1, 1, 1],
            ]);
        });
    });

    describe('right-to-left text', () => {
        const edges = () =>
            ['d0', 'hgd0'].map((id) => {
                const element = document.getElementById(id);
                const range = document.createRange();
                range.selectNodeContents(id === 'd0' ? element.lastChild : element.firstChild);
                const text = range.getBoundingClientRect();
                const own = element.getBoundingClientRect();
                return {
                    direction: getComputedStyle(element).direction,
                    fromLeft: Math.round(text.left - own.left),
                    toRight: Math.round(own.right - text.right),
                };
            });

        for (const [name, mode] of MODES) {
            it(`${name}: text ends at the right margin and moves as left-to-right text does`, async (t) => {
                const traces = [];
                const texts = [];
                for (const rightToLeft of [false, true]) {
                    const { page } = await session.open(t, box(mode, { accessibleBox: false, rightToLeft }));
                    traces.push(await page.run(300, sight));
                    texts.push(await page.evaluate(edges));
                }
                assert.deepEqual(traces[1], traces[0]);
                for (const [i, part] of ['text', 'title'].entries()) {
                    assert.deepEqual([texts[0][i].direction, texts[0][i].fromLeft], ['ltr', 0], `${part} left-to-right`);
                    assert.deepEqual([texts[1][i].direction, texts[1][i].toRight], ['rtl', 0], `${part} right-to-left`);
                }
            });
        }
    });
});

describeInEngines(
    'Accessible box for a reader who asked for reduced motion',
    (session) => {
        for (const [name, mode, runtime] of MODES.flatMap((m) => RUNTIMES.map((r) => [...m, r]))) {
            it(`${name}: shows the messages still, one below the other, and lets the reader scroll them, ${runtime[0]}`, async (t) => {
                const { page } = await session.open(t, box(mode, { messages: evenMessages(5), ...runtime[1] }), runtime[2]);
                await page.tick(600);
                const still = await page.evaluate(sight);
                await page.tick(5 * HOLD);
                assert.deepEqual(await page.evaluate(sight), still, 'nothing moves');
                assert.deepEqual(
                    ['d0', 'd1', 'd2'].map((id) => still.layout[id].top),
                    [TOP_MARGIN, TOP_MARGIN + STEP, TOP_MARGIN + 2 * STEP],
                );
                assert.equal(await page.evaluate(() => getComputedStyle(document.querySelector('#spagensbrd button')).display), 'none');

                const [first] = await pressTab(page, 1);
                assert.equal(first, 'div spagens', 'the message area takes the focus');
                await page.page.keyboard.press('End');
                await page.until('the area to scroll', () => document.getElementById('spagens').scrollTop > 0);
            });
        }
    },
    undefined,
    { reducedMotion: true },
);

describeInEngines(
    'Accessible box when the reader changes the motion preference',
    (session) => {
        it('stands still while reduced motion is asked for and resumes from the same place afterwards', async (t) => {
            const { page } = await session.open(t, box({ scrollMode: 0 }, { messages: evenMessages(5) }));
            await page.tick(500 + 20 * SCROLL_DELAY + 10);
            const moving = await page.evaluate(sight);
            await page.page.emulateMediaFeatures([{ name: 'prefers-reduced-motion', value: 'reduce' }]);
            await page.until('the still box', () => document.getElementById('spagens').style.overflow === 'auto');
            const still = await page.evaluate(sight);
            assert.equal(still.layout.d0.top, TOP_MARGIN);
            await page.tick(5 * HOLD);
            assert.deepEqual(await page.evaluate(sight), still);

            await page.page.emulateMediaFeatures([{ name: 'prefers-reduced-motion', value: 'no-preference' }]);
            await page.until('the moving box', () => document.getElementById('spagens').style.overflow === 'hidden');
            assert.deepEqual(await page.evaluate(sight), moving, 'back where it was');
            const resumedAt = await page.now();
            const [next] = await page.run(1, () => __probes.columnTops());
            assert.deepEqual([next.time - resumedAt, next.first], [SCROLL_DELAY - 10, moving.layout.d0.top - TOP_MARGIN - 1]);
        });
    },
    ['chromium'],
);
