'use strict';
// The pointer over the standards runtime: halting, hover colours and decorations, the status text, and
// what a click on a message does.

const { describe } = require('node:test');
const assert = require('node:assert/strict');
const { EVEN_LINES, design, evenMessages } = require('./support/design');
const { describeInEngines, it, waitsAfter } = require('./support/suite');

const LONG_LINK = 'http://www.marquetto.example/';
const BAND = { top: 4, bottom: 115 };

// Message 0 has a link, message 1 a link of two characters (too short to count), message 2 none.
function pointerDesign(extra) {
    const links = [LONG_LINK, 'ab', ''];
    return design({
        ...EVEN_LINES,
        height: '120',
        textHoverDecoration: 1,
        titleHoverDecoration: 1,
        messages: evenMessages(3, (i) => ({ link: links[i] })),
        ...extra,
    });
}

const SCROLLERS = [
    ['Wait to finish mode', 0, 'd0'],
    ['Page by page mode', 1, 'd0'],
    ['Continuous mode', 2, 'd0'],
    ['Continuous mode, second copy', 2, 'dz0'],
];

// What the reader sees of a message element and its title element.
function looks(ids) {
    const look = (id) => {
        const style = getComputedStyle(document.getElementById(id));
        return { color: style.color, cursor: style.cursor, decoration: style.textDecorationLine };
    };
    return { body: look(ids[0]), title: look(ids[1]), status: window.status };
}

const NORMAL = {
    body: { color: 'rgb(0, 0, 0)', cursor: 'auto', decoration: 'none' },
    title: { color: 'rgb(65, 74, 118)', cursor: 'auto', decoration: 'none' },
    status: '',
};
const HOVER = {
    body: { color: 'rgb(142, 6, 6)', cursor: 'pointer', decoration: 'underline' },
    title: { color: 'rgb(185, 0, 0)', cursor: 'pointer', decoration: 'underline' },
    status: LONG_LINK,
};

// Leaving restores colours and decorations; the cursor only shows while the pointer is over the message.
const RESTORED = {
    body: { color: NORMAL.body.color, decoration: 'none' },
    title: { color: NORMAL.title.color, decoration: 'none' },
    status: '',
};
const restoredLooks = (ids) => {
    const look = (id) => {
        const style = getComputedStyle(document.getElementById(id));
        return { color: style.color, decoration: style.textDecorationLine };
    };
    return { body: look(ids[0]), title: look(ids[1]), status: window.status };
};

// Where the box shows no hover decorations, the pointer over message 0 (its link is long enough) brings the
// hover colours, the pointer cursor and the status text alone; leaving restores the message.
async function hoverWithoutDecorations(page) {
    await page.hover('d0');
    assert.deepEqual(await page.evaluate(looks, ['d0', 'hgd0']), {
        body: { ...HOVER.body, decoration: 'none' },
        title: { ...HOVER.title, decoration: 'none' },
        status: LONG_LINK,
    });
    await page.leave();
    assert.deepEqual(await page.evaluate(restoredLooks, ['d0', 'hgd0']), RESTORED);
}

// Whether element id stands well inside the visible band, so that the pointer can rest on it.
const wellInSight = (id, band) => {
    const top = __probes.messageLayout([id], band)[id].top;
    return top > band.top + 10 && top < band.bottom - 30;
};

const topOf = (id, band) => ({ top: __probes.messageLayout([id], band)[id].top });

