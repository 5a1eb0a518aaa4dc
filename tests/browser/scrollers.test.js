'use strict';
// The three scroller modes in the standards runtime: motion, holds and wrap-around, tick by tick.

const { describe } = require('node:test');
const assert = require('node:assert/strict');
const { EVEN_LINES, EVEN_MESSAGE_HEIGHT, design, evenMessages } = require('./support/design');
const { describeInEngines, it, waitsAfter } = require('./support/suite');

// Box 120 high, margins 4, border 1: the visible band runs from 4 to 115; three messages of 36 plus spaces
// of 10 make a column of 4 + 3 * 46 = 142 with message tops at 4, 50 and 96.
const BOX_HEIGHT = 120;
const TOP_MARGIN = 4;
const LEFT_MARGIN = 8;
const BAND = { top: TOP_MARGIN, bottom: BOX_HEIGHT - 4 - 1 };
const STEP = EVEN_MESSAGE_HEIGHT + 10;
const COLUMN_HEIGHT = TOP_MARGIN + 3 * STEP;
const STOPS = new Set([0, -STEP, -2 * STEP]);
const SCROLL_DELAY = 35;
const HOLD = 3000 + SCROLL_DELAY;

const IDS = ['d0', 'd1', 'd2'];
const COPY_IDS = ['dz0', 'dz1', 'dz2'];

function scroller(scrollMode, messageCount = 3) {
    return design({ ...EVEN_LINES, height: String(BOX_HEIGHT), scrollMode, messages: evenMessages(messageCount) });
}

async function assertEvenHeights(page, ids) {
    const heights = await page.evaluate((list) => list.map((id) => document.getElementById(id).offsetHeight), ids);
    assert.deepEqual(
        heights,
        ids.map(() => EVEN_MESSAGE_HEIGHT),
        'one-line messages must be 36 pixels tall',
    );
}

const lefts = (layout, ids) => ids.map((id) => layout[id].left);

const inSight = (row) => Object.keys(row.layout).filter((id) => row.layout[id]?.inSight);

