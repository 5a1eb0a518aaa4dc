'use strict';
// Runs a group of tests once per browser engine. A test file launches each browser once, however many groups it
// has (a reader's reduced motion is a setting of the browser, so that browser is a launch of its own), and each
// design is generated once for both engines. Its it() is node:test's, with each case under a deadline of its own.

const { describe, before, after } = require('node:test');
const { it, withinDeadline } = require('./deadline');
const { Engine, ENGINE_NAMES } = require('./engines');
const { sharedNewsBox } = require('./newsBox');

const launched = new Map();

function sharedEngine(name, launchOptions) {
    const key = `${name} ${JSON.stringify(launchOptions)}`;
    if (!launched.has(key)) launched.set(key, Engine.launch(name, launchOptions));
    return launched.get(key);
}

// The browsers close when every test of the file has run, also when one failed to launch.
after(async () => {
    const engines = await Promise.allSettled(launched.values());
    const closed = Promise.all(engines.filter((e) => e.status === 'fulfilled').map((e) => e.value.close()));
    await withinDeadline(closed, () => new Error('the browsers did not close'));
});

class EngineSession {
    constructor(name) {
        this.name = name;
        this.engine = null;
    }

    // Generates the design and opens it: the host page, or with ie the IE test page under the IE shim; viewport
    // sizes the tab before the page loads, and beforeScripts run in every frame before the page's own.
    async open(t, design, { ie = false, page = 'host', userAgent, viewport, beforeScripts } = {}) {
        const box = sharedNewsBox(design);
        const urls = { host: box.hostUrl, preview: box.previewUrl, framed: box.framedPreviewUrl, far: box.farUrl };
        const url = ie ? box.iePageUrl : urls[page];
        const framed = !ie && page !== 'host';
        const boxPage = await this.engine.open(url, { framed, ieShim: ie, userAgent, viewport, beforeScripts });
        t.after(() => boxPage.close());
        return { box, page: boxPage };
    }
}

function describeInEngines(title, define, engines = ENGINE_NAMES, launchOptions = {}) {
    for (const name of engines) {
        describe(`${title} in ${name}`, () => {
            const session = new EngineSession(name);
            before(async () => {
                session.engine = await sharedEngine(name, launchOptions);
            });
            define(session);
        });
    }
}

// The wait armed after each recorded timer: the time from one row to the next.
function waitsAfter(rows) {
    return rows.slice(0, -1).map((row, i) => ({ row, wait: rows[i + 1].time - row.time, next: rows[i + 1] }));
}

module.exports = { describeInEngines, it, waitsAfter };
