'use strict';
// The two browser engines the generated files must run in, launched from the Debian packages.

const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const puppeteer = require('puppeteer-core');
const { BoxPage } = require('./boxPage');
const { clockScript } = require('./clock');
const { ieShimScript } = require('./ieShim');
const { probeScript } = require('./probes');
const { step, tracked } = require('./deadline');

const ENGINES = {
    chromium: {
        browser: 'chrome',
        executablePath: '/usr/bin/chromium',
        args: [
            '--no-sandbox',
            '--disable-gpu',
            '--disable-background-networking',
            '--disable-component-update',
            '--disable-sync',
            '--no-first-run',
        ],
    },
    firefox: { browser: 'firefox', executablePath: '/usr/bin/firefox-esr', args: [] },
};

const ENGINE_NAMES = Object.keys(ENGINES);

const VIEWPORT = { width: 420, height: 420 };

class Engine {
    constructor(name, browser, profile) {
        this.name = name;
        this.launched = browser;
        this.profile = profile;
        // Tabs that a finished test left untouched, by the options they were prepared with: opening and closing
        // a tab costs more than the page it shows, most of all in Firefox.
        this.idleTabs = new Map();
        // Only Firefox keeps them: a new tab costs Chromium half of what it costs Firefox, and the suite ran no
        // faster with Chromium's kept.
        this.keepsTabs = name === 'firefox';
    }

    // The browser itself, for a test that makes its own tabs; from then on no tab is kept aside.
    get browser() {
        this.keepsTabs = false;
        return tracked(this.launched);
    }

    // With reducedMotion the browser starts as for a reader who asked the system for reduced motion.
    static async launch(name, { reducedMotion = false } = {}) {
        const profile = fs.mkdtempSync(path.join(os.tmpdir(), `marquetto-${name}-`));
        const engine = ENGINES[name];
        const options = { ...engine, headless: true, userDataDir: profile };
        if (reducedMotion && name === 'chromium') options.args = [...engine.args, '--force-prefers-reduced-motion'];
        if (reducedMotion && name === 'firefox') options.extraPrefsFirefox = { 'ui.prefersReducedMotion': 1 };
        const browser = await puppeteer.launch(options);
        return new Engine(name, browser, profile);
    }

    // Opens url in a tab whose frames all run on a fake clock; ieShim adds the IE emulation.
    // beforeScripts runs in every frame before the page's own scripts. A page of frames always gets a new tab,
    // which is not kept: its tests follow links from frame to frame and window to window.
    open(url, options = {}) {
        return step(`opening ${url.split('/').pop()}`, this.openTab(url, options));
    }

    async openTab(url, { framed = false, ...options } = {}) {
        const kind = JSON.stringify(options);
        const keeps = this.keepsTabs && !framed;
        const idle = keeps ? this.idleTabs.get(kind) || [] : [];
        const tab = idle.length ? idle.pop() : await this.newTab(options);
        // A tab behind another is a hidden page to its box, which then rests; a new tab comes to the front.
        await tab.bringToFront();
        const putAside = keeps ? () => this.putAside(kind, tab) : null;
        const boxPage = new BoxPage(tab, tab.mainFrame(), [], putAside);
        await tab.goto(url, { waitUntil: 'load' });
        return boxPage;
    }

    async newTab({ ieShim = false, userAgent, viewport = VIEWPORT, beforeScripts } = {}) {
        const tab = await this.launched.newPage();
        await tab.setViewport(viewport);
        if (userAgent) await tab.setUserAgent(userAgent);
        await tab.evaluateOnNewDocument(clockScript);
        await tab.evaluateOnNewDocument(probeScript);
        if (ieShim) await tab.evaluateOnNewDocument(ieShimScript);
        if (beforeScripts) await tab.evaluateOnNewDocument(beforeScripts);
        return tab;
    }

    // Takes back a tab that shows an empty page, for the next test.
    async putAside(kind, tab) {
        if (!this.keepsTabs) {
            await step('closing the tab', tab.close());
            return;
        }
        if (!this.idleTabs.has(kind)) this.idleTabs.set(kind, []);
        this.idleTabs.get(kind).push(tab);
    }

    async close() {
        await this.launched.close();
        fs.rmSync(this.profile, { recursive: true, force: true });
    }
}

module.exports = { Engine, ENGINE_NAMES, ENGINES };
