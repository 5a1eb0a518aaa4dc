'use strict';
// Generates a design with marquetto-cli into a temporary folder and names the pages the tests open.

const { spawnSync } = require('node:child_process');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const { pathToFileURL } = require('node:url');
const { projectText } = require('./projectFile');

// The background image that the author would copy beside the page.
const ONE_PIXEL_PNG = Buffer.from(
    'iVBORw0KGgoAAAANSUhEUgAAAAEAAAABCAYAAAAfFcSJAAAADUlEQVR42mP8/5+hHgAHggJ/PchI7wAAAABJRU5ErkJggg==',
    'base64',
);

const createdFolders = [];
process.on('exit', () => {
    for (const folder of createdFolders) fs.rmSync(folder, { recursive: true, force: true });
});

function cliPath() {
    const cli = process.env.MARQUETTO_CLI;
    if (!cli || !fs.existsSync(cli))
        throw new Error(`MARQUETTO_CLI must name the built marquetto-cli (it is "${cli ?? ''}")`);
    return cli;
}

class NewsBox {
    constructor(folder, design, snippet) {
        this.folder = folder;
        this.design = design;
        this.snippet = snippet;
    }

    file(name) {
        return path.join(this.folder, name);
    }

    url(name) {
        return pathToFileURL(this.file(name)).href;
    }

    get hostName() {
        return `${this.design.scrollerName}newstic.html`;
    }

    get hostUrl() {
        return this.url(this.hostName);
    }

    get previewUrl() {
        return this.url('preview.html');
    }

    text(name) {
        return fs.readFileSync(this.file(name), 'latin1');
    }

    // A page with the IE box markup of the host page that loads the IE runtime, as the loader does in IE.
    get iePageUrl() {
        const host = this.text(this.hostName);
        const loader = /<script language="javascript">[\s\S]*<\/script>/;
        if (!loader.test(host)) throw new Error(`${this.hostName} has no loader script`);
        const ieScript = `<script language="javascript" src="${this.design.scrollerName}newsticie.js"></script>`;
        fs.writeFileSync(
            this.file('ie-test.html'),
            host.replace(loader, () => ieScript),
            'latin1',
        );
        return this.url('ie-test.html');
    }

    // A long page whose top shows the snippet's frame, so that scrolling the page takes the box out of view.
    get farUrl() {
        fs.writeFileSync(
            this.file('far.html'),
            '<html><head><title>far</title></head><body style="margin:0">' +
                `${this.snippet}<div style="height:6000px"></div></body></html>`,
        );
        return this.url('far.html');
    }

    // A top window that frames preview.html, so that a message has a parent and a top window of its own.
    get framedPreviewUrl() {
        fs.writeFileSync(
            this.file('landing.html'),
            '<html><head><title>landing</title></head><body>landing</body></html>',
        );
        const width = parseInt(this.design.width, 10) + 60;
        const height = parseInt(this.design.height, 10) + 60;
        fs.writeFileSync(
            this.file('outer.html'),
            '<html><head><title>outer</title></head><body style="margin:0">' +
                `<iframe src="preview.html" width="${width}" height="${height}" style="border:0;display:block"></iframe>` +
                '</body></html>',
        );
        return this.url('outer.html');
    }
}

function generateNewsBox(design) {
    const folder = fs.mkdtempSync(path.join(os.tmpdir(), 'marquetto-box-'));
    createdFolders.push(folder);
    const project = path.join(folder, 'design.tkp');
    fs.writeFileSync(project, projectText(design), 'latin1');
    if (design.bgImageOn === 1) fs.writeFileSync(path.join(folder, design.bgImageName), ONE_PIXEL_PNG);
    const run = spawnSync(cliPath(), ['generate', '--project', project, '--out', folder], { encoding: 'latin1' });
    if (run.status !== 0)
        throw new Error(`marquetto-cli generate failed with ${run.status}: ${run.stderr}${run.error ?? ''}`);
    return new NewsBox(folder, design, run.stdout.trim());
}

// The box of a design that an earlier test of the same file generated, or a new one: the files depend only on
// the design, and the tests only add pages of their own beside them.
const generated = new Map();
function sharedNewsBox(design) {
    const key = JSON.stringify(design);
    if (!generated.has(key)) generated.set(key, generateNewsBox(design));
    return generated.get(key);
}

module.exports = { generateNewsBox, sharedNewsBox, ONE_PIXEL_PNG, cliPath };
