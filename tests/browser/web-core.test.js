'use strict';
// The WebAssembly core of the browser edition against the native marquetto-cli, in Node: for each test design
// every file that generate writes, the snippet, check --format=json, show --format=json and save, byte for byte;
// then set, import and the message editors' rules.

const { describe, before, after } = require('node:test');
const { it } = require('./support/deadline');
const assert = require('node:assert/strict');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const { spawnSync } = require('node:child_process');
const { cli, loadCore, DATA, REPOSITORY } = require('./support/webEdition');

const DESIGNS = [
    { name: 'the built-in default', file: null },
    { name: 'the default as typed', file: 'default-written.tkp' },
    { name: 'the asymmetric design', file: 'generator/asymmetric/design.tkp' },
    { name: 'broken input', file: 'generator/broken-input.tkp' },
    { name: 'every key', file: 'project/all-keys.tkp' },
    { name: 'every key and option', file: 'project/all-keys-with-options.tkp' },
    { name: 'awkward values', file: 'project/awkward-values.tkp' },
];

const scratch = fs.mkdtempSync(path.join(os.tmpdir(), 'marquetto-web-core-'));
// A design that shows its background image, with the image beside it, so that generate brings it along.
const imageDesign = path.join(scratch, 'with-image.tkp');
assert.equal(cli(['set', '--to', imageDesign, 'background-image=on', 'image-x-position=7']).status, 0);
fs.copyFileSync(path.join(REPOSITORY, 'tickerkit/tmp/tkbackground.jpg'), path.join(scratch, 'tkbackground.jpg'));
DESIGNS.push({ name: 'a background image', file: imageDesign });

let core;
before(async () => {
    core = await loadCore();
});

after(() => fs.rmSync(scratch, { recursive: true, force: true }));

function designPath(file) {
    return path.isAbsolute(file) ? file : path.join(DATA, file);
}

// Opens the design in the core as the page does: the project's bytes, and the images beside it.
function openInCore(file) {
    const images = '/chosen images';
    for (const name of core.module.FS.readdir(images)) if (name !== '.' && name !== '..') core.module.FS.unlink(`${images}/${name}`);
    if (file === null) {
        core.openDefault();
        return;
    }
    const full = designPath(file);
    const opened = core.open(fs.readFileSync(full), path.basename(full));
    assert.equal(opened.status, 0, opened.error);
    for (const name of fs.readdirSync(path.dirname(full)))
        if (/\.(jpg|png|gif)$/.test(name)) core.putImage(name, fs.readFileSync(path.join(path.dirname(full), name)));
}

function projectArguments(file) {
    return file === null ? [] : [designPath(file)];
}

// The snippet as text: the CLI prints the design's bytes, which are windows-1252 in an 8-bit design.
function snippetText(stdout) {
    const bytes = stdout.subarray(0, stdout.length - 1);
    try {
        return new TextDecoder('utf-8', { fatal: true }).decode(bytes);
    } catch {
        return new TextDecoder('windows-1252').decode(bytes);
    }
}

for (const design of DESIGNS) {
    describe(`the core and the command line on ${design.name}`, () => {
        it('generate writes the same files, byte for byte, and the same snippet', () => {
            const out = fs.mkdtempSync(path.join(scratch, 'out-'));
            const native = cli(['generate', '--out', out, ...projectArguments(design.file)]);
            openInCore(design.file);
            const web = core.generate();
            if (native.status !== 0) {
                assert.equal(native.status, 1, native.stderr.toString());
                assert.ok(web.error, 'the core generated a design that the command line refused');
                return;
            }
            assert.equal(web.error, undefined);
            const nativeNames = fs.readdirSync(out).sort();
            assert.deepEqual(web.files.map((f) => f.name), nativeNames);
            for (const file of web.files)
                assert.ok(Buffer.from(file.bytes).equals(fs.readFileSync(path.join(out, file.name))), file.name);
            assert.equal(web.snippet, snippetText(native.stdout));
        });

        for (const [command, coreText] of [
            ['check', () => core.checkText()],
            ['show', () => core.showText()],
        ]) {
            it(`${command} --format=json prints the same`, () => {
                const native = cli([command, '--format=json', ...projectArguments(design.file)]);
                assert.ok(native.status === 0 || native.status === 1, native.stderr.toString());
                openInCore(design.file);
                // The core looks for images where the page keeps them, the command line beside the project.
                const folder = design.file === null ? '.' : path.dirname(designPath(design.file));
                const expected = native.stdout.toString().replaceAll(`\\"${folder}\\"`, '\\"/chosen images\\"');
                assert.equal(`${coreText()}\n`, expected);
            });
        }

        it('save writes the same project', () => {
            const to = path.join(scratch, `saved-${Math.random().toString(36).slice(2)}.tkp`);
            const native = cli(['save', '--to', to, ...projectArguments(design.file)]);
            openInCore(design.file);
            const web = core.save('saved.tkp');
            if (native.status !== 0) {
                assert.ok(web.error, 'the core saved a design that the command line refused');
                return;
            }
            assert.ok(Buffer.from(web.bytes).equals(fs.readFileSync(to)));
        });
    });
}