describeInEngines('Pointer and clicks', (session) => {
    describe('halting', () => {
        for (const [mode, scrollMode, id] of SCROLLERS) {
            it(`${mode}: halts while the pointer is over ${id} and resumes from the same place`, async (t) => {
                const { page } = await session.open(t, pointerDesign({ scrollMode }));
                const before = await page.run(id === 'dz0' ? 200 : 60, topOf, id, BAND);
                const stopped = before.at(-1);

                await page.hover(id);
                const halted = await page.run(20, topOf, id, BAND);
                assert.deepEqual(
                    halted.map((row) => row.top),
                    halted.map(() => stopped.top),
                    'no motion under the pointer',
                );
                assert.deepEqual(
                    waitsAfter([stopped, ...halted]).map(({ wait }) => wait),
                    halted.map(() => 35),
                    'the timer keeps ticking',
                );

                await page.leave();
                const resumed = await page.run(3, topOf, id, BAND);
                assert.deepEqual(
                    resumed.map((row) => row.top),
                    [stopped.top - 1, stopped.top - 2, stopped.top - 3],
                );
                assert.deepEqual(page.errors, []);
            });
        }

        it('a message whose link is too short halts the scroller all the same', async (t) => {
            const { page } = await session.open(t, pointerDesign({ scrollMode: 0 }));
            const stopped = (await page.run(100, topOf, 'd1', BAND)).at(-1);
            await page.hover('d1');
            const halted = await page.run(10, topOf, 'd1', BAND);
            assert.ok(halted.every((row) => row.top === stopped.top));
        });

        it('the fader keeps changing pages under the pointer', async (t) => {
            const { page } = await session.open(t, pointerDesign({ effectStyle: 1, height: '200' }));
            await page.run(1);
            await page.hover('d0');
            const rows = await page.run(2, () => __probes.visibleMessages().length);
            assert.deepEqual(
                rows.map((row) => row.time),
                [3500, 6500],
            );
            assert.equal(await page.evaluate(() => typeof inoout), 'undefined', 'the fader has no halt flag');
        });
    });

    describe('hover looks and status text', () => {
        for (const [mode, scrollMode, id] of SCROLLERS.filter(([, scrollMode]) => scrollMode !== 1)) {
            it(`${mode}: colours, pointer cursor and hover decorations for a link, restored on leaving`, async (t) => {
                const { page } = await session.open(t, pointerDesign({ scrollMode }));
                await page.run(id === 'dz0' ? 200 : 100);
                const title = id.replace('d', 'hgd');
                assert.deepEqual(await page.evaluate(looks, [id, title]), NORMAL);
                await page.hover(id);
                assert.deepEqual(await page.evaluate(looks, [id, title]), HOVER);
                if (id === 'dz0')
                    assert.deepEqual(await page.evaluate(looks, ['d0', 'hgd0']), { ...NORMAL, status: LONG_LINK });
                await page.leave();
                assert.deepEqual(await page.evaluate(restoredLooks, [id, title]), RESTORED);
            });
        }

        it('Page by page mode: hover colours and cursor without hover decorations', async (t) => {
            const { page } = await session.open(t, pointerDesign({ scrollMode: 1 }));
            await page.run(60);
            await hoverWithoutDecorations(page);
        });

        for (const [mode, scrollMode] of [
            ['Wait to finish mode', 0],
            ['Page by page mode', 1],
            ['Continuous mode', 2],
        ]) {
            it(`${mode}: no hover looks and no status text for a link too short or none`, async (t) => {
                const { page } = await session.open(t, pointerDesign({ scrollMode }));
                for (const id of ['d1', 'd2']) {
                    await page.runUntil(wellInSight, id, BAND);
                    await page.hover(id);
                    assert.deepEqual(await page.evaluate(looks, [id, id.replace('d', 'hgd')]), NORMAL, id);
                    await page.leave();
                }
            });
        }

        it('the fader shows any link in the status text, and hover looks only for a long one', async (t) => {
            const { page } = await session.open(t, pointerDesign({ effectStyle: 1, height: '200' }));
            await page.run(1);
            await page.hover('d1');
            assert.deepEqual(await page.evaluate(looks, ['d1', 'hgd1']), { ...NORMAL, status: 'ab' });
            await hoverWithoutDecorations(page);
        });
    });

    describe('clicks', () => {
        // A fader whose first page shows all six messages, opened through preview.html inside a top window.
        const links = [
            ['javascript:window.clickedMessage=0;', '_top'],
            ['x.h', '_top'],
            ['landing.html', '_parent'],
            ['landing.html', '_top'],
            ['landing.html', 'news'],
            ['', '_top'],
        ];
        const clickDesign = design({
            ...EVEN_LINES,
            effectStyle: 1,
            height: '300',
            messages: evenMessages(6, (i) => ({ link: links[i][0], target: links[i][1] })),
        });

        async function openFramed(t) {
            const { page } = await session.open(t, clickDesign, { page: 'framed' });
            const host = page.hostFrame();
            await host.tick(600);
            await host.evaluate(() => {
                window.opened = [];
                window.open = (url, name) => window.opened.push([url, name]);
            });
            return { page, host };
        }

        const frameUrls = (page) => {
            const top = page.page.mainFrame();
            const preview = top.childFrames()[0];
            return { top: top.url().split('/').pop(), preview: preview?.url().split('/').pop() };
        };

        it('runs a javascript: link as script', async (t) => {
            const { page, host } = await openFramed(t);
            await host.click('d0');
            assert.equal(await host.evaluate(() => window.clickedMessage), 0);
            assert.deepEqual(frameUrls(page), { top: 'outer.html', preview: 'preview.html' });
        });

        it('loads a "_parent" link into the parent window', async (t) => {
            const { page, host } = await openFramed(t);
            await host.click('d2');
            await page.untilNavigated('the parent window to load the link', () => frameUrls(page).preview === 'landing.html');
            assert.equal(frameUrls(page).top, 'outer.html');
        });

        it('loads a "_top" link into the top window', async (t) => {
            const { page, host } = await openFramed(t);
            await host.click('d3');
            await page.untilNavigated('the top window to load the link', () => frameUrls(page).top === 'landing.html');
        });

        it('opens a link with any other target through window.open with that name', async (t) => {
            const { page, host } = await openFramed(t);
            await host.click('d4');
            assert.deepEqual(await host.evaluate(() => window.opened), [['landing.html', 'news']]);
            assert.deepEqual(frameUrls(page), { top: 'outer.html', preview: 'preview.html' });
        });

        it('does nothing for a link of three characters or fewer', async (t) => {
            const { page, host } = await openFramed(t);
            await host.click('d1');
            await host.click('d5');
            assert.deepEqual(await host.evaluate(() => window.opened), []);
            // A navigation that the short links started would win over this later one or show in the top window.
            await host.click('d2');
            await page.untilNavigated('the parent window to load the link', () => frameUrls(page).preview === 'landing.html');
            assert.equal(frameUrls(page).top, 'outer.html');
        });
    });
});