describeInEngines('Scrollers', (session) => {
    describe('Wait to finish mode', () => {
        const probe = (ids, band) => ({
            column: __probes.columnTops().first,
            layout: __probes.messageLayout(ids, band),
        });

        it('moves one pixel per tick, holds on every message top, and restarts below the box after the column has left', async (t) => {
            const { page } = await session.open(t, scroller(0));
            const rows = await page.run(290, probe, IDS, BAND);
            await assertEvenHeights(page, IDS);

            assert.deepEqual(
                [rows[0].time, rows[0].column],
                [500, BOX_HEIGHT - 1],
                'first step half a second after load',
            );
            for (const { row, wait, next } of waitsAfter(rows)) {
                const expectedNext = row.column - 1 < -COLUMN_HEIGHT ? BOX_HEIGHT : row.column - 1;
                assert.equal(next.column, expectedNext, `column after ${row.column}`);
                assert.equal(wait, STOPS.has(row.column) ? HOLD : SCROLL_DELAY, `wait after column ${row.column}`);
                IDS.forEach((id, i) =>
                    assert.equal(row.layout[id].top, row.column + TOP_MARGIN + i * STEP, `${id} follows the column`),
                );
            }
            assert.deepEqual(
                lefts(rows[0].layout, IDS),
                [LEFT_MARGIN, LEFT_MARGIN, LEFT_MARGIN],
                'the column stands at the left margin',
            );
            const firstHold = rows.find((row) => row.column === 0);
            assert.equal(firstHold.layout.d0.top, TOP_MARGIN, 'message 0 stands on the top margin line');
            assert.equal(firstHold.time, 500 + (BOX_HEIGHT - 1) * SCROLL_DELAY);

            const restart = rows.findIndex((row, i) => i > 0 && row.column === BOX_HEIGHT);
            assert.ok(restart > 0, 'the column restarts within the trace');
            assert.equal(
                rows[restart - 1].column,
                -COLUMN_HEIGHT,
                'the column has left the box entirely before it restarts',
            );
            const lastBefore = rows.slice(0, restart).findLastIndex((row) => inSight(row).length > 0);
            const firstAfter = rows.findIndex((row, i) => i >= restart && inSight(row).length > 0);
            assert.ok(lastBefore < restart - 1, 'the box is empty before the restart');
            assert.deepEqual(inSight(rows[lastBefore]), ['d2'], 'the last message leaves last');
            assert.deepEqual(inSight(rows[firstAfter]), ['d0'], 'message 0 comes back first');
            assert.ok(rows[firstAfter].layout.d0.top >= BAND.bottom - 1, 'message 0 enters from below the box');
            assert.deepEqual(page.errors, []);
        });
    });

    describe('Continuous mode', () => {
        const probe = (ids, band) => ({ ...__probes.columnTops(), layout: __probes.messageLayout(ids, band) });

        it('lets the second column follow the first without a gap and moves the first back to 0 once it has left', async (t) => {
            const { page } = await session.open(t, scroller(2));
            const rows = await page.run(330, probe, [...IDS, ...COPY_IDS], BAND);
            await assertEvenHeights(page, [...IDS, ...COPY_IDS]);

            assert.deepEqual([rows[0].time, rows[0].first, rows[0].second], [500, BOX_HEIGHT - 1, BOX_HEIGHT]);
            let jumps = 0;
            for (const { row, wait, next } of waitsAfter(rows)) {
                const jumped = row.first - 1 < -COLUMN_HEIGHT;
                jumps += jumped ? 1 : 0;
                assert.equal(next.first, jumped ? 0 : row.first - 1, `first column after ${row.first}`);
                if (jumped) assert.equal(next.second, BOX_HEIGHT, 'the second column goes back below the box');
                assert.equal(wait, STOPS.has(row.first) ? HOLD : SCROLL_DELAY, `wait after column ${row.first}`);
            }
            assert.equal(jumps, 1, 'the trace covers one jump');
            assert.deepEqual(
                lefts(rows[0].layout, [...IDS, ...COPY_IDS]),
                IDS.concat(COPY_IDS).map(() => LEFT_MARGIN),
                'both columns stand at the left margin',
            );

            const firstInSight = rows.findIndex((row) => inSight(row).length > 0);
            for (const row of rows.slice(firstInSight)) {
                assert.ok(inSight(row).length > 0, `the box is never empty (column at ${row.first})`);
                if (row.first + COLUMN_HEIGHT < BOX_HEIGHT) {
                    assert.equal(row.second, row.first + COLUMN_HEIGHT, 'the second column directly below the first');
                    assert.equal(
                        row.layout.dz0.top - row.layout.d2.top,
                        STEP + TOP_MARGIN,
                        'the copy follows the last message after a space and the column top margin',
                    );
                }
            }
            assert.deepEqual(page.errors, []);
        });
    });

    describe('Page by page mode', () => {
        const probe = (ids, band) => __probes.messageLayout(ids, band);
        const tops = (row) => IDS.map((id) => row[id].top);

        it('gives every message a page of one box height and holds for the pause alone when it reaches the top margin', async (t) => {
            const { page } = await session.open(t, scroller(1));
            const rows = await page.run(500, probe, IDS, BAND);

            assert.equal(rows[0].time, 500);
            assert.deepEqual(tops(rows[0]), [BOX_HEIGHT - 1, 2 * BOX_HEIGHT - 1, 3 * BOX_HEIGHT - 1]);
            assert.deepEqual(
                lefts(rows[0], IDS),
                [LEFT_MARGIN, LEFT_MARGIN, LEFT_MARGIN],
                'messages stand at the left margin',
            );
            const holds = [];
            for (const { row, wait, next } of waitsAfter(rows)) {
                const onMargin = IDS.filter((id) => row[id].top === TOP_MARGIN);
                assert.equal(wait, onMargin.length > 0 ? 3000 : SCROLL_DELAY, `wait after tops ${tops(row)}`);
                if (onMargin.length > 0) holds.push(...onMargin);
                if (row.d2.top >= 0) {
                    assert.deepEqual(tops(row), [row.d0.top, row.d0.top + BOX_HEIGHT, row.d0.top + 2 * BOX_HEIGHT]);
                    if (next.d2.top >= 0) assert.equal(next.d0.top, row.d0.top - 1, 'one pixel per tick');
                } else {
                    assert.equal(row.d0.top, row.d2.top + BOX_HEIGHT, 'message 0 follows the last message');
                }
            }
            assert.deepEqual(holds, ['d0', 'd1', 'd2', 'd0'], 'each message holds once, then message 0 again');
            assert.deepEqual(page.errors, []);
        });

        it('shows a single message again one box height lower as soon as it passes the top', async (t) => {
            const { page } = await session.open(t, scroller(1, 1));
            const rows = await page.run(300, probe, ['d0'], BAND);

            let holds = 0;
            for (const { row, wait, next } of waitsAfter(rows)) {
                holds += row.d0.top === TOP_MARGIN ? 1 : 0;
                assert.equal(wait, row.d0.top === TOP_MARGIN ? 3000 : SCROLL_DELAY);
                if (next.d0.top !== row.d0.top - 1) {
                    assert.ok(row.d0.top <= 0, `jumps only after passing the top (from ${row.d0.top})`);
                    assert.equal(next.d0.top, BOX_HEIGHT - 1, 'comes back one box height lower');
                }
            }
            assert.ok(holds >= 2, 'holds on every pass');
            assert.ok(Math.min(...rows.map((row) => row.d0.top)) >= -1, 'never scrolls out of its page');
            assert.deepEqual(page.errors, []);
        });

        it('runs without messages and touches no element', async (t) => {
            const { page } = await session.open(t, scroller(1, 0));
            const rows = await page.run(400);
            assert.equal(rows.length, 400, 'the timer keeps running');
            assert.equal(await page.evaluate(() => document.getElementById('spagens').children.length), 0);
            assert.deepEqual(page.errors, []);
        });
    });
});
