'use strict';
// The browser edition's figures against their targets: everything the page downloads, gzipped (at most 350 KB);
// a cold load, with an empty profile, to the first preview drawn, on loopback in headless Chromium (at most
// 500 ms); the last key of an edit to the preview that shows it (at most 300 ms); and one generation of 1,000
// messages by the WebAssembly core, in Node and in Chromium, against the native marquetto-cli.
//   node bench/web_edition.js    (MARQUETTO_CLI and MARQUETTO_WEB name the builds; RUNS=N, default 9)

const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const { spawnSync } = require('node:child_process');

const root = path.join(__dirname, '..');
const support = path.join(root, 'tests', 'browser', 'support');
const puppeteer = require(path.join(root, 'tests', 'browser', 'node_modules', 'puppeteer-core'));
const { ENGINES } = require(path.join(support, 'engines'));
const { cli, loadCore, WEB } = require(path.join(support, 'webEdition'));
const { servePage } = require(path.join(support, 'webPage'));

const RUNS = Number(process.env.RUNS ?? 9);
const TARGETS = { downloadKB: 350, coldLoadMs: 500, editMs: 300 };
const MESSAGES = 1000;

function median(values) {
    const sorted = [...values].sort((a, b) => a - b);
    return sorted[Math.floor(sorted.length / 2)];
}

function spread(values) {
    return `median ${median(values).toFixed(1)}, ${Math.min(...values).toFixed(1)} to ${Math.max(...values).toFixed(1)}`;
}

// Everything the page downloads: the files that its service worker keeps, the worker, and the largest of the
// catalogues, of which the page loads the one it speaks; each as gzip -9 compresses it.
function downloadSize() {
    const worker = fs.readFileSync(path.join(WEB, 'sw.js'), 'utf8');
    const catalogues = fs.readdirSync(path.join(WEB, 'i18n')).map((name) => `i18n/${name}`);
    const size = (name) => fs.statSync(path.join(WEB, name)).size;
    const largest = catalogues.sort((a, b) => size(b) - size(a))[0];
    const shell = JSON.parse(`[${/const SHELL = \['\.\/', (.*)\];/.exec(worker)[1]}]`);
    const rows = [...shell, 'sw.js', largest].map((name) => {
        const bytes = fs.readFileSync(path.join(WEB, name));
        const gzipped = spawnSync('gzip', ['-9c'], { input: bytes, maxBuffer: 1 << 26 }).stdout;
        return { name, bytes: bytes.length, gzipped: gzipped.length };
    });
    return { rows, total: rows.reduce((sum, row) => sum + row.gzipped, 0) };
}

// Runs measure(page, coldLoad) on url opened in a browser with an empty profile; coldLoad is the time from
// navigation to the first box drawn.
async function inFreshBrowser(url, measure) {
    const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'marquetto-bench-'));
    const browser = await puppeteer.launch({ executablePath: ENGINES.chromium.executablePath, args: ENGINES.chromium.args,
        headless: true, userDataDir: profile });
    try {
        const page = await browser.newPage();
        await page.setViewport({ width: 1280, height: 900 });
        await page.goto(url);
        return await measure(page, await page.evaluate(drawnAt, 1));
    } finally {
        await browser.close();
        fs.rmSync(profile, { recursive: true, force: true });
    }
}

function drawnAt(version) {
    return new Promise((resolve) => {
        const seen = () => performance.getEntriesByName('marquetto-preview-drawn').find((m) => m.detail >= version);
        const look = () => (seen() ? resolve(seen().startTime) : requestAnimationFrame(look));
        look();
    });
}

// The floor under the cold load: a bare page that frames the default box's preview.html, as written by
// marquetto-cli, and marks when it has loaded, in the same kind of fresh browser.
function bareBoxTime(url) {
    return inFreshBrowser(url, (page, coldLoad) => coldLoad);
}

function bareBoxFolder() {
    const folder = fs.mkdtempSync(path.join(os.tmpdir(), 'marquetto-bench-bare-'));
    if (cli(['generate', '--out', folder]).status !== 0) throw new Error('generate failed');
    fs.writeFileSync(path.join(folder, 'index.html'), '<!DOCTYPE html><title>Box</title><iframe src="preview.html" ' +
        'onload="performance.mark(\'marquetto-preview-drawn\', { detail: 1 })"></iframe>');
    return folder;
}

// From navigation to the first box drawn, in a browser that never saw the page; then edits of the width,
// each from its last key to the preview that shows it.
function pageTimes(url) {
    return inFreshBrowser(url, async (page, coldLoad) => {
        await page.evaluate(() => document.getElementById('tab-2').click());
        const edits = [];
        await page.focus('#value-width');
        await page.evaluate(() => {
            document.getElementById('value-width').addEventListener('input', () => {
                window.lastKey = performance.now();
            });
        });
        // One key each: a digit added to the width, then taken away again.
        for (const key of ['5', 'Backspace', '0', 'Backspace', '7', 'Backspace']) {
            await page.keyboard.press(key);
            edits.push(await page.evaluate(() => new Promise((resolve) => {
                const key = window.lastKey;
                const look = () => {
                    const drawn = performance.getEntriesByName('marquetto-preview-drawn').find((m) => m.startTime > key);
                    if (drawn) resolve(drawn.startTime - key);
                    else requestAnimationFrame(look);
                };
                look();
            })));
        }
        const inPage = await page.evaluate(generationInPage, MESSAGES);
        return { coldLoad, edits, inPage };
    });
}

