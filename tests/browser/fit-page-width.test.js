'use strict';
// The fit-the-page-width option of the standards runtime: a box on a narrow phone page, a box at its design
// width, and the stops of a column whose messages wrap again when the page narrows.

const { describe } = require('node:test');
const assert = require('node:assert/strict');
const { EVEN_LINES, design } = require('./support/design');
const { describeInEngines, it, waitsAfter } = require('./support/suite');

// A box 400 wide with a border of 1 and margins 5 left, 7 right: messages are 400 - 2 - 5 - 7 = 386 wide. In
// preview.html (body margin 8) on a 320 px page the frame is 304 wide, its message area 302, messages 290.
const WIDTH = 400;
const TOP_MARGIN = 4;
const LEFT_MARGIN = 5;
const RIGHT_MARGIN = 7;
const SPACE = 10;
const PHONE = { width: 320, height: 420 };
const WIDE = { width: 420, height: 420 };
const DESIGN_MESSAGE_WIDTH = 386;
const PHONE_MESSAGE_WIDTH = 290;
const HOLD = 3000 + 35;

const MODES = [
    ['Wait to finish mode', { scrollMode: 0 }],
    ['Page by page mode', { scrollMode: 1 }],
    ['Continuous mode', { scrollMode: 2 }],
    ['News fader', { effectStyle: 1 }],
];

const SENTENCE = 'Readers on a phone see every word of this message wrapped inside the narrower box. ';
const LONG_ADDRESS = `https://www.marquetto.example/${'section/'.repeat(12)}page.html`;

function messages(count, withLongWord) {
    return Array.from({ length: count }, (_, i) => ({
        title: `Title ${i}`,
        text: (withLongWord && i === 1 ? `${LONG_ADDRESS} ` : '') + SENTENCE.repeat(2 + (i % 2)),
        link: 'http://www.marquetto.example/',
        target: '_parent',
    }));
}

function box(mode, extra = {}) {
    return design({
        ...EVEN_LINES,
        width: String(WIDTH),
        height: '160',
        borderWidth: '1',
        topMargin: String(TOP_MARGIN),
        bottomMargin: '4',
        leftMargin: String(LEFT_MARGIN),
        rightMargin: String(RIGHT_MARGIN),
        paragraphSpace: String(SPACE),
        messages: messages(3, false),
        ...mode,
        fitPageWidth: true,
        ...extra,
    });
}

const MESSAGE_IDS = ['d0', 'd1', 'd2', 'dz0', 'dz1', 'dz2'];

// Everything that could stick out sideways, in the frame: each message against its own box and the area's
// right margin, the host page against the frame.
function sideways(ids, rightMargin) {
    const area = document.getElementById('spagens').getBoundingClientRect();
    const found = [];
    for (const id of ids) {
        const message = document.getElementById(id);
        if (!message) continue;
        const own = message.getBoundingClientRect();
        if (message.scrollWidth !== message.clientWidth)
            found.push(`${id} scrolls ${message.scrollWidth} in ${message.clientWidth}`);
        if (own.right > area.right - rightMargin + 0.5) found.push(`${id} ends at ${own.right} past ${area.right}`);
    }
    const page = document.documentElement;
    if (page.scrollWidth > window.innerWidth) found.push(`host page ${page.scrollWidth} in ${window.innerWidth}`);
    return found;
}

const messageWidths = (page, ids = MESSAGE_IDS) =>
    page.evaluate(
        (list) => list.filter((id) => document.getElementById(id)).map((id) => document.getElementById(id).offsetWidth),
        ids,
    );

// Resizing reaches the frame through the browser's own event loop, which the fake clock does not hold.
async function resizeTo(page, frame, viewport, messageWidth) {
    await page.page.setViewport(viewport);
    await frame.until(
        `every message ${messageWidth} wide`,
        (ids, width) => ids.every((id) => !document.getElementById(id) || document.getElementById(id).offsetWidth === width),
        MESSAGE_IDS,
        messageWidth,
    );
}

