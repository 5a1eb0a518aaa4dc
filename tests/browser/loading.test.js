'use strict';
// Loading the generated files: the loader's choice of runtime, the standards boxes, the embedding through
// preview.html, and a clean run of every design with few and many messages.

const { describe } = require('node:test');
const assert = require('node:assert/strict');
const { design } = require('./support/design');
const { sampleMessages } = require('./support/messages');
const { describeInEngines, it } = require('./support/suite');

const DESIGNS = [
    ['News fader', { effectStyle: 1 }],
    ['Wait to finish mode', { scrollMode: 0 }],
    ['Page by page mode', { scrollMode: 1 }],
    ['Continuous mode', { scrollMode: 2 }],
];

function pageState() {
    const area = document.getElementById('spagens');
    return {
        scripts: Array.from(document.scripts, (script) => script.getAttribute('src')).filter(Boolean),
        messages: area ? area.querySelectorAll('div[id^="d"]').length : -1,
        visible: __probes.visibleMessages().length,
    };
}

function firstMessageInSight() {
    const area = document.getElementById('spagens').getBoundingClientRect();
    return __probes.visibleMessages().find((id) => {
        const box = document.getElementById(id).getBoundingClientRect();
        return box.top > area.top && box.top + 10 < area.bottom;
    });
}

describeInEngines('Loading', (session) => {
    describe('host page', () => {
        it('loads the standards runtime into the boxes it writes with the inner sizes', async (t) => {
            const d = design({ width: '200', height: '150', borderWidth: '3', borderStyle: 1 });
            const { page } = await session.open(t, d);
            const boxes = await page.evaluate(() => {
                const box = (id) => {
                    const element = document.getElementById(id);
                    return {
                        parent: element.parentElement.id,
                        width: element.style.width,
                        height: element.style.height,
                        outerWidth: element.offsetWidth,
                        outerHeight: element.offsetHeight,
                    };
                };
                return { border: box('spagensbrd'), area: box('spagens'), all: Boolean(document.all) };
            });
            assert.deepEqual(boxes, {
                border: { parent: '', width: '194px', height: '144px', outerWidth: 200, outerHeight: 150 },
                area: { parent: 'spagensbrd', width: '194px', height: '144px', outerWidth: 194, outerHeight: 144 },
                all: false,
            });
            await page.run(1);
            assert.deepEqual(await page.evaluate(pageState), {
                scripts: ['scroller_newsticns6.js'],
                messages: 3,
                visible: 3,
            });
            assert.deepEqual(page.errors, []);
        });

        it('shows the box through the snippet in preview.html', async (t) => {
            const { box, page } = await session.open(t, design(), { page: 'preview' });
            const frame = await page.evaluate(() => {
                const iframe = document.querySelector('center > iframe');
                return [
                    iframe.width,
                    iframe.height,
                    iframe.getAttribute('src'),
                    iframe.offsetWidth,
                    iframe.offsetHeight,
                ];
            });
            assert.deepEqual(frame, ['180', '215', 'scroller_newstic.html', 180, 215]);
            assert.equal(box.snippet.includes('src="scroller_newstic.html"'), true, 'the snippet names the host page');

            const host = page.hostFrame();
            const rows = await host.run(4, () => __probes.columnTops());
            assert.deepEqual(
                rows.map((row) => [row.time, row.first]),
                [
                    [500, 214],
                    [535, 213],
                    [570, 212],
                    [605, 211],
                ],
            );
            assert.deepEqual(page.errors, []);
        });
    });

    // HTML reads "&amp;" in an address as "&", so a name that holds an ampersand is asked for percent-encoded.
    it('loads a box and an image whose names hold an ampersand, through preview.html', async (t) => {
        const d = design({ scrollerName: 'news&amp;', bgImageOn: 1, bgImageName: 'sky&amp;.png' });
        const { box, page } = await session.open(t, d, { page: 'preview' });
        assert.equal(box.snippet.includes('src="news%26amp;newstic.html"'), true, box.snippet);
        const host = page.hostFrame();
        await host.tick(600);
        assert.deepEqual(await host.evaluate(pageState), {
            scripts: ['news%26amp;newsticns6.js'],
            messages: 3,
            visible: 3,
        });
        const image = await host.evaluate(() => {
            const url = getComputedStyle(document.getElementById('disspageie')).backgroundImage;
            return new Promise((resolve) => {
                const probe = new Image();
                probe.onload = () => resolve({ url, loads: true });
                probe.onerror = () => resolve({ url, loads: false });
                probe.src = url.match(/url\("(.*)"\)/)[1];
            });
        });
        assert.equal(image.loads, true, image.url);
        assert.equal(image.url.endsWith('/sky%26amp;.png")'), true, image.url);
        assert.deepEqual(page.errors, []);
    });

    describe('every design runs without errors', () => {
        for (const [name, style] of DESIGNS) {
            for (const count of [0, 1, 3, 12]) {
                it(`${name} with ${count} messages`, async (t) => {
                    const { page } = await session.open(t, design({ ...style, messages: sampleMessages(count) }));
                    await page.tick(20000);
                    const state = await page.evaluate(pageState);
                    const copies = style.scrollMode === 2 ? 2 : 1;
                    assert.equal(state.messages, count * copies, 'the runtime built every message');
                    const inSight = await page.evaluate(firstMessageInSight);
                    if (inSight) {
                        await page.hover(inSight);
                        await page.tick(5000);
                        await page.leave();
                    }
                    await page.tick(20000);
                    assert.deepEqual(page.errors, []);
                });
            }
        }
    });
});
