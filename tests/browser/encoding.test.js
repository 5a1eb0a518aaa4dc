'use strict';
// Non-ASCII messages must read right whatever character set the browser assumes for the generated files,
// which declare none: Chromium takes them as windows-1252, Firefox guesses.

const assert = require('node:assert/strict');
const { pathToFileURL } = require('node:url');
const { design } = require('./support/design');
const { describeInEngines, it } = require('./support/suite');

// A project file holds bytes; the test support writes each character of a text as one byte.
function asUtf8Bytes(text) {
    return Buffer.from(text, 'utf8').toString('latin1');
}

const WINDOWS_1252 = { '€': '\x80', '“': '\x93', '”': '\x94' };

function asWindows1252Bytes(text) {
    return Array.from(text, (c) => WINDOWS_1252[c] ?? c).join('');
}

const UTF8_MESSAGES = [
    { title: 'Schön € ж', text: '日本 😀 <b>fett</b>', link: 'http://example.test/schön?q=€', target: '_blank' },
    { title: '😀 title', text: 'plain', link: 'javascript:void("ж")', target: '_parent' },
];

const WINDOWS_1252_MESSAGES = [
    { title: 'café “quoted”', text: 'price € 5', link: 'http://example.test/café', target: '_parent' },
];

function shownMessages(count) {
    const shown = [];
    for (let i = 0; i < count; i++) {
        const title = document.getElementById(`hgd${i}`);
        const message = document.getElementById(`d${i}`);
        shown.push({
            title: title.textContent,
            text: message.textContent.slice(title.textContent.length),
            link: linka[i],
        });
    }
    return shown;
}

function expected(messages) {
    return messages.map(({ title, text, link }) => ({ title, text: text.replace(/<\/?b>/g, ''), link }));
}

function encoded(messages, encode) {
    return messages.map((m) => ({
        title: encode(m.title),
        text: encode(m.text),
        link: encode(m.link),
        target: m.target,
    }));
}

describeInEngines('Non-ASCII texts', (session) => {
    for (const mode of [0, 2]) {
        it(`show as typed from a UTF-8 project in mode ${mode}, with a non-ASCII box name`, async (t) => {
            const name = 'schön_';
            const d = design({
                scrollMode: mode,
                scrollerName: asUtf8Bytes(name),
                messages: encoded(UTF8_MESSAGES, asUtf8Bytes),
            });
            const { box, page } = await session.open(t, d, { page: 'preview' });
            const host = page.hostFrame();
            assert.equal(host.frame.url(), pathToFileURL(`${box.folder}/${name}newstic.html`).href);
            await host.tick(600);
            assert.deepEqual(await host.evaluate(shownMessages, UTF8_MESSAGES.length), expected(UTF8_MESSAGES));
            assert.deepEqual(page.errors, []);
        });
    }

    it('show as their authors saw them from a windows-1252 project', async (t) => {
        const d = design({ effectStyle: 1, messages: encoded(WINDOWS_1252_MESSAGES, asWindows1252Bytes) });
        const { page } = await session.open(t, d);
        await page.tick(600);
        assert.deepEqual(await page.evaluate(shownMessages, 1), expected(WINDOWS_1252_MESSAGES));
        assert.deepEqual(page.errors, []);
    });

    // A title or text that would mark a project file's record is stored with "qv&#111;-" for "qvo-".
    it('show a text stored inert as it was typed', async (t) => {
        const stored = { title: 'a qv&#111;-linktext1=x', text: 'endof-qv&#111;-tmessage1#%# lost', link: '', target: '_parent' };
        const { page } = await session.open(t, design({ effectStyle: 1, messages: [stored] }));
        await page.tick(600);
        const [shown] = await page.evaluate(shownMessages, 1);
        assert.deepEqual(shown, { title: 'a qvo-linktext1=x', text: 'endof-qvo-tmessage1#%# lost', link: '' });
        assert.deepEqual(page.errors, []);
    });
});