async function topPageOverflow(page) {
    return page.evaluate(() => document.documentElement.scrollWidth - window.innerWidth);
}

describeInEngines('Fit the page width', (session) => {
    describe('on a 320 px page', () => {
        const cases = [
            ...MODES,
            ['Wait to finish mode with the accessible box', { scrollMode: 0, accessibleBox: true }],
            ['Continuous mode with light motion', { scrollMode: 2, lightMotion: true }],
            ['Page by page mode with light motion and the accessible box', { scrollMode: 1, lightMotion: true, accessibleBox: true }],
        ];
        for (const [name, mode] of cases) {
            for (const how of ['loaded', 'narrowed']) {
                it(`${name}, ${how}: messages wrap to the narrower column and nothing sticks out sideways`, async (t) => {
                    const { page } = await session.open(t, box(mode, { messages: messages(3, true) }), {
                        page: 'preview',
                        viewport: how === 'loaded' ? PHONE : WIDE,
                    });
                    const frame = page.hostFrame();
                    await frame.tick(600);
                    if (how === 'narrowed') {
                        assert.ok((await messageWidths(frame)).every((w) => w === DESIGN_MESSAGE_WIDTH));
                        await resizeTo(page, frame, PHONE, PHONE_MESSAGE_WIDTH);
                    }
                    for (const moment of [0, 2000, 9000]) {
                        await frame.tick(moment);
                        assert.deepEqual(
                            (await messageWidths(frame)).filter((w) => w !== PHONE_MESSAGE_WIDTH),
                            [],
                            'message widths',
                        );
                        assert.deepEqual(await frame.evaluate(sideways, MESSAGE_IDS, RIGHT_MARGIN), [], `at +${moment}`);
                        assert.equal(await topPageOverflow(page), 0, 'the reader page scrolls sideways');
                    }
                    if (mode.accessibleBox)
                        assert.equal(await frame.evaluate(() => document.querySelectorAll('#spagensbrd button').length), 1);
                    assert.deepEqual(page.errors, []);
                });
            }
        }
    });

    describe('at the design width', () => {
        // Margins wider than the box leave the runtime a negative message width, which the engines ignore.
        const cases = [
            ...MODES,
            ['Margins wider than the box', { scrollMode: 0, leftMargin: '200', rightMargin: '250' }],
        ];
        for (const [name, mode] of cases) {
            it(`${name}: the box equals the fixed-width box pixel for pixel while it moves`, async (t) => {
                const shots = [];
                for (const fitPageWidth of [false, true]) {
                    const { page } = await session.open(t, box(mode, { fitPageWidth }), { page: 'preview' });
                    const frame = page.hostFrame();
                    const shotsOfBox = [];
                    for (const moment of [600, 1500, 4000]) {
                        await frame.tick(moment);
                        shotsOfBox.push(Buffer.from(await page.page.screenshot()));
                    }
                    shots.push(shotsOfBox);
                    assert.deepEqual(page.errors, []);
                }
                shots[0].forEach((fixed, i) => assert.ok(fixed.equals(shots[1][i]), `screenshot ${i} differs`));
                assert.ok(!shots[0][0].equals(shots[0][2]), 'the box moves between the screenshots');
            });
        }

        it('a frame wider than the design keeps the design width', async (t) => {
            const { page } = await session.open(t, box(MODES[0][1]), {
                page: 'preview',
                viewport: { width: 700, height: 420 },
            });
            const frame = page.hostFrame();
            await frame.tick(600);
            assert.equal(await page.evaluate(() => document.querySelector('iframe').offsetWidth), WIDTH);
            assert.deepEqual(
                (await messageWidths(frame)).filter((w) => w !== DESIGN_MESSAGE_WIDTH),
                [],
            );
        });
    });

    describe('stops of a narrowed column', () => {
        const ids = ['d0', 'd1', 'd2'];
        const probe = (list) => {
            const layout = __probes.messageLayout(list, { top: 0, bottom: 1e6 });
            const heights = list.map((id) => document.getElementById(id).offsetHeight);
            return { tops: list.map((id) => layout[id].top), heights };
        };

        for (const [name, mode] of MODES.filter(([, m]) => m.scrollMode === 0 || m.scrollMode === 2)) {
            it(`${name}: after a resize the column holds exactly when a message top reaches the top margin`, async (t) => {
                const { page } = await session.open(t, box(mode), { page: 'preview' });
                const frame = page.hostFrame();
                await frame.tick(600);
                const wide = await frame.run(1, probe, ids);
                await frame.runUntil(
                    (margin) =>
                        document.getElementById('d1').getBoundingClientRect().top -
                            document.getElementById('spagens').getBoundingClientRect().top ===
                        margin,
                    TOP_MARGIN,
                );
                await resizeTo(page, frame, PHONE, PHONE_MESSAGE_WIDTH);
                const held = await frame.evaluate((list) => __probes.messageLayout(list, { top: 0, bottom: 1e6 }), ids);
                assert.equal(held.d1.top, TOP_MARGIN, 'the message held at the top margin stays there');

                const rows = await frame.run(1200, probe, ids);
                assert.ok(rows[0].heights[0] > wide[0].heights[0], 'the narrower column wraps into more lines');
                for (const row of rows) {
                    for (let i = 0; i + 1 < ids.length; i++)
                        assert.equal(row.tops[i + 1], row.tops[i] + row.heights[i] + SPACE, `message ${i + 1} follows`);
                }
                let holds = 0;
                for (const { row, wait } of waitsAfter(rows)) {
                    const atMargin = row.tops.includes(TOP_MARGIN);
                    assert.equal(wait, atMargin ? HOLD : 35, `wait after tops ${row.tops} at ${row.time}`);
                    if (atMargin) holds++;
                }
                assert.ok(holds >= ids.length, `the column held ${holds} times`);
            });
        }
    });
});