function generationInPage(count) {
    const core = window.marquettoPage.core;
    const messages = Array.from({ length: count }, (_, i) => ({ title: `Title ${i}`, text: `Message number ${i} of the box`, link: 'http://a.example/', target: '' }));
    core.assign('messages', JSON.stringify(messages));
    const times = [];
    for (let i = 0; i < 5; i++) {
        const start = performance.now();
        core.generate();
        times.push(performance.now() - start);
    }
    return times.sort((a, b) => a - b)[2];
}

async function generationTimes() {
    const scratch = fs.mkdtempSync(path.join(os.tmpdir(), 'marquetto-bench-'));
    try {
        const design = path.join(scratch, 'messages.tkp');
        const messages = Array.from({ length: MESSAGES }, (_, i) => ({ title: `Title ${i}`, text: `Message number ${i} of the box`, link: 'http://a.example/', target: '' }));
        if (cli(['set', '--to', design, `messages=${JSON.stringify(messages)}`]).status !== 0) throw new Error('set failed');
        const native = [];
        for (let i = 0; i < RUNS; i++) {
            const start = process.hrtime.bigint();
            if (cli(['generate', '--out', path.join(scratch, 'out'), design]).status !== 0) throw new Error('generate failed');
            native.push(Number(process.hrtime.bigint() - start) / 1e6);
        }
        const core = await loadCore();
        const bytes = fs.readFileSync(design);
        const wasm = [];
        for (let i = 0; i < RUNS; i++) {
            const start = process.hrtime.bigint();
            core.open(bytes, 'messages.tkp');
            if (core.generate().error) throw new Error('the core refused the design');
            wasm.push(Number(process.hrtime.bigint() - start) / 1e6);
        }
        return { native, wasm };
    } finally {
        fs.rmSync(scratch, { recursive: true, force: true });
    }
}

function verdict(value, limit) {
    return value <= limit ? 'PASS' : 'MISS';
}

async function main() {
    const misses = [];
    const { rows, total } = downloadSize();
    console.log('Download, gzipped -9:');
    for (const row of rows) console.log(`  ${row.name.padEnd(22)} ${String(row.bytes).padStart(8)} B  ${String(row.gzipped).padStart(7)} B gzipped`);
    const totalKB = total / 1000;
    console.log(`  total ${totalKB.toFixed(1)} KB gzipped (target ${TARGETS.downloadKB} KB): ${verdict(totalKB, TARGETS.downloadKB)}`);
    if (totalKB > TARGETS.downloadKB) misses.push('download');

    const server = await servePage(WEB);
    const folder = bareBoxFolder();
    const bareServer = await servePage(folder);
    const cold = [];
    const bare = [];
    const edits = [];
    const inPage = [];
    try {
        // The two pages take turns, so that the machine's load falls on both alike.
        for (let i = 0; i < RUNS; i++) {
            const times = await pageTimes(server.url);
            cold.push(times.coldLoad);
            edits.push(...times.edits);
            inPage.push(times.inPage);
            bare.push(await bareBoxTime(bareServer.url));
        }
    } finally {
        await Promise.all([server.close(), bareServer.close()]);
        fs.rmSync(folder, { recursive: true, force: true });
    }
    console.log(`Cold load to the first preview, ms (${RUNS} fresh profiles): ${spread(cold)} (target ${TARGETS.coldLoadMs}): ${verdict(median(cold), TARGETS.coldLoadMs)}`);
    console.log(`  a bare page framing the default box's preview.html: ${spread(bare)}`);
    console.log(`Last key of an edit to its preview, ms (${edits.length} edits): ${spread(edits)}; worst ${Math.max(...edits).toFixed(1)} (target ${TARGETS.editMs}): ${verdict(Math.max(...edits), TARGETS.editMs)}`);
    if (median(cold) > TARGETS.coldLoadMs) misses.push('cold load');
    if (Math.max(...edits) > TARGETS.editMs) misses.push('edit');

    const { native, wasm } = await generationTimes();
    console.log(`Generation of ${MESSAGES} messages, ms: marquetto-cli generate (the whole process) ${spread(native)}; ` +
        `the core in Node (read and generate) ${spread(wasm)}; the core in Chromium (generate) ${spread(inPage)}`);
    if (misses.length) {
        console.log(`MISSED: ${misses.join(', ')}`);
        process.exitCode = 1;
    }
}

main();
