'use strict';
// The fader in the standards runtime: page composition, page positions and the pause between pages.

const { describe } = require('node:test');
const assert = require('node:assert/strict');
const { EVEN_LINES, EVEN_MESSAGE_HEIGHT, design, evenMessages } = require('./support/design');
const { describeInEngines, it, waitsAfter } = require('./support/suite');

const TOP_MARGIN = 4;
const LEFT_MARGIN = 8;
const STEP = EVEN_MESSAGE_HEIGHT + 10;

// Box heights whose page height (box height - margins 4 and 4 - border 1 twice) is the given value.
const boxForPageHeight = (pageHeight) => String(pageHeight + 10);

function fader(pageHeight, messages, extra = {}) {
    return design({ ...EVEN_LINES, effectStyle: 1, height: boxForPageHeight(pageHeight), messages, ...extra });
}

const pageProbe = (ids) => ({
    visible: __probes.visibleMessages(),
    layout: __probes.messageLayout(ids, { top: 0, bottom: 1e6 }),
});

const idsOf = (count) => Array.from({ length: count }, (_, i) => `d${i}`);

async function pages(page, count, messageCount) {
    return page.run(count, pageProbe, idsOf(messageCount));
}

describeInEngines('News fader', (session) => {
    describe('page composition', () => {
        it('fills a page with the messages that fit and starts again at message 0 after the last', async (t) => {
            const { page } = await session.open(t, fader(150, evenMessages(5)));
            const rows = await pages(page, 4, 5);

            assert.deepEqual(
                rows.map((row) => row.visible),
                [
                    ['d0', 'd1', 'd2'],
                    ['d3', 'd4'],
                    ['d0', 'd1', 'd2'],
                    ['d3', 'd4'],
                ],
            );
            assert.deepEqual(
                rows.map((row) => row.time),
                [500, 3500, 6500, 9500],
                'a page shows for the pause',
            );
            for (const row of rows) {
                row.visible.forEach((id, k) => {
                    assert.deepEqual(
                        row.layout[id],
                        { top: TOP_MARGIN + k * STEP, left: LEFT_MARGIN, inSight: true },
                        id,
                    );
                });
            }
            const heights = await page.evaluate(() => heightarr.slice());
            assert.deepEqual(heights, [36, 36, 36, 36, 36], 'one-line messages must be 36 pixels tall');
            assert.deepEqual(await page.evaluate(() => cyposarr.slice()), [0, STEP, 2 * STEP, 0, STEP]);
            assert.deepEqual(page.errors, []);
        });

        it('moves a message that would reach the page height exactly to the next page', async (t) => {
            const exact = await session.open(t, fader(2 * EVEN_MESSAGE_HEIGHT + 10, evenMessages(3)));
            const exactRows = await pages(exact.page, 4, 3);
            assert.deepEqual(
                exactRows.map((row) => row.visible),
                [['d0'], ['d1'], ['d2'], ['d0']],
            );

            const roomier = await session.open(t, fader(2 * EVEN_MESSAGE_HEIGHT + 11, evenMessages(3)));
            const roomierRows = await pages(roomier.page, 3, 3);
            assert.deepEqual(
                roomierRows.map((row) => row.visible),
                [['d0', 'd1'], ['d2'], ['d0', 'd1']],
            );
            assert.deepEqual([...exact.page.errors, ...roomier.page.errors], []);
        });

        it('shows a message taller than the page alone, and changes pages after the designed pause', async (t) => {
            const messages = evenMessages(4);
            messages[1].text = '<div style="height:200px">tall</div>';
            const { page } = await session.open(t, fader(150, messages, { pause: '2' }));
            const rows = await pages(page, 4, 4);

            assert.deepEqual(
                rows.map((row) => row.visible),
                [['d0'], ['d1'], ['d2', 'd3'], ['d0']],
            );
            assert.deepEqual(
                waitsAfter(rows).map(({ wait }) => wait),
                [2000, 2000, 2000],
            );
            assert.equal(rows[1].layout.d1.top, TOP_MARGIN);
            const cut = await page.evaluate(() => {
                const area = document.getElementById('spagens').getBoundingClientRect();
                return document.elementFromPoint(area.left + 20, area.bottom + 5)?.closest('#d1') === null;
            });
            assert.ok(cut, 'the box cuts the tall message off');
            assert.deepEqual(page.errors, []);
        });

        it('composes nothing without messages', async (t) => {
            const { page } = await session.open(t, fader(150, []));
            const rows = await page.run(5);
            assert.equal(rows.length, 5);
            assert.equal(await page.evaluate(() => document.getElementById('spagens').innerHTML), '');
            assert.deepEqual(page.errors, []);
        });
    });
});
