'use strict';
// Each design value reaches its own place in the reader's browser: the asymmetric design gives every font
// size, line height, style, decoration, colour and margin a value of its own, so a value shown in the
// place of another fails here.

const assert = require('node:assert/strict');
const { ASYMMETRIC_DESIGN } = require('./support/design');
const { describeInEngines, it } = require('./support/suite');

const POINT = 96 / 72;

function styleOf(id) {
    const style = getComputedStyle(document.getElementById(id));
    return {
        fontSize: parseFloat(style.fontSize),
        lineHeight: parseFloat(style.lineHeight),
        fontWeight: style.fontWeight,
        fontStyle: style.fontStyle,
        fontFamily: style.fontFamily.replace(/["']/g, ''),
        decoration: style.textDecorationLine,
        textAlign: style.textAlign,
        color: style.color,
    };
}

// After the layout, when the scrolling column has come up to the top of the box.
function columnAtTop() {
    const column = document.getElementById('enuzun');
    const laidOut = document.getElementById('d0')?.style.visibility === 'visible';
    return laidOut && parseInt(column.style.top, 10) === 0;
}

// The message's place inside the message area, against its left and right edges.
function placeOf(id) {
    const area = document.getElementById('spagens');
    const areaBox = area.getBoundingClientRect();
    const box = document.getElementById(id).getBoundingClientRect();
    return {
        left: Math.round(box.left - areaBox.left - area.clientLeft),
        right: Math.round(areaBox.left + area.clientLeft + area.clientWidth - box.right),
        top: Math.round(box.top - areaBox.top - area.clientTop),
        areaWidth: area.clientWidth,
    };
}

const near = (actual, expected, what) =>
    assert.ok(Math.abs(actual - expected) < 0.02, `${what}: ${actual} is not ${expected}`);

describeInEngines('The asymmetric design', (session) => {
    it('gives the title and the text each their own font, size, line height, style, decoration and colour', async (t) => {
        const { page } = await session.open(t, ASYMMETRIC_DESIGN);
        await page.runUntil(columnAtTop);
        const title = await page.evaluate(styleOf, 'hgd0');
        const text = await page.evaluate(styleOf, 'd0');

        near(text.fontSize, 10 * POINT, 'text font size');
        near(title.fontSize, 13 * POINT, 'title font size');
        near(text.lineHeight, 15 * POINT, 'text line height');
        near(title.lineHeight, 19 * POINT, 'title line height');
        assert.deepEqual(
            { weight: text.fontWeight, style: text.fontStyle, family: text.fontFamily, decoration: text.decoration },
            { weight: '400', style: 'italic', family: 'Georgia, serif', decoration: 'underline' },
        );
        assert.deepEqual(
            { weight: title.fontWeight, style: title.fontStyle, family: title.fontFamily, decoration: title.decoration },
            { weight: '700', style: 'normal', family: 'Courier New, monospace', decoration: 'none' },
        );
        assert.deepEqual([text.textAlign, title.textAlign], ['right', 'right']);
        assert.deepEqual([text.color, title.color], ['rgb(17, 34, 51)', 'rgb(68, 85, 102)']);
        assert.deepEqual(page.errors, []);
    });

    it('changes both colours and decorations under the pointer and restores them after', async (t) => {
        const { page } = await session.open(t, ASYMMETRIC_DESIGN);
        await page.runUntil(columnAtTop);
        await page.hover('d0');
        const [textOver, titleOver] = await Promise.all([page.evaluate(styleOf, 'd0'), page.evaluate(styleOf, 'hgd0')]);
        assert.deepEqual(
            [textOver.color, textOver.decoration, titleOver.color, titleOver.decoration],
            ['rgb(119, 0, 136)', 'none', 'rgb(153, 170, 0)', 'underline'],
        );
        await page.leave();
        const [text, title] = await Promise.all([page.evaluate(styleOf, 'd0'), page.evaluate(styleOf, 'hgd0')]);
        assert.deepEqual(
            [text.color, text.decoration, title.color, title.decoration],
            ['rgb(17, 34, 51)', 'underline', 'rgb(68, 85, 102)', 'none'],
        );
    });

    it('stands the column at the left and right margins and holds message 0 on the top margin', async (t) => {
        const { page } = await session.open(t, ASYMMETRIC_DESIGN);
        await page.runUntil(columnAtTop);
        const first = await page.evaluate(placeOf, 'd0');
        const second = await page.evaluate(placeOf, 'd1');
        const firstHeight = await page.evaluate(() => document.getElementById('d0').offsetHeight);
        assert.equal(first.areaWidth, 317 - 2 * 2, 'the box less both borders');
        assert.deepEqual([first.left, first.right, first.top], [11, 3, 6]);
        assert.deepEqual([second.left, second.right, second.top], [11, 3, 6 + firstHeight + 7]);
        near(firstHeight, Math.round(19 * POINT) + 2 * Math.round(15 * POINT), 'one title line and two text lines');
    });
});
