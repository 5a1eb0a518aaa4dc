'use strict';
// The browser edition's page in Chromium and Firefox, driven as a user drives it: a project opened, values
// changed and refused, a message added and moved, a feed imported, the preview following, and the downloaded
// files and project compared with what marquetto-cli makes of the same steps; then offline, by keyboard, on a
// phone's screen, in the wizard's languages and under axe-core.

const { describe, before, after } = require('node:test');
const { it } = require('./support/deadline');
const assert = require('node:assert/strict');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const { Engine, ENGINE_NAMES } = require('./support/engines');
const { cli, DATA } = require('./support/webEdition');
const { servePage, WebPage, storedFiles } = require('./support/webPage');

const DESIGN = path.join(DATA, 'generator/asymmetric/design.tkp');
const FEED = path.join(DATA, 'feed/harbour-rss.xml');
const AXE = require.resolve('axe-core/axe.min.js');

const scratch = fs.mkdtempSync(path.join(os.tmpdir(), 'marquetto-web-page-'));
after(() => fs.rmSync(scratch, { recursive: true, force: true }));

// The message typed in the editor, and as the editor stores it: "_self" opens in the frame's parent.
const TYPED = { title: 'Harbour <b>news</b>', text: 'Boats race\nat noon', link: 'https://news.example.org/', target: ' _self' };
const STORED = { ...TYPED, target: '_parent' };

// What the command line makes of the same steps: the design, three values set, the typed message added and
// moved up by one, then the feed's items added after the messages with the import's defaults.
function expectedByCommandLine() {
    const messages = JSON.parse(cli(['show', '--format=json', DESIGN]).stdout).messages;
    messages.splice(messages.length, 0, STORED);
    messages.splice(messages.length - 2, 0, messages.pop());
    const set = path.join(scratch, 'set.tkp');
    const final = path.join(scratch, 'final.tkp');
    const out = path.join(scratch, 'out');
    for (const run of [
        cli(['set', '--project', DESIGN, '--to', set, 'width=250', 'border-width=3', 'accessible-box=on', `messages=${JSON.stringify(messages)}`]),
        cli(['import', '--from', FEED, '--append', '--project', set, '--to', final]),
        cli(['generate', '--out', out, final]),
    ]) assert.equal(run.status, 0, run.stderr.toString());
    const files = Object.fromEntries(fs.readdirSync(out).map((name) => [name, fs.readFileSync(path.join(out, name))]));
    return { project: fs.readFileSync(final), files };
}

async function axeFindings(page) {
    const results = await page.tab.evaluate(() => window.axe.run(document, { resultTypes: ['violations'] }));
    return results.violations.filter((v) => v.impact === 'serious' || v.impact === 'critical')
        .map((v) => `${v.id}: ${v.nodes.map((n) => n.target.join(' ')).join(', ')}`);
}

