'use strict';
// Input that once broke the box or changed what it showed: a path with backslashes, escaped quotes in a
// title, a quoted font family, a pause with a leading zero and a windows-1252 box name. The box must run
// and show each text exactly as typed.

const assert = require('node:assert/strict');
const { pathToFileURL } = require('node:url');
const { design, evenMessages } = require('./support/design');
const { describeInEngines, it, waitsAfter } = require('./support/suite');

const TITLE = 'Say \\"hi\\" now';
const TEXT = 'C:\\xampp and c:\\users';
const SCROLL_DELAY = 35;

// The project file holds bytes; windows-1252 has é as the single byte E9.
const BROKEN = design({
    scrollerName: 'caf\xe9_',
    textCustomFont: '"Times New Roman", serif',
    pause: '02',
    scrollDelay: String(SCROLL_DELAY),
    messages: [{ title: TITLE, text: TEXT, link: 'http://example.test/', target: '_blank' }, ...evenMessages(1)],
});

function shownMessage() {
    const title = document.getElementById('hgd0').textContent;
    const family = getComputedStyle(document.getElementById('d0')).fontFamily.replace(/["']/g, '');
    return { title, text: document.getElementById('d0').textContent.slice(title.length), family };
}

// The box running in frame (the page itself, or the host page inside the preview) shows message 0 as typed, and
// the page saw no script errors.
async function showsAsTyped(frame, page) {
    await frame.tick(600);
    assert.deepEqual(await frame.evaluate(shownMessage), {
        title: TITLE,
        text: TEXT,
        family: 'Times New Roman, serif',
    });
    assert.deepEqual(page.errors, []);
}

describeInEngines('A box made from input that once broke it', (session) => {
    for (const [flavour, options] of [
        ['standards', {}],
        ['IE (under emulation)', { ie: true }],
    ]) {
        it(`shows the texts exactly as typed in the ${flavour} runtime`, async (t) => {
            const { page } = await session.open(t, BROKEN, options);
            await showsAsTyped(page, page);
        });
    }

    it('runs from the preview page under its UTF-8 file name', async (t) => {
        const { box, page } = await session.open(t, BROKEN, { page: 'preview' });
        const host = page.hostFrame();
        assert.equal(host.frame.url(), pathToFileURL(`${box.folder}/café_newstic.html`).href);
        await showsAsTyped(host, page);
    });

    it('holds each message for the two seconds typed as 02, not an octal 1.059', async (t) => {
        const { page } = await session.open(t, BROKEN);
        const rows = await page.run(260, () => ({ column: __probes.columnTops().first }));
        const holds = waitsAfter(rows).filter(({ wait }) => wait !== SCROLL_DELAY);
        assert.ok(holds.length > 0, 'the column reached a stop');
        for (const { wait } of holds) assert.equal(wait, 2000 + SCROLL_DELAY);
        assert.deepEqual(page.errors, []);
    });
});
