'use strict';
// The browser edition's page in a browser, driven as a user drives it: controls found by their accessible
// names, files chosen through the page's own file chooser, and what the page downloads caught as bytes.

const fs = require('node:fs');
const http = require('node:http');
const path = require('node:path');
const { WEB } = require('./webEdition');

const TYPES = { '.html': 'text/html', '.js': 'text/javascript', '.css': 'text/css', '.json': 'application/json',
    '.wasm': 'application/wasm', '.jpg': 'image/jpeg' };

// A static server for the page's folder on 127.0.0.1, on a port the system picks.
async function servePage(folder = WEB) {
    const server = http.createServer((request, response) => {
        const name = decodeURIComponent(new URL(request.url, 'http://x').pathname).replace(/^\/$/, '/index.html');
        const file = path.join(folder, path.normalize(name));
        if (!file.startsWith(folder) || !fs.existsSync(file) || !fs.statSync(file).isFile()) {
            response.writeHead(404).end();
            return;
        }
        response.writeHead(200, { 'Content-Type': TYPES[path.extname(file)] || 'application/octet-stream' });
        fs.createReadStream(file).pipe(response);
    });
    await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
    return {
        url: `http://127.0.0.1:${server.address().port}/`,
        close: () => new Promise((resolve) => {
            server.closeAllConnections();
            server.close(resolve);
        }),
    };
}

// Runs in the page before its own scripts: a file chooser that the page opens waits for the test, and a download
// is kept as bytes instead of going to the browser.
function pageHooks() {
    window.__downloads = [];
    const click = HTMLElement.prototype.click;
    HTMLElement.prototype.click = function () {
        if (this instanceof HTMLInputElement && this.type === 'file') {
            window.__chooser = this;
            return;
        }
        if (this instanceof HTMLAnchorElement && this.hasAttribute('download')) {
            const name = this.download;
            window.__downloads.push(fetch(this.href).then((r) => r.arrayBuffer())
                .then((bytes) => ({ name, bytes: Array.from(new Uint8Array(bytes)) })));
            return;
        }
        click.call(this);
    };
}

// Finds the elements of a role whose accessible name is `name`, in the page, as a screen reader names them:
// aria-label, else the label that names it, else its text.
function findByName(role, name) {
    const selectors = {
        button: 'button, a.button',
        textbox: 'input[type="text"], input[type="url"], input:not([type]), textarea',
        number: 'input[type="number"]',
        checkbox: 'input[type="checkbox"]',
        radio: 'input[type="radio"]',
        combobox: 'select:not([size])',
        listbox: 'select[size]',
        colour: 'input[type="color"]',
        tab: '[role="tab"]',
    };
    const accessibleName = (element) => {
        if (element.hasAttribute('aria-label')) return element.getAttribute('aria-label');
        const label = (element.id && document.querySelector(`label[for="${CSS.escape(element.id)}"]`)) || element.closest('label');
        return (label || element).textContent.trim();
    };
    const visible = (element) => !element.closest('[hidden]') && (!element.closest('dialog') || element.closest('dialog[open]'));
    return [...document.querySelectorAll(selectors[role])].filter((e) => visible(e) && accessibleName(e) === name);
}

class WebPage {
    constructor(tab) {
        this.tab = tab;
        this.errors = [];
        tab.on('pageerror', (error) => this.errors.push(error.message));
    }

    static async open(browser, url, { viewport = { width: 1280, height: 900 } } = {}) {
        const tab = await browser.newPage();
        await tab.setViewport(viewport);
        await tab.evaluateOnNewDocument(pageHooks);
        const page = new WebPage(tab);
        await page.load(url);
        return page;
    }

    async load(url) {
        await this.tab.goto(url);
        await this.tab.waitForSelector('body[data-ready="true"]');
        await this.drawnAfter(0);
    }

    // The one control of that role and name; fails naming what it did not find.
    async control(role, name, { index = 0 } = {}) {
        const handles = await this.tab.evaluateHandle(findByName, role, name);
        const count = await handles.evaluate((list) => list.length);
        if (count <= index) throw new Error(`no ${role} named "${name}" (${count} found)`);
        return handles.evaluateHandle((list, i) => list[i], index);
    }

    async click(role, name, options) {
        await (await this.control(role, name, options)).click();
    }

    async step(number) {
        const names = await this.tab.$$eval('[role="tab"]', (tabs) => tabs.map((t) => t.textContent));
        await this.click('tab', names[number - 1]);
    }

    async typeInto(role, name, text, { replace = true } = {}) {
        const field = await this.control(role, name);
        await field.click();
        if (replace) {
            await field.evaluate((e) => e.select());
            await this.tab.keyboard.press('Backspace');
        }
        await field.type(text);
    }

    async value(role, name) {
        return (await this.control(role, name)).evaluate((e) => (e.type === 'checkbox' ? e.checked : e.value));
    }

    // The number of the last box that the preview has drawn.
    async drawn() {
        return this.tab.$eval('#preview-box', (box) => Number(box.dataset.drawn || 0));
    }

    async drawnAfter(version) {
        await this.tab.waitForFunction((v) => Number(document.getElementById('preview-box').dataset.drawn || 0) > v, {}, version);
        return this.drawn();
    }

    // Chooses a file in the file chooser that the action opens.
    async chooseFile(action, file) {
        await this.tab.evaluate(() => {
            window.__chooser = null;
        });
        await action();
        const chooser = await this.tab.waitForFunction(() => window.__chooser);
        await chooser.asElement().uploadFile(file);
    }

    // The downloads so far: [{ name, bytes (Buffer) }].
    async downloads() {
        const all = await this.tab.evaluate(() => Promise.all(window.__downloads));
        return all.map(({ name, bytes }) => ({ name, bytes: Buffer.from(bytes) }));
    }

    async close() {
        await this.tab.close();
    }
}

// The files of a zip archive whose files are stored: { name: Buffer }, read from the central directory (the
// archive's checksums are checked against another reader in web-tools.test.js).
function storedFiles(zip) {
    const end = zip.lastIndexOf(Buffer.from([0x50, 0x4b, 0x05, 0x06]));
    const count = zip.readUInt16LE(end + 10);
    let at = zip.readUInt32LE(end + 16);
    const files = {};
    for (let i = 0; i < count; i++) {
        const method = zip.readUInt16LE(at + 10);
        const size = zip.readUInt32LE(at + 20);
        const nameLength = zip.readUInt16LE(at + 28);
        const extra = zip.readUInt16LE(at + 30) + zip.readUInt16LE(at + 32);
        const local = zip.readUInt32LE(at + 42);
        const name = zip.subarray(at + 46, at + 46 + nameLength).toString('utf8');
        if (method !== 0) throw new Error(`${name} is not stored`);
        const data = local + 30 + zip.readUInt16LE(local + 26) + zip.readUInt16LE(local + 28);
        files[name] = zip.subarray(data, data + size);
        at += 46 + nameLength + extra;
    }
    return files;
}

module.exports = { servePage, WebPage, storedFiles };