// The accessible box lays its messages out still for readers who ask for reduced motion; a narrower page
// lays them out again, one below the other from the top margin.
describeInEngines(
    'Fit the page width under reduced motion',
    (session) => {
        for (const [name, mode] of MODES) {
            it(`${name}: the still messages follow one another in the narrowed column`, async (t) => {
                const { page } = await session.open(t, box(mode, { accessibleBox: true }), { page: 'preview' });
                const frame = page.hostFrame();
                await frame.tick(600);
                await page.page.setViewport(PHONE);
                // The still box hides the continuous mode's copies, and it scrolls, so its messages share the area
                // with the scroll bar that the engine draws.
                await frame.until(
                    'every message as wide as the room beside the scroll bar',
                    (left, right, most) => {
                        const room = document.getElementById('spagens').clientWidth - left - right;
                        return room <= most && ['d0', 'd1', 'd2'].every((id) => document.getElementById(id).offsetWidth === room);
                    },
                    LEFT_MARGIN,
                    RIGHT_MARGIN,
                    PHONE_MESSAGE_WIDTH,
                );
                await frame.tick(5000);
                const { layout, heights } = await frame.evaluate(() => ({
                    layout: __probes.messageLayout(['d0', 'd1', 'd2'], { top: 0, bottom: 1e6 }),
                    heights: ['d0', 'd1', 'd2'].map((id) => document.getElementById(id).offsetHeight),
                }));
                assert.equal(layout.d0.top, TOP_MARGIN);
                assert.equal(layout.d1.top, TOP_MARGIN + heights[0] + SPACE);
                assert.equal(layout.d2.top, layout.d1.top + heights[1] + SPACE);
                assert.deepEqual(page.errors, []);
            });
        }
    },
    undefined,
    { reducedMotion: true },
);
