'use strict';
// The browser edition's own pieces that need no browser: the zip writer read back by Python's zipfile, the
// catalogue converter on a hand-written catalogue, and the choice of the page's language.

const { describe, it } = require('node:test');
const assert = require('node:assert/strict');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const { spawnSync } = require('node:child_process');
const { REPOSITORY } = require('./support/webEdition');

const PAGE = path.join(REPOSITORY, 'web/page');

// A module of the page, loaded as the browser loads it.
function pageModule(name) {
    const source = fs.readFileSync(path.join(PAGE, name), 'utf8');
    return import(`data:text/javascript;base64,${Buffer.from(source).toString('base64')}`);
}

describe('the zip writer', () => {
    it('gives the check value of CRC-32', async () => {
        const { crc32 } = await pageModule('zip.js');
        assert.equal(crc32(new TextEncoder().encode('123456789')), 0xcbf43926);
    });

    it('writes an archive that another reader takes, names and bytes as given', async () => {
        const { storedZip } = await pageModule('zip.js');
        const files = [
            { name: 'scroller_newstic.html', bytes: new Uint8Array(Buffer.from('<html>\r\n</html>')) },
            { name: 'bücher_newsticns6.js', bytes: new Uint8Array([0, 255, 13, 10, 128]) },
            { name: 'empty.js', bytes: new Uint8Array() },
        ];
        const zip = Buffer.from(await storedZip(files, new Date(2026, 0, 31, 13, 45, 58)).arrayBuffer());
        const file = path.join(fs.mkdtempSync(path.join(os.tmpdir(), 'marquetto-zip-')), 'files.zip');
        fs.writeFileSync(file, zip);
        const read = spawnSync('python3', ['-c', `
import json, sys, zipfile
with zipfile.ZipFile(sys.argv[1]) as z:
    print(json.dumps({"bad": z.testzip(), "files": [[i.filename, i.compress_type, list(z.read(i)), list(i.date_time)] for i in z.infolist()]}))
`, file]);
        fs.rmSync(path.dirname(file), { recursive: true });
        assert.equal(read.status, 0, read.stderr.toString());
        const { bad, files: entries } = JSON.parse(read.stdout);
        assert.equal(bad, null);
        assert.deepEqual(entries, files.map((f) => [f.name, 0, Array.from(f.bytes), [2026, 1, 31, 13, 45, 58]]));
    });
});

describe('the catalogue converter', () => {
    it('takes finished translations, entities decoded, and the source where a translation is unfinished', () => {
        const folder = fs.mkdtempSync(path.join(os.tmpdir(), 'marquetto-catalogue-'));
        const catalogue = path.join(folder, 'marquetto_fr.ts');
        fs.writeFileSync(catalogue, `<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>bir</name>
    <message>
        <source>Width :</source>
        <translation>Largeur&#xa0;:</translation>
    </message>
    <message>
        <source>From &quot;%1&quot; &amp; &lt;more&gt;</source>
        <translation>Depuis «&#xa0;%1&#xa0;» &amp; &lt;plus&gt;</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
`);
        const out = path.join(folder, 'i18n');
        const run = spawnSync(process.execPath, [path.join(REPOSITORY, 'web/tools/catalogue.js'), out, catalogue]);
        assert.equal(run.status, 0, run.stderr.toString());
        const read = (language) => JSON.parse(fs.readFileSync(path.join(out, `${language}.json`), 'utf8'));
        assert.deepEqual(read('fr'), { bir: {
            'Width :': 'Largeur\u00a0:',
            'From "%1" & <more>': 'Depuis «\u00a0%1\u00a0» & <plus>',
            'Browse...': 'Browse...',
        } });
        assert.deepEqual(read('en'), { bir: { 'Width :': 'Width :', 'From "%1" & <more>': 'From "%1" & <more>', 'Browse...': 'Browse...' } });
        fs.rmSync(folder, { recursive: true });
    });
});

describe('the page\'s language', () => {
    const CASES = [
        { search: '?lang=de', preferred: ['fr-FR'], language: 'de' },
        { search: '?lang=pt', preferred: ['es-MX', 'de'], language: 'es' },
        { search: '', preferred: ['pt-BR', 'fr-CA', 'de'], language: 'fr' },
        { search: '', preferred: ['pt-BR', 'ja'], language: 'en' },
        { search: '?lang=EN-gb', preferred: ['de'], language: 'en' },
    ];
    for (const { search, preferred, language } of CASES) {
        it(`is ${language} for "${search}" and ${preferred.join(', ')}`, async () => {
            const { chosenLanguage } = await pageModule('i18n.js');
            assert.equal(chosenLanguage(search, preferred), language);
        });
    }

    it('fills in the arguments of a translation, and falls back to the source', async () => {
        const { Catalogue } = await pageModule('i18n.js');
        const catalogue = new Catalogue('de', { uc: { '%1 things': '%1 Dinge', 'Step %1 of %2': 'Schritt %2/%1' } });
        assert.equal(catalogue.tr('uc', '%1 things', 3), '3 Dinge');
        assert.equal(catalogue.tr('uc', 'Step %1 of %2', 1, 5), 'Schritt 5/1');
        assert.equal(catalogue.tr('uc', 'Copy'), 'Copy');
        assert.equal(catalogue.tr('iki', '%1 things', 3), '3 things');
    });
});