describe('values set in the core', () => {
    const CASES = [
        { assignments: [['width', '240'], ['style', 'News Fader'], ['accessible-box', 'on']] },
        { assignments: [['background-color', '#0a0B0c'], ['text-font-name', 'Gill Sans, sans-serif']] },
        { assignments: [['messages', JSON.stringify([{ title: 'T', text: 'x', link: 'http://a.example/', target: ' _self ' }])]] },
        { assignments: [['width', '24O']], refused: 'width takes digits 0 to 9, not "24O"' },
        // Taken, as the wizard's field takes it; the check says that the box is not generated.
        { assignments: [['name', 'a/b']] },
        { assignments: [['style', 'news fader']], refused: 'style takes "News Scroller" or "News Fader", or nothing for no choice, not "news fader"' },
    ];
    for (const { assignments, refused } of CASES) {
        const words = assignments.map(([n, v]) => `${n}=${v}`);
        it(`${words.join(' ')} gives what set gives`, () => {
            core.openDefault();
            const answers = assignments.map(([name, value]) => core.assign(name, value));
            const to = path.join(scratch, 'set.tkp');
            fs.rmSync(to, { force: true });
            const native = cli(['set', '--to', to, ...words]);
            if (refused) {
                assert.equal(native.status, 2);
                assert.deepEqual(answers.at(-1), { status: 2, error: refused });
                return;
            }
            assert.equal(native.status, 0, native.stderr.toString());
            assert.ok(answers.every((a) => a.status === 0));
            assert.ok(Buffer.from(core.save('set.tkp').bytes).equals(fs.readFileSync(to)));
        });
    }

    it('refuses a record marker in the name and the font names, as the wizard fields do', () => {
        core.openDefault();
        for (const [name, value] of [['name', 'box qvo-width=1'], ['title-font-name', 'Arial endof-qvo-pause']]) {
            const answer = core.assign(name, value);
            assert.equal(answer.status, 1, `${name}=${value}`);
            assert.match(answer.error, /marks? a record/);
        }
        assert.equal(core.show().name, 'scroller_');
    });
});

describe('feeds imported in the core', () => {
    const FEEDS = [
        { file: 'feed/kitchen.json', options: { maxItems: 10, maxLength: 200, target: '_blank' }, append: false },
        { file: 'feed/shop.csv', options: { maxItems: 2, maxLength: 12, target: 'news' }, append: true },
    ];
    for (const { file, options, append } of FEEDS) {
        it(`${file} gives the messages that import gives`, () => {
            const to = path.join(scratch, 'imported.tkp');
            const native = cli(['import', '--from', path.join(DATA, file), '--to', to, '--max', String(options.maxItems),
                '--length', String(options.maxLength), '--target', options.target, ...(append ? ['--append'] : [])]);
            assert.equal(native.status, 0, native.stderr.toString());
            core.openDefault();
            assert.ok(core.readFeed(fs.readFileSync(path.join(DATA, file)), path.basename(file)).count > 0);
            const preview = core.feedPreview(options, 5);
            const warned = native.stderr.toString().split('\n').filter(Boolean)
                .map((line) => line.replace(/^marquetto-cli: warning: "[^"]*": /, ''));
            assert.deepEqual(preview.warnings, warned);
            assert.equal(core.importFeed(options, append).status, 0);
            assert.ok(Buffer.from(core.save('imported.tkp').bytes).equals(fs.readFileSync(to)));
        });
    }

    it('says where a broken feed is wrong and keeps the design', () => {
        core.openDefault();
        const answer = core.readFeed(Buffer.from('{"version": "https://jsonfeed.org/version/1.1",\n "items": [,]}'), 'x.json');
        assert.match(answer.error, /^line 2, column \d+: /);
        assert.equal(core.show().messages.length, 3);
    });
});

describe('the message editors in the core', () => {
    it('store a typed message as the wizard does', () => {
        core.openDefault();
        const typed = { title: 'Sale qvo-width= now', text: 'one\ntwo', link: 'http://s.example/', target: '  _self ' };
        assert.equal(core.addMessage(typed).status, 0);
        // The title's marker is made inert with a character reference; "_self" opens in the frame's parent.
        assert.deepEqual(core.show().messages[3],
            { title: 'Sale qv&#111;-width= now', text: 'one\ntwo', link: 'http://s.example/', target: '_parent' });
        assert.equal(core.addMessage({ ...typed, link: 'http://s.example/?qvo-pause=' }).status, 1);
        assert.equal(core.show().messages.length, 4);
    });

    it('keep an untyped text as it was stored, line breaks and all', () => {
        const file = path.join(scratch, 'crlf.tkp');
        assert.equal(cli(['set', '--to', file, `messages=${JSON.stringify([{ title: 'a', text: 'x\r\ny', link: '', target: '' }])}`]).status, 0);
        assert.equal(core.open(fs.readFileSync(file), 'crlf.tkp').status, 0);
        assert.equal(core.editMessage(0, { title: 'b', text: 'x\ny', link: '', target: '' }, false).status, 0);
        assert.deepEqual(core.show().messages, [{ title: 'b', text: 'x\r\ny', link: '', target: '' }]);
        assert.equal(core.editMessage(0, { title: 'b', text: 'x\ny', link: '', target: '' }, true).status, 0);
        assert.equal(core.show().messages[0].text, 'x\ny');
    });

    it('move and delete as the list buttons do', () => {
        core.openDefault();
        const titles = () => core.show().messages.map((m) => m.title);
        const [first, second, third] = titles();
        assert.equal(core.moveMessage(2, true).status, 0);
        assert.deepEqual(titles(), [first, third, second]);
        assert.equal(core.moveMessage(3, false).status, 2);
        assert.equal(core.removeMessage(0).status, 0);
        assert.deepEqual(titles(), [third, second]);
    });

    it('refuse to open what is not a project, naming the file', () => {
        core.openDefault();
        const answer = core.open(Buffer.from([0x89, 0x50, 0x4e, 0x47, 0x00, 0x01]), 'picture.tkp');
        assert.equal(answer.status, 3);
        assert.match(answer.error, /^"picture\.tkp": /);
        assert.equal(core.show().name, 'scroller_');
    });
});