for (const engineName of ENGINE_NAMES) {
    describe(`the browser edition in ${engineName}`, () => {
        let engine;
        let server;
        before(async () => {
            [engine, server] = await Promise.all([Engine.launch(engineName), servePage()]);
        });
        after(async () => {
            await Promise.all([engine?.close(), server?.close()]);
        });

        it('makes from a user\'s steps the project and the files that the command line makes', async (t) => {
            const expected = expectedByCommandLine();
            const page = await WebPage.open(engine.browser, server.url);
            t.after(() => page.close());

            await page.chooseFile(() => page.click('button', 'Open Project'), DESIGN);
            await page.tab.waitForFunction(() => document.getElementById('value-width').value === '317');

            await page.step(2);
            await page.typeInto('textbox', 'Width :', 'x', { replace: false });
            assert.equal(await page.value('textbox', 'Width :'), '317');
            await page.tab.waitForFunction(() => [...document.querySelectorAll('.note')].some((n) => n.textContent === 'Only the digits 0 to 9 can be entered here.'));
            await page.typeInto('textbox', 'Width :', '250');
            await page.tab.waitForFunction(() => document.querySelector('#preview-box iframe:not(.loading)')
                ?.contentDocument.querySelector('iframe')?.getAttribute('width') === '250');

            await page.step(3);
            await page.typeInto('textbox', 'Border width :', '3');
            await page.step(1);
            await page.click('checkbox', 'Accessible box (pause button, keyboard, reduced motion)');

            await page.step(4);
            await page.click('button', 'Add');
            for (const [caption, key] of [['Title :', 'title'], ['Text :', 'text'], ['Link :', 'link'], ['Target Frame :', 'target']])
                await page.typeInto('textbox', caption, TYPED[key], { replace: false });
            const listed = await page.tab.$eval('#message-list', (list) => list.options.length);
            await page.click('button', 'OK');
            // The editor hands its message over after it has closed: End goes to the list that holds it.
            await page.tab.waitForFunction((before) => document.getElementById('message-list').options.length === before + 1, {}, listed);
            await (await page.control('listbox', 'Messages')).focus();
            await page.tab.keyboard.press('End');
            await page.click('button', 'Move Up');

            await page.chooseFile(() => page.click('button', 'Import...'), FEED);
            await page.tab.waitForSelector('dialog[open] tbody tr');
            await page.click('radio', 'Add them after the messages in the list');
            const firstTitles = await page.tab.$$eval('dialog[open] tbody tr td:first-child', (cells) => cells.map((c) => c.textContent));
            // A feed's title is HTML, as the box shows it.
            assert.deepEqual(firstTitles.slice(0, 2), ['Ferry timetable &amp; fares change', 'Café opens on the pier']);
            await page.click('button', 'OK');
            await page.tab.waitForFunction(() => /Ferry timetable & fares change/.test(document.querySelector('#preview-box iframe:not(.loading)')
                ?.contentDocument.querySelector('iframe')?.contentDocument?.body?.textContent));

            await page.click('button', 'Save Project');
            await page.step(5);
            await page.click('button', 'Download Files');
            const [project, zip] = await page.downloads();
            assert.equal(project.name, 'design.tkp');
            assert.ok(project.bytes.equals(expected.project), 'the saved project differs from the command line\'s');
            assert.equal(zip.name, 'asym_files.zip');
            const files = storedFiles(zip.bytes);
            assert.deepEqual(Object.keys(files).sort(), Object.keys(expected.files).sort());
            for (const [name, bytes] of Object.entries(expected.files)) assert.ok(files[name].equals(bytes), name);

            // The design's image was not chosen in this page: the check's finding leads to its tick box on Step 2.
            const finding = await page.tab.waitForFunction(() => [...document.querySelectorAll('button.finding')]
                .find((b) => b.textContent.startsWith('Step 2, Background image: "asym-bg.png" is switched on but not found')));
            await finding.asElement().click();
            assert.equal(await page.tab.evaluate(() => document.activeElement.id), 'value-background-image');
            assert.equal(await page.tab.$eval('#tab-2', (tab) => tab.getAttribute('aria-selected')), 'true');
            assert.deepEqual(page.errors, []);
        });

        // Feeds read by the browser's own XML parser give the messages and refusals that expat gives the command line.
        const feedText = (doctype) => Buffer.from(`<?xml version="1.0"?>\n<!-- a comment -->\n${doctype}\n<rss version="2.0"/>\n`);
        const XML_FEEDS = [
            { name: 'harbour-rss.xml', bytes: fs.readFileSync(FEED), options: { maxItems: 10, maxLength: 200, target: '_blank' } },
            { name: 'journal-atom.xml', bytes: fs.readFileSync(path.join(DATA, 'feed/journal-atom.xml')), options: { maxItems: 3, maxLength: 40, target: 'news' } },
            { name: 'doctype.xml', bytes: feedText('<!DOCTYPE rss>'), options: {} },
            { name: 'subset.xml', bytes: feedText('<!DOCTYPE rss [<!ENTITY a "aaaa">]>'), options: {} },
            { name: 'system.xml', bytes: feedText('<!DOCTYPE  rss SYSTEM "a>b[.dtd" >'), options: {} },
            { name: 'root.xml', bytes: Buffer.from('<?xml version="1.0"?>\n\n  <channel><item><title>t</title></item></channel>'), options: {} },
            // The browsers word a well-formedness error their own way; the line and column come first all the same.
            { name: 'broken.xml', bytes: Buffer.from('<rss version="2.0"><channel>\n<item><title>t</item>'), options: {}, wordedByBrowser: true },
        ];
        it('reads RSS and Atom with the browser\'s parser as the command line reads them with expat', async (t) => {
            const page = await WebPage.open(engine.browser, server.url);
            t.after(() => page.close());
            for (const { name, bytes, options, wordedByBrowser } of XML_FEEDS) {
                const file = path.join(scratch, name);
                fs.writeFileSync(file, bytes);
                const to = path.join(scratch, `imported-${name}.tkp`);
                const native = cli(['import', '--from', file, '--to', to, ...Object.entries(options).flatMap(([k, v]) =>
                    [`--${{ maxItems: 'max', maxLength: 'length', target: 'target' }[k]}`, String(v)])]);
                const web = await page.tab.evaluate((feed, chosen) => {
                    const core = window.marquettoPage.core;
                    core.openDefault();
                    const read = core.readFeed(new Uint8Array(feed), 'feed.xml');
                    if (read.error) return read;
                    const imported = core.importFeed({ maxItems: 10, maxLength: 200, target: '_blank', ...chosen }, false);
                    return imported.error ? imported : { bytes: Array.from(core.save('x.tkp').bytes) };
                }, Array.from(bytes), options);
                if (native.status === 0) {
                    assert.ok(Buffer.from(web.bytes ?? []).equals(fs.readFileSync(to)), `${name}: ${web.error}`);
                } else {
                    assert.equal(native.status, 3, name);
                    if (wordedByBrowser) assert.match(web.error, /^line 2, column \d+: the feed is not well-formed XML: \S/, name);
                    else assert.equal(web.error, native.stderr.toString().replace(/^marquetto-cli: "[^"]*": (.*)\.\n$/s, '$1'), name);
                }
            }
        });

        it('asks before another project replaces changes not yet saved', async (t) => {
            const page = await WebPage.open(engine.browser, server.url);
            t.after(() => page.close());
            await page.step(2);
            await page.typeInto('textbox', 'Width :', '222');
            await page.tab.evaluate(() => {
                window.__chooser = null;
            });
            await page.step(1);
            await page.click('button', 'Open Project');
            await page.tab.waitForFunction(() => document.querySelector('dialog[open]')?.textContent.includes('Save changes to the project?'));
            await page.click('button', 'Cancel');
            assert.equal(await page.tab.evaluate(() => window.__chooser), null);
            await page.chooseFile(async () => {
                await page.click('button', 'Open Project');
                await page.click('button', 'Discard');
            }, DESIGN);
            await page.tab.waitForFunction(() => document.getElementById('value-width').value === '317');
            assert.deepEqual(await page.downloads(), []);
        });

        it('keeps working offline after the first load', async (t) => {
            const own = await servePage();
            const page = await WebPage.open(engine.browser, own.url);
            t.after(() => page.close());
            await page.tab.waitForSelector('body[data-offline="ready"]');
            await own.close();
            await page.load(own.url);
            await page.step(2);
            const drawn = await page.drawn();
            await page.typeInto('textbox', 'Height :', '99');
            await page.drawnAfter(drawn);
        });

        it('is usable by keyboard and has no serious finding of axe-core on any step or dialog', async (t) => {
            const page = await WebPage.open(engine.browser, server.url);
            t.after(() => page.close());
            await page.tab.addScriptTag({ path: AXE });
            await (await page.control('tab', 'Step 1')).focus();
            const findings = {};
            for (let step = 1; step <= 5; step++) {
                assert.equal(await page.tab.evaluate(() => document.activeElement.textContent), `Step ${step}`);
                findings[`Step ${step}`] = await axeFindings(page);
                await page.tab.keyboard.press('ArrowRight');
            }
            assert.equal(await page.tab.evaluate(() => document.activeElement.textContent), 'Step 1');
            await page.tab.keyboard.down('Control');
            await page.tab.keyboard.press('PageUp');
            await page.tab.keyboard.up('Control');
            assert.equal(await page.tab.evaluate(() => document.activeElement.textContent), 'Step 5');

            await page.step(4);
            await page.click('button', 'Add');
            findings['the message editor'] = await axeFindings(page);
            await page.tab.keyboard.press('Escape');
            await page.chooseFile(() => page.click('button', 'Import...'), FEED);
            await page.tab.waitForSelector('dialog[open] tbody tr');
            findings['the import dialog'] = await axeFindings(page);
            for (const [place, found] of Object.entries(findings)) assert.deepEqual(found, [], place);
        });

        it('fits a 360-pixel phone screen on every step', async (t) => {
            const page = await WebPage.open(engine.browser, server.url, { viewport: { width: 360, height: 740 } });
            t.after(() => page.close());
            for (let step = 1; step <= 5; step++) {
                await page.step(step);
                assert.ok(await page.tab.evaluate(() => document.documentElement.scrollWidth <= 360), `Step ${step} is wider than the screen`);
            }
        });

        // Each text as the catalogues translate it (translations/marquetto_LANG.ts).
        const LANGUAGES = [
            { lang: 'de', step: 'Schritt 1', width: 'Breite:', moveUp: 'Nach oben' },
            { lang: 'fr', step: 'Étape 1', width: 'Largeur\u00a0:', moveUp: 'Monter' },
            { lang: 'es', step: 'Paso 1', width: 'Ancho:', moveUp: 'Subir' },
        ];
        for (const { lang, step, width, moveUp } of LANGUAGES) {
            it(`speaks the wizard's ${lang} with ?lang=${lang}`, async (t) => {
                const page = await WebPage.open(engine.browser, `${server.url}?lang=${lang}`);
                t.after(() => page.close());
                assert.equal(await page.tab.evaluate(() => document.documentElement.lang), lang);
                await page.click('tab', step);
                await page.step(2);
                await page.control('textbox', width);
                await page.step(4);
                await page.control('button', moveUp);
            });
        }
    });
}
